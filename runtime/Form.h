#pragma once

#include "Control.h"
#include "ControlDefinition.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rt {

class Runtime;

// One window of the program, built from its definition: the derived class
// declares every control as a member (RT_CONTROL, RT_CONTROL_ARRAY), so a
// misspelled control does not compile, and overrides the event procedures it
// has. The run time keeps one instance per window class.
class Form {
public:
    Form(Runtime&, std::string_view name, ControlDefinition const& definition);
    Form(Form const&) = delete;
    Form& operator=(Form const&) = delete;
    virtual ~Form();

    Runtime& runtime() const { return m_runtime; }
    std::string const& name() const { return m_self.name(); }

    // The window's own properties: Caption, Left, Top, Width, Height (outer
    // frame, in twips), Picture, Icon, MousePointer, BackColor ...
    Control& self() { return m_self; }
    Control const& self() const { return m_self; }
    float client_width() const;
    float client_height() const;
    // The height of the frame around the client area (caption bar, menu bar,
    // borders) as the desktop draws it, in twips. Until a front end has
    // measured it, the frame is the one a window of this style would have.
    void set_measured_frame_height(float twips);
    float frame_height() const;
    bool has_menu_bar() const;
    // 0 normal, 1 minimized, 2 maximized.
    int window_state() const { return m_self.properties().window_state; }
    void set_window_state(int);

    bool loaded() const { return m_loaded; }
    bool visible() const { return m_self.visible(); }
    void show();
    void hide();
    void unload();

    std::vector<Control*> const& controls() const { return m_controls; }
    Control* find(std::string_view name, int index = -1) const;
    Control& control(std::string_view name, int index = -1) const;
    // The controls directly inside a container (nullptr: the client area), from
    // the back to the front: graphical controls first, then windowed ones.
    std::vector<Control*> stacking(Control const* container) const;
    std::vector<Control*> menu_items(Control const* menu) const;
    Control* focused() const { return m_focused; }
    // The controls that Tab visits, in tab order.
    std::vector<Control*> tab_order() const;
    bool has_focusable_controls() const;

    virtual void Form_Load() { }
    virtual void Form_Activate() { }
    virtual void Form_Deactivate() { }
    virtual void Form_LostFocus() { }
    virtual void Form_Click() { }
    virtual void Form_Unload(int& cancel) { (void)cancel; }

protected:
    template<class T>
    T& form();
    template<class M>
    M& module();
    [[noreturn]] void End();
    void Beep();
    double Timer();
    int MsgBox(std::string const& text, int flags, std::string const& title);
    std::string app_path() const;
    std::string path_beside_program(std::string_view name) const;

private:
    friend class Control;
    friend class ControlArray;
    friend class Runtime;
    void register_control(Control&);
    void finish_definition();
    void control_changed(Control&, Property);
    long next_front_rank() { return ++m_front_rank; }
    long next_back_rank() { return --m_back_rank; }

    Runtime& m_runtime;
    std::vector<Control*> m_controls;
    Control m_self;
    Control* m_focused { nullptr };
    bool m_loaded { false };
    std::optional<float> m_measured_frame_height;
    bool m_outer_height_set { false };
    long m_front_rank { 0 };
    long m_back_rank { 0 };
};

// A control array: controls of one name told apart by an index, such as the
// nine places of the spread. Indexes need not start at 0 nor be contiguous.
class ControlArray {
public:
    ControlArray(Form&, std::string_view name, ArrayDefinition const&);

    Control& operator()(int index) const;
    bool contains(int index) const;
    int lbound() const { return m_lbound; }
    int ubound() const;
    int count() const { return static_cast<int>(m_elements.size()); }
    std::vector<Control*> elements() const;

    // Binds one procedure, which receives the index, to every element's click.
    template<class Procedure>
    void on_click(Procedure procedure)
    {
        for (auto& element : m_elements) {
            int const index = element->index();
            element->on_click = [procedure, index] { procedure(index); };
        }
    }

private:
    Control* at(int index) const;

    std::string m_name;
    std::vector<std::unique_ptr<Control>> m_elements;
    // Element lookup by index - lbound; event procedures index arrays on every tick.
    std::vector<Control*> m_by_index;
    int m_lbound { 0 };
};

}

// Declares a control of the window definition under its own name.
#define RT_CONTROL(name, ...)                                                                                          \
    ::rt::Control name { *this, #name, __VA_ARGS__ }
#define RT_CONTROL_ARRAY(name, ...)                                                                                    \
    ::rt::ControlArray name { *this, #name, __VA_ARGS__ }

#include "Runtime.h"

namespace rt {

template<class T>
T& Form::form()
{
    return m_runtime.form<T>();
}

template<class M>
M& Form::module()
{
    return m_runtime.module<M>();
}

}
