#include "WindowsFixture.h"
#include "main_window/DealCaptions.h"

#include <string>

// Keys typed ahead: the display still has the main window focused when the
// next key comes, although the key before has shown another window, which the
// program has made active. The key belongs to that window.
class TypedAheadTest : public WindowsTest {
protected:
    void SetUp() override
    {
        WindowsTest::SetUp();
        start_as_man();
    }
    // Plays a deal to its end and closes its interpretation with Enter: the
    // main window is active again and offers the interpretation.
    void finish_a_deal()
    {
        h->press(main(), rt::Key::F3);
        for (int i = 0; i < 9; ++i) {
            h->click(main().Command1);
            h->advance(1000);
        }
        h->advance(5000);
        ASSERT_TRUE(active(h->form<ViewFRM>()));
        h->press(h->form<ViewFRM>(), rt::Key::Enter);
        ASSERT_TRUE(active(main()));
        ASSERT_EQ(main().Command1.caption(), deal_captions::interpret);
    }
    std::string places() { return h->form<ViewFRM>().Label1.caption(); }
};

TEST_F(TypedAheadTest, F3RightAfterF7GoesToTheInterpretationAndStartsNoDeal)
{
    finish_a_deal();
    std::string const meaning = main().Расклад(8).tool_tip_text();
    h->press(main(), rt::Key::F7);
    EXPECT_TRUE(h->press(main(), rt::Key::F3)) << "used up, though the interpretation has no use for it";

    EXPECT_TRUE(active(h->form<ViewFRM>()));
    EXPECT_EQ(main().Command1.caption(), deal_captions::interpret) << "no deal started";
    EXPECT_EQ(main().Расклад(8).tool_tip_text(), meaning);
    EXPECT_NE(places().find(meaning), std::string::npos) << "the interpretation reads the spread that lies";
}

TEST_F(TypedAheadTest, F3RightAfterAClickOnInterpretationStartsNoDeal)
{
    finish_a_deal();
    h->click(main().Command1);
    h->press(main(), rt::Key::F3);
    EXPECT_TRUE(active(h->form<ViewFRM>()));
    EXPECT_EQ(main().Command1.caption(), deal_captions::interpret);
}

TEST_F(TypedAheadTest, SpaceRightAfterF1DrawsNoCard)
{
    h->press(main(), rt::Key::F3);
    // As a desktop gives it to the only control that takes it: Space draws.
    h->runtime().dispatch([&] { main().Command1.set_focus(); });
    h->press(main(), rt::Key::F1);
    h->press(main(), rt::Key::Space);
    EXPECT_TRUE(active(h->form<HelpFRM>()));
    EXPECT_EQ(main().Command1.caption(), deal_captions::draw);
    EXPECT_FALSE(running(main().Timer3)) << "no card flies";
    h->advance(2000);
    EXPECT_EQ(main().Расклад(0).tool_tip_text(), "");
}

// The user (or the desktop) making the main window active again brings the
// keys back to it, and a key for the active window works as ever.
TEST_F(TypedAheadTest, TheKeysFollowTheWindowMadeActiveAgain)
{
    h->press(main(), rt::Key::F1);
    h->press(main(), rt::Key::F8);
    EXPECT_EQ(mdl().ScinIndex, 0) << "the help window has no use for F8";
    h->activate(main());
    h->press(main(), rt::Key::F8);
    EXPECT_EQ(mdl().ScinIndex, 1);
}
