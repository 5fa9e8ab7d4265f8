#pragma once

#include "shell/ChmFile.h"
#include "text/RString.h"

#include <QUrl>
#include <QWidget>

class QTextBrowser;
class QWindow;
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
    // window, made on first use and kept above owner (if any). A file named
    // without a folder is looked for beside the program, then in the
    // installed data folder.
    // Opened anew, it goes beside ownerFrame (the owner's frame on the
    // desktop) where it is known.
    static RHelpViewer* Display(QWindow* owner, const RString& fileAndTopic, const RHtmlHelpLibrary& library,
                                const QRect& ownerFrame = {});

private:
    explicit RHelpViewer(const RHtmlHelpLibrary& library);
    bool OpenFile(const QString& file);
    void ShowTopic(const QString& topic);
    void FillContents();
    // Widens the contents pane until every title shows whole.
    void ShowWholeTitles();
    // Within the available area of the screen it is on, frame included, at
    // any scale: a smaller window whose page wraps its text, rather than
    // one whose edge lies off the screen.
    void KeepOnScreen();

protected:
    void moveEvent(QMoveEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Follow(const QUrl& link);

    class ChmBrowser;
    friend class ChmBrowser;
    QByteArray ReadObject(const QString& path) const;

    RChmFile Chm;
    // Where the owner lies while the window is still to be placed beside it.
    QRect OwnerFrame;
    QTreeWidget* Contents = nullptr;
    ChmBrowser* Browser = nullptr;
};
