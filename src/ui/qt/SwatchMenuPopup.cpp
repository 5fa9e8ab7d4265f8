#include "ui/qt/SwatchMenuPopup.h"

#include "settings/UserFormats.h"
#include "ui/RColorEditor.h"
#include "ui/SwatchMenu.h"
#include "ui/qt/ColorClipboard.h"
#include "ui/qt/QtColor.h"

#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QWidget>

RSwatchMenu::RSwatchMenu(QWidget* swatch, RColorEditor& editor, const RColorClipboard& clipboard)
    : QObject(swatch), Swatch(swatch), Editor(editor), Clipboard(clipboard)
{
    Swatch->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Swatch, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) { Show(at); });
}

void RSwatchMenu::ShowBelowSwatch() const
{
    Show(Swatch->rect().bottomLeft());
}

void RSwatchMenu::Show(const QPoint& at) const
{
    QMenu menu;
    menu.setObjectName("SwatchMenu");
    for (const RSwatchMenuEntry& entry : SwatchMenuEntries(Editor.Color().GetColor()))
    {
        if (entry.Text.empty())
        {
            menu.addSeparator();
            menu.addAction(QString::fromStdString(entry.Label), [this] { Clipboard.Paste(); });
        }
        else
            menu.addAction(QString::fromStdString(entry.Label), [copied = entry.Text] { RColorClipboard::CopyText(copied); });
    }
    AddCopyAs(menu);
    AddRecentColors(menu);
    menu.exec(Swatch->mapToGlobal(at));
}

void RSwatchMenu::AddCopyAs(QMenu& menu) const
{
    QMenu* copyAs = menu.addMenu(QString::fromLatin1(CopyAsMenuTitle));
    copyAs->setObjectName("CopyAsMenu");
    copyAs->setToolTipsVisible(true);
    for (const RCopyAsEntry& entry : CopyAsMenuEntries(Editor.Color().GetColor(), LoadUserFormats()))
    {
        if (entry.EditsFormats)
            copyAs->addSeparator();
        QAction* action = copyAs->addAction(QString::fromStdString(entry.Label));
        action->setEnabled(entry.Enabled);
        action->setToolTip(QString::fromStdString(entry.ToolTip));
        if (entry.EditsFormats)
            connect(action, &QAction::triggered, [] { EditUserFormats(); });
        else if (entry.Enabled)
            connect(action, &QAction::triggered, [copied = entry.Text] { RColorClipboard::CopyText(copied); });
    }
}

void RSwatchMenu::AddRecentColors(QMenu& menu) const
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
    recent->addSeparator();
    recent->addAction(QString::fromLatin1(ClearRecentColorsMenuText), [this] { Editor.RecentColors().Clear(); });
}
