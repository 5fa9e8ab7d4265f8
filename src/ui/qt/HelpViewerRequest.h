#pragma once

#include "shell/Help.h"

#include <QByteArray>
#include <QRect>

// What the program asks of its help viewer process, one request per line on
// the viewer's standard input: the owner window's id (0 for none), where
// the owner has a place its frame after commas (left, top, width, height in
// the desktop's layout pixels), a tab, then the help file and topic
// ("Tintwell.chm::/Overview.htm") as UTF-8.

struct RHelpViewerRequest
{
    unsigned long long Owner = 0;
    QByteArray FileAndTopic;
    QRect OwnerFrame; // empty where unknown (Wayland)
};

// The line for request, with its newline; empty when the file and topic
// cannot travel in one line (a line break in them).
QByteArray FormatHelpViewerRequest(const RHelpViewerRequest& request);
// Reads one line (without its newline). False for anything but an owner
// id, a tab and a file and topic without line breaks.
bool ParseHelpViewerRequest(const QByteArray& line, RHelpViewerRequest& request);
