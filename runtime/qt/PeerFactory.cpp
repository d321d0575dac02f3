#include "PeerFactory.h"

#include "ButtonWidget.h"
#include "ClickTracker.h"
#include "Conversion.h"
#include "FormWindow.h"
#include "ImageWidget.h"
#include "LabelWidget.h"
#include "LineWidget.h"
#include "MenuPeer.h"
#include "PictureBoxWidget.h"
#include "ShapeWidget.h"
#include "Surface.h"
#include "runtime/Form.h"
#include "runtime/Runtime.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace rt::qt {

namespace {

    // Connects signal of source to handler of the run time for peer's control;
    // once the control's window has unloaded, a late signal does nothing.
    template<class Source, class Signal>
    void forward(Source* source, Signal signal, Peer* peer, Runtime& runtime, void (Runtime::*handler)(Control&))
    {
        QObject::connect(source, signal, source, [peer, &runtime, handler] {
            if (Control* control = peer->control())
                (runtime.*handler)(*control);
        });
    }

    template<class Widget>
    Widget* clickable(Control& control, QWidget* parent, PictureCache& pictures, Runtime& runtime)
    {
        auto* widget = new Widget(control, parent, pictures);
        forward(new ClickTracker(widget), &ClickTracker::clicked, widget, runtime, &Runtime::click);
        return widget;
    }

    Peer* create_menu(Control& control, QMenu* parent_menu, FormWindow& window, Runtime& runtime)
    {
        QMenuBar* bar = window.menuBar();
        bool const has_items = !control.form().menu_items(&control).empty();
        if (!parent_menu && !has_items) {
            // A menu without items is a command of the menu bar itself.
            auto* peer = new MenuPeer(control, bar->addAction(QString()), nullptr);
            forward(peer->entry(), &QAction::triggered, peer, runtime, &Runtime::click_menu);
            return peer;
        }
        QMenu* menu = parent_menu ? parent_menu->addMenu(QString()) : bar->addMenu(QString());
        auto* peer = new MenuPeer(control, menu->menuAction(), menu);
        // Opening a menu is its click: the program updates its items there.
        forward(menu, &QMenu::aboutToShow, peer, runtime, &Runtime::click_menu);
        return peer;
    }

    Peer* create_menu_item(Control& control, QMenu* parent_menu, Runtime& runtime)
    {
        if (!parent_menu)
            return nullptr;
        auto* action = new QAction(parent_menu);
        parent_menu->addAction(action);
        if (int const key = qt_key_of(control.properties().shortcut))
            action->setShortcut(QKeySequence(key));
        auto* peer = new MenuPeer(control, action, nullptr);
        forward(action, &QAction::triggered, peer, runtime, &Runtime::click_menu);
        return peer;
    }

}

Peer* create_peer(Control& control, FormWindow& window, PictureCache& pictures, Runtime& runtime)
{
    auto const* container = control.container() ? static_cast<Peer const*>(control.container()->peer) : nullptr;
    QWidget* parent = container && container->content() ? container->content() : window.content();
    QMenu* parent_menu = container ? container->menu() : nullptr;

    switch (control.kind()) {
    case Kind::Image:
        return clickable<ImageWidget>(control, parent, pictures, runtime);
    case Kind::PictureBox: {
        auto* widget = new PictureBoxWidget(control, parent, pictures);
        // Its surface fills it within the border, and takes its clicks.
        forward(new ClickTracker(widget->content()), &ClickTracker::clicked, widget, runtime, &Runtime::click);
        return widget;
    }
    case Kind::Label:
        return clickable<LabelWidget>(control, parent, pictures, runtime);
    case Kind::CommandButton: {
        auto* widget = new ButtonWidget(control, parent, pictures);
        forward(widget, &QAbstractButton::clicked, widget, runtime, &Runtime::click);
        return widget;
    }
    case Kind::Shape:
        return new ShapeWidget(control, parent, pictures);
    case Kind::Line:
        return new LineWidget(control, parent, pictures);
    case Kind::Menu:
        return create_menu(control, parent_menu, window, runtime);
    case Kind::MenuItem:
        return create_menu_item(control, parent_menu, runtime);
    case Kind::Timer:
    case Kind::Form:
        break;
    }
    return nullptr;
}

}
