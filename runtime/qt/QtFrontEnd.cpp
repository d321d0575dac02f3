#include "QtFrontEnd.h"

#include "ButtonWidget.h"
#include "ClickTracker.h"
#include "Conversion.h"
#include "FormWindow.h"
#include "ImageWidget.h"
#include "LabelWidget.h"
#include "LineWidget.h"
#include "PictureBoxWidget.h"
#include "PictureCache.h"
#include "ShapeWidget.h"
#include "Surface.h"
#include "runtime/Form.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QIcon>
#include <QKeyEvent>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <QTime>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <optional>
#include <unordered_map>
#include <vector>

namespace rt {

using namespace qt;

namespace {

    // What shows one control of a window; Control::front_end_data points here
    // (for the window's own control it stays null: its FormView shows it).
    struct View {
        QWidget* widget { nullptr };
        Surface* content { nullptr }; // a picture box's, where the controls inside it lie
        QAction* action { nullptr }; // a menu item, or a menu's entry in its parent
        QMenu* menu { nullptr };
    };

    // What shows a window: the window itself, whose surface shows the window's
    // own back colour and picture, and the views of its controls.
    struct FormView {
        FormWindow* window { nullptr };
        std::vector<std::unique_ptr<View>> views;
        bool shown_before { false };
    };

    View* view_of(Control const& control) { return static_cast<View*>(control.front_end_data); }

    QWidget* widget_of_view(Control const& control)
    {
        View const* view = view_of(control);
        return view ? view->widget : nullptr;
    }

    // A window the run time switched to can be reported active by the desktop
    // after another window's activation that was already on its way; for this long
    // such late reports of other windows are taken as stale.
    constexpr std::int64_t activation_settle_ms = 1000;

    constexpr Property all_properties[] = { Property::Caption, Property::Enabled, Property::Visible, Property::Geometry,
        Property::Picture, Property::DownPicture, Property::ToolTipText, Property::ForeColor, Property::BackColor,
        Property::BorderColor, Property::Font, Property::MousePointer, Property::WindowState };

    Qt::CursorShape cursor_shape(int mouse_pointer)
    {
        switch (mouse_pointer) {
        case 2:
            return Qt::CrossCursor;
        case 3:
            return Qt::IBeamCursor;
        case 5:
        case 15:
            return Qt::SizeAllCursor;
        case 6:
            return Qt::SizeBDiagCursor;
        case 7:
            return Qt::SizeVerCursor;
        case 8:
            return Qt::SizeFDiagCursor;
        case 9:
            return Qt::SizeHorCursor;
        case 10:
            return Qt::UpArrowCursor;
        case 11:
            return Qt::WaitCursor;
        case 12:
            return Qt::ForbiddenCursor;
        case 13:
            return Qt::BusyCursor;
        case 14:
            return Qt::WhatsThisCursor;
        default:
            return Qt::ArrowCursor;
        }
    }

    bool is_function_key(QKeyEvent const& event) { return event.key() >= Qt::Key_F1 && event.key() <= Qt::Key_F35; }

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

    void set_palette_color(QWidget& widget, QPalette::ColorRole role, QColor color)
    {
        QPalette palette = widget.palette();
        if (palette.color(role) == color)
            return;
        palette.setColor(role, color);
        widget.setPalette(palette);
    }

}

// Everything Qt of the front end. The application-wide event filter turns key
// presses on the program's windows into the run time's keystrokes.
struct QtFrontEnd::State : QObject {
    State(QtFrontEnd& owner, int& argc, char** argv);
    ~State() override;

    Runtime& runtime() { return owner.m_runtime; }
    Control* control_of(QObject const*) const;
    Form* form_of(QObject const* window) const;
    FormView* form_view(Form const&) const;

    void create(Form&);
    void create_view(FormView&, Control&);
    void configure_window(Control const& self, FormWindow&);
    void configure(Control const&, View&);
    // Connects signal of source to handler of the run time, for the control
    // shown by shown_by; each time, the control is looked up again, so that a
    // late signal from a window that has unloaded does nothing.
    template<class Source, class Signal>
    void forward(Source* source, Signal signal, QObject* shown_by, void (Runtime::*handler)(Control&))
    {
        QObject::connect(source, signal, source, [this, shown_by, handler] {
            if (Control* control = control_of(shown_by))
                (runtime().*handler)(*control);
        });
    }
    void apply(Control&, Property);
    void apply_form(Form&, FormView&, Property);
    void apply_caption(Control&, View&);
    void apply_geometry(Control&, View&);
    void apply_picture(Control&, View&);
    void apply_cursor(QWidget&, Control const&);
    void show(Form&, FormView&);
    void restack(Form&, Control const* container);
    void destroy(Form&);
    void arm_timer();

