#pragma once

#include "settings/PlaceableWindow.h"
#include "settings/RAppReg.h"
#include "ui/OnePick.h"
#include "ui/PrecomputedPlane.h"
#include "ui/RColorEditor.h"
#include "ui/RColorEditorView.h"
#include "ui/win32/FormBuilder.h"
#include "ui/win32/RWindow.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

class RColorClipboard;
class RScreenBitmap;
class RShape;
class RSpeedButton;
class RSwatchImage;
class RToolTip;
class TBigScreenDlg;

// The main window: one colour shown as a swatch, in RGB and HSL boxes, as a
// name, as hex text in a chosen notation, and in the hue/saturation plane
// and luminance bar. The editing logic is the headless RColorEditor; this
// form gives it the controls and keeps the settings between runs.
class TTWMainForm : public RWindow, public RColorEditorView, public RPlaceableWindow
{
public:
    static constexpr const char* SettingsSubfolder = "Quenlar\\Tintwell";
    static constexpr const char* WebSite = "https://www.quenlar.example/";
    static constexpr const char* ProductPage = "https://www.quenlar.example/Products/Tintwell/Index.htm";
    static constexpr const char* SupportMail = "mailto:support@quenlar.example";

    TTWMainForm();
    ~TTWMainForm() override;

    // Shows the window for the first time, in the state a saved placement asks for.
    void Show();
    // The saving steps of a close; run once, by the first of a close or the
    // end of the desktop session.
    void SaveSettings();

    // Takes the low three bytes of color and brings every view up to date:
    // the way a sampled pixel enters.
    void ApplyColor(ColorValue color) { TheEditor.ApplyColor(color); }
    // Starts screen sampling: copies the screen and shows the copy.
    void MouseSelectSBtnClick();
    // Sampling has ended, however the sampling window was hidden.
    void EndMouseSelect();
    bool IsMouseSelecting() const { return MouseSelecting; }
    const RColor& CurrentColor() const { return TheEditor.Color(); }

    // Shows the window where it may have been hidden behind others or
    // minimised and brings it forward; with pick, sampling starts too
    // (unless under way). Another start of the program asks this.
    void ComeForward(bool pick);
    // One pick without showing the window: done gets the colour's literal in
    // the saved notation, or nothing when the user cancelled (Escape) or no
    // pick could start. Nothing is saved.
    void PickOnce(ROnePick::RDone done);
    // The class of the main window, by which a later start finds it, and
    // the tag of the WM_COPYDATA that carries its request.
    static const char* WindowClass();
    static constexpr ULONG_PTR InstanceRequestData = 0x54574931; // "TWI1"
    // The sampling windows, for tests that look at the loupe.
    const TBigScreenDlg* SamplingWindows() const { return TheBigScreen.get(); }

    // The colour through the clipboard, as the keys and the swatch's menu do.
    RColorClipboard& Clipboard() const { return *TheClipboard; }
    // What the swatch's tooltip says.
    std::string SwatchToolTipText() const;
    // The control with the layout's name, for tests that drive the window.
    HWND ControlNamed(const char* name) const { return Controls->Find(name); }

    // RColorEditorView
    RString GetEditText(REditBox box) const override;
    void SetEditText(REditBox box, const RString& text) override;
    int GetColorNameIndex() const override;
    void SelectColorName(int index) override;
    int GetHexFormatIndex() const override;
    void SetHexText(const RString& text) override;
    void SetSwatchColor(ColorValue color) override;
    void ShowSwatches(const RSwatchPicture& picture) override;
    void ProcessPendingEvents() override;
    bool RunColorDialog(ColorValue& color) override;

    // RPlaceableWindow: the outer bounds, frame included, and the state.
    int GetLeft() const override;
    int GetTop() const override;
    int GetWidth() const override;
    int GetHeight() const override;
    int GetWindowState() const override;
    void SetLeft(int left) override;
    void SetTop(int top) override;
    void SetWidth(int width) override;
    void SetHeight(int height) override;
    void SetWindowState(int state) override;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void CreateControls();
    // Lays the window out at dpi: its controls, its pictures, its icons, and
    // its size around the layout, its top-left corner at (left, top).
    void FitToDpi(int dpi, int left, int top);
    void Command(HWND control, int id, int code);
    void UpDownClick(HWND spin);
    HWND EditOf(REditBox box) const;
    RECT Bounds() const;

    void FormShow();
    bool FormCloseQuery();
    void FormMouseMove(int x, int y);
    void FormMouseDown(int x, int y);
    void ApplyOwnPixel(int x, int y);
    void SetSelectButtonsEnabled(bool enabled);
    // The form's own keys before the dialog navigation: Ctrl+Shift+D.
    bool TakeKey(const MSG& message);
    void CloseBtnClick();
    void QLImageClick();
    void AboutBtnClick();
    void HelpBtnClick();

    // The plane drawn when the program was built: no start computes it.
    RColorEditor TheEditor{*this, RSwatchLayout{}, &BuiltPlane()};
    std::unique_ptr<RFormBuilder> Controls;
    // Controls, named as the window's layout names them.
    HWND RedEdit = nullptr, GrnEdit = nullptr, BluEdit = nullptr;
    HWND HueEdit = nullptr, SatEdit = nullptr, LumEdit = nullptr;
    HWND RedUpDown = nullptr, GrnUpDown = nullptr, BluUpDown = nullptr;
    HWND HueUpDown = nullptr, SatUpDown = nullptr, LumUpDown = nullptr;
    HWND ColorNameCB = nullptr;
    HWND RGBHexEdit = nullptr;
    HWND HexFormatCB = nullptr;
    HWND SidebarImage = nullptr;
    HWND AboutBtn = nullptr, HelpBtn = nullptr, CloseBtn = nullptr;
    RShape* TheShape = nullptr;
    RSwatchImage* HueSatImage = nullptr;
    RSwatchImage* LumImage = nullptr;
    RSwatchImage* LumArrowImage = nullptr;
    RSpeedButton* ColorDlgSelectSBtn = nullptr;
    RSpeedButton* MouseSelectSBtn = nullptr;
    HBITMAP LogoBitmap = nullptr;
    HBITMAP ColorDialogGlyph = nullptr;
    HBITMAP DropperGlyph = nullptr;
    // The window's icons at its density (the class's are at 96 dpi).
    HICON BigIcon = nullptr;
    HICON SmallIcon = nullptr;

    std::unique_ptr<RColorClipboard> TheClipboard;
    // The swatch's tooltip: its contrast against white and black.
    std::unique_ptr<RToolTip> SwatchTip;
    ROnePick OnePick;
    std::unique_ptr<RAppReg> TheAppReg;
    std::unique_ptr<RScreenBitmap> TheScreenBitmap;
    std::unique_ptr<TBigScreenDlg> TheBigScreen;
    bool MouseSelecting = false;
    bool FirstShown = false;
    int ShowState = SW_SHOWNORMAL; // the saved state, applied when first shown
};
