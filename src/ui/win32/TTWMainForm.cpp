#include "ui/win32/TTWMainForm.h"

#include "colour/ColorNotation.h"
#include "colour/RColor.h"
#include "shell/Help.h"
#include "shell/ShellOpen.h"
#include "ui/FormLayout.h"
#include "ui/SingleInstance.h"
#include "ui/SwatchMenu.h"
#include "ui/win32/ColorClipboard.h"
#include "ui/win32/Dpi.h"
#include "ui/win32/MessageLoop.h"
#include "ui/win32/PixelArt.h"
#include "ui/win32/Resources.h"
#include "ui/win32/RScreenBitmap.h"
#include "ui/win32/RShape.h"
#include "ui/win32/RSpeedButton.h"
#include "ui/win32/RSwatchImage.h"
#include "ui/win32/RToolTip.h"
#include "ui/win32/TBigScreenDlg.h"
#include "ui/win32/TQLAboutDlg.h"

#include <commctrl.h>
#include <commdlg.h>
#include <windowsx.h>

#include <string>
#include <string_view>


namespace
{

constexpr const char* MainFormClass = "TTWMainForm";
constexpr DWORD FormStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD FormExtendedStyle = WS_EX_DLGMODALFRAME | WS_EX_TOPMOST | WS_EX_CONTROLPARENT;

// The form's own messages that carry out a later start's request once the
// sender has its answer.
constexpr UINT ComeForwardToShow = WM_APP + 1;
constexpr UINT ComeForwardToPick = WM_APP + 2;
// A request is a word; anything longer is no request.
constexpr DWORD LongestInstanceRequest = 16;

// The colour that stands in until a colour was saved: the toolkit's button
// face as a system-colour reference, whose low bytes give 15, 0, 0.
constexpr std::int32_t NoColorSaved = static_cast<std::int32_t>(0x8000000F);

RString WindowText(HWND window)
{
    const int length = ::GetWindowTextLengthA(window);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    ::GetWindowTextA(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(length));
    return RString(text.c_str());
}

} // namespace

TTWMainForm::TTWMainForm()
{
    const RFormLayout& layout = MainFormLayout();
    RegisterClassOnce(MainFormClass, nullptr, TintwellIcon(32), TintwellIcon(16));
    CreateHandle(MainFormClass, layout.Caption, FormStyle, FormExtendedStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                 layout.ClientWidth, layout.ClientHeight, nullptr);
    // Sized once it is known which monitor it landed on; a saved placement
    // on a monitor of another density lays it out again (WM_DPICHANGED).
    CreateControls();
    RECT placed{};
    ::GetWindowRect(Handle(), &placed);
    FitToDpi(Controls->Dpi(), placed.left, placed.top);
    TheClipboard = std::make_unique<RColorClipboard>(Handle(), RGBHexEdit, TheEditor);
    TheClipboard->SetColorBoxes({RedEdit, GrnEdit, BluEdit, HueEdit, SatEdit, LumEdit});
    RegisterDialogWindow(Handle(),
                         [this](const MSG& message) { return TakeKey(message) || TheClipboard->TakeKey(message); });
    SwatchTip = std::make_unique<RToolTip>(Handle(), TheShape->Handle());

    TheAppReg = std::make_unique<RAppReg>(SettingsSubfolder, false);
    TheAppReg->RestoreWindow(this, "Window", false, 0, 0);
    SetHelpFile("Tintwell.chm");
}

TTWMainForm::~TTWMainForm()
{
    UnregisterDialogWindow(Handle());
    TheBigScreen.reset();
    Controls.reset();
    for (HBITMAP bitmap : {LogoBitmap, ColorDialogGlyph, DropperGlyph})
        if (bitmap != nullptr)
            ::DeleteObject(bitmap);
    for (HICON icon : {BigIcon, SmallIcon})
        if (icon != nullptr)
            ::DestroyIcon(icon);
}

const char* TTWMainForm::WindowClass()
{
    return MainFormClass;
}

