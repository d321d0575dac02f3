#pragma once

#include "deck/Card.h"

#include <QImage>

namespace pictures {

// The face of the card the deck numbers `card`: its rank and suit come from the deck's numbering.
QImage draw_card_face(CardIndex card);

} // namespace pictures
