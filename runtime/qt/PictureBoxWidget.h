#pragma once

#include <QColor>
#include <QPixmap>
#include <QWidget>

namespace rt::qt {

class Surface;

// A picture box: a windowed control with its own back colour and picture that
// holds other controls and can take the focus. The controls inside lie on its
// surface, within the border, and are clipped to it.
class PictureBoxWidget : public QWidget {
    Q_OBJECT
public:
    explicit PictureBoxWidget(QWidget* parent);

    Surface* surface() const { return m_surface; }
    void set_border(bool);
    void set_back_color(QColor);
    void set_picture(QPixmap const&);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;

private:
    int border_width() const { return m_border ? 2 : 0; }
    void place_surface();

    Surface* m_surface;
    bool m_border { false };
};

}
