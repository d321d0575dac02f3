#include "QtFrontEnd.h"

#include "FrontEndState.h"
#include "MessageBox.h"
#include "runtime/Form.h"
#include "runtime/ProgramFolder.h"

#include <QApplication>

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
    m_state->presenter.show_now();
    return peer_widget(control);
}

QWidget* QtFrontEnd::window_of(Form& form) const
{
    m_state->presenter.show_now();
    return m_state->window_of(form);
}

void QtFrontEnd::set_frame_observer(std::function<void(QWidget&)> observer)
{
    m_state->presenter.frame_shown = std::move(observer);
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
    m_state->awaited_since = m_state->presenter.real_ms();
    window->activateWindow();
}

void QtFrontEnd::property_changed(Control& control, Property property)
{
    m_state->presenter.changed(control, property);
}

void QtFrontEnd::stacking_changed(Control& control) { m_state->presenter.restacked(control); }

void QtFrontEnd::focus_changed(Form& form, FocusReason reason)
{
    // Tab tells the style that the keyboard moved the focus, so that it draws
    // the focus frame from then on; a mouse click or the program does not.
    Qt::FocusReason const qt_reason = reason == FocusReason::Keyboard ? Qt::TabFocusReason
        : reason == FocusReason::Mouse                                ? Qt::MouseFocusReason
                                                                      : Qt::OtherFocusReason;
    Control* focused = form.focused();
    if (QWidget* widget = focused ? peer_widget(*focused) : nullptr) {
        // It may have been shown or enabled just before, among other changes
        // that must come with it.
        m_state->presenter.catch_up();
        widget->setFocus(qt_reason);
    }
}

void QtFrontEnd::refresh(Control& control) { m_state->presenter.refresh(control); }

void QtFrontEnd::beep() { QApplication::beep(); }

void QtFrontEnd::message_box(std::string const& text, int flags, std::string const& title)
{
    QWidget* parent = nullptr;
    if (Form* active = m_runtime.active_form()) {
        if (FormWindow* window = m_state->window_of(*active); window && window->isVisible())
            parent = window;
    }
    m_state->presenter.run_modal([&] { run_message_box(parent, text, flags, title); });
}

std::int64_t QtFrontEnd::now_ms() { return m_state->presenter.now_ms(); }

double QtFrontEnd::seconds_since_midnight() { return m_state->time_of_day.seconds_since_midnight(); }

void QtFrontEnd::timers_changed() { m_state->presenter.timers_changed(); }

void QtFrontEnd::quit()
{
    m_state->presenter.stop();
    for (auto& [form, window] : m_state->forms)
        window->hide();
    // Hiding an open message box ends its own event loop too; exit() ends every
    // loop that runs, the outermost included.
    for (QWidget* widget : QApplication::topLevelWidgets())
        widget->hide();
    QCoreApplication::exit(0);
}

}
