#include "LineWidget.h"

#include <QPainter>

namespace rt::qt {

LineWidget::LineWidget(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
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
