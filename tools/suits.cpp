#include "suits.h"

#include <QPainter>

namespace pictures {

namespace {

    QPainterPath heart()
    {
        QPainterPath path;
        path.moveTo(0.5, 0.27);
        path.cubicTo(0.47, 0.02, 0.0, -0.02, 0.0, 0.31);
        path.cubicTo(0.0, 0.57, 0.33, 0.72, 0.5, 1.0);
        path.cubicTo(0.67, 0.72, 1.0, 0.57, 1.0, 0.31);
        path.cubicTo(1.0, -0.02, 0.53, 0.02, 0.5, 0.27);
        path.closeSubpath();
        return path;
    }

    // The flared foot shared by spades and clubs.
    QPainterPath stem(double top)
    {
        QPainterPath path;
        path.moveTo(0.45, top);
        path.quadTo(0.45, 0.88, 0.22, 1.0);
        path.lineTo(0.78, 1.0);
        path.quadTo(0.55, 0.88, 0.55, top);
        path.closeSubpath();
        return path;
    }

    QPainterPath spade()
    {
        QPainterPath path;
        path.moveTo(0.5, 0.0);
        path.cubicTo(0.36, 0.22, 0.0, 0.36, 0.0, 0.58);
        path.cubicTo(0.0, 0.82, 0.3, 0.86, 0.5, 0.66);
        path.cubicTo(0.7, 0.86, 1.0, 0.82, 1.0, 0.58);
        path.cubicTo(1.0, 0.36, 0.64, 0.22, 0.5, 0.0);
        path.closeSubpath();
        return path.united(stem(0.6));
    }

    QPainterPath club()
    {
        QPainterPath path;
        path.addEllipse(QPointF(0.5, 0.24), 0.235, 0.235);
        QPainterPath left;
        left.addEllipse(QPointF(0.245, 0.58), 0.235, 0.235);
        QPainterPath right;
        right.addEllipse(QPointF(0.755, 0.58), 0.235, 0.235);
        QPainterPath middle;
        middle.addEllipse(QPointF(0.5, 0.5), 0.16, 0.16);
        return path.united(left).united(right).united(middle).united(stem(0.55));
    }

    QPainterPath diamond()
    {
        QPainterPath path;
        path.moveTo(0.5, 0.0);
        path.quadTo(0.72, 0.3, 0.96, 0.5);
        path.quadTo(0.72, 0.7, 0.5, 1.0);
        path.quadTo(0.28, 0.7, 0.04, 0.5);
        path.quadTo(0.28, 0.3, 0.5, 0.0);
        path.closeSubpath();
        return path;
    }

} // namespace

QPainterPath suit_shape(Suit suit)
{
    switch (suit) {
    case Suit::Diamonds:
        return diamond();
    case Suit::Spades:
        return spade();
    case Suit::Clubs:
        return club();
    case Suit::Hearts:
        return heart();
    }
    return {};
}

bool is_red(Suit suit) { return suit == Suit::Diamonds || suit == Suit::Hearts; }

QColor suit_colour(Suit suit) { return is_red(suit) ? QColor(214, 8, 20) : QColor(12, 12, 12); }

void draw_suit(QPainter& painter, Suit suit, const QRectF& box, const QColor& colour)
{
    painter.save();
    painter.translate(box.topLeft());
    painter.scale(box.width(), box.height());
    painter.fillPath(suit_shape(suit), colour);
    painter.restore();
}

} // namespace pictures
