#include "LineWidget.h"

#include "Conversion.h"
#include "runtime/Control.h"

#include <QPainter>

namespace rt::qt {

LineWidget::LineWidget(Control& control, QWidget* parent, PictureCache& pictures)
    : QWidget(parent)
    , WidgetPeer(control, *this, pictures)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void LineWidget::apply_own(Property property)
{
    if (property == Property::BorderColor)
        set_color(to_qcolor(control()->properties().border_color));
}

// The widget covers the line's bounding box; the ends are drawn within it.
void LineWidget::apply_geometry()
{
    Control const& c = *control();
    QPoint const from(to_pixels(c.properties().x1), to_pixels(c.properties().y1));
    QPoint const to(to_pixels(c.properties().x2), to_pixels(c.properties().y2));
    QRect const box = QRect(from, to).normalized();
    setGeometry(box);
    set_line(from - box.topLeft(), to - box.topLeft());
}

void LineWidget::set_line(QPoint from, QPoint to)
{
    if (from == m_from && to == m_to)
        return;
    m_from = from;
    m_to = to;
    update();
}

void LineWidget::set_color(QColor color)
{
    if (color == m_color)
        return;
    m_color = color;
    update();
}

void LineWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(QPen(m_color, 1));
    painter.drawLine(m_from, m_to);
}

}
