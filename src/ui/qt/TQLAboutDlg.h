#pragma once

#include "text/RString.h"

#include <QDialog>
#include <QIcon>

class QFrame;
class QLabel;
class QPushButton;

// The About box: product name, version and copyright, and two links, one to
// the maker's web site and one that starts a mail to its support address.
// Modal, made for each showing; it closes through its OK button only.
class TQLAboutDlg : public QDialog
{
    Q_OBJECT
public:
    // appVersion gets "Version " put in front of it; an empty icon hides the image.
    TQLAboutDlg(QWidget* owner, const QIcon& appIcon, const RString& appName, const RString& appVersion,
                const RString& copyright, const RString& webUrl, const RString& webText,
                const RString& mailUrl, const RString& mailText);

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CreateControls();
    void FormShow();
    void WebSupportLabelClick();
    void EmailSupportLabelClick();
    void FollowLink(QLabel* label, const RString& url);

    QFrame* SidePanel = nullptr;
    QLabel* IconImage = nullptr;
    QFrame* Panel2 = nullptr;
    QFrame* Panel3 = nullptr;
    QPushButton* OkBtn = nullptr;
    QFrame* Panel4 = nullptr;
    QLabel* AppNameLabel = nullptr;
    QLabel* VersionLabel = nullptr;
    QLabel* CopyrightLabel = nullptr;
    QLabel* RightsLabel = nullptr;
    QLabel* QLFormatToolsLabel = nullptr;
    QLabel* WebSupportLabel = nullptr;
    QLabel* EmailSupportLabel = nullptr;

    QIcon FAppIcon;
    RString FAppName;
    RString FVersionText;
    RString FCopyright;
    RString FWebUrl;
    RString FWebText;
    RString FMailUrl;
    RString FMailText;
    bool TheShownOnce = false;
};

// Creates the About box, runs it modally and destroys it.
void RunAboutDialog(QWidget* owner, const QIcon& appIcon, const RString& appName, const RString& appVersion,
                    const RString& copyright, const RString& webUrl, const RString& webText,
                    const RString& mailUrl, const RString& mailText);

// The About box of the running program: its name, version and copyright read
// afresh from its own file, with the caller's two links.
void ShowAboutBox(QWidget* owner, const RString& webUrl, const RString& webText, const RString& mailUrl,
                  const RString& mailText);
