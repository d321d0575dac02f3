#include "MainWindowFixture.h"

#include <random>
#include <set>

namespace {

struct Point {
    float left, top;
    bool operator==(Point const&) const = default;
};

}

// A deal started with the back `back` as the one the pile moves, and the
// draw clicked before the pile has moved it.
class DealingTest : public MainWindowTest {
protected:
    void start_deal_with_back(int back, int place = 0)
    {
        start();
        h->press(main(), rt::Key::F3);
        run([&] {
            fields().PileIndex = static_cast<std::int16_t>(back);
            fields().DrawnCount = static_cast<std::uint8_t>(place);
        });
        h->click(main().Command1);
    }
    Point back_at(int back) { return { main().Рубашка(back).left(), main().Рубашка(back).top() }; }
};

TEST_F(DealingTest, BackFliesToPlaceZeroInSteps)
{
    start_deal_with_back(4);
    auto& w = main();
    tick(w.Timer3);
    EXPECT_EQ(back_at(4), (Point { 2975, 1440 }));
    tick(w.Timer3);
    EXPECT_EQ(back_at(4), (Point { 1775, 1440 }));
    tick(w.Timer3);
    EXPECT_EQ(back_at(4), (Point { 575, 1440 }));
    EXPECT_TRUE(w.Рубашка(4).visible());
    tick(w.Timer3); // lands where it stands
    EXPECT_TRUE(fields().CardLanded);
    EXPECT_FALSE(w.Рубашка(4).visible());
    EXPECT_EQ(w.Расклад(0).picture(), w.Рубашка(4).picture()) << "the place shows the back";
    EXPECT_EQ(w.Расклад(0).tool_tip_text(), "");
    EXPECT_EQ(back_at(4), (Point { 575, 1440 }));
    tick(w.Timer3); // turns face up
    EXPECT_FALSE(running(w.Timer3));
    EXPECT_TRUE(running(w.Timer1));
    EXPECT_NE(w.Расклад(0).tool_tip_text(), "");
}

TEST_F(DealingTest, BackFliesStraightDownToTheNinthPlace)
{
    start_deal_with_back(0, 8);
    auto& w = main();
    tick(w.Timer3);
    EXPECT_EQ(back_at(0), (Point { 4175, 1440 }));
    tick(w.Timer3);
    EXPECT_EQ(back_at(0), (Point { 4175, 2640 }));
    tick(w.Timer3);
    EXPECT_TRUE(fields().CardLanded);
    EXPECT_FALSE(w.Рубашка(0).visible());
    tick(w.Timer3);
    EXPECT_FALSE(running(w.Timer3));
    EXPECT_EQ(back_at(0), (Point { 4175, 2640 }));
}

TEST_F(DealingTest, BackAlreadyNearItsPlaceLandsOnTheFirstTick)
{
    start();
    h->press(main(), rt::Key::F3);
    run([&] {
        fields().PileIndex = 7;
        main().Рубашка(7).move(1500, 1200, 1065, 1440); // within 1000 of place 0 on both axes
    });
    h->click(main().Command1);
    tick(main().Timer3);
    EXPECT_TRUE(fields().CardLanded);
    EXPECT_EQ(back_at(7), (Point { 1500, 1200 }));
    tick(main().Timer3);
    EXPECT_NE(main().Расклад(0).tool_tip_text(), "");
}

TEST_F(DealingTest, RevealTakesTheCardThePickCounterStandsOn)
{
    start_deal_with_back(4);
    auto& w = main();
    tick(w.Timer3, 4);
    ASSERT_TRUE(fields().CardLanded);
    run([&] { fields().PickIndex = 10; });
    tick(w.Timer3);
    EXPECT_EQ(w.Расклад(0).picture(), w.Карта(10).picture());
    EXPECT_EQ(w.Расклад(0).tool_tip_text(), "Обман в надежде");
    for (int i = 0; i <= 34; ++i)
        EXPECT_EQ(fields().Deck[static_cast<std::size_t>(i)], i < 10 ? i : i + 1) << i;
    EXPECT_EQ(fields().Deck[35], 35) << "position 35 is left behind the pack";
    // The place now lies in front of its marker.
    EXPECT_GT(stack_rank(w.Расклад(0)), stack_rank(w.Shape1(0)));
}

