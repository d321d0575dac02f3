#pragma once

#include "Peer.h"

#include <QObject>

class QAction;

namespace rt::qt {

// A menu, a menu item, or a command of the menu bar itself (a menu without
// items): the entry that shows it, and the menu that holds its items if it has
// any. A child of the entry, gone with it. Its changes show at once: an entry
// disabled by a click must refuse its shortcut key at the next key press.
class MenuPeer : public QObject, public Peer {
    Q_OBJECT
public:
    MenuPeer(Control&, QAction* entry, QMenu* items);

    void apply(Property) override;
    bool shows_at_once() const override { return true; }
    QWidget* widget() const override;
    QMenu* menu() const override { return m_items; }
    QAction* entry() const { return m_entry; }

private:
    QAction* m_entry;
    QMenu* m_items;
};

}
