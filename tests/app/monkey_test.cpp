#include "app/monkey.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "support/temp_dir.h"

namespace gyro::test {
namespace {

// GYRO_MONKEY_SEED and GYRO_MONKEY_EVENTS replay or lengthen a run
// (scripts/monkey sets them); without them every test run plays the same
// 20,000 events.
uint64_t EnvNumber(const char* name, uint64_t fallback) {
    const char* text = std::getenv(name);
    return text != nullptr && *text != 0 ? std::strtoull(text, nullptr, 10) : fallback;
}

MonkeyRun MonkeyIn(const test_support::TempDir& dir, uint64_t seed, int64_t events) {
    MonkeyRun run;
    run.seed = seed;
    run.events = events;
    run.corpusDir = GYRO_SETTINGS_CORPUS;
    run.workDir = (dir.path() / "work").string();
    run.trace = std::getenv("GYRO_MONKEY_TRACE") != nullptr;
    return run;
}

TEST(Monkey, SeededEventsKeepEveryInvariant) {
    test_support::TempDir dir;
    const uint64_t seed = EnvNumber("GYRO_MONKEY_SEED", 20261208);
    const auto events = static_cast<int64_t>(EnvNumber("GYRO_MONKEY_EVENTS", 20000));
    const MonkeyResult result = RunMonkey(MonkeyIn(dir, seed, events));
    EXPECT_EQ(result.failure, "");
    EXPECT_EQ(result.eventsRun, events);
    EXPECT_EQ(result.menusAtEnd, result.menusAtStart);
    std::string summary = "monkey seed " + std::to_string(seed) + ", " + std::to_string(result.eventsRun) + " events:";
    for (const auto& [kind, n] : result.counts) {
        const auto ms = result.milliseconds.find(kind);
        summary += " " + kind + " " + std::to_string(n);
        if (ms != result.milliseconds.end()) summary += " (" + std::to_string(static_cast<int64_t>(ms->second)) + " ms)";
        summary += ",";
    }
    for (const auto& [kind, ms] : result.milliseconds) {
        if (result.counts.count(kind) == 0) summary += " " + kind + " " + std::to_string(static_cast<int64_t>(ms)) + " ms,";
    }
    std::fprintf(stderr, "%s\n", summary.c_str());
    for (const auto& [ms, what] : result.slowest) {
        std::fprintf(stderr, "monkey slow event: %lld ms, %s\n", static_cast<long long>(ms), what.c_str());
    }
    // Every kind of event happened, dialogs were answered and files loaded.
    if (events >= 2000) {
        for (const char* kind : {"key press", "key release", "mouse drag", "mouse wheel", "command", "dialog",
                                 "load mid-motion", "resize", "figure step", "file chooser", "colour chooser",
                                 "largest view"}) {
            EXPECT_GT(result.counts.count(kind) ? result.counts.at(kind) : 0, 0) << kind;
        }
    }
}

// A seed and an event count are a replay: the same events, the same end.
TEST(Monkey, TheSameSeedPlaysTheSameRun) {
    // Each run saves into a folder of its own, as a fresh start would.
    test_support::TempDir dirs[3];
    const MonkeyResult first = RunMonkey(MonkeyIn(dirs[0], 7, 400));
    const MonkeyResult again = RunMonkey(MonkeyIn(dirs[1], 7, 400));
    const MonkeyResult other = RunMonkey(MonkeyIn(dirs[2], 8, 400));
    EXPECT_EQ(first.failure, "");
    EXPECT_EQ(first.eventDigest, again.eventDigest);
    EXPECT_EQ(first.finalSettings, again.finalSettings);
    EXPECT_EQ(first.counts, again.counts);
    EXPECT_NE(first.eventDigest, other.eventDigest);
}

}  // namespace
}  // namespace gyro::test
