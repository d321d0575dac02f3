#pragma once

#include "deck/Card.h"

#include <QColor>
#include <QPainterPath>
#include <QRectF>

class QPainter;

namespace pictures {

// The outline of a suit sign filling the unit square, point downwards for the heart and diamond's lower tip.
QPainterPath suit_shape(Suit suit);

bool is_red(Suit suit);

QColor suit_colour(Suit suit);

void draw_suit(QPainter& painter, Suit suit, const QRectF& box, const QColor& colour);

} // namespace pictures
