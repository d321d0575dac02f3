#include "Runtime.h"

#include "Form.h"

#include <algorithm>
#include <filesystem>

namespace rt {

Runtime::Runtime(FrontEnd& front_end)
    : m_front_end(front_end)
{
}

Runtime::~Runtime()
{
    m_files.close_all();
    for (auto& [type, form] : m_forms)
        m_front_end.form_destroyed(*form);
}

std::vector<Form*> Runtime::forms() const
{
    std::vector<Form*> result;
    for (auto const& [type, form] : m_forms)
        result.push_back(form.get());
    return result;
}

Form* Runtime::find_form(std::string_view name) const
{
    for (auto const& [type, form] : m_forms) {
        if (form->name() == name)
            return form.get();
    }
    return nullptr;
}

void Runtime::load(std::type_index type, std::unique_ptr<Form> owned)
{
    Form& form = *owned;
    // The program is known by the caption of the first window it loads.
    if (m_title.empty())
        m_title = form.self().caption();
    m_forms.emplace_back(type, std::move(owned));
    form.finish_definition();
    form.m_loaded = true;
    m_front_end.form_created(form);
    form.Form_Load();
    // Timers enabled in the definition tick from the end of the load on: not
    // while a message box of Form_Load is open, for a window not yet shown.
    if (!form.loaded())
        return;
    for (Control* c : form.controls()) {
        if (c->kind() == Kind::Timer && c->enabled() && !m_timers.armed(*c))
            m_timers.arm(*c, m_front_end.now_ms());
    }
    m_front_end.timers_changed();
}

void Runtime::show(Form& form)
{
    if (!form.loaded())
        return;
    form.m_self.assign(&Properties::visible, true, Property::Visible);
    activate_form(form);
}

void Runtime::hide(Form& form)
{
    if (!form.loaded() || !form.m_self.m_properties.visible)
        return;
    form.m_self.assign(&Properties::visible, false, Property::Visible);
    if (m_active == &form)
        activate_previous(form);
}

void Runtime::unload(Form& form)
{
    if (!form.loaded())
        return;
    int cancel = 0;
    form.Form_Unload(cancel);
    if (cancel != 0 || !form.loaded())
        return;
    for (Control* c : form.controls()) {
        if (c->kind() == Kind::Timer)
            m_timers.disarm(*c);
    }
    form.m_loaded = false;
    std::erase(m_activation_history, &form);
    bool const was_active = m_active == &form;
    m_front_end.form_destroyed(form);
    auto it
        = std::find_if(m_forms.begin(), m_forms.end(), [&](auto const& entry) { return entry.second.get() == &form; });
    // The window may be unloading itself from one of its own procedures: keep
    // the object alive until the event that caused this has run to its end.
    m_unloaded.push_back(std::move(it->second));
    m_forms.erase(it);
    m_front_end.timers_changed();
    if (was_active)
        activate_previous(form);
    if (m_depth == 0)
        m_unloaded.clear();
}

void Runtime::activate_previous(Form& leaving)
{
    m_active = nullptr;
    for (auto it = m_activation_history.rbegin(); it != m_activation_history.rend(); ++it) {
        Form* candidate = *it;
        if (candidate != &leaving && candidate->loaded() && candidate->visible()) {
            activate_form(*candidate);
            return;
        }
    }
}

void Runtime::activate_form(Form& form)
{
    if (m_active == &form)
        return;
    Form* previous = m_active;
    m_active = &form;
    std::erase(m_activation_history, &form);
    m_activation_history.push_back(&form);
    m_front_end.form_activated(form);
    if (previous && previous->loaded()) {
        // A window without controls holds the focus itself, and loses it here.
        if (!previous->has_focusable_controls())
            previous->Form_LostFocus();
        if (previous->loaded())
            previous->Form_Deactivate();
    }
    if (form.loaded() && m_active == &form)
        form.Form_Activate();
}

void Runtime::end()
{
    if (!m_ended) {
        m_ended = true;
        m_files.close_all();
        m_front_end.quit();
    }
    throw EndProgram {};
}

std::string Runtime::path_beside_program(std::string_view name) const
{
    if (m_app_path.empty())
        throw RuntimeError(error::path_not_found, "Path not found");
    // Joined as bytes: the folder's name need not be text at all.
    return (std::filesystem::path(m_app_path) / name).native();
}

void Runtime::beep() { m_front_end.beep(); }

int Runtime::msg_box(std::string const& text, int flags, std::string const& title)
{
    m_front_end.message_box(text, flags, title);
    // A tick while the box was open may have ended the program.
    if (m_ended)
        throw EndProgram {};
    return 1; // OK
}

double Runtime::timer() const { return m_front_end.seconds_since_midnight(); }

void Runtime::dispatch(std::function<void()> const& procedure)
{
    if (m_ended)
        return;
    ++m_depth;
    try {
        procedure();
    } catch (EndProgram const&) {
    } catch (RuntimeError const& error) {
        report_untrapped(error);
    }
    --m_depth;
    if (m_depth == 0)
        m_unloaded.clear();
}

void Runtime::report_untrapped(RuntimeError const& error)
{
    if (m_ended)
        return;
    m_ended = true;
    m_files.close_all();
    m_front_end.message_box("Run-time error '" + std::to_string(error.number()) + "':\n\n" + error.what(), 16, m_title);
    m_front_end.quit();
}

void Runtime::activate(Form& form)
{
    dispatch([&] {
        if (form.loaded() && form.visible())
            activate_form(form);
    });
}

Form& Runtime::key_window(Form& on_display) const
{
    Form* active = m_active;
    return active && active->loaded() && active->visible() ? *active : on_display;
}

bool Runtime::key_press(Form& on_display, KeyStroke key)
{
    Form& window = key_window(on_display);
    bool const used = m_input.key_press(window, key);
    return used || &window != &on_display;
}

void Runtime::close(Form& form)
{
    dispatch([&] { unload(form); });
}

void Runtime::focus(Control& control)
{
    if (control.form().loaded() && control.can_take_focus())
        control.form().m_focused = &control;
}

void Runtime::frame_measured(Form& form, float frame_height)
{
    if (form.loaded())
        form.set_measured_frame_height(frame_height);
}

void Runtime::window_state_changed(Form& form, int state)
{
    if (form.loaded())
        form.set_window_state(state);
}

Control const* Runtime::run_one_due_timer()
{
    if (m_ended)
        return nullptr;
    Control* timer = m_timers.take_due(m_front_end.now_ms());
    // A timer whose procedure is still running (it opened a message box, and
    // ticks go on meanwhile) does not enter it again: that tick is dropped.
    if (timer && !timer->m_ticking) {
        dispatch([timer] {
            timer->m_ticking = true;
            if (timer->on_timer)
                timer->on_timer();
            timer->m_ticking = false;
        });
    }
    return timer;
}

void Runtime::run_due_timers()
{
    while (run_one_due_timer()) { }
    if (!m_ended)
        m_front_end.timers_changed();
}

void Runtime::timer_enabled_changed(Control& timer)
{
    if (timer.enabled())
        m_timers.arm(timer, m_front_end.now_ms());
    else
        m_timers.disarm(timer);
    m_front_end.timers_changed();
}

void Runtime::set_focus(Control& control, FocusReason reason)
{
    if (!control.can_take_focus())
        throw RuntimeError(error::invalid_procedure_call, "Invalid procedure call or argument");
    control.form().m_focused = &control;
    m_front_end.focus_changed(control.form(), reason);
}

void Runtime::stacking_changed(Control& control) { m_front_end.stacking_changed(control); }

}
