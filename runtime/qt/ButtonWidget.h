#pragma once

#include "WidgetPeer.h"

#include <QColor>
#include <QPixmap>
#include <QPushButton>

namespace rt::qt {

// A command button. The standard style is the desktop's own push button; the
// graphical style paints the back colour and a picture centred above the
// caption: the down picture while the button is held down, the disabled
// picture while it is disabled.
class ButtonWidget : public QPushButton, public WidgetPeer {
    Q_OBJECT
public:
    ButtonWidget(Control&, QWidget* parent, PictureCache&);

    void set_graphical(bool);
    void set_back_color(QColor);
    void set_pictures(QPixmap const& picture, QPixmap const& down, QPixmap const& disabled);

protected:
    void apply_own(Property) override;
    void paintEvent(QPaintEvent*) override;

private:
    QPixmap const& current_picture() const;
    void paint_edge(QPainter&, bool down) const;

    bool m_graphical { false };
    QColor m_back;
    QPixmap m_picture;
    QPixmap m_down;
    QPixmap m_disabled;
};

}
