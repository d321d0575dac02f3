#include "screens.h"

#include "random.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <vector>

namespace pictures {

namespace {

    const QColor smiley_yellow(255, 255, 0);

    // Every pixel becomes whichever of the two colours it is nearer to, so that not a single blended pixel
    // survives, whatever the font engine did at the edges.
    QImage two_colours(const QImage& drawn, const QColor& ink, const QColor& ground)
    {
        QImage result(drawn.size(), QImage::Format_RGB888);
        auto distance = [](QRgb a, const QColor& b) {
            const int red = qRed(a) - b.red();
            const int green = qGreen(a) - b.green();
            const int blue = qBlue(a) - b.blue();
            return red * red + green * green + blue * blue;
        };
        for (int y = 0; y < drawn.height(); ++y) {
            for (int x = 0; x < drawn.width(); ++x) {
                const QRgb pixel = drawn.pixel(x, y);
                result.setPixelColor(x, y, distance(pixel, ink) < distance(pixel, ground) ? ink : ground);
            }
        }
        return result;
    }

    QFont banner_font(int pixel_size, bool italic)
    {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setBold(true);
        font.setItalic(italic);
        font.setPixelSize(pixel_size);
        font.setStyleStrategy(QFont::NoAntialias);
        font.setHintingPreference(QFont::PreferFullHinting);
        return font;
    }

    // Periodic value noise: the lattice wraps around, so the texture has no seam when it is tiled.
    class PeriodicNoise {
    public:
        PeriodicNoise(int cells_across, int cells_down, std::uint64_t seed)
            : m_across(cells_across)
            , m_down(cells_down)
        {
            m_values.reserve(static_cast<std::size_t>(cells_across * cells_down));
            for (int j = 0; j < cells_down; ++j) {
                for (int i = 0; i < cells_across; ++i)
                    m_values.push_back(hash_unit(static_cast<std::uint64_t>(i), static_cast<std::uint64_t>(j), seed));
            }
        }

        // u and v run over [0, 1) across the picture.
        double at(double u, double v) const
        {
            const double x = u * m_across;
            const double y = v * m_down;
            const int i = static_cast<int>(std::floor(x));
            const int j = static_cast<int>(std::floor(y));
            const double fx = smooth(x - i);
            const double fy = smooth(y - j);
            const double top = lerp(value(i, j), value(i + 1, j), fx);
            const double bottom = lerp(value(i, j + 1), value(i + 1, j + 1), fx);
            return lerp(top, bottom, fy);
        }

    private:
        static double smooth(double t) { return t * t * (3.0 - 2.0 * t); }
        static double lerp(double a, double b, double t) { return a + (b - a) * t; }

        double value(int i, int j) const
        {
            const int wrapped_i = ((i % m_across) + m_across) % m_across;
            const int wrapped_j = ((j % m_down) + m_down) % m_down;
            return m_values[static_cast<std::size_t>(wrapped_j * m_across + wrapped_i)];
        }

        int m_across;
        int m_down;
        std::vector<double> m_values;
    };

