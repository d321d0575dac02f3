#pragma once

#include "ClickTracker.h"

#include <QColor>
#include <QPixmap>
#include <QWidget>

namespace rt::qt {

// A surface that controls lie on: a window's client area, or the inside of a
// picture box. It shows the back colour and the picture, unscaled at its
// top-left corner.
class Surface : public QWidget {
    Q_OBJECT
public:
    explicit Surface(QWidget* parent = nullptr);

    void set_back_color(QColor);
    void set_picture(QPixmap const&);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;

private:
    QPixmap m_picture;
    ClickTracker m_click;
};

}
