#include "Input.h"

#include "Form.h"
#include "Runtime.h"
#include "Utf8.h"

#include <algorithm>

namespace rt {

void Input::click(Control& control)
{
    m_runtime.dispatch([&] {
        if (control.can_take_focus() && control.kind() == Kind::CommandButton)
            m_runtime.set_focus(control, FocusReason::Mouse);
        click_guarded(control);
    });
}

void Input::click_menu(Control& item)
{
    m_runtime.dispatch([&] {
        if (item.kind() != Kind::MenuItem && item.kind() != Kind::Menu)
            return;
        click_guarded(item);
    });
}

void Input::click_form(Form& form)
{
    m_runtime.dispatch([&] {
        if (form.loaded() && form.visible() && form.self().enabled())
            form.Form_Click();
    });
}

bool Input::key_press(Form& form, KeyStroke key)
{
    bool used = false;
    m_runtime.dispatch([&] {
        if (!form.loaded() || !form.visible())
            return;
        if (KeyAction const action = key_action(form, key)) {
            // Used even when what it does ends the program or raises an error.
            used = true;
            action();
        }
    });
    return used;
}

Input::KeyAction Input::key_action(Form& form, KeyStroke key)
{
    switch (key.key) {
    case Key::Character:
        return access_key(form, key);
    case Key::Space:
    case Key::Enter:
    case Key::Escape:
        return button_key(form, key);
    case Key::Tab:
        return tab_key(form, key);
    default:
        if (key.key >= Key::F1 && key.key <= Key::F12)
            return function_key(form, key);
        return {};
    }
}

Input::KeyAction Input::function_key(Form& form, KeyStroke key)
{
    bool const alt_only = key.alt && !key.shift && !key.control;
    // Alt+F4 asks the active window to close, as its close box does.
    if (key.key == Key::F4 && alt_only)
        return [this, &form] { m_runtime.unload(form); };
    // A shortcut key is the plain key: with any modifier it is another key,
    // which no menu item has.
    if (key.shift || key.control || key.alt)
        return {};
    auto const item = std::find_if(form.controls().begin(), form.controls().end(),
        [&](Control const* c) { return c->kind() == Kind::MenuItem && c->properties().shortcut == key.key; });
    // A disabled item ignores its key.
    if (item == form.controls().end() || !(*item)->effectively_enabled() || !(*item)->visible())
        return {};
    return [c = *item] {
        if (c->on_click)
            c->on_click();
    };
}

Input::KeyAction Input::access_key(Form& form, KeyStroke key)
{
    if (!key.alt)
        return {};
    char32_t const letter = fold_case(key.character);
    for (Control* c : form.controls()) {
        if (c->kind() == Kind::CommandButton && c->access_key() == letter && c->can_take_focus()) {
            return [this, c] {
                m_runtime.set_focus(*c, FocusReason::Keyboard);
                click_guarded(*c);
            };
        }
    }
    return {};
}

// Space clicks the focused button, Enter the focused button or else the
// default one, Esc the cancel button.
Input::KeyAction Input::button_key(Form& form, KeyStroke key)
{
    if (key.key == Key::Escape)
        return click_action(default_or_cancel(form, true));
    if (key.alt)
        return {};
    Control* focused = form.focused();
    if (focused && focused->kind() == Kind::CommandButton && focused->can_take_focus())
        return click_action(focused);
    if (key.key == Key::Enter)
        return click_action(default_or_cancel(form, false));
    return {};
}

Input::KeyAction Input::tab_key(Form& form, KeyStroke key)
{
    if (key.alt || key.control)
        return {};
    return [this, &form, backwards = key.shift] { move_focus(form, backwards); };
}

Input::KeyAction Input::click_action(Control* target)
{
    if (!target)
        return {};
    return [this, target] { click_guarded(*target); };
}

void Input::click_guarded(Control& control)
{
    if (!control.form().loaded() || !control.effectively_visible() || !control.effectively_enabled())
        return;
    if (control.on_click)
        control.on_click();
}

Control* Input::default_or_cancel(Form& form, bool cancel) const
{
    for (Control* c : form.controls()) {
        if (c->kind() == Kind::CommandButton
            && (cancel ? c->properties().cancel_button : c->properties().default_button) && c->effectively_visible()
            && c->effectively_enabled())
            return c;
    }
    return nullptr;
}

void Input::move_focus(Form& form, bool backwards)
{
    auto order = form.tab_order();
    if (order.empty())
        return;
    auto it = std::find(order.begin(), order.end(), form.focused());
    std::size_t next = 0;
    if (it != order.end()) {
        auto const here = static_cast<std::size_t>(it - order.begin());
        next = backwards ? (here + order.size() - 1) % order.size() : (here + 1) % order.size();
    } else if (backwards) {
        next = order.size() - 1;
    }
    m_runtime.set_focus(*order[next], FocusReason::Keyboard);
}

}
