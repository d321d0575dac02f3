#include "Picture.h"

namespace rt {

PictureRef load_picture(std::string const& resource, int hot_x, int hot_y)
{
    if (resource.empty())
        return {};
    return std::make_shared<Picture const>(Picture { resource, hot_x, hot_y });
}

}
