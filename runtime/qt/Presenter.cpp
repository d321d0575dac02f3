#include "Presenter.h"

#include "Covering.h"
#include "Peer.h"
#include "runtime/Control.h"
#include "runtime/Form.h"
#include "runtime/Runtime.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <chrono>

namespace rt::qt {

namespace {

    // The display's frame; 60 Hz where the screen does not say.
    double frame_ms_of_screen()
    {
        QScreen const* screen = QGuiApplication::primaryScreen();
        double const rate = screen ? screen->refreshRate() : 0.0;
        return rate >= 20.0 && rate <= 500.0 ? 1000.0 / rate : 1000.0 / 60.0;
    }

    template<class T>
    void add_once(std::vector<T*>& list, T* item)
    {
        if (item && !std::ranges::count(list, item))
            list.push_back(item);
    }

}

Presenter::Presenter(Runtime& runtime)
    : m_runtime(runtime)
{
    m_clock.start();
    m_slots.set_display_frame_ms(frame_ms_of_screen());
    for (QTimer* timer : { &m_tick_timer, &m_frame_timer }) {
        timer->setSingleShot(true);
        timer->setTimerType(Qt::PreciseTimer);
    }
    connect(&m_tick_timer, &QTimer::timeout, this, [this] { serve_ticks(); });
    connect(&m_frame_timer, &QTimer::timeout, this, [this] { show_now(); });
}

std::int64_t Presenter::now_ms() const { return m_slots.presented().value_or(real_ms()); }

void Presenter::changed(Control& control, Property property)
{
    ControlPeer* peer = control.peer;
    if (!peer)
        return;
    if (peer->shows_at_once()) {
        catch_up();
        peer->apply(property);
        return;
    }
    // The first change of a frame decides when it shows; a tick that changes
    // more is followed by the end of its wake-up anyway.
    bool const first = !waiting();
    if (peer->mark(property))
        m_changed.push_back(&control);
    if (first)
        schedule_frame();
}

void Presenter::restacked(Control& control)
{
    if (!peer_widget(control))
        return;
    bool const first = !waiting();
    add_once(m_restacked, &control);
    if (first)
        schedule_frame();
}

void Presenter::refresh(Control& control)
{
    QWidget* widget = peer_widget(control);
    // A window not shown has nothing to show yet (the main window resets its
    // table while it loads): its changes wait for the frame that shows it.
    if (!widget || !widget->window()->isVisible())
        return;
    std::vector<QWidget*> windows = apply_waiting();
    // Its own area repaints even when nothing in it changed.
    widget->update();
    add_once(windows, widget->window());
    paint(windows);
}

void Presenter::catch_up() { apply_waiting(); }

void Presenter::show_now() { paint(apply_waiting()); }

std::vector<QWidget*> Presenter::apply_waiting()
{
    m_frame_timer.stop();
    // Applying marks nothing again (a peer only reads its control), but take
    // the list first all the same. A control in it has a peer: forget() drops
    // a window's controls before their peers go.
    std::vector<Control*> const changed = std::exchange(m_changed, {});
    std::vector<QWidget*> parents;
    for (Control* control : changed) {
        control->peer->apply_pending();
        if (QWidget const* widget = peer_widget(*control))
            add_once(parents, widget->parentWidget());
    }
    apply_restacks(parents);
    std::vector<QWidget*> windows;
    for (QWidget* parent : parents) {
        mark_covered_children(*parent);
        add_once(windows, parent->window());
    }
    return windows;
}

// Qt paints siblings in the order of its list of children. Each control that
// moved goes right under its nearest upper neighbour in the run time's order,
// taken from the front to the back: whatever lies above it is in order by
// then, and the others kept their order among themselves.
void Presenter::apply_restacks(std::vector<QWidget*>& parents)
{
    std::vector<Control*> const restacked = std::exchange(m_restacked, {});
    std::vector<std::pair<Form*, Control const*>> containers;
    for (Control* control : restacked) {
        std::pair<Form*, Control const*> const container { &control->form(), control->container() };
        if (std::ranges::count(containers, container))
            continue;
        containers.push_back(container);
        std::vector<Control*> const order = container.first->stacking(container.second);
        QWidget* above = nullptr;
        for (auto it = order.rbegin(); it != order.rend(); ++it) {
            QWidget* widget = peer_widget(**it);
            if (!widget)
                continue;
            if (std::ranges::count(restacked, *it)) {
                above ? widget->stackUnder(above) : widget->raise();
                add_once(parents, widget->parentWidget());
            }
            above = widget;
        }
    }
}

// The windows paint what changed in this same wake-up, rather than in the
// next pass of the event loop: one pass and one flush to the display a frame.
void Presenter::paint(std::vector<QWidget*> const& windows)
{
    bool painted = false;
    for (QWidget* window : windows) {
        if (!window->isVisible())
            continue;
        QEvent update_request(QEvent::UpdateRequest);
        QCoreApplication::sendEvent(window, &update_request);
        painted = true;
        if (frame_shown)
            frame_shown(*window);
    }
    if (painted)
        m_shown_slot = m_slots.slot_of(real_ms());
}

void Presenter::serve_ticks()
{
    m_armed_due.reset();
    m_slots.serve(m_runtime, [this] { return real_ms(); });
    if (!m_runtime.ended())
        arm_tick_timer();
    end_wake_up();
}

void Presenter::arm_tick_timer()
{
    std::optional<std::int64_t> const due = m_runtime.ended() ? std::nullopt : m_runtime.next_timer_due();
    if (!due) {
        m_tick_timer.stop();
        m_armed_due.reset();
        return;
    }
    // Enabling one timer among others often leaves the earliest due time as it
    // was: then the armed QTimer stays as it is.
    if (m_tick_timer.isActive() && m_armed_due == due)
        return;
    m_armed_due = due;
    std::int64_t const delay = std::max<std::int64_t>(0, *due - real_ms());
    m_tick_timer.start(std::chrono::milliseconds(delay));
}

void Presenter::end_wake_up()
{
    if (!waiting())
        return;
    if (m_slots.slot_of(real_ms()) != m_shown_slot)
        show_now();
    else
        schedule_frame();
}

// Soon, when this frame slot has not shown yet; else with the tick that wakes
// the program in the next slot, or at the start of that slot when none does.
void Presenter::schedule_frame()
{
    std::int64_t const now = real_ms();
    if (m_slots.slot_of(now) != m_shown_slot) {
        if (!m_frame_timer.isActive())
            m_frame_timer.start(0);
        return;
    }
    std::int64_t const next_slot = m_slots.slot_end(now);
    if (m_armed_due && m_slots.slot_of(std::max(*m_armed_due, next_slot)) == m_slots.slot_of(next_slot)) {
        m_frame_timer.stop();
        return;
    }
    if (!m_frame_timer.isActive())
        m_frame_timer.start(std::chrono::milliseconds(next_slot - now));
}

void Presenter::timers_changed()
{
    arm_tick_timer();
    if (waiting())
        schedule_frame();
}

void Presenter::run_modal(std::function<void()> const& run)
{
    // The clock reads the real time while the loop runs.
    std::optional<std::int64_t> const presented = m_slots.suspend();
    show_now();
    // Ticks go on in the modal loop. A tick's own procedure may have opened
    // it: the timer that fired for that tick is re-armed only when the
    // procedure returns, so arm it here.
    arm_tick_timer();
    run();
    m_slots.resume(presented);
}

void Presenter::forget(Form const& form)
{
    auto const of_form = [&](Control const* control) { return &control->form() == &form; };
    std::erase_if(m_changed, of_form);
    std::erase_if(m_restacked, of_form);
}

void Presenter::stop()
{
    m_tick_timer.stop();
    m_armed_due.reset();
    m_frame_timer.stop();
}

}
