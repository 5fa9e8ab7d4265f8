#include "ui/qt/DropDownList.h"

#include "ui/FormLayout.h"
#include "ui/qt/Resources.h"

#include <QAbstractItemView>
#include <QProxyStyle>
#include <QStyledItemDelegate>

namespace
{

// The application's style, but a list, not a menu, drops down.
class ListNotMenuStyle : public QProxyStyle
{
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == SH_ComboBox_Popup)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

class FixedHeightRows : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return {QStyledItemDelegate::sizeHint(option, index).width(), FormPx(ListItemHeight)};
    }
};

} // namespace

RDropDownList::RDropDownList(QWidget* parent) : QComboBox(parent)
{
    setEditable(false);
    setMaxVisibleItems(DroppedListRows);
}

void RDropDownList::showPopup()
{
    if (!RowsMade)
    {
        // The style differs from the application's only in how the list
        // drops, so the closed box looks the same before and after.
        auto* style = new ListNotMenuStyle;
        style->setParent(this); // a widget does not own the style it is given
        setStyle(style);
        setItemDelegate(new FixedHeightRows(this));
        // A list made before (by a reader asking for it) took its scroll bar
        // policy from the menu style.
        view()->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        RowsMade = true;
    }
    QComboBox::showPopup();
}
