#include "ui/win32/TTWMainForm.h"

#include "instance/InstanceChannel.h"
#include "shell/Help.h"
#include "shell/ShellOpen.h"
#include "ui/FormKeys.h"
#include "ui/FormLayout.h"
#include "ui/win32/ColorClipboard.h"
#include "ui/win32/Dpi.h"
#include "ui/win32/MessageLoop.h"
#include "ui/win32/Resources.h"
#include "ui/win32/RShape.h"
#include "ui/win32/RSpeedButton.h"
#include "ui/win32/RSwatchImage.h"
#include "ui/win32/RToolTip.h"
#include "ui/win32/ScreenAccess.h"
#include "ui/win32/SwatchMenuPopup.h"
#include "ui/win32/TBigScreenDlg.h"
#include "ui/win32/TQLAboutDlg.h"

#include <commctrl.h>
#include <windowsx.h>


namespace
{

// The form's own messages that carry out a later start's request once the
// sender has its answer.
constexpr UINT ComeForwardToShow = WM_APP + 1;
constexpr UINT ComeForwardToPick = WM_APP + 2;

} // namespace

TTWMainForm::TTWMainForm()
{
    const RFormLayout& layout = MainFormLayout();
    RegisterClassOnce(MainWindowClass, nullptr, TintwellIcon(32), TintwellIcon(16));
    CreateHandle(MainWindowClass, layout.Caption, FormStyle, FormExtendedStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                 layout.ClientWidth, layout.ClientHeight, nullptr);
    // Sized once it is known which monitor it landed on; a saved placement
    // on a monitor of another density lays it out again (WM_DPICHANGED).
    CreateControls();
    NameControls();
    RECT placed{};
    ::GetWindowRect(Handle(), &placed);
    FitToDpi(WindowDpi(Handle()), placed.left, placed.top);
    TheClipboard = std::make_unique<RColorClipboard>(Handle(), RGBHexEdit, TheEditor);
    TheClipboard->SetColorBoxes({RedEdit, GrnEdit, BluEdit, HueEdit, SatEdit, LumEdit});
    TheSwatchMenu = std::make_unique<RSwatchMenu>(Handle(), TheEditor, *TheClipboard);
    RegisterDialogWindow(Handle(),
                         [this](const MSG& message) { return TakeKey(message) || TheClipboard->TakeKey(message); });
    TheSwatchTip = std::make_unique<RToolTip>(Handle(), TheShape->Handle());
    TheAppReg = OpenMainFormSettings(*this);
}

TTWMainForm::~TTWMainForm()
{
    UnregisterDialogWindow(Handle());
    TheBigScreen.reset();
    TheControls.reset();
    for (HBITMAP bitmap : {TheLogoBitmap, TheColorDialogGlyph, TheDropperGlyph})
        if (bitmap != nullptr)
            ::DeleteObject(bitmap);
    for (HICON icon : {TheBigIcon, TheSmallIcon})
        if (icon != nullptr)
            ::DestroyIcon(icon);
}

const char* TTWMainForm::WindowClass()
{
    return MainWindowClass;
}

void TTWMainForm::Show()
{
    ::ShowWindow(Handle(), TheShowState);
    ::UpdateWindow(Handle());
}

LRESULT TTWMainForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_COMMAND:
        Command(reinterpret_cast<HWND>(lParam), LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_VSCROLL:
        // An up-down has written its new number into its box; now its own handler.
        if (LOWORD(wParam) == SB_THUMBPOSITION)
            UpDownClick(reinterpret_cast<HWND>(lParam));
        return 0;
    case WM_SETCURSOR:
        return FormSetCursor(reinterpret_cast<HWND>(wParam)) ? TRUE : Default(message, wParam, lParam);
    case WM_MOUSEMOVE:
        FormMouseMove(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        FormMouseDown(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        return 0;
    case WM_MOUSEACTIVATE:
        return FormMouseActivate();
    case WM_CONTEXTMENU:
        return FormContextMenu(lParam) ? 0 : Default(message, wParam, lParam);
    case WM_MEASUREITEM:
        return TheSwatchMenu && TheSwatchMenu->MeasureSquare(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam))
                   ? TRUE : Default(message, wParam, lParam);
    case WM_DRAWITEM:
        return TheSwatchMenu && TheSwatchMenu->DrawSquare(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))
                   ? TRUE : Default(message, wParam, lParam);
    default:
        return HandleLifeMessage(message, wParam, lParam);
    }
}

