#pragma once

#include <string>

class QWidget;

namespace rt::qt {

// A message box over parent (or over no window), as the program's MsgBox asks
// for it: flags choose the icon, an empty title is the application's name.
void run_message_box(QWidget* parent, std::string const& text, int flags, std::string const& title);

}
