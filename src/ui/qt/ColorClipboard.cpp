#include "ui/qt/ColorClipboard.h"

#include "colour/ColorNotation.h"
#include "colour/ColorText.h"
#include "ui/RColorEditor.h"
#include "ui/SwatchMenu.h"
#include "ui/qt/QtColor.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
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

RColorClipboard::RColorClipboard(QWidget* form, QLineEdit* hexEdit, QWidget* swatch, RColorEditor& editor)
    : QObject(form), HexEdit(hexEdit), Swatch(swatch), Editor(editor)
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
    Swatch->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Swatch, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) { ShowSwatchMenu(at); });
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

void RColorClipboard::ShowSwatchMenu(const QPoint& at) const
{
    // FIXME: the menu opens only at a right click on the swatch: Shift+F10
    // and the menu key cannot reach it from the keyboard.
    QMenu menu;
    menu.setObjectName("SwatchMenu");
    for (const RSwatchMenuEntry& entry : SwatchMenuEntries(Editor.Color().GetColor()))
    {
        const QString text = QString::fromStdString(entry.Text);
        if (text.isEmpty())
        {
            menu.addSeparator();
            menu.addAction(QString::fromStdString(entry.Label), [this] { Paste(); });
        }
        else
            menu.addAction(QString::fromStdString(entry.Label), [text] { ToClipboard(text); });
    }
    AddRecentColors(menu);
    menu.exec(Swatch->mapToGlobal(at));
}

void RColorClipboard::AddRecentColors(QMenu& menu) const
{
    QMenu* recent = menu.addMenu(QString::fromLatin1(RecentColorsMenuTitle));
    recent->setObjectName("RecentColorsMenu");
    const auto entries = RecentMenuEntries(Editor.RecentColors().Colors(), Editor.Color().GetHexFormat());
    recent->setEnabled(!entries.empty());
    // The icon's size as the style draws menu icons, so its pixels are the
    // colour's alone, never a blend of scaled ones.
    const int side = menu.style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, &menu);
    const qreal ratio = menu.devicePixelRatio();
    for (const RRecentMenuEntry& entry : entries)
    {
        QPixmap swatch(QSize(side, side) * ratio);
        swatch.setDevicePixelRatio(ratio);
        swatch.fill(Qt::black);
        {
            QPainter painter(&swatch);
            painter.fillRect(QRectF(1, 1, side - 2, side - 2), ToQColor(entry.Color));
        }
        const ColorValue color = entry.Color;
        recent->addAction(QIcon(swatch), QString::fromStdString(entry.Label),
                          [this, color] { Editor.TakeColor(color); });
    }
}
