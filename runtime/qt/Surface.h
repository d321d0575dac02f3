#pragma once

#include <QPixmap>
#include <QWidget>

namespace rt::qt {

// A surface that controls lie on: a window's client area, or the inside of a
// picture box. It shows the back colour (its palette's Window colour) and the
// picture, unscaled at its top-left corner.
class Surface : public QWidget {
    Q_OBJECT
public:
    explicit Surface(QWidget* parent = nullptr);

    void set_picture(QPixmap const&);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QPixmap m_picture;
};

}
