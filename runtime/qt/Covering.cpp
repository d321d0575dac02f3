#include "Covering.h"

#include "ImageWidget.h"
#include "PictureBoxWidget.h"

#include <QRect>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace rt::qt {

namespace {

    // Only an image or a picture box can be solid. Looked up through Qt's
    // own type information: a cast across to the peer costs more than the
    // sum it saves.
    WidgetPeer* may_be_solid(QObject* child)
    {
        if (auto* image = qobject_cast<ImageWidget*>(child))
            return image;
        if (auto* box = qobject_cast<PictureBoxWidget*>(child))
            return box;
        return nullptr;
    }

    // QRect::contains, inline: the loop asks it a few hundred times a frame.
    bool lies_within(QRect const& inner, QRect const& outer)
    {
        return inner.left() >= outer.left() && inner.right() <= outer.right() && inner.top() >= outer.top()
            && inner.bottom() <= outer.bottom();
    }

}

void mark_covered_children(QWidget& parent)
{
    // From the front to the back, with the uncovered solid siblings seen so
    // far: a sibling covered by a covered one is covered by what covers that.
    std::vector<QRect> in_front;
    in_front.reserve(16);
    QObjectList const& children = parent.children();
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        if (!(*it)->isWidgetType() || static_cast<QWidget*>(*it)->isHidden())
            continue;
        auto* child = static_cast<QWidget*>(*it);
        WidgetPeer* peer = may_be_solid(child);
        if (!peer)
            continue;
        QRect const place = child->geometry();
        bool const covered
            = std::ranges::any_of(in_front, [&](QRect const& front) { return lies_within(place, front); });
        peer->set_covered(covered);
        if (peer->solid() && !covered)
            in_front.push_back(place);
    }
}

}
