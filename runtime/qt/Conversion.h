#pragma once

#include "runtime/ControlDefinition.h"
#include "runtime/Types.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

#include <optional>
#include <string>

class QKeyEvent;
class QPainter;
class QPixmap;
class QSize;

// Translations between the run time's model (twips, 0x00BBGGRR colours, UTF-8
// captions, keystrokes) and what Qt shows.
namespace rt::qt {

int to_pixels(float twips);
// A control's rectangle within its container.
QRect pixel_rect(float left, float top, float width, float height);

// System colours follow the desktop's palette, so that 3-D edges and button
// faces look like the rest of the desktop.
QColor to_qcolor(Color);
QFont to_qfont(Font const&);

QString to_qstring(std::string const&);
// Captions break lines at CR LF and at a lone CR alike.
QString caption_text(std::string const&);

// A 3-D edge two pixels wide, just inside bounds: each ring light or dark on
// its top and left sides, the other colour on its bottom and right sides.
void draw_edge(QPainter&, QRect bounds, QColor outer_top_left, QColor outer_bottom_right, QColor inner_top_left,
    QColor inner_bottom_right);

// Whether picture hides every pixel of an area of the given size: it has no
// alpha and is at least as large. An empty size asks only about the alpha, for
// a picture stretched to its area.
bool covers(QPixmap const& picture, QSize size);

// A frame of filled edges, width pixels wide, just inside bounds.
void fill_frame(QPainter&, QRect bounds, int width, QColor);

// Keys the run time knows; nothing for the others (Shift alone, arrows ...).
std::optional<KeyStroke> key_stroke_of(QKeyEvent const&);
int qt_key_of(Key);

}
