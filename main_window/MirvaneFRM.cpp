#include "main_window/MirvaneFRM.h"

#include "main_window/Motion.h"
#include "main_window/PileLayout.h"
#include "windows/AboutFRM.h"
#include "windows/HelpFRM.h"
#include "windows/ViewFRM.h"

#include <cmath>

namespace {

// Two-line captions join their words with a lone carriage return.
std::string const caption_draw = "Тянуть\rкарту";
std::string const caption_interpret = "Интерпре-\rтация";
std::string const caption_start = "Начать\rсдачу";
std::string const caption_wait = "Подождите";

constexpr char const* settings_file = "/mirvane.ini";
constexpr int settings_number = 1;

}

MirvaneFRM::MirvaneFRM(rt::Runtime& runtime)
    : MirvaneFRMDefinition(runtime)
{
    Command1.on_click = [this] { Command1_Click(); };
    GetPush.on_click = [this] { GetPush_Click(); };
    StopPush.on_click = [this] { StopPush_Click(); };
    Inter.on_click = [this] { Inter_Click(); };
    ChangeScin.on_click = [this] { ChangeScin_Click(); };
    Exit.on_click = [this] { Exit_Click(); };
    WhatCanIDo.on_click = [this] { WhatCanIDo_Click(); };
    About.on_click = [this] { About_Click(); };
    Timer1.on_timer = [this] { Timer1_Timer(); };
    Timer2.on_timer = [this] { Timer2_Timer(); };
    Timer3.on_timer = [this] { Timer3_Timer(); };
    Timer4.on_timer = [this] { Timer4_Timer(); };
    Timer5.on_timer = [this] { Timer5_Timer(); };
}

void MirvaneFRM::Form_Load()
{
    // 1. The settings file; on failure the program has ended here.
    LoadImages();
    // 2.
    Рубашка(0).set_picture(Picture4(Module().ScinIndex).picture());
    // 3.
    self().set_height(6720);
    // 4.
    self().set_left(0);
    // 5.
    self().set_top(0);
    // 6. The banner strip shows its default picture.
    Label1.set_picture(Image2.picture());
    // 7.
    PileReturning = false;
    // 8.
    PileIndex = 35;
    // 9.
    for (int i = 1; i <= 35; ++i)
        Рубашка(i).set_picture(Рубашка(0).picture());
    // 10.
    Image3.set_picture(Рубашка(0).picture());
    // 11.
    ResetDeal();
    // 12.
    ЛевыйЗабой.set_left(pile_layout::base_left);
    // 13. The resting top card now covers the first group of the pile exactly.
    ЛевыйЗабой.set_top(Рубашка(0).top());
}

void MirvaneFRM::Form_Activate() { Mnu.set_caption(Module().UserSex == 1 ? "&Гадалка" : "&Гадатель"); }

void MirvaneFRM::ResetDeal()
{
    // 1. The timers as they stand between deals.
    Timer1.set_enabled(false);
    Timer2.set_enabled(true);
    Timer3.set_enabled(false);
    Timer4.set_enabled(true);
    Timer5.set_enabled(false);
    // 2. Preparing.
    Command1.set_caption(caption_wait);
    Command1.set_enabled(false);
    // 3.
    Inter.set_enabled(false);
    // 4.
    DrawnCount = 0;
    // 5.
    ЛевыйЗабой.set_visible(true);
    // 6. Every place empty, its marker in front of it.
    for (int p = 0; p <= 8; ++p) {
        Shape1(p).z_order(0);
        Расклад(p).set_picture(Image1.picture());
        Расклад(p).set_tool_tip_text("");
    }
    // 7. The whole pack, in order.
    for (int i = 0; i <= 35; ++i)
        Deck[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i);
    // 8. Every back to its pile position: all the Lefts, then all the Tops.
    for (int i = 0; i <= 35; ++i)
        Рубашка(i).set_left(pile_layout::position_of(i).left);
    for (int i = 0; i <= 35; ++i)
        Рубашка(i).set_top(pile_layout::position_of(i).top);
    // 9. Redraw the pile back by back; dealt backs become visible again.
    for (int i = 0; i <= 35; ++i) {
        Рубашка(i).set_visible(false);
        Рубашка(i).refresh();
        Рубашка(i).set_visible(true);
    }
    // 10. ReadyToStart.
    Command1.set_caption(caption_start);
    Command1.set_picture(Picture3(3).picture());
    Command1.set_down_picture(Picture3(3).picture());
    Command1.set_enabled(true);
}

