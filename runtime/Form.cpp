#include "Form.h"

#include <algorithm>

namespace rt {

namespace {

    // The frame around the client area, in twips: borders, caption bar and menu bar.
    struct Frame {
        float side { 0 };
        float top { 0 };
        float bottom { 0 };
    };

    Frame frame_of(BorderStyle style, bool menu_bar)
    {
        constexpr float border = 45, caption = 330, tool_caption = 240, menu = 240;
        switch (style) {
        case BorderStyle::None:
            return {};
        case BorderStyle::FixedToolWindow:
            return { border, border + tool_caption + (menu_bar ? menu : 0), border };
        case BorderStyle::FixedSingle:
            break;
        }
        return { border, border + caption + (menu_bar ? menu : 0), border };
    }

}

Form::Form(Runtime& runtime, std::string_view name, ControlDefinition const& definition)
    : m_runtime(runtime)
    , m_self(*this, name, definition)
{
}

// The definition gives the client area; the outer size follows from the frame,
// which is known once every control, the menus among them, exists.
void Form::finish_definition()
{
    Properties& p = m_self.m_properties;
    if (p.client_width <= 0 || p.client_height <= 0)
        return;
    p.width = p.client_width + 2 * frame_of(p.border_style, has_menu_bar()).side;
    p.height = p.client_height + frame_height();
}

Form::~Form() = default;

void Form::register_control(Control& control)
{
    control.m_stacking_rank = next_front_rank();
    m_controls.push_back(&control);
}

void Form::control_changed(Control& control, Property property)
{
    if (m_loaded)
        m_runtime.front_end().property_changed(control, property);
}

bool Form::has_menu_bar() const
{
    return std::any_of(m_controls.begin(), m_controls.end(),
        [](Control const* c) { return c->kind() == Kind::Menu && !c->container(); });
}

float Form::client_width() const
{
    return m_self.width() - 2 * frame_of(m_self.properties().border_style, has_menu_bar()).side;
}

float Form::frame_height() const
{
    if (m_measured_frame_height)
        return *m_measured_frame_height;
    Frame const f = frame_of(m_self.properties().border_style, has_menu_bar());
    return f.top + f.bottom;
}

// The client area takes what the frame leaves of the outer height.
float Form::client_height() const { return m_self.height() - frame_height(); }

// Until the program sets the outer height, the definition's client height
// holds and the outer height follows the frame; once it has, the outer height
// holds and the client area gets the rest.
void Form::set_measured_frame_height(float twips)
{
    m_measured_frame_height = twips;
    Properties& p = m_self.m_properties;
    if (!m_outer_height_set && p.client_height > 0)
        p.height = p.client_height + twips;
}

void Form::set_window_state(int state) { m_self.assign(&Properties::window_state, state, Property::WindowState); }

void Form::show() { m_runtime.show(*this); }

void Form::hide() { m_runtime.hide(*this); }

void Form::unload() { m_runtime.unload(*this); }

Control* Form::find(std::string_view name, int index) const
{
    for (Control* c : m_controls) {
        if (c->name() == name && c->index() == index)
            return c;
    }
    return nullptr;
}

Control& Form::control(std::string_view name, int index) const
{
    if (Control* c = find(name, index))
        return *c;
    throw RuntimeError(error::subscript_out_of_range, "No control " + std::string(name) + " in " + this->name());
}

std::vector<Control*> Form::stacking(Control const* container) const
{
    std::vector<Control*> result;
    for (Control* c : m_controls) {
        if (c->container() == container && (is_windowed(c->kind()) || is_graphical(c->kind())))
            result.push_back(c);
    }
    std::stable_sort(result.begin(), result.end(), [](Control const* a, Control const* b) {
        bool const aw = is_windowed(a->kind()), bw = is_windowed(b->kind());
        return aw != bw ? bw : a->stacking_rank() < b->stacking_rank();
    });
    return result;
}

std::vector<Control*> Form::menu_items(Control const* menu) const
{
    std::vector<Control*> result;
    for (Control* c : m_controls) {
        if ((c->kind() == Kind::Menu || c->kind() == Kind::MenuItem) && c->container() == menu)
            result.push_back(c);
    }
    return result;
}

std::vector<Control*> Form::tab_order() const
{
    std::vector<Control*> result;
    for (Control* c : m_controls) {
        if (c->can_take_focus())
            result.push_back(c);
    }
    std::stable_sort(result.begin(), result.end(),
        [](Control const* a, Control const* b) { return a->properties().tab_index < b->properties().tab_index; });
    return result;
}

bool Form::has_focusable_controls() const
{
    return std::any_of(m_controls.begin(), m_controls.end(), [](Control const* c) { return is_windowed(c->kind()); });
}

void Form::End() { m_runtime.end(); }

void Form::Beep() { m_runtime.beep(); }

double Form::Timer() { return m_runtime.timer(); }

int Form::MsgBox(std::string const& text, int flags, std::string const& title)
{
    return m_runtime.msg_box(text, flags, title);
}

std::string Form::app_path() const { return m_runtime.app_path(); }

std::string Form::path_beside_program(std::string_view name) const { return m_runtime.path_beside_program(name); }

ControlArray::ControlArray(Form& owner, std::string_view name, ArrayDefinition const& definition)
    : m_name(name)
{
    auto const [lowest, highest] = std::minmax_element(
        definition.begin(), definition.end(), [](auto const& a, auto const& b) { return a.first < b.first; });
    if (lowest == definition.end())
        return;
    m_lbound = lowest->first;
    m_by_index.resize(static_cast<std::size_t>(highest->first - m_lbound + 1), nullptr);
    for (auto const& [index, element] : definition) {
        m_elements.push_back(std::make_unique<Control>(owner, name, element, index));
        m_by_index[static_cast<std::size_t>(index - m_lbound)] = m_elements.back().get();
    }
}

Control* ControlArray::at(int index) const
{
    auto const offset = static_cast<std::size_t>(index - m_lbound);
    return index >= m_lbound && offset < m_by_index.size() ? m_by_index[offset] : nullptr;
}

Control& ControlArray::operator()(int index) const
{
    if (Control* element = at(index))
        return *element;
    throw RuntimeError(error::control_array_element_does_not_exist,
        "Control array element " + std::to_string(index) + " of " + m_name + " doesn't exist");
}

bool ControlArray::contains(int index) const { return at(index) != nullptr; }

int ControlArray::ubound() const { return m_lbound + static_cast<int>(m_by_index.size()) - 1; }

std::vector<Control*> ControlArray::elements() const
{
    std::vector<Control*> result;
    for (auto const& e : m_elements)
        result.push_back(e.get());
    return result;
}

}
