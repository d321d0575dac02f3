#include "icons.h"

#include "icon_encoder.h"
#include "suits.h"

#include <QPainter>
#include <QPainterPath>

#include <array>
#include <functional>
#include <initializer_list>
#include <iterator>

namespace pictures {

namespace {

    QColor palette_colour(int index) { return QColor(icon_palette()[static_cast<std::size_t>(index)]); }

    const QColor black = palette_colour(0);
    const QColor maroon = palette_colour(1);
    const QColor olive = palette_colour(3);
    const QColor navy = palette_colour(4);
    const QColor silver = palette_colour(7);
    const QColor grey = palette_colour(8);
    const QColor red = palette_colour(9);
    const QColor yellow = palette_colour(11);
    const QColor blue = palette_colour(12);
    const QColor cyan = palette_colour(14);
    const QColor white = palette_colour(15);

    // Icons are designed on a 32-unit square. They are painted eight times larger with antialiasing and
    // every icon pixel then takes the palette colour that covers most of it, which keeps edges crisp (no
    // blended in-between colours a 16-colour icon could not hold) yet follows curves more faithfully than
    // painting without antialiasing. `pixel` is the size of one icon pixel in design units, for line widths.
    QImage render_icon(int size, const std::function<void(QPainter&, double pixel)>& draw)
    {
        constexpr int oversample = 8;
        QImage large(size * oversample, size * oversample, QImage::Format_ARGB32);
        large.fill(Qt::transparent);
        {
            QPainter painter(&large);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.scale(size * oversample / 32.0, size * oversample / 32.0);
            draw(painter, 32.0 / size);
        }

        QImage icon(size, size, QImage::Format_ARGB32);
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                std::array<int, 16> votes {};
                int coverage = 0;
                for (int dy = 0; dy < oversample; ++dy) {
                    for (int dx = 0; dx < oversample; ++dx) {
                        const QRgb sample = large.pixel(x * oversample + dx, y * oversample + dy);
                        coverage += qAlpha(sample);
                        if (qAlpha(sample) > 0)
                            votes[static_cast<std::size_t>(nearest_icon_colour(sample))] += qAlpha(sample);
                    }
                }
                if (coverage < 128 * oversample * oversample) {
                    icon.setPixel(x, y, qRgba(0, 0, 0, 0));
                    continue;
                }
                std::size_t winner = 0;
                for (std::size_t i = 1; i < votes.size(); ++i) {
                    if (votes[i] > votes[winner])
                        winner = i;
                }
                icon.setPixel(x, y, icon_palette()[winner]);
            }
        }
        return icon;
    }

    QPainterPath polygon(std::initializer_list<QPointF> corners)
    {
        QPainterPath path;
        path.moveTo(*corners.begin());
        for (auto corner = std::next(corners.begin()); corner != corners.end(); ++corner)
            path.lineTo(*corner);
        path.closeSubpath();
        return path;
    }

    // A red heart filling `box`, edged in maroon `edge` wide, in units of the box.
    void draw_edged_heart(QPainter& painter, const QRectF& box, double edge)
    {
        painter.save();
        painter.translate(box.topLeft());
        painter.scale(box.width(), box.height());
        const QPainterPath heart = suit_shape(Suit::Hearts);
        painter.fillPath(heart, red);
        painter.setPen(QPen(maroon, edge));
        painter.drawPath(heart);
        painter.restore();
    }

    QImage draw_arrow(int size, double angle)
    {
        return render_icon(size, [angle](QPainter& painter, double) {
            painter.translate(16.0, 16.0);
            painter.rotate(angle);
            painter.translate(-16.0, -16.0);
            painter.fillPath(polygon({ { 3.0, 12.5 }, { 17.0, 12.5 }, { 17.0, 5.0 }, { 29.0, 16.0 }, { 17.0, 27.0 },
                                 { 17.0, 19.5 }, { 3.0, 19.5 } }),
                black);
        });
    }

    // The classic pointer arrow, one character per pixel: N navy edge, C cyan highlight, B blue fill.
    constexpr std::array<const char*, 17> pointer_rows = {
        "N",
        "NN",
        "NCN",
        "NCBN",
        "NCBBN",
        "NCBBBN",
        "NCBBBBN",
        "NCBBBBBN",
        "NCBBBBBBN",
        "NCBBBBBBBN",
        "NCBBBBNNNNN",
        "NCBNCBN",
        "NCN NCBN",
        "NN  NCBN",
        "N    NCBN",
        "     NCBN",
        "      NN",
    };

} // namespace

