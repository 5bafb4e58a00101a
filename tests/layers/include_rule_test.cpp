#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

// The include rule of the source folders: each folder includes from its own and
// lower layers only, and the core (everything below the top layer) includes no Qt.
// Lowest first; the folders of the top layer are the programs and their dialogs.

namespace gyro {
namespace {

namespace fs = std::filesystem;

const std::map<std::string, int> kLayer = {
    {"model", 0}, {"view", 1}, {"catalog", 2}, {"families", 3}, {"geometry", 4}, {"render", 5},
    {"state", 6}, {"io", 7},   {"shell", 8},   {"app", 9},      {"dialogs", 9}, {"cli", 9}, {"web", 9},
};
constexpr int kTopLayer = 9;

// Pairs within the top layer that may not meet: the headless tool has no
// window, and the window does not use the tool.
bool TopLayerPairAllowed(const std::string& from, const std::string& to) {
    if (from == to) return true;
    if (from == "web" || to == "web") return false;
    return from != "cli" && to != "cli";
}

struct Include {
    std::string file;  // relative to src/
    int line;
    std::string target;
};

std::vector<Include> IncludesOf(const fs::path& src) {
    std::vector<Include> found;
    for (const auto& entry : fs::recursive_directory_iterator(src)) {
        if (!entry.is_regular_file()) continue;
        const std::string ext = entry.path().extension().string();
        if (ext != ".h" && ext != ".cpp") continue;
        std::ifstream in(entry.path());
        int number = 0;
        for (std::string line; std::getline(in, line);) {
            ++number;
            const size_t hash = line.find_first_not_of(" \t");
            if (hash == std::string::npos || line[hash] != '#') continue;
            const size_t word = line.find("include", hash);
            if (word == std::string::npos) continue;
            const size_t open = line.find_first_of("\"<", word);
            if (open == std::string::npos) continue;
            const size_t close = line.find(line[open] == '"' ? '"' : '>', open + 1);
            if (close == std::string::npos) continue;
            found.push_back({fs::relative(entry.path(), src).generic_string(), number,
                             std::string(1, line[open]) + line.substr(open + 1, close - open - 1)});
        }
    }
    return found;
}

std::string FolderOf(const std::string& path) { return path.substr(0, path.find('/')); }

TEST(IncludeRule, EachFolderIncludesOnlyItsOwnAndLowerLayers) {
    const fs::path src = fs::path(GYRO_SOURCE_DIR) / "src";
    ASSERT_TRUE(fs::is_directory(src)) << src;
    const std::vector<Include> includes = IncludesOf(src);
    ASSERT_GT(includes.size(), 100u);  // the walk found the sources
    for (const Include& inc : includes) {
        const std::string from = FolderOf(inc.file);
        ASSERT_TRUE(kLayer.count(from)) << "a folder outside the layer order: " << from;
        const int fromLayer = kLayer.at(from);
        const std::string where = inc.file + ":" + std::to_string(inc.line) + " includes " + inc.target.substr(1);
        if (inc.target[0] == '<') {
            // Qt headers all begin with Q; the core must not see any.
            if (fromLayer < kTopLayer) {
                EXPECT_NE(inc.target[1], 'Q') << where;
            }
            continue;
        }
        const std::string path = inc.target.substr(1);
        const std::string to = FolderOf(path);
        ASSERT_TRUE(path.find('/') != std::string::npos && kLayer.count(to))
            << where << ": project headers are named by their folder";
        EXPECT_LE(kLayer.at(to), fromLayer) << where << ": upward";
        if (fromLayer == kTopLayer && kLayer.at(to) == kTopLayer) {
            EXPECT_TRUE(TopLayerPairAllowed(from, to)) << where;
        }
    }
}

}  // namespace
}  // namespace gyro
