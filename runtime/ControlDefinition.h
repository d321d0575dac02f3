#pragma once

#include "Properties.h"
#include "Types.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace rt {

class Control;

// The declarative description of one control (or of a form): what the window
// definition says about it before any procedure has run. Built with chained
// setters named after the properties they set, so that a definition reads as a
// list of properties.
struct ControlDefinition {
    Kind kind { Kind::Image };
    Properties properties;
    // The picture box or menu that holds the control; nullptr for the window itself.
    Control* parent { nullptr };

    ControlDefinition& at(float left, float top, float width, float height)
    {
        properties.left = left, properties.top = top, properties.width = width, properties.height = height;
        return *this;
    }
    ControlDefinition& client_width(float twips) { return set(&Properties::client_width, twips); }
    ControlDefinition& client_height(float twips) { return set(&Properties::client_height, twips); }
    ControlDefinition& caption(std::string text) { return set(&Properties::caption, std::move(text)); }
    ControlDefinition& enabled(bool value) { return set(&Properties::enabled, value); }
    ControlDefinition& visible(bool value) { return set(&Properties::visible, value); }
    ControlDefinition& picture(std::string const& resource)
    {
        return set(&Properties::picture, load_picture(resource));
    }
    ControlDefinition& down_picture(std::string const& resource)
    {
        return set(&Properties::down_picture, load_picture(resource));
    }
    ControlDefinition& disabled_picture(std::string const& resource)
    {
        return set(&Properties::disabled_picture, load_picture(resource));
    }
    ControlDefinition& tool_tip_text(std::string text) { return set(&Properties::tool_tip_text, std::move(text)); }
    ControlDefinition& fore_color(Color c) { return set(&Properties::fore_color, c); }
    ControlDefinition& back_color(Color c) { return set(&Properties::back_color, c); }
    ControlDefinition& border_color(Color c) { return set(&Properties::border_color, c); }
    ControlDefinition& fill_color(Color c) { return set(&Properties::fill_color, c); }
    ControlDefinition& font(
        std::string name, float size, bool bold = false, bool italic = false, bool underline = false)
    {
        return set(&Properties::font, Font { std::move(name), size, bold, italic, underline, 204 });
    }
    ControlDefinition& stretch(bool value = true) { return set(&Properties::stretch, value); }
    ControlDefinition& border_style(BorderStyle style) { return set(&Properties::border_style, style); }
    ControlDefinition& alignment(Alignment a) { return set(&Properties::alignment, a); }
    ControlDefinition& transparent(bool value = true) { return set(&Properties::transparent, value); }
    ControlDefinition& graphical(bool value = true) { return set(&Properties::graphical, value); }
    ControlDefinition& shape(ShapeKind k) { return set(&Properties::shape, k); }
    ControlDefinition& border_width(int pixels) { return set(&Properties::border_width, pixels); }
    ControlDefinition& default_button(bool value = true) { return set(&Properties::default_button, value); }
    ControlDefinition& cancel_button(bool value = true) { return set(&Properties::cancel_button, value); }
    ControlDefinition& tab_index(int index) { return set(&Properties::tab_index, index); }
    ControlDefinition& interval(int ms) { return set(&Properties::interval, ms); }
    ControlDefinition& shortcut(Key key) { return set(&Properties::shortcut, key); }
    // A custom pointer: the picture and the pixel of it that points.
    ControlDefinition& mouse_icon(std::string const& resource, int hot_x, int hot_y)
    {
        properties.mouse_pointer = mouse_pointer_custom;
        return set(&Properties::mouse_icon, load_picture(resource, hot_x, hot_y));
    }
    ControlDefinition& icon(std::string const& resource) { return set(&Properties::icon, load_picture(resource)); }
    ControlDefinition& max_button(bool value) { return set(&Properties::max_button, value); }
    ControlDefinition& min_button(bool value) { return set(&Properties::min_button, value); }
    ControlDefinition& start_up_position(StartUpPosition position)
    {
        return set(&Properties::start_up_position, position);
    }
    ControlDefinition& container(Control& holder)
    {
        parent = &holder;
        return *this;
    }

private:
    template<class T, class V>
    ControlDefinition& set(T Properties::*property, V&& value)
    {
        properties.*property = std::forward<V>(value);
        return *this;
    }
};

inline ControlDefinition of_kind(Kind kind)
{
    ControlDefinition d;
    d.kind = kind;
    return d;
}

// A window starts hidden, in a fixed single frame.
inline ControlDefinition form_window()
{
    return of_kind(Kind::Form).visible(false).border_style(BorderStyle::FixedSingle);
}

inline ControlDefinition image(float l, float t, float w, float h) { return of_kind(Kind::Image).at(l, t, w, h); }

// A picture box has a sunken frame unless its definition says otherwise.
inline ControlDefinition picture_box(float l, float t, float w, float h)
{
    return of_kind(Kind::PictureBox).at(l, t, w, h).border_style(BorderStyle::FixedSingle);
}

inline ControlDefinition label(float l, float t, float w, float h) { return of_kind(Kind::Label).at(l, t, w, h); }

inline ControlDefinition button(float l, float t, float w, float h)
{
    return of_kind(Kind::CommandButton).at(l, t, w, h);
}

inline ControlDefinition shape(float l, float t, float w, float h) { return of_kind(Kind::Shape).at(l, t, w, h); }

inline ControlDefinition line(float x1, float y1, float x2, float y2)
{
    ControlDefinition d = of_kind(Kind::Line);
    d.properties.x1 = x1, d.properties.y1 = y1, d.properties.x2 = x2, d.properties.y2 = y2;
    return d;
}

inline ControlDefinition timer(int interval_ms, bool enabled)
{
    return of_kind(Kind::Timer).interval(interval_ms).enabled(enabled);
}

inline ControlDefinition menu(std::string caption) { return of_kind(Kind::Menu).caption(std::move(caption)); }

inline ControlDefinition menu_item(std::string caption, Key shortcut = Key::None)
{
    return of_kind(Kind::MenuItem).shortcut(shortcut).caption(std::move(caption));
}

// The elements of a control array, each with its index, in the order in which
// the window creates them (later ones lie in front).
using ArrayDefinition = std::vector<std::pair<int, ControlDefinition>>;

inline ArrayDefinition elements(int first, int last, std::function<ControlDefinition(int)> const& make)
{
    ArrayDefinition result;
    int const step = first <= last ? 1 : -1;
    for (int i = first;; i += step) {
        result.emplace_back(i, make(i));
        if (i == last)
            break;
    }
    return result;
}

}
