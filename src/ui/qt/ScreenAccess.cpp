#include "ui/qt/ScreenAccess.h"

#include "ui/qt/QtColor.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QWidget>

#include <xcb/xcb.h>

#include <cmath>
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

std::optional<QPoint> PointerOnScreen(const QScreen& screen)
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr)
        return std::nullopt;
    xcb_connection_t* connection = x11->connection();
    const xcb_screen_t* root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (root == nullptr)
        return std::nullopt;
    const std::unique_ptr<xcb_query_pointer_reply_t, decltype(&std::free)> reply(
        xcb_query_pointer_reply(connection, xcb_query_pointer(connection, root->root), nullptr), &std::free);
    if (!reply || reply->same_screen == 0)
        return std::nullopt;
    // Screens keep their device origin as their logical one; only sizes scale.
    return QPoint(reply->root_x, reply->root_y) - screen.geometry().topLeft();
}

ColorValue ImagePixel(const QImage& image, QPoint devicePixel)
{
    if (!image.valid(devicePixel))
        return 0xFFFFFFFF;
    const QRgb pixel = image.pixel(devicePixel);
    return ColorValueOf(static_cast<std::uint8_t>(qRed(pixel)), static_cast<std::uint8_t>(qGreen(pixel)),
                        static_cast<std::uint8_t>(qBlue(pixel)));
}

ColorValue WindowPixel(QWidget& window, QPointF position)
{
    // The whole window, painted as on the screen: from the same origin at the
    // same scale, so its device pixels are the ones shown. A part of it would
    // start between device pixels at a fractional scale and come out shifted.
    const QImage picture = window.grab().toImage();
    return ImagePixel(picture, DevicePixelAt(position, picture.devicePixelRatio()));
}
