#include "ui/qt/TQLAboutDlg.h"

#include "shell/Shell.h"
#include "shell/VersionInfo.h"
#include "ui/DesktopMonitors.h"
#include "ui/FormLayout.h"
#include "ui/WindowTexts.h"
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


namespace
{

void SetLinkColour(QLabel* label, bool followed)
{
    const QColor background = label->parentWidget()->palette().color(label->parentWidget()->backgroundRole());
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, ToQColor(AboutLinkColor(followed, FromQColor(background))));
    label->setPalette(palette);
}

RScreenArea AreaOf(const QRect& rect)
{
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

} // namespace

TQLAboutDlg::TQLAboutDlg(QWidget* owner, const QIcon& appIcon, const RString& appName,
                         const RString& appVersion, const RString& copyright, const RString& webUrl,
                         const RString& webText, const RString& mailUrl, const RString& mailText)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint),
      FAppIcon(appIcon), FAppName(appName), FVersionText(RString(WindowTexts::VersionBefore) + appVersion),
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
        SetLinkColour(link, false);
    OnLeftClick(WebSupportLabel, [this] { WebSupportLabelClick(); });
    OnLeftClick(EmailSupportLabel, [this] { EmailSupportLabelClick(); });
    OkBtn->setFocus();
}

void TQLAboutDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!TheShownOnce)
    {
        TheShownOnce = true;
        FormShow();
    }
}

void TQLAboutDlg::FormShow()
{
    // Centred over the owner, but whole on the owner's monitor.
    if (QWidget* owner = parentWidget())
    {
        const QRect frame = frameGeometry();
        const RScreenArea placed = CentredOver(AreaOf(owner->frameGeometry()), frame.width(), frame.height(),
                                               AreaOf(owner->screen()->availableGeometry()));
        move(QPoint(placed.Left, placed.Top) + (pos() - frame.topLeft()));
    }
    setWindowTitle(QString::fromUtf8(WindowTexts::AboutCaptionBefore) + ToQString(FAppName));
    if (!FAppIcon.isNull())
    {
        IconImage->setPixmap(FAppIcon.pixmap(QSize(FormPx(32), FormPx(32)), devicePixelRatioF()));
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
    SetLinkColour(label, true);
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
    ROwnVersion own;
    ReadOwnVersion(own);
    RunAboutDialog(owner, TintwellIcon(), own.ProductName, own.ProductVersion, own.Copyright, webUrl, webText, mailUrl,
                   mailText);
}
