#pragma once

#include "main_window/MirvaneFRM.h"

#include <array>
#include <string>

// What a control shows, told by the picture object it holds: a card face is
// the very picture of Карта(k), a back design the very picture of Picture4(d).
struct Shown {
    enum What { Nothing, Face, Back, Unknown } what { Nothing };
    int number { -1 }; // the card for a face, the design for a back
};

inline Shown shown_by(MirvaneFRM& main, rt::PictureRef const& picture)
{
    if (!picture || picture == main.Image1.picture())
        return {};
    for (int k = 0; k < card_count; ++k) {
        if (picture == main.Карта(k).picture())
            return { Shown::Face, k };
    }
    for (int d = 0; d < back_design_count; ++d) {
        if (picture == main.Picture4(d).picture())
            return { Shown::Back, d };
    }
    return { Shown::Unknown, -1 };
}

// The design on the backs of the pile, -1 when they show none.
inline int back_design(MirvaneFRM& main)
{
    Shown const shown = shown_by(main, main.Рубашка(0).picture());
    return shown.what == Shown::Back ? shown.number : -1;
}

// The text the interpretation window must show for these tool tips: the
// first non-empty one opens it, every later place adds " > " and its tool
// tip, empty or not, and "." closes it.
inline std::string interpretation_of(std::array<std::string, 9> const& tips)
{
    std::string text;
    bool opened = false;
    for (auto const& tip : tips) {
        if (opened)
            text += " > " + tip;
        else if (!tip.empty()) {
            text = tip;
            opened = true;
        }
    }
    return text + ".";
}
