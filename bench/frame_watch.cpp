// Watches the real program on an X display (run it through run_frame_watch.sh,
// on Xvfb): a plain X client that types at the program through XTest and reads
// regions of the screen back in a tight loop, a capture every 0.3 ms or so,
// keeping every distinct capture with its time. It measures two faults.
//
// Frames the program never had, in the captures around a key (on one running
// program):
//   1. F3 from a table at rest: the pile is not the whole stair;
//   2. the draw of that card: place 0 shows the card's face under its marker;
//      F2 once the card is face up: the pile is not the whole stair once the
//      table has begun to clear; place 0 shows the card's face and its marker
//      at once; the button still reads "Тянуть карту" once the table has begun
//      to clear;
//   3. F2 right after that F3: around the reset at the end of the pile's half
//      pass, the pile is not the whole stair, or the bare table shows where
//      the stair has a back; told apart by where the half pass ends, far
//      right or at home.
// Keys typed ahead, two steps sent in one burst (the program started afresh
// for each try):
//   4. F7 then F3 with nine cards dealt and the interpretation closed again,
//      and a click on the button "Интерпретация" then F3: a new deal starts
//      behind the interpretation window;
//   5. F1 then Space while a draw is awaited: a card is drawn behind the help
//      window;
//   6. the same pairs with 20 and 100 ms between the two steps.
// And C: place 0's tool tip showing, F2 with the pointer still there and a
// move within the place: a second later, a tip still shows.
//
// Usage: frame_watch PROGRAM FRAME_TRIES KEY_TRIES WM_LABEL
// One row per check goes to standard output: check, WM_LABEL, tries, tries
// with a bad frame or the wrong outcome, bad frames, those seen by one capture
// only, and the longest run of bad frames in ms; then a line on the capture
// rate. Each try is told on standard error. Nothing here fails on a figure.

#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <csignal>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double ms_between(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double, std::milli>(to - from).count();
}

void sleep_ms(double ms) { std::this_thread::sleep_for(std::chrono::duration<double, std::milli>(ms)); }

// A wait that did not end: the try is left out and the program started again.
struct Stuck : std::runtime_error {
    using std::runtime_error::runtime_error;
};

void must(bool ok, char const* what)
{
    if (!ok)
        throw Stuck(what);
}

// The keys the program answers; X key symbols.
constexpr std::uint32_t key_f1 = 0xffbe, key_f2 = 0xffbf, key_f3 = 0xffc0, key_f7 = 0xffc4, key_space = 0x20,
                        key_return = 0xff0d;

// The main window's background, where no control lies.
constexpr std::uint32_t window_color = 0x404888;
// A place's marker is a ring of this colour.
constexpr std::uint32_t marker_color = 0x00ffff;

struct Rect {
    int x, y, width, height;
};

// Rectangles of the main window's client area, in pixels (the window's
// definition gives twips, 15 to a pixel).
// The pile at rest: five groups of backs, each 2 px left of and below the one
// before, from (270, 16) to (349, 120), with a margin of the background.
constexpr Rect pile_area { 266, 12, 88, 112 };
// While the pile moves right, the moving back enters the area no further left
// than 317 px: left of that, only a group leaving whole changes the stair.
constexpr int pile_still_columns = 316 - pile_area.x;
constexpr Rect place0_area { 40, 136, 71, 96 };
// Place 0's marker, within place0_area.
constexpr Rect marker_in_place { 11, 12, 49, 73 };
constexpr Rect button_area { 128, 24, 89, 81 };

struct Image {
    int width { 0 }, height { 0 };
    std::vector<std::uint32_t> pixels; // 0xRRGGBB
    std::uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
    bool operator==(Image const&) const = default;
};

template<typename T>
std::unique_ptr<T, decltype(&std::free)> owned(T* reply)
{
    return { reply, &std::free };
}

