#include "card_backs.h"

#include "random.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <array>
#include <cmath>
#include <vector>

namespace pictures {

namespace {

    void draw_leaf(QPainter& painter, QPointF base, double length, double width, double angle, const QColor& colour)
    {
        painter.save();
        painter.translate(base);
        painter.rotate(angle);
        QPainterPath leaf;
        leaf.moveTo(0.0, 0.0);
        leaf.quadTo(length * 0.45, -width, length, 0.0);
        leaf.quadTo(length * 0.45, width, 0.0, 0.0);
        leaf.closeSubpath();
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawPath(leaf);
        painter.setPen(QPen(colour.darker(170), 0.5));
        painter.drawLine(QPointF(0.5, 0.0), QPointF(length * 0.85, 0.0));
        painter.restore();
    }

    void draw_small_flower(
        QPainter& painter, QPointF centre, double radius, const QColor& petals, const QColor& heart, double turn)
    {
        painter.setPen(Qt::NoPen);
        painter.setBrush(petals);
        for (int i = 0; i < 5; ++i) {
            const double angle = turn + i * 2.0 * M_PI / 5.0;
            painter.drawEllipse(
                centre + QPointF(std::cos(angle), std::sin(angle)) * radius * 0.85, radius * 0.62, radius * 0.62);
        }
        painter.setBrush(heart);
        painter.drawEllipse(centre, radius * 0.45, radius * 0.45);
    }

    void draw_leaves_and_flowers(QPainter& painter, const QRectF& area, const QColor& ground, std::uint64_t seed)
    {
        painter.fillRect(area, ground);
        Random random(seed);
        const std::array<QColor, 3> greens = { QColor(40, 150, 52), QColor(78, 182, 62), QColor(26, 118, 60) };
        constexpr double cell = 13.0;
        // Leaves first, everywhere, then the flowers on top so that no leaf hides a flower.
        std::vector<QPointF> flowers;
        for (int row = -1; row * cell < area.height() + cell; ++row) {
            for (int column = -1; column * cell < area.width() + cell; ++column) {
                const QPointF centre(
                    area.left() + column * cell + (row % 2 != 0 ? cell / 2 : 0.0) + random.uniform(-2.0, 2.0),
                    area.top() + row * cell + random.uniform(-2.0, 2.0));
                const double turn = random.uniform(0.0, 360.0);
                for (int leaf = 0; leaf < 3; ++leaf) {
                    draw_leaf(painter, centre, random.uniform(6.0, 8.5), random.uniform(2.2, 3.0),
                        turn + leaf * 120.0 + random.uniform(-20.0, 20.0), greens[static_cast<std::size_t>(leaf)]);
                }
                flowers.push_back(centre);
            }
        }
        int index = 0;
        for (const QPointF& centre : flowers) {
            const bool yellow = (index++ % 2) == 0;
            draw_small_flower(painter, centre, random.uniform(1.9, 2.4),
                yellow ? QColor(252, 214, 28) : QColor(226, 34, 36),
                yellow ? QColor(220, 120, 20) : QColor(255, 230, 120), random.uniform(0.0, 6.3));
        }
    }

