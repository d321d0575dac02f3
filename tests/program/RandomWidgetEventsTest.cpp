// The whole program under random use on the real Qt front end: clicks, keys,
// menu items and closes sent through the widgets, real timers ticking in short
// waits between them. Nothing may crash, hang or raise an untrapped error. A
// failure names the seed, the last events and the command that replays the
// same events (their timing may differ).

#include "Journal.h"
#include "RandomSettings.h"
#include "RandomSource.h"
#include "RunOptions.h"
#include "TestFolder.h"
#include "WidgetEventChooser.h"
#include "windows/SexForm.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>

#ifndef RANDOM_WIDGET_EVENTS_PER_SEED
#define RANDOM_WIDGET_EVENTS_PER_SEED 1000
#endif

namespace {

using Clock = std::chrono::steady_clock;
// A shard stops after its events or after this long, whichever comes first.
constexpr std::chrono::seconds shard_time_limit { 60 };
// No single event may hold the program up longer than this.
constexpr std::chrono::seconds event_time_limit { 10 };

// Answers every message box at once and keeps its text: the program itself
// shows none when its folder may be written.
class MessageBoxWatch {
public:
    MessageBoxWatch()
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                m_texts.push_back(box->text().toStdString());
                box->close();
            }
        });
        m_timer.start(20);
    }
    std::string first() const { return m_texts.empty() ? "" : m_texts.front(); }

private:
    QTimer m_timer;
    std::vector<std::string> m_texts;
};

struct Shard {
    RunOptions options;
    Clock::time_point began { Clock::now() };
    long events { 0 };
    long runs { 0 };
    bool out_of_time() const { return Clock::now() - began > shard_time_limit; }
};

std::string check_run_end(rt::QtFrontEnd& front_end)
{
    auto& runtime = front_end.runtime();
    if (runtime.ended())
        return {};
    rt::Form* active = runtime.active_form();
    if (!active || !active->loaded() || !active->visible())
        return "the program runs without an active visible window";
    return {};
}

// End in an earlier run quit the application's event loops and left its quit
// flag set, with which every new loop, a message box's included, returns at
// once; the application's own loop clears it when it returns.
void clear_quit()
{
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
}

// One run of the program, until it ends or the seed's events are used up.
std::string play_run(Shard& shard, RandomSource& random, Journal& journal, long& events_left)
{
    clear_quit();
    TestFolder folder;
    journal.add("new run: " + leave_random_settings(folder, random));
    MessageBoxWatch boxes;
    int argc = 1;
    char name[] = "random_widget_events_test";
    char* argv[] = { name, nullptr };
    rt::QtFrontEnd front_end(argc, argv);
    front_end.runtime().set_app_path(folder.string());
    front_end.runtime().start<SexForm>();
    WidgetEventChooser chooser(front_end, random);
    ++shard.runs;
    while (events_left > 0 && !front_end.runtime().ended() && !shard.out_of_time()) {
        auto const before = Clock::now();
        journal.add(chooser.next());
        --events_left;
        ++shard.events;
        if (Clock::now() - before > event_time_limit)
            return "the event took longer than " + std::to_string(event_time_limit.count()) + " s";
        if (auto const text = boxes.first(); !text.empty())
            return (text.starts_with("Run-time error") ? "untrapped error: " : "unexpected message box: ") + text;
    }
    return check_run_end(front_end);
}

std::string play_seed(Shard& shard, std::uint64_t seed)
{
    RandomSource random(seed);
    Journal journal;
    long events_left = shard.options.events;
    while (events_left > 0 && !shard.out_of_time()) {
        std::string const broken = play_run(shard, random, journal, events_left);
        if (!broken.empty()) {
            return "seed " + std::to_string(seed) + ", event " + std::to_string(shard.options.events - events_left)
                + ": " + broken + "\nlast events:\n" + journal.text() + "replay: " + shard.options.replay_command(seed)
                + "\n";
        }
    }
    return {};
}

}

TEST(RandomWidgetEvents, NoCrashHangOrUntrappedErrorThroughRandomUse)
{
    // The offscreen platform says so for every keyboard grab of an open menu.
    static QtMessageHandler const previous = qInstallMessageHandler(nullptr);
    qInstallMessageHandler([](QtMsgType type, QMessageLogContext const& context, QString const& text) {
        if (previous && !text.startsWith("This plugin does not support"))
            previous(type, context, text);
    });
    Shard shard;
    shard.options.events = RANDOM_WIDGET_EVENTS_PER_SEED;
    std::vector<std::string> args;
    for (QString const& arg : QCoreApplication::arguments())
        args.push_back(arg.toStdString());
    shard.options.parse(args);
    std::uint64_t seed = shard.options.first_seed;
    for (; seed < shard.options.first_seed + shard.options.seeds && !shard.out_of_time(); ++seed) {
        std::string const failure = play_seed(shard, seed);
        if (!failure.empty()) {
            ADD_FAILURE() << failure;
            break;
        }
    }
    double const seconds = std::chrono::duration<double>(Clock::now() - shard.began).count();
    std::printf("seeds %llu..%llu: %ld events, %ld runs, %.2f s%s\n",
        static_cast<unsigned long long>(shard.options.first_seed), static_cast<unsigned long long>(seed - 1),
        shard.events, shard.runs, seconds, shard.out_of_time() ? " (stopped at the time limit)" : "");
}
