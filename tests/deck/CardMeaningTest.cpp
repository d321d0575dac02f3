#include "deck/MirvaneMDL.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

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
    EXPECT_EQ(CardMeaning(card_index(Rank::Jack, Suit::Clubs)), "Удача в предприятиях");
    EXPECT_EQ(CardMeaning(card_index(Rank::Ace, Suit::Spades)), "Печальное письмо, известие о смерти");
    EXPECT_EQ(CardMeaning(35), "Любовное письмо");
}

TEST(CardMeaning, NoCardHasNoMeaning)
{
    for (int value = 36; value <= 255; ++value)
        EXPECT_EQ(CardMeaning(static_cast<CardIndex>(value)), "") << value;
}

TEST(CardNumbering, NumberSplitsIntoRankAndSuit)
{
    EXPECT_EQ(card_rank(0), Rank::Six);
    EXPECT_EQ(card_suit(0), Suit::Diamonds);
    EXPECT_EQ(card_suit(1), Suit::Spades);
    EXPECT_EQ(card_suit(3), Suit::Hearts);
    EXPECT_EQ(card_rank(4), Rank::Seven);
    EXPECT_EQ(card_suit(4), Suit::Diamonds);
    EXPECT_EQ(card_rank(22), Rank::Jack);
    EXPECT_EQ(card_suit(22), Suit::Clubs);
    EXPECT_EQ(card_rank(33), Rank::Ace);
    EXPECT_EQ(card_suit(33), Suit::Spades);
    EXPECT_EQ(card_index(Rank::Ace, Suit::Hearts), 35);
}

TEST(CardNumbering, SplittingAndJoiningGivesBackEveryCard)
{
    std::set<std::pair<Rank, Suit>> cards;
    for (int k = 0; k < card_count; ++k) {
        auto const card = static_cast<CardIndex>(k);
        EXPECT_EQ(card_index(card_rank(card), card_suit(card)), card) << k;
        cards.insert({ card_rank(card), card_suit(card) });
    }
    EXPECT_EQ(cards.size(), static_cast<std::size_t>(card_count));
}