    void draw_smiley_face(QPainter& painter)
    {
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QPen(smiley_yellow, 2.0));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QRect(1, 3, 27, 29));
        painter.setPen(Qt::NoPen);
        painter.setBrush(smiley_yellow);
        painter.drawEllipse(QRect(9, 11, 4, 6));
        painter.drawEllipse(QRect(17, 11, 4, 6));
        painter.setPen(QPen(smiley_yellow, 2.0));
        painter.setBrush(Qt::NoBrush);
        painter.drawArc(QRect(7, 12, 16, 13), 200 * 16, 140 * 16);
    }

    void draw_star_sky(QPainter& painter, const QRectF& area)
    {
        QLinearGradient sky(area.topLeft(), area.bottomLeft());
        sky.setColorAt(0.0, QColor(4, 8, 36));
        sky.setColorAt(0.7, QColor(22, 34, 96));
        sky.setColorAt(1.0, QColor(52, 48, 120));
        painter.fillRect(area, sky);

        Random random(2024);
        painter.setPen(Qt::NoPen);
        for (int i = 0; i < 170; ++i) {
            const QPointF star(random.uniform(area.left(), area.right()), random.uniform(area.top(), area.bottom()));
            const double size = random.uniform(0.3, 1.0);
            const int light = 150 + random.below(106);
            painter.setBrush(QColor(light, light, std::min(255, light + 30)));
            painter.drawEllipse(star, size, size);
        }
        // A few bright stars with rays.
        for (int i = 0; i < 7; ++i) {
            const QPointF star(
                random.uniform(area.left(), area.right()), random.uniform(area.top(), area.bottom() * 0.6));
            const double reach = random.uniform(3.0, 5.5);
            painter.setPen(QPen(QColor(255, 255, 230, 170), 0.7));
            painter.drawLine(star - QPointF(reach, 0.0), star + QPointF(reach, 0.0));
            painter.drawLine(star - QPointF(0.0, reach), star + QPointF(0.0, reach));
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(255, 255, 235));
            painter.drawEllipse(star, 1.3, 1.3);
        }
    }

    void draw_crescent(QPainter& painter, QPointF centre, double radius)
    {
        QRadialGradient glow(centre, radius * 2.6);
        glow.setColorAt(0.0, QColor(255, 244, 200, 90));
        glow.setColorAt(1.0, QColor(255, 244, 200, 0));
        painter.setPen(Qt::NoPen);
        painter.setBrush(glow);
        painter.drawEllipse(centre, radius * 2.6, radius * 2.6);

        QPainterPath moon;
        moon.addEllipse(centre, radius, radius);
        QPainterPath bite;
        bite.addEllipse(centre + QPointF(radius * 0.45, -radius * 0.2), radius * 0.85, radius * 0.85);
        painter.fillPath(moon.subtracted(bite), QColor(255, 240, 176));
    }

} // namespace

QImage draw_banner(QSize size, const QColor& ink, bool italic, const BannerText& text)
{
    // The largest size at which the whole line fits the bitmap with a small margin.
    QFont font;
    double text_advance = 0.0;
    double gap = 0.0;
    double advance = 0.0;
    QRectF ink_box;
    for (int pixel_size = 40; pixel_size > 6; --pixel_size) {
        font = banner_font(pixel_size, italic);
        const QFontMetricsF metrics(font);
        text_advance = metrics.horizontalAdvance(text.text);
        gap = text.tail.isEmpty() ? 0.0 : pixel_size * 1.2;
        advance = text_advance + gap + metrics.horizontalAdvance(text.tail);
        ink_box = metrics.tightBoundingRect(text.text + text.tail);
        if (advance <= size.width() - 8.0 && ink_box.height() <= size.height() - 4.0)
            break;
    }

    QImage canvas(size, QImage::Format_RGB32);
    canvas.fill(banner_ground);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(font);
    painter.setPen(ink);
    const double baseline = std::round((size.height() - ink_box.height()) / 2.0 - ink_box.top());
    const double left = std::round((size.width() - advance) / 2.0);
    painter.drawText(QPointF(left, baseline), text.text);
    if (!text.tail.isEmpty())
        painter.drawText(QPointF(std::round(left + text_advance + gap), baseline), text.tail);
    painter.end();
    return two_colours(canvas, ink, banner_ground);
}

QImage draw_smiley()
{
    QImage canvas(30, 35, QImage::Format_RGB32);
    canvas.fill(banner_ground);
    QPainter painter(&canvas);
    draw_smiley_face(painter);
    painter.end();
    return two_colours(canvas, smiley_yellow, banner_ground);
}

QImage draw_indexed_smiley()
{
    const QImage face = draw_smiley();
    QImage indexed(face.size(), QImage::Format_Indexed8);
    indexed.setColorTable({ banner_ground.rgb(), smiley_yellow.rgb() });
    for (int y = 0; y < face.height(); ++y) {
        for (int x = 0; x < face.width(); ++x)
            indexed.setPixel(x, y, face.pixelColor(x, y) == smiley_yellow ? 1 : 0);
    }
    return indexed;
}