void TTWMainForm::FitToDpi(int dpi, int left, int top)
{
    if (dpi != Controls->Dpi())
        Controls->Rescale(dpi);
    const RFormLayout& layout = MainFormLayout();
    FitClientArea(Handle(), Controls->Px(layout.ClientWidth), Controls->Px(layout.ClientHeight), FormStyle,
                  FormExtendedStyle, dpi, left, top);
    // The title bar's and the task switcher's icons, drawn in blocks from the
    // program's own sizes.
    const HICON oldBig = BigIcon, oldSmall = SmallIcon;
    BigIcon = IconInBlocks(TintwellIcon(32), Controls->Px(32));
    SmallIcon = IconInBlocks(TintwellIcon(16), Controls->Px(16));
    ::SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(BigIcon));
    ::SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(SmallIcon));
    for (HICON icon : {oldBig, oldSmall})
        if (icon != nullptr)
            ::DestroyIcon(icon);
}

void TTWMainForm::CreateControls()
{
    Controls = std::make_unique<RFormBuilder>(Handle(), MainFormLayout(), WindowDpi(Handle()));
    RFormBuilder& form = *Controls;
    LogoBitmap = LoadPicture(LogoBitmapName);
    ColorDialogGlyph = LoadPicture(ColorDialogGlyphName);
    DropperGlyph = LoadPicture(DropperGlyphName);

    form.Panel("SidePanel");
    form.Icon("KeyIconImage", TintwellIcon(32));
    form.Panel("QuenlarLogoPanel");
    SidebarImage = form.Bitmap("SidebarImage", LogoBitmap);

    form.Panel("MainPanel");
    form.Label("Label2");
    TheShape = &form.Shape("TheShape");
    form.Label("Label9");
    ColorNameCB = form.DropDownList("ColorNameCB");
    form.Label("Label1");
    RGBHexEdit = form.Edit("RGBHexEdit");
    HexFormatCB = form.DropDownList("HexFormatCB");
    for (const char* label : WindowNotationLabels())
        ::SendMessageA(HexFormatCB, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(label));

    form.Panel("RGBGroup");
    form.Panel("HSLEditGroup");
    for (const char* label : {"Label4", "Label5", "Label6", "Label3", "Label7", "Label8"})
        form.Label(label);
    const struct
    {
        const char *Edit, *Spin;
        HWND* EditMember;
        HWND* SpinMember;
    } boxes[] = {
        {"RedEdit", "RedUpDown", &RedEdit, &RedUpDown}, {"GrnEdit", "GrnUpDown", &GrnEdit, &GrnUpDown},
        {"BluEdit", "BluUpDown", &BluEdit, &BluUpDown}, {"HueEdit", "HueUpDown", &HueEdit, &HueUpDown},
        {"SatEdit", "SatUpDown", &SatEdit, &SatUpDown}, {"LumEdit", "LumUpDown", &LumEdit, &LumUpDown},
    };
    for (const auto& box : boxes)
    {
        *box.EditMember = form.Edit(box.Edit);
        *box.SpinMember = form.UpDown(box.Spin, *box.EditMember);
    }

    form.Panel("SwatchPanel");
    HueSatImage = &form.SwatchImage("HueSatImage", RSwatchImage::Kind::Plane);
    LumImage = &form.SwatchImage("LumImage", RSwatchImage::Kind::Bar);
    LumArrowImage = &form.SwatchImage("LumArrowImage", RSwatchImage::Kind::Arrow);
    HueSatImage->MouseUp = [this](int x, int y) { TheEditor.HueSatImageMouseUp(x, y); };
    LumImage->MouseUp = [this](int x, int y) { TheEditor.LumImageMouseUp(x, y); };
    LumArrowImage->MouseUp = [this](int x, int y) { TheEditor.LumArrowImageMouseUp(x, y); };

    ColorDlgSelectSBtn = &form.SpeedButton("ColorDlgSelectSBtn", ColorDialogGlyph);
    MouseSelectSBtn = &form.SpeedButton("MouseSelectSBtn", DropperGlyph);

    form.Panel("BtnPanel");
    AboutBtn = form.Button("AboutBtn");
    HelpBtn = form.Button("HelpBtn");
    CloseBtn = form.Button("CloseBtn");
    form.SetTabOrder();
}

void TTWMainForm::Show()
{
    ::ShowWindow(Handle(), ShowState);
    ::UpdateWindow(Handle());
}

