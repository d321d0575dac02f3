#include "Surface.h"

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
    update();
}

void Surface::paintEvent(QPaintEvent*)
{
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
}

}
