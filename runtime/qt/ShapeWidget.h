#pragma once

#include "WidgetPeer.h"
#include "runtime/ControlDefinition.h"

#include <QColor>
#include <QWidget>

namespace rt::qt {

// A shape control: the outline of a rectangle, square, oval or circle, drawn
// inside the control's bounds; never filled, never clicked (a click falls
// through to whatever lies beneath).
class ShapeWidget : public QWidget, public WidgetPeer {
    Q_OBJECT
public:
    ShapeWidget(Control&, QWidget* parent, PictureCache&);

    void set_shape(ShapeKind);
    void set_border(QColor, int width_pixels);

protected:
    void apply_own(Property) override;
    void paintEvent(QPaintEvent*) override;

private:
    ShapeKind m_shape { ShapeKind::Rectangle };
    QColor m_color { Qt::black };
    int m_width { 1 };
};

}
