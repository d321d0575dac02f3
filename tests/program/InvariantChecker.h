#pragma once

#include "SettingsWatch.h"
#include "runtime/headless/Headless.h"

#include <filesystem>
#include <string>

// The rules that hold after every event and every timer tick of a run of the
// whole program, whatever the user does. Each check returns what broke, or ""
// when everything holds.
class InvariantChecker {
public:
    InvariantChecker(rt::Headless&, std::filesystem::path settings_file);

    // After a timer tick (ticked: the timer) or any other event (nullptr).
    std::string check(rt::Control const* ticked);
    // After each whole event; closed_main says it was a close request of the main window.
    std::string check_event(bool closed_main);
    // At the end of a run: ended cleanly, or still running sanely.
    std::string check_end();

    // How many times a deal reached its interpretation, for the shard's figures.
    long interpretations() const { return m_interpretations; }

private:
    enum class DealState { ReadyToStart, AwaitingDraw, CardInFlight, Stopped, StoppedKeepsDraw, ReadyToInterpret };
    struct Spread;

    std::string check_messages() const;
    std::string check_places(MirvaneFRM&, Spread&) const;
    std::string check_deal_state(MirvaneFRM&, Spread const&, rt::Control const* ticked);
    std::string check_state_details(MirvaneFRM&, DealState, Spread const&, rt::Control const* ticked) const;
    std::string check_interpretation(Spread const&) const;
    bool running(rt::Control const& timer) const;

    rt::Headless& m_h;
    SettingsWatch m_settings;
    bool m_was_interpreting { false };
    long m_interpretations { 0 };
};
