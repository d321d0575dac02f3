// Round trips through our GIF and icon writers, decoded by Qt's own readers. The pictures in assets/ are
// too small to reach the LZW code widths and table resets of larger images, so these cases go further.

#include "gif_encoder.h"
#include "icon_encoder.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>

#include <gtest/gtest.h>

#include <cstdint>

namespace {

QImage decode(const QByteArray& bytes, const char* format, int index = 0)
{
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    if (index > 0 && !reader.jumpToImage(index))
        return {};
    return reader.read().convertToFormat(QImage::Format_ARGB32);
}

QImage indexed_image(int width, int height, int colours)
{
    QImage image(width, height, QImage::Format_Indexed8);
    QList<QRgb> table;
    for (int i = 0; i < colours; ++i)
        table.append(qRgb(i, 255 - i, (i * 37) % 256));
    image.setColorTable(table);
    return image;
}

// Every decoded pixel must show the colour of its index, or be transparent where the index is.
void expect_same_pixels(const QImage& indexed, const QImage& decoded, int transparent_index)
{
    ASSERT_EQ(decoded.size(), indexed.size());
    int mismatches = 0;
    for (int y = 0; y < indexed.height(); ++y) {
        for (int x = 0; x < indexed.width(); ++x) {
            const int index = indexed.pixelIndex(x, y);
            const QRgb pixel = decoded.pixel(x, y);
            const bool good
                = index == transparent_index ? qAlpha(pixel) == 0 : pixel == (indexed.color(index) | 0xff000000u);
            if (!good && ++mismatches <= 3)
                ADD_FAILURE() << "pixel " << x << "," << y << " index " << index;
        }
    }
    EXPECT_EQ(mismatches, 0);
}

} // namespace

TEST(GifEncoder, NoiseFillsTheCodeTableAndSurvivesItsResets)
{
    // Random pixels add a table entry for almost every code: 40,000 pixels pass 4,096 codes several times.
    QImage image = indexed_image(250, 160, 256);
    std::uint32_t state = 12345;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            state = state * 1664525u + 1013904223u;
            image.setPixel(x, y, state >> 24);
        }
    }
    expect_same_pixels(image, decode(pictures::encode_gif(image, -1), "gif"), -1);
}

TEST(GifEncoder, LongRunsOfFewColoursWithTransparency)
{
    // Two and three colours give the smallest code size, long runs give long table strings.
    for (int colours : { 2, 3 }) {
        SCOPED_TRACE(colours);
        QImage image = indexed_image(301, 203, colours);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                image.setPixel(x, y, ((x / 7) + (y / 5) * (y % 3)) % colours);
        }
        expect_same_pixels(image, decode(pictures::encode_gif(image, 0), "gif"), 0);
    }
}

TEST(IconEncoder, KeepsEveryPaletteColourAndTheMaskInBothSizes)
{
    QList<QImage> images;
    for (int size : { 32, 16 }) {
        QImage image(size, size, QImage::Format_ARGB32);
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                // Every colour at odd and even columns (the two halves of a byte), every eighth pixel see-through.
                const int index = (x + 3 * y) % 16;
                image.setPixel(x, y, (x + y) % 8 == 0 ? qRgba(0, 0, 0, 0) : pictures::icon_palette()[index]);
            }
        }
        images.append(image);
    }
    const QByteArray bytes = pictures::encode_icon(images);
    EXPECT_EQ(bytes.size(), 6 + 2 * 16 + (40 + 64 + 512 + 128) + (40 + 64 + 128 + 64));
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        const QImage decoded = decode(bytes, "ico", i);
        ASSERT_EQ(decoded.size(), images[i].size());
        for (int y = 0; y < decoded.height(); ++y) {
            for (int x = 0; x < decoded.width(); ++x) {
                const QRgb expected = images[i].pixel(x, y);
                if (qAlpha(expected) == 0)
                    EXPECT_EQ(qAlpha(decoded.pixel(x, y)), 0) << x << "," << y;
                else
                    EXPECT_EQ(decoded.pixel(x, y), expected) << x << "," << y;
            }
        }
    }
}

TEST(IconEncoder, OffPaletteColoursTakeTheNearestPaletteColour)
{
    EXPECT_EQ(pictures::icon_palette()[pictures::nearest_icon_colour(qRgb(250, 6, 10))], qRgb(255, 0, 0));
    EXPECT_EQ(pictures::icon_palette()[pictures::nearest_icon_colour(qRgb(10, 12, 140))], qRgb(0, 0, 128));
    EXPECT_EQ(pictures::icon_palette()[pictures::nearest_icon_colour(qRgb(180, 180, 200))], qRgb(192, 192, 192));

    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(qRgba(250, 250, 0, 140)); // just over half opaque: drawn, in yellow
    const QImage decoded = decode(pictures::encode_icon({ image }), "ico");
    EXPECT_EQ(decoded.pixel(5, 5), qRgb(255, 255, 0));
}
