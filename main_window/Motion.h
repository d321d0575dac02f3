#pragma once

#include "main_window/PileLayout.h"

#include <cstdint>

// Every step, margin and moment of the main window's motion, in one place.
// Positions are in twips; the timers' intervals are in the window's definition
// (pick counter 20 ms, pile, flight and banner strip 10 ms, button 1000 ms).
namespace motion {

// A flying card: 1200 twips a tick to the left and down, until the back is
// within 1000 twips of its place on each axis.
constexpr float flight_step = 1200;
constexpr float flight_margin = 1000;

// The pile animation: 700 twips a tick, between the pile's base and the
// window's width less the right margin.
constexpr float pile_step = 700;
constexpr float pile_right_margin = 4000;
// The left end point is the pile's base, where the first group lies.
constexpr float pile_base = pile_layout::base_left;
constexpr std::int16_t last_back = 35;

// The banner sequence: whole seconds after it started.
constexpr std::int32_t first_call = 3;
constexpr std::int32_t second_call = 15;
constexpr std::int32_t third_call = 27;
constexpr std::int32_t default_banner_again = 43;

// The banner strip's drift, and the gap to each smiley.
constexpr float drift_step = 15;
constexpr float drift_left_margin = 40;
constexpr float drift_right_margin = 120;
constexpr float drift_upper_margin = 770;
constexpr float drift_lower_margin = 50;
constexpr float smiley_gap = 440;

}