    void window_activated(FormWindow*);
    bool key_pressed(QWidget*, QKeyEvent*);
    bool eventFilter(QObject*, QEvent*) override;

    QtFrontEnd& owner;
    // The program reads no command line: the toolkit is handed the program's
    // name alone, so that no option of its own (-reverse, -style ...) applies.
    int app_argc { 1 };
    char* app_argv[2];
    std::unique_ptr<QApplication> owned_app;
    QElapsedTimer clock;
    QTimer timer;
    std::optional<std::int64_t> armed_due;
    PictureCache pictures;
    std::unordered_map<Form const*, std::unique_ptr<FormView>> forms;
    std::unordered_map<QObject const*, Control*> controls; // widget or action -> control
    std::unordered_map<QObject const*, Form*> windows; // window -> form
    QPointer<QWidget> awaited_activation;
    std::int64_t awaited_since { 0 };
    bool in_exec { false };
    bool tearing_down { false };
};

QtFrontEnd::State::State(QtFrontEnd& front_end, int& argc, char** argv)
    : owner(front_end)
    , app_argv { argc > 0 ? argv[0] : nullptr, nullptr }
    , owned_app(QApplication::instance() ? nullptr : std::make_unique<QApplication>(app_argc, app_argv))
{
    clock.start();
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
    QObject::connect(&timer, &QTimer::timeout, this, [this] {
        armed_due.reset();
        runtime().run_due_timers();
    });
    qApp->installEventFilter(this);
}

QtFrontEnd::State::~State()
{
    qApp->removeEventFilter(this);
    timer.stop();
    // The windows unloaded last are waiting for deletion.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (auto& [form, view] : forms)
        delete view->window;
    forms.clear();
    pictures.clear();
}

Control* QtFrontEnd::State::control_of(QObject const* object) const
{
    auto it = controls.find(object);
    return it == controls.end() ? nullptr : it->second;
}

Form* QtFrontEnd::State::form_of(QObject const* window) const
{
    auto it = windows.find(window);
    return it == windows.end() ? nullptr : it->second;
}

FormView* QtFrontEnd::State::form_view(Form const& form) const
{
    auto it = forms.find(&form);
    return it == forms.end() ? nullptr : it->second.get();
}

void QtFrontEnd::State::create(Form& form)
{
    auto owned = std::make_unique<FormView>();
    FormView& view = *owned;
    forms[&form] = std::move(owned);
    auto* window = new FormWindow();
    view.window = window;
    windows[window] = &form;

    // Every connection looks the window up again: once the window has unloaded
    // (its widgets are deleted later), a late signal finds nothing and does nothing.
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

    if (form.has_menu_bar())
        window->menuBar()->setNativeMenuBar(false); // in the window, where its height is part of the frame

    configure_window(form.self(), *window);
    for (Control* control : form.controls())
        create_view(view, *control);
    for (Property property : all_properties) {
        apply_form(form, view, property);
        for (Control* control : form.controls())
            apply(*control, property);
    }
    restack(form, nullptr);
    for (Control* control : form.controls()) {
        if (control->kind() == Kind::PictureBox)
            restack(form, control);
    }
}

void QtFrontEnd::State::create_view(FormView& form_view, Control& control)
{
    auto owned = std::make_unique<View>();
    View& view = *owned;
    View const* container = control.container() ? view_of(*control.container()) : nullptr;
    QWidget* parent = container && container->content ? container->content : form_view.window->surface();
    QMenu* parent_menu = container ? container->menu : nullptr;

    switch (control.kind()) {
    case Kind::Image: {
        auto* widget = new ImageWidget(parent);
        forward(new ClickTracker(widget), &ClickTracker::clicked, widget, &Runtime::click);
        view.widget = widget;
        break;
    }
    case Kind::PictureBox: {
        auto* widget = new PictureBoxWidget(parent);
        // Its surface fills it within the border, and takes its clicks.
        forward(new ClickTracker(widget->surface()), &ClickTracker::clicked, widget, &Runtime::click);
        view.widget = widget;
        view.content = widget->surface();
        break;
    }
    case Kind::Label: {
        auto* widget = new LabelWidget(parent);
        forward(new ClickTracker(widget), &ClickTracker::clicked, widget, &Runtime::click);
        view.widget = widget;
        break;
    }
    case Kind::CommandButton: {
        auto* widget = new ButtonWidget(parent);
        forward(widget, &QAbstractButton::clicked, widget, &Runtime::click);
        view.widget = widget;
        break;
    }
    case Kind::Shape:
        view.widget = new ShapeWidget(parent);
        break;
    case Kind::Line:
        view.widget = new LineWidget(parent);
        break;
    case Kind::Menu: {
        QMenuBar* bar = form_view.window->menuBar();
        bool const has_items = !control.form().menu_items(&control).empty();
        if (!parent_menu && !has_items) {
            // A menu without items is a command of the menu bar itself.
            view.action = bar->addAction(QString());
        } else {
            QMenu* menu = parent_menu ? parent_menu->addMenu(QString()) : bar->addMenu(QString());
            view.menu = menu;
            view.widget = menu;
            view.action = menu->menuAction();
            // Opening a menu is its click: the program updates its items there.
            forward(menu, &QMenu::aboutToShow, menu, &Runtime::click_menu);
        }
        if (!view.menu)
            forward(view.action, &QAction::triggered, view.action, &Runtime::click_menu);
        break;
    }
    case Kind::MenuItem: {
        if (!parent_menu)
            break;
        auto* action = new QAction(parent_menu);
        parent_menu->addAction(action);
        if (int const key = qt_key_of(control.properties().shortcut))
            action->setShortcut(QKeySequence(key));
        forward(action, &QAction::triggered, action, &Runtime::click_menu);
        view.action = action;
        break;
    }
    case Kind::Timer:
    case Kind::Form:
        break;
    }
    if (view.widget)
        controls[view.widget] = &control;
    if (view.action)
        controls[view.action] = &control;
    configure(control, view);
    control.front_end_data = &view;
    form_view.views.push_back(std::move(owned));
}

// What the window's definition fixes once and for all.
void QtFrontEnd::State::configure_window(Control const& self, FormWindow& window)
{
    Qt::WindowFlags flags;
    switch (self.properties().border_style) {
    case BorderStyle::None:
        flags = Qt::Window | Qt::FramelessWindowHint;
        break;
    case BorderStyle::FixedToolWindow:
        flags = Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
        break;
    case BorderStyle::FixedSingle:
        flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowCloseButtonHint;
        if (self.properties().min_button)
            flags |= Qt::WindowMinimizeButtonHint;
        if (self.properties().max_button)
            flags |= Qt::WindowMaximizeButtonHint;
        break;
    }
    window.setWindowFlags(flags);
    if (QPixmap const& icon = pictures.get(self.properties().icon); !icon.isNull())
        window.setWindowIcon(QIcon(icon));
}

// What a control's definition fixes once and for all.
void QtFrontEnd::State::configure(Control const& control, View& view)
{
    switch (control.kind()) {
    case Kind::Image: {
        auto* image = static_cast<ImageWidget*>(view.widget);
        image->set_stretch(control.properties().stretch);
        image->set_border(control.properties().border_style == BorderStyle::FixedSingle);
        break;
    }
    case Kind::PictureBox:
        static_cast<PictureBoxWidget*>(view.widget)
            ->set_border(control.properties().border_style == BorderStyle::FixedSingle);
        break;
    case Kind::Label: {
        auto* label = static_cast<LabelWidget*>(view.widget);
        label->set_transparent(control.properties().transparent);
        label->set_border(control.properties().border_style == BorderStyle::FixedSingle);
        Qt::Alignment horizontal = Qt::AlignLeft;
        if (control.properties().alignment == Alignment::Right)
            horizontal = Qt::AlignRight;
        else if (control.properties().alignment == Alignment::Center)
            horizontal = Qt::AlignHCenter;
        label->setAlignment(horizontal | Qt::AlignTop);
        break;
    }
    case Kind::CommandButton:
        static_cast<ButtonWidget*>(view.widget)->set_graphical(control.properties().graphical);
        break;
    case Kind::Shape:
        static_cast<ShapeWidget*>(view.widget)->set_shape(control.properties().shape);
        break;
    default:
        break;
    }
}

void QtFrontEnd::State::apply(Control& control, Property property)
{
    if (control.kind() == Kind::Form) {
        if (FormView* form_view = this->form_view(control.form()))
            apply_form(control.form(), *form_view, property);
        return;
    }
    View* view = view_of(control);
    if (!view)
        return;
    QWidget* widget = view->widget;
    switch (property) {
    case Property::Caption:
        apply_caption(control, *view);
        break;
    case Property::Enabled:
        if (view->action)
            view->action->setEnabled(control.enabled());
        else if (widget)
            widget->setEnabled(control.enabled());
        break;
    case Property::Visible:
        if (view->action)
            view->action->setVisible(control.visible());
        else if (widget)
            widget->setVisible(control.visible());
        break;
    case Property::Geometry:
        apply_geometry(control, *view);
        break;
    case Property::Picture:
    case Property::DownPicture:
        apply_picture(control, *view);
        break;
    case Property::ToolTipText:
        if (widget && !view->action)
            widget->setToolTip(to_qstring(control.tool_tip_text()));
        break;
    case Property::ForeColor:
        if (control.kind() == Kind::Label)
            set_palette_color(*widget, QPalette::WindowText, to_qcolor(control.fore_color()));
        else if (control.kind() == Kind::CommandButton)
            set_palette_color(*widget, QPalette::ButtonText, to_qcolor(control.fore_color()));
        break;
    case Property::BackColor:
        if (control.kind() == Kind::Label)
            set_palette_color(*widget, QPalette::Window, to_qcolor(control.properties().back_color));
        else if (control.kind() == Kind::PictureBox)
            set_palette_color(*view->content, QPalette::Window, to_qcolor(control.properties().back_color));
        else if (control.kind() == Kind::CommandButton)
            static_cast<ButtonWidget*>(widget)->set_back_color(to_qcolor(control.properties().back_color));
        break;
    case Property::BorderColor:
        if (control.kind() == Kind::Shape)
            static_cast<ShapeWidget*>(widget)->set_border(
                to_qcolor(control.properties().border_color), control.properties().border_width);
        else if (control.kind() == Kind::Line)
            static_cast<LineWidget*>(widget)->set_color(to_qcolor(control.properties().border_color));
        break;
    case Property::Font:
        if (control.kind() == Kind::Label || control.kind() == Kind::CommandButton)
            widget->setFont(to_qfont(control.font()));
        break;
    case Property::MousePointer:
        if (widget && !view->action)
            apply_cursor(*widget, control);
        break;
    case Property::WindowState:
        break;
    }
}

void QtFrontEnd::State::apply_form(Form& form, FormView& view, Property property)
{
    FormWindow* window = view.window;
    Control const& self = form.self();
    switch (property) {
    case Property::Caption:
        window->setWindowTitle(to_qstring(self.caption()));
        break;
    case Property::Enabled:
        window->surface()->setEnabled(self.enabled());
        if (form.has_menu_bar())
            window->menuBar()->setEnabled(self.enabled());
        break;
    case Property::Visible:
        if (self.visible())
            show(form, view);
        else
            window->hide();
        break;
    case Property::Geometry:
        window->set_client_size(QSize(to_pixels(form.client_width()), to_pixels(form.client_height())));
        // Left and Top are the outer frame's, as move() takes them.
        window->move(to_pixels(self.left()), to_pixels(self.top()));
        break;
    case Property::Picture:
        window->surface()->set_picture(pictures.get(self.picture()));
        break;
    case Property::BackColor:
        set_palette_color(*window->surface(), QPalette::Window, to_qcolor(self.properties().back_color));
        break;
    case Property::MousePointer:
        apply_cursor(*window, self);
        break;
    case Property::WindowState: {
        Qt::WindowStates state = window->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized);
        if (form.window_state() == 1)
            state |= Qt::WindowMinimized;
        else if (form.window_state() == 2)
            state |= Qt::WindowMaximized;
        if (state != window->windowState())
            window->setWindowState(state);
        break;
    }
    default:
        break;
    }
}

