#pragma once

#include "Peer.h"

#include <QColor>
#include <QPalette>

class QWidget;

namespace rt::qt {

class PictureCache;

// The peer half of a control's widget: what every widget shows alike (enabled,
// visible, place, tool tip, mouse pointer); the widget's own class adds what
// only its kind shows.
class WidgetPeer : public Peer {
public:
    WidgetPeer(Control&, QWidget&, PictureCache&);

    void apply(Property) override;
    QWidget* widget() const override { return &m_widget; }

protected:
    virtual void apply_own(Property) { }
    virtual void apply_geometry();
    // For a widget that shows a caption: its fore colour, in the palette role
    // the widget draws its text with, and its font.
    void apply_text_style(Property, QPalette::ColorRole text);
    PictureCache& pictures() const { return m_pictures; }

private:
    QWidget& m_widget;
    PictureCache& m_pictures;
};

void set_palette_color(QWidget&, QPalette::ColorRole, QColor);
// The control's mouse pointer over the widget: a standard shape or its own icon.
void apply_cursor(QWidget&, Control const&, PictureCache&);

}
