// Drives the windows of a running program on an X display without a window
// manager, as a user's keyboard and a window manager's close box would, for the
// tests that start the built program:
//
//     drive_program PID STEP...
//
//     next    waits until a window of the program other than the one driven so
//             far is shown and has the keyboard focus, and drives that one
//     close   asks the window to close, as the close box of its frame does
//     ended   waits until the program has ended
//     Tab, space, Return, F8
//             presses and releases that key in the window
//
// Exits with 0 once every step is taken; with 1, saying why, when the program
// ended first, or when a step still waits after half a minute (a guard
// against hanging, not a measure of speed).

#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <thread>

namespace {

template<class T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

template<class T>
Reply<T> reply(T* raw)
{
    return Reply<T>(raw, &std::free);
}

class Display {
public:
    Display()
        : m_connection(xcb_connect(nullptr, nullptr))
    {
        if (xcb_connection_has_error(m_connection))
            fail("no X display to drive");
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
        m_pid_atom = atom("_NET_WM_PID");
        m_protocols = atom("WM_PROTOCOLS");
        m_delete_window = atom("WM_DELETE_WINDOW");
    }
    ~Display() { xcb_disconnect(m_connection); }

    [[noreturn]] static void fail(std::string const& why)
    {
        std::fprintf(stderr, "drive_program: %s\n", why.c_str());
        std::exit(1);
    }

    // A shown top-level window of the process that holds the keyboard focus.
    std::optional<xcb_window_t> focused_window_of(std::uint32_t pid)
    {
        auto focus = reply(xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr));
        if (!focus || focus->focus == XCB_NONE || focus->focus == XCB_INPUT_FOCUS_POINTER_ROOT)
            return std::nullopt;
        xcb_window_t const window = focus->focus;
        auto attributes = reply(
            xcb_get_window_attributes_reply(m_connection, xcb_get_window_attributes(m_connection, window), nullptr));
        if (!attributes || attributes->map_state != XCB_MAP_STATE_VIEWABLE || pid_of(window) != pid)
            return std::nullopt;
        return window;
    }

    void key(xcb_window_t window, xcb_keycode_t code)
    {
        for (std::uint8_t type : { XCB_KEY_PRESS, XCB_KEY_RELEASE }) {
            xcb_key_press_event_t event {};
            event.response_type = type;
            event.detail = code;
            event.time = XCB_CURRENT_TIME;
            event.root = m_root;
            event.event = window;
            event.child = XCB_NONE;
            event.same_screen = 1;
            xcb_send_event(m_connection, 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<char const*>(&event));
        }
        sync();
    }

    void close(xcb_window_t window)
    {
        xcb_client_message_event_t event {};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 32;
        event.window = window;
        event.type = m_protocols;
        event.data.data32[0] = m_delete_window;
        event.data.data32[1] = XCB_CURRENT_TIME;
        xcb_send_event(m_connection, 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<char const*>(&event));
        sync();
    }

    // The key that types the key symbol, in the display's own keyboard map.
    xcb_keycode_t keycode_of(xcb_keysym_t symbol)
    {
        xcb_setup_t const* setup = xcb_get_setup(m_connection);
        int const count = setup->max_keycode - setup->min_keycode + 1;
        auto map = reply(xcb_get_keyboard_mapping_reply(m_connection,
            xcb_get_keyboard_mapping(m_connection, setup->min_keycode, static_cast<std::uint8_t>(count)), nullptr));
        if (!map)
            fail("no keyboard map");
        xcb_keysym_t const* symbols = xcb_get_keyboard_mapping_keysyms(map.get());
        for (int i = 0; i < count * map->keysyms_per_keycode; ++i) {
            if (symbols[i] == symbol)
                return static_cast<xcb_keycode_t>(setup->min_keycode + i / map->keysyms_per_keycode);
        }
        fail("no key types the symbol " + std::to_string(symbol));
    }

private:
    // Waits until the server has taken every request so far.
    void sync() { std::free(xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr)); }

    xcb_atom_t atom(char const* name)
    {
        auto answer = reply(xcb_intern_atom_reply(m_connection,
            xcb_intern_atom(m_connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr));
        return answer ? answer->atom : XCB_NONE;
    }

    std::uint32_t pid_of(xcb_window_t window)
    {
        auto property = reply(xcb_get_property_reply(
            m_connection, xcb_get_property(m_connection, 0, window, m_pid_atom, XCB_ATOM_CARDINAL, 0, 1), nullptr));
        if (!property || xcb_get_property_value_length(property.get()) != 4)
            return 0;
        return *static_cast<std::uint32_t const*>(xcb_get_property_value(property.get()));
    }

    xcb_connection_t* m_connection;
    xcb_window_t m_root;
    xcb_atom_t m_pid_atom;
    xcb_atom_t m_protocols;
    xcb_atom_t m_delete_window;
};

// Still running: a program that has ended stays a zombie until the shell that
// started it waits for it, and a zombie has no windows to wait for.
bool running(std::uint32_t pid)
{
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    if (!std::getline(stat, line))
        return false;
    std::size_t const end_of_name = line.rfind(')');
    return end_of_name != std::string::npos && end_of_name + 2 < line.size() && line[end_of_name + 2] != 'Z';
}

std::optional<xcb_keysym_t> symbol_of(std::string const& name)
{
    if (name == "Tab")
        return 0xff09;
    if (name == "space")
        return 0x0020;
    if (name == "Return")
        return 0xff0d;
    if (name == "F8")
        return 0xffc5;
    return std::nullopt;
}

}

int main(int argc, char** argv)
{
    if (argc < 2)
        Display::fail("usage: drive_program PID STEP...");
    std::uint32_t const pid = static_cast<std::uint32_t>(std::strtoul(argv[1], nullptr, 10));
    Display display;
    std::optional<xcb_window_t> driven;
    for (int i = 2; i < argc; ++i) {
        std::string const step = argv[i];
        auto const give_up = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        auto wait_a_little = [&](char const* for_what) {
            if (std::chrono::steady_clock::now() > give_up)
                Display::fail(std::string(for_what) + " at step " + std::to_string(i - 1));
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        };
        if (step == "next") {
            std::optional<xcb_window_t> found;
            while (!(found = display.focused_window_of(pid)) || found == driven) {
                if (!running(pid))
                    Display::fail("the program ended before step " + std::to_string(i - 1) + " (next)");
                wait_a_little("no new window of the program took the focus");
            }
            driven = found;
        } else if (step == "ended") {
            while (running(pid))
                wait_a_little("the program did not end");
        } else if (!driven) {
            Display::fail("no window to drive: the steps start with next");
        } else if (step == "close") {
            display.close(*driven);
        } else if (auto const symbol = symbol_of(step)) {
            display.key(*driven, display.keycode_of(*symbol));
        } else {
            Display::fail("unknown step " + step);
        }
    }
    return 0;
}