QImage draw_yin_yang_icon()
{
    return render_icon(32, [](QPainter& painter, double pixel) {
        const QPointF centre(16.0, 16.0);
        constexpr double radius = 15.0;
        QPainterPath disc;
        disc.addEllipse(centre, radius, radius);
        QPainterPath right_half;
        right_half.addRect(QRectF(16.0, 0.0, 16.0, 32.0));
        QPainterPath upper;
        upper.addEllipse(QPointF(16.0, 16.0 - radius / 2), radius / 2, radius / 2);
        QPainterPath lower;
        lower.addEllipse(QPointF(16.0, 16.0 + radius / 2), radius / 2, radius / 2);
        const QPainterPath dark = disc.intersected(right_half).united(lower).subtracted(upper);

        painter.fillPath(disc, red);
        painter.fillPath(dark, black);
        painter.setPen(Qt::NoPen);
        painter.setBrush(black);
        painter.drawEllipse(QPointF(16.0, 16.0 - radius / 2), 2.6, 2.6);
        painter.setBrush(red);
        painter.drawEllipse(QPointF(16.0, 16.0 + radius / 2), 2.6, 2.6);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(black, pixel * 1.2));
        painter.drawEllipse(centre, radius - 0.3, radius - 0.3);
    });
}

QImage draw_hourglass_icon()
{
    return render_icon(32, [](QPainter& painter, double pixel) {
        QPainterPath glass;
        glass.moveTo(9.0, 5.0);
        glass.lineTo(23.0, 5.0);
        glass.cubicTo(23.0, 11.0, 17.5, 13.0, 17.5, 16.0);
        glass.cubicTo(17.5, 19.0, 23.0, 21.0, 23.0, 27.0);
        glass.lineTo(9.0, 27.0);
        glass.cubicTo(9.0, 21.0, 14.5, 19.0, 14.5, 16.0);
        glass.cubicTo(14.5, 13.0, 9.0, 11.0, 9.0, 5.0);
        glass.closeSubpath();
        painter.fillPath(glass, white);

        // Sand: what is left above, the falling thread and the heap below.
        QPainterPath top_sand;
        top_sand.addRect(QRectF(8.0, 10.5, 16.0, 6.0));
        painter.fillPath(glass.intersected(top_sand), yellow);
        QPainterPath heap;
        heap.moveTo(9.0, 27.0);
        heap.quadTo(16.0, 17.5, 23.0, 27.0);
        heap.closeSubpath();
        painter.fillPath(glass.intersected(heap), yellow);
        painter.fillRect(QRectF(15.5, 16.0, 1.0, 6.0), yellow);

        painter.setPen(QPen(black, pixel * 1.1));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(glass);

        painter.setPen(Qt::NoPen);
        painter.setBrush(maroon);
        painter.drawRect(QRectF(5.0, 1.5, 22.0, 3.5));
        painter.drawRect(QRectF(5.0, 27.0, 22.0, 3.5));
        painter.setBrush(olive);
        painter.drawRect(QRectF(6.0, 5.0, 2.0, 22.0));
        painter.drawRect(QRectF(24.0, 5.0, 2.0, 22.0));
    });
}

QImage draw_arrow_right_icon(int size) { return draw_arrow(size, 0.0); }

QImage draw_arrow_down_icon(int size) { return draw_arrow(size, 90.0); }

QImage draw_info_icon(int size)
{
    return render_icon(size, [](QPainter& painter, double pixel) {
        QPainterPath bubble;
        bubble.addRoundedRect(QRectF(2.0, 2.0, 28.0, 21.0), 9.0, 8.0);
        bubble = bubble.united(polygon({ { 8.0, 19.0 }, { 5.0, 30.0 }, { 16.0, 21.0 } }));
        painter.fillPath(bubble, white);
        painter.setPen(QPen(black, pixel * 1.2));
        painter.drawPath(bubble);

        painter.setPen(Qt::NoPen);
        painter.setBrush(blue);
        painter.drawEllipse(QPointF(16.0, 6.8), 2.2, 2.2);
        painter.drawRect(QRectF(14.0, 10.5, 4.0, 9.0));
        painter.drawRect(QRectF(12.0, 10.5, 4.0, 2.0));
        painter.drawRect(QRectF(12.0, 18.0, 8.0, 2.0));
    });
}

