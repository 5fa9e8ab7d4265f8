#pragma once

class QAbstractButton;
class QWidget;

// Escape in form presses button, unless a control took the key first: a
// dropped-down list closes itself with it, and only that happens.
void PressOnEscape(QWidget* form, QAbstractButton* button);
