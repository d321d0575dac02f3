#pragma once

#include <QColor>
#include <QPoint>
#include <QWidget>

namespace rt::qt {

// A line control, one pixel wide. The widget covers the line's bounding box;
// clicks fall through it.
class LineWidget : public QWidget {
    Q_OBJECT
public:
    explicit LineWidget(QWidget* parent);

    // The ends in the widget's own coordinates.
    void set_line(QPoint from, QPoint to);
    void set_color(QColor);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QPoint m_from;
    QPoint m_to;
    QColor m_color { Qt::black };
};

}
