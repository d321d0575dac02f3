#include "WindowsFixture.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace {

using Spread = std::array<std::string, 9>;

Spread const full
    = { "Письмо", "Враг", "Подарок", "Невеста", "Ссора", "Веселье", "Болезни", "Препятствие", "Ложный слух" };

std::string repeat(std::string const& text, int times)
{
    std::string result;
    for (int i = 0; i < times; ++i)
        result += text;
    return result;
}

}

class InterpretationTest : public WindowsTest {
protected:
    void SetUp() override
    {
        WindowsTest::SetUp();
        start_as_man();
    }
    // The meanings as the deal leaves them on the places' tool tips.
    void lay(Spread const& spread)
    {
        for (int p = 0; p <= 8; ++p)
            main().Расклад(p).set_tool_tip_text(spread[static_cast<std::size_t>(p)]);
    }
};

TEST_F(InterpretationTest, TextFollowsThePlacesAndTheirEmptyOnes)
{
    Spread place4_empty = full;
    place4_empty[4] = "";
    Spread first_three = {};
    std::copy(full.begin(), full.begin() + 3, first_three.begin());
    Spread only_first = {};
    only_first[0] = full[0];
    Spread first_two_empty = full;
    first_two_empty[0] = first_two_empty[1] = "";

    struct Case {
        char const* name;
        Spread spread;
        std::string text;
    };
    Case const cases[] = {
        { "full", full, "Письмо > Враг > Подарок > Невеста > Ссора > Веселье > Болезни > Препятствие > Ложный слух." },
        { "place 4 empty", place4_empty,
            "Письмо > Враг > Подарок > Невеста >  > Веселье > Болезни > Препятствие > Ложный слух." },
        { "places 3 to 8 empty", first_three, "Письмо > Враг > Подарок >  >  >  >  >  > ." },
        { "only place 0", only_first, "Письмо" + repeat(" > ", 8) + "." },
        { "places 0 and 1 empty", first_two_empty,
            "Подарок > Невеста > Ссора > Веселье > Болезни > Препятствие > Ложный слух." },
        { "none", Spread {}, "." },
        { "full again", full,
            "Письмо > Враг > Подарок > Невеста > Ссора > Веселье > Болезни > Препятствие > Ложный слух." },
    };
    // One window throughout: each showing builds its text anew.
    for (auto const& c : cases) {
        SCOPED_TRACE(c.name);
        lay(c.spread);
        auto& view = show<ViewFRM>();
        EXPECT_TRUE(view.visible());
        EXPECT_TRUE(active(view));
        EXPECT_EQ(view.Label1.caption(), c.text);
        h->click(view.Command1);
        EXPECT_FALSE(view.visible());
        EXPECT_EQ(view.Label1.caption(), c.text) << "kept while hidden";
    }
}

TEST_F(InterpretationTest, EnterHidesItEscapeDoesNothing)
{
    lay(full);
    auto& view = show<ViewFRM>();
    EXPECT_FALSE(h->press(view, rt::Key::Escape));
    EXPECT_TRUE(view.visible());

    // Wherever the focus is: on the hidden picture box first, then on the button.
    EXPECT_EQ(view.focused(), &view.Picture1);
    EXPECT_TRUE(h->press(view, rt::Key::Enter));
    EXPECT_FALSE(view.visible());
    EXPECT_TRUE(active(main()));

    show<ViewFRM>();
    EXPECT_EQ(view.focused(), &view.Picture1) << "again at every activation";
    h->press(view, rt::Key::Tab);
    EXPECT_EQ(view.focused(), &view.Command1);
    EXPECT_TRUE(h->press(view, rt::Key::Enter));
    EXPECT_FALSE(view.visible());
}

TEST_F(InterpretationTest, ClosesTheHelpWindowAndHidesWhenTheMainWindowIsActivated)
{
    show<HelpFRM>();
    auto& view = show<ViewFRM>();
    EXPECT_TRUE(active(view));
    EXPECT_EQ(loaded<HelpFRM>(), nullptr);

    h->activate(main());
    EXPECT_FALSE(view.visible());
    EXPECT_NE(loaded<ViewFRM>(), nullptr);
}

// Help opened and closed before the first interpretation: the interpretation
// window's load brings it back, hidden, with nothing of it visible.
TEST_F(InterpretationTest, FirstLoadReloadsAClosedHelpWindowHidden)
{
    h->click(show<HelpFRM>().Command1(0));
    ASSERT_EQ(loaded<HelpFRM>(), nullptr);

    auto& view = show<ViewFRM>();
    HelpFRM* help = loaded<HelpFRM>();
    ASSERT_NE(help, nullptr);
    EXPECT_FALSE(help->visible());
    EXPECT_TRUE(active(view));
    EXPECT_EQ(view.Image1.picture(), help->Image1.picture());
    EXPECT_EQ(view.Command1.picture(), help->Image1.picture());
    EXPECT_FALSE(help->Label1.caption().empty());
}

// The bevel is one control array whose elements lie at different depths.
TEST_F(InterpretationTest, TopEdgeOfTheBevelLiesBehindTheBook)
{
    auto& view = show<ViewFRM>();
    std::vector<rt::Control*> const expected = { &view.Image1, &view.Label1, &view.Line1(1), &view.Image3, &view.Label3,
        &view.Line1(0), &view.Line1(2), &view.Line1(3), &view.Label2(1), &view.Command1, &view.Picture1 };
    EXPECT_EQ(view.stacking(nullptr), expected);
}
