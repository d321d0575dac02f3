#include "card_faces.h"

#include "suits.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

#include <array>
#include <initializer_list>
#include <iterator>
#include <vector>

namespace pictures {

namespace {

    constexpr int face_width = 67;
    constexpr int face_height = 92;
    constexpr double centre_x = face_width / 2.0;
    constexpr double centre_y = face_height / 2.0;

    // In the order of Rank.
    const std::array<const char*, 9> rank_labels = { "6", "7", "8", "9", "10", "J", "Q", "K", "A" };

    // The ranks that show a figure, in the order of Rank.
    enum class Court { Jack, Queen, King };

    void draw_corner_index(QPainter& painter, Rank rank, Suit suit)
    {
        const QColor ink = suit_colour(suit);
        const QString label = QString::fromLatin1(rank_labels[static_cast<std::size_t>(rank)]);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setBold(true);
        font.setPixelSize(12);
        if (label.size() > 1) {
            // "10" has to fit the same narrow column as the single letters.
            font.setStretch(QFont::Condensed);
            font.setLetterSpacing(QFont::AbsoluteSpacing, -1.0);
        }
        painter.setFont(font);
        painter.setPen(ink);
        painter.drawText(QRectF(0.0, 2.0, 14.0, 13.0), Qt::AlignCenter, label);
        draw_suit(painter, suit, QRectF(2.5, 15.5, 9.0, 10.0), ink);
    }

    std::vector<QPointF> pip_centres(int count)
    {
        constexpr double left = 21.0;
        constexpr double middle = centre_x;
        constexpr double right = 46.0;
        std::vector<QPointF> centres;
        if (count <= 8) {
            for (double y : { 16.0, centre_y, 76.0 }) {
                centres.emplace_back(left, y);
                centres.emplace_back(right, y);
            }
            if (count >= 7)
                centres.emplace_back(middle, 31.0);
            if (count == 8)
                centres.emplace_back(middle, 61.0);
        } else {
            for (double y : { 16.0, 36.0, 56.0, 76.0 }) {
                centres.emplace_back(left, y);
                centres.emplace_back(right, y);
            }
            if (count == 9) {
                centres.emplace_back(middle, centre_y);
            } else {
                centres.emplace_back(middle, 26.0);
                centres.emplace_back(middle, 66.0);
            }
        }
        return centres;
    }

    void draw_pips(QPainter& painter, int count, Suit suit)
    {
        const QSizeF size = count >= 9 ? QSizeF(10.5, 12.0) : QSizeF(12.0, 13.5);
        for (const QPointF& centre : pip_centres(count)) {
            painter.save();
            painter.translate(centre);
            // Pips of the lower half stand on their heads, as on a printed card.
            if (centre.y() > centre_y + 0.5)
                painter.rotate(180.0);
            draw_suit(painter, suit, QRectF(QPointF(-size.width() / 2, -size.height() / 2), size), suit_colour(suit));
            painter.restore();
        }
    }

    void draw_ace(QPainter& painter, Suit suit)
    {
        const QColor ink = suit_colour(suit);
        if (suit != Suit::Spades) {
            draw_suit(painter, suit, QRectF(centre_x - 14.0, centre_y - 16.0, 28.0, 32.0), ink);
            return;
        }
        // The ace of spades carries the maker's ornament: a ringed, decorated pip.
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(ink, 1.0));
        painter.drawEllipse(QPointF(centre_x, centre_y), 24.0, 24.0);
        painter.setPen(QPen(ink, 0.6));
        painter.drawEllipse(QPointF(centre_x, centre_y), 21.5, 21.5);
        painter.setBrush(ink);
        painter.setPen(Qt::NoPen);
        for (int i = 0; i < 16; ++i) {
            painter.save();
            painter.translate(centre_x, centre_y);
            painter.rotate(i * 22.5);
            painter.drawEllipse(QPointF(0.0, -22.75), 0.9, 0.9);
            painter.restore();
        }
        const QRectF box(centre_x - 15.0, centre_y - 17.0, 30.0, 34.0);
        draw_suit(painter, suit, box, ink);
        painter.save();
        painter.translate(box.topLeft());
        painter.scale(box.width(), box.height());
        QPainterPath inner = suit_shape(suit);
        QTransform shrink;
        shrink.translate(0.5, 0.45);
        shrink.scale(0.62, 0.6);
        shrink.translate(-0.5, -0.45);
        painter.setPen(QPen(Qt::white, 0.03));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(shrink.map(inner));
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        painter.drawEllipse(QPointF(0.5, 0.5), 0.07, 0.06);
        painter.drawEllipse(QPointF(0.5, 0.3), 0.035, 0.03);
        painter.drawEllipse(QPointF(0.34, 0.55), 0.035, 0.03);
        painter.drawEllipse(QPointF(0.66, 0.55), 0.035, 0.03);
        painter.restore();
    }

