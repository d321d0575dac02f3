#pragma once

namespace rt {
class Control;
class Runtime;
}

namespace rt::qt {

class FormWindow;
class Peer;
class PictureCache;

// Makes the widget (or menu entry) that shows a control of window's form, with
// the user's input on it wired to the run time; nullptr for a timer. The
// control's container must have its peer already.
Peer* create_peer(Control&, FormWindow& window, PictureCache&, Runtime&);

}
