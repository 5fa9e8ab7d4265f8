#pragma once

#include "colour/RColor.h"

#include <QObject>

#include <functional>

class QLineEdit;
class QWidget;

// The colour out to the desktop's clipboard and in from it:
//   in the hex box, a double-click selects the whole literal and Ctrl+C with
//   nothing selected copies all of it;
//   anywhere in the window, Ctrl+Shift+C copies the literal in the current
//   notation and Ctrl+Shift+V takes a colour from the clipboard's text;
//   the swatch's context menu copies any notation or the style-sheet form,
//   and pastes.
// A pasted text that is no colour changes nothing; the desktop beeps.
class RColorClipboard : public QObject
{
public:
    // color is the colour being edited; apply makes a pasted colour current.
    RColorClipboard(QWidget* form, QLineEdit* hexEdit, QWidget* swatch, const RColor& color,
                    std::function<void(ColorValue)> apply);

    void CopyLiteral() const;
    // True when the clipboard held a colour, which is then applied.
    bool Paste() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowSwatchMenu(const QPoint& at) const;

    QLineEdit* HexEdit;
    QWidget* Swatch;
    const RColor& Color;
    std::function<void(ColorValue)> Apply;
};
