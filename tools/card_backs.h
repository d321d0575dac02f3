#pragma once

#include <QImage>

namespace pictures {

inline constexpr int card_back_count = 8;

// Design i comes in the size the main window expects of it; the sizes differ slightly.
QImage draw_card_back(int design);

} // namespace pictures
