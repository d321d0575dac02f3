#include "main_window/MirvaneFRM.h"

#include "main_window/DealCaptions.h"
#include "windows/AboutFRM.h"
#include "windows/HelpFRM.h"
#include "windows/ViewFRM.h"

#include <string>

void MirvaneFRM::Command1_Click()
{
    // 1. The caption, read once.
    std::string const caption = Command1.caption();
    // 2. Compared exactly, in this order; the first that matches decides.
    if (caption == deal_captions::draw) {
        // 3. "Тянуть карту": a draw.
        draw_card();
    } else if (caption == deal_captions::interpret) {
        // 4. "Интерпретация": the interpretation window.
        Inter_Click();
    } else if (caption == deal_captions::start) {
        // 5. "Начать сдачу": a new deal.
        GetPush_Click();
    }
    // 6. Any other caption: nothing.
}

void MirvaneFRM::draw_card()
{
    // The button is disabled from a draw until the card has turned face up, and
    // after the ninth; should ticks ever come so late that it is not, a second
    // card must not take over the flight nor a tenth look for a tenth place.
    if (Timer3.enabled() || DrawnCount >= 9)
        return;
    // 1. The flight begins.
    CardLanded = false;
    // 2. The banner sequence starts anew at the reveal.
    BannerStart = 0;
    // 3. The default banner.
    Label1.set_picture(Image2.picture());
    // 4. The pile and the banner sequence pause.
    Timer1.set_enabled(false);
    // 5. The back that the pile was moving flies to the next place.
    Timer3.set_enabled(true);
    // 6. The card counts from now on.
    DrawnCount = static_cast<std::uint8_t>(DrawnCount + 1);
    // 7. The ninth draw stops the deal.
    if (DrawnCount > 8)
        StopPush_Click();
    // 8. The button comes back a second later.
    Timer5.set_enabled(true);
    // 9. Until then it is disabled ...
    Command1.set_enabled(false);
    // 10. ... and asks to wait.
    Command1.set_caption(deal_captions::wait);
}

void MirvaneFRM::GetPush_Click()
{
    // 1. A clean table.
    ResetDeal();
    // 2. The banner sequence starts at the first tick of the pile.
    BannerStart = 0;
    // 3. The pile moves.
    Timer1.set_enabled(true);
    // 4. The deal goes on until stopped.
    DealStopped = false;
    // 5. No second start ...
    GetPush.set_enabled(false);
    // 6. ... but a stop.
    StopPush.set_enabled(true);
    // 7. AwaitingDraw: the button draws a card ...
    Command1.set_caption(deal_captions::draw);
    // 8. ... with the right arrow ...
    Command1.set_picture(Picture3(0).picture());
    // 9. ... which points down while held.
    Command1.set_down_picture(Picture3(1).picture());
    // 10. The button is ready.
    Command1.set_enabled(true);
    // 11. No earlier draw gives it back again.
    Timer5.set_enabled(false);
}

void MirvaneFRM::StopPush_Click()
{
    // 1. One to eight cards: clear the table now. None: the pile resets at the
    // end of its half pass. Nine: the spread stays for the interpretation.
    if (DrawnCount > 0 && DrawnCount < 9)
        ResetDeal();
    // 2. No second stop ...
    StopPush.set_enabled(false);
    // 3. ... but a new start.
    GetPush.set_enabled(true);
    // 4. The pile ends the deal at the end of its half pass.
    DealStopped = true;
    // 5. The stop is heard.
    Beep();
    // 6. The default banner.
    Label1.set_picture(Image2.picture());
    // 7. No banner sequence while stopped.
    BannerStart = 0;
}

void MirvaneFRM::Timer5_Timer()
{
    // 1. A second after a draw: the button draws again ...
    Command1.set_caption(deal_captions::draw);
    // 2. ... enabled.
    Command1.set_enabled(true);
    // 3. Once per draw.
    Timer5.set_enabled(false);
}

void MirvaneFRM::Inter_Click() { form<ViewFRM>().show(); }

void MirvaneFRM::WhatCanIDo_Click() { form<HelpFRM>().show(); }

void MirvaneFRM::About_Click() { form<AboutFRM>().show(); }