void MirvaneFRM::LoadImages()
{
    auto& files = runtime().files();
    auto& mdl = Module();
    // 1. Any failure from here on is the start-up error.
    try {
        // 2.
        files.open_random(app_path() + settings_file, settings_number);
        // 3. Only a file of exactly two bytes is read.
        if (files.length(settings_number) == 0) {
            files.put(settings_number, 1, 0);
            files.put(settings_number, 2, 1);
            mdl.ScinIndex = mdl.UserSex;
        } else if (files.length(settings_number) == 1) {
            // Nothing is read or written: the design stays 0 for either sex.
        } else if (files.length(settings_number) == 2) {
            mdl.ScinIndex = files.get(settings_number, mdl.UserSex + 1);
            if (mdl.ScinIndex > 7)
                mdl.ScinIndex = mdl.UserSex;
        } else {
            mdl.ScinIndex = mdl.UserSex;
        }
    } catch (rt::RuntimeError const&) {
        MsgBox("Ошибка при запуске программы!", 16, "Зеливорната");
        End();
    }
    // 4. The file stays open until the window unloads.
}

void MirvaneFRM::ChangeScin_Click()
{
    auto& mdl = Module();
    // 1. The eight designs in a cycle.
    mdl.ScinIndex = static_cast<std::uint8_t>(mdl.ScinIndex + 1);
    if (mdl.ScinIndex > 7)
        mdl.ScinIndex = 0;
    // 2. The resting top card.
    Image3.set_picture(Picture4(mdl.ScinIndex).picture());
    // 3. Every back, wherever it is: on the pile, moving, flying or dealt.
    for (int i = 0; i <= 35; ++i)
        Рубашка(i).set_picture(Picture4(mdl.ScinIndex).picture());
    // 4. The places keep what they show; nothing is written yet.
}

void MirvaneFRM::Form_Unload(int&)
{
    auto& mdl = Module();
    // 1. The banner strip back to its default picture.
    Label1.set_picture(Image2.picture());
    // 2. The current user's record; the other one is not touched. A write that
    // fails (a file that may only be read) is not trapped: the user is told
    // the choice was not kept.
    runtime().files().put(settings_number, mdl.UserSex + 1, mdl.ScinIndex);
    // 3.
    runtime().files().close(settings_number);
    // 4.
    End();
}

void MirvaneFRM::Exit_Click()
{
    // 1. At once: no unload, nothing written.
    End();
}