LRESULT TTWMainForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_SHOWWINDOW:
        if (wParam && !FirstShown)
        {
            FirstShown = true;
            FormShow();
        }
        break;
    case WM_COMMAND:
        Command(reinterpret_cast<HWND>(lParam), LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_VSCROLL:
        // An up-down has written its new number into its box; now its own handler.
        if (LOWORD(wParam) == SB_THUMBPOSITION)
            UpDownClick(reinterpret_cast<HWND>(lParam));
        return 0;
    case WM_SETCURSOR:
        if (Controls && Controls->ShowHandOver(reinterpret_cast<HWND>(wParam)))
            return TRUE;
        break;
    case WM_MOUSEMOVE:
        FormMouseMove(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        FormMouseDown(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        return 0;
    case WM_DPICHANGED:
    {
        // Moved onto a monitor of another density: laid out again there, at
        // the place the system suggests.
        const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
        FitToDpi(HIWORD(wParam), suggested->left, suggested->top);
        return 0;
    }
    case WM_CONTEXTMENU:
    {
        // The swatch's menu: a right click on it (found by the point: the
        // window the message names is not the swatch everywhere once it
        // has passed through its panel), or the menu key where the focused
        // control has no menu of its own, below the swatch then.
        RECT swatch{};
        ::GetWindowRect(TheShape->Handle(), &swatch);
        POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        if (lParam == -1)
            at = POINT{swatch.left, swatch.bottom};
        else if (!::PtInRect(&swatch, at))
            break;
        TheClipboard->ShowSwatchMenu(at);
        return 0;
    }
    case WM_MEASUREITEM:
        if (TheClipboard && TheClipboard->MeasureMenuSquare(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)))
            return TRUE;
        break;
    case WM_DRAWITEM:
        if (TheClipboard && TheClipboard->DrawMenuSquare(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)))
            return TRUE;
        break;
    case WM_MOUSEACTIVATE:
        // While sampling, a click on this window samples it and leaves the
        // keyboard with the sampling window.
        if (MouseSelecting)
            return MA_NOACTIVATE;
        break;
    case WM_CLOSE:
        if (FormCloseQuery())
            ::DestroyWindow(Handle());
        return 0;
    case WM_COPYDATA:
    {
        // A later start of the program hands its request over.
        const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        RInstanceRequest request{};
        if (data == nullptr || data->dwData != InstanceRequestData || data->cbData > LongestInstanceRequest ||
            !ParseInstanceRequest(std::string_view(static_cast<const char*>(data->lpData), data->cbData), request))
            return FALSE;
        // After this message is answered: the sender waits for the answer.
        ::PostMessageA(Handle(), request == RInstanceRequest::Pick ? ComeForwardToPick : ComeForwardToShow, 0, 0);
        return TRUE;
    }
    case ComeForwardToPick:
    case ComeForwardToShow:
        ComeForward(message == ComeForwardToPick);
        return 0;
    case WM_QUERYENDSESSION:
        return TRUE;
    case WM_ENDSESSION:
        // The session ends without a close: save as a close does.
        if (wParam)
            SaveSettings();
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

void TTWMainForm::FormShow()
{
    // 1. The HSL spins run 0..239 from now on.
    for (HWND spin : {HueUpDown, SatUpDown, LumUpDown})
        ::SendMessageA(spin, UDM_SETRANGE32, 0, 239);
    // 2. The saved colour (only its low three bytes count) and notation.
    RColor& color = TheEditor.Color();
    TheAppReg->SetSection("Options");
    color.SetColor(static_cast<ColorValue>(TheAppReg->ReadInt("LastColor", NoColorSaved)));
    int notation = TheAppReg->ReadInt("HexFormat", 0);
    RColor::CheckHexFormat(notation);
    color.SetHexFormat(notation);
    ::SendMessageA(HexFormatCB, CB_SETCURSEL, static_cast<WPARAM>(notation), 0);
    LoadRecentColors(*TheAppReg, TheEditor.RecentColors());
    // 3. The sampling window, hidden until sampling starts.
    TheBigScreen = std::make_unique<TBigScreenDlg>(*this);
    // 4. The names in table order, not sorted.
    ::SendMessageA(ColorNameCB, CB_RESETCONTENT, 0, 0);
    for (int i = 0; i < NamedColorCount; ++i)
        ::SendMessageA(ColorNameCB, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(RColor::GetColorName(i)));
    // 5. Every view.
    TheEditor.RefreshColor();
    TheEditor.RefreshRGBEdits();
    TheEditor.RefreshHSLEdits();
    ::SetFocus(RedEdit);
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
    if (OnePick.IsActive())
    {
        // A pick without the window has no placement, and its colour is
        // the script's, not the next start's.
        TheScreenBitmap.reset();
        TheBigScreen.reset();
        TheAppReg.reset();
        return;
    }
    TheAppReg->SaveWindow();
    TheAppReg->SetSection("Options");
    TheAppReg->WriteInt("LastColor", static_cast<std::int32_t>(TheShape->GetFill()));
    TheAppReg->WriteInt("HexFormat", static_cast<int>(::SendMessageA(HexFormatCB, CB_GETCURSEL, 0, 0)));
    SaveRecentColors(*TheAppReg, TheEditor.RecentColors());
    // The capture, then the sampling window (taking it off the screen).
    TheScreenBitmap.reset();
    TheBigScreen.reset();
    TheAppReg.reset(); // writes the file
}

void TTWMainForm::MouseSelectSBtnClick()
{
    SetSelectButtonsEnabled(false);
    // One block copy of the whole desktop, every monitor, replacing the last
    // one. The program is aware of each monitor's density, so these are
    // device pixels, one to one with the screen.
    HDC screen = ::GetDC(nullptr);
    const int left = ::GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int top = ::GetSystemMetrics(SM_YVIRTUALSCREEN);
    const int width = ::GetSystemMetrics(SM_CXVIRTUALSCREEN);
    const int height = ::GetSystemMetrics(SM_CYVIRTUALSCREEN);
    TheScreenBitmap.reset();
    TheScreenBitmap = std::make_unique<RScreenBitmap>(screen, left, top, width, height);
    bool copied = false;
    if (TheScreenBitmap->Bitmap != nullptr)
    {
        HDC copy = ::CreateCompatibleDC(screen);
        HGDIOBJ old = ::SelectObject(copy, TheScreenBitmap->Bitmap);
        copied = ::BitBlt(copy, 0, 0, width, height, screen, left, top, SRCCOPY) != FALSE;
        ::SelectObject(copy, old);
        ::DeleteDC(copy);
    }
    ::ReleaseDC(nullptr, screen);
    if (!copied || !TheBigScreen)
    {
        SetSelectButtonsEnabled(true);
        return;
    }
    TheBigScreen->ShowScreenImage(TheScreenBitmap.get());
    MouseSelecting = true;
}

void TTWMainForm::EndMouseSelect()
{
    // Sampling ends by taking the pixel under the pointer, but for Escape
    // in a pick from the command line.
    const bool taken = !(TheBigScreen && TheBigScreen->WasCancelled());
    if (taken)
        TheEditor.KeepCurrentColor();
    SetSelectButtonsEnabled(true);
    MouseSelecting = false;
    ::SetCursor(::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW)));
    OnePick.End(CurrentColor(), taken);
}

