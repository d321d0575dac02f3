#pragma once

#include "deck/Card.h"

#include <cstdint>
#include <string>

// The program's module: what every window shares.
struct MirvaneMDL {
    // 1 for a woman, 0 for a man (and before anyone has answered).
    std::uint8_t UserSex { 0 };
    // The card-back design in use, 0..7.
    std::uint8_t ScinIndex { 0 };
};

// The meaning of a card, the empty string for any byte that is no card (36..255).
std::string CardMeaning(CardIndex const& card);
