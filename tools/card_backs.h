#pragma once

#include <QImage>

namespace pictures {

// Design i (0 .. back_design_count - 1) comes in the size the main window expects of it; the sizes differ slightly.
QImage draw_card_back(int design);

} // namespace pictures
