#pragma once

#include <functional>

class QWidget;

// Calls onClick when the left mouse button is released over widget, for
// widgets without a click signal of their own (labels showing a picture or
// a link).
void OnLeftClick(QWidget* widget, std::function<void()> onClick);