// The connection to the display, and the few requests the tool makes.
class Display {
public:
    Display()
    {
        m_conn = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(m_conn))
            throw std::runtime_error("cannot open the display");
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_conn)).data->root;
        m_net_wm_name = atom("_NET_WM_NAME");
        m_utf8 = atom("UTF8_STRING");
        auto const* setup = xcb_get_setup(m_conn);
        m_min_keycode = setup->min_keycode;
        auto map = owned(xcb_get_keyboard_mapping_reply(
            m_conn, xcb_get_keyboard_mapping(m_conn, m_min_keycode, setup->max_keycode - m_min_keycode + 1), nullptr));
        m_per_keycode = map->keysyms_per_keycode;
        auto const* syms = xcb_get_keyboard_mapping_keysyms(map.get());
        m_keysyms.assign(syms, syms + xcb_get_keyboard_mapping_keysyms_length(map.get()));
    }
    ~Display() { xcb_disconnect(m_conn); }
    Display(Display const&) = delete;
    Display& operator=(Display const&) = delete;

    // Captures each rectangle (screen coordinates): all requests go out before
    // the first answer is read.
    std::vector<Image> grab(std::vector<Rect> const& rects)
    {
        std::vector<xcb_get_image_cookie_t> cookies;
        for (Rect const& r : rects)
            cookies.push_back(xcb_get_image(m_conn, XCB_IMAGE_FORMAT_Z_PIXMAP, m_root, static_cast<std::int16_t>(r.x),
                static_cast<std::int16_t>(r.y), static_cast<std::uint16_t>(r.width),
                static_cast<std::uint16_t>(r.height), ~0u));
        std::vector<Image> images;
        for (std::size_t i = 0; i < rects.size(); ++i) {
            auto reply = owned(xcb_get_image_reply(m_conn, cookies[i], nullptr));
            Image image { rects[i].width, rects[i].height, {} };
            image.pixels.resize(static_cast<std::size_t>(image.width * image.height));
            if (!reply || xcb_get_image_data_length(reply.get()) != static_cast<int>(image.pixels.size() * 4))
                throw std::runtime_error("the screen is not 24 bits deep in 32-bit pixels");
            auto const* data = xcb_get_image_data(reply.get());
            for (std::size_t p = 0; p < image.pixels.size(); ++p)
                image.pixels[p]
                    = (std::uint32_t(data[4 * p + 2]) << 16) | (std::uint32_t(data[4 * p + 1]) << 8) | data[4 * p];
            images.push_back(std::move(image));
        }
        return images;
    }

    struct Window {
        xcb_window_t id;
        int x, y, width, height; // the window's inside, on the screen
    };

    // A shown top-level window of that title, at least `min_width` wide (the
    // start dialog and the main window share a title), or below a window
    // manager's frame.
    std::optional<Window> find_window(std::string const& title, int min_width, int max_width = 100000)
    {
        std::optional<Window> found;
        for_each_child(m_root, [&](xcb_window_t frame) {
            if (!found)
                found = match(frame, title, min_width, max_width);
            for_each_child(frame, [&](xcb_window_t inner) {
                if (!found)
                    found = match(inner, title, min_width, max_width);
            });
        });
        return found;
    }

    void tap(std::uint32_t keysym)
    {
        fake(XCB_KEY_PRESS, keycode(keysym));
        fake(XCB_KEY_RELEASE, keycode(keysym));
    }
    void move_pointer(int x, int y)
    {
        xcb_test_fake_input(m_conn, XCB_MOTION_NOTIFY, 0, XCB_CURRENT_TIME, m_root, static_cast<std::int16_t>(x),
            static_cast<std::int16_t>(y), 0);
    }
    void click()
    {
        fake(XCB_BUTTON_PRESS, 1);
        fake(XCB_BUTTON_RELEASE, 1);
    }
    void focus(xcb_window_t window)
    {
        xcb_set_input_focus(m_conn, XCB_INPUT_FOCUS_POINTER_ROOT, window, XCB_CURRENT_TIME);
    }
    xcb_window_t focused()
    {
        auto reply = owned(xcb_get_input_focus_reply(m_conn, xcb_get_input_focus(m_conn), nullptr));
        return reply ? reply->focus : xcb_window_t { XCB_NONE };
    }
    // A shown tool tip: a window that no window manager handles.
    std::optional<Window> tool_tip()
    {
        std::optional<Window> found;
        for_each_child(m_root, [&](xcb_window_t window) {
            auto attributes
                = owned(xcb_get_window_attributes_reply(m_conn, xcb_get_window_attributes(m_conn, window), nullptr));
            if (!found && attributes && attributes->override_redirect
                && attributes->map_state == XCB_MAP_STATE_VIEWABLE)
                found = place_of(window, 8, 100000);
        });
        return found;
    }
    void flush() { xcb_flush(m_conn); }
    // Waits until the server has carried out every request sent so far.
    void sync() { std::free(xcb_get_input_focus_reply(m_conn, xcb_get_input_focus(m_conn), nullptr)); }

