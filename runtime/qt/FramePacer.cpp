#include "FramePacer.h"

#include "Covering.h"
#include "Peer.h"
#include "runtime/Control.h"
#include "runtime/FrameTicks.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include <algorithm>
#include <chrono>

namespace rt::qt {

FramePacer::FramePacer(FrameTicks const& frame_slots, std::function<std::int64_t()> now_ms,
    std::function<std::optional<std::int64_t>()> next_tick_due)
    : m_slots(frame_slots)
    , m_now_ms(std::move(now_ms))
    , m_next_tick_due(std::move(next_tick_due))
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, [this] { flush(); });
}

void FramePacer::changed(Control& control, Property property)
{
    ControlPeer* peer = control.peer;
    if (!peer)
        return;
    if (peer->shows_at_once()) {
        peer->apply(property);
        return;
    }
    // The first change of a frame decides when it shows; a tick that changes
    // more is followed by show_frame anyway.
    bool const first = m_pending.empty();
    if (peer->mark(property))
        m_pending.push_back(&control);
    if (first)
        schedule();
}

void FramePacer::flush()
{
    m_timer.stop();
    m_shown_slot = m_slots.slot_of(m_now_ms());
    // Applying can mark no control again (a peer only reads its control), but
    // take the list first all the same.
    std::vector<Control*> const pending = std::exchange(m_pending, {});
    // A pending control has a peer: forget() drops a window's controls before
    // their peers go.
    std::vector<QWidget*> parents;
    for (Control* control : pending) {
        control->peer->apply_pending();
        QWidget const* widget = static_cast<Peer*>(control->peer)->widget();
        if (QWidget* parent = widget ? widget->parentWidget() : nullptr; parent && !std::ranges::count(parents, parent))
            parents.push_back(parent);
    }
    std::vector<QWidget*> windows;
    for (QWidget* parent : parents) {
        mark_covered_children(*parent);
        if (!std::ranges::count(windows, parent->window()))
            windows.push_back(parent->window());
    }
    paint_now(windows);
}

// The windows paint what changed in this same wake-up, rather than in the
// next pass of the event loop: one pass and one flush to the display a frame.
void FramePacer::paint_now(std::vector<QWidget*> const& windows)
{
    for (QWidget* window : windows) {
        if (!window->isVisible())
            continue;
        QEvent update_request(QEvent::UpdateRequest);
        QCoreApplication::sendEvent(window, &update_request);
    }
}

void FramePacer::show_frame()
{
    if (m_pending.empty())
        return;
    if (m_slots.slot_of(m_now_ms()) != m_shown_slot)
        flush();
    else
        schedule();
}

// Soon, when this frame slot has not shown yet; else with the tick that wakes
// the program in the next slot, or at the start of that slot when none does.
void FramePacer::schedule()
{
    std::int64_t const now = m_now_ms();
    if (m_slots.slot_of(now) != m_shown_slot) {
        if (!m_timer.isActive())
            m_timer.start(0);
        return;
    }
    std::int64_t const next_slot = m_slots.slot_end(now);
    std::optional<std::int64_t> const tick = m_next_tick_due();
    if (tick && m_slots.slot_of(std::max(*tick, next_slot)) == m_slots.slot_of(next_slot)) {
        m_timer.stop();
        return;
    }
    if (!m_timer.isActive())
        m_timer.start(std::chrono::milliseconds(next_slot - now));
}

void FramePacer::ticks_changed()
{
    if (!m_pending.empty())
        schedule();
}

void FramePacer::forget(Form const& form)
{
    std::erase_if(m_pending, [&](Control const* control) { return &control->form() == &form; });
}

}
