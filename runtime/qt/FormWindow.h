#pragma once

#include <QMainWindow>

namespace rt::qt {

class Surface;

// The top-level window of a form: the frame, the menu bar (when the form has
// menus) and the client area, a surface of a fixed size. The window is never
// resized by the user; the run time decides its size, and whether it closes.
class FormWindow : public QMainWindow {
    Q_OBJECT
public:
    FormWindow();

    Surface* surface() const { return m_surface; }
    void set_client_size(QSize);

signals:
    void activated();
    // The close box or the window menu: the run time decides.
    void close_requested();
    // 0 normal, 1 minimized, 2 maximized.
    void state_changed(int);

protected:
    bool event(QEvent*) override;
    void closeEvent(QCloseEvent*) override;
    void changeEvent(QEvent*) override;

private:
    Surface* m_surface;
};

}
