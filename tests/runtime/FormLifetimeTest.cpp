#include "TestForms.h"

#include <gtest/gtest.h>

using namespace test_forms;

namespace {

std::vector<std::string> const& journal(rt::Headless& h) { return EventJournal::of(h.runtime()).events; }
long count(rt::Headless& h, std::string const& event) { return EventJournal::of(h.runtime()).count(event); }

}

TEST(FormLifetime, ReadingAnotherWindowLoadsItInsideTheStatement)
{
    rt::Headless h;
    h.start<FirstForm>();
    std::vector<std::string> const expected { "FirstForm.Load", "StoreForm.Load", "FirstForm.Load.end",
        "FirstForm.Activate" };
    EXPECT_EQ(journal(h), expected);
    auto& first = h.form<FirstForm>();
    auto& store = h.form<StoreForm>();
    EXPECT_TRUE(first.visible());
    EXPECT_FALSE(store.visible()) << "a window loaded by reference stays hidden";
    // The assignment shares the picture object.
    EXPECT_EQ(first.Image1.picture(), store.Image1.picture());
    EXPECT_EQ(first.Image1.picture()->resource, ":/store/texture.jpg");
}

TEST(FormLifetime, UnloadedWindowComesBackFromItsDefinition)
{
    rt::Headless h;
    h.start<FirstForm>();
    auto& rt = h.runtime();
    rt.dispatch([&] {
        auto& store = rt.form<StoreForm>();
        store.Label1.set_caption("changed");
        store.Command1.set_visible(false);
        store.unload();
    });
    EXPECT_EQ(rt.loaded_form<StoreForm>(), nullptr);
    rt.dispatch([&] {
        auto& again = rt.form<StoreForm>();
        EXPECT_EQ(again.Label1.caption(), "loaded") << "Form_Load ran again";
        EXPECT_TRUE(again.Command1.visible()) << "properties come from the definition";
    });
    EXPECT_EQ(count(h, "StoreForm.Load"), 2);
    EXPECT_EQ(count(h, "StoreForm.Unload"), 1);
}

TEST(FormLifetime, HideKeepsStateAndCancelledUnloadKeepsWindow)
{
    rt::Headless h;
    h.start<FirstForm>();
    auto& first = h.form<FirstForm>();
    h.runtime().dispatch([&] {
        first.Command1.set_caption("kept");
        first.hide();
    });
    EXPECT_FALSE(first.visible());
    EXPECT_EQ(&h.form<FirstForm>(), &first);
    EXPECT_EQ(first.Command1.caption(), "kept");

    h.runtime().dispatch([&] { first.show(); });
    first.refuse_unload = true;
    h.close(first);
    EXPECT_TRUE(first.loaded());
    first.refuse_unload = false;
    h.close(first);
    EXPECT_EQ(h.runtime().loaded_form<FirstForm>(), nullptr);
}

TEST(FormLifetime, EndStopsEverythingAtOnce)
{
    rt::Headless h;
    h.start<FirstForm>();
    auto& first = h.form<FirstForm>();
    h.runtime().dispatch([&] {
        first.Timer1.set_enabled(true);
        first.Timer2.set_enabled(true);
    });
    h.advance(10);
    h.click(first.Command2); // End, at 10 ms: Timer1 and Timer2 are both due at 20 ms
    EXPECT_TRUE(h.runtime().ended());
    EXPECT_TRUE(h.quit_requested());
    auto const before = journal(h).size();
    h.advance(1000);
    h.click(first.Command1);
    h.close(first);
    EXPECT_EQ(journal(h).size(), before) << "no procedure runs after End, not even Form_Unload";
    EXPECT_EQ(journal(h).back(), "Command2");
}

TEST(FormLifetime, DeactivateOnlyBetweenTheProgramsWindows)
{
    rt::Headless h;
    h.start<FirstForm>();
    auto& rt = h.runtime();
    rt.dispatch([&] { rt.form<StoreForm>().show(); });
    auto& store = h.form<StoreForm>();
    auto& first = h.form<FirstForm>();
    EXPECT_EQ(rt.active_form(), &store);
    auto tail = [&](std::size_t n) {
        return std::vector<std::string>(journal(h).end() - static_cast<long>(n), journal(h).end());
    };
    EXPECT_EQ(tail(2), (std::vector<std::string> { "FirstForm.Deactivate", "StoreForm.Activate" }));

    h.activate(first);
    EXPECT_EQ(tail(2), (std::vector<std::string> { "StoreForm.Deactivate", "FirstForm.Activate" }));
    auto const events_before = journal(h).size();
    h.activate(first); // coming back from another application: no event
    EXPECT_EQ(journal(h).size(), events_before);

    // Hiding the active window hands activation to the one before it.
    h.activate(store);
    rt.dispatch([&] { store.hide(); });
    EXPECT_EQ(rt.active_form(), &first);
    EXPECT_EQ(journal(h).back(), "FirstForm.Activate");
}

TEST(FormLifetime, WindowWithoutControlsLosesFocusWhenAnotherActivates)
{
    rt::Headless h;
    h.start<FirstForm>();
    auto& rt = h.runtime();
    rt.dispatch([&] { rt.form<BareForm>().show(); });
    h.click_form(h.form<BareForm>());
    EXPECT_EQ(journal(h).back(), "BareForm.Click");
    h.activate(h.form<FirstForm>());
    EXPECT_EQ(rt.loaded_form<BareForm>(), nullptr) << "LostFocus unloaded it";
    EXPECT_EQ(count(h, "BareForm.Deactivate"), 0) << "an unloaded window gets no further events";
}

TEST(FormLifetime, FormGeometryFollowsFrame)
{
    rt::Headless h;
    h.start<FirstForm>();
    auto& first = h.form<FirstForm>();
    EXPECT_FLOAT_EQ(first.client_width(), 3000);
    EXPECT_FLOAT_EQ(first.client_height(), 2000);
    EXPECT_FLOAT_EQ(first.self().width(), 3090);
    EXPECT_FLOAT_EQ(first.self().height(), 2660) << "borders, caption bar and menu bar take 660 twips";

    // The desktop's real frame: the defined client area holds until the
    // program sets the outer height; from then on the outer height holds.
    h.runtime().frame_measured(first, 420);
    EXPECT_FLOAT_EQ(first.client_height(), 2000);
    EXPECT_FLOAT_EQ(first.self().height(), 2420);
    h.runtime().dispatch([&] { first.self().set_height(3000); });
    EXPECT_FLOAT_EQ(first.client_height(), 2580);
    h.runtime().frame_measured(first, 600);
    EXPECT_FLOAT_EQ(first.self().height(), 3000);
    EXPECT_FLOAT_EQ(first.client_height(), 2400);
    EXPECT_FLOAT_EQ(first.client_width(), 3000) << "the width keeps its definition";
}

TEST(FormLifetime, UntrappedErrorIsReportedAndEndsTheProgram)
{
    rt::Headless h;
    h.start<FirstForm>();
    auto& first = h.form<FirstForm>();
    first.Command1.on_click = [&] { first.Places(7).set_visible(true); };
    h.click(first.Command1);
    EXPECT_TRUE(h.runtime().ended());
    ASSERT_EQ(h.message_boxes().size(), 1u);
    EXPECT_NE(h.message_boxes()[0].text.find("340"), std::string::npos);
}