TEST_F(DealingTest, LastPositionIsDealtWithoutShifting)
{
    start_deal_with_back(4);
    auto& w = main();
    tick(w.Timer3, 4);
    run([&] { fields().PickIndex = 35; });
    tick(w.Timer3);
    EXPECT_EQ(w.Расклад(0).tool_tip_text(), "Любовное письмо");
    for (int i = 0; i <= 34; ++i)
        EXPECT_EQ(fields().Deck[static_cast<std::size_t>(i)], i);
}

TEST_F(DealingTest, PickCounterRunsOverTheCardsLeftInThePack)
{
    start();
    auto& w = main();
    std::set<int> seen;
    for (int i = 0; i < 72; ++i) {
        tick(w.Timer2);
        seen.insert(fields().PickIndex);
    }
    EXPECT_EQ(seen.size(), 36u);
    EXPECT_EQ(*seen.rbegin(), 35);

    // During a flight the card in the air still counts.
    h->press(w, rt::Key::F3);
    run([&] { fields().PickIndex = 35; });
    h->click(w.Command1);
    tick(w.Timer2);
    EXPECT_EQ(fields().PickIndex, 0) << "bound 35 with the first card in flight";
    // After nine cards the bound is 26.
    h->advance(1000);
    for (int i = 1; i < 9; ++i)
        draw_and_wait();
    h->advance(5000);
    int highest = 0;
    for (int i = 0; i < 60; ++i) {
        tick(w.Timer2);
        highest = std::max<int>(highest, fields().PickIndex);
    }
    EXPECT_EQ(highest, 26);
}

TEST_F(DealingTest, CardsNeverRepeatWithinADealAndAnyCardCanCome)
{
    start();
    auto& w = main();
    std::mt19937 random(7);
    std::set<std::string> first_cards;
    for (int deal = 0; deal < 60; ++deal) {
        // Back from the interpretation of the deal before.
        h->activate(w);
        h->press(w, rt::Key::F3);
        std::set<rt::PictureRef> faces;
        auto const cards = w.Карта.elements();
        for (int draw = 0; draw < 9; ++draw) {
            h->advance(std::uniform_int_distribution<int>(0, 700)(random));
            h->click(w.Command1);
            h->advance(1000);
        }
        h->advance(5000);
        ASSERT_EQ(w.Command1.caption(), "Интерпре-\rтация");
        for (int p = 0; p <= 8; ++p) {
            faces.insert(w.Расклад(p).picture());
            // The tool tip is the meaning of the face on the place.
            auto const face = std::find_if(
                cards.begin(), cards.end(), [&](rt::Control* c) { return c->picture() == w.Расклад(p).picture(); });
            ASSERT_NE(face, cards.end());
            EXPECT_EQ(w.Расклад(p).tool_tip_text(), CardMeaning(static_cast<CardIndex>((*face)->index())));
        }
        EXPECT_EQ(faces.size(), 9u) << "deal " << deal;
        first_cards.insert(w.Расклад(0).tool_tip_text());
    }
    EXPECT_GT(first_cards.size(), 15u) << "the first place sees many different cards";
}

TEST_F(DealingTest, NewDealKeepsThePickCounter)
{
    start();
    auto& w = main();
    h->press(w, rt::Key::F3);
    draw_and_wait();
    h->press(w, rt::Key::F2);
    run([&] { fields().PickIndex = 20; });
    h->press(w, rt::Key::F3);
    EXPECT_EQ(fields().PickIndex, 20);
}
