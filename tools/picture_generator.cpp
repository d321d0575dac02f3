// Draws every picture of the program and writes it into the assets folder given on the command line:
//
//     picture_generator <assets folder> [--contact-sheet <png>]
//
// The output is byte for byte the same on every run, so regenerating leaves an unchanged checkout clean.
// The optional contact sheet shows every written picture, decoded back from its file and enlarged three
// times, for looking them over.

#include "card_backs.h"
#include "card_faces.h"
#include "gif_encoder.h"
#include "icon_encoder.h"
#include "icons.h"
#include "screens.h"

#include "assets/PictureNames.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>

#include <cstdio>
#include <set>
#include <string>
#include <vector>

namespace {

using namespace pictures;

struct Picture {
    QString path; // relative to the assets folder
    QByteArray bytes;
};

QByteArray encode_with_qt(const QImage& image, const char* format, int quality = -1)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (quality >= 0)
        writer.setQuality(quality);
    // Baseline JPEG: the pictures must load wherever a plain decoder is all there is.
    writer.setProgressiveScanWrite(false);
    writer.setOptimizedWrite(false);
    if (!writer.write(image))
        qFatal("cannot encode %s: %s", format, qPrintable(writer.errorString()));
    return bytes;
}

QByteArray jpeg(const QImage& image) { return encode_with_qt(image.convertToFormat(QImage::Format_RGB32), "jpeg", 90); }

QByteArray bitmap(const QImage& image)
{
    // RGB888 is what makes Qt's BMP writer store 24 bits a pixel.
    return encode_with_qt(image.convertToFormat(QImage::Format_RGB888), "bmp");
}

// A picture's file under the assets folder, for the resource name the windows load it by.
QString file_of(const std::string& name)
{
    return QString::fromStdString(std::string(picture_names::asset_path(name)));
}

std::vector<Picture> card_pictures()
{
    std::vector<Picture> pictures;
    for (int card = 0; card < card_count; ++card) {
        const auto index = static_cast<CardIndex>(card);
        pictures.push_back({ file_of(picture_names::face(index)), jpeg(draw_card_face(index)) });
    }
    for (int design = 0; design < back_design_count; ++design)
        pictures.push_back({ file_of(picture_names::back(design)), jpeg(draw_card_back(design)) });
    return pictures;
}

std::vector<Picture> main_window_pictures()
{
    using namespace picture_names;
    std::vector<Picture> pictures = {
        { file_of(main_window_icon), encode_icon({ draw_yin_yang_icon() }) },
        { file_of(main_window_pointer), encode_icon({ draw_pointer_icon({ 15, 15 }, PointerBadge::None) }) },
        { file_of(hourglass), encode_icon({ draw_hourglass_icon() }) },
        { file_of(arrow_right), encode_icon({ draw_arrow_right_icon(32), draw_arrow_right_icon(16) }) },
        { file_of(arrow_down), encode_icon({ draw_arrow_down_icon(32), draw_arrow_down_icon(16) }) },
        { file_of(info), encode_icon({ draw_info_icon(32), draw_info_icon(16) }) },
        { file_of(heart), encode_icon({ draw_heart_icon(32), draw_heart_icon(16) }) },
        { file_of(smiley_bitmap), bitmap(draw_smiley()) },
    };

    struct Banner {
        const char* name;
        QSize size;
        QColor ink;
        bool italic;
        const char* text;
        const char* tail;
    };
    const Banner banners[] = {
        { banner_default, { 468, 30 }, QColor(0, 224, 0), true, "Жизнь такова, какова она есть и больше ни какова!",
            "" },
        { message1_man, { 305, 32 }, QColor(255, 255, 255), false, "Тяните карту, О Луноликий!", "" },
        { message1_woman, { 294, 32 }, QColor(255, 0, 255), true, "Выберите карту, Королева!", "" },
        { message2_man, { 501, 32 }, QColor(0, 0, 96), false, "Что же Вы не тянете карту, Солнцеподобный?!", "" },
        { message2_woman, { 500, 32 }, QColor(255, 255, 255), false, "Что же Вы медлите, Принцесса? Берите карту!",
            "" },
        { message3_man, { 459, 32 }, QColor(255, 0, 0), false, "ТЯНИ КАРТУ, ПРОРИЦАТЕЛЬ!", "@#$^(&#" },
        { message3_woman, { 289, 32 }, QColor(0, 0, 255), false, "Возьмите карту, молю Вас!", "" },
    };
    for (const Banner& banner : banners) {
        const QImage image = draw_banner(
            banner.size, banner.ink, banner.italic, { QString::fromUtf8(banner.text), QString::fromUtf8(banner.tail) });
        pictures.push_back({ file_of(banner.name), bitmap(image) });
    }
    return pictures;
}

