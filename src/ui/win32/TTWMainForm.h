#pragma once

#include "settings/PlaceableWindow.h"
#include "settings/RAppReg.h"
#include "ui/FormKeys.h"
#include "ui/MainFormSettings.h"
#include "ui/PrecomputedPlane.h"
#include "ui/RColorEditor.h"
#include "ui/RColorEditorView.h"
#include "ui/SamplingSession.h"
#include "ui/win32/FormBuilder.h"
#include "ui/win32/RWindow.h"

#include <memory>
#include <string>
#include <vector>

class RColorClipboard;
class RDesktopCopy;
class RSwatchMenu;

class RShape;
class RSpeedButton;
class RSwatchImage;
class RToolTip;
class TBigScreenDlg;

// The main window: one colour shown as a swatch, in RGB and HSL boxes, as a
// name, as hex text in a chosen notation, and in the hue/saturation plane
// and luminance bar. The editing logic is the headless RColorEditor; this
// form gives it the controls; the settings steps and the sampling session
// are the core's too.
class TTWMainForm : public RWindow, public RColorEditorView, public RMainFormView, public RPlaceableWindow
{
public:
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
    bool IsMouseSelecting() const { return TheSampling.IsSampling(); }
    RSamplingSession& Sampling() { return TheSampling; }
    const RColor& CurrentColor() const { return TheEditor.Color(); }

    // Shows the window where it may have been hidden behind others or
    // minimised and brings it forward; with pick, sampling starts too
    // (unless under way). Another start of the program asks this.
    void ComeForward(bool pick);
    // The same once the message being handled is answered: a later start's
    // request, whose sender waits for its answer.
    void ComeForwardLater(bool pick);
    // One pick without showing the window: done gets the colour's literal in
    // the saved notation, or nothing when the user cancelled (Escape) or no
    // pick could start. Nothing is saved.
    void PickOnce(RSamplingSession::RDone done);
    // The class of the main window, by which a later start finds it.
    static const char* WindowClass();
    // The sampling windows, for tests that look at the loupe.
    const TBigScreenDlg* SamplingWindows() const { return TheBigScreen.get(); }

    // The swatch's menu, for tests that read what it draws.
    const RSwatchMenu& SwatchMenu() const { return *TheSwatchMenu; }
    // What the swatch's tooltip says.
    std::string SwatchToolTipText() const;
    // The control with the layout's name, for tests that drive the window.
    HWND ControlNamed(const char* name) const { return TheControls->Find(name); }

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

    // RMainFormView
    void SetHSLSpinRange(int minimum, int maximum) override;
    void SelectHexFormat(int index) override;
    void CreateSamplingWindow() override;
    void FillColorNames(const std::vector<const char*>& names) override;
    void FocusRedEdit() override;

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
    static constexpr DWORD FormStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    static constexpr DWORD FormExtendedStyle = WS_EX_DLGMODALFRAME | WS_EX_TOPMOST | WS_EX_CONTROLPARENT;

    // The window's showing, closing and session, apart from its input.
    LRESULT HandleLifeMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void CreateControls();
    // Lays the window out on a monitor of dpi, enlarged with the desktop's
    // text: its controls, its pictures, its icons, and its size around the
    // layout, its top-left corner at (left, top).
    void FitToDpi(int dpi, int left, int top);
    void Command(HWND control, int id, int code);
    void UpDownClick(HWND spin);
    HWND EditOf(REditBox box) const;
    RECT Bounds() const;

    // The messages the window handles itself, each by its own handler.
    void FormShowing(bool shown);
    bool FormCloseQuery();
    void FormMouseMove(int x, int y);
    void FormMouseDown(int x, int y);
    void FormDpiChanged(int dpi, const RECT& suggested);
    void FormSettingChange();
    void FormAnnouncementDue();
    // The swatch's menu at a right click on it (true), or from the menu key.
    bool FormContextMenu(LPARAM lParam);
    bool FormSetCursor(HWND over) const;
    LRESULT FormMouseActivate() const;
    void FormEndSession(bool ending);

    void FormShow();
    // Names the controls for screen readers; the plane and the bar are
    // described by their values, the swatch (SetSwatchColor) by its tip.
    void NameControls();
    void DescribeColour();
    void AnnounceSampledColour();
    void ApplyOwnPixel(int x, int y);
    void SetSelectButtonsEnabled(bool enabled);
    // The form's own keys before the dialog navigation: Ctrl+Shift+D.
    bool TakeKey(const MSG& message);
    void RunFormCommand(RFormCommand command);
    void CloseBtnClick();
    void QLImageClick();
    void AboutBtnClick();
    void HelpBtnClick();

    // The plane drawn when the program was built: no start computes it.
    RColorEditor TheEditor{*this, RSwatchLayout{}, &BuiltPlane()};
    RSamplingSession TheSampling{TheEditor};
    std::unique_ptr<RFormBuilder> TheControls;
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
    HBITMAP TheLogoBitmap = nullptr;
    HBITMAP TheColorDialogGlyph = nullptr;
    HBITMAP TheDropperGlyph = nullptr;
    // The window's icons at its density (the class's are at 96 dpi).
    HICON TheBigIcon = nullptr;
    HICON TheSmallIcon = nullptr;

    // The clipboard's keys, and the swatch's menu.
    std::unique_ptr<RColorClipboard> TheClipboard;
    std::unique_ptr<RSwatchMenu> TheSwatchMenu;
    // The key of a command of the window, pressed and not yet released.
    WPARAM TheKeyTaken = 0;
    RFormCommand TheCommandTaken{};
    // The swatch's tooltip: its contrast against white and black.
    std::unique_ptr<RToolTip> TheSwatchTip;
    std::unique_ptr<RAppReg> TheAppReg;
    std::unique_ptr<RDesktopCopy> TheScreenBitmap;
    std::unique_ptr<TBigScreenDlg> TheBigScreen;
    // The colour under the pointer waits to be told to a screen reader.
    bool TheAnnouncementPending = false;
    static constexpr UINT_PTR AnnouncementTimer = 1;
    bool TheFirstShowing = true;
    int TheShowState = SW_SHOWNORMAL; // the saved state, applied when first shown
};
