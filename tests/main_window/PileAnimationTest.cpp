#include "MainWindowFixture.h"

// Noon: the banner sequence's seconds stay within one day.
class PileTest : public MainWindowTest {
protected:
    void start_deal(int user_sex = 0)
    {
        start(user_sex);
        h->press(main(), rt::Key::F3);
    }
    // Ticks of the pile until the half pass in progress ends; a pile that never
    // turns shows as far more ticks than a half pass takes.
    int finish_half_pass()
    {
        bool const returning = fields().PileReturning;
        int ticks = 0;
        while (fields().PileReturning == returning && ticks < 1000) {
            tick(main().Timer1);
            ++ticks;
        }
        return ticks;
    }
};

TEST_F(PileTest, BacksLeaveThePileOneAfterAnotherFromTheBottom)
{
    start_deal();
    auto& w = main();
    tick(w.Timer1);
    EXPECT_FLOAT_EQ(w.Рубашка(35).left(), 4755);
    EXPECT_FLOAT_EQ(w.Рубашка(35).top(), 360) << "the pile only moves sideways";
    tick(w.Timer1, 2);
    EXPECT_FLOAT_EQ(w.Рубашка(35).left(), 6155);
    tick(w.Timer1); // found arrived: hands over
    EXPECT_EQ(fields().PileIndex, 34);
    EXPECT_FLOAT_EQ(w.Рубашка(34).left(), 4055);
    tick(w.Timer1);
    EXPECT_FLOAT_EQ(w.Рубашка(34).left(), 4755);

    // The resting top card disappears when back 1 has arrived on the right.
    while (fields().PileIndex > 0) {
        EXPECT_TRUE(w.ЛевыйЗабой.visible());
        tick(w.Timer1);
    }
    EXPECT_FALSE(w.ЛевыйЗабой.visible());
    EXPECT_FLOAT_EQ(w.Рубашка(0).left(), 4175) << "back 0 is the last to leave";
    EXPECT_FLOAT_EQ(w.Рубашка(1).left(), 6275);
}

TEST_F(PileTest, HalfPassTakes144TicksAndTheBacksComeBackInOrder)
{
    start_deal();
    auto& w = main();
    EXPECT_EQ(finish_half_pass(), 144);
    EXPECT_TRUE(fields().PileReturning);
    EXPECT_EQ(fields().PileIndex, 0);
    EXPECT_FLOAT_EQ(w.Рубашка(0).left(), 6275) << "the tick that ends it does not move back 0 yet";
    tick(w.Timer1);
    EXPECT_FLOAT_EQ(w.Рубашка(0).left(), 5575);
    EXPECT_FALSE(w.ЛевыйЗабой.visible());
    tick(w.Timer1, 2);
    EXPECT_FLOAT_EQ(w.Рубашка(0).left(), 4175);
    tick(w.Timer1);
    EXPECT_TRUE(w.ЛевыйЗабой.visible());
    EXPECT_EQ(fields().PileIndex, 1);
    finish_half_pass();
    for (int i = 0; i <= 35; ++i)
        EXPECT_FLOAT_EQ(w.Рубашка(i).left(), i <= 8 ? 4175 : i <= 15 ? 4145 : i <= 22 ? 4115 : i <= 29 ? 4085 : 4055);
    EXPECT_FALSE(fields().PileReturning);
    EXPECT_EQ(fields().PileIndex, 35);
}

TEST_F(PileTest, StopOnTheWayBackEndsWhenTheLastBackIsHome)
{
    start_deal();
    auto& w = main();
    finish_half_pass();
    tick(w.Timer1, 50);
    h->press(w, rt::Key::F2);
    tick(w.Timer1);
    EXPECT_EQ(w.Command1.caption(), "Подождите");
    EXPECT_EQ(finish_half_pass(), 144 - 51) << "the stop waits for the half pass back";
    EXPECT_FALSE(running(w.Timer1));
    EXPECT_EQ(fields().PileIndex, 35);
    EXPECT_TRUE(w.ЛевыйЗабой.visible());
    EXPECT_EQ(w.Command1.caption(), "Начать\rсдачу");
    EXPECT_TRUE(w.Command1.enabled());
    EXPECT_EQ(w.Label1.picture(), w.Image2.picture());
    // The pile stays at rest.
    h->advance(1000);
    EXPECT_FLOAT_EQ(w.Рубашка(35).left(), 4055);
}

