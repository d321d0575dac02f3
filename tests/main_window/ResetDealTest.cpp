#include "MainWindowFixture.h"

#include "main_window/PileLayout.h"

TEST_F(MainWindowTest, PileIsAStairOfFiveGroups)
{
    start();
    auto& w = main();
    struct Group {
        int first, last;
        float left, top;
    };
    Group const groups[] = { { 0, 8, 4175, 240 }, { 9, 15, 4145, 270 }, { 16, 22, 4115, 300 }, { 23, 29, 4085, 330 },
        { 30, 35, 4055, 360 } };
    for (auto const& g : groups) {
        for (int i = g.first; i <= g.last; ++i) {
            EXPECT_FLOAT_EQ(w.Рубашка(i).left(), g.left) << i;
            EXPECT_FLOAT_EQ(w.Рубашка(i).top(), g.top) << i;
            EXPECT_TRUE(w.Рубашка(i).visible());
        }
    }
}

TEST_F(MainWindowTest, ResetInTheMiddleOfAFlightRestoresTheTable)
{
    start();
    auto& w = main();
    run([&] {
        // A deal under way: two cards on their places, a third in flight with
        // its back hidden halfway, a back out on the right, every timer running.
        w.Расклад(0).set_picture(w.Карта(10).picture());
        w.Расклад(0).set_tool_tip_text(CardMeaning(10));
        w.Расклад(0).z_order(0);
        w.Расклад(1).set_picture(w.Карта(35).picture());
        w.Расклад(1).set_tool_tip_text(CardMeaning(35));
        w.Рубашка(20).set_visible(false);
        w.Рубашка(20).move(1775, 1440, 1065, 1440);
        w.Рубашка(3).set_left(6275);
        w.ЛевыйЗабой.set_visible(false);
        fields().Deck[0] = 11;
        fields().DrawnCount = 3;
        w.Inter.set_enabled(true);
        w.Timer1.set_enabled(true);
        w.Timer3.set_enabled(true);
        w.Timer5.set_enabled(true);
        w.Command1.set_caption("Подождите");
        w.Command1.set_enabled(false);
        w.ResetDeal();
    });
    auto const& timers = h->runtime().timers();
    EXPECT_FALSE(timers.armed(w.Timer1));
    EXPECT_FALSE(timers.armed(w.Timer3));
    EXPECT_FALSE(timers.armed(w.Timer5)) << "the button is not given back a second later";
    EXPECT_TRUE(timers.armed(w.Timer2));
    EXPECT_TRUE(timers.armed(w.Timer4));
    EXPECT_EQ(fields().DrawnCount, 0);
    EXPECT_FALSE(w.Inter.enabled());
    EXPECT_TRUE(w.ЛевыйЗабой.visible());
    for (int i = 0; i <= 35; ++i) {
        EXPECT_EQ(fields().Deck[static_cast<std::size_t>(i)], i);
        EXPECT_TRUE(w.Рубашка(i).visible()) << i;
        EXPECT_FLOAT_EQ(w.Рубашка(i).left(), pile_layout::position_of(i).left) << i;
        EXPECT_FLOAT_EQ(w.Рубашка(i).top(), pile_layout::position_of(i).top) << i;
    }
    for (int p = 0; p <= 8; ++p) {
        EXPECT_FALSE(w.Расклад(p).picture()) << p;
        EXPECT_EQ(w.Расклад(p).tool_tip_text(), "") << p;
        EXPECT_GT(stack_rank(w.Shape1(MirvaneFRMDefinition::places[p].marker)), stack_rank(w.Расклад(p)))
            << "every emptied place shows its marker again";
    }
    EXPECT_EQ(w.Command1.caption(), "Начать\rсдачу");
    EXPECT_TRUE(w.Command1.enabled());

    // Time passes: nothing gives the button back or moves the pile.
    h->advance(2000);
    EXPECT_EQ(w.Command1.caption(), "Начать\rсдачу");
    EXPECT_FLOAT_EQ(w.Рубашка(3).left(), 4175);
}

TEST_F(MainWindowTest, ResetLeavesTheRestAlone)
{
    start(1);
    auto& w = main();
    run([&] {
        fields().PileIndex = 12;
        fields().PileReturning = true;
        fields().PickIndex = 17;
        fields().CardLanded = true;
        fields().DealStopped = true;
        fields().BannerStart = 4321;
        fields().BannerRight = true;
        fields().BannerDown = true;
        w.GetPush.set_enabled(false);
        w.StopPush.set_enabled(true);
        w.Label1.set_picture(w.Message2(1).picture());
        w.Label1.move(500, 5300, 7020, 450);
    });
    auto const design = w.Рубашка(0).picture();
    auto const image3 = w.Image3.picture();
    auto const menu = w.Mnu.caption();
    run([&] { w.ResetDeal(); });
    EXPECT_EQ(fields().PileIndex, 12);
    EXPECT_TRUE(fields().PileReturning);
    EXPECT_EQ(fields().PickIndex, 17);
    EXPECT_TRUE(fields().CardLanded);
    EXPECT_TRUE(fields().DealStopped);
    EXPECT_EQ(fields().BannerStart, 4321);
    EXPECT_TRUE(fields().BannerRight);
    EXPECT_TRUE(fields().BannerDown);
    EXPECT_FALSE(w.GetPush.enabled());
    EXPECT_TRUE(w.StopPush.enabled());
    EXPECT_EQ(w.Label1.picture(), w.Message2(1).picture());
    EXPECT_FLOAT_EQ(w.Label1.left(), 500);
    EXPECT_EQ(w.Mnu.caption(), menu);
    EXPECT_EQ(w.Image3.picture(), image3);
    for (int i = 0; i <= 35; ++i)
        EXPECT_EQ(w.Рубашка(i).picture(), design);
    EXPECT_FLOAT_EQ(w.self().height(), 6720);
    EXPECT_EQ(read_settings(), std::string("\0\1", 2)) << "the settings file is not written";
}

TEST_F(MainWindowTest, ResetRedrawsThePileBackByBack)
{
    start();
    int const before = h->refreshes();
    run([&] { main().ResetDeal(); });
    EXPECT_EQ(h->refreshes() - before, 36);
}
