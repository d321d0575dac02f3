#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

#include <array>

namespace pictures {

// The sixteen colours of every icon: the classic 4-bit display palette, so that "blue", "navy" or "cyan"
// mean one exact colour each.
const std::array<QRgb, 16>& icon_palette();

// Index of the palette colour nearest to `colour`.
int nearest_icon_colour(QRgb colour);

// Writes the images as one .ico file of 4-bit images with a transparency mask. Pixels with alpha below 128
// are transparent; the others are mapped onto the palette.
QByteArray encode_icon(const QList<QImage>& images);

} // namespace pictures
