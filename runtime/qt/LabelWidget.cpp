#include "LabelWidget.h"

namespace rt::qt {

LabelWidget::LabelWidget(QWidget* parent)
    : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setMargin(0);
    setIndent(0);
    setFocusPolicy(Qt::NoFocus);
}

void LabelWidget::set_transparent(bool transparent) { setAutoFillBackground(!transparent); }

void LabelWidget::set_border(bool border)
{
    setFrameStyle(border ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
    setLineWidth(1);
}

}
