#include "Display.h"

#include <xcb/xcb.h>

#include <cstdlib>

namespace rt::qt {

std::string why_no_display()
{
    // A platform named in the environment (the offscreen one of the tests, say)
    // is the toolkit's own business; only the X display is checked here.
    char const* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && *platform && std::string(platform).rfind("xcb", 0) != 0)
        return {};
    char const* display = std::getenv("DISPLAY");
    if (!display)
        return "no display could be reached: DISPLAY is not set";
    if (!*display)
        return "no display could be reached: DISPLAY is empty";
    xcb_connection_t* connection = xcb_connect(display, nullptr);
    bool const reached = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    if (!reached)
        return "no display could be reached at DISPLAY=" + std::string(display);
    return {};
}

}
