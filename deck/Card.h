#pragma once

#include <cstdint>
#include <string>

// A card of the 36-card deck is a number 0..35: four times its rank (six,
// seven, eight, nine, ten, jack, queen, king, ace) plus its suit (diamonds,
// spades, clubs, hearts). The program deals numbers only; the number picks the
// face picture and the meaning text.
using CardIndex = std::uint8_t;

constexpr int card_count = 36;
constexpr int back_design_count = 8;

constexpr CardIndex card_index(int rank, int suit) { return static_cast<CardIndex>(4 * rank + suit); }

constexpr int card_rank(CardIndex card) { return card / 4; }

constexpr int card_suit(CardIndex card) { return card % 4; }

// The pictures the main window holds for a card face and a back design.
std::string face_picture(CardIndex);
std::string back_picture(int design);
