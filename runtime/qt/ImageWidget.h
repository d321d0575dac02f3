#pragma once

#include "WidgetPeer.h"

#include <QLabel>
#include <QPixmap>

namespace rt::qt {

// An image control: a picture, scaled to the control when stretched, else
// unscaled at its top-left corner; transparent where there is no picture. A
// label underneath, so that assistive technology finds it and reads its tool
// tip as its description.
//
// A picture without alpha that covers the whole control makes it solid: Qt
// then paints nothing of what lies beneath it (the pile stacks dozens of backs
// under the one that moves).
class ImageWidget : public QLabel, public WidgetPeer {
    Q_OBJECT
public:
    ImageWidget(Control&, QWidget* parent, PictureCache&);

    void set_picture(QPixmap const&);
    void set_stretch(bool);
    // A single-line flat frame around the picture.
    void set_border(bool);

protected:
    void apply_own(Property) override;
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;

private:
    QRect inner() const;
    QPixmap const& shown();
    void update_solid();

    QPixmap m_picture;
    // The stretched picture, scaled once for the current size rather than on
    // every paint: the pile animation repaints many images each tick. Scaled
    // again when the picture changes, or when a paint finds its size stale.
    QPixmap m_scaled;
    bool m_stretch { false };
    bool m_border { false };
};

}
