#include "Covering.h"

#include "ImageWidget.h"
#include "PictureBoxWidget.h"

#include <QRect>
#include <QVarLengthArray>
#include <QWidget>

#include <algorithm>

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
    QVarLengthArray<QRect, 16> in_front;
    QObjectList const& children = parent.children();
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        WidgetPeer* peer = may_be_solid(*it);
        QWidget* child = peer ? peer->widget() : nullptr;
        if (!child || child->isHidden())
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