    void draw_castle_night(QPainter& painter, const QRectF& area)
    {
        QLinearGradient sky(area.topLeft(), area.bottomLeft());
        sky.setColorAt(0.0, QColor(6, 12, 52));
        sky.setColorAt(0.6, QColor(28, 48, 120));
        painter.fillRect(area, sky);

        Random random(101);
        painter.setPen(Qt::NoPen);
        for (int i = 0; i < 26; ++i) {
            const QPointF star(
                random.uniform(area.left(), area.right()), random.uniform(area.top(), area.top() + 45.0));
            const int light = 170 + random.below(86);
            painter.setBrush(QColor(light, light, 230));
            painter.drawEllipse(star, 0.45, 0.45);
        }

        const QPointF moon(area.left() + 46.0, area.top() + 13.0);
        painter.setBrush(QColor(255, 250, 200, 50));
        painter.drawEllipse(moon, 10.0, 10.0);
        painter.setBrush(QColor(255, 246, 190));
        painter.drawEllipse(moon, 6.5, 6.5);
        painter.setBrush(QColor(225, 214, 160));
        painter.drawEllipse(moon + QPointF(-2.0, 1.5), 1.4, 1.2);
        painter.drawEllipse(moon + QPointF(1.8, -1.8), 1.0, 1.0);

        const double x0 = area.left();
        const double y0 = area.top();
        QPainterPath far_hills;
        far_hills.moveTo(x0, y0 + 58.0);
        far_hills.quadTo(x0 + 14.0, y0 + 48.0, x0 + 30.0, y0 + 56.0);
        far_hills.quadTo(x0 + 48.0, y0 + 46.0, area.right(), y0 + 54.0);
        far_hills.lineTo(area.bottomRight());
        far_hills.lineTo(area.bottomLeft());
        painter.setBrush(QColor(30, 44, 82));
        painter.drawPath(far_hills);

        QPainterPath hill;
        hill.moveTo(x0, y0 + 66.0);
        hill.quadTo(x0 + 30.0, y0 + 34.0, area.right(), y0 + 64.0);
        hill.lineTo(area.bottomRight());
        hill.lineTo(area.bottomLeft());
        painter.setBrush(QColor(16, 34, 30));
        painter.drawPath(hill);

        // The road climbs from the bottom edge to the gate, narrowing with the distance.
        const QPointF start(x0 + 24.0, area.bottom() + 2.0);
        const QPointF control1(x0 + 62.0, y0 + 76.0);
        const QPointF control2(x0 + 4.0, y0 + 62.0);
        const QPointF gate(x0 + 30.0, y0 + 50.0);
        constexpr int steps = 60;
        QPointF previous = start;
        for (int i = 1; i <= steps; ++i) {
            const double t = static_cast<double>(i) / steps;
            const double u = 1.0 - t;
            const QPointF point
                = start * (u * u * u) + control1 * (3 * u * u * t) + control2 * (3 * u * t * t) + gate * (t * t * t);
            painter.setPen(QPen(QColor(214, 204, 168), 7.5 * u + 1.2, Qt::SolidLine, Qt::RoundCap));
            painter.drawLine(previous, point);
            previous = point;
        }

        const QColor stone(14, 14, 24);
        painter.setPen(Qt::NoPen);
        painter.setBrush(stone);
        painter.drawRect(QRectF(x0 + 22.0, y0 + 36.0, 18.0, 15.0));
        for (int i = 0; i < 5; ++i)
            painter.drawRect(QRectF(x0 + 22.0 + i * 4.0, y0 + 34.0, 2.2, 2.5));
        struct Tower {
            double left;
            double top;
            double width;
        };
        for (const Tower& tower : { Tower { 17.5, 30.0, 6.0 }, Tower { 38.5, 31.5, 5.5 }, Tower { 27.5, 24.0, 6.5 } }) {
            painter.drawRect(QRectF(x0 + tower.left, y0 + tower.top, tower.width, 51.0 - tower.top));
            QPainterPath roof;
            roof.moveTo(x0 + tower.left - 1.0, y0 + tower.top);
            roof.lineTo(x0 + tower.left + tower.width / 2, y0 + tower.top - 8.0);
            roof.lineTo(x0 + tower.left + tower.width + 1.0, y0 + tower.top);
            roof.closeSubpath();
            painter.drawPath(roof);
        }
        painter.setBrush(QColor(255, 208, 90));
        for (const QPointF& window :
            { QPointF(19.8, 34.0), QPointF(30.2, 28.5), QPointF(40.6, 36.0), QPointF(26.0, 41.0), QPointF(34.5, 41.0) })
            painter.drawRect(QRectF(x0 + window.x(), y0 + window.y(), 1.3, 2.0));
        painter.setBrush(QColor(60, 40, 30));
        painter.drawRect(QRectF(x0 + 28.8, y0 + 46.0, 3.2, 5.0));
    }

