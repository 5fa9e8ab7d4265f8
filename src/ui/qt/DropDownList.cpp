#include "ui/qt/DropDownList.h"

#include "ui/FormLayout.h"

#include <QComboBox>
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
        return {QStyledItemDelegate::sizeHint(option, index).width(), ListItemHeight};
    }
};

} // namespace

void MakeDroppedListOfRows(QComboBox* list)
{
    auto* style = new ListNotMenuStyle;
    style->setParent(list); // a widget does not own the style it is given
    list->setStyle(style);
    list->setItemDelegate(new FixedHeightRows(list));
    list->setMaxVisibleItems(DroppedListRows);
}
