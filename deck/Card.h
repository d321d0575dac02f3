#pragma once

#include <cstdint>

// A card of the 36-card deck is a number 0..35: four times its rank plus its
// suit. The program deals numbers only; the number picks the face picture and
// the meaning text. Rank and suit matter only to whoever draws the faces, and
// they take them from here so that a face always matches its number.
using CardIndex = std::uint8_t;

enum class Rank { Six, Seven, Eight, Nine, Ten, Jack, Queen, King, Ace };

enum class Suit { Diamonds, Spades, Clubs, Hearts };

constexpr int card_count = 36;

// The card backs the user chooses among; the chosen one is kept by its number.
constexpr int back_design_count = 8;

constexpr CardIndex card_index(Rank rank, Suit suit)
{
    return static_cast<CardIndex>(4 * static_cast<int>(rank) + static_cast<int>(suit));
}

constexpr Rank card_rank(CardIndex card) { return static_cast<Rank>(card / 4); }

constexpr Suit card_suit(CardIndex card) { return static_cast<Suit>(card % 4); }
