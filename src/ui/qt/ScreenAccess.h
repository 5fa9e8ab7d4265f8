#pragma once

#include "colour/ColorValue.h"
#include "ui/DesktopMonitors.h"

#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <QPointF>
#include <QRect>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QWidget;

// The one place that knows how the screen is sampled on the display server
// the program runs on. X11 and the like allow a copy of the whole desktop and
// tell where the pointer is, so the dropper follows the pointer over a frozen
// copy. Wayland allows neither to a client directly: there the compositor's
// own copy of each output, or the desktop portal's copy of the desktop, is
// shown one pane per output (WaylandOutputs.h), and only where neither can
// be had does the desktop's own picker, reached through the portal, take the
// pixel.
//
// Positions called "desktop" are device pixels of the whole desktop, every
// monitor, from its top left (on X11, the root window's own pixels).
enum class RSamplingMethod
{
    ScreenCopy,
    OutputCopies,
};

RSamplingMethod SamplingMethodOfThisDisplay();

// Whether the program can know where its windows are: not on Wayland, where
// only the compositor does; a placement saved elsewhere then stays.
bool WindowPlacementKnown();
// Whether a window of the program's may be owned by another program's
// window (X11): the help viewer's stays above the main window so.
bool ForeignOwnersAllowed();
// The display's name, which tells one user's sessions apart: ":0",
// "wayland-0" and the like.
std::string DisplayName();

// The token a launcher gave this start, as this display server names it:
// the X11 startup id or the Wayland activation token, read from the
// environment (x11StartupId, waylandToken) before the toolkit took them.
std::string StartupTokenOfThisStart(const std::string& x11StartupId, const std::string& waylandToken);
// Ends the startup a launcher began for a start that handed its request to
// window, and lets window take the focus by it: on X11 the startup
// sequence's "remove" message to the root window; on Wayland the token, for
// the toolkit's next activation of a window. Call before activating window.
void CompleteStartup(const QWidget& window, const std::string& token);

// A frozen copy of the whole desktop, every monitor at its own scale, one
// device pixel for each of the desktop's. The X server keeps it: the copy is
// made and shown without its pixels passing through the program, and the few
// pixels the dropper needs are read from it when needed.
class RDesktopCopy
{
public:
    // One copy of the desktop as it shows now; none where the display
    // server refuses (or has no such copies).
    static std::unique_ptr<RDesktopCopy> Take();
    ~RDesktopCopy();
    RDesktopCopy(const RDesktopCopy&) = delete;
    RDesktopCopy& operator=(const RDesktopCopy&) = delete;

    // The desktop's area that it covers.
    QRect Area() const { return TheArea; }
    // The copy's pixel at a desktop position; all bits set outside it.
    ColorValue Pixel(QPoint at) const;
    // The copy's pixels in part (desktop positions), as 32-bit ARGB: opaque
    // where the copy has them, transparent outside it. Null when the server
    // does not answer.
    QImage Pixels(const QRect& part) const;
    // The same as colour values, row by row, NoPixel outside the copy: the
    // block the loupe's picture is made from.
    std::vector<ColorValue> PixelBlock(const QRect& part) const;

    // Makes the copy what window shows wherever the program draws nothing,
    // one to one, for window's top left lying at desktop position origin:
    // the server paints it. False where window cannot take the copy's pixels
    // (a window of another depth than the desktop's).
    bool ShowIn(const QWidget& window, QPoint origin) const;
    // Takes the copy off window again, so that a hidden window keeps no
    // copy alive on the server.
    static void ShowNothingIn(const QWidget& window);

    // How far beyond the desktop, on every side, the copy is ready to be
    // shown without a second copy: a window that covers the desktop reaches
    // that far (window managers take a window exactly the desktop's size
    // for a full-screen one).
    static constexpr int Margin = 1;

private:
    // Where the pixmap's top left lies on the desktop.
    QPoint PixmapOrigin() const { return TheArea.topLeft() - QPoint(Margin, Margin); }

    RDesktopCopy(std::uint32_t pixmap, QRect area) : ThePixmap(pixmap), TheArea(area) {}
    std::uint32_t ThePixmap;
    QRect TheArea;
};

// The monitors of the desktop, with the scale of each; empty where the
// display server does not say.
std::vector<RMonitor> DesktopMonitors();

// Gives window (a top-level window, made) exactly the desktop's area, in
// device pixels, however the scales of its monitors round.
void CoverDesktop(QWidget& window, const QRect& desktop);

// Whether window on this display can be given 32-bit RGB pixels straight:
// X11 with such pixels, and a window of the desktop's depth.
bool WindowTakesRgb32Pixels(const QWidget& window);
// Puts pixels (32-bit RGB) at the device position at of window, in as many
// requests as the server's request size needs.
void PutWindowPixels(const QWidget& window, const QImage& pixels, QPoint at);
// Has the server show again what lies behind everything the program drew in
// area (device pixels of window): for a window showing a copy, the copy.
void RestoreWindowPixels(const QWidget& window, const QRect& area);

// The device pixel under a position given in logical coordinates of a window
// that starts on a device pixel boundary. Positions come from the server in
// device pixels, so scaling back and rounding recovers them exactly.
QPoint DevicePixelAt(QPointF position, qreal devicePixelRatio);

// Holds the pointer for window while it samples: on X11 an active grab that
// still reports the program's own windows to them, so that no other
// program's window (one that bypasses the window manager included) gets a
// click meant for the copy, and the sampling follows the pointer over it.
// False where it cannot be had yet (window not on the screen, or another
// program holds the pointer); true where the display server needs none.
bool HoldPointer(const QWidget& window);
void ReleasePointer();

// Where the pointer's hot spot is, exactly, on the desktop; none when the
// display server does not say (or the pointer is on another X screen).
std::optional<QPoint> PointerOnDesktop();

// Where the top left of window's client area lies on the desktop: the
// server's own figure where it gives one, since a window manager may put a
// window elsewhere than asked.
QPoint WindowOriginOnDesktop(const QWidget& window);
// Whether a native event (of type, as the toolkit names it) says that a
// window was moved or resized: the server's, or the window manager's notice
// that it moved the window's frame.
bool IsConfigureNotice(const QByteArray& type, const void* message);
// The size of window's client area in device pixels, as the server has it.
QSize WindowSizeOnDesktop(const QWidget& window);
// The window's frame, decoration included, on the desktop.
QRect WindowFrameOnDesktop(const QWidget& window);

// The desktop pixel under a position in global logical coordinates, at the
// scale of the monitor there.
QPoint DesktopPixelAt(QPointF globalPosition);

// The window's own pixel under a position in its logical coordinates, as it
// paints it on the screen; all bits set when it cannot be read.
ColorValue WindowPixel(QWidget& window, QPointF position);
