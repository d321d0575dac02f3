#pragma once

#include <QMouseEvent>
#include <QWidget>

namespace rt::qt {

// A click is a press and a release of the left button, both on the widget:
// a press dragged off the widget and released elsewhere clicks nothing.
class ClickTracker {
public:
    void press(QMouseEvent const& event) { m_pressed = event.button() == Qt::LeftButton; }
    bool release(QMouseEvent const& event, QWidget const& widget)
    {
        bool const click
            = m_pressed && event.button() == Qt::LeftButton && widget.rect().contains(event.position().toPoint());
        m_pressed = false;
        return click;
    }

private:
    bool m_pressed { false };
};

}
