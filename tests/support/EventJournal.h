#pragma once

#include "runtime/Form.h"
#include "runtime/Runtime.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

// What the test windows' procedures did, in order. It is a module of the
// program under test: one per run, and it outlives the windows that write it.
struct EventJournal {
    std::vector<std::string> events;

    static EventJournal& of(rt::Runtime& runtime) { return runtime.module<EventJournal>(); }
    long count(std::string const& event) const { return std::count(events.begin(), events.end(), event); }
};

// A test window whose procedures write what they do to the journal.
struct JournalForm : rt::Form {
    using rt::Form::Form;
    void log(std::string event) { module<EventJournal>().events.push_back(std::move(event)); }
};
