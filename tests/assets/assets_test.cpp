// Reads every picture back through the resource system, as the windows will, and checks what the windows
// rely on: formats, sizes, colour limits, transparency and the pointer tips.

#include "assets.h"
#include "assets/PictureNames.h"

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QString>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

const QRgb window_ground = qRgb(64, 72, 136);

class Assets : public ::testing::Test {
protected:
    static void SetUpTestSuite() { init_assets(); }
};

QByteArray read_bytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// All images of a file (an icon may hold several), decoded with the named format.
std::vector<QImage> read_images(const QString& path, const char* format)
{
    QImageReader reader(path, format);
    std::vector<QImage> images;
    const int count = std::max(1, reader.imageCount());
    for (int i = 0; i < count; ++i) {
        if (i > 0 && !reader.jumpToImage(i))
            break;
        images.push_back(reader.read());
    }
    return images;
}

QImage read_image(const QString& path, const char* format) { return read_images(path, format).front(); }

std::set<QRgb> opaque_colours(const QImage& image)
{
    std::set<QRgb> colours;
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        for (int x = 0; x < argb.width(); ++x) {
            if (qAlpha(argb.pixel(x, y)) == 255)
                colours.insert(argb.pixel(x, y));
        }
    }
    return colours;
}

bool has_transparent_pixel(const QImage& image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        for (int x = 0; x < argb.width(); ++x) {
            if (qAlpha(argb.pixel(x, y)) == 0)
                return true;
        }
    }
    return false;
}

int little_endian(const QByteArray& bytes, qsizetype at, int size)
{
    int value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

struct FrameHeader {
    int marker = 0; // 0xc0 baseline, 0xc2 progressive, 0 none found
    int components = 0;
};

// Walks the JPEG segments up to the start of scan and reports the first start-of-frame marker.
FrameHeader jpeg_frame(const QByteArray& bytes)
{
    qsizetype at = 2;
    while (at + 4 <= bytes.size() && static_cast<unsigned char>(bytes[at]) == 0xff) {
        const int marker = static_cast<unsigned char>(bytes[at + 1]);
        const int length = (static_cast<unsigned char>(bytes[at + 2]) << 8) | static_cast<unsigned char>(bytes[at + 3]);
        if (marker >= 0xc0 && marker <= 0xcf && marker != 0xc4 && marker != 0xc8 && marker != 0xcc)
            return { marker, static_cast<unsigned char>(bytes[at + 9]) };
        if (marker == 0xda)
            break;
        at += 2 + length;
    }
    return {};
}

void expect_baseline_jpeg(const QString& path, QSize size)
{
    SCOPED_TRACE(path.toStdString());
    const QByteArray bytes = read_bytes(path);
    ASSERT_FALSE(bytes.isEmpty());
    const FrameHeader frame = jpeg_frame(bytes);
    EXPECT_EQ(frame.marker, 0xc0);
    EXPECT_EQ(frame.components, 3);
    const QImage image = read_image(path, "jpeg");
    EXPECT_EQ(image.size(), size);
}

struct IconEntry {
    int width;
    int height;
    int colours;
    int bits;
};

std::vector<IconEntry> icon_directory(const QByteArray& bytes)
{
    std::vector<IconEntry> entries;
    if (bytes.size() < 6 || little_endian(bytes, 2, 2) != 1)
        return entries;
    const int count = little_endian(bytes, 4, 2);
    for (int i = 0; i < count && 6 + 16 * (i + 1) <= bytes.size(); ++i) {
        const qsizetype at = 6 + 16 * i;
        entries.push_back({ little_endian(bytes, at, 1), little_endian(bytes, at + 1, 1),
            little_endian(bytes, at + 2, 1), little_endian(bytes, at + 6, 2) });
    }
    return entries;
}

QString face_path(int card) { return QString::fromStdString(picture_names::face(static_cast<CardIndex>(card))); }

QString back_path(int design) { return QString::fromStdString(picture_names::back(design)); }

template<typename Image>
void expect_pairwise_different(const std::vector<Image>& images, const std::vector<QString>& names)
{
    for (std::size_t i = 0; i < images.size(); ++i) {
        for (std::size_t j = i + 1; j < images.size(); ++j)
            EXPECT_NE(images[i], images[j]) << names[i].toStdString() << " equals " << names[j].toStdString();
    }
}

} // namespace

TEST_F(Assets, InitialisingTwiceKeepsEveryPictureReachable)
{
    init_assets();
    for (const std::string& name : picture_names::all())
        EXPECT_TRUE(QFile::exists(QString::fromStdString(name))) << name;
}

