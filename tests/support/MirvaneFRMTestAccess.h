#pragma once

#include "main_window/MirvaneFRM.h"

#include <array>
#include <cstdint>

// The main window's private fields, for tests that check them or set up a deal
// that no sequence of commands reaches in reasonable time. The window befriends
// this struct alone, and only test programs have it.
struct MirvaneFRMTestAccess {
    explicit MirvaneFRMTestAccess(MirvaneFRM& window)
        : Deck(window.Deck)
        , DrawnCount(window.DrawnCount)
        , PickIndex(window.PickIndex)
        , PileIndex(window.PileIndex)
        , PileReturning(window.PileReturning)
        , CardLanded(window.CardLanded)
        , DealStopped(window.DealStopped)
        , BannerStart(window.BannerStart)
        , BannerRight(window.BannerRight)
        , BannerDown(window.BannerDown)
    {
    }

    std::array<std::uint8_t, 36>& Deck;
    std::uint8_t& DrawnCount;
    std::uint8_t& PickIndex;
    std::int16_t& PileIndex;
    bool& PileReturning;
    bool& CardLanded;
    bool& DealStopped;
    std::int32_t& BannerStart;
    bool& BannerRight;
    bool& BannerDown;
};
