#pragma once

#include <QObject>

class QWidget;

namespace rt::qt {

// Watches a widget's mouse buttons for clicks. A click is a press and a release
// of the left button, both on the widget: a press dragged off the widget and
// released elsewhere clicks nothing. The buttons stop here: neither the widget
// nor the one beneath it sees them.
class ClickTracker : public QObject {
    Q_OBJECT
public:
    // A child of widget, gone with it.
    explicit ClickTracker(QWidget* widget);

signals:
    void clicked();

protected:
    bool eventFilter(QObject*, QEvent*) override;

private:
    bool m_pressed { false };
};

}
