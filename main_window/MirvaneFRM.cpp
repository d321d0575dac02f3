#include "main_window/MirvaneFRM.h"

#include "main_window/PileLayout.h"

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
    // 2. The top back shows the user's design.
    Рубашка(0).set_picture(Picture4(Module().ScinIndex).picture());
    // 3. The window's outer height.
    self().set_height(6720);
    // 4. The window's left edge at the screen's.
    self().set_left(0);
    // 5. Its top edge at the screen's.
    self().set_top(0);
    // 6. The banner strip shows its default picture.
    Label1.set_picture(Image2.picture());
    // 7. The pile animation starts going right ...
    PileReturning = false;
    // 8. ... with the bottom back.
    PileIndex = 35;
    // 9. Every other back takes the top back's design.
    for (int i = 1; i <= 35; ++i)
        Рубашка(i).set_picture(Рубашка(0).picture());
    // 10. So does the resting top card.
    Image3.set_picture(Рубашка(0).picture());
    // 11. The table ready for a first deal, the pile restacked.
    ResetDeal();
    // 12. The resting top card at the pile's base ...
    ЛевыйЗабой.set_left(pile_layout::base_left);
    // 13. ... where it now covers the first group of the pile exactly.
    ЛевыйЗабой.set_top(Рубашка(0).top());
}

void MirvaneFRM::Form_Activate() { Mnu.set_caption(Module().UserSex == 1 ? "&Гадалка" : "&Гадатель"); }
