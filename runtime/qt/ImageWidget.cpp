#include "ImageWidget.h"

#include "Conversion.h"
#include "PictureCache.h"
#include "runtime/Control.h"

#include <QPainter>

namespace rt::qt {

ImageWidget::ImageWidget(Control& control, QWidget* parent, PictureCache& pictures)
    : QLabel(parent)
    , WidgetPeer(control, *this, pictures)
{
    setAutoFillBackground(false);
    setFocusPolicy(Qt::NoFocus);
    set_stretch(control.properties().stretch);
    set_border(control.properties().border_style == BorderStyle::FixedSingle);
}

void ImageWidget::apply_own(Property property)
{
    if (property == Property::Picture)
        set_picture(pictures().get(control()->picture()));
}

void ImageWidget::set_picture(QPixmap const& picture)
{
    if (picture.cacheKey() == m_picture.cacheKey())
        return;
    m_picture = picture;
    m_scaled = {};
    update_solid();
    update();
}

void ImageWidget::set_stretch(bool stretch)
{
    if (stretch == m_stretch)
        return;
    m_stretch = stretch;
    update_solid();
    update();
}

void ImageWidget::set_border(bool border)
{
    if (border == m_border)
        return;
    m_border = border;
    update_solid();
    update();
}

void ImageWidget::resizeEvent(QResizeEvent* event)
{
    update_solid();
    QLabel::resizeEvent(event);
}

void ImageWidget::update_solid() { set_solid(covers(m_picture, m_stretch ? QSize() : inner().size())); }

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
    // Filled edges: an outlined rectangle goes through the stroker, which
    // made the frame cost more than the picture in it.
    if (m_border)
        fill_frame(painter, rect(), 1, Qt::black);
}

}
