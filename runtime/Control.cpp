#include "Control.h"

#include "Form.h"
#include "Utf8.h"

namespace rt {

Control::Control(Form& owner, std::string_view name, ControlDefinition const& d, int index)
    : m_form(owner)
    , m_name(name)
    , m_index(index)
    , m_kind(d.kind)
    , m_container(d.parent)
    , m_left(d.left)
    , m_top(d.top)
    , m_width(d.width)
    , m_height(d.height)
    , m_x1(d.x1)
    , m_y1(d.y1)
    , m_x2(d.x2)
    , m_y2(d.y2)
    , m_caption(d.caption_text)
    , m_enabled(d.is_enabled)
    , m_visible(d.kind == Kind::Form ? false : d.is_visible)
    , m_picture(load_picture(d.picture_resource))
    , m_down_picture(load_picture(d.down_picture_resource))
    , m_disabled_picture(load_picture(d.disabled_picture_resource))
    , m_mouse_icon(load_picture(d.mouse_icon_resource, d.mouse_hot_x, d.mouse_hot_y))
    , m_icon(load_picture(d.icon_resource))
    , m_mouse_pointer(d.pointer)
    , m_tool_tip_text(d.tool_tip)
    , m_fore_color(d.fore)
    , m_back_color(d.back)
    , m_border_color(d.border)
    , m_fill_color(d.fill)
    , m_font(d.text_font)
    , m_stretch(d.is_stretched)
    , m_border_style(d.control_border)
    , m_window_border_style(d.window_border)
    , m_alignment(d.text_alignment)
    , m_transparent(d.is_transparent)
    , m_graphical_style(d.is_graphical_style)
    , m_shape(d.shape_kind)
    , m_border_width(d.border_pixels)
    , m_default(d.is_default)
    , m_cancel(d.is_cancel)
    , m_tab_index(d.tab)
    , m_interval(d.interval_ms)
    , m_shortcut(d.shortcut_key)
    , m_max_button(d.has_max_button)
    , m_min_button(d.has_min_button)
    , m_start_up_position(d.startup)
{
    if (m_kind != Kind::Form)
        owner.register_control(*this);
}

void Control::changed(Property property) { m_form.control_changed(*this, property); }

void Control::set_left(float value)
{
    if (m_left == value)
        return;
    m_left = value;
    changed(Property::Geometry);
}

void Control::set_top(float value)
{
    if (m_top == value)
        return;
    m_top = value;
    changed(Property::Geometry);
}

void Control::set_width(float value)
{
    if (m_width == value)
        return;
    m_width = value;
    changed(Property::Geometry);
}

void Control::set_height(float value)
{
    if (m_height == value)
        return;
    m_height = value;
    changed(Property::Geometry);
}

void Control::move(float left, float top, float width, float height)
{
    if (m_left == left && m_top == top && m_width == width && m_height == height)
        return;
    m_left = left, m_top = top, m_width = width, m_height = height;
    changed(Property::Geometry);
}

void Control::set_caption(std::string value)
{
    if (m_caption == value)
        return;
    m_caption = std::move(value);
    changed(Property::Caption);
}

void Control::set_enabled(bool value)
{
    if (m_enabled == value)
        return;
    m_enabled = value;
    if (m_kind == Kind::Timer) {
        if (m_form.loaded())
            m_form.runtime().timer_enabled_changed(*this);
        return;
    }
    changed(Property::Enabled);
}

void Control::set_visible(bool value)
{
    if (m_kind == Kind::Form) {
        value ? m_form.show() : m_form.hide();
        return;
    }
    if (m_visible == value)
        return;
    m_visible = value;
    changed(Property::Visible);
}

void Control::set_picture(PictureRef value)
{
    if (m_picture == value)
        return;
    m_picture = std::move(value);
    changed(Property::Picture);
}

void Control::set_down_picture(PictureRef value)
{
    if (m_down_picture == value)
        return;
    m_down_picture = std::move(value);
    changed(Property::DownPicture);
}

void Control::set_tool_tip_text(std::string value)
{
    if (m_tool_tip_text == value)
        return;
    m_tool_tip_text = std::move(value);
    changed(Property::ToolTipText);
}

void Control::set_fore_color(Color value)
{
    if (m_fore_color == value)
        return;
    m_fore_color = value;
    changed(Property::ForeColor);
}

void Control::set_font_name(std::string value)
{
    if (m_font.name == value)
        return;
    m_font.name = std::move(value);
    changed(Property::Font);
}

void Control::set_font_size(float value)
{
    if (m_font.size == value)
        return;
    m_font.size = value;
    changed(Property::Font);
}

void Control::set_font_underline(bool value)
{
    if (m_font.underline == value)
        return;
    m_font.underline = value;
    changed(Property::Font);
}

char32_t Control::access_key() const
{
    std::size_t pos = 0;
    while (pos < m_caption.size()) {
        char32_t const c = decode_utf8(m_caption, pos);
        if (c != U'&' || pos >= m_caption.size())
            continue;
        char32_t const next = decode_utf8(m_caption, pos);
        if (next != U'&')
            return fold_case(next);
    }
    return 0;
}

std::string Control::shown_caption() const
{
    std::string out;
    for (std::size_t i = 0; i < m_caption.size(); ++i) {
        if (m_caption[i] == '&') {
            if (i + 1 < m_caption.size() && m_caption[i + 1] == '&')
                out += m_caption[++i];
            continue;
        }
        out += m_caption[i];
    }
    return out;
}

bool Control::effectively_visible() const
{
    for (Control const* c = this; c; c = c->m_container) {
        if (!c->m_visible)
            return false;
    }
    return m_form.visible();
}

bool Control::effectively_enabled() const
{
    for (Control const* c = this; c; c = c->m_container) {
        if (!c->m_enabled)
            return false;
    }
    return m_form.self().enabled();
}

bool Control::can_take_focus() const { return is_windowed(m_kind) && effectively_visible() && effectively_enabled(); }

void Control::z_order(int position)
{
    m_stacking_rank = position == 0 ? m_form.next_front_rank() : m_form.next_back_rank();
    if (m_form.loaded())
        m_form.runtime().stacking_changed(*this);
}

void Control::refresh()
{
    if (m_form.loaded())
        m_form.runtime().front_end().refresh(*this);
}

void Control::set_focus() { m_form.runtime().set_focus(*this); }

}
