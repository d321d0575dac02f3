#include "ClickTracker.h"

#include <QMouseEvent>
#include <QWidget>

namespace rt::qt {

ClickTracker::ClickTracker(QWidget* widget)
    : QObject(widget)
{
    widget->installEventFilter(this);
}

bool ClickTracker::eventFilter(QObject* object, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: // the second press of a double click
        m_pressed = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
        return true;
    case QEvent::MouseButtonRelease: {
        auto const* release = static_cast<QMouseEvent*>(event);
        bool const click = m_pressed && release->button() == Qt::LeftButton
            && static_cast<QWidget*>(object)->rect().contains(release->position().toPoint());
        m_pressed = false;
        if (click)
            emit clicked();
        return true;
    }
    default:
        return false;
    }
}

}
