#include "FrontEndState.h"

#include "ClickTracker.h"
#include "Conversion.h"
#include "Covering.h"
#include "PeerFactory.h"
#include "ShownToolTip.h"
#include "Surface.h"
#include "WidgetPeer.h"
#include "runtime/Form.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMenu>

#include <algorithm>
#include <vector>

namespace rt {

using namespace qt;

namespace {

    // A window the run time switched to can be reported active by the desktop
    // after another window's activation that was already on its way; for this long
    // such late reports of other windows are taken as stale.
    constexpr std::int64_t activation_settle_ms = 1000;

    // The program repaints small parts of one small window, 50 times a second
    // while something moves. Copied through the X connection, such a frame
    // costs the program about a third less processor time than handed over in
    // shared memory: for parts this small the copy is cheaper than the shared
    // segment's bookkeeping. A user's own setting of the variable stands.
    std::unique_ptr<QApplication> make_application(int& argc, char** argv)
    {
        if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
            qputenv("QT_XCB_NO_MITSHM", "1");
        return std::make_unique<QApplication>(argc, argv);
    }

}

// The form a top-level widget shows, while it is loaded.
static Form* form_of(QObject* window)
{
    auto const* form_window = qobject_cast<FormWindow*>(window);
    Control const* self = form_window ? form_window->control() : nullptr;
    return self ? &self->form() : nullptr;
}

QtFrontEnd::State::State(QtFrontEnd& front_end, int& argc, char** argv)
    : owner(front_end)
    , app_argv { argc > 0 ? argv[0] : nullptr, nullptr }
    , owned_app(QApplication::instance() ? nullptr : make_application(app_argc, app_argv))
{
    // The run time decides when the program ends, not the last window closed.
    QApplication::setQuitOnLastWindowClosed(false);
    // The windows were laid out for MS Sans Serif; Liberation Sans has its
    // widths (those of Arial, near enough) and Cyrillic letters. Where Tahoma
    // and Comic Sans MS are missing, the wide DejaVu Sans would push the
    // dialogs' small print and longer texts past their labels; Liberation Sans
    // keeps them within.
    QStringList const sans { QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
        QStringLiteral("DejaVu Sans") };
    for (auto const* family : { "MS Sans Serif", "Tahoma", "Comic Sans MS" })
        QFont::insertSubstitutions(QString::fromLatin1(family), sans);
    qApp->installEventFilter(this);
}

QtFrontEnd::State::~State()
{
    qApp->removeEventFilter(this);
    presenter.stop();
    // The windows unloaded last are waiting for deletion.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (auto& [form, window] : forms)
        delete window;
    forms.clear();
    pictures.clear();
}

FormWindow* QtFrontEnd::State::window_of(Form const& form) const
{
    auto it = forms.find(&form);
    return it == forms.end() ? nullptr : it->second;
}

void QtFrontEnd::State::create(Form& form)
{
    auto* window = new FormWindow(form.self(), pictures);
    forms[&form] = window;
    form.self().peer = window;
    connect_window(window);
    for (Control* control : form.controls())
        control->peer = create_peer(*control, *window, pictures, runtime());
    window->apply_all();
    for (Control* control : form.controls()) {
        if (control->peer)
            control->peer->apply_all();
    }
    restack(form, nullptr);
    mark_covered_children(*window->content());
    for (Control* control : form.controls()) {
        if (control->kind() != Kind::PictureBox)
            continue;
        restack(form, control);
        if (Peer* box = peer_of(*control); box && box->content())
            mark_covered_children(*box->content());
    }
}

// Every connection looks the form up again: once the window has unloaded (its
// widgets are deleted later), a late signal finds nothing and does nothing.
void QtFrontEnd::State::connect_window(FormWindow* window)
{
    QObject::connect(window, &FormWindow::activated, window, [this, window] { window_activated(window); });
    QObject::connect(window, &FormWindow::close_requested, window, [this, window] {
        if (Form* f = form_of(window))
            runtime().close(*f);
    });
    QObject::connect(window, &FormWindow::state_changed, window, [this, window](int state) {
        if (Form* f = form_of(window))
            runtime().window_state_changed(*f, state);
    });
    QObject::connect(window, &FormWindow::frame_measured, window, [this, window](float twips) {
        if (Form* f = form_of(window))
            runtime().frame_measured(*f, twips);
    });
    QObject::connect(new ClickTracker(window->content()), &ClickTracker::clicked, window, [this, window] {
        if (Form* f = form_of(window))
            runtime().click_form(*f);
    });
}

// Qt paints siblings in the order of its list of children: raising each in the
// run time's order, from the back to the front, makes the two agree.
void QtFrontEnd::State::restack(Form& form, Control const* container)
{
    for (Control* control : form.stacking(container)) {
        if (QWidget* widget = peer_widget(*control))
            widget->raise();
    }
}

void QtFrontEnd::State::destroy(Form& form)
{
    auto it = forms.find(&form);
    if (it == forms.end())
        return;
    FormWindow* window = it->second;
    forms.erase(it);
    presenter.forget(form);
    for (Control* control : form.controls()) {
        if (Peer* peer = peer_of(*control))
            peer->detach();
        control->peer = nullptr;
    }
    window->detach();
    form.self().peer = nullptr;
    window->hide();
    if (tearing_down) {
        delete window;
        return;
    }
    // We may be inside a slot of one of its widgets.
    window->deleteLater();
    // With its last window gone, the program has nothing left to do.
    QTimer::singleShot(0, this, [this] {
        if (in_exec && forms.empty() && !runtime().ended())
            QCoreApplication::exit(0);
    });
}

void QtFrontEnd::State::window_activated(FormWindow* window)
{
    Form* form = form_of(window);
    if (!form)
        return;
    if (awaited_activation) {
        bool const stale = awaited_activation != window && awaited_activation->isVisible()
            && presenter.real_ms() - awaited_since < activation_settle_ms;
        if (stale)
            return;
        awaited_activation.clear();
    }
    // A window that has not had the focus yet gives it to the first control in
    // tab order. Done here, before Qt would choose by its own focus chain; the
    // window's Form_Activate may still move it.
    if (!window->focusWidget()) {
        std::vector<Control*> const order = form->tab_order();
        if (QWidget* first = order.empty() ? nullptr : peer_widget(*order.front())) {
            presenter.catch_up();
            first->setFocus(Qt::ActiveWindowFocusReason);
        }
    }
    runtime().activate(*form);
}

bool QtFrontEnd::State::key_pressed(QWidget* widget, QKeyEvent* event)
{
    Form* form = form_of(widget->window());
    if (!form)
        return false;
    // The run time decides which of its windows the key goes to. An unused
    // key travels up from the focused widget to its window and is offered to
    // the run time at each step; a key the run time does not use has changed
    // nothing, so offering it again is harmless.
    std::optional<KeyStroke> const stroke = key_stroke_of(*event);
    // A key the run time has no use for anywhere is still not the display
    // window's when the program has made another one active.
    bool const used = stroke ? runtime().key_press(*form, *stroke) : &runtime().key_window(*form) != form;
    if (used)
        event->accept();
    return used;
}

namespace {

