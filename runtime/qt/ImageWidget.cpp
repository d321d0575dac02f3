#include "ImageWidget.h"

#include <QPainter>

namespace rt::qt {

ImageWidget::ImageWidget(QWidget* parent)
    : QLabel(parent)
{
    setAutoFillBackground(false);
    setFocusPolicy(Qt::NoFocus);
}

void ImageWidget::set_picture(QPixmap const& picture)
{
    if (picture.cacheKey() == m_picture.cacheKey())
        return;
    m_picture = picture;
    m_scaled = {};
    update();
}

void ImageWidget::set_stretch(bool stretch)
{
    if (stretch == m_stretch)
        return;
    m_stretch = stretch;
    update();
}

void ImageWidget::set_border(bool border)
{
    if (border == m_border)
        return;
    m_border = border;
    update();
}

QRect ImageWidget::inner() const { return m_border ? rect().adjusted(1, 1, -1, -1) : rect(); }

QPixmap const& ImageWidget::shown()
{
    QSize const size = inner().size();
    if (!m_stretch || m_picture.isNull() || m_picture.size() == size)
        return m_picture;
    if (m_scaled.size() != size && !size.isEmpty())
        m_scaled = m_picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return m_scaled;
}

void ImageWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!m_picture.isNull()) {
        painter.setClipRect(inner());
        painter.drawPixmap(inner().topLeft(), shown());
        painter.setClipping(false);
    }
    if (m_border) {
        painter.setPen(Qt::black);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

}