    void draw_clownfish(QPainter& painter, QPointF centre, double length, bool facing_left)
    {
        const QColor orange(255, 116, 18);
        const QColor edge(22, 18, 16);
        painter.save();
        painter.translate(centre);
        if (facing_left)
            painter.scale(-1.0, 1.0);
        const double l = length;

        QPainterPath tail;
        tail.moveTo(-l * 0.40, 0.0);
        tail.lineTo(-l * 0.62, -l * 0.22);
        tail.quadTo(-l * 0.54, 0.0, -l * 0.62, l * 0.22);
        tail.closeSubpath();
        QPainterPath dorsal;
        dorsal.moveTo(-l * 0.30, -l * 0.15);
        dorsal.cubicTo(-l * 0.22, -l * 0.42, l * 0.05, -l * 0.40, l * 0.18, -l * 0.18);
        dorsal.closeSubpath();
        QPainterPath belly_fin;
        belly_fin.moveTo(-l * 0.12, l * 0.18);
        belly_fin.quadTo(-l * 0.05, l * 0.38, l * 0.08, l * 0.2);
        belly_fin.closeSubpath();
        painter.setPen(QPen(edge, 0.8));
        painter.setBrush(orange);
        painter.drawPath(tail);
        painter.drawPath(dorsal);
        painter.drawPath(belly_fin);

        QPainterPath body;
        body.addEllipse(QPointF(0.0, 0.0), l * 0.46, l * 0.23);
        painter.setPen(Qt::NoPen);
        painter.drawPath(body);
        painter.save();
        painter.setClipPath(body);
        painter.setPen(QPen(edge, 0.7));
        painter.setBrush(Qt::white);
        painter.drawEllipse(QPointF(l * 0.2, 0.0), l * 0.06, l * 0.3);
        painter.drawEllipse(QPointF(-l * 0.06, 0.0), l * 0.075, l * 0.3);
        painter.drawEllipse(QPointF(-l * 0.36, 0.0), l * 0.04, l * 0.3);
        painter.restore();
        painter.setPen(QPen(edge, 0.8));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(body);

        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        painter.drawEllipse(QPointF(l * 0.32, -l * 0.05), l * 0.055, l * 0.055);
        painter.setBrush(edge);
        painter.drawEllipse(QPointF(l * 0.335, -l * 0.05), l * 0.032, l * 0.032);
        painter.restore();
    }

