#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "io/settings_file.h"
#include "settings_round.h"
#include "state/app_state.h"

namespace gyro {
namespace {

namespace fs = std::filesystem;

std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Every input the fuzzer was seeded with, and every one it found worth keeping,
// goes the whole settings path again on each test run.
TEST(SettingsFuzzCorpus, EveryInputLoadsRebuildsDrawsAndSavesSoundly) {
    std::vector<fs::path> files;
    for (const fs::directory_entry& e : fs::directory_iterator(GYRO_SETTINGS_CORPUS)) files.push_back(e.path());
    std::sort(files.begin(), files.end());
    ASSERT_GE(files.size(), 10u);
    for (const fs::path& file : files) {
        EXPECT_EQ(fuzz::RunSettingsRound(Read(file)), "") << file.filename();
    }
}

// The fuzzer's dictionary is exactly the keys a saved file writes, so that a
// renamed or added key does not go unfuzzed.
TEST(SettingsFuzzCorpus, DictionaryHoldsEverySavedKey) {
    std::set<std::string> dictionary;
    std::ifstream in(fs::path(GYRO_SETTINGS_CORPUS) / "../../settings.dict");
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        ASSERT_TRUE(line.size() > 2 && line.front() == '"' && line.back() == '"') << line;
        dictionary.insert(line.substr(1, line.size() - 2));
    }
    AppState state;
    InitAppState(state);
    std::set<std::string> saved;
    const std::string text = SaveSettings(state);
    for (size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
        saved.insert(text.substr(start, text.find(':', start) + 1 - start));
    }
    EXPECT_EQ(saved.size(), size_t(kSettingsLineCount));
    EXPECT_EQ(dictionary, saved);
}

}  // namespace
}  // namespace gyro
