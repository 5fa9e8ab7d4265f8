#include "ui/qt/QtHelpHost.h"

#include "ui/qt/QtText.h"
#include "ui/qt/RHelpViewer.h"

#include <QMessageBox>

QtHelpHost::QtHelpHost()
{
    SetHelpHost(this);
}

QtHelpHost::~QtHelpHost()
{
    SetHelpHost(nullptr);
}

void QtHelpHost::ShowWarning(const RString& caption, const RString& text)
{
    QMessageBox::warning(nullptr, ToQString(caption), ToQString(text), QMessageBox::Ok);
}

void QtHelpHost::DisplayTopic(void* owner, const RString& fileAndTopic, const RHtmlHelpLibrary& library)
{
    RHelpViewer::Display(static_cast<QWidget*>(owner), fileAndTopic, library);
}
