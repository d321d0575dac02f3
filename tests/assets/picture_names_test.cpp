// The names the program loads its pictures by against what the resources hold, and the faces against the
// deck's numbering: a face drawn for the wrong number would put the wrong card on the table.

#include "assets.h"
#include "assets/PictureNames.h"

#include <QDirIterator>
#include <QImage>
#include <QString>

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace {

class PictureNames : public ::testing::Test {
protected:
    static void SetUpTestSuite() { init_assets(); }
};

QImage face_of(int card)
{
    return QImage(QString::fromStdString(picture_names::face(static_cast<CardIndex>(card))))
        .convertToFormat(QImage::Format_RGB32);
}

// Dark or strongly coloured: a sign or a letter rather than the white card or compression noise around it.
bool is_ink(QRgb pixel) { return qRed(pixel) + qGreen(pixel) + qBlue(pixel) < 400; }

bool is_red_ink(QRgb pixel) { return qRed(pixel) > 150 && qGreen(pixel) < 110 && qBlue(pixel) < 110; }

// Where a face shows its rank and suit in small, upper left; the lower right repeats it upside down.
const QRect corner_index(0, 0, 14, 27);

// Between the two corner indexes: the pips, the figure or the ace's sign.
const QRect middle(15, 4, 38, 84);

// Where an ace's one sign lies.
const QRect centre(23, 34, 21, 25);

// Counts the separate signs in a part of a face: the pips of a six to ten.
int signs_in(const QImage& face, const QRect& area)
{
    std::vector<bool> seen(static_cast<std::size_t>(area.width() * area.height()), false);
    auto const slot
        = [&](QPoint p) { return static_cast<std::size_t>((p.y() - area.top()) * area.width() + p.x() - area.left()); };
    int signs = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (seen[slot({ x, y })] || !is_ink(face.pixel(x, y)))
                continue;
            ++signs;
            std::vector<QPoint> pending { { x, y } };
            seen[slot({ x, y })] = true;
            while (!pending.empty()) {
                QPoint const p = pending.back();
                pending.pop_back();
                for (QPoint const next : { p + QPoint(1, 0), p - QPoint(1, 0), p + QPoint(0, 1), p - QPoint(0, 1) }) {
                    if (area.contains(next) && !seen[slot(next)] && is_ink(face.pixel(next))) {
                        seen[slot(next)] = true;
                        pending.push_back(next);
                    }
                }
            }
        }
    }
    return signs;
}

int pixels_where(const QImage& face, const QRect& area, bool (*test)(QRgb))
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            count += test(face.pixel(x, y)) ? 1 : 0;
    }
    return count;
}

// The pale ground of the framed figure on a jack, queen or king.
bool is_figure_ground(QRgb pixel) { return qRed(pixel) > 240 && qGreen(pixel) > 228 && qBlue(pixel) < 230; }

} // namespace

TEST_F(PictureNames, ResourcesHoldExactlyTheNamedPictures)
{
    std::vector<std::string> const names = picture_names::all();
    std::set<std::string> const named(names.begin(), names.end());
    EXPECT_EQ(named.size(), names.size()) << "a name is given twice";

    // Every file in the windows' folders; Qt keeps resources of its own beside them.
    std::set<QString> folders;
    for (std::string const& name : named)
        folders.insert(QString::fromStdString(name).section(QLatin1Char('/'), 0, 1));
    std::set<std::string> compiled_in;
    for (QString const& folder : folders) {
        QDirIterator files(folder, QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext())
            compiled_in.insert(files.next().toStdString());
    }

    std::vector<std::string> unnamed, missing;
    std::set_difference(
        compiled_in.begin(), compiled_in.end(), named.begin(), named.end(), std::back_inserter(unnamed));
    std::set_difference(
        named.begin(), named.end(), compiled_in.begin(), compiled_in.end(), std::back_inserter(missing));
    EXPECT_EQ(unnamed, std::vector<std::string>()) << "compiled in, but no window can name them";
    EXPECT_EQ(missing, std::vector<std::string>()) << "named, but not compiled in";
}

TEST_F(PictureNames, FacesAndBacksAreNamedByTheirNumber)
{
    // Two digits for every face, so that a folder listing follows the numbering.
    EXPECT_EQ(picture_names::face(4), ":/main_window/face_04.jpg");
    EXPECT_EQ(picture_names::face(35), ":/main_window/face_35.jpg");
    EXPECT_EQ(picture_names::back(7), ":/main_window/back_7.jpg");
    EXPECT_EQ(picture_names::asset_path(picture_names::about), "about/about.jpg");
}

TEST_F(PictureNames, EveryFaceShowsTheSuitOfItsNumber)
{
    for (int card = 0; card < card_count; ++card) {
        Suit const suit = card_suit(static_cast<CardIndex>(card));
        QImage const face = face_of(card);
        SCOPED_TRACE(card);
        ASSERT_EQ(face.size(), QSize(67, 92));
        int const red = pixels_where(face, corner_index, is_red_ink);
        int const ink = pixels_where(face, corner_index, is_ink);
        if (suit == Suit::Diamonds || suit == Suit::Hearts) {
            EXPECT_GT(red, ink / 2);
        } else {
            EXPECT_EQ(red, 0);
        }
    }
}

TEST_F(PictureNames, EveryFaceShowsTheRankOfItsNumber)
{
    for (int card = 0; card < card_count; ++card) {
        Rank const rank = card_rank(static_cast<CardIndex>(card));
        QImage const face = face_of(card);
        SCOPED_TRACE(card);
        bool const figure = pixels_where(face, middle, is_figure_ground) > 200;
        EXPECT_EQ(figure, rank == Rank::Jack || rank == Rank::Queen || rank == Rank::King);
        if (rank < Rank::Jack) {
            EXPECT_EQ(signs_in(face, middle), 6 + static_cast<int>(rank));
        }
        if (rank == Rank::Ace) {
            EXPECT_GT(pixels_where(face, centre, is_ink), 200) << "the ace's one large sign fills the middle";
        }
    }
}

// The same three cards by their bare numbers, so that a numbering shifted in the deck and in the drawing alike
// shows too.
TEST_F(PictureNames, SevenOfDiamondsJackOfClubsAndAceOfSpadesAreWhereTheNumbersSay)
{
    QImage const seven = face_of(4);
    EXPECT_EQ(signs_in(seven, middle), 7);
    EXPECT_GT(pixels_where(seven, corner_index, is_red_ink), 20);

    QImage const jack = face_of(22);
    EXPECT_GT(pixels_where(jack, middle, is_figure_ground), 200);
    EXPECT_EQ(pixels_where(jack, corner_index, is_red_ink), 0);

    QImage const ace = face_of(33);
    EXPECT_GT(pixels_where(ace, centre, is_ink), 200);
    EXPECT_EQ(pixels_where(ace, corner_index, is_red_ink), 0);
    EXPECT_EQ(pixels_where(ace, middle, is_figure_ground), 0);
}