bool TTWMainForm::TakeKey(const MSG& message)
{
    const auto held = [](int key) { return (::GetKeyState(key) & 0x8000) != 0; };
    if (message.message != WM_KEYDOWN || message.wParam != 'D' || !held(VK_CONTROL) || !held(VK_SHIFT) ||
        held(VK_MENU))
        return false;
    // The dropper from the keyboard, from whichever control has the focus:
    // the select buttons never take it. Not while one is under way.
    if (!MouseSelecting && ::IsWindowEnabled(MouseSelectSBtn->Handle()))
        MouseSelectSBtnClick();
    return true;
}

void TTWMainForm::ComeForward(bool pick)
{
    if (::IsIconic(Handle()))
        ::ShowWindow(Handle(), SW_RESTORE);
    else if (!::IsWindowVisible(Handle()))
        Show();
    ::SetForegroundWindow(Handle());
    if (pick && !MouseSelecting && ::IsWindowEnabled(MouseSelectSBtn->Handle()))
        MouseSelectSBtnClick();
}

void TTWMainForm::PickOnce(ROnePick::RDone done)
{
    OnePick.Start(std::move(done));
    FirstShown = true;
    FormShow(); // the saved notation, the sampling window
    TheBigScreen->SetEscapeCancels(true);
    MouseSelectSBtnClick();
    if (!MouseSelecting)
        OnePick.End(CurrentColor(), false); // the screen could not be copied
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
    if (!MouseSelecting)
        return;
    HDC dc = ::GetDC(Handle());
    const ColorValue pixel = ::GetPixel(dc, x, y);
    ::ReleaseDC(Handle(), dc);
    ApplyColor(pixel);
}

void TTWMainForm::CloseBtnClick()
{
    ::PostMessageA(Handle(), WM_CLOSE, 0, 0);
}

void TTWMainForm::AboutBtnClick()
{
    ShowAboutBox(Handle(), WebSite, "Visit Quenlar Online!", SupportMail, "Send Quenlar an email!");
}

