#include "ui/qt/ScreenAccess.h"

#include "ui/qt/QtColor.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QSysInfo>
#include <QWidget>

#include <xcb/xcb.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <memory>

RSamplingMethod SamplingMethodOfThisDisplay()
{
    // "wayland", "wayland-egl", "wayland-brcm": every Wayland client plugin.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return RSamplingMethod::DesktopPortal;
    return RSamplingMethod::ScreenCopy;
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

// The X server's connection and its first screen with that screen's root
// window; none on other display servers.
struct RX11Root
{
    xcb_connection_t* Connection = nullptr;
    xcb_window_t Root = XCB_NONE;
    const xcb_screen_t* Screen = nullptr;
};

RX11Root X11Root()
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr)
        return {};
    const xcb_screen_t* root = xcb_setup_roots_iterator(xcb_get_setup(x11->connection())).data;
    if (root == nullptr)
        return {};
    return {x11->connection(), root->root, root};
}

template <typename T>
std::unique_ptr<T, decltype(&std::free)> Reply(T* reply)
{
    return {reply, &std::free};
}

// Whether the X server's pixels of the root window are already the toolkit's
// 32-bit RGB pixels: 24 or 32 bits of colour in 32-bit units, red, green and
// blue in the usual places, in this machine's byte order.
bool RootPixelsAreRgb32(const xcb_setup_t* setup, const xcb_screen_t* screen)
{
    const bool littleEndian = QSysInfo::ByteOrder == QSysInfo::LittleEndian;
    if ((setup->image_byte_order == XCB_IMAGE_ORDER_LSB_FIRST) != littleEndian)
        return false;
    if (screen->root_depth != 24 && screen->root_depth != 32)
        return false;
    bool thirtyTwoBitPixels = false;
    for (auto format = xcb_setup_pixmap_formats_iterator(setup); format.rem; xcb_format_next(&format))
        if (format.data->depth == screen->root_depth)
            thirtyTwoBitPixels = format.data->bits_per_pixel == 32 && format.data->scanline_pad == 32;
    if (!thirtyTwoBitPixels)
        return false;
    for (auto depth = xcb_screen_allowed_depths_iterator(screen); depth.rem; xcb_depth_next(&depth))
        for (auto visual = xcb_depth_visuals_iterator(depth.data); visual.rem; xcb_visualtype_next(&visual))
            if (visual.data->visual_id == screen->root_visual)
                return visual.data->_class == XCB_VISUAL_CLASS_TRUE_COLOR && visual.data->red_mask == 0xFF0000 &&
                       visual.data->green_mask == 0x00FF00 && visual.data->blue_mask == 0x0000FF;
    return false;
}

// The whole X screen in one request, its reply kept as the image's pixels:
// no second copy and no conversion. Nothing where the server's pixels are of
// another kind, or where the screen is not the whole X screen.
std::optional<QImage> CopyX11Screen(const QScreen& shown)
{
    const RX11Root x11 = X11Root();
    if (x11.Connection == nullptr || !RootPixelsAreRgb32(xcb_get_setup(x11.Connection), x11.Screen))
        return std::nullopt;
    const int width = x11.Screen->width_in_pixels, height = x11.Screen->height_in_pixels;
    // The screen's logical size scaled back: within a pixel of the device's.
    const QSizeF device = QSizeF(shown.geometry().size()) * shown.devicePixelRatio();
    if (!shown.geometry().topLeft().isNull() || std::abs(device.width() - width) > 1 ||
        std::abs(device.height() - height) > 1)
        return std::nullopt;
    xcb_connection_t* connection = x11.Connection;
    xcb_get_image_reply_t* reply = xcb_get_image_reply(
        connection, xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, x11.Root, 0, 0,
                                  static_cast<std::uint16_t>(width), static_cast<std::uint16_t>(height), ~0U),
        nullptr);
    if (reply == nullptr)
        return std::nullopt;
    const std::size_t pixelCount = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    if (xcb_get_image_data_length(reply) < 0 ||
        static_cast<std::size_t>(xcb_get_image_data_length(reply)) < pixelCount * 4)
    {
        std::free(reply);
        return std::nullopt;
    }
    // The byte above blue, green and red is undefined at depth 24; the
    // image's format has it opaque.
    auto* pixels = reinterpret_cast<std::uint32_t*>(xcb_get_image_data(reply));
    for (std::size_t i = 0; i < pixelCount; ++i)
        pixels[i] |= 0xFF000000U;
    return QImage(reinterpret_cast<uchar*>(pixels), width, height, static_cast<qsizetype>(width) * 4,
                  QImage::Format_RGB32, [](void* kept) { std::free(kept); }, reply);
}

} // namespace

bool DisplayTakesRgb32Pixels()
{
    const RX11Root x11 = X11Root();
    return x11.Connection != nullptr && RootPixelsAreRgb32(xcb_get_setup(x11.Connection), x11.Screen);
}

bool WindowTakesRgb32Pixels(const QWidget& window)
{
    const RX11Root x11 = X11Root();
    if (x11.Connection == nullptr || window.internalWinId() == 0)
        return false;
    const auto geometry = Reply(xcb_get_geometry_reply(
        x11.Connection, xcb_get_geometry(x11.Connection, static_cast<xcb_drawable_t>(window.internalWinId())),
        nullptr));
    return geometry && geometry->depth == x11.Screen->root_depth;
}

void PutWindowPixels(const QWidget& window, const QImage& pixels, QPoint at)
{
    const RX11Root x11 = X11Root();
    if (x11.Connection == nullptr || window.internalWinId() == 0 || pixels.format() != QImage::Format_RGB32)
        return;
    xcb_connection_t* connection = x11.Connection;
    const auto target = static_cast<xcb_drawable_t>(window.internalWinId());
    const xcb_gcontext_t context = xcb_generate_id(connection);
    xcb_create_gc(connection, context, target, 0, nullptr);
    // The request's own fields take 24 bytes; the server's limit is in
    // units of 4 bytes.
    const std::size_t limit = static_cast<std::size_t>(xcb_get_maximum_request_length(connection)) * 4 - 64;
    const auto rowBytes = static_cast<std::size_t>(pixels.bytesPerLine());
    const int rowsPerRequest = std::max(1, static_cast<int>(limit / rowBytes));
    for (int top = 0; top < pixels.height(); top += rowsPerRequest)
    {
        const int rows = std::min(rowsPerRequest, pixels.height() - top);
        xcb_put_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, target, context,
                      static_cast<std::uint16_t>(pixels.width()), static_cast<std::uint16_t>(rows),
                      static_cast<std::int16_t>(at.x()), static_cast<std::int16_t>(at.y() + top), 0,
                      x11.Screen->root_depth, static_cast<std::uint32_t>(rowBytes * static_cast<std::size_t>(rows)),
                      pixels.constScanLine(top));
    }
    xcb_free_gc(connection, context);
    xcb_flush(connection);
}

QImage CopyScreen(QScreen& screen)
{
    // With one screen it is the whole X screen, whose device size the server
    // knows exactly; with several, the toolkit finds the screen's part.
    if (QGuiApplication::screens().size() == 1)
        if (std::optional<QImage> copy = CopyX11Screen(screen))
        {
            copy->setDevicePixelRatio(screen.devicePixelRatio());
            return std::move(*copy);
        }
    return screen.grabWindow(0).toImage();
}

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