LRESULT TTWMainForm::HandleLifeMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_SHOWWINDOW:
        FormShowing(wParam != FALSE);
        break;
    case WM_DPICHANGED:
        FormDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_SETTINGCHANGE:
        FormSettingChange();
        break;
    case WM_TIMER:
        if (wParam != AnnouncementTimer)
            break;
        FormAnnouncementDue();
        return 0;
    case WM_CLOSE:
        if (FormCloseQuery())
            ::DestroyWindow(Handle());
        return 0;
    case WM_COPYDATA: // a later start of the program hands its request over
        return RInstanceChannel::Receive(reinterpret_cast<const void*>(lParam)) ? TRUE : FALSE;
    case ComeForwardToPick:
    case ComeForwardToShow:
        ComeForward(message == ComeForwardToPick);
        return 0;
    case WM_QUERYENDSESSION:
        return TRUE;
    case WM_ENDSESSION:
        FormEndSession(wParam != FALSE);
        return 0;
    case WM_DESTROY:
        ::PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return Default(message, wParam, lParam);
}

void TTWMainForm::Command(HWND control, int id, int code)
{
    const struct
    {
        HWND Edit;
        void (RColorEditor::*Change)();
    } edits[] = {
        {RedEdit, &RColorEditor::RedEditChange}, {GrnEdit, &RColorEditor::GrnEditChange},
        {BluEdit, &RColorEditor::BluEditChange}, {HueEdit, &RColorEditor::HueEditChange},
        {SatEdit, &RColorEditor::SatEditChange}, {LumEdit, &RColorEditor::LumEditChange},
    };
    // Escape, through the dialog navigation, presses the cancel button;
    // not while a modal box of ours has the window disabled.
    if (id == IDCANCEL && ::IsWindowEnabled(Handle()))
    {
        CloseBtnClick();
        return;
    }
    if (code == EN_CHANGE)
    {
        // Sent inside WM_SETTEXT too, which the editor relies on.
        for (const auto& edit : edits)
            if (control == edit.Edit)
                (TheEditor.*edit.Change)();
        return;
    }
    // Only the user's choice: a selection by the program sends nothing.
    if (code == CBN_SELCHANGE && control == ColorNameCB)
        TheEditor.ColorNameCBChange();
    else if (code == CBN_SELCHANGE && control == HexFormatCB)
        TheEditor.HexFormatCBChange();
    else if (code == STN_CLICKED && control == SidebarImage)
        QLImageClick();
    else if (code != BN_CLICKED)
        return;
    else if (control == ColorDlgSelectSBtn->Handle())
        TheEditor.ColorDlgSelectSBtnClick();
    else if (control == MouseSelectSBtn->Handle())
        MouseSelectSBtnClick();
    else if (control == AboutBtn)
        AboutBtnClick();
    else if (control == HelpBtn)
        HelpBtnClick();
}

void TTWMainForm::UpDownClick(HWND spin)
{
    const struct
    {
        HWND Spin;
        void (RColorEditor::*Click)();
    } spins[] = {
        {RedUpDown, &RColorEditor::RedUpDownClick}, {GrnUpDown, &RColorEditor::GrnUpDownClick},
        {BluUpDown, &RColorEditor::BluUpDownClick}, {HueUpDown, &RColorEditor::HueUpDownClick},
        {SatUpDown, &RColorEditor::SatUpDownClick}, {LumUpDown, &RColorEditor::LumUpDownClick},
    };
    for (const auto& entry : spins)
        if (spin == entry.Spin)
            (TheEditor.*entry.Click)();
}

