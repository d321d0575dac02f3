#pragma once

class QPoint;
class QWidget;

namespace rt::qt {

// The tool tip on screen follows its widget's text. Qt shows a widget's tip
// when the mouse rests on it and then leaves it up, text and all, until the
// mouse moves off: a tip whose text the program changes meanwhile would show
// what is no longer so (the meaning of a card that has left its place).

// A tool tip request reached a widget that has a tip: Qt shows it there.
void tool_tip_shown(QWidget&, QPoint const& global_position);
// The widget's tip text has changed: a tip of its on screen shows the new
// text, or goes at once when there is none.
void tool_tip_text_changed(QWidget&);

}
