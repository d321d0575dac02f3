#include "Control.h"

#include "Form.h"
#include "Utf8.h"

namespace rt {

Control::Control(Form& owner, std::string_view name, ControlDefinition const& definition, int index)
    : m_form(owner)
    , m_name(name)
    , m_index(index)
    , m_kind(definition.kind)
    , m_container(definition.parent)
    , m_properties(definition.properties)
{
    if (m_kind != Kind::Form)
        owner.register_control(*this);
}

void Control::changed(Property property) { m_form.control_changed(*this, property); }

void Control::set_left(float value) { assign(&Properties::left, value, Property::Geometry); }

void Control::set_top(float value) { assign(&Properties::top, value, Property::Geometry); }

void Control::set_width(float value) { assign(&Properties::width, value, Property::Geometry); }

void Control::set_height(float value)
{
    if (m_kind == Kind::Form)
        m_form.m_outer_height_set = true;
    assign(&Properties::height, value, Property::Geometry);
}

void Control::move(float left, float top, float width, float height)
{
    auto& p = m_properties;
    if (m_kind == Kind::Form)
        m_form.m_outer_height_set = true;
    if (p.left == left && p.top == top && p.width == width && p.height == height)
        return;
    p.left = left, p.top = top, p.width = width, p.height = height;
    changed(Property::Geometry);
}

void Control::set_caption(std::string value) { assign(&Properties::caption, std::move(value), Property::Caption); }

void Control::set_enabled(bool value)
{
    if (m_kind != Kind::Timer) {
        assign(&Properties::enabled, value, Property::Enabled);
        return;
    }
    // A timer is shown by nothing: its schedule follows it instead.
    if (m_properties.enabled == value)
        return;
    m_properties.enabled = value;
    if (m_form.loaded())
        m_form.runtime().timer_enabled_changed(*this);
}

void Control::set_visible(bool value)
{
    if (m_kind == Kind::Form) {
        value ? m_form.show() : m_form.hide();
        return;
    }
    assign(&Properties::visible, value, Property::Visible);
}

void Control::set_picture(PictureRef value) { assign(&Properties::picture, std::move(value), Property::Picture); }

void Control::set_down_picture(PictureRef value)
{
    assign(&Properties::down_picture, std::move(value), Property::DownPicture);
}

void Control::set_tool_tip_text(std::string value)
{
    assign(&Properties::tool_tip_text, std::move(value), Property::ToolTipText);
}

void Control::set_fore_color(Color value) { assign(&Properties::fore_color, value, Property::ForeColor); }

void Control::set_font_name(std::string value) { assign_font(&Font::name, std::move(value)); }

void Control::set_font_size(float value) { assign_font(&Font::size, value); }

void Control::set_font_underline(bool value) { assign_font(&Font::underline, value); }

char32_t Control::access_key() const
{
    std::size_t pos = 0;
    while (pos < m_properties.caption.size()) {
        char32_t const c = decode_utf8(m_properties.caption, pos);
        if (c != U'&' || pos >= m_properties.caption.size())
            continue;
        char32_t const next = decode_utf8(m_properties.caption, pos);
        if (next != U'&')
            return fold_case(next);
    }
    return 0;
}

std::string Control::shown_caption() const
{
    std::string out;
    for (std::size_t i = 0; i < m_properties.caption.size(); ++i) {
        if (m_properties.caption[i] == '&') {
            if (i + 1 < m_properties.caption.size() && m_properties.caption[i + 1] == '&')
                out += m_properties.caption[++i];
            continue;
        }
        out += m_properties.caption[i];
    }
    return out;
}

bool Control::effectively_visible() const
{
    for (Control const* c = this; c; c = c->m_container) {
        if (!c->m_properties.visible)
            return false;
    }
    return m_form.visible();
}

bool Control::effectively_enabled() const
{
    for (Control const* c = this; c; c = c->m_container) {
        if (!c->m_properties.enabled)
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
