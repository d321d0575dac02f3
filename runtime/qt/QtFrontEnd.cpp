#include "QtFrontEnd.h"

#include "Covering.h"

#include "FrontEndState.h"
#include "MessageBox.h"
#include "runtime/Form.h"
#include "runtime/ProgramFolder.h"

#include <QApplication>

#include <algorithm>
#include <optional>
#include <vector>

namespace rt {

using namespace qt;

QtFrontEnd::QtFrontEnd(int& argc, char** argv)
    : m_state(std::make_unique<State>(*this, argc, argv))
{
    // Qt would hand the folder over as text, and a name that is not text in
    // the locale's encoding would come back empty.
    m_runtime.set_app_path(program_folder());
}

QtFrontEnd::~QtFrontEnd() { m_state->tearing_down = true; }

int QtFrontEnd::exec()
{
    if (m_runtime.ended() || m_state->forms.empty())
        return 0;
    m_state->in_exec = true;
    int const code = QApplication::exec();
    m_state->in_exec = false;
    return code;
}

// What a test reads shows every change made so far.
QWidget* QtFrontEnd::widget_of(Control& control) const
{
    m_state->pacer.flush();
    return widget_of_peer(control);
}

QWidget* QtFrontEnd::window_of(Form& form) const
{
    m_state->pacer.flush();
    return m_state->window_of(form);
}

void QtFrontEnd::form_created(Form& form) { m_state->create(form); }

void QtFrontEnd::form_destroyed(Form& form) { m_state->destroy(form); }

void QtFrontEnd::form_activated(Form& form)
{
    FormWindow* window = m_state->window_of(form);
    if (!window || !window->isVisible())
        return;
    // The offscreen platform (tests) has no stacking of windows, and says so.
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        window->raise();
    if (window->isActiveWindow())
        return;
    m_state->awaited_activation = window;
    m_state->awaited_since = m_state->clock.elapsed();
    window->activateWindow();
}

void QtFrontEnd::property_changed(Control& control, Property property) { m_state->pacer.changed(control, property); }

// Only the control that moved changes its place among its siblings: putting
// it under its new upper neighbour (or on top) is one move, not a restack.
void QtFrontEnd::stacking_changed(Control& control)
{
    QWidget* widget = widget_of_peer(control);
    if (!widget)
        return;
    std::vector<Control*> const order = control.form().stacking(control.container());
    auto it = std::find(order.begin(), order.end(), &control);
    if (it == order.end())
        return;
    if (QWidget* above = std::next(it) != order.end() ? widget_of_peer(**std::next(it)) : nullptr)
        widget->stackUnder(above);
    else
        widget->raise();
    mark_covered_children(*widget->parentWidget());
}

void QtFrontEnd::focus_changed(Form& form, FocusReason reason)
{
    // Tab tells the style that the keyboard moved the focus, so that it draws
    // the focus frame from then on; a mouse click or the program does not.
    Qt::FocusReason const qt_reason = reason == FocusReason::Keyboard ? Qt::TabFocusReason
        : reason == FocusReason::Mouse                                ? Qt::MouseFocusReason
                                                                      : Qt::OtherFocusReason;
    Control* focused = form.focused();
    if (QWidget* widget = focused ? widget_of_peer(*focused) : nullptr) {
        // It may have been shown or enabled just before.
        focused->peer->apply_pending();
        widget->setFocus(qt_reason);
    }
}

// Refresh paints at once, with the control's changes so far.
void QtFrontEnd::refresh(Control& control)
{
    if (control.peer)
        control.peer->apply_pending();
    QWidget* widget = widget_of_peer(control);
    if (!widget)
        return;
    if (!widget->isWindow())
        mark_covered_children(*widget->parentWidget());
    widget->repaint();
}

void QtFrontEnd::beep() { QApplication::beep(); }

void QtFrontEnd::message_box(std::string const& text, int flags, std::string const& title)
{
    QWidget* parent = nullptr;
    if (Form* active = m_runtime.active_form()) {
        if (FormWindow* window = m_state->window_of(*active); window && window->isVisible())
            parent = window;
    }
    // The clock reads the real time while the box is open.
    std::optional<std::int64_t> const presented = m_state->ticks.suspend();
    // What the program changed before the box shows with it.
    m_state->pacer.flush();
    // Timer ticks go on while the box is open, in the event loop of exec(). A
    // tick's own procedure may have opened it: the QTimer that fired for that
    // tick is re-armed only when the procedure returns, so arm it here.
    m_state->arm_timer();
    run_message_box(parent, text, flags, title);
    m_state->ticks.resume(presented);
}

std::int64_t QtFrontEnd::now_ms() { return m_state->ticks.presented().value_or(m_state->real_ms()); }

double QtFrontEnd::seconds_since_midnight() { return m_state->time_of_day.seconds_since_midnight(); }

void QtFrontEnd::timers_changed()
{
    m_state->arm_timer();
    m_state->pacer.ticks_changed();
}

void QtFrontEnd::quit()
{
    m_state->timer.stop();
    m_state->armed_due.reset();
    for (auto& [form, window] : m_state->forms)
        window->hide();
    // Hiding an open message box ends its own event loop too; exit() ends every
    // loop that runs, the outermost included.
    for (QWidget* widget : QApplication::topLevelWidgets())
        widget->hide();
    QCoreApplication::exit(0);
}

}
