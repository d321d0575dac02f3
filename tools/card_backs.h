#pragma once

#include <QImage>

namespace pictures {

inline constexpr int card_back_count = 8;

// The back designs come in slightly different sizes; design i has the size the main window expects of it.
QSize card_back_size(int design);

QImage draw_card_back(int design);

} // namespace pictures
