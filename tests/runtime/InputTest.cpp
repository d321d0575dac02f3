#include "TestForms.h"

#include <gtest/gtest.h>

using namespace test_forms;

namespace {

struct Input : FirstFormRun { };

}

TEST_F(Input, DisabledButtonDeliversNothingByAnyRoute)
{
    set([&] {
        first().Command1.set_focus();
        first().Command1.set_enabled(false);
    });
    h.click(first().Command1);
    h.press(first(), rt::Key::Space);
    h.press(first(), rt::alt_key(U'т'));
    h.press(first(), rt::alt_key(U'Т'));
    EXPECT_EQ(count("Command1"), 0);

    set([&] { first().Command1.set_enabled(true); });
    h.click(first().Command1);
    EXPECT_EQ(count("Command1"), 1);
    EXPECT_TRUE(h.press(first(), rt::Key::Space)) << "the click gave the button the focus";
    EXPECT_TRUE(h.press(first(), rt::Key::Enter));
    EXPECT_TRUE(h.press(first(), rt::alt_key(U'Т'))) << "access keys ignore case";
    EXPECT_EQ(count("Command1"), 4);

    set([&] { first().Command1.set_visible(false); });
    h.click(first().Command1);
    EXPECT_EQ(count("Command1"), 4) << "a hidden button is not clicked";
}

TEST_F(Input, DisabledMenuItemIgnoresItsShortcut)
{
    EXPECT_TRUE(h.press(first(), rt::Key::F3));
    h.choose(first().Go);
    EXPECT_EQ(count("Go"), 2);
    set([&] { first().Go.set_enabled(false); });
    EXPECT_FALSE(h.press(first(), rt::Key::F3));
    h.choose(first().Go);
    EXPECT_EQ(count("Go"), 2);
    set([&] {
        first().Go.set_enabled(true);
        first().Mnu.set_enabled(false);
    });
    h.press(first(), rt::Key::F3);
    EXPECT_EQ(count("Go"), 2) << "an item of a disabled menu is disabled too";
}

TEST_F(Input, EnterAndEscapeReachDefaultAndCancelButtons)
{
    int ok = 0, cancel = 0;
    first().Ok.on_click = [&] { ++ok; };
    first().Cancel.on_click = [&] { ++cancel; };
    h.press(first(), rt::Key::Enter);
    h.press(first(), rt::Key::Escape);
    EXPECT_EQ(ok, 1);
    EXPECT_EQ(cancel, 1);
    // Enter on a focused button clicks that button, not the default one.
    set([&] { first().Command1.set_focus(); });
    h.press(first(), rt::Key::Enter);
    EXPECT_EQ(ok, 1);
    EXPECT_EQ(count("Command1"), 1);
}

TEST_F(Input, TabFollowsTabIndexOverFocusableControls)
{
    auto focus_after_tab = [&](bool backwards = false) {
        h.press(first(), rt::KeyStroke { rt::Key::Tab, 0, backwards });
        return first().focused();
    };
    EXPECT_EQ(focus_after_tab(), &first().Command2);
    EXPECT_EQ(focus_after_tab(), &first().Command1);
    set([&] { first().Ok.set_enabled(false); });
    EXPECT_EQ(focus_after_tab(), &first().Cancel) << "disabled buttons are skipped";
    EXPECT_EQ(focus_after_tab(), &first().Command2) << "Tab wraps round";
    EXPECT_EQ(focus_after_tab(true), &first().Cancel);
}

TEST_F(Input, SetFocusOnControlThatCannotTakeItIsAnError)
{
    set([&] {
        first().Command1.set_enabled(false);
        EXPECT_THROW(first().Command1.set_focus(), rt::RuntimeError);
        EXPECT_THROW(first().Image1.set_focus(), rt::RuntimeError);
    });
}

