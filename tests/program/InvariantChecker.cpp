#include "InvariantChecker.h"

#include "MirvaneFRMTestAccess.h"
#include "PlacesView.h"
#include "windows/ViewFRM.h"

#include <array>

namespace {

std::string const caption_draw = "Тянуть\rкарту";
std::string const caption_interpret = "Интерпре-\rтация";
std::string const caption_start = "Начать\rсдачу";
std::string const caption_wait = "Подождите";

// The deal button and the three deal menu items in each deal state; a
// picture is the index of the Picture3 icon that the button shows.
struct StateRow {
    char const* name;
    std::string const& caption;
    bool enabled;
    int picture;
    int down_picture;
    bool get_push;
    bool stop_push;
    bool inter;
};

StateRow const state_table[] = {
    { "ReadyToStart", caption_start, true, 3, 3, true, false, false },
    { "AwaitingDraw", caption_draw, true, 0, 1, false, true, false },
    { "CardInFlight", caption_wait, false, 0, 1, false, true, false },
    { "Stopped", caption_wait, false, 0, 1, true, false, false },
    // Stopped before the first draw: the button keeps its caption until the next tick of Timer1.
    { "Stopped (before its next pile tick)", caption_draw, true, 0, 1, true, false, false },
    { "ReadyToInterpret", caption_interpret, true, 2, 2, true, false, true },
};

int icon_of(MirvaneFRM& main, rt::PictureRef const& picture)
{
    for (int i = 0; i <= 3; ++i) {
        if (picture == main.Picture3(i).picture())
            return i;
    }
    return -1;
}

std::string printable(std::string text)
{
    for (auto& c : text) {
        if (c == '\r')
            c = '|';
    }
    return text;
}

std::string describe_deal(MirvaneFRM& main)
{
    auto yes = [](bool b) { return b ? "on" : "off"; };
    return "button \"" + printable(main.Command1.caption()) + "\" " + (main.Command1.enabled() ? "enabled" : "disabled")
        + ", icons " + std::to_string(icon_of(main, main.Command1.picture())) + "/"
        + std::to_string(icon_of(main, main.Command1.down_picture())) + ", GetPush " + yes(main.GetPush.enabled())
        + ", StopPush " + yes(main.StopPush.enabled()) + ", Inter " + yes(main.Inter.enabled());
}

}

struct InvariantChecker::Spread {
    int faces { 0 };
    bool landed_back { false };
    std::array<std::string, 9> tips;
};

InvariantChecker::InvariantChecker(rt::Headless& h, std::filesystem::path settings_file)
    : m_h(h)
    , m_settings(std::move(settings_file))
{
}

bool InvariantChecker::running(rt::Control const& timer) const { return m_h.runtime().timers().armed(timer); }

std::string InvariantChecker::check(rt::Control const* ticked)
{
    if (auto broken = check_messages(); !broken.empty())
        return broken;
    auto* main = m_h.runtime().loaded_form<MirvaneFRM>();
    if (m_h.runtime().ended() || !main)
        return {};
    Spread spread;
    if (auto broken = check_places(*main, spread); !broken.empty())
        return broken;
    if (auto broken = check_deal_state(*main, spread, ticked); !broken.empty())
        return broken;
    return check_interpretation(spread);
}

std::string InvariantChecker::check_event(bool closed_main)
{
    if (auto broken = check_messages(); !broken.empty())
        return broken;
    auto& runtime = m_h.runtime();
    auto* main = runtime.loaded_form<MirvaneFRM>();
    return m_settings.check(main, runtime.module<MirvaneMDL>().UserSex, runtime.ended(), closed_main);
}

std::string InvariantChecker::check_end()
{
    if (auto broken = check_messages(); !broken.empty())
        return broken;
    auto& runtime = m_h.runtime();
    if (runtime.ended())
        return m_h.quit_requested() ? "" : "the program ended without quitting";
    rt::Form* active = runtime.active_form();
    if (!active || !active->loaded() || !active->visible())
        return "the program runs without an active visible window";
    return {};
}

std::string InvariantChecker::check_messages() const
{
    auto const& boxes = m_h.message_boxes();
    if (boxes.empty())
        return {};
    std::string const& text = boxes.front().text;
    if (text.starts_with("Run-time error"))
        return "untrapped error: " + text;
    return "unexpected message box: " + text;
}

