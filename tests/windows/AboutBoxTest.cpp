#include "WindowsFixture.h"

class AboutTest : public WindowsTest {
protected:
    void SetUp() override
    {
        WindowsTest::SetUp();
        start_as_man();
    }
};

TEST_F(AboutTest, ShowsItsPictureAndClosesOnAClick)
{
    auto& about = show<AboutFRM>();
    EXPECT_TRUE(about.visible());
    EXPECT_TRUE(active(about));
    ASSERT_TRUE(about.self().picture());
    EXPECT_EQ(about.self().picture()->resource, ":/about/about.jpg");

    h->click_form(about);
    EXPECT_EQ(loaded<AboutFRM>(), nullptr);
    EXPECT_TRUE(active(main()));
}

TEST_F(AboutTest, ClosesWhenAnotherWindowBecomesActive)
{
    show<AboutFRM>();
    h->activate(main());
    EXPECT_EQ(loaded<AboutFRM>(), nullptr);
    EXPECT_TRUE(active(main()));

    show<AboutFRM>();
    auto& help = show<HelpFRM>();
    EXPECT_EQ(loaded<AboutFRM>(), nullptr);
    EXPECT_TRUE(active(help));
}

TEST_F(AboutTest, ComesBackFreshAfterTheCloseBox)
{
    auto& about = show<AboutFRM>();
    about.self().move(600, 600, about.self().width(), about.self().height()); // dragged by the user
    h->close(about);
    EXPECT_EQ(loaded<AboutFRM>(), nullptr);

    auto& again = show<AboutFRM>();
    EXPECT_TRUE(active(again));
    EXPECT_NE(again.self().left(), 600);
}
