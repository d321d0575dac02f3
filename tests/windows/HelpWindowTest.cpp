#include "WindowsFixture.h"

#include <cstddef>
#include <string>
#include <vector>

namespace {

std::size_t code_points(std::string const& text)
{
    std::size_t count = 0;
    for (unsigned char byte : text)
        count += (byte & 0xC0) != 0x80;
    return count;
}

std::vector<std::string> lines_of(std::string const& text)
{
    std::vector<std::string> lines;
    std::size_t from = 0;
    for (;;) {
        std::size_t const at = text.find("\r\n", from);
        lines.push_back(text.substr(from, at == std::string::npos ? std::string::npos : at - from));
        if (at == std::string::npos)
            return lines;
        from = at + 2;
    }
}

}

class HelpTest : public WindowsTest {
protected:
    void SetUp() override
    {
        WindowsTest::SetUp();
        start_as_man();
    }
    void expect_help_text_shown(HelpFRM& help)
    {
        EXPECT_TRUE(help.visible());
        EXPECT_TRUE(active(help));
        EXPECT_TRUE(help.Label1.visible());
        EXPECT_FALSE(help.Label1.caption().empty());
        EXPECT_TRUE(help.Command1(0).visible());
        EXPECT_TRUE(help.Command1(1).visible());
        EXPECT_FALSE(help.Label2.visible());
        EXPECT_FALSE(help.Image2.visible());
        EXPECT_FALSE(running(help.Timer1));
        EXPECT_EQ(help.focused(), &help.Picture1);
    }
};

TEST_F(HelpTest, HelpTextHasSixItemsAnEmptyLineAndTheClosingRemark)
{
    std::string const text = h->form<HelpFRM>().Label1.caption();
    EXPECT_EQ(code_points(text), 729u);
    EXPECT_EQ(text.find("\r\n\r\n\r\n"), std::string::npos);

    auto const lines = lines_of(text);
    ASSERT_EQ(lines.size(), 8u);
    std::size_t const lengths[] = { 105, 114, 99, 59, 87, 105, 0, 146 };
    for (std::size_t i = 0; i < lines.size(); ++i) {
        SCOPED_TRACE(i + 1);
        std::string const& line = lines[i];
        EXPECT_EQ(code_points(line), lengths[i]);
        EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos);
        if (i < 6) {
            EXPECT_EQ(line.substr(0, 8), "     " + std::to_string(i + 1) + ") ");
        } else if (i == 7) {
            EXPECT_EQ(line.substr(0, 7), "     В");
        }
    }
    // The pieces of a line meet with one blank; item 5 ends with its quote.
    EXPECT_NE(lines[0].find("карт или пункт меню \"Начать сдачу\""), std::string::npos);
    EXPECT_NE(lines[1].find("клавишей \"Enter\" нажимаем"), std::string::npos);
    EXPECT_NE(lines[2].find("не заполнятся"), std::string::npos);
    EXPECT_EQ(lines[4].substr(lines[4].size() - 1), "\"");
    EXPECT_NE(lines[7].find("\"Выход\" либо крестик"), std::string::npos);
    EXPECT_EQ(lines[7].substr(lines[7].size() - 2), ").");
}

TEST_F(HelpTest, FirstShowingIsTheWindowLoadedAtStart)
{
    HelpFRM* const at_start = loaded<HelpFRM>();
    ASSERT_NE(at_start, nullptr);
    std::string const text = at_start->Label1.caption();

    auto& help = show<HelpFRM>();
    EXPECT_EQ(&help, at_start);
    expect_help_text_shown(help);
    EXPECT_EQ(help.Label1.caption(), text);
    auto const& texture = help.Image1.picture();
    EXPECT_EQ(help.self().picture(), texture);
    EXPECT_EQ(help.Command1(0).picture(), texture);
    EXPECT_EQ(help.Command1(1).picture(), texture);
}

TEST_F(HelpTest, EveryWayOutClosesAndTheNextShowingIsFresh)
{
    struct Way {
        char const* name;
        std::function<void(HelpFRM&)> close;
    };
    Way const ways[] = {
        { "Понятно", [this](HelpFRM& help) { h->click(help.Command1(0)); } },
        { "Enter", [this](HelpFRM& help) { h->press(help, rt::Key::Enter); } },
        { "close box", [this](HelpFRM& help) { h->close(help); } },
        { "main window", [this](HelpFRM&) { h->activate(main()); } },
    };
    for (auto const& way : ways) {
        SCOPED_TRACE(way.name);
        auto& help = show<HelpFRM>();
        help.self().set_left(1234); // moved by the user
        way.close(help);
        EXPECT_EQ(loaded<HelpFRM>(), nullptr);
        EXPECT_TRUE(active(main()));

        auto& again = show<HelpFRM>();
        expect_help_text_shown(again);
        EXPECT_NE(again.self().left(), 1234) << "at its start position again";
        h->click(again.Command1(0));
    }
}

TEST_F(HelpTest, NotUnderstoodShowsTheAnswerAndCloses2200msLater)
{
    struct Way {
        char const* name;
        std::function<void(HelpFRM&)> press;
    };
    Way const ways[] = {
        { "Не понятно", [this](HelpFRM& help) { h->click(help.Command1(1)); } },
        { "Esc", [this](HelpFRM& help) { EXPECT_TRUE(h->press(help, rt::Key::Escape)); } },
    };
    for (auto const& way : ways) {
        SCOPED_TRACE(way.name);
        auto& help = show<HelpFRM>();
        way.press(help);
        EXPECT_FALSE(help.Label1.visible());
        EXPECT_FALSE(help.Command1(0).visible());
        EXPECT_FALSE(help.Command1(1).visible());
        EXPECT_TRUE(help.Label2.visible());
        EXPECT_TRUE(help.Image2.visible());
        EXPECT_TRUE(help.visible());

        // Nothing is left to press meanwhile.
        EXPECT_FALSE(h->press(help, rt::Key::Enter));
        EXPECT_FALSE(h->press(help, rt::Key::Escape));
        h->advance(2199);
        ASSERT_EQ(loaded<HelpFRM>(), &help);
        h->advance(1);
        EXPECT_EQ(loaded<HelpFRM>(), nullptr);
        EXPECT_TRUE(active(main()));

        expect_help_text_shown(show<HelpFRM>());
        h->click(h->form<HelpFRM>().Command1(0));
    }
}

TEST_F(HelpTest, ClosedDuringTheAnswerItsTimerNeverFires)
{
    auto& help = show<HelpFRM>();
    h->press(help, rt::Key::Escape);
    h->advance(1000);
    h->activate(main());
    EXPECT_EQ(loaded<HelpFRM>(), nullptr);

    // A fresh window, shown before the old timer would have fired, stays.
    auto& again = show<HelpFRM>();
    h->advance(5000);
    ASSERT_EQ(loaded<HelpFRM>(), &again);
    expect_help_text_shown(again);
}
