#pragma once

#include "runtime/Control.h"
#include "runtime/ControlPeer.h"

class QMenu;
class QWidget;

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

// The peer of a control of the Qt front end, and the widget that shows it
// (nullptr for a timer or a menu item).
inline Peer* peer_of(Control const& control) { return static_cast<Peer*>(control.peer); }

inline QWidget* peer_widget(Control const& control)
{
    Peer const* peer = peer_of(control);
    return peer ? peer->widget() : nullptr;
}

}
