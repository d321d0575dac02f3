#include "MainWindowFixture.h"

#include "windows/AboutFRM.h"
#include "windows/HelpFRM.h"
#include "windows/ViewFRM.h"

#include <set>
#include <tuple>

namespace {

std::string const caption_draw = "Тянуть\rкарту";
std::string const start_caption = "Начать\rсдачу";
std::string const caption_wait = "Подождите";
std::string const interpret = "Интерпре-\rтация";

}

TEST_F(MainWindowTest, StartingADealOffersTheFirstDraw)
{
    start();
    auto& w = main();
    h->press(w, rt::Key::F3);
    EXPECT_EQ(w.Command1.caption(), caption_draw);
    EXPECT_TRUE(w.Command1.enabled());
    EXPECT_EQ(w.Command1.picture(), w.Picture3(0).picture());
    EXPECT_EQ(w.Command1.down_picture(), w.Picture3(1).picture());
    EXPECT_FALSE(w.GetPush.enabled());
    EXPECT_TRUE(w.StopPush.enabled());
    EXPECT_FALSE(w.Inter.enabled());
    EXPECT_FALSE(fields().DealStopped);
    EXPECT_TRUE(running(w.Timer1));
    EXPECT_FALSE(running(w.Timer5));
    // F3 does nothing while a deal waits for a draw; neither does F7.
    EXPECT_FALSE(h->press(w, rt::Key::F3));
    EXPECT_FALSE(h->press(w, rt::Key::F7));
}

TEST_F(MainWindowTest, DrawKeepsTheButtonForASecondAndGivesItBack)
{
    start();
    auto& w = main();
    h->click(w.Command1); // "Начать сдачу" starts a deal too
    EXPECT_EQ(w.Command1.caption(), caption_draw);
    h->press(w, rt::Key::Space); // the button has the focus
    EXPECT_EQ(fields().DrawnCount, 1);
    EXPECT_EQ(w.Command1.caption(), caption_wait);
    EXPECT_FALSE(w.Command1.enabled());
    EXPECT_TRUE(running(w.Timer3));
    EXPECT_FALSE(running(w.Timer1));
    EXPECT_FALSE(h->press(w, rt::Key::F3)) << "no new deal while a card flies";

    h->advance(999);
    EXPECT_EQ(w.Command1.caption(), caption_wait) << "disabled for the whole second";
    EXPECT_TRUE(running(w.Timer1)) << "though the card was revealed long ago";
    h->advance(1);
    EXPECT_EQ(w.Command1.caption(), caption_draw);
    EXPECT_TRUE(w.Command1.enabled());
    EXPECT_FALSE(running(w.Timer5));
    EXPECT_EQ(w.Command1.picture(), w.Picture3(0).picture()) << "the icons stay for the whole deal";
    EXPECT_EQ(w.Command1.down_picture(), w.Picture3(1).picture());
}

TEST_F(MainWindowTest, NinthDrawStopsTheDealAndEndsReadyToInterpret)
{
    start();
    auto& w = main();
    h->press(w, rt::Key::F3);
    for (int i = 0; i < 8; ++i)
        draw_and_wait();
    EXPECT_EQ(h->beeps(), 0);
    h->press(w, rt::Key::Enter); // the ninth
    EXPECT_EQ(h->beeps(), 1) << "the beep comes with the click";
    EXPECT_FALSE(w.StopPush.enabled());
    EXPECT_TRUE(w.GetPush.enabled());
    EXPECT_TRUE(fields().DealStopped);
    EXPECT_EQ(fields().DrawnCount, 9);

    // The button never offers a tenth draw: it waits until the pile's half pass ends.
    int ticks = 0;
    while (running(w.Timer1) || running(w.Timer3)) {
        h->step();
        ASSERT_LT(++ticks, 100000);
        if (running(w.Timer1)) {
            ASSERT_NE(w.Command1.caption(), caption_draw);
        }
    }
    EXPECT_EQ(w.Command1.caption(), interpret);
    EXPECT_TRUE(w.Command1.enabled());
    EXPECT_EQ(w.Command1.picture(), w.Picture3(2).picture());
    EXPECT_EQ(w.Command1.down_picture(), w.Picture3(2).picture());
    EXPECT_TRUE(w.Inter.enabled());
    EXPECT_FALSE(running(w.Timer5));
    h->advance(3000);
    EXPECT_EQ(w.Command1.caption(), interpret) << "ReadyToInterpret lasts";

    // The interpretation window has opened by itself with the nine meanings.
    auto* view = h->runtime().loaded_form<ViewFRM>();
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->visible());
    EXPECT_EQ(h->runtime().active_form(), view);
    std::string expected;
    for (int p = 0; p <= 8; ++p) {
        EXPECT_NE(w.Расклад(p).tool_tip_text(), "") << p;
        expected += (p ? " > " : "") + w.Расклад(p).tool_tip_text();
    }
    EXPECT_EQ(view->Label1.caption(), expected + ".");
    h->activate(w);
    EXPECT_FALSE(view->visible()) << "a click on the table hides it";
    // The button shows the interpretation, never a new deal; F2 does nothing.
    h->click(w.Command1);
    EXPECT_TRUE(view->visible()) << "the button shows it again";
    EXPECT_EQ(w.Command1.caption(), interpret);
    h->activate(w);
    EXPECT_FALSE(h->press(w, rt::Key::F2));
    EXPECT_TRUE(h->press(w, rt::Key::F7));
    EXPECT_TRUE(view->visible());
    h->activate(w);
    // Only F3 starts the next deal.
    h->press(w, rt::Key::F3);
    EXPECT_EQ(w.Command1.caption(), caption_draw);
    EXPECT_EQ(w.Расклад(4).tool_tip_text(), "");
}

