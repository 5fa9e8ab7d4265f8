#pragma once

#include <QComboBox>

// A list that drops down as a list below itself: rows of the layout's item
// height, the layout's number of rows at a time, scrolling past them. Some
// styles would otherwise open it as a menu over the box, as tall as the
// screen, with rows of their own height.
class RDropDownList : public QComboBox
{
public:
    explicit RDropDownList(QWidget* parent);

    void showPopup() override;

private:
    // The dropped list's style and rows are set up when it first drops:
    // either makes the list's window, a good part of a box's cost at start,
    // and most starts never drop it.
    bool RowsMade = false;
};
