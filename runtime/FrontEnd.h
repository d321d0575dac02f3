#pragma once

#include "Types.h"

#include <cstdint>
#include <string>

namespace rt {

class Control;
class Form;

// What shows the windows to a user (or to a test). The run time keeps every
// property itself and tells the front end what changed; the front end tells the
// run time what the user did, through Runtime's input methods.
class FrontEnd {
public:
    virtual ~FrontEnd() = default;

    virtual void form_created(Form&) = 0;
    virtual void form_destroyed(Form&) = 0;
    virtual void form_activated(Form&) = 0;
    // Also for the window itself (its self() control): Visible shows or hides it.
    virtual void property_changed(Control&, Property) = 0;
    virtual void stacking_changed(Control&) = 0;
    virtual void focus_changed(Form&, FocusReason) = 0;
    virtual void refresh(Control&) = 0;

    virtual void beep() = 0;
    // Shows a message box and returns when it is closed.
    virtual void message_box(std::string const& text, int flags, std::string const& title) = 0;

    // Milliseconds of a steady clock, for the timers.
    virtual std::int64_t now_ms() = 0;
    virtual double seconds_since_midnight() = 0;
    // The earliest due time of the timers may have changed.
    virtual void timers_changed() = 0;
    // The program has ended: close every window and leave the event loop.
    virtual void quit() = 0;
};

}