TEST_F(Assets, CardFacesAreDistinctBaselineJpegsOfCardSize)
{
    std::vector<QImage> faces;
    std::vector<QString> names;
    for (int card = 0; card < 36; ++card) {
        expect_baseline_jpeg(face_path(card), QSize(67, 92));
        faces.push_back(read_image(face_path(card), "jpeg"));
        names.push_back(face_path(card));
    }
    expect_pairwise_different(faces, names);
}

TEST_F(Assets, CardBacksHaveTheirOwnSizesAndAreDistinct)
{
    const std::vector<QSize> sizes
        = { { 67, 94 }, { 67, 92 }, { 66, 91 }, { 67, 94 }, { 67, 94 }, { 67, 94 }, { 67, 94 }, { 67, 94 } };
    std::vector<QImage> backs;
    std::vector<QString> names;
    for (int design = 0; design < 8; ++design) {
        expect_baseline_jpeg(back_path(design), sizes[static_cast<std::size_t>(design)]);
        // Designs of equal size must differ in content; compare scaled copies so the sizes do not decide.
        backs.push_back(read_image(back_path(design), "jpeg").scaled(66, 91));
        names.push_back(back_path(design));
    }
    expect_pairwise_different(backs, names);
}

TEST_F(Assets, HelpTextureAndAboutPictureAreBaselineJpegs)
{
    expect_baseline_jpeg(QString::fromLatin1(picture_names::help_texture), QSize(364, 352));
    expect_baseline_jpeg(QString::fromLatin1(picture_names::about), QSize(479, 298));

    // Cyan and navy text lie on the texture: it has to stay a blue of middle lightness.
    const QImage texture = read_image(QString::fromLatin1(picture_names::help_texture), "jpeg");
    double red = 0, green = 0, blue = 0;
    for (int y = 0; y < texture.height(); ++y) {
        for (int x = 0; x < texture.width(); ++x) {
            const QRgb pixel = texture.pixel(x, y);
            red += qRed(pixel);
            green += qGreen(pixel);
            blue += qBlue(pixel);
        }
    }
    const double pixels = texture.width() * texture.height();
    const double luma = (0.299 * red + 0.587 * green + 0.114 * blue) / pixels;
    EXPECT_GT(luma, 80.0);
    EXPECT_LT(luma, 160.0);
    EXPECT_GT(blue / pixels, red / pixels + 50.0);
}

TEST_F(Assets, IconsAreSixteenColourIconsWithMasks)
{
    struct Expected {
        const char* path;
        std::vector<int> sizes;
    };
    const std::vector<Expected> icons = {
        { picture_names::main_window_icon, { 32 } },
        { picture_names::main_window_pointer, { 32 } },
        { picture_names::hourglass, { 32 } },
        { picture_names::arrow_right, { 32, 16 } },
        { picture_names::arrow_down, { 32, 16 } },
        { picture_names::info, { 32, 16 } },
        { picture_names::heart, { 32, 16 } },
        { picture_names::pointer_arrow, { 32 } },
        { picture_names::pointer_heart, { 32 } },
        { picture_names::pointer_spade, { 32 } },
        { picture_names::book, { 32, 16 } },
    };
    for (const Expected& icon : icons) {
        SCOPED_TRACE(icon.path);
        const QString path = QString::fromLatin1(icon.path);
        const std::vector<IconEntry> directory = icon_directory(read_bytes(path));
        ASSERT_EQ(directory.size(), icon.sizes.size());
        const std::vector<QImage> images = read_images(path, "ico");
        ASSERT_EQ(images.size(), icon.sizes.size());
        for (std::size_t i = 0; i < directory.size(); ++i) {
            EXPECT_EQ(directory[i].width, icon.sizes[i]);
            EXPECT_EQ(directory[i].height, icon.sizes[i]);
            EXPECT_EQ(directory[i].colours, 16);
            EXPECT_EQ(directory[i].bits, 4);
            EXPECT_EQ(images[i].size(), QSize(icon.sizes[i], icon.sizes[i]));
            EXPECT_LE(opaque_colours(images[i]).size(), 16u);
            EXPECT_TRUE(has_transparent_pixel(images[i])) << "no transparent pixel: the mask is missing";
        }
    }

    // The start dialog's pointers are single 32 x 32 images, 766 bytes each.
    for (const char* pointer :
        { picture_names::pointer_arrow, picture_names::pointer_heart, picture_names::pointer_spade })
        EXPECT_EQ(read_bytes(QString::fromLatin1(pointer)).size(), 766) << pointer;
}

