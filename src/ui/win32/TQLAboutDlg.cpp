#include "ui/win32/TQLAboutDlg.h"

#include "shell/Shell.h"
#include "shell/VersionInfo.h"
#include "ui/FormLayout.h"
#include "ui/WindowTexts.h"
#include "ui/win32/Dpi.h"
#include "ui/win32/MessageLoop.h"
#include "ui/win32/Resources.h"
#include "ui/win32/ScreenAccess.h"
#include "ui/win32/WindowText.h"


namespace
{

constexpr const char* AboutClass = "TQLAboutDlg";
// A fixed dialog border, a caption, no buttons on it and no system menu.
constexpr DWORD AboutStyle = WS_POPUP | WS_CAPTION | WS_CLIPCHILDREN;
constexpr DWORD AboutExtendedStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

} // namespace

void (*TQLAboutDlg::WhileShown)(TQLAboutDlg& dialog) = nullptr;

TQLAboutDlg::TQLAboutDlg(HWND owner, HICON appIcon, const RString& appName, const RString& appVersion,
                         const RString& copyright, const RString& webUrl, const RString& webText,
                         const RString& mailUrl, const RString& mailText)
    : Owner(owner), FAppIcon(appIcon), FAppName(appName), FVersionText(RString(WindowTexts::VersionBefore) + appVersion),
      FCopyright(copyright), FWebUrl(webUrl), FWebText(webText), FMailUrl(mailUrl), FMailText(mailText)
{
    const RFormLayout& layout = AboutDlgLayout();
    RegisterClassOnce(AboutClass);
    CreateHandle(AboutClass, layout.Caption, AboutStyle, AboutExtendedStyle, 0, 0, layout.ClientWidth,
                 layout.ClientHeight, owner);
    // At the owner's density, over which it is shown.
    const int dpi = owner != nullptr ? WindowDpi(owner) : WindowDpi(Handle());
    CreateControls(LayoutDpiAt(dpi));
    FitToDpi(dpi);
    RegisterDialogWindow(Handle());
}

TQLAboutDlg::~TQLAboutDlg()
{
    UnregisterDialogWindow(Handle());
    TheControls.reset();
}

void TQLAboutDlg::FitToDpi(int dpi)
{
    if (const int layoutDpi = LayoutDpiAt(dpi); layoutDpi != TheControls->Dpi())
        TheControls->Rescale(layoutDpi);
    const RFormLayout& layout = AboutDlgLayout();
    RECT placed{};
    ::GetWindowRect(Handle(), &placed);
    FitClientArea(Handle(), TheControls->Px(layout.ClientWidth), TheControls->Px(layout.ClientHeight), AboutStyle,
                  AboutExtendedStyle, dpi, placed.left, placed.top);
}

void TQLAboutDlg::CreateControls(int dpi)
{
    TheControls = std::make_unique<RFormBuilder>(Handle(), AboutDlgLayout(), dpi);
    RFormBuilder& form = *TheControls;
    form.Panel("SidePanel");
    IconImage = form.Icon("IconImage", nullptr);
    form.Panel("Panel2");
    form.Panel("Panel4");
    form.Panel("Panel3");
    OkBtn = form.Button("OkBtn");
    AppNameLabel = form.Label("AppNameLabel");
    VersionLabel = form.Label("VersionLabel");
    CopyrightLabel = form.Label("CopyrightLabel");
    form.Label("RightsLabel");
    form.Label("QLFormatToolsLabel");
    WebSupportLabel = form.Label("WebSupportLabel");
    EmailSupportLabel = form.Label("EmailSupportLabel");
    form.SetTabOrder();
}