    // A closed outline symmetric about the card's centre line. `left_half` runs from the outline's start to the
    // centre line, each point given as its distance left of the centre line and its height; the right half
    // returns through the mirror images.
    QPainterPath mirrored_outline(std::initializer_list<QPointF> left_half)
    {
        QPainterPath path;
        path.moveTo(centre_x - left_half.begin()->x(), left_half.begin()->y());
        for (auto point = std::next(left_half.begin()); point != left_half.end(); ++point)
            path.lineTo(centre_x - point->x(), point->y());
        for (auto point = std::next(std::rbegin(left_half)); point != std::rend(left_half); ++point)
            path.lineTo(centre_x + point->x(), point->y());
        path.closeSubpath();
        return path;
    }

    // One half of a double-ended court figure, drawn for the upper half of the frame; the lower half is the
    // same drawing turned through 180 degrees.
    void draw_court_half(QPainter& painter, Court court, Suit suit)
    {
        constexpr double cx = centre_x;
        const bool red = is_red(suit);
        const QColor robe = red ? QColor(200, 28, 38) : QColor(36, 58, 150);
        const QColor robe_dark = robe.darker(150);
        const QColor gold(240, 188, 28);
        const QColor skin(252, 214, 172);
        const QColor outline(50, 32, 24);
        const QPen line(outline, 0.7);

        if (court == Court::Queen) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(226, 170, 44));
            painter.drawEllipse(QPointF(cx, 23.5), 7.8, 9.0);
        }

        QPainterPath body;
        body.moveTo(cx - 16.0, 47.0);
        body.lineTo(cx - 15.0, 36.0);
        body.quadTo(cx - 14.0, 30.5, cx - 6.0, 30.0);
        body.lineTo(cx + 6.0, 30.0);
        body.quadTo(cx + 14.0, 30.5, cx + 15.0, 36.0);
        body.lineTo(cx + 16.0, 47.0);
        body.closeSubpath();
        painter.setPen(line);
        painter.setBrush(robe);
        painter.drawPath(body);

        // Sleeve folds and the gold trim make the robe read as clothing rather than as a blot.
        painter.setPen(QPen(robe_dark, 0.8));
        painter.drawLine(QPointF(cx - 9.0, 34.0), QPointF(cx - 10.0, 46.0));
        painter.drawLine(QPointF(cx + 9.0, 34.0), QPointF(cx + 10.0, 46.0));
        painter.setPen(line);
        painter.setBrush(court == Court::Jack ? QColor(250, 250, 250) : gold);
        painter.drawPath(mirrored_outline({ { 7.0, 30.0 }, { 0.0, 38.0 } }));
        if (court == Court::King) {
            // An ermine cape over the shoulders.
            QPainterPath cape;
            cape.moveTo(cx - 14.5, 33.5);
            cape.quadTo(cx - 13.0, 29.5, cx - 6.0, 29.5);
            cape.lineTo(cx + 6.0, 29.5);
            cape.quadTo(cx + 13.0, 29.5, cx + 14.5, 33.5);
            cape.quadTo(cx, 38.0, cx - 14.5, 33.5);
            cape.closeSubpath();
            painter.setBrush(QColor(252, 252, 248));
            painter.drawPath(cape);
            painter.setPen(Qt::NoPen);
            painter.setBrush(outline);
            for (double x : { -11.0, -7.0, 7.0, 11.0 })
                painter.drawRect(QRectF(cx + x - 0.4, 32.0, 0.9, 1.4));
        }
        painter.setPen(Qt::NoPen);
        painter.setBrush(gold);
        painter.drawRect(QRectF(cx - 1.5, 38.0, 3.0, 9.0));

        if (court == Court::Jack) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(122, 70, 30));
            painter.drawEllipse(QPointF(cx, 20.5), 6.2, 6.0);
        }

        painter.setPen(line);
        painter.setBrush(skin);
        painter.drawRect(QRectF(cx - 2.0, 26.0, 4.0, 4.5));
        painter.drawEllipse(QPointF(cx, 22.0), 5.0, 6.0);
        painter.setPen(Qt::NoPen);
        painter.setBrush(outline);
        painter.drawEllipse(QPointF(cx - 2.0, 21.3), 0.75, 0.75);
        painter.drawEllipse(QPointF(cx + 2.0, 21.3), 0.75, 0.75);
        painter.setPen(QPen(QColor(190, 40, 40), 0.8));
        painter.drawLine(QPointF(cx - 1.3, 25.2), QPointF(cx + 1.3, 25.2));

        switch (court) {
        case Court::King: {
            QPainterPath beard;
            beard.moveTo(cx - 5.0, 22.5);
            beard.quadTo(cx - 4.5, 31.0, cx, 32.0);
            beard.quadTo(cx + 4.5, 31.0, cx + 5.0, 22.5);
            beard.quadTo(cx + 2.5, 26.5, cx + 1.6, 24.3);
            beard.lineTo(cx - 1.6, 24.3);
            beard.quadTo(cx - 2.5, 26.5, cx - 5.0, 22.5);
            beard.closeSubpath();
            painter.setPen(line);
            painter.setBrush(QColor(120, 72, 36));
            painter.drawPath(beard);
            painter.setBrush(gold);
            painter.drawPath(mirrored_outline({ { 6.0, 17.5 }, { 7.0, 9.5 }, { 3.5, 13.5 }, { 0.0, 8.0 } }));
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(200, 20, 30));
            painter.drawEllipse(QPointF(cx, 15.3), 1.2, 1.2);
            break;
        }
        case Court::Queen: {
            painter.setPen(line);
            painter.setBrush(gold);
            painter.drawPath(mirrored_outline({ { 5.0, 16.5 }, { 5.5, 12.5 }, { 2.7, 14.5 }, { 0.0, 11.0 } }));
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(40, 120, 220));
            painter.drawEllipse(QPointF(cx, 15.0), 0.9, 0.9);
            // A necklace marks the queen as much as the long hair does.
            painter.setPen(QPen(gold, 0.9));
            painter.setBrush(Qt::NoBrush);
            painter.drawArc(QRectF(cx - 5.0, 25.0, 10.0, 8.0), 200 * 16, 140 * 16);
            break;
        }
        case Court::Jack: {
            QPainterPath feather;
            feather.moveTo(cx + 4.0, 14.5);
            feather.quadTo(cx + 8.0, 7.0, cx + 10.5, 8.0);
            feather.quadTo(cx + 9.0, 12.5, cx + 5.5, 15.5);
            feather.closeSubpath();
            painter.setPen(QPen(QColor(90, 90, 90), 0.5));
            painter.setBrush(QColor(250, 250, 250));
            painter.drawPath(feather);
            painter.setPen(line);
            painter.setBrush(robe);
            painter.drawEllipse(QPointF(cx + 0.8, 15.6), 7.6, 3.1);
            painter.setPen(Qt::NoPen);
            painter.setBrush(gold);
            painter.drawRect(QRectF(cx - 5.0, 16.2, 10.0, 1.4));
            break;
        }
        }

        // What the figure holds, in its right hand (on the viewer's left), in front of the robe.
        switch (court) {
        case Court::King:
            painter.setPen(QPen(gold.darker(130), 1.8, Qt::SolidLine, Qt::FlatCap));
            painter.drawLine(QPointF(cx - 11.0, 42.0), QPointF(cx - 11.0, 14.0));
            painter.setPen(line);
            painter.setBrush(gold);
            painter.drawEllipse(QPointF(cx - 11.0, 12.5), 2.2, 2.2);
            break;
        case Court::Queen: {
            painter.setPen(QPen(QColor(30, 120, 40), 1.0));
            painter.drawLine(QPointF(cx - 11.0, 38.0), QPointF(cx - 11.0, 24.0));
            painter.setBrush(QColor(40, 150, 50));
            painter.setPen(Qt::NoPen);
            painter.drawEllipse(QPointF(cx - 13.0, 31.0), 2.2, 1.1);
            painter.setPen(line);
            painter.setBrush(red ? QColor(250, 210, 40) : QColor(235, 40, 90));
            for (int i = 0; i < 5; ++i) {
                painter.save();
                painter.translate(cx - 11.0, 22.0);
                painter.rotate(i * 72.0);
                painter.drawEllipse(QPointF(0.0, -1.7), 1.4, 1.4);
                painter.restore();
            }
            painter.setBrush(gold.darker(120));
            painter.drawEllipse(QPointF(cx - 11.0, 22.0), 1.0, 1.0);
            break;
        }
        case Court::Jack: {
            painter.setPen(QPen(QColor(120, 76, 36), 1.4, Qt::SolidLine, Qt::FlatCap));
            painter.drawLine(QPointF(cx - 11.0, 47.0), QPointF(cx - 11.0, 9.0));
            QPainterPath blade;
            blade.moveTo(cx - 11.0, 6.8);
            blade.lineTo(cx - 9.8, 11.0);
            blade.lineTo(cx - 6.5, 10.5);
            blade.quadTo(cx - 7.5, 14.0, cx - 6.5, 17.5);
            blade.lineTo(cx - 11.0, 15.0);
            blade.closeSubpath();
            painter.setPen(QPen(QColor(70, 70, 80), 0.6));
            painter.setBrush(QColor(200, 204, 214));
            painter.drawPath(blade);
            break;
        }
        }

        // Arm, cuff and hand, so that the attribute is held rather than floating.
        painter.setPen(QPen(robe_dark, 0.9));
        painter.setBrush(Qt::NoBrush);
        QPainterPath arm;
        arm.moveTo(cx - 12.5, 32.5);
        arm.quadTo(cx - 6.0, 38.0, cx - 9.0, 41.0);
        painter.drawPath(arm);
        painter.setPen(line);
        painter.setBrush(court == Court::Jack ? QColor(250, 250, 250) : gold);
        painter.drawRect(QRectF(cx - 13.5, 39.5, 5.0, 1.8));
        painter.setBrush(skin);
        painter.drawEllipse(QPointF(cx - 11.0, 37.6), 2.1, 1.9);
    }

    void draw_court(QPainter& painter, Court court, Suit suit)
    {
        const QRectF frame(14.5, 6.5, 38.0, 79.0);
        const QColor ink = suit_colour(suit);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 246, 214));
        painter.drawRect(frame);

        for (int half = 0; half < 2; ++half) {
            painter.save();
            if (half == 1) {
                painter.translate(face_width, face_height);
                painter.rotate(180.0);
            }
            painter.setClipRect(QRectF(frame.left(), frame.top(), frame.width(), centre_y - frame.top()));
            draw_court_half(painter, court, suit);
            draw_suit(painter, suit, QRectF(44.0, 8.5, 7.0, 8.0), ink);
            painter.restore();
        }

        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(ink, 0.8));
        painter.drawRect(frame);
        painter.drawLine(QPointF(frame.left(), centre_y), QPointF(frame.right(), centre_y));
    }

} // namespace

QImage draw_card_face(CardIndex card)
{
    const Rank rank = card_rank(card);
    const Suit suit = card_suit(card);

    QImage image(face_width, face_height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    painter.setPen(QPen(QColor(110, 110, 110), 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(0.5, 0.5, face_width - 1.0, face_height - 1.0));

    if (rank < Rank::Jack)
        draw_pips(painter, 6 + static_cast<int>(rank), suit); // from six pips on the six to ten on the ten
    else if (rank < Rank::Ace)
        draw_court(painter, static_cast<Court>(static_cast<int>(rank) - static_cast<int>(Rank::Jack)), suit);
    else
        draw_ace(painter, suit);

    draw_corner_index(painter, rank, suit);
    painter.translate(face_width, face_height);
    painter.rotate(180.0);
    draw_corner_index(painter, rank, suit);
    return image;
}

} // namespace pictures
