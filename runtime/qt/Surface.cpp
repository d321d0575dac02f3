#include "Surface.h"

#include "Conversion.h"

#include <QPainter>

namespace rt::qt {

Surface::Surface(QWidget* parent)
    : QWidget(parent)
{
    setAutoFillBackground(true);
}

void Surface::set_picture(QPixmap const& picture)
{
    if (picture.cacheKey() == m_picture.cacheKey())
        return;
    m_picture = picture;
    update_covered();
    update();
}

void Surface::resizeEvent(QResizeEvent* event)
{
    update_covered();
    QWidget::resizeEvent(event);
}

void Surface::update_covered()
{
    bool const covered = covers(m_picture, size());
    if (covered == this->covered())
        return;
    // Opaque either way; only what paints it changes.
    setAttribute(Qt::WA_OpaquePaintEvent, covered);
    setAutoFillBackground(!covered);
}

void Surface::paintEvent(QPaintEvent*)
{
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
}

}
