#pragma once

#include "FormWindow.h"
#include "PictureCache.h"
#include "Presenter.h"
#include "QtFrontEnd.h"
#include "runtime/Control.h"
#include "runtime/LocalClock.h"

#include <QApplication>
#include <QPointer>

#include <cstdint>
#include <memory>
#include <optional>
#include <unordered_map>

class QKeyEvent;

namespace rt {

// The front end's own parts, shared by its two files: what it keeps
// (FrontEndState.cpp) and what it does for the run time (QtFrontEnd.cpp).

using qt::FormWindow;
using qt::PictureCache;
using qt::Presenter;

// Everything Qt of the front end. The application-wide event filter turns key
// presses on the program's windows into the run time's keystrokes.
struct QtFrontEnd::State : QObject {
    State(QtFrontEnd& owner, int& argc, char** argv);
    ~State() override;

    Runtime& runtime() { return owner.m_runtime; }
    FormWindow* window_of(Form const&) const;

    void create(Form&);
    void connect_window(FormWindow*);
    void restack(Form&, Control const* container);
    void destroy(Form&);

    void window_activated(FormWindow*);
    bool key_pressed(QWidget*, QKeyEvent*);
    bool eventFilter(QObject*, QEvent*) override;

    QtFrontEnd& owner;
    // The program reads no command line: the toolkit is handed the program's
    // name alone, so that no option of its own (-reverse, -style ...) applies.
    int app_argc { 1 };
    char* app_argv[2];
    std::unique_ptr<QApplication> owned_app;
    LocalClock time_of_day;
    Presenter presenter { owner.m_runtime };
    PictureCache pictures;
    std::unordered_map<Form const*, FormWindow*> forms;
    QPointer<QWidget> awaited_activation;
    std::int64_t awaited_since { 0 };
    bool in_exec { false };
    bool tearing_down { false };
};

}
