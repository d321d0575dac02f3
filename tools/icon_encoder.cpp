#include "icon_encoder.h"

namespace pictures {

namespace {

    void put16(QByteArray& out, int value)
    {
        out.append(static_cast<char>(value & 0xff));
        out.append(static_cast<char>((value >> 8) & 0xff));
    }

    void put32(QByteArray& out, qint64 value)
    {
        for (int shift = 0; shift < 32; shift += 8)
            out.append(static_cast<char>((value >> shift) & 0xff));
    }

    int row_bytes(int width, int bits) { return (width * bits + 31) / 32 * 4; }

    // The image as stored in the file: a BITMAPINFOHEADER of twice the height (colour rows then mask rows),
    // the palette, the 4-bit colour rows and the 1-bit mask rows, both bottom row first.
    QByteArray encode_image(const QImage& source)
    {
        const QImage image = source.convertToFormat(QImage::Format_ARGB32);
        const int width = image.width();
        const int height = image.height();
        const int colour_row = row_bytes(width, 4);
        const int mask_row = row_bytes(width, 1);

        QByteArray out;
        put32(out, 40);
        put32(out, width);
        put32(out, height * 2);
        put16(out, 1);
        put16(out, 4);
        put32(out, 0);
        put32(out, (colour_row + mask_row) * height);
        put32(out, 0);
        put32(out, 0);
        put32(out, 0);
        put32(out, 0);
        for (QRgb colour : icon_palette()) {
            out.append(static_cast<char>(qBlue(colour)));
            out.append(static_cast<char>(qGreen(colour)));
            out.append(static_cast<char>(qRed(colour)));
            out.append('\0');
        }

        QByteArray colours(colour_row * height, '\0');
        QByteArray mask(mask_row * height, '\0');
        for (int y = 0; y < height; ++y) {
            const int stored_row = height - 1 - y;
            for (int x = 0; x < width; ++x) {
                const QRgb pixel = image.pixel(x, y);
                if (qAlpha(pixel) < 128) {
                    // Transparent pixels keep colour 0 (black), which the mask's XOR leaves unchanged.
                    mask[stored_row * mask_row + x / 8] = static_cast<char>(
                        static_cast<unsigned char>(mask[stored_row * mask_row + x / 8]) | (0x80 >> (x % 8)));
                    continue;
                }
                const int index = nearest_icon_colour(pixel);
                const int at = stored_row * colour_row + x / 2;
                const int shifted = (x % 2 == 0) ? index << 4 : index;
                colours[at] = static_cast<char>(static_cast<unsigned char>(colours[at]) | shifted);
            }
        }
        out.append(colours);
        out.append(mask);
        return out;
    }

} // namespace

const std::array<QRgb, 16>& icon_palette()
{
    static const std::array<QRgb, 16> palette = {
        qRgb(0, 0, 0),
        qRgb(128, 0, 0),
        qRgb(0, 128, 0),
        qRgb(128, 128, 0),
        qRgb(0, 0, 128),
        qRgb(128, 0, 128),
        qRgb(0, 128, 128),
        qRgb(192, 192, 192),
        qRgb(128, 128, 128),
        qRgb(255, 0, 0),
        qRgb(0, 255, 0),
        qRgb(255, 255, 0),
        qRgb(0, 0, 255),
        qRgb(255, 0, 255),
        qRgb(0, 255, 255),
        qRgb(255, 255, 255),
    };
    return palette;
}

int nearest_icon_colour(QRgb colour)
{
    int best = 0;
    int best_distance = 0;
    for (std::size_t i = 0; i < icon_palette().size(); ++i) {
        const QRgb candidate = icon_palette()[i];
        const int red = qRed(candidate) - qRed(colour);
        const int green = qGreen(candidate) - qGreen(colour);
        const int blue = qBlue(candidate) - qBlue(colour);
        const int distance = red * red + green * green + blue * blue;
        if (i == 0 || distance < best_distance) {
            best = static_cast<int>(i);
            best_distance = distance;
        }
    }
    return best;
}

QByteArray encode_icon(const QList<QImage>& images)
{
    constexpr int directory_size = 6;
    constexpr int entry_size = 16;
    QList<QByteArray> encoded;
    for (const QImage& image : images)
        encoded.append(encode_image(image));

    QByteArray out;
    put16(out, 0);
    put16(out, 1);
    put16(out, static_cast<int>(images.size()));
    qint64 offset = directory_size + entry_size * images.size();
    for (qsizetype i = 0; i < images.size(); ++i) {
        out.append(static_cast<char>(images[i].width() & 0xff));
        out.append(static_cast<char>(images[i].height() & 0xff));
        out.append(static_cast<char>(16));
        out.append('\0');
        put16(out, 1);
        put16(out, 4);
        put32(out, encoded[i].size());
        put32(out, offset);
        offset += encoded[i].size();
    }
    for (const QByteArray& image : encoded)
        out.append(image);
    return out;
}

} // namespace pictures