private:
    xcb_atom_t atom(char const* name)
    {
        auto reply = owned(xcb_intern_atom_reply(
            m_conn, xcb_intern_atom(m_conn, 0, static_cast<std::uint16_t>(std::string(name).size()), name), nullptr));
        return reply ? reply->atom : xcb_atom_t { XCB_ATOM_NONE };
    }

    void for_each_child(xcb_window_t parent, std::function<void(xcb_window_t)> const& visit)
    {
        auto tree = owned(xcb_query_tree_reply(m_conn, xcb_query_tree(m_conn, parent), nullptr));
        if (!tree)
            return;
        auto const* children = xcb_query_tree_children(tree.get());
        for (int i = 0; i < xcb_query_tree_children_length(tree.get()); ++i)
            visit(children[i]);
    }

    std::string title_of(xcb_window_t window)
    {
        for (auto [property, type] :
            { std::pair<xcb_atom_t, xcb_atom_t> { m_net_wm_name, m_utf8 }, { XCB_ATOM_WM_NAME, XCB_ATOM_STRING } }) {
            auto reply = owned(
                xcb_get_property_reply(m_conn, xcb_get_property(m_conn, 0, window, property, type, 0, 256), nullptr));
            if (reply && xcb_get_property_value_length(reply.get()) > 0)
                return { static_cast<char const*>(xcb_get_property_value(reply.get())),
                    static_cast<std::size_t>(xcb_get_property_value_length(reply.get())) };
        }
        return {};
    }

    std::optional<Window> match(xcb_window_t window, std::string const& title, int min_width, int max_width)
    {
        auto attributes
            = owned(xcb_get_window_attributes_reply(m_conn, xcb_get_window_attributes(m_conn, window), nullptr));
        if (!attributes || attributes->map_state != XCB_MAP_STATE_VIEWABLE || title_of(window) != title)
            return std::nullopt;
        return place_of(window, min_width, max_width);
    }

    std::optional<Window> place_of(xcb_window_t window, int min_width, int max_width)
    {
        auto geometry = owned(xcb_get_geometry_reply(m_conn, xcb_get_geometry(m_conn, window), nullptr));
        auto where = owned(
            xcb_translate_coordinates_reply(m_conn, xcb_translate_coordinates(m_conn, window, m_root, 0, 0), nullptr));
        if (!geometry || !where || geometry->width < min_width || geometry->width > max_width)
            return std::nullopt;
        return Window { window, where->dst_x, where->dst_y, geometry->width, geometry->height };
    }

    xcb_keycode_t keycode(std::uint32_t keysym)
    {
        for (std::size_t i = 0; i < m_keysyms.size(); ++i)
            if (m_keysyms[i] == keysym)
                return static_cast<xcb_keycode_t>(m_min_keycode + i / m_per_keycode);
        throw std::runtime_error("no key gives the key symbol " + std::to_string(keysym));
    }
    void fake(std::uint8_t type, std::uint8_t detail)
    {
        xcb_test_fake_input(m_conn, type, detail, XCB_CURRENT_TIME, m_root, 0, 0, 0);
    }

    xcb_connection_t* m_conn;
    xcb_window_t m_root;
    xcb_atom_t m_net_wm_name, m_utf8;
    xcb_keycode_t m_min_keycode;
    std::size_t m_per_keycode;
    std::vector<xcb_keysym_t> m_keysyms;
};

// How fast the screen was read, over the whole run.
struct CaptureRate {
    long captures { 0 };
    double busy_ms { 0 };
    double longest_gap_ms { 0 };
    long gaps_over_1ms { 0 };
};

CaptureRate rate;

// Every distinct capture of the watched regions around one key, with its time
// in ms from the moment the key went out; the first is the last one before.
struct Watch {
    struct Frame {
        double ms;
        std::vector<Image> images;
        int captures { 1 }; // in a row that showed it
    };
    std::vector<Frame> frames;
    double end_ms { 0 };

    // How long frame i showed: until the next capture that differed.
    double lasted(std::size_t i) const { return (i + 1 < frames.size() ? frames[i + 1].ms : end_ms) - frames[i].ms; }
};

int differing_pixels(Image const& a, Image const& b, int columns)
{
    int count = 0;
    for (int y = 0; y < a.height; ++y)
        for (int x = 0; x < columns; ++x)
            count += a.at(x, y) != b.at(x, y);
    return count;
}

