#include "ui/qt/TQLAboutDlg.h"

#include "colour/Contrast.h"
#include "files/RFileName.h"
#include "shell/Shell.h"
#include "shell/VersionInfo.h"
#include "ui/FormLayout.h"
#include "ui/qt/ClickFilter.h"
#include "ui/qt/FormBuilder.h"
#include "ui/qt/QtColor.h"
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

// The link colour wanted, or as near to it as reads on the label's
// background: pure blue and red are too dark for a dark window.
void SetTextColour(QLabel* label, Qt::GlobalColor colour)
{
    const QColor background = label->parentWidget()->palette().color(label->parentWidget()->backgroundRole());
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, ToQColor(ReadableOn(FromQColor(colour), FromQColor(background))));
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
    setFont(DialogFont()); // a window does not take its owner's font
    setModal(true);
    CreateControls();
}

void TQLAboutDlg::CreateControls()
{
    RFormBuilder form(this, AboutDlgLayout());
    SidePanel = form.Panel("SidePanel");
    IconImage = form.Label("IconImage");
    Panel2 = form.Panel("Panel2");
    Panel4 = form.Panel("Panel4");
    Panel3 = form.Panel("Panel3");
    OkBtn = form.Button("OkBtn");
    OkBtn->setDefault(false);
    connect(OkBtn, &QPushButton::clicked, this, &QDialog::accept);

    AppNameLabel = form.Label("AppNameLabel");
    VersionLabel = form.Label("VersionLabel");
    CopyrightLabel = form.Label("CopyrightLabel");
    RightsLabel = form.Label("RightsLabel");
    QLFormatToolsLabel = form.Label("QLFormatToolsLabel");
    WebSupportLabel = form.Label("WebSupportLabel");
    EmailSupportLabel = form.Label("EmailSupportLabel");
    for (QLabel* link : {WebSupportLabel, EmailSupportLabel})
        SetTextColour(link, Qt::blue);
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
        IconImage->setPixmap(FAppIcon.pixmap(QSize(32, 32), devicePixelRatioF()));
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
