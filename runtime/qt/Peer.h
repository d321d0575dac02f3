#pragma once

#include "runtime/ControlPeer.h"

class QMenu;
class QWidget;

namespace rt {
class Control;
}

namespace rt::qt {

// A peer of the Qt front end: it knows its control until the control's window
// unloads (detach), and the widget that shows it. A signal that arrives after
// the unload finds no control and does nothing.
class Peer : public ControlPeer {
public:
    explicit Peer(Control& control)
        : m_control(&control)
    {
    }

    Control* control() const { return m_control; }
    void detach() { m_control = nullptr; }

    // What shows the control: nullptr for a menu item.
    virtual QWidget* widget() const = 0;
    // Where the controls inside this one go: a picture box's surface.
    virtual QWidget* content() const { return nullptr; }
    // Where the items of a menu go.
    virtual QMenu* menu() const { return nullptr; }

private:
    Control* m_control;
};

}
