#pragma once

#include <QObject>

class QMenu;
class QPoint;
class QWidget;
class RColorClipboard;
class RColorEditor;

// The swatch's context menu: a copy of the colour in the main forms, Paste,
// every form (the user's too) under Copy As, and the recent colours again,
// each with an icon of its colour. Its entries
// are the core's (SwatchMenu.h); this only shows them and does the choice.
class RSwatchMenu : public QObject
{
public:
    RSwatchMenu(QWidget* swatch, RColorEditor& editor, const RColorClipboard& clipboard);
    // Opened from the keyboard: below the swatch.
    void ShowBelowSwatch() const;

private:
    void Show(const QPoint& at) const;
    void AddCopyAs(QMenu& menu) const;
    void AddRecentColors(QMenu& menu) const;

    QWidget* Swatch;
    RColorEditor& Editor;
    const RColorClipboard& Clipboard;
};