void MirvaneFRM::Command1_Click()
{
    // 1. The caption, read once.
    std::string const caption = Command1.caption();
    // 2. Compared exactly, in this order; the first that matches decides.
    if (caption == caption_draw) {
        // 3.
        draw_card();
    } else if (caption == caption_interpret) {
        // 4.
        Inter_Click();
    } else if (caption == caption_start) {
        // 5.
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
    // 1.
    CardLanded = false;
    // 2.
    BannerStart = 0;
    // 3. The default banner.
    Label1.set_picture(Image2.picture());
    // 4. The pile and the banner sequence pause.
    Timer1.set_enabled(false);
    // 5. The back that the pile was moving flies to the next place.
    Timer3.set_enabled(true);
    // 6.
    DrawnCount = static_cast<std::uint8_t>(DrawnCount + 1);
    // 7. The ninth draw stops the deal.
    if (DrawnCount > 8)
        StopPush_Click();
    // 8. The button comes back a second later.
    Timer5.set_enabled(true);
    // 9.
    Command1.set_enabled(false);
    // 10.
    Command1.set_caption(caption_wait);
}

void MirvaneFRM::GetPush_Click()
{
    // 1.
    ResetDeal();
    // 2.
    BannerStart = 0;
    // 3.
    Timer1.set_enabled(true);
    // 4.
    DealStopped = false;
    // 5.
    GetPush.set_enabled(false);
    // 6.
    StopPush.set_enabled(true);
    // 7. AwaitingDraw.
    Command1.set_caption(caption_draw);
    // 8.
    Command1.set_picture(Picture3(0).picture());
    // 9.
    Command1.set_down_picture(Picture3(1).picture());
    // 10.
    Command1.set_enabled(true);
    // 11.
    Timer5.set_enabled(false);
}

void MirvaneFRM::StopPush_Click()
{
    // 1. One to eight cards: clear the table now. None: the pile resets at the
    // end of its half pass. Nine: the spread stays for the interpretation.
    if (DrawnCount > 0 && DrawnCount < 9)
        ResetDeal();
    // 2.
    StopPush.set_enabled(false);
    // 3.
    GetPush.set_enabled(true);
    // 4.
    DealStopped = true;
    // 5.
    Beep();
    // 6.
    Label1.set_picture(Image2.picture());
    // 7.
    BannerStart = 0;
}

void MirvaneFRM::Timer5_Timer()
{
    // 1.
    Command1.set_caption(caption_draw);
    // 2.
    Command1.set_enabled(true);
    // 3. Once per draw.
    Timer5.set_enabled(false);
}

void MirvaneFRM::Inter_Click() { form<ViewFRM>().show(); }

void MirvaneFRM::WhatCanIDo_Click() { form<HelpFRM>().show(); }

void MirvaneFRM::About_Click() { form<AboutFRM>().show(); }

void MirvaneFRM::Timer2_Timer()
{
    // 1.
    PickIndex = static_cast<std::uint8_t>(PickIndex + 1);
    // 2. Over the cards still in the pack: while a card flies it still counts.
    int const bound = Timer3.enabled() ? 36 - DrawnCount : 35 - DrawnCount;
    if (PickIndex > bound)
        PickIndex = 0;
}

void MirvaneFRM::Timer3_Timer()
{
    int const p = DrawnCount - 1;
    auto& place = Расклад(p);
    if (!CardLanded) {
        // 1. The back that the pile was moving.
        auto& back = Рубашка(PileIndex);
        // 2. Left, while the place is more than the margin away.
        bool const horizontal_done = !(place.left() + motion::flight_margin < back.left());
        if (!horizontal_done)
            back.set_left(back.left() - motion::flight_step);
        // 3. Down, likewise.
        bool const vertical_done = !(place.top() - motion::flight_margin > back.top());
        if (!vertical_done)
            back.set_top(back.top() + motion::flight_step);
        // 4. Landed where it stands: the place takes the back's picture.
        if (horizontal_done && vertical_done) {
            back.set_visible(false);
            place.set_picture(back.picture());
            CardLanded = true;
        }
        return;
    }
    // The reveal: the card the pick counter stands on now.
    // 1. Over the marker.
    place.z_order(0);
    // 2.
    place.set_picture(Карта(Deck[PickIndex]).picture());
    // 3.
    place.set_tool_tip_text(CardMeaning(Deck[PickIndex]));
    // 4. The card leaves the pack.
    for (int i = PickIndex; i <= 34; ++i)
        Deck[static_cast<std::size_t>(i)] = Deck[static_cast<std::size_t>(i + 1)];
    // 5.
    Timer3.set_enabled(false);
    // 6.
    Timer1.set_enabled(true);
}

std::int32_t MirvaneFRM::clock_second() { return static_cast<std::int32_t>(std::floor(Timer())); }

void MirvaneFRM::Timer1_Timer()
{
    bool half_pass_ended = false;

    // A. The banner sequence, while the deal goes on.
    if (!DealStopped) {
        auto const sex = Module().UserSex;
        // 1.
        if (BannerStart == 0)
            BannerStart = clock_second();
        // 2.-5. Exact seconds: the strip changes only within them.
        if (BannerStart + motion::first_call == clock_second())
            Label1.set_picture(Message1(sex).picture());
        if (BannerStart + motion::second_call == clock_second())
            Label1.set_picture(Message2(sex).picture());
        if (BannerStart + motion::third_call == clock_second())
            Label1.set_picture(Message3(sex).picture());
        if (BannerStart + motion::default_banner_again == clock_second())
            Label1.set_picture(Image2.picture());
    }

    // B. One step of the pile: move the back, or hand over to the next one.
    auto& back = Рубашка(PileIndex);
    if (!PileReturning) {
        if (back.left() < self().width() - motion::pile_right_margin) {
            // 1.
            back.set_left(back.left() + motion::pile_step);
        } else if (PileIndex <= 0) {
            // 2.1.
            PileReturning = true;
            half_pass_ended = true;
        } else {
            // 2.2.
            PileIndex = static_cast<std::int16_t>(PileIndex - 1);
        }
        // 3.
        if (PileIndex == 0)
            ЛевыйЗабой.set_visible(false);
    } else {
        if (back.left() > motion::pile_base) {
            // 1.
            back.set_left(back.left() - motion::pile_step);
        } else {
            // 2.1.
            ЛевыйЗабой.set_visible(true);
            if (PileIndex >= motion::last_back) {
                // 2.2.
                PileReturning = false;
                half_pass_ended = true;
            } else {
                // 2.3.
                PileIndex = static_cast<std::int16_t>(PileIndex + 1);
            }
        }
    }

    // C. A stopped deal ends with the half pass in progress.
    if (!DealStopped)
        return;
    if (!half_pass_ended) {
        Timer5.set_enabled(false);
        Command1.set_caption(caption_wait);
        Command1.set_enabled(false);
        return;
    }
    Timer1.set_enabled(false);
    if (DrawnCount == 9) {
        // ReadyToInterpret.
        Timer5.set_enabled(false);
        Command1.set_caption(caption_interpret);
        Command1.set_picture(Picture3(2).picture());
        Command1.set_down_picture(Picture3(2).picture());
        Command1.set_enabled(true);
        Inter.set_enabled(true);
        form<ViewFRM>().show();
    } else {
        ResetDeal();
    }
}

void MirvaneFRM::Timer4_Timer()
{
    // The strip drifts only while the window is at its normal size: the margins
    // keep it inside the window only then.
    if (window_state() != 0)
        return;
    // 1. Sideways, turning at the margins.
    if (!BannerRight) {
        Label1.set_left(Label1.left() - motion::drift_step);
        if (Label1.left() < motion::drift_left_margin)
            BannerRight = true;
    } else {
        Label1.set_left(Label1.left() + motion::drift_step);
        if (Label1.left() > self().width() - Label1.width() - motion::drift_right_margin)
            BannerRight = false;
    }
    // 2. Up and down within the band along the bottom edge.
    float const inner_height = client_height();
    if (!BannerDown) {
        Label1.set_top(Label1.top() - motion::drift_step);
        if (Label1.top() < inner_height - motion::drift_upper_margin)
            BannerDown = true;
    } else {
        Label1.set_top(Label1.top() + motion::drift_step);
        if (Label1.top() > inner_height - Label1.height() - motion::drift_lower_margin)
            BannerDown = false;
    }
    // 3.
    Picture1.set_left(Label1.left() - Picture1.width() - motion::smiley_gap);
    // 4.
    Picture2.set_left(Label1.left() + Label1.width() + motion::smiley_gap);
    // 5.
    Label1.set_visible(true);
    Picture1.set_visible(true);
    Picture2.set_visible(true);
}