QImage draw_heart_icon(int size)
{
    return render_icon(size, [](QPainter& painter, double pixel) {
        draw_edged_heart(painter, QRectF(2.0, 3.0, 28.0, 26.0), pixel * 1.2 / 27.0);
    });
}

QImage draw_book_icon(int size)
{
    return render_icon(size, [](QPainter& painter, double pixel) {
        const double line = pixel * 1.1;
        painter.fillPath(
            polygon({ { 16.0, 28.0 }, { 1.0, 25.0 }, { 1.0, 10.0 }, { 16.0, 13.0 }, { 31.0, 10.0 }, { 31.0, 25.0 } }),
            maroon);

        auto page = [](double side) {
            QPainterPath path;
            path.moveTo(16.0, 11.0);
            path.quadTo(16.0 + side * 7.0, 6.0, 16.0 + side * 13.5, 8.0);
            path.lineTo(16.0 + side * 13.5, 23.5);
            path.quadTo(16.0 + side * 7.0, 21.5, 16.0, 26.0);
            path.closeSubpath();
            return path;
        };
        for (double side : { -1.0, 1.0 }) {
            const QPainterPath sheet = page(side);
            painter.fillPath(sheet, white);
            painter.setPen(QPen(black, line));
            painter.drawPath(sheet);
            // Lines of writing.
            painter.setPen(QPen(grey, pixel));
            for (int i = 0; i < 4; ++i) {
                const double y = 12.5 + i * 3.2;
                painter.drawLine(QPointF(16.0 + side * 3.0, y + 0.6), QPointF(16.0 + side * 11.0, y - 0.8));
            }
        }

        // The quill lies across the right page, its nib on the last line written.
        painter.save();
        painter.translate(21.0, 22.0);
        painter.rotate(-52.0);
        QPainterPath feather;
        feather.moveTo(2.5, 0.0);
        feather.quadTo(9.0, -3.6, 17.5, -1.8);
        feather.quadTo(21.0, 0.0, 17.5, 1.6);
        feather.quadTo(9.0, 3.6, 2.5, 0.0);
        feather.closeSubpath();
        painter.fillPath(feather, silver);
        painter.setPen(QPen(navy, line));
        painter.drawPath(feather);
        painter.setPen(QPen(grey, pixel * 0.9));
        painter.drawLine(QPointF(3.0, 0.0), QPointF(18.0, 0.0));
        painter.setPen(QPen(black, line * 1.3));
        painter.drawLine(QPointF(-1.0, 0.0), QPointF(3.0, 0.0));
        painter.restore();
    });
}

QImage draw_pointer_icon(QPoint tip, PointerBadge badge)
{
    QImage icon = render_icon(32, [badge](QPainter& painter, double pixel) {
        if (badge == PointerBadge::Heart)
            draw_edged_heart(painter, QRectF(18.0, 18.0, 13.0, 12.0), pixel / 13.0);
        else if (badge == PointerBadge::Spade)
            draw_suit(painter, Suit::Spades, QRectF(18.5, 17.0, 12.0, 14.0), black);
    });

    for (std::size_t row = 0; row < pointer_rows.size(); ++row) {
        const QByteArray pixels(pointer_rows[row]);
        for (qsizetype column = 0; column < pixels.size(); ++column) {
            QColor colour;
            switch (pixels[column]) {
            case 'N':
                colour = navy;
                break;
            case 'C':
                colour = cyan;
                break;
            case 'B':
                colour = blue;
                break;
            default:
                continue;
            }
            const int x = tip.x() + static_cast<int>(column);
            const int y = tip.y() + static_cast<int>(row);
            if (x < 32 && y < 32)
                icon.setPixel(x, y, colour.rgb());
        }
    }
    return icon;
}

} // namespace pictures
