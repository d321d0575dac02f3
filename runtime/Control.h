#pragma once

#include "ControlDefinition.h"
#include "ControlPeer.h"
#include "Picture.h"
#include "Properties.h"
#include "Types.h"

#include <functional>
#include <string>
#include <string_view>
#include <utility>

namespace rt {

class Form;

// One control of a loaded window (or the window's own properties, for kind
// Form). It holds every property as the program reads and writes it; a setter
// that changes something tells the front end, which shows it.
class Control {
public:
    Control(Form& owner, std::string_view name, ControlDefinition const& definition, int index = -1);
    Control(Control const&) = delete;
    Control& operator=(Control const&) = delete;

    Form& form() const { return m_form; }
    std::string const& name() const { return m_name; }
    int index() const { return m_index; }
    Kind kind() const { return m_kind; }
    Control* container() const { return m_container; }

    // Every property as it stands; the program changes the ones below through
    // their setters, so that the front end hears of each change.
    Properties const& properties() const { return m_properties; }

    float left() const { return m_properties.left; }
    float top() const { return m_properties.top; }
    float width() const { return m_properties.width; }
    float height() const { return m_properties.height; }
    void set_left(float);
    void set_top(float);
    void set_width(float);
    void set_height(float);
    void move(float left, float top, float width, float height);

    std::string const& caption() const { return m_properties.caption; }
    void set_caption(std::string);
    bool enabled() const { return m_properties.enabled; }
    void set_enabled(bool);
    bool visible() const { return m_properties.visible; }
    void set_visible(bool);
    PictureRef const& picture() const { return m_properties.picture; }
    void set_picture(PictureRef);
    PictureRef const& down_picture() const { return m_properties.down_picture; }
    void set_down_picture(PictureRef);
    std::string const& tool_tip_text() const { return m_properties.tool_tip_text; }
    void set_tool_tip_text(std::string);
    Color fore_color() const { return m_properties.fore_color; }
    void set_fore_color(Color);
    Font const& font() const { return m_properties.font; }
    void set_font_name(std::string);
    void set_font_size(float);
    void set_font_underline(bool);

    // The key that Alt selects: the letter after the first single "&".
    char32_t access_key() const;
    // The caption as shown: "&&" is "&", a single "&" is dropped.
    std::string shown_caption() const;

    bool can_take_focus() const;
    // Visible and Enabled all the way up to the window.
    bool effectively_visible() const;
    bool effectively_enabled() const;

    // ZOrder 0 brings the control to the front of its siblings of its own layer;
    // any other position sends it to the back.
    void z_order(int position = 0);
    // Stacking rank among siblings of the same layer: higher lies in front.
    long stacking_rank() const { return m_stacking_rank; }
    void refresh();
    void set_focus();

    std::function<void()> on_click;
    std::function<void()> on_timer;

    // What shows this control in the front end, if anything does.
    ControlPeer* peer { nullptr };

private:
    friend class Form;
    friend class Runtime;
    void changed(Property);

    // Compares, stores and reports the change of one property.
    template<class T, class V>
    void assign(T Properties::*property, V&& value, Property what)
    {
        if (m_properties.*property == value)
            return;
        m_properties.*property = std::forward<V>(value);
        changed(what);
    }

    // One part of the font, which changes as a whole.
    template<class T>
    void assign_font(T Font::*part, T value)
    {
        Font font = m_properties.font;
        font.*part = std::move(value);
        assign(&Properties::font, std::move(font), Property::Font);
    }

    Form& m_form;
    std::string m_name;
    int m_index;
    Kind m_kind;
    Control* m_container;
    Properties m_properties;
    long m_stacking_rank { 0 };
    bool m_ticking { false };
};

}
