// The whole program under random use, from the start dialog on: every seed
// plays runs of the program until it has delivered its events, and after
// every event and every timer tick the rules of the deal, the spread, the
// interpretation and the settings file must hold. A failure names the seed,
// the last events and the command that replays it.

#include "EventChooser.h"
#include "InvariantChecker.h"
#include "Journal.h"
#include "RandomSettings.h"
#include "RandomSource.h"
#include "RunOptions.h"
#include "TestFolder.h"
#include "windows/SexForm.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>

#ifndef RANDOM_EVENTS_PER_SEED
#define RANDOM_EVENTS_PER_SEED 1000
#endif

namespace {

RunOptions options;

struct Figures {
    long events { 0 };
    long runs { 0 };
    long interpretations { 0 };
};

double random_start_time(RandomSource& random)
{
    switch (random.weighted({ 40, 10, 50 })) {
    case 0:
        return 86380.0 + static_cast<double>(random.below(19990)) / 1000.0;
    case 1:
        return static_cast<double>(random.below(5000)) / 1000.0;
    default:
        return static_cast<double>(random.below(86400000)) / 1000.0;
    }
}

// One run of the program in folder, until it ends or the seed's events are
// used up; what broke, or "".
std::string play_run(
    TestFolder const& folder, RandomSource& random, Journal& journal, long& events_left, Figures& figures)
{
    auto const settings = folder / "mirvane.ini";
    std::string const file = leave_random_settings(folder, random);
    double const start = random_start_time(random);
    journal.add("new run: " + file + ", time of day " + std::to_string(start) + " s");
    rt::Headless h(folder.string(), start);
    InvariantChecker checker(h, settings);
    std::string broken;
    EventChooser chooser(h, random, [&](rt::Control const* ticked) {
        broken = checker.check(ticked);
        return broken.empty();
    });
    h.start<SexForm>();
    broken = checker.check(nullptr);
    for (bool first = true; broken.empty() && events_left > 0 && !h.runtime().ended(); first = false) {
        auto const outcome = first ? chooser.answer() : chooser.next();
        journal.add(outcome.text);
        --events_left;
        ++figures.events;
        if (broken.empty())
            broken = checker.check(nullptr);
        if (broken.empty())
            broken = checker.check_event(outcome.closed_main);
    }
    if (broken.empty())
        broken = checker.check_end();
    ++figures.runs;
    figures.interpretations += checker.interpretations();
    return broken;
}

// Plays one seed; what broke, with the journal, or "".
std::string play_seed(std::uint64_t seed, long events, Figures& figures)
{
    RandomSource random(seed);
    Journal journal;
    TestFolder folder;
    long events_left = events;
    while (events_left > 0) {
        std::string const broken = play_run(folder, random, journal, events_left, figures);
        if (!broken.empty()) {
            return "seed " + std::to_string(seed) + ", event " + std::to_string(events - events_left) + " of "
                + std::to_string(events) + ": " + broken + "\nlast events:\n" + journal.text()
                + "replay: " + options.replay_command(seed) + "\n";
        }
    }
    return {};
}

}

TEST(RandomEvents, EveryRuleHoldsThroughRandomUse)
{
    auto const began = std::chrono::steady_clock::now();
    Figures figures;
    std::uint64_t seed = options.first_seed;
    for (; seed < options.first_seed + options.seeds; ++seed) {
        std::string const failure = play_seed(seed, options.events, figures);
        if (!failure.empty()) {
            ADD_FAILURE() << failure;
            break;
        }
    }
    double const seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
    std::printf("seeds %llu..%llu: %llu seeds, %ld events, %ld runs, %ld deals to the interpretation, %.2f s\n",
        static_cast<unsigned long long>(options.first_seed), static_cast<unsigned long long>(seed - 1),
        static_cast<unsigned long long>(seed - options.first_seed), figures.events, figures.runs,
        figures.interpretations, seconds);
}

int main(int argc, char** argv)
{
    options.events = RANDOM_EVENTS_PER_SEED;
    std::vector<std::string> args(argv, argv + argc);
    options.parse(args);
    std::vector<char*> rest;
    for (auto& arg : args)
        rest.push_back(arg.data());
    int rest_count = static_cast<int>(rest.size());
    testing::InitGoogleTest(&rest_count, rest.data());
    return RUN_ALL_TESTS();
}
