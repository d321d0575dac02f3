#include "Conversion.h"

#include <QPainter>
#include <QPixmap>

#include <QApplication>
#include <QKeyEvent>
#include <QPalette>

#include <cmath>

namespace rt::qt {

int to_pixels(float twips) { return static_cast<int>(std::lround(twips / twips_per_pixel)); }

QRect pixel_rect(float left, float top, float width, float height)
{
    return QRect(to_pixels(left), to_pixels(top), to_pixels(width), to_pixels(height));
}

namespace {

    QPalette::ColorRole role_of_system_color(int index)
    {
        switch (index) {
        case 5:
            return QPalette::Base;
        case 8:
            return QPalette::Text;
        case 13:
            return QPalette::Highlight;
        case 14:
            return QPalette::HighlightedText;
        case 16:
            return QPalette::Dark;
        case 18:
            return QPalette::ButtonText;
        case 20:
            return QPalette::Light;
        case 21:
            return QPalette::Shadow;
        case 22:
            return QPalette::Midlight;
        case 23:
            return QPalette::ToolTipText;
        case 24:
            return QPalette::ToolTipBase;
        case 15:
        default:
            return QPalette::Button;
        }
    }

}

QColor to_qcolor(Color color)
{
    if (is_system_color(color))
        return QApplication::palette().color(QPalette::Active, role_of_system_color(static_cast<int>(color & 0xff)));
    return QColor(red_of(color), green_of(color), blue_of(color));
}

QFont to_qfont(Font const& font)
{
    QFont result(to_qstring(font.name));
    result.setPointSizeF(font.size > 0 ? font.size : 8.25);
    result.setBold(font.bold);
    result.setItalic(font.italic);
    result.setUnderline(font.underline);
    return result;
}

QString to_qstring(std::string const& text) { return QString::fromStdString(text); }

QString caption_text(std::string const& text)
{
    QString result = to_qstring(text);
    result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    result.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return result;
}

std::optional<KeyStroke> key_stroke_of(QKeyEvent const& event)
{
    KeyStroke stroke;
    Qt::KeyboardModifiers const modifiers = event.modifiers();
    stroke.shift = modifiers.testFlag(Qt::ShiftModifier);
    stroke.control = modifiers.testFlag(Qt::ControlModifier);
    stroke.alt = modifiers.testFlag(Qt::AltModifier);
    int const key = event.key();
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12) {
        stroke.key = static_cast<Key>(static_cast<int>(Key::F1) + (key - Qt::Key_F1));
        return stroke;
    }
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        stroke.key = Key::Enter;
        return stroke;
    case Qt::Key_Escape:
        stroke.key = Key::Escape;
        return stroke;
    case Qt::Key_Space:
        stroke.key = Key::Space;
        return stroke;
    case Qt::Key_Tab:
        stroke.key = Key::Tab;
        return stroke;
    case Qt::Key_Backtab:
        stroke.key = Key::Tab;
        stroke.shift = true;
        return stroke;
    default:
        break;
    }
    // Printable keys come as their Unicode code point (Cyrillic ones too); Qt's
    // own key codes for the other keys start at 0x01000000.
    if (key > 0x20 && key < 0x110000) {
        stroke.key = Key::Character;
        stroke.character = static_cast<char32_t>(key);
        return stroke;
    }
    return std::nullopt;
}

int qt_key_of(Key key)
{
    if (key >= Key::F1 && key <= Key::F12)
        return Qt::Key_F1 + (static_cast<int>(key) - static_cast<int>(Key::F1));
    return 0;
}

void draw_edge(QPainter& painter, QRect bounds, QColor outer_top_left, QColor outer_bottom_right, QColor inner_top_left,
    QColor inner_bottom_right)
{
    auto ring = [&painter](QRect box, QColor top_left, QColor bottom_right) {
        painter.setPen(top_left);
        painter.drawLine(box.topLeft(), box.topRight());
        painter.drawLine(box.topLeft(), box.bottomLeft());
        painter.setPen(bottom_right);
        painter.drawLine(box.bottomLeft(), box.bottomRight());
        painter.drawLine(box.topRight(), box.bottomRight());
    };
    QRect const outer = bounds.adjusted(0, 0, -1, -1);
    ring(outer, outer_top_left, outer_bottom_right);
    ring(outer.adjusted(1, 1, -1, -1), inner_top_left, inner_bottom_right);
}

bool covers(QPixmap const& picture, QSize size)
{
    return !picture.isNull() && !picture.hasAlphaChannel() && picture.width() >= size.width()
        && picture.height() >= size.height();
}

void fill_frame(QPainter& painter, QRect bounds, int width, QColor color)
{
    painter.fillRect(QRect(bounds.left(), bounds.top(), bounds.width(), width), color);
    painter.fillRect(QRect(bounds.left(), bounds.bottom() - width + 1, bounds.width(), width), color);
    painter.fillRect(QRect(bounds.left(), bounds.top(), width, bounds.height()), color);
    painter.fillRect(QRect(bounds.right() - width + 1, bounds.top(), width, bounds.height()), color);
}

}
