#pragma once

#include <string>

namespace rt::qt {

// Why the program's windows could not be shown, or "" when they can: the
// toolkit ends the process outright when none of the platforms it would use
// starts (no display, a platform that is not installed or cannot reach its
// server), so the program asks first and can say so in plain words.
std::string why_no_display();

// The command that starts the program on a virtual display instead.
std::string virtual_display_command(std::string const& program);

}
