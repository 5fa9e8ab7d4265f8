#pragma once

#include "colour/RColor.h"

#include <QObject>

#include <initializer_list>
#include <string>
#include <vector>

class RColorEditor;

class QLineEdit;
class QWidget;

// The colour out to the desktop's clipboard and in from it:
//   in the hex box, a double-click selects the whole literal and Ctrl+C with
//   nothing selected copies all of it;
//   anywhere in the window, Ctrl+Shift+C copies the literal in the current
//   notation and Ctrl+Shift+V takes a colour from the clipboard's text.
// A pasted text that is no colour changes nothing; the desktop beeps. A
// pasted colour and a recent one chosen are taken, so they lead the recent
// colours.
class RColorClipboard : public QObject
{
public:
    RColorClipboard(QWidget* form, QLineEdit* hexEdit, RColorEditor& editor);

    // The RGB and HSL boxes: Ctrl+V there of a text that is a colour takes
    // the colour, as Ctrl+Shift+V does; other text goes into the box.
    void SetColorBoxes(std::initializer_list<QLineEdit*> boxes);

    void CopyLiteral() const;
    // Puts text on the desktop's clipboard.
    static void CopyText(const std::string& text);
    // True when the clipboard held a colour, which is then applied.
    bool Paste() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* HexEdit;
    std::vector<QLineEdit*> ColorBoxes;
    RColorEditor& Editor;
};