std::vector<Picture> other_window_pictures()
{
    using namespace picture_names;
    // The about picture fans out five faces: ten of diamonds, jack of clubs, king of spades, queen and ace of hearts.
    const QList<QImage> fan = { draw_card_face(card_index(Rank::Ten, Suit::Diamonds)),
        draw_card_face(card_index(Rank::Jack, Suit::Clubs)), draw_card_face(card_index(Rank::King, Suit::Spades)),
        draw_card_face(card_index(Rank::Queen, Suit::Hearts)), draw_card_face(card_index(Rank::Ace, Suit::Hearts)) };
    return {
        { file_of(pointer_arrow), encode_icon({ draw_pointer_icon({ 15, 15 }, PointerBadge::None) }) },
        { file_of(pointer_heart), encode_icon({ draw_pointer_icon({ 7, 8 }, PointerBadge::Heart) }) },
        { file_of(pointer_spade), encode_icon({ draw_pointer_icon({ 8, 8 }, PointerBadge::Spade) }) },
        { file_of(book), encode_icon({ draw_book_icon(32), draw_book_icon(16) }) },
        { file_of(help_texture), jpeg(draw_plaster_texture()) },
        { file_of(help_smiley), encode_gif(draw_indexed_smiley(), 0) },
        { file_of(about), jpeg(draw_about_picture(fan)) },
    };
}

// The pictures drawn must be exactly those the program names: a picture drawn but not named would be compiled in
// unused, one named but not drawn would be missing at run time.
bool names_match(const std::vector<Picture>& pictures)
{
    std::set<QString> drawn;
    for (const Picture& picture : pictures)
        drawn.insert(picture.path);
    std::set<QString> named;
    for (const std::string& name : picture_names::all())
        named.insert(file_of(name));
    return drawn == named && drawn.size() == pictures.size();
}

bool write_file(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

// Reads every image a file holds (an icon holds several), as the program will see them.
QList<QImage> decode_all(const QByteArray& bytes)
{
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    QList<QImage> images;
    const int count = std::max(1, reader.imageCount());
    for (int i = 0; i < count; ++i) {
        if (i > 0 && !reader.jumpToImage(i))
            break;
        images.append(reader.read());
    }
    return images;
}

bool write_contact_sheet(const QString& path, const std::vector<Picture>& pictures)
{
    constexpr int zoom = 3;
    constexpr int sheet_width = 1900;
    constexpr int margin = 10;
    constexpr int label_height = 16;

    struct Tile {
        QImage image;
        QString label;
        QPoint at;
    };
    std::vector<Tile> tiles;
    for (const Picture& picture : pictures) {
        for (const QImage& image : decode_all(picture.bytes)) {
            tiles.push_back({ image.scaled(image.size() * zoom, Qt::IgnoreAspectRatio, Qt::FastTransformation),
                QFileInfo(picture.path).fileName(), {} });
        }
    }
    int x = margin;
    int y = margin;
    int row_height = 0;
    for (Tile& tile : tiles) {
        const int width = std::max(tile.image.width(), 120);
        if (x + width > sheet_width - margin) {
            x = margin;
            y += row_height + margin;
            row_height = 0;
        }
        tile.at = QPoint(x, y);
        x += width + margin;
        row_height = std::max(row_height, tile.image.height() + label_height);
    }
    QImage sheet(sheet_width, y + row_height + margin, QImage::Format_RGB32);
    sheet.fill(QColor(170, 170, 170));
    QPainter painter(&sheet);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    painter.setFont(font);
    for (const Tile& tile : tiles) {
        // A checkerboard behind transparent pictures shows where they are transparent.
        const QRect box(tile.at, tile.image.size());
        for (int cy = box.top(); cy < box.bottom(); cy += 6) {
            for (int cx = box.left(); cx < box.right(); cx += 6) {
                const bool dark = ((cx - box.left()) / 6 + (cy - box.top()) / 6) % 2 != 0;
                painter.fillRect(QRect(cx, cy, 6, 6).intersected(box), dark ? QColor(200, 200, 200) : Qt::white);
            }
        }
        painter.drawImage(tile.at, tile.image);
        painter.setPen(Qt::black);
        painter.drawText(QPoint(tile.at.x(), tile.at.y() + tile.image.height() + 12), tile.label);
    }
    painter.end();
    return sheet.save(path, "PNG");
}

} // namespace

int main(int argc, char** argv)
{
    // Text needs a font database, which needs a platform; none of it is ever shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);

    const QStringList arguments = QCoreApplication::arguments().mid(1);
    QString assets_folder;
    QString contact_sheet;
    bool understood = true;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--contact-sheet") && i + 1 < arguments.size())
            contact_sheet = arguments[++i];
        else if (assets_folder.isEmpty())
            assets_folder = arguments[i];
        else
            understood = false;
    }
    if (!understood || assets_folder.isEmpty()) {
        std::fprintf(stderr, "usage: picture_generator <assets folder> [--contact-sheet <png>]\n");
        return 2;
    }

    std::vector<Picture> pictures = card_pictures();
    for (auto* more : { main_window_pictures, other_window_pictures }) {
        for (Picture& picture : more())
            pictures.push_back(std::move(picture));
    }
    if (!names_match(pictures)) {
        std::fprintf(stderr, "the pictures drawn are not those assets/PictureNames.h names\n");
        return 1;
    }

    const QDir folder(assets_folder);
    for (const Picture& picture : pictures) {
        if (!write_file(folder.filePath(picture.path), picture.bytes))
            return 1;
    }
    std::printf("wrote %zu pictures into %s\n", pictures.size(), qPrintable(folder.absolutePath()));

    if (!contact_sheet.isEmpty()) {
        if (!write_contact_sheet(contact_sheet, pictures)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(contact_sheet));
            return 1;
        }
        std::printf("contact sheet %s\n", qPrintable(contact_sheet));
    }
    return 0;
}
