#include "ui/qt/ColorClipboard.h"

#include "colour/ColorNotation.h"
#include "colour/ColorText.h"
#include "ui/RColorEditor.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QShortcut>
#include <QWidget>

#include <algorithm>

namespace
{

void ToClipboard(const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
}

} // namespace

RColorClipboard::RColorClipboard(QWidget* form, QLineEdit* hexEdit, RColorEditor& editor)
    : QObject(form), HexEdit(hexEdit), Editor(editor)
{
    HexEdit->installEventFilter(this);
    // Not while sampling holds the keyboard: its keys take the pixel.
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), form), &QShortcut::activated, this, [this]
    {
        if (QWidget::keyboardGrabber() == nullptr)
            CopyLiteral();
    });
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V), form), &QShortcut::activated, this, [this]
    {
        if (QWidget::keyboardGrabber() == nullptr)
            Paste();
    });
}

void RColorClipboard::CopyText(const std::string& text)
{
    ToClipboard(QString::fromStdString(text));
}

void RColorClipboard::CopyLiteral() const
{
    ToClipboard(QString::fromStdString(LiteralOf(Editor.Color().GetColor(), Editor.Color().GetHexFormat())));
}

bool RColorClipboard::Paste() const
{
    ColorValue color = 0;
    if (!ParseColorText(QGuiApplication::clipboard()->text().toStdString(), color))
    {
        QApplication::beep();
        return false;
    }
    Editor.TakeColor(color);
    return true;
}

void RColorClipboard::SetColorBoxes(std::initializer_list<QLineEdit*> boxes)
{
    ColorBoxes.assign(boxes);
    for (QLineEdit* box : ColorBoxes)
        box->installEventFilter(this);
}

bool RColorClipboard::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste) &&
        std::find(ColorBoxes.begin(), ColorBoxes.end(), watched) != ColorBoxes.end())
    {
        // A literal pasted into a box was meant as the colour, not as digits
        // after the box's own; plain numbers paste into the box as ever.
        ColorValue color = 0;
        if (!ParseMarkedColorText(QGuiApplication::clipboard()->text().toStdString(), color))
            return false;
        Editor.TakeColor(color);
        return true;
    }
    if (watched != HexEdit)
        return false;
    // The literal is one word to the user, though it holds "#", "$" or "&".
    if (event->type() == QEvent::MouseButtonDblClick)
    {
        HexEdit->selectAll();
        return true;
    }
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy) &&
        !HexEdit->hasSelectedText())
    {
        ToClipboard(HexEdit->text());
        return true;
    }
    return false;
}