TEST_F(Assets, PointerTipIsTheUpperLeftmostArrowPixel)
{
    const std::set<QRgb> arrow_colours = { qRgb(0, 0, 255), qRgb(0, 0, 128), qRgb(0, 255, 255) };
    struct Pointer {
        const char* path;
        int x;
        int y;
        QRgb badge; // a colour the suit sign in the lower right must show, 0 for none
    };
    const std::vector<Pointer> pointers = {
        { picture_names::main_window_pointer, 15, 15, 0 },
        { picture_names::pointer_arrow, 15, 15, 0 },
        { picture_names::pointer_heart, 7, 8, qRgb(255, 0, 0) },
        { picture_names::pointer_spade, 8, 8, qRgb(0, 0, 0) },
    };
    for (const Pointer& pointer : pointers) {
        SCOPED_TRACE(pointer.path);
        const QImage image
            = read_image(QString::fromLatin1(pointer.path), "ico").convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(image.size(), QSize(32, 32));
        const QRgb tip = image.pixel(pointer.x, pointer.y);
        EXPECT_EQ(qAlpha(tip), 255);
        EXPECT_TRUE(arrow_colours.count(tip) == 1);
        bool badge_seen = false;
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                const QRgb pixel = image.pixel(x, y);
                if (qAlpha(pixel) == 0)
                    continue;
                // The tip is the hot spot: nothing may lie above or left of it.
                EXPECT_TRUE(x >= pointer.x && y >= pointer.y) << "opaque pixel at " << x << "," << y;
                if (x >= 16 && y >= 16 && pixel == pointer.badge)
                    badge_seen = true;
            }
        }
        EXPECT_EQ(badge_seen, pointer.badge != 0);
    }
}

TEST_F(Assets, BannersAndSmileyAreTwoColourBitmaps)
{
    struct Bitmap {
        const char* path;
        QSize size;
        QRgb ink;
    };
    const std::vector<Bitmap> bitmaps = {
        { picture_names::smiley_bitmap, { 30, 35 }, qRgb(255, 255, 0) },
        { picture_names::banner_default, { 468, 30 }, 0 },
        { picture_names::message1_man, { 305, 32 }, qRgb(255, 255, 255) },
        { picture_names::message1_woman, { 294, 32 }, 0 },
        { picture_names::message2_man, { 501, 32 }, 0 },
        { picture_names::message2_woman, { 500, 32 }, qRgb(255, 255, 255) },
        { picture_names::message3_man, { 459, 32 }, qRgb(255, 0, 0) },
        { picture_names::message3_woman, { 289, 32 }, qRgb(0, 0, 255) },
    };
    std::vector<QImage> images;
    std::vector<QString> names;
    for (const Bitmap& bitmap : bitmaps) {
        SCOPED_TRACE(bitmap.path);
        const QString path = QString::fromLatin1(bitmap.path);
        const QByteArray bytes = read_bytes(path);
        ASSERT_GT(bytes.size(), 54);
        EXPECT_TRUE(bytes.startsWith("BM"));
        EXPECT_EQ(little_endian(bytes, 28, 2), 24) << "bits per pixel";
        const QImage image = read_image(path, "bmp");
        EXPECT_EQ(image.size(), bitmap.size);
        const std::set<QRgb> colours = opaque_colours(image);
        EXPECT_EQ(colours.size(), 2u);
        EXPECT_EQ(colours.count(window_ground), 1u);
        if (bitmap.ink != 0) {
            EXPECT_EQ(colours.count(bitmap.ink), 1u);
        }
        // The ground must frame the drawing: nothing touches the corners.
        EXPECT_EQ(image.pixel(0, 0), window_ground);
        EXPECT_EQ(image.pixel(image.width() - 1, image.height() - 1), window_ground);
        images.push_back(image);
        names.push_back(path);
    }
    expect_pairwise_different(images, names);
}

TEST_F(Assets, HelpSmileyIsYellowOnTransparentGif)
{
    const QString path = QString::fromLatin1(picture_names::help_smiley);
    EXPECT_TRUE(read_bytes(path).startsWith("GIF89a"));
    const QImage image = read_image(path, "gif").convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(image.size(), QSize(30, 35));
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(image.pixel(29, 34)), 0);
    EXPECT_EQ(qAlpha(image.pixel(15, 20)), 0) << "the face is outlined, not filled";
    EXPECT_EQ(opaque_colours(image), std::set<QRgb>({ qRgb(255, 255, 0) }));
}
