#include "ShapeWidget.h"

#include "Conversion.h"
#include "runtime/Control.h"

#include <QPainter>

#include <algorithm>

namespace rt::qt {

ShapeWidget::ShapeWidget(Control& control, QWidget* parent, PictureCache& pictures)
    : QWidget(parent)
    , WidgetPeer(control, *this, pictures)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    set_shape(control.properties().shape);
}

void ShapeWidget::apply_own(Property property)
{
    if (property == Property::BorderColor)
        set_border(to_qcolor(control()->properties().border_color), control()->properties().border_width);
}

void ShapeWidget::set_shape(ShapeKind shape)
{
    if (shape == m_shape)
        return;
    m_shape = shape;
    update();
}

void ShapeWidget::set_border(QColor color, int width_pixels)
{
    width_pixels = std::max(1, width_pixels);
    if (color == m_color && width_pixels == m_width)
        return;
    m_color = color;
    m_width = width_pixels;
    update();
}

void ShapeWidget::paintEvent(QPaintEvent*)
{
    QRect box = rect();
    // A square and a circle take the shorter side, centred in the control.
    if (m_shape == ShapeKind::Square || m_shape == ShapeKind::Circle) {
        int const side = std::min(box.width(), box.height());
        box = QRect(box.left() + (box.width() - side) / 2, box.top() + (box.height() - side) / 2, side, side);
    }
    QPainter painter(this);
    int const w = m_width;
    if (m_shape == ShapeKind::Rectangle || m_shape == ShapeKind::Square) {
        // Whole pixels, inside the bounds, as wide as the border width says.
        fill_frame(painter, box, w, m_color);
        return;
    }
    // The pen runs along the middle of its width: move the path in by half, so
    // that the whole outline lies within the control.
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(m_color, w));
    painter.setBrush(Qt::NoBrush);
    qreal const half = w / 2.0;
    painter.drawEllipse(QRectF(box).adjusted(half, half, -half, -half));
}

}
