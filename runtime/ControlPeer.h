#pragma once

#include "Types.h"

#include <cstdint>
#include <utility>

namespace rt {

// What shows one control in a front end (a widget, a menu entry, a window). The
// run time keeps every property; the peer reads them from its control when told
// which one changed. A front end that shows at a pace of its own marks the
// changes first and applies them later, each changed property once, however
// often it changed meanwhile.
class ControlPeer {
public:
    virtual ~ControlPeer() = default;

    // Shows the control's current value of this property.
    virtual void apply(Property) = 0;
    // Changes that others read back at once (a window shown, a menu entry
    // enabled for its shortcut key) are applied as they come, not marked.
    virtual bool shows_at_once() const { return false; }

    // Remembers a change; true when nothing was pending before, so that the
    // caller queues the peer once.
    bool mark(Property property)
    {
        bool const was_clean = m_pending == 0;
        m_pending |= bit(property);
        return was_clean;
    }
    // Applies every remembered change once, in the order of Property.
    void apply_pending()
    {
        std::uint32_t const changes = std::exchange(m_pending, 0);
        for (int p = 0; p <= static_cast<int>(last_property); ++p) {
            if (changes & (1u << p))
                apply(static_cast<Property>(p));
        }
    }
    // Shows every property, as a new peer does.
    void apply_all()
    {
        m_pending = ~0u;
        apply_pending();
    }

private:
    static std::uint32_t bit(Property property) { return 1u << static_cast<int>(property); }
    static_assert(static_cast<int>(last_property) < 32, "every property needs a bit of the mark");

    std::uint32_t m_pending { 0 };
};

}
