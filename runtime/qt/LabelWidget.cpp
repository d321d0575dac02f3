#include "LabelWidget.h"

#include "Conversion.h"
#include "runtime/Control.h"

namespace rt::qt {

LabelWidget::LabelWidget(Control& control, QWidget* parent, PictureCache& pictures)
    : QLabel(parent)
    , WidgetPeer(control, *this, pictures)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setMargin(0);
    setIndent(0);
    setFocusPolicy(Qt::NoFocus);
    set_transparent(control.properties().transparent);
    set_border(control.properties().border_style == BorderStyle::FixedSingle);
    Qt::Alignment horizontal = Qt::AlignLeft;
    if (control.properties().alignment == Alignment::Right)
        horizontal = Qt::AlignRight;
    else if (control.properties().alignment == Alignment::Center)
        horizontal = Qt::AlignHCenter;
    setAlignment(horizontal | Qt::AlignTop);
}

void LabelWidget::apply_own(Property property)
{
    Control const& c = *control();
    switch (property) {
    case Property::Caption:
        // A label shows its access key's letter plainly.
        setText(caption_text(c.shown_caption()));
        break;
    case Property::BackColor:
        set_palette_color(*this, QPalette::Window, to_qcolor(c.properties().back_color));
        break;
    default:
        apply_text_style(property, QPalette::WindowText);
        break;
    }
}

void LabelWidget::set_transparent(bool transparent) { setAutoFillBackground(!transparent); }

void LabelWidget::set_border(bool border)
{
    setFrameStyle(border ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
    setLineWidth(1);
}

}
