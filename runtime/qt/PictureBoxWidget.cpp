#include "PictureBoxWidget.h"

#include "Conversion.h"

#include "Surface.h"

#include <QPainter>

namespace rt::qt {

PictureBoxWidget::PictureBoxWidget(QWidget* parent)
    : QWidget(parent)
    , m_surface(new Surface(this))
{
    setFocusPolicy(Qt::StrongFocus);
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
