#pragma once

#include "Errors.h"
#include "FileTable.h"
#include "FrontEnd.h"
#include "Input.h"
#include "TimerScheduler.h"
#include "Types.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <typeindex>
#include <unordered_map>
#include <vector>

namespace rt {

class Control;
class Form;

// The windowing run time of one run of the program: its windows (one instance
// each, loaded on first reference), its modules, its timers and files, and the
// one thread on which every event procedure runs to its end.
class Runtime {
public:
    explicit Runtime(FrontEnd&);
    Runtime(Runtime const&) = delete;
    Runtime& operator=(Runtime const&) = delete;
    ~Runtime();

    FrontEnd& front_end() const { return m_front_end; }

    // The window's single instance; a reference to a window that is not loaded
    // loads it, hidden, and its Form_Load runs before this returns.
    template<class T>
    T& form();
    template<class T>
    T* loaded_form() const;
    std::vector<Form*> forms() const;
    Form* find_form(std::string_view name) const;
    Form* active_form() const { return m_active; }

    // A module's variables, one set per run of the program.
    template<class M>
    M& module();

    // Starts the program with its startup window, loaded and shown.
    template<class T>
    void start();

    bool ended() const { return m_ended; }
    [[noreturn]] void end();
    void beep();
    // Shows a message box; timer ticks go on while it is open.
    int msg_box(std::string const& text, int flags, std::string const& title);
    // Seconds since local midnight, with a fraction.
    double timer() const;
    // The program's folder, as the file system names it (its bytes, whatever
    // the locale makes of them); "" when it could not be found.
    std::string const& app_path() const { return m_app_path; }
    void set_app_path(std::string path) { m_app_path = std::move(path); }
    // The file of that name in the program's folder. Without a folder there is
    // no such file: "" and the name would make one at the root of the file
    // system, so this raises Path not found instead.
    std::string path_beside_program(std::string_view name) const;
    FileTable& files() { return m_files; }

    // Input from the front end. Each runs the event procedures it causes to
    // their end before it returns, and delivers nothing once the program ended.
    // Which control a click or a key reaches is the Input's to decide: a click
    // on a control, a menu item chosen, a key, a click on the window's own
    // surface.
    void click(Control& control) { m_input.click(control); }
    void click_menu(Control& item) { m_input.click_menu(item); }
    // A key that the display gave to one of the program's windows. It goes to
    // the window the program has made active, whatever the display says: the
    // display moves its focus later than the program shows or activates a
    // window, and keys typed ahead belong to the window active by then. True
    // when the key is used up: that window had a use for it, or it is not the
    // display's window, which must not act on it either.
    bool key_press(Form& on_display, KeyStroke key);
    // Where the keys that the display gives to this window go.
    Form& key_window(Form& on_display) const;
    void click_form(Form& form) { m_input.click_form(form); }
    void activate(Form&); // the user or the desktop made the window the active one
    void close(Form&); // the close box
    void focus(Control&); // the user moved the focus
    void window_state_changed(Form&, int state);
    // The desktop has drawn the window's frame this high, in twips.
    void frame_measured(Form&, float frame_height);

    void run_due_timers();
    // Delivers the one earliest tick due by now; the timer it ticked, or
    // nullptr. The tick may have unloaded the timer's window: the pointer only
    // tells which timer it was.
    Control const* run_one_due_timer();
    std::optional<std::int64_t> next_timer_due() const { return m_timers.next_due(); }
    TimerScheduler const& timers() const { return m_timers; }

    // Used by forms and controls.
    void load(std::type_index, std::unique_ptr<Form>);
    void show(Form&);
    void hide(Form&);
    void unload(Form&);
    void timer_enabled_changed(Control&);
    // SetFocus of a control; the input methods pass on how the user moved it.
    void set_focus(Control&, FocusReason = FocusReason::Program);
    void stacking_changed(Control&);

    // Runs an event procedure as the event loop does: End and untrapped errors
    // stop here, and windows unloaded inside are destroyed after it.
    void dispatch(std::function<void()> const&);

private:
    void activate_form(Form&);
    void activate_previous(Form& leaving);
    void report_untrapped(RuntimeError const&);

    FrontEnd& m_front_end;
    std::vector<std::pair<std::type_index, std::unique_ptr<Form>>> m_forms;
    std::vector<std::unique_ptr<Form>> m_unloaded;
    std::unordered_map<std::type_index, std::shared_ptr<void>> m_modules;
    std::vector<Form*> m_activation_history;
    Form* m_active { nullptr };
    TimerScheduler m_timers;
    FileTable m_files;
    Input m_input { *this };
    std::string m_app_path;
    // The program's title, which its messages carry: the caption of the first
    // window it loaded.
    std::string m_title;
    int m_depth { 0 };
    bool m_ended { false };
};

template<class T>
T* Runtime::loaded_form() const
{
    for (auto const& [type, form] : m_forms) {
        if (type == std::type_index(typeid(T)))
            return static_cast<T*>(form.get());
    }
    return nullptr;
}

template<class T>
T& Runtime::form()
{
    if (T* existing = loaded_form<T>())
        return *existing;
    if (m_ended)
        throw EndProgram {};
    auto owned = std::make_unique<T>(*this);
    T& created = *owned;
    load(typeid(T), std::move(owned));
    return created;
}

template<class M>
M& Runtime::module()
{
    auto& slot = m_modules[typeid(M)];
    if (!slot)
        slot = std::make_shared<M>();
    return *static_cast<M*>(slot.get());
}

template<class T>
void Runtime::start()
{
    dispatch([this] { show(form<T>()); });
}

}
