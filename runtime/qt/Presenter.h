#pragma once

#include "runtime/FrameTicks.h"
#include "runtime/Types.h"

#include <QElapsedTimer>
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
class Runtime;
}

namespace rt::qt {

// Decides what of the program reaches the screen, and when; the one owner of
// the program's wake-ups for ticks and frames.
//
// The widgets only ever hold the program as it stood at one statement: a
// change (a property, a control brought to the front) waits here, marked on
// its control's peer, until everything that waits is applied together. That
// happens at a frame, between event procedures and ticks, at most once per
// frame slot; at a Refresh, which paints at once; and before anything that
// must reach the widgets at once (a window shown, the focus moved, a message
// box), so that it comes with every change made before it.
//
// Ticks are served a frame slot at a time: one wake-up runs every tick due
// before the end of its slot, in due order, each reading its own due time on
// the run time's clock, and then shows the frame.
class Presenter : public QObject {
    Q_OBJECT
public:
    explicit Presenter(Runtime&);

    // The run time's clock: the running tick's due time, else the real time.
    std::int64_t now_ms() const;
    // Milliseconds of the front end's steady clock, whatever tick runs.
    std::int64_t real_ms() const { return m_clock.elapsed(); }

    void changed(Control&, Property);
    void restacked(Control&);
    // Shows now, on the control's window, the program as it stands.
    void refresh(Control&);
    // Applies every waiting change; the toolkit paints them when it next can.
    void catch_up();
    // Applies and paints every waiting change now.
    void show_now();
    // The earliest due time of the timers may have changed.
    void timers_changed();
    // Runs a modal loop (a message box) from inside an event procedure: the
    // window shows what the program did before it, and ticks go on meanwhile.
    void run_modal(std::function<void()> const&);
    // The window has unloaded: its controls' changes are dropped.
    void forget(Form const&);
    // The program has ended: no more ticks nor frames.
    void stop();

    // Told after each window painted by a frame or a refresh, with the window.
    std::function<void(QWidget&)> frame_shown;

private:
    bool waiting() const { return !m_changed.empty() || !m_restacked.empty(); }
    void serve_ticks();
    void arm_tick_timer();
    // At the end of a wake-up: shows the frame unless this slot has shown.
    void end_wake_up();
    void schedule_frame();
    // Applies what waits; the windows that changed.
    std::vector<QWidget*> apply_waiting();
    void apply_restacks(std::vector<QWidget*>& parents);
    void paint(std::vector<QWidget*> const& windows);

    Runtime& m_runtime;
    QElapsedTimer m_clock;
    FrameTicks m_slots;
    QTimer m_tick_timer;
    std::optional<std::int64_t> m_armed_due;
    QTimer m_frame_timer;
    std::int64_t m_shown_slot { -1 };
    std::vector<Control*> m_changed;
    std::vector<Control*> m_restacked;
};

}
