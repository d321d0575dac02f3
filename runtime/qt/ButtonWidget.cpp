#include "ButtonWidget.h"

#include "Conversion.h"
#include "PictureCache.h"
#include "runtime/Control.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace rt::qt {

ButtonWidget::ButtonWidget(Control& control, QWidget* parent, PictureCache& pictures)
    : QPushButton(parent)
    , WidgetPeer(control, *this, pictures)
{
    setFocusPolicy(Qt::StrongFocus);
    // Enter and Escape go to the run time, which knows the default and the
    // cancel button; the desktop's own default-button logic stays out.
    setAutoDefault(false);
    setDefault(false);
    set_graphical(control.properties().graphical);
}

void ButtonWidget::apply_own(Property property)
{
    Control const& c = *control();
    switch (property) {
    case Property::Caption:
        // "&" marks the access key in Qt as well; the button registers it.
        setText(caption_text(c.caption()));
        break;
    case Property::Picture:
    case Property::DownPicture:
        set_pictures(pictures().get(c.picture()), pictures().get(c.down_picture()),
            pictures().get(c.properties().disabled_picture));
        break;
    case Property::BackColor:
        set_back_color(to_qcolor(c.properties().back_color));
        break;
    default:
        apply_text_style(property, QPalette::ButtonText);
        break;
    }
}

void ButtonWidget::set_graphical(bool graphical)
{
    if (graphical == m_graphical)
        return;
    m_graphical = graphical;
    update();
}

void ButtonWidget::set_back_color(QColor color)
{
    if (color == m_back)
        return;
    m_back = color;
    update();
}

void ButtonWidget::set_pictures(QPixmap const& picture, QPixmap const& down, QPixmap const& disabled)
{
    m_picture = picture;
    m_down = down;
    m_disabled = disabled;
    update();
}

QPixmap const& ButtonWidget::current_picture() const
{
    if (!isEnabled() && !m_disabled.isNull())
        return m_disabled;
    if (isDown() && !m_down.isNull())
        return m_down;
    return m_picture;
}

// The raised edge of a classic 3-D button, sunken while held down.
void ButtonWidget::paint_edge(QPainter& painter, bool down) const
{
    QPalette const& p = palette();
    if (down) {
        draw_edge(painter, rect(), p.color(QPalette::Shadow), p.color(QPalette::Light), p.color(QPalette::Dark),
            p.color(QPalette::Midlight));
    } else {
        draw_edge(painter, rect(), p.color(QPalette::Light), p.color(QPalette::Shadow), p.color(QPalette::Midlight),
            p.color(QPalette::Dark));
    }
}

void ButtonWidget::paintEvent(QPaintEvent* event)
{
    if (!m_graphical) {
        QPushButton::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.fillRect(rect(), m_back.isValid() ? m_back : palette().color(QPalette::Button));
    bool const down = isDown();
    paint_edge(painter, down);

    QRect const area = rect().adjusted(3, 3, -3, -3).translated(down ? 1 : 0, down ? 1 : 0);
    QPixmap const& picture = current_picture();
    int const text_flags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextShowMnemonic | Qt::TextWordWrap;
    QRect const text_box = text().isEmpty() ? QRect() : fontMetrics().boundingRect(area, text_flags, text());
    int const gap = !picture.isNull() && !text().isEmpty() ? 2 : 0;
    int const block = picture.height() + gap + text_box.height();
    int y = area.top() + (area.height() - block) / 2;
    if (!picture.isNull() && !text().isEmpty() && block > area.height()) {
        // A picture that leaves no room for the caption is the button's face: centred
        // and clipped inside the edge, the caption centred over it.
        QRect const face = rect().adjusted(2, 2, -2, -2);
        painter.save();
        painter.setClipRect(face);
        painter.drawPixmap(area.center() - picture.rect().center(), picture);
        painter.restore();
        y = area.top() + (area.height() - text_box.height()) / 2;
    } else if (!picture.isNull()) {
        painter.drawPixmap(area.left() + (area.width() - picture.width()) / 2, y, picture);
        y += picture.height() + gap;
    }
    if (!text().isEmpty()) {
        painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
        painter.setFont(font());
        painter.drawText(QRect(area.left(), y, area.width(), text_box.height()), text_flags, text());
    }
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect().adjusted(4, 4, -4, -4);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

}
