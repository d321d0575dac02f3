#pragma once

#include "runtime/FrontEnd.h"
#include "runtime/Runtime.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class QWidget;

namespace rt {

class Control;
class Form;

// The desktop front end, on Qt 6 Widgets: shows the run time's windows and
// hands the user's input to the run time. A program's main() makes one and
// runs the startup window until the program ends:
//
//     rt::QtFrontEnd front_end(argc, argv);
//     return front_end.run<MainWindowForm>();
//
// This header includes no Qt header, so that the program's own code never
// depends on Qt.
class QtFrontEnd final : public FrontEnd {
public:
    // Creates the QApplication, unless one exists already: a test makes its own
    // and runs several front ends in turn, one at a time.
    QtFrontEnd(int& argc, char** argv);
    QtFrontEnd(QtFrontEnd const&) = delete;
    QtFrontEnd& operator=(QtFrontEnd const&) = delete;
    ~QtFrontEnd() override;

    Runtime& runtime() { return m_runtime; }

    // Loads and shows the startup window, then runs the event loop until End
    // or until the last window has unloaded; the program's exit code.
    template<class T>
    int run()
    {
        m_runtime.start<T>();
        return m_runtime.ended() ? 0 : exec();
    }
    int exec();

    // What shows a control (nullptr for a timer or a menu item) and a loaded
    // window's top-level widget, for tests.
    QWidget* widget_of(Control&) const;
    QWidget* window_of(Form&) const;
    // Told of each window that a frame or a Refresh has just painted.
    void set_frame_observer(std::function<void(QWidget&)>);

private:
    void form_created(Form&) override;
    void form_destroyed(Form&) override;
    void form_activated(Form&) override;
    void property_changed(Control&, Property) override;
    void stacking_changed(Control&) override;
    void focus_changed(Form&, FocusReason) override;
    void refresh(Control&) override;
    void beep() override;
    void message_box(std::string const& text, int flags, std::string const& title) override;
    std::int64_t now_ms() override;
    double seconds_since_midnight() override;
    void timers_changed() override;
    void quit() override;

    struct State;
    // Declared before the run time: the run time's destructor still tells the
    // front end about the windows it unloads.
    std::unique_ptr<State> m_state;
    Runtime m_runtime { *this };
};

}
