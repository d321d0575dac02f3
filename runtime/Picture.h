#pragma once

#include <memory>
#include <string>

namespace rt {

// A picture held by a window definition: the resource it comes from and, for
// mouse pointers, the pixel that points. Assigning a picture to another control
// shares it, as the same object.
struct Picture {
    std::string resource;
    int hot_x { 0 };
    int hot_y { 0 };
};

using PictureRef = std::shared_ptr<Picture const>;

PictureRef load_picture(std::string const& resource, int hot_x = 0, int hot_y = 0);

}
