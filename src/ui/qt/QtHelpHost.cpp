#include "ui/qt/QtHelpHost.h"

#include "ui/qt/QtText.h"

#include <QMessageBox>

QtHelpHost::QtHelpHost(const QString& viewerProgram) : TheViewer(viewerProgram)
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

void QtHelpHost::DisplayTopic(void* owner, const RString& fileAndTopic, const RHtmlHelpLibrary&)
{
    // The engine is loaded here only to know that help can be had; the
    // viewer loads its own, from the same file, and reads the help file there.
    TheViewer.Show(static_cast<QWidget*>(owner), fileAndTopic, HtmlHelpLibraryFile());
}
