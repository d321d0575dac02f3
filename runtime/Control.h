#pragma once

#include "ControlDefinition.h"
#include "ControlPeer.h"
#include "Picture.h"
#include "Types.h"

#include <functional>
#include <string>
#include <string_view>

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

    float left() const { return m_left; }
    float top() const { return m_top; }
    float width() const { return m_width; }
    float height() const { return m_height; }
    void set_left(float);
    void set_top(float);
    void set_width(float);
    void set_height(float);
    void move(float left, float top, float width, float height);
    float x1() const { return m_x1; }
    float y1() const { return m_y1; }
    float x2() const { return m_x2; }
    float y2() const { return m_y2; }

    std::string const& caption() const { return m_caption; }
    void set_caption(std::string);
    bool enabled() const { return m_enabled; }
    void set_enabled(bool);
    bool visible() const { return m_visible; }
    void set_visible(bool);

    PictureRef const& picture() const { return m_picture; }
    void set_picture(PictureRef);
    PictureRef const& down_picture() const { return m_down_picture; }
    void set_down_picture(PictureRef);
    PictureRef const& disabled_picture() const { return m_disabled_picture; }
    PictureRef const& mouse_icon() const { return m_mouse_icon; }
    int mouse_pointer() const { return m_mouse_pointer; }
    PictureRef const& icon() const { return m_icon; }

    std::string const& tool_tip_text() const { return m_tool_tip_text; }
    void set_tool_tip_text(std::string);

    Color fore_color() const { return m_fore_color; }
    void set_fore_color(Color);
    Color back_color() const { return m_back_color; }
    Color border_color() const { return m_border_color; }
    Color fill_color() const { return m_fill_color; }

    Font const& font() const { return m_font; }
    void set_font_name(std::string);
    void set_font_size(float);
    void set_font_underline(bool);

    bool stretch() const { return m_stretch; }
    int border_style() const { return m_border_style; }
    BorderStyle window_border_style() const { return m_window_border_style; }
    Alignment alignment() const { return m_alignment; }
    bool transparent() const { return m_transparent; }
    bool graphical_style() const { return m_graphical_style; }
    ShapeKind shape() const { return m_shape; }
    int border_width() const { return m_border_width; }
    bool is_default() const { return m_default; }
    bool is_cancel() const { return m_cancel; }
    int tab_index() const { return m_tab_index; }
    int interval() const { return m_interval; }
    Key shortcut() const { return m_shortcut; }
    bool max_button() const { return m_max_button; }
    bool min_button() const { return m_min_button; }
    StartUpPosition start_up_position() const { return m_start_up_position; }

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

    Form& m_form;
    std::string m_name;
    int m_index;
    Kind m_kind;
    Control* m_container;
    float m_left, m_top, m_width, m_height;
    float m_x1, m_y1, m_x2, m_y2;
    std::string m_caption;
    bool m_enabled;
    bool m_visible;
    PictureRef m_picture;
    PictureRef m_down_picture;
    PictureRef m_disabled_picture;
    PictureRef m_mouse_icon;
    PictureRef m_icon;
    int m_mouse_pointer;
    std::string m_tool_tip_text;
    Color m_fore_color, m_back_color, m_border_color, m_fill_color;
    Font m_font;
    bool m_stretch;
    int m_border_style;
    BorderStyle m_window_border_style;
    Alignment m_alignment;
    bool m_transparent;
    bool m_graphical_style;
    ShapeKind m_shape;
    int m_border_width;
    bool m_default, m_cancel;
    int m_tab_index;
    int m_interval;
    Key m_shortcut;
    bool m_max_button, m_min_button;
    StartUpPosition m_start_up_position;
    long m_stacking_rank { 0 };
    bool m_ticking { false };
};

}