void QtFrontEnd::State::apply_caption(Control& control, View& view)
{
    switch (control.kind()) {
    case Kind::Label:
        // A label shows its access key's letter plainly.
        static_cast<QLabel*>(view.widget)->setText(caption_text(control.shown_caption()));
        break;
    case Kind::CommandButton:
        // "&" marks the access key in Qt as well; the button registers it.
        static_cast<QAbstractButton*>(view.widget)->setText(caption_text(control.caption()));
        break;
    case Kind::Menu:
        if (view.menu)
            view.menu->setTitle(to_qstring(control.caption()));
        else if (view.action)
            view.action->setText(to_qstring(control.caption()));
        break;
    case Kind::MenuItem:
        if (view.action) {
            // A caption of a lone "-" draws a separator line, without the dash.
            bool const separator = control.caption() == "-";
            view.action->setSeparator(separator);
            view.action->setText(separator ? QString() : to_qstring(control.caption()));
        }
        break;
    default:
        break;
    }
}

void QtFrontEnd::State::apply_geometry(Control& control, View& view)
{
    if (!view.widget || view.action)
        return;
    if (control.kind() == Kind::Line) {
        QPoint const from(to_pixels(control.properties().x1), to_pixels(control.properties().y1));
        QPoint const to(to_pixels(control.properties().x2), to_pixels(control.properties().y2));
        QRect const box = QRect(from, to).normalized();
        view.widget->setGeometry(box);
        static_cast<LineWidget*>(view.widget)->set_line(from - box.topLeft(), to - box.topLeft());
        return;
    }
    view.widget->setGeometry(pixel_rect(control.left(), control.top(), control.width(), control.height()));
}