QImage draw_plaster_texture()
{
    constexpr int width = 364;
    constexpr int height = 352;
    struct Octave {
        PeriodicNoise noise;
        double weight;
    };
    const std::vector<Octave> octaves = {
        { { 5, 5, 77 }, 0.9 },
        { { 11, 11, 78 }, 0.5 },
        { { 23, 22, 79 }, 0.32 },
        { { 45, 44, 80 }, 0.2 },
        { { 91, 88, 81 }, 0.12 },
        { { 182, 176, 82 }, 0.06 },
    };
    // Trowel patches: flat raised areas with soft edges, the part of the relief that makes it read as plaster.
    const PeriodicNoise patches(13, 12, 991);
    const PeriodicNoise patch_detail(37, 36, 992);

    std::vector<double> relief(static_cast<std::size_t>(width * height));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const double u = static_cast<double>(x) / width;
            const double v = static_cast<double>(y) / height;
            double h = 0.0;
            for (const Octave& octave : octaves)
                h += octave.weight * octave.noise.at(u, v);
            const double patch = patches.at(u, v) * 0.75 + patch_detail.at(u, v) * 0.25;
            const double t = std::clamp((patch - 0.45) / 0.14, 0.0, 1.0);
            h += 0.6 * t * t * (3.0 - 2.0 * t);
            relief[static_cast<std::size_t>(y * width + x)] = h;
        }
    }
    auto at = [&](int x, int y) {
        return relief[static_cast<std::size_t>(((y + height) % height) * width + ((x + width) % width))];
    };

    const QColor base(100, 110, 204);
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            // Light from the upper left: slopes facing it are brighter.
            const double slope_x = at(x + 1, y) - at(x - 1, y);
            const double slope_y = at(x, y + 1) - at(x, y - 1);
            const double shade = std::clamp(-(slope_x + slope_y) * 2.0, -0.13, 0.13);
            const double grain = hash_unit(static_cast<std::uint64_t>(x), static_cast<std::uint64_t>(y), 5) - 0.5;
            const double factor = 1.0 + shade + grain * 0.05;
            auto channel
                = [factor](int value) { return std::clamp(static_cast<int>(std::lround(value * factor)), 0, 255); };
            image.setPixel(x, y, qRgb(channel(base.red()), channel(base.green()), channel(base.blue())));
        }
    }
    return image;
}

QImage draw_about_picture(const QList<QImage>& fan)
{
    QImage image(479, 298, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF area(0.0, 0.0, image.width(), image.height());
    draw_star_sky(painter, area);
    draw_crescent(painter, QPointF(446.0, 34.0), 16.0);

    // A dark hill line at the bottom for the cards to rise from.
    QPainterPath hills;
    hills.moveTo(0.0, 270.0);
    hills.quadTo(120.0, 240.0, 240.0, 262.0);
    hills.quadTo(360.0, 280.0, 479.0, 250.0);
    hills.lineTo(479.0, 298.0);
    hills.lineTo(0.0, 298.0);
    hills.closeSubpath();
    painter.fillPath(hills, QColor(10, 14, 36));

    const QPointF pivot(239.5, 420.0);
    const double spread = fan.size() > 1 ? 40.0 / (fan.size() - 1) : 0.0;
    for (qsizetype i = 0; i < fan.size(); ++i) {
        const double angle = -20.0 + spread * static_cast<double>(i);
        painter.save();
        painter.translate(pivot);
        painter.rotate(angle);
        const QRectF card(-40.0, -310.0, 80.0, 110.0);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 0, 0, 90));
        painter.drawRoundedRect(card.translated(3.0, 3.0), 3.0, 3.0);
        painter.drawImage(card, fan[i]);
        painter.restore();
    }

    QFont title_font(QStringLiteral("DejaVu Serif"));
    title_font.setBold(true);
    title_font.setPixelSize(48);
    const QString title = QString::fromUtf8("Зеливорната");
    QPainterPath title_path;
    title_path.addText(0.0, 0.0, title_font, title);
    const QRectF bounds = title_path.boundingRect();
    title_path.translate(std::round((image.width() - bounds.width()) / 2.0 - bounds.left()) - 10.0, 68.0);

    painter.save();
    painter.translate(3.0, 3.0);
    painter.fillPath(title_path, QColor(0, 0, 0, 150));
    painter.restore();
    QLinearGradient gold(0.0, 30.0, 0.0, 75.0);
    gold.setColorAt(0.0, QColor(255, 240, 160));
    gold.setColorAt(0.5, QColor(240, 190, 50));
    gold.setColorAt(1.0, QColor(196, 120, 20));
    painter.setPen(QPen(QColor(90, 40, 10), 1.4));
    painter.setBrush(gold);
    painter.drawPath(title_path);

    QFont subtitle_font(QStringLiteral("DejaVu Serif"));
    subtitle_font.setItalic(true);
    subtitle_font.setPixelSize(16);
    painter.setFont(subtitle_font);
    painter.setPen(QColor(200, 210, 255));
    painter.drawText(
        QRectF(0.0, 80.0, image.width(), 22.0), Qt::AlignCenter, QString::fromUtf8("гадание на девяти картах"));
    return image;
}

} // namespace pictures
