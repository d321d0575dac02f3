#include "main_window/MirvaneFRM.h"

#include "main_window/DealCaptions.h"
#include "main_window/PileLayout.h"

void MirvaneFRM::ResetDeal()
{
    // 1. The timers as they stand between deals.
    Timer1.set_enabled(false);
    Timer2.set_enabled(true);
    Timer3.set_enabled(false);
    Timer4.set_enabled(true);
    Timer5.set_enabled(false);
    // 2. Preparing: the button waits, disabled, with the icons it had.
    Command1.set_caption(deal_captions::wait);
    Command1.set_enabled(false);
    // 3. No spread to interpret.
    Inter.set_enabled(false);
    // 4. No card drawn.
    DrawnCount = 0;
    // 5. The resting top card shows again.
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
    // 10. ReadyToStart: the button starts a deal, with the heart.
    Command1.set_caption(deal_captions::start);
    Command1.set_picture(Picture3(3).picture());
    Command1.set_down_picture(Picture3(3).picture());
    Command1.set_enabled(true);
}
