#pragma once

#include "runtime/Types.h"

#include <QObject>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class QWidget;

namespace rt {
class Control;
class Form;
class FrameTicks;
}

namespace rt::qt {

// Shows the controls' changes at most once per display frame. A change marks
// the control's peer; the peers marked are applied together, once in each
// frame slot that had changes, so a control moved by Left and Top in one tick,
// or by several ticks within a frame, moves once on screen. A frame slot that
// has shown already leaves the later changes to the tick that wakes the
// program in the next slot, so that ticks, showing and painting share one
// wake-up; a timer of the pacer's own shows them only when no tick comes.
class FramePacer : public QObject {
    Q_OBJECT
public:
    // next_tick_due: when the program wakes next for a tick, if it does.
    FramePacer(FrameTicks const& frame_slots, std::function<std::int64_t()> now_ms,
        std::function<std::optional<std::int64_t>()> next_tick_due);

    void changed(Control&, Property);
    // Applies every pending change now.
    void flush();
    // At the end of a wake-up: shows now unless this slot has shown already.
    void show_frame();
    // The next tick's time has changed: the changes waiting for it may need
    // the pacer's own timer now.
    void ticks_changed();
    // The window has unloaded: its controls' changes are dropped.
    void forget(Form const&);

private:
    void schedule();
    static void paint_now(std::vector<QWidget*> const&);

    FrameTicks const& m_slots;
    std::function<std::int64_t()> m_now_ms;
    std::function<std::optional<std::int64_t>()> m_next_tick_due;
    std::vector<Control*> m_pending;
    QTimer m_timer;
    std::int64_t m_shown_slot { -1 };
};

}
