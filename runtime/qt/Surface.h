#pragma once

#include <QPixmap>
#include <QWidget>

namespace rt::qt {

// A surface that controls lie on: a window's client area, or the inside of a
// picture box. It shows the back colour (its palette's Window colour) and the
// picture, unscaled at its top-left corner. A picture without alpha that
// covers it whole is all it shows: then the back colour is not painted first.
class Surface : public QWidget {
    Q_OBJECT
public:
    explicit Surface(QWidget* parent = nullptr);

    void set_picture(QPixmap const&);
    bool covered() const { return testAttribute(Qt::WA_OpaquePaintEvent); }

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;

private:
    void update_covered();

    QPixmap m_picture;
};

}
