#pragma once

#include "deck/MirvaneMDL.h"
#include "main_window/MirvaneFRMDefinition.h"

#include <array>
#include <cstdint>

// The main window: the table on which every deal takes place.
class MirvaneFRM : public MirvaneFRMDefinition {
public:
    explicit MirvaneFRM(rt::Runtime&);

    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload(int& cancel) override;

    void ResetDeal();
    void LoadImages();

    void Command1_Click();
    void GetPush_Click();
    void StopPush_Click();
    void Inter_Click();
    void ChangeScin_Click();
    void Exit_Click();
    void WhatCanIDo_Click();
    void About_Click();
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void Timer4_Timer();
    void Timer5_Timer();

private:
    // Tests reach the fields below through this struct only.
    friend struct MirvaneFRMTestAccess;

    // Card numbers still in the pack.
    std::array<std::uint8_t, 36> Deck {};
    // Cards drawn in this deal.
    std::uint8_t DrawnCount { 0 };
    // The pick counter: a position in Deck.
    std::uint8_t PickIndex { 0 };
    // The back that the pile animation moves, and the one that flies to a place.
    std::int16_t PileIndex { 0 };
    bool PileReturning { false };
    bool CardLanded { false };
    bool DealStopped { false };
    // The whole second at which the banner sequence started; 0 until it starts.
    std::int32_t BannerStart { 0 };
    bool BannerRight { false };
    bool BannerDown { false };

    MirvaneMDL& Module() { return module<MirvaneMDL>(); }
    // The draw that the deal button's click carries out.
    void draw_card();
    // The three phases of a tick of the pile, in their order.
    void banner_sequence();
    // Returns whether this step ended a half pass.
    bool pile_step();
    void end_stopped_deal(bool half_pass_ended);
    // The clock's whole second since midnight.
    std::int32_t clock_second();
};
