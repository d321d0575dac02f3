#pragma once

// Where the 36 backs lie on the pile: five groups, each 30 twips left of and
// below the one before, so that the pile reads as a short diagonal stair.
namespace pile_layout {

struct Position {
    float left, top;
};

constexpr int group_sizes[5] = { 9, 7, 7, 7, 6 };
constexpr float base_left = 4175;
constexpr float base_top = 240;
constexpr float group_step = 30;

constexpr Position position_of(int back)
{
    int group = 0;
    int first_of_next = group_sizes[0];
    while (back >= first_of_next)
        first_of_next += group_sizes[++group];
    return { base_left - group_step * static_cast<float>(group), base_top + group_step * static_cast<float>(group) };
}

}
