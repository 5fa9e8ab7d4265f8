#pragma once

#include <QByteArray>

#include <functional>

// Calls onLine on the event loop for each line that arrives on standard
// input (without its line break), and onEnd once when input ends. Lines
// longer than maxLine are dropped whole. Call once, after the application
// object exists.
void WatchStandardInputLines(std::function<void(const QByteArray& line)> onLine, std::function<void()> onEnd,
                             qsizetype maxLine = 64 * 1024);