std::string InvariantChecker::check_places(MirvaneFRM& main, Spread& spread) const
{
    std::array<bool, card_count> dealt {};
    bool gap = false;
    for (int p = 0; p <= 8; ++p) {
        std::string const where = "place " + std::to_string(p);
        Shown const shown = shown_by(main, main.Расклад(p).picture());
        std::string const& tip = main.Расклад(p).tool_tip_text();
        spread.tips[static_cast<std::size_t>(p)] = tip;
        if (shown.what == Shown::Unknown)
            return where + " shows neither a face, a back nor nothing";
        if (shown.what == Shown::Face) {
            if (gap)
                return where + " shows a face after an unfilled place";
            if (dealt[static_cast<std::size_t>(shown.number)])
                return "card " + std::to_string(shown.number) + " shows twice, again on " + where;
            dealt[static_cast<std::size_t>(shown.number)] = true;
            if (tip != CardMeaning(static_cast<CardIndex>(shown.number)))
                return where + " shows card " + std::to_string(shown.number) + " with the tool tip \"" + tip + "\"";
            ++spread.faces;
            continue;
        }
        if (!tip.empty())
            return where + " shows no face but has the tool tip \"" + tip + "\"";
        if (shown.what == Shown::Back) {
            if (gap)
                return where + " shows a landed back after an unfilled place";
            spread.landed_back = true;
        }
        gap = true;
    }
    int const drawn = MirvaneFRMTestAccess(main).DrawnCount;
    int const in_flight = drawn - spread.faces;
    if (drawn > 9 || in_flight < 0 || in_flight > 1 || (spread.landed_back && in_flight != 1))
        return std::to_string(drawn) + " cards drawn, " + std::to_string(spread.faces) + " faces shown"
            + (spread.landed_back ? " and a landed back" : "");
    return {};
}

std::string InvariantChecker::check_deal_state(MirvaneFRM& main, Spread const& spread, rt::Control const* ticked)
{
    int const picture = icon_of(main, main.Command1.picture());
    int const down = icon_of(main, main.Command1.down_picture());
    for (std::size_t i = 0; i < std::size(state_table); ++i) {
        StateRow const& row = state_table[i];
        if (main.Command1.caption() == row.caption && main.Command1.enabled() == row.enabled && picture == row.picture
            && down == row.down_picture && main.GetPush.enabled() == row.get_push
            && main.StopPush.enabled() == row.stop_push && main.Inter.enabled() == row.inter) {
            auto const state = static_cast<DealState>(i);
            bool const interpreting = state == DealState::ReadyToInterpret;
            if (interpreting && !m_was_interpreting)
                ++m_interpretations;
            m_was_interpreting = interpreting;
            auto broken = check_state_details(main, state, spread, ticked);
            return broken.empty() ? "" : std::string(row.name) + ": " + broken;
        }
    }
    return "deal in no deal state: " + describe_deal(main);
}

std::string InvariantChecker::check_state_details(
    MirvaneFRM& main, DealState state, Spread const& spread, rt::Control const* ticked) const
{
    bool const t1 = running(main.Timer1), t3 = running(main.Timer3), t5 = running(main.Timer5);
    if (!running(main.Timer2) || !running(main.Timer4))
        return "the pick counter or the banner drift stopped";
    int const drawn = MirvaneFRMTestAccess(main).DrawnCount;
    switch (state) {
    case DealState::ReadyToStart:
        if (t1 || t3 || t5 || drawn != 0 || spread.faces != 0 || spread.landed_back)
            return "a timer of the deal runs or a card lies on the table";
        return {};
    case DealState::AwaitingDraw:
        if (!t1 || t3 || t5 || drawn > 8 || spread.faces != drawn)
            return "the pile stands still, a card flies or the draws do not match the faces";
        return {};
    case DealState::CardInFlight:
        if (!t5 || t1 == t3 || drawn < 1 || drawn > 8)
            return "not exactly one of the flight and the pile runs, or the button does not come back";
        return {};
    case DealState::Stopped:
        // Besides the ninth card, a card drawn in the moment before the first
        // pile tick after a stop before any draw flies while stopped.
        if (t1 == t3 || (t3 && drawn == 0))
            return "not exactly one of a flight and the pile runs";
        return {};
    case DealState::StoppedKeepsDraw:
        if (ticked == &main.Timer1)
            return "the button still offers a draw after a tick of the pile";
        if (!t1 || drawn != 0)
            return "the pile stands still or cards were drawn";
        return {};
    case DealState::ReadyToInterpret:
        if (t1 || t3 || t5 || spread.faces != 9)
            return "a timer of the deal runs or the spread is not full";
        return {};
    }
    return {};
}

std::string InvariantChecker::check_interpretation(Spread const& spread) const
{
    auto* view = m_h.runtime().loaded_form<ViewFRM>();
    if (!view || !view->visible())
        return {};
    if (m_h.runtime().active_form() != view)
        return "the interpretation window shows while another window is active";
    std::string const expected = interpretation_of(spread.tips);
    if (view->Label1.caption() != expected)
        return "interpretation \"" + view->Label1.caption() + "\", the places give \"" + expected + "\"";
    return {};
}
