#include "main_window/MirvaneFRM.h"

#include "main_window/PileLayout.h"

namespace {

// Two-line captions join their words with a lone carriage return.
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
    // 2. The current user's record; the other one is not touched. A file that
    // may only be read keeps its old byte: closing the window still ends the
    // program cleanly.
    try {
        runtime().files().put(settings_number, mdl.UserSex + 1, mdl.ScinIndex);
    } catch (rt::RuntimeError const&) {
    }
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

void MirvaneFRM::Command1_Click() { }

void MirvaneFRM::GetPush_Click() { }

void MirvaneFRM::StopPush_Click() { }

void MirvaneFRM::Inter_Click() { }

void MirvaneFRM::WhatCanIDo_Click() { }

void MirvaneFRM::About_Click() { }

void MirvaneFRM::Timer1_Timer() { }

void MirvaneFRM::Timer2_Timer() { }

void MirvaneFRM::Timer3_Timer() { }

void MirvaneFRM::Timer4_Timer() { }

void MirvaneFRM::Timer5_Timer() { }