void TQLAboutDlg::ShowModal()
{
    // Centred over the owner, but whole on the owner's monitor.
    RECT box{}, owner{};
    ::GetWindowRect(Handle(), &box);
    const RScreenArea work = WorkAreaOf(Owner).Area();
    RScreenArea over = work;
    if (Owner != nullptr && ::GetWindowRect(Owner, &owner))
        over = {owner.left, owner.top, owner.right - owner.left, owner.bottom - owner.top};
    const RScreenArea placed = CentredOver(over, box.right - box.left, box.bottom - box.top, work);
    ::SetWindowPos(Handle(), nullptr, placed.Left, placed.Top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

    FormShow();
    if (Owner != nullptr)
        ::EnableWindow(Owner, FALSE);
    ::ShowWindow(Handle(), SW_SHOW);
    ::SetFocus(OkBtn);
    if (WhileShown != nullptr)
        WhileShown(*this);
    RunModalLoop(TheClosed);
    // The owner takes input again before the box goes, so that it becomes
    // the active window once more.
    if (Owner != nullptr)
        ::EnableWindow(Owner, TRUE);
    ::ShowWindow(Handle(), SW_HIDE);
}

void TQLAboutDlg::FormShow()
{
    SetWindowUtf8Text(Handle(), (RString(WindowTexts::AboutCaptionBefore) + FAppName).Text());
    if (FAppIcon != nullptr)
    {
        TheControls->SetIcon("IconImage", FAppIcon);
        ::ShowWindow(IconImage, SW_SHOW);
        ::SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(FAppIcon));
    }
    SetWindowUtf8Text(AppNameLabel, FAppName.Text());
    SetWindowUtf8Text(VersionLabel, FVersionText.Text());
    SetWindowUtf8Text(CopyrightLabel, FCopyright.Text());
    SetWindowUtf8Text(WebSupportLabel, FWebText.Text());
    SetWindowUtf8Text(EmailSupportLabel, FMailText.Text());
}

COLORREF TQLAboutDlg::LinkColour(HWND label) const
{
    const COLORREF background = ::GetSysColor(COLOR_BTNFACE);
    if (label == WebSupportLabel)
        return AboutLinkColor(TheWebFollowed, background);
    if (label == EmailSupportLabel)
        return AboutLinkColor(TheMailFollowed, background);
    return ::GetSysColor(COLOR_WINDOWTEXT);
}

LRESULT TQLAboutDlg::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_COMMAND:
    {
        const HWND control = reinterpret_cast<HWND>(lParam);
        // No cancel button: Escape, which the navigation turns into IDCANCEL, does nothing.
        if (control == OkBtn && HIWORD(wParam) == BN_CLICKED)
            OkBtnClick();
        else if (control == WebSupportLabel && HIWORD(wParam) == STN_CLICKED)
            WebSupportLabelClick();
        else if (control == EmailSupportLabel && HIWORD(wParam) == STN_CLICKED)
            EmailSupportLabelClick();
        return 0;
    }
    case WM_CTLCOLORSTATIC:
    {
        const HWND label = reinterpret_cast<HWND>(lParam);
        if (label != WebSupportLabel && label != EmailSupportLabel)
            break;
        HDC dc = reinterpret_cast<HDC>(wParam);
        ::SetTextColor(dc, LinkColour(label));
        ::SetBkColor(dc, ::GetSysColor(COLOR_BTNFACE));
        return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_DPICHANGED:
    {
        const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
        FitToDpi(HIWORD(wParam));
        ::SetWindowPos(Handle(), nullptr, suggested->left, suggested->top, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    case WM_SETCURSOR:
        if (TheControls && TheControls->ShowHandOver(reinterpret_cast<HWND>(wParam)))
            return TRUE;
        break;
    case WM_CLOSE:
        OkBtnClick();
        return 0;
    default:
        break;
    }
    return Default(message, wParam, lParam);
}

void TQLAboutDlg::FollowLink(HWND label, bool& followed, const RString& url)
{
    // Red once followed, until the box closes; opened as a plain shell open.
    followed = true;
    ::InvalidateRect(label, nullptr, TRUE);
    ShellService::OpenDocument(url);
}

void TQLAboutDlg::WebSupportLabelClick()
{
    FollowLink(WebSupportLabel, TheWebFollowed, FWebUrl);
}

void TQLAboutDlg::EmailSupportLabelClick()
{
    FollowLink(EmailSupportLabel, TheMailFollowed, FMailUrl);
}

void TQLAboutDlg::OkBtnClick()
{
    TheClosed = true;
}

void RunAboutDialog(HWND owner, HICON appIcon, const RString& appName, const RString& appVersion,
                    const RString& copyright, const RString& webUrl, const RString& webText, const RString& mailUrl,
                    const RString& mailText)
{
    TQLAboutDlg dialog(owner, appIcon, appName, appVersion, copyright, webUrl, webText, mailUrl, mailText);
    dialog.ShowModal();
}

void ShowAboutBox(HWND owner, const RString& webUrl, const RString& webText, const RString& mailUrl,
                  const RString& mailText)
{
    ROwnVersion own;
    ReadOwnVersion(own);
    RunAboutDialog(owner, TintwellIcon(32), own.ProductName, own.ProductVersion, own.Copyright, webUrl, webText,
                   mailUrl, mailText);
}
