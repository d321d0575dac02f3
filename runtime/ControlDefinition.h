#pragma once

#include "Types.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace rt {

class Control;

enum class BorderStyle { None = 0, FixedSingle = 1, FixedToolWindow = 4 };
enum class StartUpPosition { Manual = 0, CenterOwner = 1, CenterScreen = 2 };
enum class Alignment { Left = 0, Right = 1, Center = 2 };
enum class ShapeKind { Rectangle = 0, Square = 1, Oval = 2, Circle = 3 };

constexpr int mouse_pointer_default = 0;
constexpr int mouse_pointer_custom = 99;

// The declarative description of one control (or of a form): what the window
// definition says about it before any procedure has run. Built with chained
// setters, so that a definition reads as a list of properties.
struct ControlDefinition {
    Kind kind { Kind::Image };
    float left { 0 }, top { 0 }, width { 0 }, height { 0 };
    float x1 { 0 }, y1 { 0 }, x2 { 0 }, y2 { 0 }; // lines only
    std::string caption_text;
    bool is_enabled { true };
    bool is_visible { true };
    std::string picture_resource;
    std::string down_picture_resource;
    std::string disabled_picture_resource;
    std::string tool_tip;
    Color fore { system_colors::button_text };
    Color back { system_colors::button_face };
    Color border { 0 };
    Color fill { 0 };
    Font text_font {};
    bool is_stretched { false };
    int control_border { 0 }; // BorderStyle of a control: 0 none, 1 fixed single
    BorderStyle window_border { BorderStyle::FixedSingle };
    Alignment text_alignment { Alignment::Left };
    bool is_transparent { false };
    bool is_graphical_style { false };
    ShapeKind shape_kind { ShapeKind::Rectangle };
    int border_pixels { 1 };
    bool is_default { false };
    bool is_cancel { false };
    int tab { -1 };
    int interval_ms { 0 };
    Key shortcut_key { Key::None };
    int pointer { mouse_pointer_default };
    std::string mouse_icon_resource;
    int mouse_hot_x { 0 }, mouse_hot_y { 0 };
    std::string icon_resource;
    bool has_max_button { true };
    bool has_min_button { true };
    StartUpPosition startup { StartUpPosition::Manual };
    float client_w { 0 }, client_h { 0 };
    Control* parent { nullptr };

