#pragma once

#include "Types.h"

#include <functional>

namespace rt {

class Control;
class Form;
class Runtime;

// What the user's clicks and keys mean to the windows: which control a click,
// a shortcut key, an access key, Space, Enter or Esc reaches, and where Tab
// moves the focus. The run time owns one and forwards its input calls to it.
class Input {
public:
    explicit Input(Runtime& runtime)
        : m_runtime(runtime)
    {
    }

    void click(Control&);
    void click_menu(Control&);
    bool key_press(Form&, KeyStroke);
    void click_form(Form&);

private:
    // What a key does in a window; empty when the window has no use for it.
    using KeyAction = std::function<void()>;

    KeyAction key_action(Form&, KeyStroke);
    KeyAction function_key(Form&, KeyStroke);
    KeyAction access_key(Form&, KeyStroke);
    KeyAction button_key(Form&, KeyStroke);
    KeyAction tab_key(Form&, KeyStroke);
    KeyAction click_action(Control* target);
    void click_guarded(Control&);
    Control* default_or_cancel(Form&, bool cancel) const;
    void move_focus(Form&, bool backwards);

    Runtime& m_runtime;
};

}
