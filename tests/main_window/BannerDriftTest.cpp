#include "MainWindowFixture.h"

TEST_F(MainWindowTest, StripDriftsOnASlantWithItsSmileys)
{
    start();
    auto& w = main();
    EXPECT_FLOAT_EQ(w.Picture1.left(), 480);
    EXPECT_FLOAT_EQ(w.Picture2.left(), 8160);
    tick(w.Timer4);
    EXPECT_FLOAT_EQ(w.Label1.left(), 945);
    EXPECT_FLOAT_EQ(w.Label1.top(), 5505);
    EXPECT_FLOAT_EQ(w.Picture1.left(), 55);
    EXPECT_FLOAT_EQ(w.Picture2.left(), 8405);
    EXPECT_FLOAT_EQ(w.Picture1.top(), 5360) << "the smileys follow sideways only";
}

TEST_F(MainWindowTest, StripTurnsAtItsMargins)
{
    start();
    auto& w = main();
    // Up to 5280 on the 16th tick, then down to 5565 on the 19th after it.
    tick(w.Timer4, 15);
    EXPECT_FALSE(fields().BannerDown);
    tick(w.Timer4);
    EXPECT_FLOAT_EQ(w.Label1.top(), 5280);
    EXPECT_TRUE(fields().BannerDown);
    tick(w.Timer4, 19);
    EXPECT_FLOAT_EQ(w.Label1.top(), 5565);
    EXPECT_FALSE(fields().BannerDown);
    EXPECT_LE(w.Label1.top() + w.Label1.height(), w.client_height());

    // Left to 30 on the 62nd tick, then right to 2475 on the 163rd after it.
    tick(w.Timer4, 62 - 35);
    EXPECT_FLOAT_EQ(w.Label1.left(), 30);
    EXPECT_TRUE(fields().BannerRight);
    EXPECT_FLOAT_EQ(w.Picture1.left(), -860);
    tick(w.Timer4);
    EXPECT_FLOAT_EQ(w.Label1.left(), 45);
    tick(w.Timer4, 162);
    EXPECT_FLOAT_EQ(w.Label1.left(), 2475);
    EXPECT_FALSE(fields().BannerRight);
    EXPECT_FLOAT_EQ(w.Picture2.left(), 9935);
}

TEST_F(MainWindowTest, StripPausesWhileTheWindowIsMinimized)
{
    start();
    auto& w = main();
    h->runtime().window_state_changed(w, 1);
    h->advance(500);
    EXPECT_FLOAT_EQ(w.Label1.left(), 960);
    h->runtime().window_state_changed(w, 0);
    tick(w.Timer4);
    EXPECT_FLOAT_EQ(w.Label1.left(), 945);
}

TEST_F(MainWindowTest, WiderStripTurnsAtOnce)
{
    start();
    auto& w = main();
    run([&] {
        fields().BannerRight = true;
        w.Label1.set_left(2400);
        w.Label1.set_width(7600); // a picture wider than the strip
    });
    tick(w.Timer4);
    EXPECT_FLOAT_EQ(w.Label1.left(), 2415);
    EXPECT_FALSE(fields().BannerRight) << "beyond 9600 - 7600 - 120";
}