    bool is_function_key(QKeyEvent const& event) { return event.key() >= Qt::Key_F1 && event.key() <= Qt::Key_F35; }

}

bool QtFrontEnd::State::eventFilter(QObject* object, QEvent* event)
{
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // The run time owns the function keys: taken here, they come as key
        // presses to the run time and never trigger a menu's shortcut, which
        // is there to be shown beside its item. So a key with a modifier is
        // never mistaken for the plain key, and an open menu takes none.
        if (is_function_key(*static_cast<QKeyEvent*>(event)) && object->isWidgetType()
            && (form_of(static_cast<QWidget*>(object)->window()) || qobject_cast<QMenu*>(object))) {
            event->accept();
            return true;
        }
        break;
    case QEvent::ToolTip:
        // Qt shows the tip of the first widget, from the one under the mouse
        // up to its window, that has one.
        if (object->isWidgetType() && !static_cast<QWidget*>(object)->toolTip().isEmpty())
            tool_tip_shown(*static_cast<QWidget*>(object), static_cast<QHelpEvent*>(event)->globalPos());
        break;
    case QEvent::KeyPress:
        return object->isWidgetType() && key_pressed(static_cast<QWidget*>(object), static_cast<QKeyEvent*>(event));
    case QEvent::KeyRelease:
        // The release of a key that went to another window than the display's
        // must not finish what a press would have begun there (a button's
        // click on Space).
        if (Form* form = object->isWidgetType() ? form_of(static_cast<QWidget*>(object)->window()) : nullptr)
            return &runtime().key_window(*form) != form;
        break;
    case QEvent::FocusIn:
        // The user moved the focus (a click, or the desktop's choice when the
        // window was activated): the run time's idea of it follows.
        if (auto* peer = object->isWidgetType() ? dynamic_cast<WidgetPeer*>(static_cast<QWidget*>(object)) : nullptr) {
            if (Control* control = peer->control())
                runtime().focus(*control);
        }
        break;
    default:
        break;
    }
    return false;
}

}
