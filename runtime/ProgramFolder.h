#pragma once

#include <string>

namespace rt {

// The folder that holds the running program, as the file system names it: the
// bytes of its name as they are, whatever the locale would make of them as
// text. "" when it cannot be found (no /proc, or a path longer than the system
// reports), so that nothing is ever opened in a folder taken for it.
std::string program_folder();

// The folder of the program that a link names, as /proc/self/exe does.
std::string program_folder(std::string const& link);

}
