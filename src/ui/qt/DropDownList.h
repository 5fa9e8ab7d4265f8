#pragma once

class QComboBox;

// Makes list drop down as a list below itself: rows of the layout's item
// height, the layout's number of rows at a time, scrolling past them. Some
// styles would otherwise open it as a menu over the box, as tall as the
// screen, with rows of their own height.
void MakeDroppedListOfRows(QComboBox* list);
