#pragma once

#include <QImage>

namespace pictures {

// Card k is rank k div 4 (six .. ace) of suit k mod 4 (diamonds, spades, clubs, hearts).
QImage draw_card_face(int card);

} // namespace pictures
