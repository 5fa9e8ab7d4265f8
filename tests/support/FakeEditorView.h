#pragma once

// Plain controls for the colour editor, with the window's four behaviours:
// a program write to a box runs its change handler before returning; a
// program selection raises no event; an up-down steps its box and then runs
// its click handler; processing events runs what was queued, possibly
// nesting handlers. Counters record what ran and what was written.
#include "ui/RColorEditor.h"
#include "ui/UpDownStep.h"

#include <array>
#include <deque>
#include <functional>
#include <string>

class FakeEditorView : public RColorEditorView
{
public:
    static constexpr int BoxCount = 6;
    static std::size_t At(REditBox box) { return static_cast<std::size_t>(box); }

    RColorEditor* Editor = nullptr;

    std::array<std::string, BoxCount> Text{"0", "0", "0", "0", "0", "0"};
    std::array<int, BoxCount> Position{};
    std::array<int, BoxCount> Max{255, 255, 255, 255, 255, 255};
    int NameIndex = -1;
    int HexIndex = 0;
    std::string Hex;
    ColorValue Swatch = 0;
    const RSwatchPicture* Picture = nullptr;
    std::deque<std::function<void()>> Queue;
    bool DialogConfirms = false;
    ColorValue DialogAnswer = 0;
    ColorValue DialogStart = 0;

    // What ran and what was written.
    std::array<int, BoxCount> ChangeRuns{};
    std::array<int, BoxCount> Writes{};
    int SwatchFills = 0;
    int EventRounds = 0;

    // The HSL spin ranges, as the window sets them when first shown.
    void UseHSLScale()
    {
        for (REditBox box : {REditBox::HueEdit, REditBox::SatEdit, REditBox::LumEdit})
            Max[At(box)] = 239;
    }

    // What the user does.
    void Type(REditBox box, const std::string& text)
    {
        Text[At(box)] = text;
        RunChange(box);
    }
    void ClickArrow(REditBox box, int delta)
    {
        int& position = Position[At(box)];
        if (StepUpDown(Text[At(box)].c_str(), position, 0, Max[At(box)], delta))
            SetEditText(box, RString(position));
        (Editor->*ClickHandlers[At(box)])();
    }
    void ChooseName(int index)
    {
        NameIndex = index;
        Editor->ColorNameCBChange();
    }
    void ChooseNotation(int index)
    {
        HexIndex = index;
        Editor->HexFormatCBChange();
    }

    void ResetCounters()
    {
        ChangeRuns = {};
        Writes = {};
        SwatchFills = 0;
        EventRounds = 0;
    }

    RString GetEditText(REditBox box) const override { return Text[At(box)].c_str(); }
    void SetEditText(REditBox box, const RString& text) override
    {
        Text[At(box)] = text.Text();
        ++Writes[At(box)];
        RunChange(box);
    }
    int GetColorNameIndex() const override { return NameIndex; }
    void SelectColorName(int index) override { NameIndex = index; }
    int GetHexFormatIndex() const override { return HexIndex; }
    void SetHexText(const RString& text) override { Hex = text.Text(); }
    void SetSwatchColor(ColorValue color) override
    {
        Swatch = color;
        ++SwatchFills;
    }
    void ShowSwatches(const RSwatchPicture& picture) override { Picture = &picture; }
    void ProcessPendingEvents() override
    {
        ++EventRounds;
        while (!Queue.empty())
        {
            auto event = std::move(Queue.front());
            Queue.pop_front();
            event();
        }
    }
    bool RunColorDialog(ColorValue& color) override
    {
        DialogStart = color;
        if (DialogConfirms)
            color = DialogAnswer;
        return DialogConfirms;
    }

private:
    using Handler = void (RColorEditor::*)();
    static constexpr std::array<Handler, BoxCount> ChangeHandlers{
        &RColorEditor::RedEditChange, &RColorEditor::GrnEditChange, &RColorEditor::BluEditChange,
        &RColorEditor::HueEditChange, &RColorEditor::SatEditChange, &RColorEditor::LumEditChange};
    static constexpr std::array<Handler, BoxCount> ClickHandlers{
        &RColorEditor::RedUpDownClick, &RColorEditor::GrnUpDownClick,
        &RColorEditor::BluUpDownClick, &RColorEditor::HueUpDownClick,
        &RColorEditor::SatUpDownClick, &RColorEditor::LumUpDownClick};

    void RunChange(REditBox box)
    {
        ++ChangeRuns[At(box)];
        (Editor->*ChangeHandlers[At(box)])();
    }
};
