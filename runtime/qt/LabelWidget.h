#pragma once

#include "ClickTracker.h"

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

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;

private:
    ClickTracker m_click;
};

}
