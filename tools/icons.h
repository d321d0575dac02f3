#pragma once

#include <QImage>
#include <QPoint>

namespace pictures {

// Icons come back as ARGB images whose opaque pixels are all colours of icon_palette().

QImage draw_yin_yang_icon();
QImage draw_hourglass_icon();
QImage draw_arrow_right_icon(int size);
QImage draw_arrow_down_icon(int size);
QImage draw_info_icon(int size);
QImage draw_heart_icon(int size);
QImage draw_book_icon(int size);

enum class PointerBadge { None, Heart, Spade };

// A blue mouse pointer arrow whose tip pixel is `tip`, optionally with a small suit sign at the lower right.
QImage draw_pointer_icon(QPoint tip, PointerBadge badge);

} // namespace pictures