TEST_F(PileTest, StartAfterADealThatEndedOnTheRightFindsEveryBackHome)
{
    start_deal();
    auto& w = main();
    finish_half_pass();
    h->press(w, rt::Key::F2);
    h->press(w, rt::Key::F3);
    // Every back is restacked, so the half pass back ends without movement.
    EXPECT_EQ(finish_half_pass(), 36);
    tick(w.Timer1);
    EXPECT_FLOAT_EQ(w.Рубашка(35).left(), 4755);
}

TEST_F(PileTest, DealtBackIsCarriedOnUnseen)
{
    start_deal();
    auto& w = main();
    run([&] { fields().PileIndex = 4; });
    h->click(w.Command1);
    tick(w.Timer3, 5);
    EXPECT_FLOAT_EQ(w.Рубашка(4).left(), 575);
    EXPECT_FALSE(w.Рубашка(4).visible());
    // Going right, from where it landed: eight moves to the right end point.
    tick(w.Timer1, 8);
    EXPECT_FLOAT_EQ(w.Рубашка(4).left(), 6175);
    EXPECT_EQ(fields().PileIndex, 4);
    tick(w.Timer1);
    EXPECT_EQ(fields().PileIndex, 3);
    EXPECT_FALSE(w.Рубашка(4).visible());
}

TEST_F(PileTest, BannerSequenceCallsTheUserAtFixedSeconds)
{
    for (int sex : { 0, 1 }) {
        start(sex);
        auto& w = main();
        h->set_time_of_day(1000.5);
        h->press(w, rt::Key::F3);
        auto shown_at = [&](double seconds) {
            h->advance(static_cast<std::int64_t>((1000.5 + seconds) * 1000)
                - static_cast<std::int64_t>(h->runtime().timer() * 1000));
            return w.Label1.picture();
        };
        EXPECT_EQ(shown_at(2.4), w.Image2.picture());
        tick(w.Timer1);
        EXPECT_EQ(fields().BannerStart, 1000);
        EXPECT_EQ(shown_at(2.6), w.Message1(sex).picture()) << "from second 1003";
        EXPECT_EQ(shown_at(14.4), w.Message1(sex).picture());
        EXPECT_EQ(shown_at(14.6), w.Message2(sex).picture());
        EXPECT_EQ(shown_at(26.6), w.Message3(sex).picture());
        EXPECT_EQ(shown_at(42.6), w.Image2.picture());
        EXPECT_EQ(shown_at(70), w.Image2.picture()) << "the default banner then stays";
    }
}

TEST_F(PileTest, DrawRestartsTheBannerCountAtTheReveal)
{
    start_deal();
    auto& w = main();
    h->set_time_of_day(2000.0);
    run([&] { fields().BannerStart = 0; });
    h->advance(20500);
    EXPECT_EQ(w.Label1.picture(), w.Message2(0).picture());
    h->click(w.Command1);
    EXPECT_EQ(w.Label1.picture(), w.Image2.picture()) << "a draw puts the default banner up at once";
    EXPECT_EQ(fields().BannerStart, 0);
    h->advance(1000);
    EXPECT_EQ(fields().BannerStart, 2020) << "the count started anew at the reveal";
    h->advance(7000); // second 2028: past the old count's third call at 2027
    EXPECT_EQ(w.Label1.picture(), w.Message1(0).picture()) << "the new count's first call, since 2023";
}

TEST_F(PileTest, StoppedDealKeepsTheDefaultBanner)
{
    start_deal();
    auto& w = main();
    h->advance(4000);
    ASSERT_EQ(w.Label1.picture(), w.Message1(0).picture());
    h->press(w, rt::Key::F2);
    EXPECT_EQ(w.Label1.picture(), w.Image2.picture());
    h->advance(20000);
    EXPECT_EQ(w.Label1.picture(), w.Image2.picture());
}

TEST_F(PileTest, SequenceStartedJustBeforeMidnightShowsNothingPastIt)
{
    start(0);
    auto& w = main();
    h->set_time_of_day(86390.2);
    h->press(w, rt::Key::F3);
    h->advance(4000);
    EXPECT_EQ(w.Label1.picture(), w.Message1(0).picture());
    h->advance(20000); // 86390 + 15 lies past midnight: never matches
    EXPECT_EQ(w.Label1.picture(), w.Message1(0).picture());
}