    ControlDefinition& at(float l, float t, float w, float h)
    {
        left = l, top = t, width = w, height = h;
        return *this;
    }
    ControlDefinition& caption(std::string text)
    {
        caption_text = std::move(text);
        return *this;
    }
    ControlDefinition& disabled()
    {
        is_enabled = false;
        return *this;
    }
    ControlDefinition& enabled(bool value)
    {
        is_enabled = value;
        return *this;
    }
    ControlDefinition& hidden()
    {
        is_visible = false;
        return *this;
    }
    ControlDefinition& picture(std::string resource)
    {
        picture_resource = std::move(resource);
        return *this;
    }
    ControlDefinition& down_picture(std::string resource)
    {
        down_picture_resource = std::move(resource);
        return *this;
    }
    ControlDefinition& disabled_picture(std::string resource)
    {
        disabled_picture_resource = std::move(resource);
        return *this;
    }
    ControlDefinition& tool_tip_text(std::string text)
    {
        tool_tip = std::move(text);
        return *this;
    }
    ControlDefinition& fore_color(Color c)
    {
        fore = c;
        return *this;
    }
    ControlDefinition& back_color(Color c)
    {
        back = c;
        return *this;
    }
    ControlDefinition& border_color(Color c)
    {
        border = c;
        return *this;
    }
    ControlDefinition& fill_color(Color c)
    {
        fill = c;
        return *this;
    }
    ControlDefinition& font(
        std::string name, float size, bool bold = false, bool italic = false, bool underline = false)
    {
        text_font = Font { std::move(name), size, bold, italic, underline, 204 };
        return *this;
    }
    ControlDefinition& stretch()
    {
        is_stretched = true;
        return *this;
    }
    ControlDefinition& no_border()
    {
        control_border = 0;
        return *this;
    }
    ControlDefinition& single_border()
    {
        control_border = 1;
        return *this;
    }
    ControlDefinition& window_style(BorderStyle style)
    {
        window_border = style;
        return *this;
    }
    ControlDefinition& alignment(Alignment a)
    {
        text_alignment = a;
        return *this;
    }
    ControlDefinition& transparent()
    {
        is_transparent = true;
        return *this;
    }
    ControlDefinition& graphical()
    {
        is_graphical_style = true;
        return *this;
    }
    ControlDefinition& shape(ShapeKind k, int width_pixels)
    {
        shape_kind = k, border_pixels = width_pixels;
        return *this;
    }
    ControlDefinition& default_button()
    {
        is_default = true;
        return *this;
    }
    ControlDefinition& cancel_button()
    {
        is_cancel = true;
        return *this;
    }
    ControlDefinition& tab_index(int index)
    {
        tab = index;
        return *this;
    }
    ControlDefinition& shortcut(Key key)
    {
        shortcut_key = key;
        return *this;
    }
    ControlDefinition& mouse_icon(std::string resource, int hot_x, int hot_y)
    {
        pointer = mouse_pointer_custom;
        mouse_icon_resource = std::move(resource);
        mouse_hot_x = hot_x, mouse_hot_y = hot_y;
        return *this;
    }
    ControlDefinition& icon(std::string resource)
    {
        icon_resource = std::move(resource);
        return *this;
    }
    ControlDefinition& no_max_button()
    {
        has_max_button = false;
        return *this;
    }
    ControlDefinition& no_min_button()
    {
        has_min_button = false;
        return *this;
    }
    ControlDefinition& start_up(StartUpPosition position)
    {
        startup = position;
        return *this;
    }
    ControlDefinition& client_size(float w, float h)
    {
        client_w = w, client_h = h;
        return *this;
    }
    ControlDefinition& inside(Control& container)
    {
        parent = &container;
        return *this;
    }
};

inline ControlDefinition form_window()
{
    ControlDefinition d;
    d.kind = Kind::Form;
    return d;
}

inline ControlDefinition image(float l, float t, float w, float h)
{
    ControlDefinition d;
    d.kind = Kind::Image;
    return d.at(l, t, w, h);
}

inline ControlDefinition picture_box(float l, float t, float w, float h)
{
    ControlDefinition d;
    d.kind = Kind::PictureBox;
    d.control_border = 1;
    return d.at(l, t, w, h);
}

inline ControlDefinition label(float l, float t, float w, float h)
{
    ControlDefinition d;
    d.kind = Kind::Label;
    return d.at(l, t, w, h);
}

inline ControlDefinition button(float l, float t, float w, float h)
{
    ControlDefinition d;
    d.kind = Kind::CommandButton;
    return d.at(l, t, w, h);
}

inline ControlDefinition shape(float l, float t, float w, float h)
{
    ControlDefinition d;
    d.kind = Kind::Shape;
    return d.at(l, t, w, h);
}

inline ControlDefinition line(float x1, float y1, float x2, float y2)
{
    ControlDefinition d;
    d.kind = Kind::Line;
    d.x1 = x1, d.y1 = y1, d.x2 = x2, d.y2 = y2;
    return d;
}

inline ControlDefinition timer(int interval_ms, bool enabled)
{
    ControlDefinition d;
    d.kind = Kind::Timer;
    d.interval_ms = interval_ms;
    d.is_enabled = enabled;
    return d;
}

inline ControlDefinition menu(std::string caption)
{
    ControlDefinition d;
    d.kind = Kind::Menu;
    return d.caption(std::move(caption));
}

inline ControlDefinition menu_item(std::string caption, Key shortcut = Key::None)
{
    ControlDefinition d;
    d.kind = Kind::MenuItem;
    d.shortcut_key = shortcut;
    return d.caption(std::move(caption));
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
