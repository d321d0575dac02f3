#pragma once

#include <QByteArray>
#include <QImage>

namespace pictures {

// Writes an indexed image (QImage::Format_Indexed8, at most 256 colours) as a single-frame GIF89a.
// Qt reads GIF but has no writer for it. `transparent_index` < 0 means no transparent colour.
QByteArray encode_gif(const QImage& indexed, int transparent_index);

} // namespace pictures
