#include "QtFrontEnd.h"

#include "ClickTracker.h"
#include "Conversion.h"
#include "FormWindow.h"
#include "FramePacer.h"
#include "PeerFactory.h"
#include "PictureCache.h"
#include "Surface.h"
#include "WidgetPeer.h"
#include "runtime/Form.h"
#include "runtime/FrameTicks.h"
#include "runtime/LocalClock.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <optional>
#include <unordered_map>
#include <vector>

namespace rt {

using namespace qt;

namespace {

    // A window the run time switched to can be reported active by the desktop
    // after another window's activation that was already on its way; for this long
    // such late reports of other windows are taken as stale.
    constexpr std::int64_t activation_settle_ms = 1000;

    constexpr Property all_properties[] = { Property::Caption, Property::Enabled, Property::Visible, Property::Geometry,
        Property::Picture, Property::DownPicture, Property::ToolTipText, Property::ForeColor, Property::BackColor,
        Property::BorderColor, Property::Font, Property::MousePointer, Property::WindowState };

    QMessageBox::Icon message_icon(int flags)
    {
        switch (flags & 0x70) {
        case 16:
            return QMessageBox::Critical;
        case 32:
            return QMessageBox::Question;
        case 48:
            return QMessageBox::Warning;
        case 64:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
        }
    }

    Peer* peer_of(Control const& control) { return static_cast<Peer*>(control.peer); }

    QWidget* widget_of_peer(Control const& control)
    {
        Peer const* peer = peer_of(control);
        return peer ? peer->widget() : nullptr;
    }

    // The display's frame; 60 Hz where the screen does not say.
    double frame_ms_of_screen()
    {
        QScreen const* screen = QGuiApplication::primaryScreen();
        double const rate = screen ? screen->refreshRate() : 0.0;
        return rate >= 20.0 && rate <= 500.0 ? 1000.0 / rate : 1000.0 / 60.0;
    }

}

// Everything Qt of the front end. The application-wide event filter turns key
// presses on the program's windows into the run time's keystrokes.
struct QtFrontEnd::State : QObject {
    State(QtFrontEnd& owner, int& argc, char** argv);
    ~State() override;

    Runtime& runtime() { return owner.m_runtime; }
    std::int64_t real_ms() const { return clock.elapsed(); }
    FormWindow* window_of(Form const&) const;

    void create(Form&);
    void connect_window(FormWindow*);
    void restack(Form&, Control const* container);
    void destroy(Form&);
    void serve_ticks();
    void arm_timer();

    void window_activated(FormWindow*);
    bool key_pressed(QWidget*, QKeyEvent*);
    bool eventFilter(QObject*, QEvent*) override;

    QtFrontEnd& owner;
    std::unique_ptr<QApplication> owned_app;
    QElapsedTimer clock;
    LocalClock time_of_day;
    FrameTicks ticks;
    FramePacer pacer { ticks, [this] { return real_ms(); } };
    QTimer timer;
    std::optional<std::int64_t> armed_due;
    PictureCache pictures;
    std::unordered_map<Form const*, FormWindow*> forms;
    QPointer<QWidget> awaited_activation;
    std::int64_t awaited_since { 0 };
    bool in_exec { false };
    bool tearing_down { false };
};

// The form a top-level widget shows, while it is loaded.
static Form* form_of(QObject* window)
{
    auto const* form_window = qobject_cast<FormWindow*>(window);
    Control const* self = form_window ? form_window->control() : nullptr;
    return self ? &self->form() : nullptr;
}

QtFrontEnd::State::State(QtFrontEnd& front_end, int& argc, char** argv)
    : owner(front_end)
    , owned_app(QApplication::instance() ? nullptr : std::make_unique<QApplication>(argc, argv))
{
    clock.start();
    ticks.set_frame_ms(frame_ms_of_screen());
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
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, this, [this] { serve_ticks(); });
    qApp->installEventFilter(this);
}