    void draw_bubbles(QPainter& painter, const QRectF& area, std::uint64_t seed, int count)
    {
        Random random(seed);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QColor(235, 250, 255, 200), 0.6));
        for (int i = 0; i < count; ++i) {
            const QPointF centre(
                random.uniform(area.left() + 4, area.right() - 4), random.uniform(area.top() + 4, area.bottom() - 30));
            const double radius = random.uniform(0.8, 1.8);
            painter.drawEllipse(centre, radius, radius);
        }
    }

    void draw_sea_floor(QPainter& painter, const QRectF& area)
    {
        Random random(303);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(196, 174, 116));
        painter.drawEllipse(QPointF(area.center().x(), area.bottom() + 6.0), area.width() * 0.75, 10.0);

        const std::array<QColor, 3> weeds = { QColor(30, 140, 62), QColor(70, 172, 64), QColor(20, 112, 88) };
        for (int i = 0; i < 9; ++i) {
            const double x = area.left() + 3.0 + i * (area.width() - 6.0) / 8.0 + random.uniform(-1.5, 1.5);
            const double height = random.uniform(14.0, 30.0);
            const double sway = random.uniform(2.0, 3.5) * ((i % 2 != 0) ? 1.0 : -1.0);
            QPainterPath weed;
            weed.moveTo(x, area.bottom());
            weed.cubicTo(x + sway, area.bottom() - height * 0.33, x - sway, area.bottom() - height * 0.66,
                x + sway * 0.5, area.bottom() - height);
            painter.setPen(
                QPen(weeds[static_cast<std::size_t>(i % 3)], random.uniform(1.6, 2.4), Qt::SolidLine, Qt::RoundCap));
            painter.setBrush(Qt::NoBrush);
            painter.drawPath(weed);
        }

        // An anemone for the fish to live in.
        const QPointF foot(area.center().x() + 6.0, area.bottom() - 2.0);
        painter.setPen(QPen(QColor(236, 110, 168), 1.3, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 11; ++i) {
            const double angle = (-160.0 + i * 14.0) * M_PI / 180.0;
            painter.drawLine(foot, foot + QPointF(std::cos(angle) * 8.0, std::sin(angle) * 7.0));
        }
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(180, 60, 120));
        painter.drawEllipse(foot, 4.0, 2.0);
    }

    void draw_clownfish_on_blue(QPainter& painter, const QRectF& area)
    {
        QLinearGradient water(area.topLeft(), area.bottomLeft());
        water.setColorAt(0.0, QColor(34, 104, 206));
        water.setColorAt(1.0, QColor(12, 42, 128));
        painter.fillRect(area, water);
        draw_bubbles(painter, area, 404, 6);
        draw_sea_floor(painter, area);
        draw_clownfish(painter, area.topLeft() + QPointF(30.0, 24.0), 30.0, false);
        draw_clownfish(painter, area.topLeft() + QPointF(36.0, 52.0), 22.0, true);
    }

    void draw_clownfish_on_turquoise(QPainter& painter, const QRectF& area)
    {
        QLinearGradient water(area.topLeft(), area.bottomLeft());
        water.setColorAt(0.0, QColor(178, 238, 232));
        water.setColorAt(1.0, QColor(104, 212, 206));
        painter.fillRect(area, water);
        // Ripples of light give the bright water some depth without competing with the fish.
        painter.setPen(QPen(QColor(220, 250, 246), 0.8));
        Random random(505);
        for (int i = 0; i < 7; ++i) {
            const double y = area.top() + 6.0 + i * 12.0;
            const double x = area.left() + random.uniform(2.0, 30.0);
            painter.drawLine(QPointF(x, y), QPointF(x + random.uniform(8.0, 20.0), y - 1.0));
        }
        draw_bubbles(painter, area, 606, 9);
        draw_clownfish(painter, area.topLeft() + QPointF(31.0, 40.0), 42.0, true);
        draw_clownfish(painter, area.topLeft() + QPointF(20.0, 72.0), 20.0, false);
        draw_clownfish(painter, area.topLeft() + QPointF(46.0, 14.0), 16.0, false);
    }

    void draw_rose(QPainter& painter, QPointF centre, double radius, double turn)
    {
        const QColor leaf(34, 128, 52);
        painter.save();
        painter.translate(centre);
        painter.rotate(turn);
        draw_leaf(painter, QPointF(radius * 0.6, radius * 0.4), radius * 1.3, radius * 0.55, 30.0, leaf);
        draw_leaf(painter, QPointF(-radius * 0.6, radius * 0.4), radius * 1.3, radius * 0.55, 150.0, leaf);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(204, 20, 40));
        painter.drawEllipse(QPointF(0.0, 0.0), radius, radius * 0.92);
        // A spiral of petal edges turns the red disc into a rose.
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QColor(122, 0, 18), 0.8));
        for (int i = 0; i < 4; ++i) {
            const double r = radius * (0.85 - i * 0.2);
            painter.drawArc(QRectF(-r, -r * 0.9, 2 * r, 1.8 * r), (i * 100) * 16, 220 * 16);
        }
        painter.setPen(QPen(QColor(246, 96, 104), 0.7));
        painter.drawArc(QRectF(-radius * 0.75, -radius * 0.75, radius * 1.5, radius * 1.4), 60 * 16, 70 * 16);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(110, 0, 16));
        painter.drawEllipse(QPointF(0.0, 0.0), radius * 0.16, radius * 0.16);
        painter.restore();
    }

    void draw_roses(QPainter& painter, const QRectF& area)
    {
        painter.fillRect(area, QColor(8, 58, 28));
        Random random(707);
        for (int row = 0; row < 6; ++row) {
            for (int column = -1; column < 4; ++column) {
                const QPointF centre(
                    area.left() + 8.0 + column * 20.0 + (row % 2 != 0 ? 10.0 : 0.0), area.top() + 6.0 + row * 16.5);
                draw_rose(painter, centre, random.uniform(5.2, 6.2), random.uniform(-30.0, 30.0));
            }
        }
    }

    // Strips pass alternately over and under each other; a dark edge on each strip shows which lies on top.
    void draw_weave(QPainter& painter, const QRectF& area, const QColor& ground,
        const std::vector<QColor>& across_colours, const std::vector<QColor>& down_colours)
    {
        painter.fillRect(area, ground);
        constexpr double pitch = 8.0;
        constexpr double strip = 6.0;
        const int columns = static_cast<int>(area.width() / pitch) + 2;
        const int rows = static_cast<int>(area.height() / pitch) + 2;
        auto down_strip = [&](int column, double top, double bottom) {
            const QColor colour = down_colours[static_cast<std::size_t>(column) % down_colours.size()];
            const QRectF rect(area.left() + column * pitch, top, strip, bottom - top);
            painter.fillRect(rect, colour);
            painter.fillRect(QRectF(rect.left(), rect.top(), 1.0, rect.height()), colour.lighter(135));
            painter.fillRect(QRectF(rect.right() - 1.0, rect.top(), 1.0, rect.height()), colour.darker(160));
        };
        auto across_strip = [&](int row, double left, double right) {
            const QColor colour = across_colours[static_cast<std::size_t>(row) % across_colours.size()];
            const QRectF rect(left, area.top() + row * pitch, right - left, strip);
            painter.fillRect(rect, colour);
            painter.fillRect(QRectF(rect.left(), rect.top(), rect.width(), 1.0), colour.lighter(135));
            painter.fillRect(QRectF(rect.left(), rect.bottom() - 1.0, rect.width(), 1.0), colour.darker(160));
        };
        for (int column = 0; column < columns; ++column)
            down_strip(column, area.top(), area.bottom());
        for (int row = 0; row < rows; ++row)
            across_strip(row, area.left(), area.right());
        for (int row = 0; row < rows; ++row) {
            for (int column = 0; column < columns; ++column) {
                if ((row + column) % 2 == 0) {
                    const double top = area.top() + row * pitch - 1.0;
                    down_strip(column, top, top + strip + 2.0);
                }
            }
        }
    }

    // The back designs come in slightly different sizes; design i has the size the main window expects of it.
    QSize card_back_size(int design)
    {
        switch (design) {
        case 1:
            return { 67, 92 };
        case 2:
            return { 66, 91 };
        default:
            return { 67, 94 };
        }
    }

} // namespace

