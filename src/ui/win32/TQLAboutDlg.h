#pragma once

#include "text/RString.h"
#include "ui/win32/FormBuilder.h"
#include "ui/win32/RWindow.h"

#include <memory>

// The About box: product name, version and copyright, and two links, one to
// the maker's web site and one that starts a mail to its support address.
// Modal, made for each showing; it closes through its OK button only.
class TQLAboutDlg : public RWindow
{
public:
    // appVersion gets "Version " put in front of it; no icon hides the image.
    TQLAboutDlg(HWND owner, HICON appIcon, const RString& appName, const RString& appVersion,
                const RString& copyright, const RString& webUrl, const RString& webText, const RString& mailUrl,
                const RString& mailText);
    ~TQLAboutDlg() override;

    // Shows the box centred over its owner and runs it until it closes; the
    // owner takes no input meanwhile.
    void ShowModal();
    // Called once the box is on the screen, with the box, for tests that
    // drive it; nothing by default.
    static void (*WhileShown)(TQLAboutDlg& dialog);

    // The control with the layout's name, for tests.
    HWND ControlNamed(const char* name) const { return TheControls->Find(name); }
    // The colour a link label's text is drawn in.
    COLORREF LinkColour(HWND label) const;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void CreateControls(int dpi);
    // Lays the box out on a monitor of dpi, enlarged with the desktop's text,
    // and sizes it around the layout.
    void FitToDpi(int dpi);
    void FormShow();
    void WebSupportLabelClick();
    void EmailSupportLabelClick();
    void OkBtnClick();
    void FollowLink(HWND label, bool& followed, const RString& url);

    HWND Owner;
    std::unique_ptr<RFormBuilder> TheControls;
    HWND IconImage = nullptr;
    HWND AppNameLabel = nullptr, VersionLabel = nullptr, CopyrightLabel = nullptr;
    HWND WebSupportLabel = nullptr, EmailSupportLabel = nullptr;
    HWND OkBtn = nullptr;
    bool TheWebFollowed = false;
    bool TheMailFollowed = false;
    bool TheClosed = false;

    HICON FAppIcon; // borrowed
    RString FAppName;
    RString FVersionText;
    RString FCopyright;
    RString FWebUrl;
    RString FWebText;
    RString FMailUrl;
    RString FMailText;
};

// Creates the About box, runs it modally and destroys it.
void RunAboutDialog(HWND owner, HICON appIcon, const RString& appName, const RString& appVersion,
                    const RString& copyright, const RString& webUrl, const RString& webText, const RString& mailUrl,
                    const RString& mailText);

// The About box of the running program: its name, version and copyright read
// afresh from its own file, with the caller's two links.
void ShowAboutBox(HWND owner, const RString& webUrl, const RString& webText, const RString& mailUrl,
                  const RString& mailText);
