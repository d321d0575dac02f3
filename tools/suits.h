#pragma once

#include <QColor>
#include <QPainterPath>
#include <QRectF>

class QPainter;

namespace pictures {

// In the order of the card numbering: card k has suit k mod 4.
enum class Suit { Diamonds, Spades, Clubs, Hearts };

// The outline of a suit sign filling the unit square, point downwards for the heart and diamond's lower tip.
QPainterPath suit_shape(Suit suit);

bool is_red(Suit suit);

QColor suit_colour(Suit suit);

void draw_suit(QPainter& painter, Suit suit, const QRectF& box, const QColor& colour);

} // namespace pictures
