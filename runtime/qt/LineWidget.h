#pragma once

#include "WidgetPeer.h"

#include <QColor>
#include <QPoint>
#include <QWidget>

namespace rt::qt {

// A line control, one pixel wide. The widget covers the line's bounding box;
// clicks fall through it.
class LineWidget : public QWidget, public WidgetPeer {
    Q_OBJECT
public:
    LineWidget(Control&, QWidget* parent, PictureCache&);

    // The ends in the widget's own coordinates.
    void set_line(QPoint from, QPoint to);
    void set_color(QColor);

protected:
    void apply_own(Property) override;
    void apply_geometry() override;
    void paintEvent(QPaintEvent*) override;

private:
    QPoint m_from;
    QPoint m_to;
    QColor m_color { Qt::black };
};

}
