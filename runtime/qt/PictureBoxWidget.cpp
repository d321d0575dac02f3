#include "PictureBoxWidget.h"

#include "Conversion.h"

#include "PictureCache.h"
#include "Surface.h"
#include "runtime/Control.h"

#include <QPainter>

namespace rt::qt {

PictureBoxWidget::PictureBoxWidget(Control& control, QWidget* parent, PictureCache& pictures)
    : QWidget(parent)
    , WidgetPeer(control, *this, pictures)
    , m_surface(new Surface(this))
{
    setFocusPolicy(Qt::StrongFocus);
    // The surface and the edge around it paint every pixel: nothing beneath
    // shows through, and a moving box (the banner strip) is moved on screen
    // as it is, not painted again with what it uncovers and covers.
    set_solid(true);
    set_border(control.properties().border_style == BorderStyle::FixedSingle);
}

QWidget* PictureBoxWidget::content() const { return m_surface; }

// The surface shows the back colour and the picture.
void PictureBoxWidget::apply_own(Property property)
{
    if (property == Property::Picture)
        m_surface->set_picture(pictures().get(control()->picture()));
    else if (property == Property::BackColor)
        set_palette_color(*m_surface, QPalette::Window, to_qcolor(control()->properties().back_color));
}

void PictureBoxWidget::set_border(bool border)
{
    if (border == m_border)
        return;
    m_border = border;
    place_surface();
    update();
}

void PictureBoxWidget::place_surface()
{
    int const b = border_width();
    m_surface->setGeometry(rect().adjusted(b, b, -b, -b));
}

void PictureBoxWidget::resizeEvent(QResizeEvent*) { place_surface(); }

// A sunken 3-D edge, two pixels wide.
void PictureBoxWidget::paintEvent(QPaintEvent*)
{
    if (!m_border)
        return;
    QPainter painter(this);
    QPalette const& p = palette();
    draw_edge(painter, rect(), p.color(QPalette::Dark), p.color(QPalette::Light), p.color(QPalette::Shadow),
        p.color(QPalette::Midlight));
}

}
