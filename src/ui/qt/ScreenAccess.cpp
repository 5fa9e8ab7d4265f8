#include "ui/qt/ScreenAccess.h"

#include "instance/StartupNotification.h"
#include "ui/LoupePicture.h"
#include "ui/qt/QtColor.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSysInfo>
#include <QWidget>

#include <xcb/randr.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace
{

// "wayland", "wayland-egl", "wayland-brcm": every Wayland client plugin.
bool OnWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

bool OnX11()
{
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

} // namespace

RSamplingMethod SamplingMethodOfThisDisplay()
{
    if (OnWayland())
        return RSamplingMethod::OutputCopies;
    return RSamplingMethod::ScreenCopy;
}

bool WindowPlacementKnown()
{
    return !OnWayland();
}

bool ForeignOwnersAllowed()
{
    return OnX11();
}

std::string DisplayName()
{
    const char* name = OnWayland() ? std::getenv("WAYLAND_DISPLAY") : OnX11() ? std::getenv("DISPLAY") : nullptr;
    if (name != nullptr && *name != '\0')
        return name;
    // The client library's own default where the variable is unset.
    return OnWayland() ? "wayland-0" : QGuiApplication::platformName().toStdString();
}

std::string StartupTokenOfThisStart(const std::string& x11StartupId, const std::string& waylandToken)
{
    return OnWayland() ? waylandToken : OnX11() ? x11StartupId : std::string();
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
    if (qGuiApp == nullptr)
        return {};
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

// How the server lays out the desktop's pixels in an image: their size, the
// bits of each colour, and the byte order.
struct RPixelLayout
{
    int BitsPerPixel = 0, RowPad = 32;
    std::uint32_t RedMask = 0, GreenMask = 0, BlueMask = 0;
    bool MostSignificantFirst = false;

    bool IsRgb32() const
    {
        const bool littleEndian = QSysInfo::ByteOrder == QSysInfo::LittleEndian;
        return BitsPerPixel == 32 && MostSignificantFirst != littleEndian && RedMask == 0xFF0000 &&
               GreenMask == 0x00FF00 && BlueMask == 0x0000FF;
    }
    int RowBytes(int width) const { return (width * BitsPerPixel + RowPad - 1) / RowPad * RowPad / 8; }
};

RPixelLayout PixelLayoutOf(const RX11Root& x11)
{
    RPixelLayout layout;
    const xcb_setup_t* setup = xcb_get_setup(x11.Connection);
    layout.MostSignificantFirst = setup->image_byte_order == XCB_IMAGE_ORDER_MSB_FIRST;
    for (auto format = xcb_setup_pixmap_formats_iterator(setup); format.rem; xcb_format_next(&format))
        if (format.data->depth == x11.Screen->root_depth)
            layout.BitsPerPixel = format.data->bits_per_pixel, layout.RowPad = format.data->scanline_pad;
    for (auto depth = xcb_screen_allowed_depths_iterator(x11.Screen); depth.rem; xcb_depth_next(&depth))
        for (auto visual = xcb_depth_visuals_iterator(depth.data); visual.rem; xcb_visualtype_next(&visual))
            if (visual.data->visual_id == x11.Screen->root_visual)
            {
                layout.RedMask = visual.data->red_mask;
                layout.GreenMask = visual.data->green_mask;
                layout.BlueMask = visual.data->blue_mask;
            }
    return layout;
}

// One colour's bits of a raw pixel, widened or narrowed to 8 bits.
std::uint32_t Channel(std::uint32_t raw, std::uint32_t mask)
{
    if (mask == 0)
        return 0;
    int shift = 0;
    while (((mask >> shift) & 1U) == 0)
        ++shift;
    const std::uint32_t maximum = mask >> shift;
    return static_cast<std::uint32_t>((static_cast<std::uint64_t>((raw & mask) >> shift) * 255 + maximum / 2) /
                                      maximum);
}

// A row of the server's pixels as 32-bit RGB (opaque).
void ConvertRow(const RPixelLayout& layout, const std::uint8_t* from, QRgb* to, int width)
{
    if (layout.IsRgb32())
    {
        const auto* words = reinterpret_cast<const std::uint32_t*>(from);
        for (int x = 0; x < width; ++x)
            to[x] = words[x] | 0xFF000000U;
        return;
    }
    const int bytes = layout.BitsPerPixel / 8;
    for (int x = 0; x < width; ++x)
    {
        std::uint32_t raw = 0;
        for (int b = 0; b < bytes; ++b)
        {
            const std::uint32_t byte = from[x * bytes + b];
            raw |= layout.MostSignificantFirst ? byte << (8 * (bytes - 1 - b)) : byte << (8 * b);
        }
        to[x] = qRgb(static_cast<int>(Channel(raw, layout.RedMask)), static_cast<int>(Channel(raw, layout.GreenMask)),
                     static_cast<int>(Channel(raw, layout.BlueMask)));
    }
}

std::uint8_t DepthOf(const RX11Root& x11, xcb_drawable_t drawable)
{
    const auto geometry =
        Reply(xcb_get_geometry_reply(x11.Connection, xcb_get_geometry(x11.Connection, drawable), nullptr));
    return geometry ? geometry->depth : 0;
}

} // namespace

std::unique_ptr<RDesktopCopy> RDesktopCopy::Take()
{
    const RX11Root x11 = X11Root();
    if (x11.Connection == nullptr)
        return nullptr;
    const RPixelLayout layout = PixelLayoutOf(x11);
    if (layout.BitsPerPixel % 8 != 0 || layout.BitsPerPixel == 0 || layout.BitsPerPixel > 32)
        return nullptr;
    xcb_connection_t* connection = x11.Connection;
    const int width = x11.Screen->width_in_pixels, height = x11.Screen->height_in_pixels;
    // 1. A pixmap as large as the desktop and the margin, on the server.
    const xcb_pixmap_t pixmap = xcb_generate_id(connection);
    const xcb_void_cookie_t made =
        xcb_create_pixmap_checked(connection, x11.Screen->root_depth, pixmap, x11.Root,
                                  static_cast<std::uint16_t>(width + 2 * Margin),
                                  static_cast<std::uint16_t>(height + 2 * Margin));
    if (auto* error = xcb_request_check(connection, made))
    {
        std::free(error);
        return nullptr;
    }
    // 2. The desktop copied into it as it shows, every window included: one
    //    block copy, which the server carries out before anything sent later.
    const xcb_gcontext_t context = xcb_generate_id(connection);
    const std::uint32_t values[] = {XCB_SUBWINDOW_MODE_INCLUDE_INFERIORS, 0};
    xcb_create_gc(connection, context, pixmap, XCB_GC_SUBWINDOW_MODE | XCB_GC_GRAPHICS_EXPOSURES, values);
    xcb_copy_area(connection, x11.Root, pixmap, context, 0, 0, Margin, Margin, static_cast<std::uint16_t>(width),
                  static_cast<std::uint16_t>(height));
    xcb_free_gc(connection, context);
    xcb_flush(connection);
    return std::unique_ptr<RDesktopCopy>(new RDesktopCopy(pixmap, QRect(0, 0, width, height)));
}

RDesktopCopy::~RDesktopCopy()
{
    const RX11Root x11 = X11Root();
    if (x11.Connection == nullptr)
        return;
    xcb_free_pixmap(x11.Connection, ThePixmap);
    xcb_flush(x11.Connection);
}

QImage RDesktopCopy::Pixels(const QRect& part) const
{
    QImage pixels(part.size(), QImage::Format_ARGB32);
    pixels.fill(Qt::transparent);
    const QRect copied = part & TheArea;
    const RX11Root x11 = X11Root();
    if (copied.isEmpty() || x11.Connection == nullptr)
        return pixels;
    const auto image = Reply(xcb_get_image_reply(
        x11.Connection,
        xcb_get_image(x11.Connection, XCB_IMAGE_FORMAT_Z_PIXMAP, ThePixmap,
                      static_cast<std::int16_t>(copied.x() - PixmapOrigin().x()),
                      static_cast<std::int16_t>(copied.y() - PixmapOrigin().y()), static_cast<std::uint16_t>(copied.width()),
                      static_cast<std::uint16_t>(copied.height()), ~0U),
        nullptr));
    const RPixelLayout layout = PixelLayoutOf(x11);
    const int rowBytes = layout.RowBytes(copied.width());
    if (!image || xcb_get_image_data_length(image.get()) < rowBytes * copied.height())
        return {};
    const std::uint8_t* data = xcb_get_image_data(image.get());
    const QPoint offset = copied.topLeft() - part.topLeft();
    for (int row = 0; row < copied.height(); ++row)
        ConvertRow(layout, data + row * rowBytes, reinterpret_cast<QRgb*>(pixels.scanLine(offset.y() + row)) + offset.x(),
                   copied.width());
    return pixels;
}

std::vector<ColorValue> RDesktopCopy::PixelBlock(const QRect& part) const
{
    const QImage pixels = Pixels(part);
    std::vector<ColorValue> block(static_cast<std::size_t>(part.width() * part.height()), NoPixel);
    if (pixels.isNull())
        return block;
    for (int y = 0; y < part.height(); ++y)
        for (int x = 0; x < part.width(); ++x)
            if (const QRgb pixel = pixels.pixel(x, y); qAlpha(pixel) != 0)
                block[static_cast<std::size_t>(y * part.width() + x)] = FromQRgb(pixel);
    return block;
}

ColorValue RDesktopCopy::Pixel(QPoint at) const
{
    if (!TheArea.contains(at))
        return 0xFFFFFFFF;
    const QImage pixel = Pixels(QRect(at, QSize(1, 1)));
    return pixel.isNull() ? 0xFFFFFFFF : FromQRgb(pixel.pixel(0, 0));
}

bool RDesktopCopy::ShowIn(const QWidget& window, QPoint origin) const
{
    const RX11Root x11 = X11Root();
    const auto target = static_cast<xcb_window_t>(window.internalWinId());
    if (x11.Connection == nullptr || target == 0 || DepthOf(x11, target) != x11.Screen->root_depth)
        return false;
    xcb_connection_t* connection = x11.Connection;
    xcb_pixmap_t shown = ThePixmap;
    if (origin != PixmapOrigin())
    {
        // The window lies elsewhere: a copy of the copy whose top left is the
        // window's, reaching to the copy's far edges, made on the server,
        // black where the copy does not reach.
        const QSize size(std::max(1, TheArea.right() + 1 - origin.x()), std::max(1, TheArea.bottom() + 1 - origin.y()));
        shown = xcb_generate_id(connection);
        xcb_create_pixmap(connection, x11.Screen->root_depth, shown, x11.Root, static_cast<std::uint16_t>(size.width()),
                          static_cast<std::uint16_t>(size.height()));
        const xcb_gcontext_t context = xcb_generate_id(connection);
        const std::uint32_t values[] = {x11.Screen->black_pixel, 0};
        xcb_create_gc(connection, context, shown, XCB_GC_FOREGROUND | XCB_GC_GRAPHICS_EXPOSURES, values);
        const xcb_rectangle_t all{0, 0, static_cast<std::uint16_t>(size.width()),
                                  static_cast<std::uint16_t>(size.height())};
        xcb_poly_fill_rectangle(connection, shown, context, 1, &all);
        // Only the part that lies in both: a source outside the copy would
        // copy nothing at all on some servers.
        const QRect part = TheArea & QRect(origin, size);
        xcb_copy_area(connection, ThePixmap, shown, context, static_cast<std::int16_t>(part.x() - PixmapOrigin().x()),
                      static_cast<std::int16_t>(part.y() - PixmapOrigin().y()), static_cast<std::int16_t>(part.x() - origin.x()),
                      static_cast<std::int16_t>(part.y() - origin.y()), static_cast<std::uint16_t>(part.width()),
                      static_cast<std::uint16_t>(part.height()));
        xcb_free_gc(connection, context);
    }
    xcb_change_window_attributes(connection, target, XCB_CW_BACK_PIXMAP, &shown);
    // The window keeps what it shows alive on the server.
    if (shown != ThePixmap)
        xcb_free_pixmap(connection, shown);
    xcb_clear_area(connection, 1, target, 0, 0, 0, 0);
    xcb_flush(connection);
    return true;
}

void RDesktopCopy::ShowNothingIn(const QWidget& window)
{
    const RX11Root x11 = X11Root();
    const auto target = static_cast<xcb_window_t>(window.internalWinId());
    if (x11.Connection == nullptr || target == 0)
        return;
    const std::uint32_t none = XCB_BACK_PIXMAP_NONE;
    xcb_change_window_attributes(x11.Connection, target, XCB_CW_BACK_PIXMAP, &none);
    xcb_flush(x11.Connection);
}

std::vector<RMonitor> DesktopMonitors()
{
    // Each monitor's scale is its screen's; screens keep their device
    // origin as their logical one.
    const auto ratioAt = [](QPoint origin)
    {
        for (const QScreen* screen : QGuiApplication::screens())
            if (screen->geometry().topLeft() == origin)
                return screen->devicePixelRatio();
        return QGuiApplication::primaryScreen() != nullptr ? QGuiApplication::primaryScreen()->devicePixelRatio()
                                                           : 1.0;
    };
    std::vector<RMonitor> monitors;
    // The server's own areas, exact in device pixels; the toolkit's sizes are
    // logical and round at fractional scales.
    const RX11Root x11 = X11Root();
    if (x11.Connection != nullptr)
        if (const auto reply = Reply(
                xcb_randr_get_monitors_reply(x11.Connection, xcb_randr_get_monitors(x11.Connection, x11.Root, 1),
                                             nullptr)))
            for (auto it = xcb_randr_get_monitors_monitors_iterator(reply.get()); it.rem;
                 xcb_randr_monitor_info_next(&it))
                monitors.push_back({it.data->x, it.data->y, it.data->width, it.data->height,
                                    ratioAt(QPoint(it.data->x, it.data->y))});
    if (!monitors.empty())
        return monitors;
    for (const QScreen* screen : QGuiApplication::screens())
    {
        const QSize device = (QSizeF(screen->size()) * screen->devicePixelRatio()).toSize();
        monitors.push_back({screen->geometry().x(), screen->geometry().y(), device.width(), device.height(),
                            screen->devicePixelRatio()});
    }
    return monitors;
}

void CoverDesktop(QWidget& window, const QRect& desktop)
{
    // The toolkit's idea first, as near as its scale allows, then the exact
    // device area on the server.
    const qreal ratio = window.devicePixelRatioF();
    window.setGeometry(QRectF(QPointF(desktop.topLeft()), QSizeF(desktop.size()) / ratio).toRect());
    const RX11Root x11 = X11Root();
    if (x11.Connection == nullptr)
        return;
    if (window.internalWinId() == 0)
        return;
    const auto target = static_cast<xcb_window_t>(window.internalWinId());
    const std::uint32_t values[] = {static_cast<std::uint32_t>(desktop.x()), static_cast<std::uint32_t>(desktop.y()),
                                    static_cast<std::uint32_t>(desktop.width()),
                                    static_cast<std::uint32_t>(desktop.height())};
    xcb_configure_window(x11.Connection, target,
                         XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y | XCB_CONFIG_WINDOW_WIDTH |
                             XCB_CONFIG_WINDOW_HEIGHT,
                         values);
    xcb_flush(x11.Connection);
}

bool WindowTakesRgb32Pixels(const QWidget& window)
{
    const RX11Root x11 = X11Root();
    if (x11.Connection == nullptr || window.internalWinId() == 0 || !PixelLayoutOf(x11).IsRgb32())
        return false;
    return DepthOf(x11, static_cast<xcb_drawable_t>(window.internalWinId())) == x11.Screen->root_depth;
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

void RestoreWindowPixels(const QWidget& window, const QRect& area)
{
    const RX11Root x11 = X11Root();
    if (x11.Connection == nullptr || window.internalWinId() == 0 || area.isEmpty())
        return;
    xcb_clear_area(x11.Connection, 0, static_cast<xcb_window_t>(window.internalWinId()),
                   static_cast<std::int16_t>(area.x()), static_cast<std::int16_t>(area.y()),
                   static_cast<std::uint16_t>(area.width()), static_cast<std::uint16_t>(area.height()));
}

std::optional<QPoint> PointerOnDesktop()
{
    const RX11Root x11 = X11Root();
    if (x11.Connection == nullptr)
        return std::nullopt;
    const auto reply =
        Reply(xcb_query_pointer_reply(x11.Connection, xcb_query_pointer(x11.Connection, x11.Root), nullptr));
    if (!reply || reply->same_screen == 0)
        return std::nullopt;
    return QPoint(reply->root_x, reply->root_y);
}

QPoint WindowOriginOnDesktop(const QWidget& window)
{
    const RX11Root x11 = X11Root();
    if (x11.Connection != nullptr && window.internalWinId() != 0)
    {
        const auto reply = Reply(xcb_translate_coordinates_reply(
            x11.Connection,
            xcb_translate_coordinates(x11.Connection, static_cast<xcb_window_t>(window.internalWinId()), x11.Root, 0, 0),
            nullptr));
        if (reply)
            return QPoint(reply->dst_x, reply->dst_y);
    }
    return DesktopPixelAt(window.mapToGlobal(QPointF(0, 0)));
}

bool IsConfigureNotice(const QByteArray& type, const void* message)
{
    if (message == nullptr || type != QByteArrayLiteral("xcb_generic_event_t"))
        return false;
    // The high bit marks a notice another client sent: the window manager's.
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    return (event->response_type & 0x7F) == XCB_CONFIGURE_NOTIFY;
}

QSize WindowSizeOnDesktop(const QWidget& window)
{
    const RX11Root x11 = X11Root();
    if (x11.Connection != nullptr && window.internalWinId() != 0)
        if (const auto geometry = Reply(xcb_get_geometry_reply(
                x11.Connection, xcb_get_geometry(x11.Connection, static_cast<xcb_drawable_t>(window.internalWinId())),
                nullptr)))
            return QSize(geometry->width, geometry->height);
    return (QSizeF(window.size()) * window.devicePixelRatioF()).toSize();
}

QRect WindowFrameOnDesktop(const QWidget& window)
{
    const qreal ratio = window.devicePixelRatioF();
    const QRect frame = window.frameGeometry(), client = window.geometry();
    const QPoint origin = WindowOriginOnDesktop(window);
    const QPoint frameOrigin = origin - (QPointF(client.topLeft() - frame.topLeft()) * ratio).toPoint();
    return QRect(frameOrigin, (QSizeF(frame.size()) * ratio).toSize());
}

QPoint DesktopPixelAt(QPointF globalPosition)
{
    const QScreen* screen = QGuiApplication::screenAt(globalPosition.toPoint());
    if (screen == nullptr)
        screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return globalPosition.toPoint();
    const QPointF origin = screen->geometry().topLeft();
    return origin.toPoint() + DevicePixelAt(globalPosition - origin, screen->devicePixelRatio());
}

ColorValue WindowPixel(QWidget& window, QPointF position)
{
    // The whole window, painted as on the screen: from the same origin at the
    // same scale, so its device pixels are the ones shown. A part of it would
    // start between device pixels at a fractional scale and come out shifted.
    const QImage picture = window.grab().toImage();
    const QPoint at = DevicePixelAt(position, picture.devicePixelRatio());
    return picture.valid(at) ? FromQRgb(picture.pixel(at)) : 0xFFFFFFFF;
}

void CompleteStartup(const QWidget& window, const std::string& token)
{
    if (token.empty())
        return;
    if (OnWayland())
    {
        qputenv("XDG_ACTIVATION_TOKEN", QByteArray::fromStdString(token));
        return;
    }
    const RX11Root x11 = X11Root();
    if (x11.Connection == nullptr)
        return;
    const auto atom = [&x11](const char* name)
    {
        const auto reply = Reply(xcb_intern_atom_reply(
            x11.Connection, xcb_intern_atom(x11.Connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name),
            nullptr));
        return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
    };
    const xcb_atom_t begin = atom("_NET_STARTUP_INFO_BEGIN"), more = atom("_NET_STARTUP_INFO");
    bool first = true;
    for (const RStartupInfoPiece& piece : StartupRemovePieces(token))
    {
        xcb_client_message_event_t message{};
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = 8;
        message.window = static_cast<xcb_window_t>(window.winId());
        message.type = std::exchange(first, false) ? begin : more;
        std::memcpy(message.data.data8, piece.data(), piece.size());
        xcb_send_event(x11.Connection, 0, x11.Root, XCB_EVENT_MASK_PROPERTY_CHANGE,
                       reinterpret_cast<const char*>(&message));
    }
    xcb_flush(x11.Connection);
}

bool HoldPointer(const QWidget& window)
{
    const RX11Root x11 = X11Root();
    if (x11.Connection == nullptr)
        return true;
    constexpr std::uint16_t events = XCB_EVENT_MASK_BUTTON_PRESS | XCB_EVENT_MASK_BUTTON_RELEASE |
                                     XCB_EVENT_MASK_POINTER_MOTION | XCB_EVENT_MASK_ENTER_WINDOW |
                                     XCB_EVENT_MASK_LEAVE_WINDOW;
    // Owner events: over the program's own windows (the main window stays
    // usable) their events go to them as ever; over anything else, to window.
    const auto reply = Reply(xcb_grab_pointer_reply(
        x11.Connection,
        xcb_grab_pointer(x11.Connection, 1, static_cast<xcb_window_t>(window.winId()), events, XCB_GRAB_MODE_ASYNC,
                         XCB_GRAB_MODE_ASYNC, XCB_NONE, XCB_NONE, XCB_CURRENT_TIME),
        nullptr));
    return reply && reply->status == XCB_GRAB_STATUS_SUCCESS;
}

void ReleasePointer()
{
    const RX11Root x11 = X11Root();
    if (x11.Connection == nullptr)
        return;
    xcb_ungrab_pointer(x11.Connection, XCB_CURRENT_TIME);
    xcb_flush(x11.Connection);
}