TEST_F(MainWindowTest, StopBeforeTheFirstDrawWaitsForTheHalfPass)
{
    start();
    auto& w = main();
    h->press(w, rt::Key::F3);
    tick(w.Timer1, 10);
    h->press(w, rt::Key::F2);
    EXPECT_EQ(h->beeps(), 1);
    EXPECT_EQ(w.Command1.caption(), caption_draw) << "until the next tick of the pile";
    EXPECT_TRUE(w.Command1.enabled());
    tick(w.Timer1);
    EXPECT_EQ(w.Command1.caption(), caption_wait);
    EXPECT_FALSE(w.Command1.enabled());
    EXPECT_FALSE(h->press(w, rt::Key::F2));

    while (running(w.Timer1))
        h->step();
    EXPECT_EQ(w.Command1.caption(), start_caption);
    EXPECT_TRUE(w.Command1.enabled());
    EXPECT_EQ(w.Command1.picture(), w.Picture3(3).picture());
    for (int i = 0; i <= 35; ++i)
        EXPECT_TRUE(w.Рубашка(i).visible());
    EXPECT_TRUE(w.ЛевыйЗабой.visible());
}

TEST_F(MainWindowTest, StopAfterSomeDrawsResetsAtOnce)
{
    start();
    auto& w = main();
    h->press(w, rt::Key::F3);
    draw_and_wait();
    draw_and_wait();
    h->click(w.Command1);
    tick(w.Timer3); // the third card is in flight
    h->press(w, rt::Key::F2);
    EXPECT_EQ(h->beeps(), 1);
    EXPECT_EQ(w.Command1.caption(), start_caption);
    EXPECT_TRUE(fields().DealStopped);
    EXPECT_EQ(fields().DrawnCount, 0);
    for (int p = 0; p <= 8; ++p)
        EXPECT_EQ(w.Расклад(p).tool_tip_text(), "");
    h->advance(2000);
    EXPECT_EQ(w.Command1.caption(), start_caption) << "the pending give-back does not come";
    // The next deal starts at place 0.
    h->press(w, rt::Key::F3);
    draw_and_wait();
    EXPECT_NE(w.Расклад(0).tool_tip_text(), "");
    EXPECT_EQ(w.Расклад(1).tool_tip_text(), "");
}

TEST_F(MainWindowTest, NewDealWhileTheNinthCardFliesClearsTheSpread)
{
    start();
    auto& w = main();
    h->press(w, rt::Key::F3);
    for (int i = 0; i < 8; ++i)
        draw_and_wait();
    h->click(w.Command1);
    EXPECT_TRUE(running(w.Timer3));
    h->press(w, rt::Key::F3);
    EXPECT_FALSE(running(w.Timer3));
    EXPECT_EQ(w.Command1.caption(), caption_draw);
    EXPECT_FALSE(fields().DealStopped);
    for (int p = 0; p <= 8; ++p)
        EXPECT_EQ(w.Расклад(p).tool_tip_text(), "");
    h->advance(5000);
    EXPECT_FALSE(w.Inter.enabled()) << "the old deal does not end in an interpretation";
    EXPECT_EQ(w.Command1.caption(), caption_draw);
}

TEST_F(MainWindowTest, DisabledButtonIgnoresEveryClick)
{
    start();
    auto& w = main();
    h->press(w, rt::Key::F3);
    h->click(w.Command1);
    h->click(w.Command1);
    h->press(w, rt::Key::Enter);
    h->press(w, rt::Key::Space);
    EXPECT_EQ(fields().DrawnCount, 1);
}

