#pragma once

#include <QLabel>

namespace rt::qt {

// A label control: its caption, word-wrapped from the top, on its back colour
// or on whatever lies beneath it when transparent.
class LabelWidget : public QLabel {
    Q_OBJECT
public:
    explicit LabelWidget(QWidget* parent);

    void set_transparent(bool);
    void set_border(bool);
};

}
