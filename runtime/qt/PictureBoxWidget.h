#pragma once

#include "WidgetPeer.h"

#include <QWidget>

namespace rt::qt {

class Surface;

// A picture box: a windowed control that holds other controls and can take the
// focus. Its surface, within the border, shows its back colour and picture and
// takes its clicks; the controls inside lie on it and are clipped to it.
class PictureBoxWidget : public QWidget, public WidgetPeer {
    Q_OBJECT
public:
    PictureBoxWidget(Control&, QWidget* parent, PictureCache&);

    QWidget* content() const override;
    void set_border(bool);

protected:
    void apply_own(Property) override;
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;

private:
    int border_width() const { return m_border ? 2 : 0; }
    void place_surface();

    Surface* m_surface;
    bool m_border { false };
};

}
