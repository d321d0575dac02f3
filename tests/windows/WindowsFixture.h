#pragma once

#include "TestFolder.h"
#include "main_window/MirvaneFRM.h"
#include "runtime/headless/Headless.h"
#include "windows/AboutFRM.h"
#include "windows/HelpFRM.h"
#include "windows/SexForm.h"
#include "windows/ViewFRM.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>

// A run of the whole program, from the start dialog, in a folder of its own.
class WindowsTest : public testing::Test {
protected:
    void TearDown() override { h.reset(); }

    void start()
    {
        h = std::make_unique<rt::Headless>(folder.string());
        h->start<SexForm>();
    }
    // Starts the program and answers "&Мужчина": the main window is open.
    void start_as_man()
    {
        start();
        h->click(sex().Command2);
        ASSERT_NE(loaded<MirvaneFRM>(), nullptr);
    }

    SexForm& sex() { return h->form<SexForm>(); }
    MirvaneFRM& main() { return h->form<MirvaneFRM>(); }
    MirvaneMDL& mdl() { return h->runtime().module<MirvaneMDL>(); }
    template<class T>
    T* loaded()
    {
        return h->runtime().loaded_form<T>();
    }
    // Shows a window as the main window's commands do: a modeless Show.
    template<class T>
    T& show()
    {
        h->runtime().dispatch([this] { h->runtime().form<T>().show(); });
        return h->form<T>();
    }
    bool active(rt::Form& form) { return h->runtime().active_form() == &form; }
    bool running(rt::Control& timer) const { return h->runtime().timers().armed(timer); }

    void write_settings(std::string const& bytes) { folder.write("mirvane.ini", bytes); }

    TestFolder folder;
    std::filesystem::path const settings { folder / "mirvane.ini" };
    std::unique_ptr<rt::Headless> h;
};
