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

    // A solid widget paints every pixel of itself. Qt is told it is opaque,
    // so that it paints nothing beneath it and moves it on screen as it is,
    // unless it is covered: see Covering.h.
    bool solid() const { return m_solid; }
    void set_covered(bool);
    bool opaque() const;

protected:
    void set_solid(bool);
    virtual void apply_own(Property) { }
    virtual void apply_geometry();
    // For a widget that shows a caption: its fore colour, in the palette role
    // the widget draws its text with, and its font.
    void apply_text_style(Property, QPalette::ColorRole text);
    PictureCache& pictures() const { return m_pictures; }

private:
    void tell_opaque();
    void keep_focus();

    QWidget& m_widget;
    PictureCache& m_pictures;
    bool m_solid { false };
    bool m_covered { false };
};

void set_palette_color(QWidget&, QPalette::ColorRole, QColor);
// The control's mouse pointer over the widget: a standard shape or its own icon.
void apply_cursor(QWidget&, Control const&, PictureCache&);

}
