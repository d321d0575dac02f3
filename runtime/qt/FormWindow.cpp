#include "FormWindow.h"

#include "Conversion.h"
#include "PictureCache.h"
#include "Surface.h"
#include "WidgetPeer.h"
#include "runtime/Form.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>

namespace rt::qt {

FormWindow::FormWindow(Control& self, PictureCache& pictures)
    : Peer(self)
    , m_surface(new Surface(this))
    , m_pictures(pictures)
{
    setCentralWidget(m_surface);
    // The window follows the client area's fixed size (plus the menu bar).
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    setContextMenuPolicy(Qt::NoContextMenu);
    if (self.form().has_menu_bar())
        menuBar()->setNativeMenuBar(false); // in the window, where its height is part of the frame
    set_frame(self);
}

QWidget* FormWindow::widget() const { return const_cast<FormWindow*>(this); }

QWidget* FormWindow::content() const { return m_surface; }

// What the window's definition fixes once and for all.
void FormWindow::set_frame(Control const& self)
{
    Qt::WindowFlags flags;
    switch (self.properties().border_style) {
    case BorderStyle::None:
        flags = Qt::Window | Qt::FramelessWindowHint;
        break;
    case BorderStyle::FixedToolWindow:
        flags = Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
        break;
    case BorderStyle::FixedSingle:
        flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowCloseButtonHint;
        if (self.properties().min_button)
            flags |= Qt::WindowMinimizeButtonHint;
        if (self.properties().max_button)
            flags |= Qt::WindowMaximizeButtonHint;
        break;
    }
    setWindowFlags(flags);
    if (QPixmap const& icon = m_pictures.get(self.properties().icon); !icon.isNull())
        setWindowIcon(QIcon(icon));
}

void FormWindow::apply(Property property)
{
    Control const* self = control();
    if (!self)
        return;
    Form const& form = self->form();
    switch (property) {
    case Property::Caption:
        setWindowTitle(to_qstring(self->caption()));
        break;
    case Property::Enabled:
        m_surface->setEnabled(self->enabled());
        if (form.has_menu_bar())
            menuBar()->setEnabled(self->enabled());
        break;
    case Property::Visible:
        self->visible() ? show_window() : hide();
        break;
    case Property::Geometry:
        apply_geometry();
        break;
    case Property::Picture:
        m_surface->set_picture(m_pictures.get(self->picture()));
        break;
    case Property::BackColor:
        set_palette_color(*m_surface, QPalette::Window, to_qcolor(self->properties().back_color));
        break;
    case Property::MousePointer:
        apply_cursor(*this, *self, m_pictures);
        break;
    case Property::WindowState:
        apply_window_state();
        break;
    default:
        break;
    }
}

void FormWindow::apply_geometry()
{
    fit_client_area();
    // Left and Top are the outer frame's, as move() takes them.
    move(to_pixels(control()->left()), to_pixels(control()->top()));
}

// The outer height is the run time's; the client area gets what the frame
// leaves of it. The frame is known once the desktop has drawn it (a window
// manager says how wide its decoration is only after it has framed the
// window), so it is measured whenever the window is shown or moved.
void FormWindow::measure_frame()
{
    if (!control() || !isVisible())
        return;
    int const decoration = frameGeometry().height() - geometry().height();
    // While the window manager reframes the window, its frame can read as
    // smaller than the window: no measure, the next event brings one.
    if (decoration < 0)
        return;
    int const frame = decoration + (menuWidget() ? menuWidget()->height() : 0);
    if (frame == m_frame_pixels)
        return;
    m_frame_pixels = frame;
    emit frame_measured(static_cast<float>(frame) * twips_per_pixel);
    // A window placed by the program keeps its outer frame where it was put.
    if (control()->properties().start_up_position == StartUpPosition::Manual)
        apply_geometry();
    else
        fit_client_area();
}

void FormWindow::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    measure_frame();
}

void FormWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    measure_frame();
}

void FormWindow::show_window()
{
    if (!m_shown_before) {
        m_shown_before = true;
        StartUpPosition const position = control()->properties().start_up_position;
        if (position == StartUpPosition::CenterScreen || position == StartUpPosition::CenterOwner) {
            layout()->activate();
            QScreen const* on = screen() ? screen() : QGuiApplication::primaryScreen();
            QRect const area = on->availableGeometry();
            QSize const size = frameGeometry().size();
            move(area.x() + (area.width() - size.width()) / 2, area.y() + (area.height() - size.height()) / 2);
        }
    }
    show();
}

void FormWindow::apply_window_state()
{
    int const wanted = control()->form().window_state();
    Qt::WindowStates state = windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized);
    if (wanted == 1)
        state |= Qt::WindowMinimized;
    else if (wanted == 2)
        state |= Qt::WindowMaximized;
    if (state != windowState())
        setWindowState(state);
}

void FormWindow::fit_client_area()
{
    Form const& form = control()->form();
    QSize const size(to_pixels(form.client_width()), to_pixels(form.client_height()));
    if (m_surface->size() == size && m_surface->minimumSize() == size)
        return;
    m_surface->setFixedSize(size);
    layout()->activate();
}

bool FormWindow::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate) {
        // By now a window manager has framed the window.
        measure_frame();
        emit activated();
    }
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
