#include "main_window/MirvaneFRM.h"

#include "main_window/DealCaptions.h"
#include "main_window/Motion.h"
#include "windows/ViewFRM.h"

#include <cmath>

void MirvaneFRM::Timer1_Timer()
{
    // A. The banner sequence, while the deal goes on.
    if (!DealStopped)
        banner_sequence();
    // B. One step of the pile: move the back, or hand over to the next one.
    bool const half_pass_ended = pile_step();
    // C. A stopped deal ends with the half pass in progress.
    if (DealStopped)
        end_stopped_deal(half_pass_ended);
}

std::int32_t MirvaneFRM::clock_second() { return static_cast<std::int32_t>(std::floor(Timer())); }

void MirvaneFRM::banner_sequence()
{
    auto const sex = Module().UserSex;
    // 1. The count starts at the clock's second of the first tick.
    if (BannerStart == 0)
        BannerStart = clock_second();
    // Every step reads the clock anew and compares exact seconds: the strip
    // changes only on the ticks within them.
    // 2. The first call to draw a card.
    if (BannerStart + motion::first_call == clock_second())
        Label1.set_picture(Message1(sex).picture());
    // 3. The second, more pressing call.
    if (BannerStart + motion::second_call == clock_second())
        Label1.set_picture(Message2(sex).picture());
    // 4. The third call.
    if (BannerStart + motion::third_call == clock_second())
        Label1.set_picture(Message3(sex).picture());
    // 5. The default banner again, for good.
    if (BannerStart + motion::default_banner_again == clock_second())
        Label1.set_picture(Image2.picture());
}

bool MirvaneFRM::pile_step()
{
    auto& back = Рубашка(PileIndex);
    if (!PileReturning) {
        bool half_pass_ended = false;
        if (back.left() < self().width() - motion::pile_right_margin) {
            // 1. Going right: the back moves one step.
            back.set_left(back.left() + motion::pile_step);
        } else if (PileIndex <= 0) {
            // 2.1. The last back has arrived: the pile turns back.
            PileReturning = true;
            half_pass_ended = true;
        } else {
            // 2.2. Arrived: the next back's turn.
            PileIndex = static_cast<std::int16_t>(PileIndex - 1);
        }
        // 3. The base lies bare once the top back's turn has come.
        if (PileIndex == 0)
            ЛевыйЗабой.set_visible(false);
        return half_pass_ended;
    }
    if (back.left() > motion::pile_base) {
        // 1. Coming back: the back moves one step.
        back.set_left(back.left() - motion::pile_step);
        return false;
    }
    // 2.1. Arrived at the base: the resting top card covers it again.
    ЛевыйЗабой.set_visible(true);
    if (PileIndex >= motion::last_back) {
        // 2.2. The last back is home: the pile turns right again.
        PileReturning = false;
        return true;
    }
    // 2.3. The next back's turn.
    PileIndex = static_cast<std::int16_t>(PileIndex + 1);
    return false;
}

void MirvaneFRM::end_stopped_deal(bool half_pass_ended)
{
    // Until the half pass ends, the deal stays Stopped, the button waiting.
    if (!half_pass_ended) {
        Timer5.set_enabled(false);
        Command1.set_caption(deal_captions::wait);
        Command1.set_enabled(false);
        return;
    }
    // The half pass has ended: the pile rests.
    Timer1.set_enabled(false);
    if (DrawnCount == 9) {
        // Nine cards: ReadyToInterpret, and the interpretation opens.
        Timer5.set_enabled(false);
        Command1.set_caption(deal_captions::interpret);
        Command1.set_picture(Picture3(2).picture());
        Command1.set_down_picture(Picture3(2).picture());
        Command1.set_enabled(true);
        Inter.set_enabled(true);
        form<ViewFRM>().show();
    } else {
        // Fewer: the table is reset.
        ResetDeal();
    }
}
