#pragma once

#include "MirvaneFRMTestAccess.h"
#include "TestFolder.h"
#include "main_window/MirvaneFRM.h"
#include "runtime/headless/Headless.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>

// A run of the program in a folder of its own, with the main window opened
// directly for the sex the test chooses.
class MainWindowTest : public testing::Test {
protected:
    void TearDown() override { h.reset(); }

    // The program's folder is the test's own unless one is given ("" for a
    // folder that could not be found).
    void start(int user_sex = 0, std::optional<std::string> app_path = std::nullopt)
    {
        h = std::make_unique<rt::Headless>(app_path.value_or(folder.string()));
        h->runtime().module<MirvaneMDL>().UserSex = static_cast<std::uint8_t>(user_sex);
        h->start<MirvaneFRM>();
    }
    MirvaneFRM& main() { return h->form<MirvaneFRM>(); }
    MirvaneFRMTestAccess fields() { return MirvaneFRMTestAccess(main()); }
    MirvaneMDL& mdl() { return h->runtime().module<MirvaneMDL>(); }
    // Runs code as an event procedure of the program.
    void run(std::function<void()> const& procedure) { h->runtime().dispatch(procedure); }

    // Lets time pass until the timer has ticked that many times; the other
    // timers tick meanwhile as they fall due.
    void tick(rt::Control& timer, int times = 1)
    {
        for (int guard = 0; times > 0 && guard < 1000000; ++guard) {
            rt::Control const* ticked = h->step();
            ASSERT_NE(ticked, nullptr) << "no timer runs";
            if (ticked == &timer)
                --times;
        }
    }
    // Where a control of the table lies in the stacking order: higher is in front.
    long stack_rank(rt::Control const& control)
    {
        auto const stack = main().stacking(nullptr);
        return std::find(stack.begin(), stack.end(), &control) - stack.begin();
    }
    bool running(rt::Control& timer) const { return h->runtime().timers().armed(timer); }
    // Draws a card and waits until the button is given back.
    void draw_and_wait()
    {
        h->click(main().Command1);
        h->advance(1000);
    }

    void write_settings(std::string const& bytes) { folder.write("mirvane.ini", bytes); }
    std::string read_settings() const { return folder.read("mirvane.ini"); }

    TestFolder folder;
    std::filesystem::path const settings { folder / "mirvane.ini" };
    std::unique_ptr<rt::Headless> h;
};
