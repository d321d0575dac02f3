#include "MainWindowFixture.h"

#include <algorithm>

namespace {

std::string const caption_start = "Начать\rсдачу";

}

TEST_F(MainWindowTest, AfterLoadingTheTableIsReadyToStart)
{
    start();
    auto& w = main();
    EXPECT_TRUE(w.visible());
    EXPECT_EQ(h->runtime().active_form(), &w);

    // Every back and the resting top card show the design in use.
    auto const& design = w.Picture4(mdl().ScinIndex).picture();
    ASSERT_TRUE(design);
    for (int i = 0; i <= 35; ++i)
        EXPECT_EQ(w.Рубашка(i).picture(), design) << i;
    EXPECT_EQ(w.Image3.picture(), design);

    // The deal button offers a new deal; the design caption is never seen.
    EXPECT_EQ(w.Command1.caption(), caption_start);
    EXPECT_TRUE(w.Command1.enabled());
    EXPECT_EQ(w.Command1.picture(), w.Picture3(3).picture());
    EXPECT_EQ(w.Command1.down_picture(), w.Picture3(3).picture());
    EXPECT_EQ(w.Command1.picture()->resource, ":/main_window/heart.ico");

    EXPECT_TRUE(w.ЛевыйЗабой.visible());
    EXPECT_FLOAT_EQ(w.ЛевыйЗабой.left(), 4175);
    EXPECT_FLOAT_EQ(w.ЛевыйЗабой.top(), 240);
    EXPECT_EQ(w.Label1.picture(), w.Image2.picture());

    EXPECT_EQ(fields().PileIndex, 35);
    EXPECT_FALSE(fields().PileReturning);
    EXPECT_EQ(fields().DrawnCount, 0);
    EXPECT_EQ(fields().PickIndex, 0);
    EXPECT_FALSE(fields().CardLanded);
    EXPECT_FALSE(fields().DealStopped);
    EXPECT_EQ(fields().BannerStart, 0);
    EXPECT_FALSE(fields().BannerRight);
    EXPECT_FALSE(fields().BannerDown);
    for (int i = 0; i <= 35; ++i)
        EXPECT_EQ(fields().Deck[static_cast<std::size_t>(i)], i);

    auto const& timers = h->runtime().timers();
    EXPECT_FALSE(timers.armed(w.Timer1));
    EXPECT_TRUE(timers.armed(w.Timer2));
    EXPECT_FALSE(timers.armed(w.Timer3));
    EXPECT_TRUE(timers.armed(w.Timer4));
    EXPECT_FALSE(timers.armed(w.Timer5));
    EXPECT_TRUE(w.GetPush.enabled());
    EXPECT_FALSE(w.StopPush.enabled());
    EXPECT_FALSE(w.Inter.enabled());
}

TEST_F(MainWindowTest, WindowSitsAtTheTopLeftWithItsClientArea)
{
    start();
    auto& w = main();
    EXPECT_FLOAT_EQ(w.self().left(), 0);
    EXPECT_FLOAT_EQ(w.self().top(), 0);
    EXPECT_FLOAT_EQ(w.self().width(), 9600);
    EXPECT_FLOAT_EQ(w.self().height(), 6720);
    EXPECT_FLOAT_EQ(w.client_width(), 9510);
    EXPECT_FLOAT_EQ(w.client_height(), 6060);
    EXPECT_EQ(w.self().caption(), "Зеливорната");
    EXPECT_FALSE(w.self().properties().max_button);
}

TEST_F(MainWindowTest, FirstMenuIsCaptionedForTheUserAtEveryActivation)
{
    start(1);
    EXPECT_EQ(main().Mnu.caption(), "&Гадалка");
    run([&] { main().Mnu.set_caption("&Меню"); });
    h->activate(main()); // already the active window: nothing happens
    EXPECT_EQ(main().Mnu.caption(), "&Меню");

    start(0);
    EXPECT_EQ(main().Mnu.caption(), "&Гадатель");
}

TEST_F(MainWindowTest, DisabledCommandsIgnoreTheirKeysRightAfterLoading)
{
    start();
    EXPECT_FALSE(h->press(main(), rt::Key::F2));
    EXPECT_FALSE(h->press(main(), rt::Key::F7));
    EXPECT_TRUE(h->press(main(), rt::Key::F3));
    EXPECT_TRUE(h->press(main(), rt::Key::F1));
    h->activate(main()); // back from the help window
    EXPECT_TRUE(h->press(main(), rt::Key::F8));
    EXPECT_EQ(mdl().ScinIndex, 1) << "F8 works at once";
}

TEST_F(MainWindowTest, DealButtonIsTheOnlyControlThatTakesTheFocus)
{
    start();
    auto order = main().tab_order();
    ASSERT_EQ(order.size(), 1u);
    EXPECT_EQ(order[0], &main().Command1);
}

TEST_F(MainWindowTest, StackingPutsMarkersBeforePlacesAndBacksBeforeBoth)
{
    start();
    auto& w = main();
    for (int p = 0; p <= 8; ++p) {
        int const marker = MirvaneFRMDefinition::places[p].marker;
        EXPECT_GT(stack_rank(w.Shape1(marker)), stack_rank(w.Расклад(p))) << "the marker of place " << p << " shows";
        for (int i = 0; i <= 35; ++i)
            EXPECT_GT(stack_rank(w.Рубашка(i)), stack_rank(w.Расклад(p)));
    }
    for (int i = 0; i < 35; ++i)
        EXPECT_GT(stack_rank(w.Рубашка(i)), stack_rank(w.Рубашка(i + 1))) << "a lower-numbered back lies in front";
    EXPECT_GT(stack_rank(w.Command1), stack_rank(w.Рубашка(0))) << "windowed controls lie above graphical ones";
}

TEST_F(MainWindowTest, MarkersSitInsideTheirPlaces)
{
    start();
    auto& w = main();
    for (int p = 0; p <= 8; ++p) {
        auto const& marker = w.Shape1(MirvaneFRMDefinition::places[p].marker);
        EXPECT_FLOAT_EQ(marker.left(), w.Расклад(p).left() + 165);
        EXPECT_FLOAT_EQ(marker.top(), w.Расклад(p).top() + 180);
    }
    EXPECT_FLOAT_EQ(w.Расклад(8).left(), 7800);
    EXPECT_FLOAT_EQ(w.Расклад(8).top(), 2880);
    EXPECT_FLOAT_EQ(w.Shape1(2).left(), 765);
    EXPECT_FLOAT_EQ(w.Shape1(2).top(), 3900);
}

TEST_F(MainWindowTest, FaceFollowsTheCardNumber)
{
    start();
    auto& w = main();
    EXPECT_EQ(w.Карта(4).picture()->resource, ":/main_window/face_04.jpg"); // seven of diamonds
    EXPECT_EQ(w.Карта(22).picture()->resource, ":/main_window/face_22.jpg"); // jack of clubs
    EXPECT_EQ(w.Карта(33).picture()->resource, ":/main_window/face_33.jpg"); // ace of spades
    EXPECT_FALSE(w.Image1.picture()) << "the empty picture that clears the places";
}
