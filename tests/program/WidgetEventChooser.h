#pragma once

#include "RandomSource.h"
#include "runtime/qt/QtFrontEnd.h"

#include <string>
#include <vector>

class QWidget;

// Chooses what a user does next and does it through the real widgets of the
// Qt front end: mouse clicks on the widgets of any visible window (activating
// it first), keys and menu items on the active window, window closes, and
// short waits in which the real timers tick. Each event takes the same number
// of draws from the seed's random source, whatever the windows show, so a seed
// always chooses the same events; only what they meet may vary with timing.
class WidgetEventChooser {
public:
    WidgetEventChooser(rt::QtFrontEnd&, RandomSource&);

    // Does one event; the words for the journal.
    std::string next();

private:
    std::string click(RandomSource&);
    std::string key(RandomSource&);
    std::string menu(RandomSource&);
    std::string activate(RandomSource&);
    std::string close(RandomSource&);
    std::string wait(RandomSource&);

    std::vector<rt::Form*> visible_forms() const;
    rt::Form* active_form() const;
    QWidget* window(rt::Form&) const;
    // Still loaded: serving events may have closed a window.
    bool alive(rt::Form const*) const;
    void bring_forward(rt::Form&);

    rt::QtFrontEnd& m_front_end;
    RandomSource& m_random;
};
