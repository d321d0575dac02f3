#include "WindowsFixture.h"

class StartDialogTest : public WindowsTest { };

TEST_F(StartDialogTest, StartUpLoadsTheHelpWindowHiddenAndAsksTheQuestion)
{
    start();
    auto& dialog = sex();
    EXPECT_TRUE(dialog.visible());
    EXPECT_TRUE(active(dialog));
    EXPECT_EQ(loaded<MirvaneFRM>(), nullptr);

    // The dialog's load has loaded the help window, which stays hidden, with its
    // text built, and every texture of the dialog is the help window's picture.
    HelpFRM* help = loaded<HelpFRM>();
    ASSERT_NE(help, nullptr);
    EXPECT_FALSE(help->visible());
    EXPECT_FALSE(help->Label1.caption().empty());
    auto const& texture = help->Image1.picture();
    ASSERT_TRUE(texture);
    EXPECT_EQ(texture->resource, ":/help/texture.jpg");
    EXPECT_EQ(dialog.Image1.picture(), texture);
    EXPECT_EQ(dialog.Command1.picture(), texture);
    EXPECT_EQ(dialog.Command2.picture(), texture);
    EXPECT_EQ(dialog.Command3.picture(), texture);
}

TEST_F(StartDialogTest, FocusStartsOutsideTheWindowAndTabGoesToManFirst)
{
    start();
    auto& dialog = sex();
    EXPECT_EQ(dialog.focused(), &dialog.Picture1);
    EXPECT_LT(dialog.Picture1.left() + dialog.Picture1.width(), 0) << "never seen";

    rt::Control* const expected[] = { &dialog.Command2, &dialog.Command1, &dialog.Command3, &dialog.Picture1 };
    for (rt::Control* control : expected) {
        EXPECT_TRUE(h->press(dialog, rt::Key::Tab));
        EXPECT_EQ(dialog.focused(), control) << control->name();
    }
}

// The settings file keeps a design for a man (first byte) and one for a woman.
TEST_F(StartDialogTest, WomanOpensTheMainWindowWithHerCardBack)
{
    write_settings(std::string("\3\5", 2));
    start();
    h->click(sex().Command1);

    EXPECT_EQ(mdl().UserSex, 1);
    EXPECT_FALSE(sex().visible());
    EXPECT_NE(loaded<SexForm>(), nullptr) << "hidden, not unloaded";
    auto& w = main();
    EXPECT_TRUE(w.visible());
    EXPECT_TRUE(active(w));
    EXPECT_EQ(w.Mnu.caption(), "&Гадалка");
    // Read at the main window's load: the answer was there before it.
    EXPECT_EQ(mdl().ScinIndex, 5);
    EXPECT_EQ(w.Рубашка(0).picture(), w.Picture4(5).picture());
}

TEST_F(StartDialogTest, ManByHisAccessKeyOpensTheMainWindowWithHisCardBack)
{
    write_settings(std::string("\3\5", 2));
    start();
    EXPECT_TRUE(h->press(sex(), rt::alt_key(U'м')));

    EXPECT_EQ(mdl().UserSex, 0);
    EXPECT_FALSE(sex().visible());
    auto& w = main();
    EXPECT_TRUE(active(w));
    EXPECT_EQ(w.Mnu.caption(), "&Гадатель");
    EXPECT_EQ(mdl().ScinIndex, 3);
}

TEST_F(StartDialogTest, DontKnowRestylesTheQuestionAndEnds2100msLater)
{
    start();
    auto& dialog = sex();
    h->click(dialog.Command3);

    EXPECT_FALSE(dialog.Command1.visible());
    EXPECT_FALSE(dialog.Command2.visible());
    EXPECT_FALSE(dialog.Command3.visible());
    EXPECT_FALSE(dialog.Label2.visible());
    EXPECT_EQ(dialog.Label1.caption(), "НАДО БЫ УЗНАТЬ!");
    EXPECT_EQ(dialog.Label1.fore_color(), rt::rgb(0, 255, 0));
    EXPECT_FLOAT_EQ(dialog.Label1.top(), 650);
    EXPECT_FLOAT_EQ(dialog.Label1.left(), 0);
    EXPECT_FLOAT_EQ(dialog.Label1.width(), 4695);
    EXPECT_FLOAT_EQ(dialog.Label1.height(), 855);
    EXPECT_EQ(dialog.Label1.font(), (rt::Font { "Times New Roman", 21.75f, true, false, false, 204 }));
    EXPECT_EQ(dialog.Label1.properties().alignment, rt::Alignment::Center);

    // No button is left to answer with.
    for (char32_t letter : { U'ж', U'м', U'н' })
        EXPECT_FALSE(h->press(dialog, rt::alt_key(letter)));
    EXPECT_FALSE(h->press(dialog, rt::Key::Enter));
    EXPECT_FALSE(h->press(dialog, rt::Key::Space));

    h->advance(2099);
    EXPECT_FALSE(h->runtime().ended());
    h->advance(1);
    EXPECT_TRUE(h->runtime().ended());
    EXPECT_TRUE(h->quit_requested());
    EXPECT_EQ(loaded<MirvaneFRM>(), nullptr);
    EXPECT_EQ(mdl().UserSex, 0);
    EXPECT_FALSE(std::filesystem::exists(settings));
}

TEST_F(StartDialogTest, ClosingTheDialogEndsTheProgramAtOnce)
{
    start();
    h->close(sex());
    EXPECT_TRUE(h->runtime().ended());
    EXPECT_EQ(loaded<MirvaneFRM>(), nullptr);
    EXPECT_FALSE(std::filesystem::exists(settings));
}
