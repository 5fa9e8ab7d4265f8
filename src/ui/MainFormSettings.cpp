#include "ui/MainFormSettings.h"

#include "colour/RColor.h"
#include "settings/RAppReg.h"
#include "shell/Help.h"
#include "ui/RColorEditor.h"
#include "ui/RecentColors.h"
#include "ui/SamplingSession.h"

#include <cstdint>

namespace
{

constexpr const char* OptionsSection = "Options";
constexpr const char* LastColorValue = "LastColor";
constexpr const char* HexFormatValue = "HexFormat";
constexpr const char* WindowSection = "Window";
// The colour that stands in until a colour was saved: the toolkit's button
// face as a system-colour reference, whose low bytes give 15, 0, 0.
constexpr std::int32_t NoColorSaved = static_cast<std::int32_t>(0x8000000F);
constexpr int HSLScaleTop = 239;

} // namespace

std::unique_ptr<RAppReg> OpenMainFormSettings(RPlaceableWindow& window)
{
    auto store = std::make_unique<RAppReg>(MainFormTexts::SettingsSubfolder, false);
    store->RestoreWindow(&window, WindowSection, false, 0, 0);
    SetHelpFile(MainFormTexts::HelpFile);
    return store;
}

int SavedHexFormat()
{
    RAppReg store(MainFormTexts::SettingsSubfolder, false);
    store.SetSection(OptionsSection);
    int notation = store.ReadInt(HexFormatValue, 0);
    RColor::CheckHexFormat(notation);
    return notation;
}

void ShowMainForm(RMainFormView& view, RColorEditor& editor, RAppReg& store)
{
    // 1. The HSL spins run 0..239 from now on.
    view.SetHSLSpinRange(0, HSLScaleTop);
    // 2. The saved colour and notation, and the recent colours.
    RColor& color = editor.Color();
    store.SetSection(OptionsSection);
    color.SetColor(static_cast<ColorValue>(store.ReadInt(LastColorValue, NoColorSaved)));
    int notation = store.ReadInt(HexFormatValue, 0);
    RColor::CheckHexFormat(notation);
    color.SetHexFormat(notation);
    view.SelectHexFormat(notation);
    LoadRecentColors(store, editor.RecentColors());
    // 3. The sampling window, hidden until sampling starts.
    view.CreateSamplingWindow();
    // 4. The names in table order, not sorted.
    std::vector<const char*> names;
    for (int i = 0; i < NamedColorCount; ++i)
        names.push_back(RColor::GetColorName(i));
    view.FillColorNames(names);
    // 5. Every view.
    editor.RefreshColor();
    editor.RefreshRGBEdits();
    editor.RefreshHSLEdits();
    view.FocusRedEdit();
}

void SaveMainFormSettings(RAppReg& store, const RMainFormState& state, const RColorEditor& editor,
                          const RSamplingSession& sampling)
{
    if (sampling.IsCommandLinePick())
        return;
    if (state.PlacementKnown)
        store.SaveWindow();
    store.SetSection(OptionsSection);
    store.WriteInt(LastColorValue, static_cast<std::int32_t>(state.SwatchFill));
    store.WriteInt(HexFormatValue, state.HexFormat);
    SaveRecentColors(store, editor.RecentColors());
}
