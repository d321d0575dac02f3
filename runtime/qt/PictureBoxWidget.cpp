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
    connect(m_surface, &Surface::clicked, this, &PictureBoxWidget::clicked);
}

void PictureBoxWidget::set_border(bool border)
{
    if (border == m_border)
        return;
    m_border = border;
    place_surface();
    update();
}

void PictureBoxWidget::set_back_color(QColor color) { m_surface->set_back_color(color); }

void PictureBoxWidget::set_picture(QPixmap const& picture) { m_surface->set_picture(picture); }

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
    QRect const r = rect().adjusted(0, 0, -1, -1);
    draw_edge(painter, r, p.color(QPalette::Dark), p.color(QPalette::Light));
    draw_edge(painter, r.adjusted(1, 1, -1, -1), p.color(QPalette::Shadow), p.color(QPalette::Midlight));
}

}
