#include "main_window/MirvaneFRM.h"

#include "main_window/Motion.h"

void MirvaneFRM::Timer2_Timer()
{
    // 1. The pick counter moves on.
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
    // 2. The card's face.
    place.set_picture(Карта(Deck[PickIndex]).picture());
    // 3. Its meaning, for the interpretation.
    place.set_tool_tip_text(CardMeaning(Deck[PickIndex]));
    // 4. The card leaves the pack.
    for (int i = PickIndex; i <= 34; ++i)
        Deck[static_cast<std::size_t>(i)] = Deck[static_cast<std::size_t>(i + 1)];
    // 5. The flight is over ...
    Timer3.set_enabled(false);
    // 6. ... and the pile moves on.
    Timer1.set_enabled(true);
}
