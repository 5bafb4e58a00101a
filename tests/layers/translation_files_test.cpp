#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>

namespace gyro {
namespace {

namespace fs = std::filesystem;

// Every translation file is complete: each text of the interface has its
// translation, none is left unfinished or kept for a text that is gone.
// (scripts/update-translations brings new texts in; the UpdateTranslations
// test fails while a file is not up to date with src/.)
TEST(TranslationFiles, EveryEntryIsFinished) {
    const fs::path folder = fs::path(GYRO_SOURCE_DIR) / "translations";
    int files = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        if (entry.path().extension() != ".ts") continue;
        ++files;
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        SCOPED_TRACE(entry.path().filename().string());
        EXPECT_NE(text.find("sourcelanguage=\"ja\""), std::string::npos);
        for (const char* bad : {"type=\"unfinished\"", "type=\"vanished\"", "type=\"obsolete\"", "<translation/>",
                                "<translation></translation>"}) {
            size_t at = text.find(bad);
            EXPECT_EQ(at, std::string::npos) << bad << " near: " << text.substr(at == std::string::npos ? 0 : (at > 200 ? at - 200 : 0), 260);
        }
        const std::regex message("<message>");
        const std::regex translation("<translation>[^<]+</translation>");
        const auto count = [&text](const std::regex& r) {
            return std::distance(std::sregex_iterator(text.begin(), text.end(), r), std::sregex_iterator());
        };
        EXPECT_GT(count(message), 300);
        EXPECT_EQ(count(translation), count(message));
    }
    EXPECT_GE(files, 1);
}

}  // namespace
}  // namespace gyro
