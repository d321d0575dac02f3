#include "deck/MirvaneMDL.h"

#include <gtest/gtest.h>

#include <set>

TEST(CardMeaning, SixesOfDiamondsAndHeartsShareTheOnlyRepeatedText)
{
    EXPECT_EQ(CardMeaning(0), "Веселая дорога");
    EXPECT_EQ(CardMeaning(3), "Веселая дорога");
    std::set<std::string> texts;
    for (int k = 0; k < card_count; ++k) {
        auto const card = static_cast<CardIndex>(k);
        EXPECT_FALSE(CardMeaning(card).empty()) << k;
        EXPECT_NE(CardMeaning(card).back(), '.') << "meanings carry no final punctuation";
        texts.insert(CardMeaning(card));
    }
    EXPECT_EQ(texts.size(), 35u);
}

TEST(CardMeaning, RowsFollowTheNumbering)
{
    EXPECT_EQ(CardMeaning(10), "Обман в надежде"); // eight of clubs
    EXPECT_EQ(CardMeaning(card_index(5, 2)), "Удача в предприятиях"); // jack of clubs
    EXPECT_EQ(CardMeaning(card_index(8, 1)), "Печальное письмо, известие о смерти"); // ace of spades
    EXPECT_EQ(CardMeaning(35), "Любовное письмо");
}

TEST(CardMeaning, NoCardHasNoMeaning)
{
    for (int value = 36; value <= 255; ++value)
        EXPECT_EQ(CardMeaning(static_cast<CardIndex>(value)), "") << value;
}

TEST(CardNumbering, NumberSelectsRankSuitAndFace)
{
    EXPECT_EQ(card_rank(4), 1); // seven
    EXPECT_EQ(card_suit(4), 0); // of diamonds
    EXPECT_EQ(card_rank(22), 5);
    EXPECT_EQ(card_suit(22), 2);
    EXPECT_EQ(card_index(8, 3), 35);
    EXPECT_EQ(face_picture(4), ":/main_window/face_04.jpg");
    EXPECT_EQ(face_picture(33), ":/main_window/face_33.jpg");
    EXPECT_EQ(back_picture(7), ":/main_window/back_7.jpg");
}
