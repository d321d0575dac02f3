#pragma once

#include <string>

namespace rt::qt {

// Why the program's windows could not be shown, or "" when they can: the
// toolkit ends the process outright when it finds no display, so the program
// asks first and can say so in plain words.
std::string why_no_display();

}
