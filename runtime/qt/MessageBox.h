#pragma once

#include <functional>
#include <string>

class QWidget;

namespace rt::qt {

// A message box over parent (or over no window), as the program's MsgBox asks
// for it: flags choose the icon, an empty title is the application's name.
// before_wait runs once the box is made, just before its event loop starts.
void run_message_box(QWidget* parent, std::string const& text, int flags, std::string const& title,
    std::function<void()> const& before_wait);

}
