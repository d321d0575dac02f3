#pragma once

class QWidget;

namespace rt::qt {

// Whenever a child moves, Qt sums up the rectangles of all opaque children of
// its parent again before it paints the parent: in the main window that is
// forty rectangles every frame while the banner strip drifts, most of them the
// pile's backs lying on one another. A solid child that lies wholly
// under one solid sibling in front of it cannot be seen, so it need not be
// told opaque: marked covered, it drops out of the sum. Marking never changes
// what shows; a mark out of date costs only time.
void mark_covered_children(QWidget& parent);

}
