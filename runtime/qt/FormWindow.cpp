#include "FormWindow.h"

#include "Surface.h"

#include <QCloseEvent>
#include <QLayout>

namespace rt::qt {

FormWindow::FormWindow()
    : m_surface(new Surface(this))
{
    setCentralWidget(m_surface);
    // The window follows the client area's fixed size (plus the menu bar).
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    setContextMenuPolicy(Qt::NoContextMenu);
}

void FormWindow::set_client_size(QSize size)
{
    if (m_surface->size() == size && m_surface->minimumSize() == size)
        return;
    m_surface->setFixedSize(size);
    layout()->activate();
}

bool FormWindow::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        emit activated();
    return QMainWindow::event(event);
}

void FormWindow::closeEvent(QCloseEvent* event)
{
    event->ignore();
    emit close_requested();
}

void FormWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::WindowStateChange) {
        Qt::WindowStates const state = windowState();
        emit state_changed(state.testFlag(Qt::WindowMinimized) ? 1 : state.testFlag(Qt::WindowMaximized) ? 2 : 0);
    }
    QMainWindow::changeEvent(event);
}

}
