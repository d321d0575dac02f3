#pragma once

#include "runtime/Picture.h"

#include <QPixmap>

#include <string>
#include <unordered_map>

namespace rt::qt {

// Pictures by resource, each loaded once: the same picture is shown by many
// controls at a time (every back of the pile, every place of the spread). A
// picture that cannot be loaded comes back null, and shows nothing.
class PictureCache {
public:
    QPixmap const& get(PictureRef const&);
    QPixmap const& get(std::string const& resource);
    void clear() { m_pixmaps.clear(); }

private:
    std::unordered_map<std::string, QPixmap> m_pixmaps;
    QPixmap m_none;
};

}