// The program, started from its own folder, and where its main window's
// client area lies on the screen.
class Program {
public:
    Program(Display& display, std::string const& path)
        : m_display(display)
    {
        std::string const folder = path.substr(0, path.rfind('/'));
        m_pid = fork();
        if (m_pid == 0) {
            if (chdir(folder.c_str()) != 0)
                _exit(127);
            int const log = open("program.log", O_WRONLY | O_CREAT | O_APPEND, 0644);
            dup2(log, 1);
            dup2(log, 2);
            execl(path.c_str(), path.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        try {
            answer_and_find_main_window();
        } catch (...) {
            stop();
            throw;
        }
    }
    ~Program() { stop(); }
    Program(Program const&) = delete;
    Program& operator=(Program const&) = delete;

    Rect on_screen(Rect r) const { return { m_main.x + r.x, m_client_top + r.y, r.width, r.height }; }
    Image grab(Rect r) { return m_display.grab({ on_screen(r) })[0]; }

    // The keyboard goes to the main window, the pointer out of the way.
    void activate()
    {
        m_display.focus(m_main.id);
        park_pointer();
        must(wait_until([&] { return m_display.focused() == m_main.id; }, 2000), "the main window takes no focus");
    }
    void park_pointer()
    {
        m_display.move_pointer(1279, 899);
        m_display.flush();
    }
    void point_at(Rect r)
    {
        m_display.move_pointer(m_main.x + r.x + r.width / 2, m_client_top + r.y + r.height / 2);
        m_display.sync();
        sleep_ms(50);
    }
    void key(std::uint32_t keysym)
    {
        m_display.tap(keysym);
        m_display.flush();
    }

    bool shows(std::string const& title) { return m_display.find_window(title, 0).has_value(); }
    // Once the window titled so has come up, the keyboard's goes to it: the
    // program gives it the focus, or else the tool does.
    void type_into(std::string const& title)
    {
        auto const window = wait_window(title, 0);
        if (!wait_until([&] { return m_display.focused() == window.id; }, 1000))
            m_display.focus(window.id);
        m_display.sync();
    }

    // Polls until `ok` holds, at most `timeout_ms`.
    static bool wait_until(std::function<bool()> const& ok, double timeout_ms)
    {
        auto const start = Clock::now();
        while (!ok()) {
            if (ms_between(start, Clock::now()) > timeout_ms)
                return false;
            sleep_ms(2);
        }
        return true;
    }

    // The region once it has not changed for `quiet_ms`.
    Image settle(Rect r, double quiet_ms, double timeout_ms = 5000)
    {
        Image last = grab(r);
        auto since = Clock::now();
        auto const start = since;
        while (ms_between(since, Clock::now()) < quiet_ms && ms_between(start, Clock::now()) < timeout_ms) {
            sleep_ms(2);
            Image now = grab(r);
            if (!(now == last)) {
                last = std::move(now);
                since = Clock::now();
            }
        }
        return last;
    }

    // Captures `regions` for 20 ms, carries out `act` (the key burst), then
    // captures as fast as the display answers, a capture at most every 0.3 ms,
    // until `after_ms` have passed or `done` holds.
    Watch watch(std::vector<Rect> const& regions, std::function<void()> const& act, double after_ms,
        std::function<bool(Watch const&, double)> const& done = {})
    {
        std::vector<Rect> rects;
        for (Rect r : regions)
            rects.push_back(on_screen(r));
        Watch w;
        auto const start = Clock::now();
        auto before = start;
        w.frames.push_back({ 0, m_display.grab(rects) });
        while (ms_between(start, before = Clock::now()) < 20)
            w.frames.back().images = m_display.grab(rects);
        act();
        m_display.flush();
        auto const key_time = Clock::now();
        w.frames.back().ms = -ms_between(before, key_time);
        auto previous = key_time;
        for (;;) {
            auto const now = Clock::now();
            double const ms = ms_between(key_time, now);
            if (ms > after_ms || (done && done(w, ms)))
                break;
            auto images = m_display.grab(rects);
            rate.longest_gap_ms = std::max(rate.longest_gap_ms, ms_between(previous, now));
            rate.gaps_over_1ms += ms_between(previous, now) > 1;
            ++rate.captures;
            previous = now;
            if (images == w.frames.back().images)
                ++w.frames.back().captures;
            else
                w.frames.push_back({ ms, std::move(images) });
            while (ms_between(now, Clock::now()) < 0.3)
                std::this_thread::yield();
        }
        w.end_ms = ms_between(key_time, Clock::now());
        rate.busy_ms += w.end_ms;
        return w;
    }

private:
    void answer_and_find_main_window()
    {
        // The start dialog: a man answers ("Мужчина", the middle button).
        auto const dialog = wait_window("Зеливорната", 0, 400);
        m_display.move_pointer(dialog.x + 156, dialog.y + 92);
        m_display.flush();
        sleep_ms(50);
        m_display.click();
        m_display.flush();
        m_main = wait_window("Зеливорната", 600);
        // The client area begins below the menu bar, at the first row of the
        // window's background on the left edge.
        bool const found = wait_until(
            [&] {
                auto column = m_display.grab({ { m_main.x + 2, m_main.y, 1, 60 } })[0];
                for (int y = 0; y < column.height; ++y)
                    if (column.at(0, y) == window_color) {
                        m_client_top = m_main.y + y;
                        return true;
                    }
                return false;
            },
            5000);
        must(found, "the main window shows no client area");
        activate();
        settle(pile_area, 300);
    }
    void stop()
    {
        kill(m_pid, SIGTERM);
        waitpid(m_pid, nullptr, 0);
    }

    Display::Window wait_window(std::string const& title, int min_width, int max_width = 100000)
    {
        std::optional<Display::Window> window;
        if (!wait_until(
                [&] { return (window = m_display.find_window(title, min_width, max_width)).has_value(); }, 15000))
            throw Stuck("no window \"" + title + "\" came up");
        return *window;
    }

    Display& m_display;
    pid_t m_pid { 0 };
    Display::Window m_main {};
    int m_client_top { 0 };
};

// With FRAME_WATCH_DUMP set to a folder, every bad frame is written there, a
// PPM picture per watched region, to be looked at.
void write_ppm(std::string const& file, Image const& image)
{
    std::FILE* f = std::fopen(file.c_str(), "wb");
    if (!f)
        return;
    std::fprintf(f, "P6\n%d %d\n255\n", image.width, image.height);
    for (std::uint32_t p : image.pixels) {
        unsigned char rgb[3] = { static_cast<unsigned char>(p >> 16), static_cast<unsigned char>(p >> 8),
            static_cast<unsigned char>(p) };
        std::fwrite(rgb, 1, 3, f);
    }
    std::fclose(f);
}

// Whether the bare table shows where the pile at rest has a back.
bool table_shows(Image const& pile, Image const& rest)
{
    for (std::size_t i = 0; i < pile.pixels.size(); ++i)
        if (pile.pixels[i] == window_color && rest.pixels[i] != window_color)
            return true;
    return false;
}

// What place 0 shows, told from its pixels against the empty place, where the
// marker's ring is the only cyan.
struct PlaceLook {
    Image empty;
    std::vector<std::size_t> ring; // the marker's ring
    std::vector<std::size_t> outside; // the place well outside the marker

    explicit PlaceLook(Image empty_place)
        : empty(std::move(empty_place))
    {
        for (int y = 0; y < empty.height; ++y)
            for (int x = 0; x < empty.width; ++x) {
                auto const i = static_cast<std::size_t>(y * empty.width + x);
                Rect const m = marker_in_place;
                if (empty.pixels[i] == marker_color)
                    ring.push_back(i);
                else if (x < m.x - 2 || x >= m.x + m.width + 2 || y < m.y - 2 || y >= m.y + m.height + 2)
                    outside.push_back(i);
            }
        if (ring.size() < 100)
            throw std::runtime_error("place 0 shows no marker");
    }
    static double share_equal(Image const& a, Image const& b, std::vector<std::size_t> const& mask)
    {
        auto const same
            = std::count_if(mask.begin(), mask.end(), [&](std::size_t i) { return a.pixels[i] == b.pixels[i]; });
        return static_cast<double>(same) / static_cast<double>(mask.size());
    }
    bool marker(Image const& place) const { return share_equal(place, empty, ring) > 0.9; }
    // A card lies on the place: a back that has landed, or a face.
    bool card(Image const& place) const { return share_equal(place, empty, outside) < 0.5; }
    bool shows(Image const& place, Image const& face) const { return share_equal(place, face, outside) > 0.9; }
};

// Space draws a card; returns place 0 once the card is face up and the button
// asks for the next.
Image draw_one(Program& p, PlaceLook const& look, Image const& draw_button)
{
    p.key(key_space);
    must(Program::wait_until(
             [&] {
                 Image const now = p.grab(place0_area);
                 return look.card(now) && !look.marker(now);
             },
             4000),
        "no card turned face up after Space");
    must(Program::wait_until([&] { return p.grab(button_area) == draw_button; }, 3000),
        "the button does not ask for a card again");
    return p.settle(place0_area, 50);
}

// FRAME_WATCH_ONLY=46C runs checks 4, 6 and C only (1, 2 and 3 run together).
bool runs(char check)
{
    char const* only = std::getenv("FRAME_WATCH_ONLY");
    return !only || std::string(only).find(check) != std::string::npos;
}

// One line of the table.
struct Row {
    std::string check;
    int tries { 0 }, bad_tries { 0 }, bad_frames { 0 };
    // Bad frames that a single capture saw: perhaps a frame caught while the
    // program's flush to the display was under way, not one it had.
    int seen_once { 0 };
    double longest_ms { 0 };
    bool frames_counted { true }; // or outcomes of keys

    // One try of a frame check; `bad` marks the frames of `w` that are wrong.
    void add(Watch const& w, std::vector<bool> const& bad)
    {
        ++tries;
        int frames = 0;
        double span = 0;
        for (std::size_t i = 0; i < w.frames.size(); ++i) {
            span = bad[i] ? span + w.lasted(i) : 0;
            frames += bad[i];
            seen_once += bad[i] && w.frames[i].captures == 1;
            longest_ms = std::max(longest_ms, span);
        }
        bad_frames += frames;
        bad_tries += frames > 0;
        if (char const* folder = std::getenv("FRAME_WATCH_DUMP"))
            dump(folder, w, bad);
        std::fprintf(stderr, "  %-34s %d bad frame(s)", check.c_str(), frames);
        for (std::size_t i = 0; i < w.frames.size(); ++i)
            if (bad[i])
                std::fprintf(stderr, " [at %.2f ms for %.2f ms]", w.frames[i].ms, w.lasted(i));
        std::fprintf(stderr, "\n");
    }
    void dump(std::string const& folder, Watch const& w, std::vector<bool> const& bad) const
    {
        std::string name = check;
        std::replace_if(
            name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
        for (std::size_t i = 0; i < w.frames.size(); ++i)
            for (std::size_t r = 0; bad[i] && r < w.frames[i].images.size(); ++r)
                write_ppm(folder + "/" + name + "-try" + std::to_string(tries) + "-" + std::to_string(i) + "-region"
                        + std::to_string(r) + ".ppm",
                    w.frames[i].images[r]);
    }
    // One try of a key check.
    void add(bool wrong, char const* what)
    {
        ++tries;
        bad_tries += wrong;
        std::fprintf(stderr, "  %-34s %s\n", check.c_str(), what);
    }
};

std::vector<bool> marks(Watch const& w, std::function<bool(std::size_t)> const& bad)
{
    std::vector<bool> result(w.frames.size(), false);
    for (std::size_t i = 1; i < w.frames.size(); ++i)
        result[i] = bad(i);
    return result;
}

// A new deal: F3 and the button asks for a card.
Image start_deal(Program& p)
{
    Image const start_button = p.settle(button_area, 100);
    p.key(key_f3);
    must(Program::wait_until([&] { return !(p.grab(button_area) == start_button); }, 2000), "F3 starts no deal");
    return p.settle(button_area, 100);
}

// Checks 1 to 3 on one running program. In each try of 1 and 3, F3 from rest
// and F2 at once: the table is reset when the pile's half pass ends, its
// moving back at one end of its course, so that no back leaves the stair
// within 150 ms of the next F3. The half passes end by turns far right, every
// back having crossed over (about 1.3 s after F2), and at home at once, the
// pile not having moved; each way counts `tries` times, so check 1 counts
// twice as many. Then the tries of 2, each a deal with one card and F2.
void watch_resets(Display& display, std::string const& path, int tries, std::vector<Row>& rows)
{
    std::size_t const first = rows.size();
    for (char const* check :
        { "1 F3 at rest: stair broken", "2 F2 one card: stair broken", "2 F2 one card: face+marker",
            "2 F2 one card: button still draws", "3 F2 no card, far: stair broken", "3 F2 no card, far: table shows",
            "3 F2 no card, home: stair broken", "3 F2 no card, home: table shows", "2 a draw: face+marker" })
        rows.push_back({ check });
    Row* row = &rows[first];
    std::unique_ptr<Program> program;
    std::optional<PlaceLook> look;
    Image rest, start_button;
    auto const start = [&] {
        if (!program) {
            program = std::make_unique<Program>(display, path);
            rest = program->settle(pile_area, 300);
            start_button = program->settle(button_area, 100);
            look.emplace(program->grab(place0_area));
        }
        return program.get();
    };
    for (int t = 1; t <= 2 * tries; ++t) {
        std::fprintf(stderr, "checks 1 and 3, try %d\n", t);
        try {
            Program& p = *start();
            // 1. F3 from rest.
            must(p.grab(pile_area) == rest && p.grab(button_area) == start_button, "the table is not at rest");
            Watch const w1 = p.watch(
                { pile_area }, [&] { display.tap(key_f3); }, 150);
            row[0].add(w1, marks(w1, [&](std::size_t i) {
                return differing_pixels(w1.frames[i].images[0], rest, pile_still_columns) > 0;
            }));

            // 3. F2 before any card.
            Watch const w3 = p.watch(
                { pile_area, button_area }, [&] { display.tap(key_f2); }, 3000,
                [&](Watch const& w, double ms) {
                    return w.frames.back().images[1] == start_button && ms - w.frames.back().ms > 150;
                });
            must(w3.frames.back().images[0] == rest && w3.frames.back().images[1] == start_button,
                "the table is not at rest after the stopped deal");
            // The reset runs within one tick, and ends by giving the button
            // its "Начать сдачу": its frames are those from 5 ms before the
            // button first shows it. The pile's own motion shows a frame
            // every 20 ms, the last of it well before.
            std::size_t started = 1;
            while (!(w3.frames[started].images[1] == start_button))
                ++started;
            double const reset_ms = w3.frames[started].ms - 5;
            auto in_reset
                = [&](std::size_t i) { return w3.frames[i].ms >= reset_ms && !(w3.frames[i].images[0] == rest); };
            bool moved = false;
            for (std::size_t i = 1; i < started; ++i)
                moved = moved || !(w3.frames[i].images[0] == rest);
            Row* far_or_home = moved ? &row[4] : &row[6];
            far_or_home[0].add(w3, marks(w3, in_reset));
            far_or_home[1].add(
                w3, marks(w3, [&](std::size_t i) { return in_reset(i) && table_shows(w3.frames[i].images[0], rest); }));
        } catch (Stuck const& e) {
            std::fprintf(stderr, "  left out: %s\n", e.what());
            program.reset();
        }
    }
    for (int t = 1; t <= tries; ++t) {
        std::fprintf(stderr, "check 2, try %d\n", t);
        try {
            Program& p = *start();
            Image const draw_button = start_deal(p);
            // The draw itself, watched until the card has lain face up for
            // 100 ms: the face never shows under the place's marker.
            Watch const wd = p.watch(
                { place0_area }, [&] { display.tap(key_space); }, 4000,
                [&](Watch const& w, double ms) {
                    Image const& now = w.frames.back().images[0];
                    return look->card(now) && !look->marker(now) && ms - w.frames.back().ms > 100;
                });
            must(Program::wait_until([&] { return p.grab(button_area) == draw_button; }, 3000),
                "the button does not ask for a card again");
            Image const face = p.settle(place0_area, 50);
            row[8].add(wd, marks(wd, [&](std::size_t i) {
                Image const& place = wd.frames[i].images[0];
                return look->marker(place) && look->shows(place, face);
            }));
            // Watched until the table has rested for 100 ms, at least 300 ms.
            Watch const w2 = p.watch(
                { pile_area, place0_area, button_area }, [&] { display.tap(key_f2); }, 3000,
                [&](Watch const& w, double ms) {
                    auto const& now = w.frames.back();
                    return ms > 300 && ms - now.ms > 100 && now.images[0] == rest && look->marker(now.images[1]);
                });
            auto const& last = w2.frames.back().images;
            must(last[0] == rest && look->marker(last[1]), "the table is not at rest 3 s after F2");
            // The table begins to clear with the first change of place 0 or
            // of the button: before it, the pile may still be moving.
            std::size_t cleared = 1;
            while (cleared < w2.frames.size() && w2.frames[cleared].images[1] == face
                && w2.frames[cleared].images[2] == draw_button)
                ++cleared;
            row[1].add(w2, marks(w2, [&](std::size_t i) { return i >= cleared && !(w2.frames[i].images[0] == rest); }));
            row[2].add(w2, marks(w2, [&](std::size_t i) {
                auto const& place = w2.frames[i].images[1];
                return look->marker(place) && look->shows(place, face);
            }));
            row[3].add(
                w2, marks(w2, [&](std::size_t i) { return i >= cleared && w2.frames[i].images[2] == draw_button; }));
        } catch (Stuck const& e) {
            std::fprintf(stderr, "  left out: %s\n", e.what());
            program.reset();
        }
    }
}

// Sends two steps in one burst (one flush), or `gap_ms` apart.
void burst(Display& display, std::function<void()> const& first, std::function<void()> const& second, double gap_ms)
{
    first();
    if (gap_ms > 0) {
        display.flush();
        sleep_ms(gap_ms);
    }
    second();
    display.flush();
}

// Watches for 1.5 s whether the window titled `opened` showed and whether
// `wrong` held at any moment.
std::pair<bool, bool> outcome(Program& p, std::string const& opened, std::function<bool()> const& wrong)
{
    bool seen = false, went_wrong = false;
    Program::wait_until(
        [&] {
            seen = seen || p.shows(opened);
            went_wrong = went_wrong || wrong();
            return false;
        },
        1500);
    return { seen, went_wrong };
}

// A try whose first step opened no window and did nothing wrong tells
// nothing; one that went wrong counts, even if the window showed too briefly
// to be seen.
void add_outcome(Row& row, std::pair<bool, bool> seen_wrong, char const* wrong_text, char const* opened)
{
    auto const [seen, wrong] = seen_wrong;
    if (!seen && !wrong)
        throw Stuck(std::string(opened) + " never showed");
    std::string const what
        = std::string(wrong ? wrong_text : "right") + (seen ? "" : " (" + std::string(opened) + " never seen)");
    row.add(wrong, what.c_str());
}

// Checks 4 to 6: each try starts the program afresh.
void type_ahead(Display& display, std::string const& path, int tries, std::vector<Row>& rows)
{
    struct Case {
        char const* check;
        bool interpret; // nine cards out, or a draw awaited
        bool click; // the first step clicks the deal button
        double gap_ms;
    };
    static Case const cases[] = {
        { "4 F7,F3 burst: new deal", true, false, 0 },
        { "4 click,F3 burst: new deal", true, true, 0 },
        { "5 F1,Space burst: card drawn", false, false, 0 },
        { "6 F7,F3 20 ms apart: new deal", true, false, 20 },
        { "6 F7,F3 100 ms apart: new deal", true, false, 100 },
        { "6 F1,Space 20 ms apart: drawn", false, false, 20 },
        { "6 F1,Space 100 ms apart: drawn", false, false, 100 },
    };
    for (Case const& c : cases) {
        if (!runs(c.check[0]))
            continue;
        rows.push_back({ .check = c.check, .frames_counted = false });
        Row& row = rows.back();
        for (int t = 1; t <= tries; ++t) {
            std::fprintf(stderr, "%s, try %d\n", c.check, t);
            try {
                Program p(display, path);
                PlaceLook const look(p.grab(place0_area));
                Image const draw_button = start_deal(p);
                if (!c.interpret) {
                    burst(
                        display, [&] { display.tap(key_f1); }, [&] { display.tap(key_space); }, c.gap_ms);
                    add_outcome(row, outcome(p, "Что делать?", [&] { return look.card(p.grab(place0_area)); }),
                        "a card was drawn", "the help window");
                    continue;
                }
                // Nine cards; the interpretation opens by itself and Enter closes it.
                for (int card = 1; card <= 9; ++card) {
                    must(Program::wait_until([&] { return p.grab(button_area) == draw_button; }, 4000),
                        "the button does not ask for a card");
                    p.key(key_space);
                    must(Program::wait_until([&] { return !(p.grab(button_area) == draw_button); }, 1000),
                        "Space draws no card");
                }
                p.type_into("Интерпретация...");
                p.key(key_return);
                must(Program::wait_until([&] { return !p.shows("Интерпретация..."); }, 2000),
                    "Enter does not close the interpretation");
                p.activate();
                p.settle(button_area, 200);
                if (c.click)
                    p.point_at(button_area);
                burst(
                    display, [&] { c.click ? display.click() : display.tap(key_f7); }, [&] { display.tap(key_f3); },
                    c.gap_ms);
                add_outcome(row, outcome(p, "Интерпретация...", [&] { return look.marker(p.grab(place0_area)); }),
                    "a new deal started", "the interpretation");
            } catch (Stuck const& e) {
                std::fprintf(stderr, "  left out: %s\n", e.what());
            }
        }
    }
}

// The meaning's tool tip over place 0, and F2 with the pointer still there:
// once the pointer moves again within the place, does a tip show?
void tool_tip(Display& display, std::string const& path, int tries, std::vector<Row>& rows)
{
    rows.push_back({ .check = "C F2 under the tip: a tip shows", .frames_counted = false });
    Row& row = rows.back();
    for (int t = 1; t <= tries; ++t) {
        std::fprintf(stderr, "%s, try %d\n", row.check.c_str(), t);
        try {
            Program p(display, path);
            PlaceLook const look(p.grab(place0_area));
            Image const draw_button = start_deal(p);
            draw_one(p, look, draw_button);
            p.point_at(place0_area);
            std::optional<Display::Window> tip;
            must(Program::wait_until([&] { return (tip = display.tool_tip()).has_value(); }, 3000),
                "no tool tip over place 0");
            auto const tip_image = [&](Display::Window const& w) {
                return display.grab({ { w.x, w.y, w.width, w.height } })[0];
            };
            Image const meaning = tip_image(*tip);
            p.key(key_f2);
            // The tip may cover the marker; the button tells that the table is clear.
            must(
                Program::wait_until([&] { return !(p.grab(button_area) == draw_button); }, 1000), "F2 clears no table");
            p.point_at({ place0_area.x + 8, place0_area.y + 8, place0_area.width, place0_area.height });
            // The place has no meaning now: a second after the move, no tip
            // should show. A tip caught while it repaints is looked at again.
            sleep_ms(1000);
            bool shown = false, old = false;
            Program::wait_until(
                [&] {
                    if (auto const now = display.tool_tip()) {
                        shown = true;
                        old = now->width == tip->width && now->height == tip->height && tip_image(*now) == meaning;
                    }
                    return old;
                },
                300);
            row.add(shown, !shown ? "no tip" : old ? "the old meaning shows" : "another tip shows");
        } catch (Stuck const& e) {
            std::fprintf(stderr, "  left out: %s\n", e.what());
        }
    }
}
}

int main(int argc, char** argv)
{
    if (argc < 5) {
        std::fprintf(stderr, "usage: %s PROGRAM FRAME_TRIES KEY_TRIES WM_LABEL\n", argv[0]);
        return 2;
    }
    std::string const path = argv[1];
    int const tries = std::max(1, std::atoi(argv[2]));
    int const key_tries = std::max(1, std::atoi(argv[3]));
    std::string const label = argv[4];
    try {
        Display display;
        std::vector<Row> rows;
        if (runs('1') || runs('2') || runs('3'))
            watch_resets(display, path, tries, rows);
        type_ahead(display, path, key_tries, rows);
        if (runs('C'))
            tool_tip(display, path, key_tries, rows);
        for (Row const& row : rows) {
            if (row.frames_counted)
                std::printf("%-36s %-4s %5d %9d %10d %9d %10.2f\n", row.check.c_str(), label.c_str(), row.tries,
                    row.bad_tries, row.bad_frames, row.seen_once, row.longest_ms);
            else
                std::printf("%-36s %-4s %5d %9d %10s %9s %10s\n", row.check.c_str(), label.c_str(), row.tries,
                    row.bad_tries, "-", "-", "-");
        }
        std::printf(
            "# %s: %ld captures in %.0f ms watched, one every %.2f ms; %ld gaps over 1 ms, the longest %.1f ms\n",
            label.c_str(), rate.captures, rate.busy_ms, rate.busy_ms / static_cast<double>(std::max(1L, rate.captures)),
            rate.gaps_over_1ms, rate.longest_gap_ms);
    } catch (std::exception const& e) {
        std::fprintf(stderr, "frame_watch: %s\n", e.what());
        return 1;
    }
    return 0;
}