void TTWMainForm::FormShowing(bool shown)
{
    if (shown && TheFirstShowing)
        FormShow();
}

void TTWMainForm::FormShow()
{
    TheFirstShowing = false;
    ShowMainForm(*this, TheEditor, *TheAppReg);
}

bool TTWMainForm::FormSetCursor(HWND over) const
{
    return TheControls && TheControls->ShowHandOver(over);
}

void TTWMainForm::FormDpiChanged(int dpi, const RECT& suggested)
{
    // Moved onto a monitor of another density: laid out again there, at
    // the place the system suggests.
    FitToDpi(dpi, suggested.left, suggested.top);
}

void TTWMainForm::FormSettingChange()
{
    // The desktop's text may have grown or shrunk: laid out again where
    // the window stands.
    ForgetDesktopText();
    if (LayoutDpiOf(Handle()) == TheControls->Dpi())
        return;
    RECT placed{};
    ::GetWindowRect(Handle(), &placed);
    FitToDpi(WindowDpi(Handle()), placed.left, placed.top);
}

bool TTWMainForm::FormContextMenu(LPARAM lParam)
{
    // The swatch's menu: a right click on it (found by the point: the
    // window the message names is not the swatch everywhere once it has
    // passed through its panel), or the keyboard, below the swatch then.
    RECT swatch{};
    ::GetWindowRect(TheShape->Handle(), &swatch);
    POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (lParam == -1)
        at = POINT{swatch.left, swatch.bottom};
    else if (!::PtInRect(&swatch, at))
        return false;
    TheSwatchMenu->Show(at);
    return true;
}

LRESULT TTWMainForm::FormMouseActivate() const
{
    // While sampling, a click on this window samples it and leaves the
    // keyboard with the sampling window.
    return TheSampling.IsSampling() ? MA_NOACTIVATE : MA_ACTIVATE;
}

void TTWMainForm::FormEndSession(bool ending)
{
    // The session ends without a close: save as a close does.
    if (ending)
        SaveSettings();
}

bool TTWMainForm::FormCloseQuery()
{
    SaveSettings();
    return true;
}

void TTWMainForm::SaveSettings()
{
    if (!TheAppReg)
        return;
    const int notation = static_cast<int>(::SendMessageA(HexFormatCB, CB_GETCURSEL, 0, 0));
    SaveMainFormSettings(*TheAppReg, {TheShape->GetFill(), notation, true}, TheEditor, TheSampling);
    // The capture, then the sampling window (taking it off the screen).
    TheScreenBitmap.reset();
    TheBigScreen.reset();
    TheAppReg.reset(); // writes the file
}

void TTWMainForm::MouseSelectSBtnClick()
{
    SetSelectButtonsEnabled(false);
    // One block copy of the whole desktop, every monitor, replacing the last one.
    TheScreenBitmap.reset();
    TheScreenBitmap = RDesktopCopy::Take();
    const bool copied = TheScreenBitmap && TheBigScreen;
    if (copied)
        TheBigScreen->ShowScreenImage(TheScreenBitmap.get());
    else
        SetSelectButtonsEnabled(true);
    TheSampling.Begin(copied);
}

void TTWMainForm::EndMouseSelect()
{
    SetSelectButtonsEnabled(true);
    ::SetCursor(::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW)));
    TheSampling.End();
}

