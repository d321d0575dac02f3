#pragma once

#include "WidgetPeer.h"

#include <QLabel>

namespace rt::qt {

// A label control: its caption, word-wrapped from the top, on its back colour
// or on whatever lies beneath it when transparent.
class LabelWidget : public QLabel, public WidgetPeer {
    Q_OBJECT
public:
    LabelWidget(Control&, QWidget* parent, PictureCache&);

    void set_transparent(bool);
    void set_border(bool);

protected:
    void apply_own(Property) override;
};

}
