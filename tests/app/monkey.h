#pragma once

// The monkey: a seeded random user of the real main window. It presses, holds
// and releases every key the window maps, drags and turns the mouse, runs every
// command of the menu bar (found by walking the menus, so commands added later
// are run too), answers every dialog with random field text and OK, Cancel or
// Escape, resizes the window, loads settings files in the middle of a motion
// and runs frames between events. After every event it checks the state
// invariants (support/state_invariants.h). The same seed and event count give
// the same run, so a failure can be replayed from the two numbers.

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace gyro::test {

struct MonkeyRun {
    uint64_t seed = 1;
    int64_t events = 1000;
    std::string corpusDir;  // settings files loaded mid-motion
    std::string workDir;    // where saved settings and pictures go
    bool trace = false;     // print every event before it runs (for a replay)
};

struct MonkeyResult {
    int64_t eventsRun = 0;
    // Empty when every invariant held after every event; otherwise the seed,
    // the event number, the broken invariant and the events before it.
    std::string failure;
    std::map<std::string, int64_t> counts;  // events by kind, dialogs answered, ...
    std::map<std::string, double> milliseconds;  // time by kind of event, frames after it included
    // The slowest events, slowest first: milliseconds (the invariant checks
    // after it included) and the event as the trace prints it.
    std::vector<std::pair<double, std::string>> slowest;
    std::string finalSettings;              // the settings text at the end
    uint64_t eventDigest = 0;               // a digest of every event description
    // Menus held by the window at the start and the end: a change of language
    // makes them anew, and the old ones must go.
    int64_t menusAtStart = 0;
    int64_t menusAtEnd = 0;
};

MonkeyResult RunMonkey(const MonkeyRun& run);

}  // namespace gyro::test
