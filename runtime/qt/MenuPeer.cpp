#include "MenuPeer.h"

#include "Conversion.h"
#include "runtime/Control.h"

#include <QAction>
#include <QMenu>

namespace rt::qt {

MenuPeer::MenuPeer(Control& control, QAction* entry, QMenu* items)
    : QObject(entry)
    , Peer(control)
    , m_entry(entry)
    , m_items(items)
{
}

QWidget* MenuPeer::widget() const { return m_items; }

void MenuPeer::apply(Property property)
{
    Control const* c = control();
    if (!c)
        return;
    switch (property) {
    case Property::Caption:
        if (m_items) {
            m_items->setTitle(to_qstring(c->caption()));
        } else if (c->kind() == Kind::MenuItem) {
            // A caption of a lone "-" draws a separator line, without the dash.
            bool const separator = c->caption() == "-";
            m_entry->setSeparator(separator);
            m_entry->setText(separator ? QString() : to_qstring(c->caption()));
        } else {
            m_entry->setText(to_qstring(c->caption()));
        }
        break;
    case Property::Enabled:
        m_entry->setEnabled(c->enabled());
        break;
    case Property::Visible:
        m_entry->setVisible(c->visible());
        break;
    default:
        break;
    }
}

}
