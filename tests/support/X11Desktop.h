#pragma once

// The X server as a user meets it, through a connection of the test's own:
// real pointer movements, clicks and keys (XTEST), the server's stacking
// order and the pixels it shows. Coordinates are device pixels of the root.
#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class X11Desktop
{
public:
    X11Desktop() : Connection(xcb_connect(nullptr, nullptr))
    {
        if (xcb_connection_has_error(Connection) == 0)
            Screen = xcb_setup_roots_iterator(xcb_get_setup(Connection)).data;
    }
    ~X11Desktop() { xcb_disconnect(Connection); }
    X11Desktop(const X11Desktop&) = delete;
    X11Desktop& operator=(const X11Desktop&) = delete;

    bool IsOpen() const { return Screen != nullptr; }

    // From now on the root window's startup messages are kept, as a
    // launcher sees them.
    void WatchStartupMessages()
    {
        const std::uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
        xcb_change_window_attributes(Connection, Screen->root, XCB_CW_EVENT_MASK, &mask);
        Sync();
    }
    // The whole startup messages seen since ("remove: ID=..."), their
    // pieces joined.
    std::vector<std::string> StartupMessages()
    {
        const xcb_atom_t begin = Atom("_NET_STARTUP_INFO_BEGIN"), more = Atom("_NET_STARTUP_INFO");
        while (auto event = Reply(xcb_poll_for_event(Connection)))
        {
            if ((event->response_type & 0x7F) != XCB_CLIENT_MESSAGE)
                continue;
            const auto* message = reinterpret_cast<const xcb_client_message_event_t*>(event.get());
            if (message->type == begin)
                Pending.clear();
            else if (message->type != more)
                continue;
            const char* piece = reinterpret_cast<const char*>(message->data.data8);
            const std::size_t length = strnlen(piece, 20);
            Pending.append(piece, length);
            if (length < 20)
            {
                Startups.push_back(Pending);
                Pending.clear();
            }
        }
        return Startups;
    }
    int Width() const { return Screen->width_in_pixels; }
    int Height() const { return Screen->height_in_pixels; }

    void MoveTo(int x, int y)
    {
        xcb_test_fake_input(Connection, XCB_MOTION_NOTIFY, 0, XCB_CURRENT_TIME, Screen->root,
                            static_cast<std::int16_t>(x), static_cast<std::int16_t>(y), 0);
        Sync();
    }
    void Button(bool press, std::uint8_t button = 1)
    {
        xcb_test_fake_input(Connection, press ? XCB_BUTTON_PRESS : XCB_BUTTON_RELEASE, button, XCB_CURRENT_TIME,
                            XCB_NONE, 0, 0, 0);
        Sync();
    }
    // Presses and releases the key that types keysym (for example 0x61 'a',
    // 0xff1b Escape, 0xff51 Left).
    bool Key(std::uint32_t keysym)
    {
        const auto code = KeycodeOf(keysym);
        if (!code)
            return false;
        xcb_test_fake_input(Connection, XCB_KEY_PRESS, *code, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
        xcb_test_fake_input(Connection, XCB_KEY_RELEASE, *code, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
        Sync();
        return true;
    }

    // Presses the keys of keysyms in order, then releases them in reverse:
    // a chord such as Control, Shift and 'd'.
    bool Chord(std::initializer_list<std::uint32_t> keysyms)
    {
        std::vector<xcb_keycode_t> codes;
        for (const std::uint32_t keysym : keysyms)
        {
            const auto code = KeycodeOf(keysym);
            if (!code)
                return false;
            codes.push_back(*code);
        }
        for (const xcb_keycode_t code : codes)
            xcb_test_fake_input(Connection, XCB_KEY_PRESS, code, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
        for (auto code = codes.rbegin(); code != codes.rend(); ++code)
            xcb_test_fake_input(Connection, XCB_KEY_RELEASE, *code, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
        Sync();
        return true;
    }

    // The place of window's top-level ancestor (its frame, under a window
    // manager) among the root's mapped children, bottom first; -1 when it
    // is not on the screen.
    int StackingIndex(std::uint32_t window)
    {
        const std::uint32_t top = TopLevelOf(window);
        const auto tree = Reply(xcb_query_tree_reply(Connection, xcb_query_tree(Connection, Screen->root), nullptr));
        if (!tree)
            return -1;
        const xcb_window_t* children = xcb_query_tree_children(tree.get());
        int mapped = 0;
        for (int i = 0; i < xcb_query_tree_children_length(tree.get()); ++i)
        {
            const auto attributes = Reply(xcb_get_window_attributes_reply(
                Connection, xcb_get_window_attributes(Connection, children[i]), nullptr));
            if (!attributes || attributes->map_state != XCB_MAP_STATE_VIEWABLE)
                continue;
            if (children[i] == top)
                return mapped;
            ++mapped;
        }
        return -1;
    }

    // The window's client area on the root, in device pixels.
    struct Rect
    {
        int X, Y, Width, Height;
        bool Contains(int x, int y) const { return x >= X && y >= Y && x < X + Width && y < Y + Height; }
    };
    Rect Bounds(std::uint32_t window)
    {
        const auto geometry = Reply(xcb_get_geometry_reply(Connection, xcb_get_geometry(Connection, window), nullptr));
        const auto origin = Reply(xcb_translate_coordinates_reply(
            Connection, xcb_translate_coordinates(Connection, window, Screen->root, 0, 0), nullptr));
        if (!geometry || !origin)
            return {0, 0, 0, 0};
        return {origin->dst_x, origin->dst_y, geometry->width, geometry->height};
    }
    // The frame around window (the window itself without a manager).
    Rect FrameBounds(std::uint32_t window) { return Bounds(TopLevelOf(window)); }

    // The pixels the screen shows, 0x00RRGGBB, row by row.
    std::vector<std::uint32_t> ScreenPixels(int x, int y, int width, int height)
    {
        const auto image = Reply(xcb_get_image_reply(
            Connection,
            xcb_get_image(Connection, XCB_IMAGE_FORMAT_Z_PIXMAP, Screen->root, static_cast<std::int16_t>(x),
                          static_cast<std::int16_t>(y), static_cast<std::uint16_t>(width),
                          static_cast<std::uint16_t>(height), ~0u),
            nullptr));
        std::vector<std::uint32_t> pixels;
        if (!image || xcb_get_image_data_length(image.get()) < width * height * 4)
            return pixels;
        const auto* data = reinterpret_cast<const std::uint32_t*>(xcb_get_image_data(image.get()));
        pixels.assign(data, data + width * height);
        for (auto& pixel : pixels)
            pixel &= 0xFFFFFF;
        return pixels;
    }
    std::uint32_t ScreenPixel(int x, int y)
    {
        const auto pixels = ScreenPixels(x, y, 1, 1);
        return pixels.empty() ? 0xFFFFFFFF : pixels[0];
    }

    // Takes the keyboard focus from every window, as another program could.
    void FocusNothing()
    {
        xcb_set_input_focus(Connection, XCB_INPUT_FOCUS_NONE, XCB_NONE, XCB_CURRENT_TIME);
        Sync();
    }

    // The window that has the keyboard focus (a grab aside).
    std::uint32_t FocusWindow()
    {
        const auto focus = Reply(xcb_get_input_focus_reply(Connection, xcb_get_input_focus(Connection), nullptr));
        return focus ? focus->focus : XCB_NONE;
    }

    // A window manager says it runs by naming its check window on the root.
    bool WindowManagerRunning()
    {
        return WindowList(Screen->root, "_NET_SUPPORTING_WM_CHECK").size() == 1;
    }

    // The managed window titled title (its _NET_WM_NAME), XCB_NONE when the
    // window manager lists none.
    std::uint32_t ClientTitled(const std::string& title)
    {
        for (const std::uint32_t window : WindowList(Screen->root, "_NET_CLIENT_LIST"))
            if (TextProperty(window, "_NET_WM_NAME") == title)
                return window;
        return XCB_NONE;
    }
    // Every managed window titled title.
    std::vector<std::uint32_t> ClientsTitled(const std::string& title)
    {
        std::vector<std::uint32_t> found;
        for (const std::uint32_t window : WindowList(Screen->root, "_NET_CLIENT_LIST"))
            if (TextProperty(window, "_NET_WM_NAME") == title)
                found.push_back(window);
        return found;
    }
    // Whether a window on the screen (managed or not) covers the whole root.
    bool RootCovered()
    {
        const auto tree = Reply(xcb_query_tree_reply(Connection, xcb_query_tree(Connection, Screen->root), nullptr));
        if (!tree)
            return false;
        const xcb_window_t* children = xcb_query_tree_children(tree.get());
        for (int i = 0; i < xcb_query_tree_children_length(tree.get()); ++i)
        {
            const auto attributes = Reply(xcb_get_window_attributes_reply(
                Connection, xcb_get_window_attributes(Connection, children[i]), nullptr));
            const Rect bounds = Bounds(children[i]);
            if (attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE && bounds.Contains(0, 0) &&
                bounds.Contains(Width() - 1, Height() - 1))
                return true;
        }
        return false;
    }
    // The window that window is transient for, XCB_NONE for none.
    std::uint32_t TransientFor(std::uint32_t window)
    {
        const auto list = WindowList(window, "WM_TRANSIENT_FOR");
        return list.empty() ? XCB_NONE : list[0];
    }
    // The process that says it owns window, 0 when it does not say.
    std::uint32_t ProcessOf(std::uint32_t window)
    {
        const auto property = Property(window, "_NET_WM_PID", XCB_ATOM_CARDINAL);
        return property && xcb_get_property_value_length(property.get()) == 4
                   ? *static_cast<const std::uint32_t*>(xcb_get_property_value(property.get()))
                   : 0;
    }

private:
    template <typename T>
    static std::unique_ptr<T, decltype(&std::free)> Reply(T* reply)
    {
        return {reply, &std::free};
    }

    // A round trip: everything sent before has been carried out.
    void Sync() { std::free(xcb_get_input_focus_reply(Connection, xcb_get_input_focus(Connection), nullptr)); }

    xcb_atom_t Atom(const char* name)
    {
        const auto atom = Reply(xcb_intern_atom_reply(
            Connection, xcb_intern_atom(Connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr));
        return atom ? atom->atom : XCB_NONE;
    }
    std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> Property(std::uint32_t window, const char* name,
                                                                             xcb_atom_t type)
    {
        return Reply(xcb_get_property_reply(
            Connection, xcb_get_property(Connection, 0, window, Atom(name), type, 0, 1 << 16), nullptr));
    }
    std::vector<std::uint32_t> WindowList(std::uint32_t window, const char* name)
    {
        const auto property = Property(window, name, XCB_ATOM_WINDOW);
        if (!property || property->format != 32)
            return {};
        const auto* ids = static_cast<const std::uint32_t*>(xcb_get_property_value(property.get()));
        return {ids, ids + xcb_get_property_value_length(property.get()) / 4};
    }
    std::string TextProperty(std::uint32_t window, const char* name)
    {
        const auto property = Property(window, name, Atom("UTF8_STRING"));
        if (!property)
            return {};
        const auto* text = static_cast<const char*>(xcb_get_property_value(property.get()));
        return {text, text + xcb_get_property_value_length(property.get())};
    }

    std::uint32_t TopLevelOf(std::uint32_t window)
    {
        for (;;)
        {
            const auto tree = Reply(xcb_query_tree_reply(Connection, xcb_query_tree(Connection, window), nullptr));
            if (!tree || tree->parent == Screen->root || tree->parent == XCB_NONE)
                return window;
            window = tree->parent;
        }
    }

    std::optional<xcb_keycode_t> KeycodeOf(std::uint32_t keysym)
    {
        const xcb_setup_t* setup = xcb_get_setup(Connection);
        const auto count = static_cast<std::uint8_t>(setup->max_keycode - setup->min_keycode + 1);
        const auto mapping = Reply(xcb_get_keyboard_mapping_reply(
            Connection, xcb_get_keyboard_mapping(Connection, setup->min_keycode, count), nullptr));
        if (!mapping)
            return std::nullopt;
        const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(mapping.get());
        const int perCode = mapping->keysyms_per_keycode;
        for (int code = 0; code < count; ++code)
            if (perCode > 0 && syms[code * perCode] == keysym)
                return static_cast<xcb_keycode_t>(setup->min_keycode + code);
        return std::nullopt;
    }

    std::string Pending;
    std::vector<std::string> Startups;
    xcb_connection_t* Connection;
    const xcb_screen_t* Screen = nullptr;
};