void QtFrontEnd::State::apply_picture(Control& control, View& view)
{
    switch (control.kind()) {
    case Kind::Image:
        static_cast<ImageWidget*>(view.widget)->set_picture(pictures.get(control.picture()));
        break;
    case Kind::PictureBox:
        view.content->set_picture(pictures.get(control.picture()));
        break;
    case Kind::CommandButton:
        static_cast<ButtonWidget*>(view.widget)
            ->set_pictures(pictures.get(control.picture()), pictures.get(control.down_picture()),
                pictures.get(control.properties().disabled_picture));
        break;
    default:
        break;
    }
}

void QtFrontEnd::State::apply_cursor(QWidget& widget, Control const& control)
{
    int const pointer = control.properties().mouse_pointer;
    if (pointer == mouse_pointer_custom) {
        if (QPixmap const& icon = pictures.get(control.properties().mouse_icon); !icon.isNull()) {
            widget.setCursor(
                QCursor(icon, control.properties().mouse_icon->hot_x, control.properties().mouse_icon->hot_y));
            return;
        }
    }
    // A windowed control of the default pointer shows the desktop's standard
    // arrow, whatever its window's pointer; a graphical one shows its window's.
    if ((pointer == mouse_pointer_default || pointer == mouse_pointer_custom) && control.kind() != Kind::Form
        && is_windowed(control.kind()))
        widget.setCursor(Qt::ArrowCursor);
    else if (pointer == mouse_pointer_default || pointer == mouse_pointer_custom)
        widget.unsetCursor();
    else
        widget.setCursor(cursor_shape(pointer));
}

