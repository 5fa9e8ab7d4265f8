#include "ui/qt/TQLAboutDlg.h"

#include "files/RFileName.h"
#include "shell/Shell.h"
#include "shell/VersionInfo.h"
#include "ui/qt/ClickFilter.h"
#include "ui/qt/QtText.h"
#include "ui/qt/Resources.h"

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

namespace
{

// A panel with the raised one-pixel bevel every panel of the box keeps.
QFrame* Panel(QWidget* parent, const char* name, QRect geometry, QPalette::ColorRole fill)
{
    auto* panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setGeometry(geometry);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(1);
    panel->setBackgroundRole(fill);
    panel->setAutoFillBackground(true);
    return panel;
}

QLabel* CentredLabel(QWidget* parent, const char* name, int top)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(9, top, 329, 13);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    return label;
}

void SetTextColour(QLabel* label, Qt::GlobalColor colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

} // namespace

TQLAboutDlg::TQLAboutDlg(QWidget* owner, const QIcon& appIcon, const RString& appName,
                         const RString& appVersion, const RString& copyright, const RString& webUrl,
                         const RString& webText, const RString& mailUrl, const RString& mailText)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint),
      FAppIcon(appIcon), FAppName(appName), FVersionText(RString("Version ") + appVersion),
      FCopyright(copyright), FWebUrl(webUrl), FWebText(webText), FMailUrl(mailUrl), FMailText(mailText)
{
    setObjectName("QLAboutDlg");
    setWindowTitle(QStringLiteral("About"));
    setFont(DialogFont()); // a window does not take its owner's font
    setFixedSize(397, 188);
    setModal(true);
    CreateControls();
}

void TQLAboutDlg::CreateControls()
{
    SidePanel = Panel(this, "SidePanel", {0, 0, 48, 188}, QPalette::Base);
    IconImage = new QLabel(SidePanel);
    IconImage->setObjectName("IconImage");
    IconImage->setGeometry(8, 7, 32, 32);
    IconImage->hide(); // until an icon is given

    Panel2 = Panel(this, "Panel2", {48, 0, 349, 188}, QPalette::Window);
    Panel4 = Panel(Panel2, "Panel4", {1, 1, 347, 150}, QPalette::Window);
    Panel3 = Panel(Panel2, "Panel3", {1, 151, 347, 36}, QPalette::Window);
    OkBtn = new QPushButton(QStringLiteral("&OK"), Panel3);
    OkBtn->setObjectName("OkBtn");
    OkBtn->setGeometry(136, 6, 75, 25);
    OkBtn->setAutoDefault(false); // neither the default nor the cancel button
    OkBtn->setDefault(false);
    connect(OkBtn, &QPushButton::clicked, this, &QDialog::accept);

    AppNameLabel = CentredLabel(Panel4, "AppNameLabel", 9);
    VersionLabel = CentredLabel(Panel4, "VersionLabel", 26);
    CopyrightLabel = CentredLabel(Panel4, "CopyrightLabel", 45);
    RightsLabel = CentredLabel(Panel4, "RightsLabel", 62);
    RightsLabel->setText(QStringLiteral("All rights reserved."));
    QLFormatToolsLabel = CentredLabel(Panel4, "QLFormatToolsLabel", 84);
    WebSupportLabel = CentredLabel(Panel4, "WebSupportLabel", 109);
    EmailSupportLabel = CentredLabel(Panel4, "EmailSupportLabel", 127);
    for (QLabel* link : {WebSupportLabel, EmailSupportLabel})
    {
        SetTextColour(link, Qt::blue);
        link->setCursor(Qt::PointingHandCursor);
    }
    OnLeftClick(WebSupportLabel, [this] { WebSupportLabelClick(); });
    OnLeftClick(EmailSupportLabel, [this] { EmailSupportLabelClick(); });
    OkBtn->setFocus();
}

void TQLAboutDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!Shown)
    {
        Shown = true;
        FormShow();
    }
}

void TQLAboutDlg::FormShow()
{
    // Centred over the owner, but whole on its screen.
    if (QWidget* owner = parentWidget())
    {
        QRect placed = frameGeometry();
        placed.moveCenter(owner->frameGeometry().center());
        const QRect screen = owner->screen()->availableGeometry();
        placed.moveLeft(std::clamp(placed.left(), screen.left(), std::max(screen.left(), screen.right() - placed.width())));
        placed.moveTop(std::clamp(placed.top(), screen.top(), std::max(screen.top(), screen.bottom() - placed.height())));
        move(placed.topLeft());
    }
    setWindowTitle(QStringLiteral("About ") + ToQString(FAppName));
    if (!FAppIcon.isNull())
    {
        IconImage->setPixmap(FAppIcon.pixmap(32, 32));
        IconImage->show();
        setWindowIcon(FAppIcon);
    }
    AppNameLabel->setText(ToQString(FAppName));
    VersionLabel->setText(ToQString(FVersionText));
    CopyrightLabel->setText(ToQString(FCopyright));
    WebSupportLabel->setText(ToQString(FWebText));
    EmailSupportLabel->setText(ToQString(FMailText));
}

void TQLAboutDlg::keyPressEvent(QKeyEvent* event)
{
    // No cancel button: Escape does not close the box.
    if (event->key() == Qt::Key_Escape)
    {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TQLAboutDlg::FollowLink(QLabel* label, const RString& url)
{
    // Red once followed, until the box closes; opened as a plain shell open.
    SetTextColour(label, Qt::red);
    ShellService::OpenDocument(url);
}

void TQLAboutDlg::WebSupportLabelClick()
{
    FollowLink(WebSupportLabel, FWebUrl);
}

void TQLAboutDlg::EmailSupportLabelClick()
{
    FollowLink(EmailSupportLabel, FMailUrl);
}

void RunAboutDialog(QWidget* owner, const QIcon& appIcon, const RString& appName, const RString& appVersion,
                    const RString& copyright, const RString& webUrl, const RString& webText,
                    const RString& mailUrl, const RString& mailText)
{
    TQLAboutDlg dialog(owner, appIcon, appName, appVersion, copyright, webUrl, webText, mailUrl, mailText);
    dialog.exec();
}

void ShowAboutBox(QWidget* owner, const RString& webUrl, const RString& webText, const RString& mailUrl,
                  const RString& mailText)
{
    const RFileName program(ToRString(QCoreApplication::applicationFilePath()));
    RString name, version, company, description, fileVersion, copyright, comments;
    ReadVersionInfo(program, name, version, company, description, fileVersion, copyright, comments);
    RunAboutDialog(owner, TintwellIcon(), name, version, copyright, webUrl, webText, mailUrl, mailText);
}
