#pragma once

#include "EventJournal.h"
#include "runtime/qt/QtFrontEnd.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Small windows for the front end's tests; they record what their procedures did.
namespace qt_test {

// Shaped like the program's main window: menus with shortcut keys, a button, a
// picture box holding an image, images and a shape on the client area, timers.
struct TableForm : JournalForm {
    explicit TableForm(rt::Runtime& rt)
        : JournalForm(rt, "TableForm",
            rt::form_window().caption("Table").client_width(9510).client_height(6060).max_button(false))
    {
        Draw.on_click = [this] { log("Draw"); };
        Pile.on_click = [this] { log("Pile"); };
        Places.on_click([this](int index) { log("Place" + std::to_string(index)); });
        NewDeal.on_click = [this] { log("NewDeal"); };
        Contents.on_click = [this] { log("Contents"); };
        Timer1.on_timer = [this] { log("Timer1"); };
        Timer2.on_timer = [this] { log("Timer2"); };
    }
    RT_CONTROL(Back, rt::image(0, 0, 1500, 1500));
    RT_CONTROL_ARRAY(Places, rt::elements(0, 2, [](int i) {
        return rt::image(3000 + i * 1200.0f, 600, 1065, 1440).stretch().border_style(rt::BorderStyle::FixedSingle);
    }));
    RT_CONTROL(Draw, rt::button(600, 4500, 1500, 495).caption("&Тянуть").tab_index(1));
    RT_CONTROL(Pile, rt::picture_box(6000, 3000, 1215, 1095).tab_index(0));
    RT_CONTROL(PileFace, rt::image(0, 0, 600, 600).container(Pile));
    RT_CONTROL(PileMark, rt::image(300, 300, 600, 600).container(Pile));
    RT_CONTROL(Marker, rt::shape(7500, 600, 600, 600).shape(rt::ShapeKind::Circle).border_width(2));
    RT_CONTROL(Banner, rt::label(0, 5500, 9000, 300).caption("Карты &и судьба").transparent());
    RT_CONTROL(Game, rt::menu("&Игра"));
    RT_CONTROL(NewDeal, rt::menu_item("&Новый расклад", rt::Key::F2).container(Game));
    RT_CONTROL(Rule, rt::menu_item("-").container(Game));
    RT_CONTROL(Backs, rt::menu_item("&Рубашка", rt::Key::F8).container(Game));
    RT_CONTROL(Help, rt::menu("&Справка"));
    RT_CONTROL(Contents, rt::menu_item("&Содержание", rt::Key::F1).container(Help));
    RT_CONTROL(Timer1, rt::timer(10, false));
    RT_CONTROL(Timer2, rt::timer(20, false));

    void Form_Load() override
    {
        self().set_height(6720);
        self().set_left(1500);
        self().set_top(750);
    }
    void Form_Click() override { log("Form_Click"); }
    void Form_Unload(int& cancel) override
    {
        log("Unload");
        cancel = refuse_unload ? 1 : 0;
    }
    bool refuse_unload { false };
};

// The test's own front end, on the QApplication of the test program.
struct FrontEndTest : testing::Test {
    template<class T>
    T& start()
    {
        front_end.runtime().start<T>();
        T& form = *front_end.runtime().loaded_form<T>();
        QWidget* window = front_end.window_of(form);
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window));
        return form;
    }
    std::vector<std::string>& journal() { return EventJournal::of(front_end.runtime()).events; }
    long count(std::string const& event) { return EventJournal::of(front_end.runtime()).count(event); }
    // Runs f as an event procedure, as the program's own code would, and lets
    // the next frame show what it changed.
    template<class F>
    void set(F f)
    {
        front_end.runtime().dispatch(f);
        let_frame_show();
    }
    // The front end shows changes once per display frame: wait out a few.
    static void let_frame_show() { QTest::qWait(50); }

    static inline int argc = 1;
    static inline char name[] = "qt_front_end_test";
    static inline char* argv[] = { name, nullptr };
    rt::QtFrontEnd front_end { argc, argv };
};

}