void QtFrontEnd::State::show(Form& form, FormView& view)
{
    FormWindow* window = view.window;
    if (!view.shown_before) {
        view.shown_before = true;
        StartUpPosition const position = form.self().properties().start_up_position;
        if (position == StartUpPosition::CenterScreen || position == StartUpPosition::CenterOwner) {
            window->layout()->activate();
            QScreen const* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
            QRect const area = screen->availableGeometry();
            QSize const size = window->frameGeometry().size();
            window->move(area.x() + (area.width() - size.width()) / 2, area.y() + (area.height() - size.height()) / 2);
        }
    }
    window->show();
}

// Qt paints siblings in the order of its list of children: raising each in the
// run time's order, from the back to the front, makes the two agree.
void QtFrontEnd::State::restack(Form& form, Control const* container)
{
    for (Control* control : form.stacking(container)) {
        if (QWidget* widget = widget_of_view(*control))
            widget->raise();
    }
}

void QtFrontEnd::State::destroy(Form& form)
{
    auto it = forms.find(&form);
    if (it == forms.end())
        return;
    std::unique_ptr<FormView> view = std::move(it->second);
    forms.erase(it);
    windows.erase(view->window);
    for (auto const& control_view : view->views) {
        controls.erase(control_view->widget);
        controls.erase(control_view->action);
    }
    for (Control* control : form.controls())
        control->front_end_data = nullptr;
    view->window->hide();
    if (tearing_down) {
        delete view->window;
        return;
    }
    // We may be inside a slot of one of its widgets.
    view->window->deleteLater();
    // With its last window gone, the program has nothing left to do.
    QTimer::singleShot(0, this, [this] {
        if (in_exec && forms.empty() && !runtime().ended())
            QCoreApplication::exit(0);
    });
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
    std::int64_t const delay = std::max<std::int64_t>(0, *due - clock.elapsed());
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
        if (QWidget* first = order.empty() ? nullptr : widget_of_view(*order.front()))
            first->setFocus(Qt::ActiveWindowFocusReason);
    }
    runtime().activate(*form);
}