TEST_F(Input, ControlArraysAndLookupByNameAndIndex)
{
    h.click(first().control("Places", 2));
    EXPECT_EQ(journal().back(), "Place2");
    EXPECT_EQ(first().Places.lbound(), 0);
    EXPECT_EQ(first().Places.ubound(), 2);
    EXPECT_EQ(first().find("Places", 3), nullptr);
    EXPECT_EQ(&first().control("Command1"), &first().Command1);
    EXPECT_EQ(first().Command1.shown_caption(), "Тянуть");
}

TEST_F(Input, ZOrderKeepsGraphicalControlsBeneathWindowedOnes)
{
    auto order = [&] {
        std::vector<std::string> names;
        for (auto* c : first().stacking(nullptr))
            names.push_back(c->name() + (c->index() >= 0 ? std::to_string(c->index()) : ""));
        return names;
    };
    std::vector<std::string> const at_creation { "Image1", "Places0", "Places1", "Places2", "Command1", "Command2",
        "Ok", "Cancel" };
    EXPECT_EQ(order(), at_creation);
    set([&] {
        first().Image1.z_order(0);
        first().Command1.z_order(0);
        first().Places(2).z_order(1);
    });
    std::vector<std::string> const after { "Places2", "Places0", "Places1", "Image1", "Command2", "Ok", "Cancel",
        "Command1" };
    EXPECT_EQ(order(), after);
}

TEST_F(Input, ModifiersChangeWhatAKeyIs)
{
    auto stroke = [](rt::Key key, bool shift, bool control, bool alt) {
        return rt::KeyStroke { key, 0, shift, control, alt };
    };
    // A shortcut key is the plain key.
    EXPECT_FALSE(h.press(first(), stroke(rt::Key::F3, true, false, false)));
    EXPECT_FALSE(h.press(first(), stroke(rt::Key::F3, false, true, false)));
    EXPECT_FALSE(h.press(first(), stroke(rt::Key::F3, false, false, true)));
    EXPECT_EQ(count("Go"), 0);

    set([&] { first().Command1.set_focus(); });
    EXPECT_FALSE(h.press(first(), stroke(rt::Key::Space, false, false, true)));
    EXPECT_FALSE(h.press(first(), stroke(rt::Key::Enter, false, false, true)));
    EXPECT_FALSE(h.press(first(), stroke(rt::Key::Tab, false, true, false)));
    EXPECT_FALSE(h.press(first(), stroke(rt::Key::Tab, false, false, true)));
    EXPECT_EQ(first().focused(), &first().Command1);
    EXPECT_FALSE(h.press(first(), rt::KeyStroke { rt::Key::Character, U'т' })) << "a letter needs Alt";
    EXPECT_FALSE(h.press(first(), rt::alt_key(U'ж'))) << "no button has that access key";
    EXPECT_EQ(count("Command1"), 0);

    EXPECT_FALSE(h.press(first(), stroke(rt::Key::F4, false, true, true)));
    EXPECT_EQ(count("FirstForm.Unload"), 0) << "only Alt+F4 closes the window";
}

TEST_F(Input, AltF4AsksTheWindowToCloseAsItsCloseBoxDoes)
{
    first().refuse_unload = true;
    EXPECT_TRUE(h.press(first(), rt::KeyStroke { rt::Key::F4, 0, false, false, true }));
    EXPECT_EQ(count("FirstForm.Unload"), 1);
    EXPECT_TRUE(first().loaded()) << "Form_Unload refused";

    first().refuse_unload = false;
    EXPECT_TRUE(h.press(first(), rt::KeyStroke { rt::Key::F4, 0, false, false, true }));
    EXPECT_EQ(h.runtime().loaded_form<FirstForm>(), nullptr);
}

TEST_F(Input, KeyWhoseClickEndsTheProgramWasUsed)
{
    EXPECT_TRUE(h.press(first(), rt::alt_key(U'e')));
    EXPECT_EQ(count("Command2"), 1);
    EXPECT_TRUE(h.runtime().ended());
    EXPECT_FALSE(h.press(first(), rt::Key::F3)) << "nothing is delivered after End";
    EXPECT_EQ(count("Go"), 0);
}
