#include "ui/qt/ScreenAccess.h"

#include "ui/qt/QtColor.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QWidget>

#include <xcb/xcb.h>

#include <cmath>
#include <cstdlib>
#include <memory>

RSamplingMethod SamplingMethodOfThisDisplay()
{
    // "wayland", "wayland-egl", "wayland-brcm": every Wayland client plugin.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return RSamplingMethod::DesktopPortal;
    return RSamplingMethod::ScreenCopy;
}

QImage CopyScreen(QScreen& screen)
{
    return screen.grabWindow(0).toImage();
}

QPoint DevicePixelAt(QPointF position, qreal devicePixelRatio)
{
    // A device position n arrives as n / ratio, which scaled back may fall a
    // hair below n: round, never truncate.
    return QPoint(static_cast<int>(std::floor(position.x() * devicePixelRatio + 0.5)),
                  static_cast<int>(std::floor(position.y() * devicePixelRatio + 0.5)));
}

namespace
{

// The X server's connection and its first screen's root window; none on
// other display servers.
struct RX11Root
{
    xcb_connection_t* Connection = nullptr;
    xcb_window_t Root = XCB_NONE;
};

RX11Root X11Root()
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr)
        return {};
    const xcb_screen_t* root = xcb_setup_roots_iterator(xcb_get_setup(x11->connection())).data;
    if (root == nullptr)
        return {};
    return {x11->connection(), root->root};
}

template <typename T>
std::unique_ptr<T, decltype(&std::free)> Reply(T* reply)
{
    return {reply, &std::free};
}

} // namespace

std::optional<QPoint> PointerOnScreen(const QScreen& screen)
{
    const RX11Root x11 = X11Root();
    if (x11.Connection == nullptr)
        return std::nullopt;
    const auto reply =
        Reply(xcb_query_pointer_reply(x11.Connection, xcb_query_pointer(x11.Connection, x11.Root), nullptr));
    if (!reply || reply->same_screen == 0)
        return std::nullopt;
    // Screens keep their device origin as their logical one; only sizes scale.
    return QPoint(reply->root_x, reply->root_y) - screen.geometry().topLeft();
}

QPoint WindowOriginOnScreen(const QWidget& window, const QScreen& screen)
{
    const RX11Root x11 = X11Root();
    if (x11.Connection != nullptr && window.internalWinId() != 0)
    {
        const auto reply = Reply(xcb_translate_coordinates_reply(
            x11.Connection,
            xcb_translate_coordinates(x11.Connection, static_cast<xcb_window_t>(window.internalWinId()), x11.Root, 0, 0),
            nullptr));
        if (reply)
            return QPoint(reply->dst_x, reply->dst_y) - screen.geometry().topLeft();
    }
    return ScreenPixelAt(window.mapToGlobal(QPointF(0, 0)), screen);
}

QPoint ScreenPixelAt(QPointF globalPosition, const QScreen& screen)
{
    return DevicePixelAt(globalPosition - QPointF(screen.geometry().topLeft()), screen.devicePixelRatio());
}

ColorValue ImagePixel(const QImage& image, QPoint devicePixel)
{
    return image.valid(devicePixel) ? FromQColor(QColor(image.pixel(devicePixel))) : 0xFFFFFFFF;
}

ColorValue WindowPixel(QWidget& window, QPointF position)
{
    // The whole window, painted as on the screen: from the same origin at the
    // same scale, so its device pixels are the ones shown. A part of it would
    // start between device pixels at a fractional scale and come out shifted.
    const QImage picture = window.grab().toImage();
    return ImagePixel(picture, DevicePixelAt(position, picture.devicePixelRatio()));
}
