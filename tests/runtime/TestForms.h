#pragma once

#include "EventJournal.h"
#include "runtime/headless/Headless.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

// Small windows that record what happened to them, for the run-time tests.
namespace test_forms {

struct StoreForm : JournalForm {
    explicit StoreForm(rt::Runtime& rt)
        : JournalForm(rt, "StoreForm", rt::form_window().caption("Store").client_width(3000).client_height(2000))
    {
    }
    RT_CONTROL(Image1, rt::image(0, 0, 100, 100).visible(false).picture(":/store/texture.jpg"));
    RT_CONTROL(Label1, rt::label(0, 0, 100, 100));
    RT_CONTROL(Command1, rt::button(10, 10, 100, 100).caption("&Понятно"));

    void Form_Load() override
    {
        log("StoreForm.Load");
        Label1.set_caption("loaded");
    }
    void Form_Activate() override { log("StoreForm.Activate"); }
    void Form_Deactivate() override { log("StoreForm.Deactivate"); }
    void Form_Unload(int&) override { log("StoreForm.Unload"); }
};

struct FirstForm : JournalForm {
    explicit FirstForm(rt::Runtime& rt)
        : JournalForm(rt, "FirstForm", rt::form_window().caption("First").client_width(3000).client_height(2000))
    {
        Command1.on_click = [this] { log("Command1"); };
        Command2.on_click = [this] {
            log("Command2");
            End();
        };
        Places.on_click([this](int index) { log("Place" + std::to_string(index)); });
        Go.on_click = [this] { log("Go"); };
        Timer1.on_timer = [this] { log("Timer1"); };
        Timer2.on_timer = [this] { log("Timer2"); };
    }
    RT_CONTROL(Image1, rt::image(0, 0, 100, 100));
    RT_CONTROL(Command1, rt::button(10, 10, 100, 100).caption("&Тянуть").tab_index(1));
    RT_CONTROL(Command2, rt::button(200, 10, 100, 100).caption("&End").tab_index(0));
    RT_CONTROL(Ok, rt::button(400, 10, 100, 100).caption("OK").default_button().tab_index(2));
    RT_CONTROL(Cancel, rt::button(600, 10, 100, 100).caption("Cancel").cancel_button().tab_index(3));
    RT_CONTROL_ARRAY(Places, rt::elements(0, 2, [](int i) { return rt::image(i * 100.0f, 0, 100, 100); }));
    RT_CONTROL(Mnu, rt::menu("&Menu"));
    RT_CONTROL(Go, rt::menu_item("&Go", rt::Key::F3).container(Mnu));
    RT_CONTROL(Timer1, rt::timer(10, false));
    RT_CONTROL(Timer2, rt::timer(20, false));

    void Form_Load() override
    {
        log("FirstForm.Load");
        // Reading another window's picture loads that window first.
        Image1.set_picture(form<StoreForm>().Image1.picture());
        log("FirstForm.Load.end");
    }
    void Form_Activate() override { log("FirstForm.Activate"); }
    void Form_Deactivate() override { log("FirstForm.Deactivate"); }
    void Form_Unload(int& cancel) override
    {
        log("FirstForm.Unload");
        cancel = refuse_unload ? 1 : 0;
    }
    bool refuse_unload { false };
};

// A window whose timer runs from its definition on, and whose load asks the
// user something first.
struct TickingForm : JournalForm {
    explicit TickingForm(rt::Runtime& rt)
        : JournalForm(rt, "TickingForm", rt::form_window().caption("Ticking").client_width(1000).client_height(1000))
    {
        Timer1.on_timer = [this] { log("TickingForm.Timer1"); };
    }
    RT_CONTROL(Timer1, rt::timer(10, true));
    void Form_Load() override { MsgBox("Загрузка", 64, "Ticking"); }
};

// A window without controls: it holds the focus itself.
struct BareForm : JournalForm {
    explicit BareForm(rt::Runtime& rt)
        : JournalForm(rt, "BareForm", rt::form_window().caption("Bare").client_width(1000).client_height(1000))
    {
    }
    void Form_Click() override { log("BareForm.Click"); }
    void Form_LostFocus() override
    {
        log("BareForm.LostFocus");
        unload();
    }
    void Form_Deactivate() override { log("BareForm.Deactivate"); }
};

// A run of the program started with FirstForm, its journal at hand.
struct FirstFormRun : testing::Test {
    void SetUp() override { h.start<FirstForm>(); }
    FirstForm& first() { return h.form<FirstForm>(); }
    std::vector<std::string>& journal() { return EventJournal::of(h.runtime()).events; }
    long count(std::string const& event) { return EventJournal::of(h.runtime()).count(event); }
    // Runs f as an event procedure, as the program's own code would.
    void set(std::function<void()> const& f) { h.runtime().dispatch(f); }
    rt::Headless h;
};

}