QtFrontEnd::State::~State()
{
    qApp->removeEventFilter(this);
    timer.stop();
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
    for (Property property : all_properties) {
        window->apply(property);
        for (Control* control : form.controls()) {
            if (control->peer)
                control->peer->apply(property);
        }
    }
    restack(form, nullptr);
    for (Control* control : form.controls()) {
        if (control->kind() == Kind::PictureBox)
            restack(form, control);
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
    QObject::connect(new ClickTracker(window->surface()), &ClickTracker::clicked, window, [this, window] {
        if (Form* f = form_of(window))
            runtime().click_form(*f);
    });
}

// Qt paints siblings in the order of its list of children: raising each in the
// run time's order, from the back to the front, makes the two agree.
void QtFrontEnd::State::restack(Form& form, Control const* container)
{
    for (Control* control : form.stacking(container)) {
        if (QWidget* widget = widget_of_peer(*control))
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
    pacer.forget(form);
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

// One wake-up serves every tick of the current frame, then shows the frame.
void QtFrontEnd::State::serve_ticks()
{
    armed_due.reset();
    ticks.serve(runtime(), [this] { return real_ms(); });
    if (!runtime().ended())
        arm_timer();
    pacer.show_frame();
}

void QtFrontEnd::State::arm_timer()
{
    std::optional<std::int64_t> const due = runtime().ended() ? std::nullopt : runtime().next_timer_due();
    if (!due) {
        timer.stop();
        armed_due.reset();
        return;
    }
    // Enabling one timer among others often leaves the earliest due time as it
    // was: then the armed QTimer stays as it is.
    if (timer.isActive() && armed_due == due)
        return;
    armed_due = due;
    std::int64_t const delay = std::max<std::int64_t>(0, *due - real_ms());
    timer.start(std::chrono::milliseconds(delay));
}

void QtFrontEnd::State::window_activated(FormWindow* window)
{
    Form* form = form_of(window);
    if (!form)
        return;
    if (awaited_activation) {
        bool const stale = awaited_activation != window && awaited_activation->isVisible()
            && clock.elapsed() - awaited_since < activation_settle_ms;
        if (stale)
            return;
        awaited_activation.clear();
    }
    // A window that has not had the focus yet gives it to the first control in
    // tab order. Done here, before Qt would choose by its own focus chain; the
    // window's Form_Activate may still move it.
    if (!window->focusWidget()) {
        std::vector<Control*> const order = form->tab_order();
        if (QWidget* first = order.empty() ? nullptr : widget_of_peer(*order.front())) {
            pacer.flush();
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
    // An unused key travels up from the focused widget to its window: take it
    // once, where it arrived.
    QWidget const* focus = QApplication::focusWidget();
    if (focus && focus != widget && widget->isAncestorOf(focus))
        return false;
    std::optional<KeyStroke> const stroke = key_stroke_of(*event);
    if (!stroke)
        return false;
    bool const used = runtime().key_press(*form, *stroke);
    if (used)
        event->accept();
    return used;
}

bool QtFrontEnd::State::eventFilter(QObject* object, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        return object->isWidgetType() && key_pressed(static_cast<QWidget*>(object), static_cast<QKeyEvent*>(event));
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

QtFrontEnd::QtFrontEnd(int& argc, char** argv)
    : m_state(std::make_unique<State>(*this, argc, argv))
{
    m_runtime.set_app_path(QCoreApplication::applicationDirPath().toStdString());
}

QtFrontEnd::~QtFrontEnd() { m_state->tearing_down = true; }

int QtFrontEnd::exec()
{
    if (m_runtime.ended() || m_state->forms.empty())
        return 0;
    m_state->in_exec = true;
    int const code = QApplication::exec();
    m_state->in_exec = false;
    return code;
}

// What a test reads shows every change made so far.
QWidget* QtFrontEnd::widget_of(Control& control) const
{
    m_state->pacer.flush();
    return control.kind() == Kind::Form ? window_of(control.form()) : widget_of_peer(control);
}

QWidget* QtFrontEnd::window_of(Form& form) const
{
    m_state->pacer.flush();
    return m_state->window_of(form);
}

void QtFrontEnd::form_created(Form& form) { m_state->create(form); }

void QtFrontEnd::form_destroyed(Form& form) { m_state->destroy(form); }

void QtFrontEnd::form_activated(Form& form)
{
    FormWindow* window = m_state->window_of(form);
    if (!window || !window->isVisible())
        return;
    // The offscreen platform (tests) has no stacking of windows, and says so.
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        window->raise();
    if (window->isActiveWindow())
        return;
    m_state->awaited_activation = window;
    m_state->awaited_since = m_state->clock.elapsed();
    window->activateWindow();
}

void QtFrontEnd::property_changed(Control& control, Property property) { m_state->pacer.changed(control, property); }

// Only the control that moved changes its place among its siblings: putting
// it under its new upper neighbour (or on top) is one move, not a restack.
void QtFrontEnd::stacking_changed(Control& control)
{
    QWidget* widget = widget_of_peer(control);
    if (!widget)
        return;
    std::vector<Control*> const order = control.form().stacking(control.container());
    auto it = std::find(order.begin(), order.end(), &control);
    if (it == order.end())
        return;
    if (QWidget* above = std::next(it) != order.end() ? widget_of_peer(**std::next(it)) : nullptr)
        widget->stackUnder(above);
    else
        widget->raise();
}

void QtFrontEnd::focus_changed(Form& form)
{
    Control* focused = form.focused();
    if (QWidget* widget = focused ? widget_of_peer(*focused) : nullptr) {
        // It may have been shown or enabled just before.
        focused->peer->apply_pending();
        widget->setFocus(Qt::OtherFocusReason);
    }
}

// Refresh paints at once, with the control's changes so far.
void QtFrontEnd::refresh(Control& control)
{
    if (control.peer)
        control.peer->apply_pending();
    if (QWidget* widget = control.kind() == Kind::Form ? m_state->window_of(control.form()) : widget_of_peer(control))
        widget->repaint();
}

void QtFrontEnd::beep() { QApplication::beep(); }

void QtFrontEnd::message_box(std::string const& text, int flags, std::string const& title)
{
    QWidget* parent = nullptr;
    if (Form* active = m_runtime.active_form()) {
        if (FormWindow* window = m_state->window_of(*active); window && window->isVisible())
            parent = window;
    }
    QString const caption = title.empty() ? QCoreApplication::applicationName() : to_qstring(title);
    QMessageBox box(message_icon(flags), caption, caption_text(text), QMessageBox::Ok, parent);
    // What the program changed before the box shows with it.
    m_state->pacer.flush();
    // Timer ticks go on while the box is open, in the event loop of exec(). A
    // tick's own procedure may have opened it: the QTimer that fired for that
    // tick is re-armed only when the procedure returns, so arm it here. The
    // clock reads the real time while the box is open.
    std::optional<std::int64_t> const presented = m_state->ticks.suspend();
    m_state->arm_timer();
    box.exec();
    m_state->ticks.resume(presented);
}

std::int64_t QtFrontEnd::now_ms() { return m_state->ticks.presented().value_or(m_state->real_ms()); }

double QtFrontEnd::seconds_since_midnight() { return m_state->time_of_day.seconds_since_midnight(); }

void QtFrontEnd::timers_changed() { m_state->arm_timer(); }

void QtFrontEnd::quit()
{
    m_state->timer.stop();
    m_state->armed_due.reset();
    for (auto& [form, window] : m_state->forms)
        window->hide();
    // Hiding an open message box ends its own event loop too; exit() ends every
    // loop that runs, the outermost included.
    for (QWidget* widget : QApplication::topLevelWidgets())
        widget->hide();
    QCoreApplication::exit(0);
}

}
