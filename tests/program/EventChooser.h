#pragma once

#include "RandomSource.h"
#include "runtime/headless/Headless.h"

#include <functional>
#include <string>
#include <vector>

// Chooses what a user does next to the running program and does it through
// the headless front end, as a desktop would deliver it: a click on a window
// that is not active activates it first, keys and menu items go to the active
// window only (keys typed in a burst to the window that was active when the
// burst began), and time passes in random amounts, timer tick by timer tick.
class EventChooser {
public:
    struct Outcome {
        std::string text;
        bool closed_main { false };
    };
    // Called after every timer tick inside an event (with the timer that
    // ticked) and after an activation that precedes a click (nullptr);
    // returns false to stop the event there.
    using Checkpoint = std::function<bool(rt::Control const*)>;

    EventChooser(rt::Headless&, RandomSource&, Checkpoint);

    // The first event of a run: mostly an answer to the start dialog.
    Outcome answer();
    Outcome next();

private:
    Outcome click();
    Outcome key();
    Outcome burst();
    Outcome menu();
    Outcome activate();
    Outcome close(rt::Form&);
    Outcome pass_time();
    Outcome stall();
    Outcome time_of_day();
    Outcome press(rt::KeyStroke);
    Outcome click_control(rt::Control&);

    std::vector<rt::Form*> visible_forms() const;
    rt::Form* active() const;
    // Brings the window to the front as a click on it does; false when a
    // checkpoint asked to stop.
    bool bring_forward(rt::Form&, std::string& text);
    std::string stamp() const;

    rt::Headless& m_h;
    RandomSource& m_random;
    Checkpoint m_checkpoint;
};

std::string name_of(rt::Control const&);