bool QtFrontEnd::State::key_pressed(QWidget* widget, QKeyEvent* event)
{
    Form* form = form_of(widget->window());
    if (!form)
        return false;
    // An unused key travels up from the focused widget to its window and is
    // offered to the run time at each step; a key the run time does not use
    // has changed nothing, so offering it again is harmless.
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
    case QEvent::KeyPress:
        return object->isWidgetType() && key_pressed(static_cast<QWidget*>(object), static_cast<QKeyEvent*>(event));
    case QEvent::FocusIn:
        // The user moved the focus (a click, or the desktop's choice when the
        // window was activated): the run time's idea of it follows.
        if (Control* control = control_of(object))
            runtime().focus(*control);
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

QWidget* QtFrontEnd::widget_of(Control& control) const
{
    return control.kind() == Kind::Form ? window_of(control.form()) : widget_of_view(control);
}

QWidget* QtFrontEnd::window_of(Form& form) const
{
    FormView const* view = m_state->form_view(form);
    return view ? view->window : nullptr;
}

void QtFrontEnd::form_created(Form& form) { m_state->create(form); }

void QtFrontEnd::form_destroyed(Form& form) { m_state->destroy(form); }

void QtFrontEnd::form_activated(Form& form)
{
    FormView* view = m_state->form_view(form);
    if (!view || !view->window->isVisible())
        return;
    FormWindow* window = view->window;
    // The offscreen platform (tests) has no stacking of windows, and says so.
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        window->raise();
    if (window->isActiveWindow())
        return;
    m_state->awaited_activation = window;
    m_state->awaited_since = m_state->clock.elapsed();
    window->activateWindow();
}

void QtFrontEnd::property_changed(Control& control, Property property) { m_state->apply(control, property); }

// Only the control that moved changes its place among its siblings: putting
// it under its new upper neighbour (or on top) is one move, not a restack.
void QtFrontEnd::stacking_changed(Control& control)
{
    QWidget* widget = widget_of_view(control);
    if (!widget)
        return;
    std::vector<Control*> const order = control.form().stacking(control.container());
    auto it = std::find(order.begin(), order.end(), &control);
    if (it == order.end())
        return;
    if (QWidget* above = std::next(it) != order.end() ? widget_of_view(**std::next(it)) : nullptr)
        widget->stackUnder(above);
    else
        widget->raise();
}

void QtFrontEnd::focus_changed(Form& form, FocusReason reason)
{
    // Tab tells the style that the keyboard moved the focus, so that it draws
    // the focus frame from then on; a mouse click or the program does not.
    Qt::FocusReason const qt_reason = reason == FocusReason::Keyboard ? Qt::TabFocusReason
        : reason == FocusReason::Mouse                                ? Qt::MouseFocusReason
                                                                      : Qt::OtherFocusReason;
    if (QWidget* widget = form.focused() ? widget_of_view(*form.focused()) : nullptr)
        widget->setFocus(qt_reason);
}

void QtFrontEnd::refresh(Control& control)
{
    if (QWidget* widget = widget_of(control))
        widget->repaint();
}

void QtFrontEnd::beep() { QApplication::beep(); }

void QtFrontEnd::message_box(std::string const& text, int flags, std::string const& title)
{
    QWidget* parent = nullptr;
    if (Form* active = m_runtime.active_form()) {
        if (FormView* view = m_state->form_view(*active); view && view->window->isVisible())
            parent = view->window;
    }
    QString const caption = title.empty() ? QCoreApplication::applicationName() : to_qstring(title);
    QMessageBox box(message_icon(flags), caption, caption_text(text), QMessageBox::Ok, parent);
    // Timer ticks go on while the box is open, in the event loop of exec(). A
    // tick's own procedure may have opened it: the QTimer that fired for that
    // tick is re-armed only when the procedure returns, so arm it here.
    m_state->arm_timer();
    box.exec();
}

std::int64_t QtFrontEnd::now_ms() { return m_state->clock.elapsed(); }

double QtFrontEnd::seconds_since_midnight() { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0; }

void QtFrontEnd::timers_changed() { m_state->arm_timer(); }

void QtFrontEnd::quit()
{
    m_state->timer.stop();
    m_state->armed_due.reset();
    for (auto& [form, view] : m_state->forms)
        view->window->hide();
    // Hiding an open message box ends its own event loop too; exit() ends every
    // loop that runs, the outermost included.
    for (QWidget* widget : QApplication::topLevelWidgets())
        widget->hide();
    QCoreApplication::exit(0);
}

}
