#pragma once

#include "Peer.h"

#include <QMainWindow>

namespace rt::qt {

class PictureCache;
class Surface;

// The top-level window of a form, and the peer of the form's own control: the
// frame, the menu bar (when the form has menus) and the client area, a surface
// of a fixed size. The window is never resized by the user; the run time
// decides its size, and whether it closes. Its changes show at once: the run
// time and the desktop read a window's state back straight away.
class FormWindow : public QMainWindow, public Peer {
    Q_OBJECT
public:
    FormWindow(Control& self, PictureCache&);

    void apply(Property) override;
    bool shows_at_once() const override { return true; }
    QWidget* widget() const override;
    QWidget* content() const override;

signals:
    void activated();
    // The close box or the window menu: the run time decides.
    void close_requested();
    // 0 normal, 1 minimized, 2 maximized.
    void state_changed(int);
    // The frame around the client area, menu bar included, is this many
    // twips high as the desktop draws it.
    void frame_measured(float twips);

protected:
    bool event(QEvent*) override;
    void closeEvent(QCloseEvent*) override;
    void changeEvent(QEvent*) override;
    void moveEvent(QMoveEvent*) override;
    void showEvent(QShowEvent*) override;

private:
    void set_frame(Control const& self);
    void show_window();
    void apply_window_state();
    void apply_geometry();
    // The client area at the size the run time gives it.
    void fit_client_area();
    void measure_frame();

    Surface* m_surface;
    PictureCache& m_pictures;
    bool m_shown_before { false };
    int m_frame_pixels { -1 };
};

}