void TTWMainForm::HelpBtnClick()
{
    ShowHelpTopic(Handle(), "Overview.htm");
}

void TTWMainForm::QLImageClick()
{
    ShellOpen(ProductPage);
}

HWND TTWMainForm::EditOf(REditBox box) const
{
    switch (box)
    {
    case REditBox::RedEdit: return RedEdit;
    case REditBox::GrnEdit: return GrnEdit;
    case REditBox::BluEdit: return BluEdit;
    case REditBox::HueEdit: return HueEdit;
    case REditBox::SatEdit: return SatEdit;
    case REditBox::LumEdit: return LumEdit;
    }
    return RedEdit;
}

RString TTWMainForm::GetEditText(REditBox box) const
{
    return WindowText(EditOf(box));
}

void TTWMainForm::SetEditText(REditBox box, const RString& text)
{
    ::SetWindowTextA(EditOf(box), text.Text());
}

int TTWMainForm::GetColorNameIndex() const
{
    return static_cast<int>(::SendMessageA(ColorNameCB, CB_GETCURSEL, 0, 0));
}

void TTWMainForm::SelectColorName(int index)
{
    ::SendMessageA(ColorNameCB, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int TTWMainForm::GetHexFormatIndex() const
{
    return static_cast<int>(::SendMessageA(HexFormatCB, CB_GETCURSEL, 0, 0));
}

void TTWMainForm::SetHexText(const RString& text)
{
    ::SetWindowTextA(RGBHexEdit, text.Text());
}

void TTWMainForm::SetSwatchColor(ColorValue color)
{
    TheShape->SetFill(color);
    SwatchTip->SetText(SwatchToolTip(color));
}

std::string TTWMainForm::SwatchToolTipText() const
{
    return SwatchTip->Text();
}

void TTWMainForm::ShowSwatches(const RSwatchPicture& picture)
{
    for (RSwatchImage* image : {HueSatImage, LumImage, LumArrowImage})
        image->Show(picture);
}

void TTWMainForm::ProcessPendingEvents()
{
    ProcessPendingMessages();
}

bool TTWMainForm::RunColorDialog(ColorValue& color)
{
    // The custom colours last for the run, as the dialog expects of its caller.
    static COLORREF customColors[16] = {};
    CHOOSECOLORA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = Handle();
    dialog.rgbResult = color & 0x00FFFFFF;
    dialog.lpCustColors = customColors;
    dialog.Flags = CC_RGBINIT | CC_FULLOPEN | CC_ANYCOLOR;
    if (!::ChooseColorA(&dialog))
        return false;
    color = dialog.rgbResult;
    return true;
}

RECT TTWMainForm::Bounds() const
{
    // A minimised window's own rectangle is off the screen; its restored one counts.
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (::IsIconic(Handle()) && ::GetWindowPlacement(Handle(), &placement))
        return placement.rcNormalPosition;
    RECT bounds{};
    ::GetWindowRect(Handle(), &bounds);
    return bounds;
}

int TTWMainForm::GetLeft() const
{
    return Bounds().left;
}

int TTWMainForm::GetTop() const
{
    return Bounds().top;
}

int TTWMainForm::GetWidth() const
{
    const RECT bounds = Bounds();
    return bounds.right - bounds.left;
}

int TTWMainForm::GetHeight() const
{
    const RECT bounds = Bounds();
    return bounds.bottom - bounds.top;
}

int TTWMainForm::GetWindowState() const
{
    if (::IsIconic(Handle()))
        return StateMinimized;
    return ::IsZoomed(Handle()) ? StateMaximized : StateNormal;
}

void TTWMainForm::SetLeft(int left)
{
    ::SetWindowPos(Handle(), nullptr, left, Bounds().top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TTWMainForm::SetTop(int top)
{
    ::SetWindowPos(Handle(), nullptr, Bounds().left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TTWMainForm::SetWidth(int width)
{
    // The window has a fixed size; a stored outer size cannot change it.
    static_cast<void>(width);
}

void TTWMainForm::SetHeight(int height)
{
    static_cast<void>(height);
}

void TTWMainForm::SetWindowState(int state)
{
    // Anything but the three known states shows the window normally.
    ShowState = state == StateMinimized ? SW_SHOWMINIMIZED : state == StateMaximized ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL;
    if (::IsWindowVisible(Handle()))
        ::ShowWindow(Handle(), ShowState);
}