bool TTWMainForm::TakeKey(const MSG& message)
{
    // A command runs when its key is released, and neither press nor
    // release reaches the controls: a release inside the menu or dialog the
    // command opens would go on to the focused box (the menu key's opens
    // the box's own menu, F10's enters the window menu's mode unseen).
    if ((message.message == WM_KEYUP || message.message == WM_SYSKEYUP) && TheKeyTaken != 0 &&
        message.wParam == TheKeyTaken)
    {
        TheKeyTaken = 0;
        RunFormCommand(TheCommandTaken);
        return true;
    }
    // F10 comes as a system key, the others as plain ones.
    if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN)
        return false;
    const auto held = [](int key) { return (::GetKeyState(key) & 0x8000) != 0; };
    for (const RFormKey& key : FormKeys)
    {
        const WPARAM code = key.Key == RFormKeyName::F10    ? VK_F10
                            : key.Key == RFormKeyName::Menu ? VK_APPS
                                                            : static_cast<WPARAM>(key.Letter);
        if (message.wParam == code && held(VK_CONTROL) == key.Ctrl && held(VK_SHIFT) == key.Shift && !held(VK_MENU))
        {
            TheKeyTaken = code;
            TheCommandTaken = key.Command;
            return true;
        }
    }
    return false;
}

void TTWMainForm::RunFormCommand(RFormCommand command)
{
    // The select buttons never take the focus, so their keys work from
    // whichever control has it; not while a selection is under way.
    switch (command)
    {
    case RFormCommand::SelectWithMouse:
        if (!TheSampling.IsSampling() && ::IsWindowEnabled(MouseSelectSBtn->Handle()))
            MouseSelectSBtnClick();
        break;
    case RFormCommand::SelectFromDialog:
        if (!TheSampling.IsSampling() && ::IsWindowEnabled(ColorDlgSelectSBtn->Handle()))
            TheEditor.ColorDlgSelectSBtnClick();
        break;
    case RFormCommand::SwatchMenu:
        FormContextMenu(-1);
        break;
    }
}

void TTWMainForm::ComeForward(bool pick)
{
    // A dialog of ours (the colour dialog, the About box) holds the window:
    // it comes forward, and nothing starts behind it that it would block.
    if (HWND dialog = ::GetLastActivePopup(Handle()); dialog != Handle() && !::IsWindowEnabled(Handle()))
    {
        ::SetForegroundWindow(dialog);
        return;
    }
    if (::IsIconic(Handle()))
        ::ShowWindow(Handle(), SW_RESTORE);
    else if (!::IsWindowVisible(Handle()))
        Show();
    ::SetForegroundWindow(Handle());
    if (pick && !TheSampling.IsSampling() && ::IsWindowEnabled(MouseSelectSBtn->Handle()))
        MouseSelectSBtnClick();
}

void TTWMainForm::ComeForwardLater(bool pick)
{
    ::PostMessageA(Handle(), pick ? ComeForwardToPick : ComeForwardToShow, 0, 0);
}

void TTWMainForm::PickOnce(RSamplingSession::RDone done)
{
    TheSampling.PickForCommandLine(std::move(done));
    FormShow(); // the saved notation, the sampling window
    MouseSelectSBtnClick();
}

void TTWMainForm::SetSelectButtonsEnabled(bool enabled)
{
    ::EnableWindow(MouseSelectSBtn->Handle(), enabled);
    ::EnableWindow(ColorDlgSelectSBtn->Handle(), enabled);
}

void TTWMainForm::FormMouseMove(int x, int y)
{
    ApplyOwnPixel(x, y);
}

void TTWMainForm::FormMouseDown(int x, int y)
{
    ApplyOwnPixel(x, y);
}

void TTWMainForm::ApplyOwnPixel(int x, int y)
{
    if (TheSampling.IsSampling())
        TheSampling.Follow(WindowPixel(Handle(), x, y));
}

void TTWMainForm::CloseBtnClick()
{
    ::PostMessageA(Handle(), WM_CLOSE, 0, 0);
}

void TTWMainForm::AboutBtnClick()
{
    ShowAboutBox(Handle(), MainFormTexts::WebSite, MainFormTexts::WebLinkText, MainFormTexts::SupportMail,
                 MainFormTexts::MailLinkText);
}

void TTWMainForm::HelpBtnClick()
{
    ShowHelpTopic(Handle(), MainFormTexts::HelpTopic);
}

void TTWMainForm::QLImageClick()
{
    ShellOpen(MainFormTexts::ProductPage);
}