QImage draw_card_back(int design)
{
    const QSize size = card_back_size(design);
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(250, 250, 246));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    // Every back keeps a narrow white margin, as printed backs do.
    const QRectF area(3.0, 3.0, size.width() - 6.0, size.height() - 6.0);
    painter.save();
    painter.setClipRect(area);
    switch (design) {
    case 0:
        draw_leaves_and_flowers(painter, area, QColor(30, 62, 176), 11);
        break;
    case 1:
        draw_castle_night(painter, area);
        break;
    case 2:
        draw_leaves_and_flowers(painter, area, QColor(6, 6, 8), 22);
        break;
    case 3:
        draw_clownfish_on_blue(painter, area);
        break;
    case 4:
        draw_clownfish_on_turquoise(painter, area);
        break;
    case 5:
        draw_roses(painter, area);
        break;
    case 6:
        draw_weave(painter, area, QColor(10, 20, 74),
            { QColor(60, 112, 232), QColor(242, 202, 40), QColor(50, 172, 72) },
            { QColor(242, 202, 40), QColor(50, 172, 72), QColor(60, 112, 232) });
        break;
    default:
        draw_weave(painter, area, QColor(128, 128, 128), { QColor(212, 40, 40), QColor(40, 72, 204) },
            { QColor(40, 72, 204), QColor(212, 40, 40) });
        break;
    }
    painter.restore();

    painter.setPen(QPen(QColor(130, 130, 130), 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(0.5, 0.5, size.width() - 1.0, size.height() - 1.0));
    painter.setPen(QPen(QColor(60, 60, 60), 0.8));
    painter.drawRect(area.adjusted(-0.4, -0.4, 0.4, 0.4));
    return image;
}

} // namespace pictures
