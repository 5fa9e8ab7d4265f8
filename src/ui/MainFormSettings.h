#pragma once

#include "colour/ColorValue.h"
#include "settings/SettingsFolder.h"

#include <memory>
#include <vector>

class RAppReg;
class RColorEditor;
class RPlaceableWindow;
class RSamplingSession;

// The main window's steps with its settings, help and links, the same in
// every window layer: what its construction, its first showing and its
// close do with the settings store, in which order, with which keys and
// defaults.

// The texts the main window passes on.
namespace MainFormTexts
{
inline constexpr const char* SettingsSubfolder = ::SettingsSubfolder;
inline constexpr const char* HelpFile = "Tintwell.chm";
inline constexpr const char* HelpTopic = "Overview.htm";
inline constexpr const char* WebSite = "https://www.quenlar.example/";
inline constexpr const char* WebLinkText = "Visit Quenlar Online!";
inline constexpr const char* SupportMail = "mailto:support@quenlar.example";
inline constexpr const char* MailLinkText = "Send Quenlar an email!";
inline constexpr const char* ProductPage = "https://www.quenlar.example/Products/Tintwell/Index.htm";
} // namespace MainFormTexts

// What the first showing asks of the window beyond the editor's views.
class RMainFormView
{
public:
    // The HSL spins' range, from then on.
    virtual void SetHSLSpinRange(int minimum, int maximum) = 0;
    // Selects item index of the notation list, raising no event.
    virtual void SelectHexFormat(int index) = 0;
    // Makes the hidden sampling window.
    virtual void CreateSamplingWindow() = 0;
    // Empties the name list and fills it with names, in their order.
    virtual void FillColorNames(const std::vector<const char*>& names) = 0;
    // Gives the red box the keyboard's focus.
    virtual void FocusRedEdit() = 0;

protected:
    ~RMainFormView() = default;
};

// The construction's steps: a new store over the user's settings file, the
// saved placement applied to window (its size stays as laid out), the help
// file registered.
std::unique_ptr<RAppReg> OpenMainFormSettings(RPlaceableWindow& window);
// The notation the window saved last (0..3), for the command line, which
// prints in it unless told otherwise.
int SavedHexFormat();

// The first showing: the spins' range; the saved colour (only its low three
// bytes count; none saved gives 15, 0, 0), notation (outside the list, the
// first) and recent colours; the sampling window; the names; every view;
// the focus on the red box.
void ShowMainForm(RMainFormView& view, RColorEditor& editor, RAppReg& store);

// What the close saves.
struct RMainFormState
{
    ColorValue SwatchFill = 0;
    int HexFormat = 0;
    // False where the program cannot know where its window is (Wayland):
    // the placement saved before then stays.
    bool PlacementKnown = true;
};

// The close's saving steps: the placement, then the last colour and the
// notation, then the recent colours. A pick from the command line saves
// nothing: it has no placement, and its colour is the script's, not the
// next start's.
void SaveMainFormSettings(RAppReg& store, const RMainFormState& state, const RColorEditor& editor,
                          const RSamplingSession& sampling);
