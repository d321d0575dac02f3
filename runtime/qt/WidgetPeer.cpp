#include "WidgetPeer.h"

#include "Conversion.h"
#include "PictureCache.h"
#include "ShownToolTip.h"
#include "runtime/Control.h"
#include "runtime/Form.h"

#include <QCursor>
#include <QWidget>

namespace rt::qt {

namespace {

    Qt::CursorShape cursor_shape(int mouse_pointer)
    {
        switch (mouse_pointer) {
        case 2:
            return Qt::CrossCursor;
        case 3:
            return Qt::IBeamCursor;
        case 5:
        case 15:
            return Qt::SizeAllCursor;
        case 6:
            return Qt::SizeBDiagCursor;
        case 7:
            return Qt::SizeVerCursor;
        case 8:
            return Qt::SizeFDiagCursor;
        case 9:
            return Qt::SizeHorCursor;
        case 10:
            return Qt::UpArrowCursor;
        case 11:
            return Qt::WaitCursor;
        case 12:
            return Qt::ForbiddenCursor;
        case 13:
            return Qt::BusyCursor;
        case 14:
            return Qt::WhatsThisCursor;
        default:
            return Qt::ArrowCursor;
        }
    }

}

WidgetPeer::WidgetPeer(Control& control, QWidget& widget, PictureCache& pictures)
    : Peer(control)
    , m_widget(widget)
    , m_pictures(pictures)
{
}

void WidgetPeer::apply(Property property)
{
    Control const* shown = control();
    if (!shown)
        return;
    switch (property) {
    case Property::Enabled:
        m_widget.setEnabled(shown->enabled());
        keep_focus();
        break;
    case Property::Visible:
        m_widget.setVisible(shown->visible());
        keep_focus();
        break;
    case Property::Geometry:
        apply_geometry();
        break;
    case Property::ToolTipText:
        m_widget.setToolTip(to_qstring(shown->tool_tip_text()));
        tool_tip_text_changed(m_widget);
        break;
    case Property::MousePointer:
        apply_cursor(m_widget, *shown, m_pictures);
        break;
    default:
        apply_own(property);
        break;
    }
}

// Qt takes the focus from a widget that it disables or hides; the program's
// focused control keeps it, as on the desktop the program was made for, and
// its widget gets it back as soon as it can take it.
void WidgetPeer::keep_focus()
{
    Control const* shown = control();
    if (shown->form().focused() == shown && m_widget.isEnabled() && m_widget.isVisible()
        && m_widget.window()->focusWidget() != &m_widget)
        m_widget.setFocus(Qt::OtherFocusReason);
}

void WidgetPeer::set_solid(bool solid)
{
    m_solid = solid;
    tell_opaque();
}

void WidgetPeer::set_covered(bool covered)
{
    m_covered = covered;
    tell_opaque();
}

bool WidgetPeer::opaque() const { return m_widget.testAttribute(Qt::WA_OpaquePaintEvent); }

// Qt sums up a parent's opaque children again whenever one of them is told
// otherwise: only a change is told.
void WidgetPeer::tell_opaque()
{
    bool const opaque = m_solid && !m_covered;
    if (opaque == this->opaque())
        return;
    m_widget.setAttribute(Qt::WA_OpaquePaintEvent, opaque);
    m_widget.setAttribute(Qt::WA_NoSystemBackground, opaque);
}

// Left, Top, Width and Height together: one move of the widget however many
// of them changed.
void WidgetPeer::apply_geometry()
{
    Control const& c = *control();
    QRect const place = pixel_rect(c.left(), c.top(), c.width(), c.height());
    if (m_widget.geometry() != place)
        m_widget.setGeometry(place);
}

void WidgetPeer::apply_text_style(Property property, QPalette::ColorRole text)
{
    if (property == Property::ForeColor)
        set_palette_color(m_widget, text, to_qcolor(control()->fore_color()));
    else if (property == Property::Font)
        m_widget.setFont(to_qfont(control()->font()));
}

void set_palette_color(QWidget& widget, QPalette::ColorRole role, QColor color)
{
    QPalette palette = widget.palette();
    if (palette.color(role) == color)
        return;
    palette.setColor(role, color);
    widget.setPalette(palette);
}

void apply_cursor(QWidget& widget, Control const& control, PictureCache& pictures)
{
    int const pointer = control.properties().mouse_pointer;
    if (pointer == mouse_pointer_custom) {
        if (QPixmap const& icon = pictures.get(control.properties().mouse_icon); !icon.isNull()) {
            widget.setCursor(
                QCursor(icon, control.properties().mouse_icon->hot_x, control.properties().mouse_icon->hot_y));
            return;
        }
    }
    // A windowed control of the default pointer shows the desktop's standard
    // arrow, whatever its window's pointer; a graphical one shows its window's.
    if ((pointer == mouse_pointer_default || pointer == mouse_pointer_custom) && is_windowed(control.kind()))
        widget.setCursor(Qt::ArrowCursor);
    else if (pointer == mouse_pointer_default || pointer == mouse_pointer_custom)
        widget.unsetCursor();
    else
        widget.setCursor(cursor_shape(pointer));
}

}
