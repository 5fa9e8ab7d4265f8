#pragma once

#include "shell/HtmlHelpLibrary.h"
#include "text/RString.h"

#include <QUrl>
#include <QWidget>

class QTextBrowser;
class QTreeWidget;

// True for the links a help page may hand to the desktop: http, https and
// mailto, in any case.
bool IsWebOrMailLink(const QUrl& link);

// The help window: the pages of a compiled HTML help file (.chm), read
// through the help engine's library, with the file's table of contents
// beside them. Links inside the file are followed here; web and mail links
// go to the desktop.
class RHelpViewer : public QWidget
{
    Q_OBJECT
public:
    // Opens fileAndTopic ("Tintwell.chm::/Overview.htm") in the one help
    // window, made on first use. A file named without a folder is looked for
    // beside the program, then in the installed data folder.
    static RHelpViewer* Display(QWidget* owner, const RString& fileAndTopic, const RHtmlHelpLibrary& library);

    ~RHelpViewer() override;

private:
    RHelpViewer(QWidget* owner, const RHtmlHelpLibrary& library);
    bool OpenFile(const QString& file);
    void ShowTopic(const QString& topic);
    void FillContents();
    void Follow(const QUrl& link);

    class ChmBrowser;
    friend class ChmBrowser;
    QByteArray ReadObject(const QString& path) const;

    RHtmlHelpLibrary Library;
    void* Chm = nullptr;
    QString OpenedFile;
    QTreeWidget* Contents = nullptr;
    ChmBrowser* Browser = nullptr;
};
