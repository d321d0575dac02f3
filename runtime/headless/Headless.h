#pragma once

#include "runtime/Form.h"
#include "runtime/FrontEnd.h"
#include "runtime/Runtime.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace rt {

// The front end for tests: no windows, a virtual clock that only moves when the
// test moves it, and a record of every beep and message box. A test starts the
// program with a folder and a time of day of its own, then drives any window.
class Headless final : public FrontEnd {
public:
    struct MessageBox {
        std::string text;
        int flags;
        std::string title;
    };

    explicit Headless(std::string app_path = ".", double start_seconds_since_midnight = 12 * 3600.0);
    ~Headless() override;

    Runtime& runtime() { return m_runtime; }
    template<class T>
    void start()
    {
        m_runtime.start<T>();
    }
    template<class T>
    T& form()
    {
        T* loaded = m_runtime.loaded_form<T>();
        if (!loaded)
            throw RuntimeError(error::invalid_procedure_call, "window not loaded");
        return *loaded;
    }

    // Virtual time in milliseconds since the start.
    std::int64_t now() const { return m_now; }
    // Delivers the next tick, moving the clock to its due time; the timer that
    // ticked (to compare with, it may be gone with its window), or nullptr when
    // no timer runs.
    Control const* step();
    // Lets ms pass, delivering every tick that falls due, one at a time.
    void advance(std::int64_t ms);
    // Lets ms pass with the event loop held up, then serves it.
    void stall(std::int64_t ms);
    void set_time_of_day(double seconds_since_midnight);

    void click(Control& control) { m_runtime.click(control); }
    void choose(Control& menu_item) { m_runtime.click_menu(menu_item); }
    // A key as the display gives it to a window: the one it has focused,
    // which may lag behind the window the program has made active.
    bool press(Form& on_display, KeyStroke key) { return m_runtime.key_press(on_display, key); }
    bool press(Form& on_display, Key key) { return m_runtime.key_press(on_display, KeyStroke { key }); }
    void activate(Form& form) { m_runtime.activate(form); }
    void close(Form& form) { m_runtime.close(form); }
    void click_form(Form& form) { m_runtime.click_form(form); }

    int beeps() const { return m_beeps; }
    std::vector<MessageBox> const& message_boxes() const { return m_message_boxes; }
    bool quit_requested() const { return m_quit; }
    int refreshes() const { return m_refreshes; }
    // Runs while a message box is open, as a user would let time pass before OK.
    std::function<void(MessageBox const&)> on_message_box;

    void form_created(Form&) override { }
    void form_destroyed(Form&) override { }
    void form_activated(Form&) override { }
    void property_changed(Control&, Property) override { }
    void stacking_changed(Control&) override { }
    void focus_changed(Form&, FocusReason) override { }
    void refresh(Control&) override { ++m_refreshes; }
    void beep() override { ++m_beeps; }
    void message_box(std::string const& text, int flags, std::string const& title) override;
    std::int64_t now_ms() override { return m_now; }
    double seconds_since_midnight() override;
    void timers_changed() override { }
    void quit() override { m_quit = true; }

private:
    std::int64_t m_now { 0 };
    double m_day_start;
    int m_beeps { 0 };
    int m_refreshes { 0 };
    bool m_quit { false };
    std::vector<MessageBox> m_message_boxes;
    Runtime m_runtime { *this };
};

}