TEST_F(MainWindowTest, HelpAndAboutOpenAtAnyTimeWithoutTouchingTheDeal)
{
    start();
    auto& w = main();
    h->press(w, rt::Key::F3);
    h->click(w.Command1);
    h->press(w, rt::Key::F1);
    auto* help = h->runtime().loaded_form<HelpFRM>();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->visible());
    h->choose(w.About);
    EXPECT_EQ(h->runtime().loaded_form<HelpFRM>(), nullptr) << "the help window closes when the about box comes";
    auto* about = h->runtime().loaded_form<AboutFRM>();
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->visible());
    // The deal went on behind them: the card turned face up, the button came back.
    h->advance(1000);
    EXPECT_NE(w.Расклад(0).tool_tip_text(), "");
    EXPECT_EQ(w.Command1.caption(), caption_draw);
}

namespace {

enum class DealState { ReadyToStart, AwaitingDraw, CardInFlight, Stopped, ReadyToInterpret };

struct Shortcut {
    rt::Key key;
    // Whether its item is enabled in each state, in the order of DealState.
    bool enabled[5];
};

// The menu's keys and the states in which their items take them.
constexpr Shortcut shortcuts[] = {
    { rt::Key::F3, { true, false, false, true, true } },
    { rt::Key::F2, { false, true, true, false, false } },
    { rt::Key::F7, { false, false, false, false, true } },
    { rt::Key::F8, { true, true, true, true, true } },
    { rt::Key::F1, { true, true, true, true, true } },
};

}

// A shortcut key is the plain key: Shift, Control or Alt with it make another
// key, which no menu item has, in whatever state the deal is.
TEST_F(MainWindowTest, ShortcutKeysAreThePlainKeysInEveryDealState)
{
    auto reach = [&](DealState state) {
        h.reset();
        start();
        auto& w = main();
        if (state == DealState::ReadyToStart)
            return;
        h->press(w, rt::Key::F3);
        if (state == DealState::AwaitingDraw)
            return;
        if (state == DealState::Stopped) {
            h->press(w, rt::Key::F2);
            h->advance(10);
            return;
        }
        if (state == DealState::CardInFlight) {
            h->click(w.Command1);
            return;
        }
        for (int i = 0; i < 9; ++i)
            draw_and_wait();
        h->advance(10000);
        // The interpretation has opened over the window: the user comes back.
        h->activate(w);
    };
    // What a key could change: the deal, the back design, the windows shown.
    auto snapshot = [&] {
        auto& w = main();
        return std::tuple(w.Command1.caption(), w.Command1.enabled(), w.GetPush.enabled(), w.StopPush.enabled(),
            w.Inter.enabled(), fields().DrawnCount, mdl().ScinIndex, h->runtime().forms().size(), h->beeps());
    };
    rt::KeyStroke const modifiers[]
        = { { rt::Key::None, 0, true, false, false }, { rt::Key::None, 0, false, true, false },
              { rt::Key::None, 0, false, false, true }, { rt::Key::None, 0, true, true, true } };
    for (int s = 0; s <= static_cast<int>(DealState::ReadyToInterpret); ++s) {
        for (Shortcut const& shortcut : shortcuts) {
            reach(static_cast<DealState>(s));
            auto const before = snapshot();
            for (rt::KeyStroke stroke : modifiers) {
                stroke.key = shortcut.key;
                EXPECT_FALSE(h->press(main(), stroke)) << "state " << s << ", F" << static_cast<int>(shortcut.key);
            }
            EXPECT_EQ(snapshot(), before) << "state " << s << ", F" << static_cast<int>(shortcut.key);
            EXPECT_EQ(h->press(main(), shortcut.key), shortcut.enabled[s])
                << "state " << s << ", plain F" << static_cast<int>(shortcut.key);
        }
    }
}

TEST_F(MainWindowTest, AltF4ClosesTheWindowAsItsCloseBoxDoes)
{
    write_settings(std::string("\2\3", 2));
    start(1);
    h->press(main(), rt::Key::F8);
    EXPECT_FALSE(h->press(main(), rt::KeyStroke { rt::Key::F4, 0, true, false, false })) << "Shift+F4 is no key";
    EXPECT_FALSE(h->runtime().ended());
    EXPECT_TRUE(h->press(main(), rt::KeyStroke { rt::Key::F4, 0, false, false, true }));
    EXPECT_TRUE(h->runtime().ended());
    EXPECT_EQ(read_settings(), std::string("\2\4", 2)) << "the unload stored the woman's design";
}
