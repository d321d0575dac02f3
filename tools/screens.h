#pragma once

#include <QColor>
#include <QImage>
#include <QString>

namespace pictures {

// The main window's background, the second of the two colours of every banner and of the smiley bitmap.
inline const QColor banner_ground(64, 72, 136);

struct BannerText {
    QString text;
    // Drawn after a gap at the right of the text, for the row of swearing symbols.
    QString tail;
};

// A two-colour banner: the text in `ink` on banner_ground, no blended pixels.
QImage draw_banner(QSize size, const QColor& ink, bool italic, const BannerText& text);

// The yellow outlined smiling face, 30 x 35, on banner_ground with no blended pixels.
QImage draw_smiley();

// The same face as an indexed image: index 0 the ground (transparent in the GIF), index 1 yellow.
QImage draw_indexed_smiley();

// The periwinkle plaster the dialogs use as background and button face. Tiles without seams.
QImage draw_plaster_texture();

// The about box picture; it shows a fan of the given card faces.
QImage draw_about_picture(const QList<QImage>& fan);

} // namespace pictures
