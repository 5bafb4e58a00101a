#include "io/settings_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <clocale>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <locale>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "render/render_frame.h"
#include "support/temp_dir.h"

namespace gyro {
namespace {

namespace fs = std::filesystem;
using test_support::TempDir;

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// A state with a value other than the start value in every kind of field.
AppState ChangedState() {
    AppState s;
    s.solid.zukei = 416;
    s.solid.params.kikaku = 1;
    s.solid.params.conn = 7;
    s.solid.params.conpn = 2;
    s.solid.params.consx = -120;
    s.solid.params.conhang = 0;
    s.solid.params.sphspn = 2.5;
    s.solid.params.viewx = 640;
    s.solid.params.palette[9] = 0x00123456;
    s.solid.params.sikisoufq = -300;
    s.display.fracn = 3;
    s.display.infopanel = 1;
    s.display.facecolmode = 11;
    s.display.bkcol = 0x00abcdef;
    s.display.lightang1 = -3599;
    s.display.stereoon = 1;
    s.view.ax = {{{0.6, 0.8, 0}, {-0.8, 0.6, 0}, {0, 0, 1}}};
    s.view.rad = 0.25;
    s.view.nax = {1.5, -2.25, 0};
    s.view.autorotarg2v = -17;
    s.display.fitwindow = 1;
    return s;
}

TEST(SettingsFile, WritesEveryKeyInOrderWithCrLf) {
    const std::string text = SaveSettings(AppState{});
    // The order saved files have always had.
    std::istringstream order(
        "zukei kikaku conn conpn conh conwx conwz consx consz conarg conhang conzeqx conyeqx congais "
        "conhensez conarchi conapm sphn sphpn sphm sphpm sphwx sphwy sphwz sphsx sphsz sphtx sphtz spharg "
        "sphhang sphzeqx sphyeqx sphgais sphtei sphspon sphsphg sphspn sphspm sphtwx sphtwz fracn viewx viewy "
        "facecolmode facecol orgcolpat penbold pencolmode pencol urapenbold urapencolmode urapencol bkmode "
        "bkcol ax[0][0] ax[0][1] ax[0][2] ax[1][0] ax[1][1] ax[1][2] ax[2][0] ax[2][1] ax[2][2] rad nax[0] "
        "nax[1] nax[2] nang njim lightmode lightang1 lightang2 lightang1v lightang2v lightdep lightmin "
        "lightmax lightsquare lightmirror lightmove shadowcol lightcol col[0] col[1] col[2] col[3] col[4] "
        "col[5] col[6] col[7] col[8] col[9] sikisouhz sikisourt sikisoufq person persdz perssx perssy "
        "stereoon stereodip stereodist rezerse symmet ctpix exactdepth autoroton autorotarg1v autorotarg2v fitwindow "
        "infopanel");
    const std::vector<std::string> keys{std::istream_iterator<std::string>(order), {}};
    const std::vector<std::string> lines = Lines(text);
    ASSERT_EQ(lines.size(), 111u);
    ASSERT_EQ(keys.size(), 111u);
    for (size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].substr(0, keys[i].size() + 1), keys[i] + ":") << i;
        EXPECT_EQ(lines[i].back(), '\r') << i;
    }
    for (const char* line : {"kikaku:-1\r", "facecol:00ffffff\r", "bkcol:00ffff00\r", "ax[1][1]:1.000000\r",
                             "nang:22.500000\r", "col[4]:00ff0080\r", "autorotarg2v:10\r"}) {
        EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << line;
    }
}

TEST(SettingsFile, RoundTripGivesTheSameFile) {
    const std::string text = SaveSettings(ChangedState());
    AppState loaded;
    EXPECT_EQ(LoadSettingsFromText(text, loaded), kSettingsLineCount);
    EXPECT_EQ(SaveSettings(loaded), text);
    EXPECT_EQ(loaded.display.fitwindow, 1);  // "窓に合わせる" comes back on
    EXPECT_EQ(loaded.solid.params.kikaku, 1);
    EXPECT_EQ(loaded.display.lightang1, -3599);
    EXPECT_EQ(loaded.view.nax[1], -2.25);

    // Reverse order, LF only: the same result.
    std::vector<std::string> lines = Lines(text);
    std::string reversed;
    for (auto it = lines.rbegin(); it != lines.rend(); ++it) reversed += it->substr(0, it->size() - 1) + "\n";
    AppState fromReversed;
    LoadSettingsFromText(reversed, fromReversed);
    EXPECT_EQ(SaveSettings(fromReversed), text);

    // Six decimals: the matrix comes back rounded.
    AppState rotated;
    rotated.view.ax[0][0] = 0.70710678;
    AppState back;
    LoadSettingsFromText(SaveSettings(rotated), back);
    EXPECT_EQ(back.view.ax[0][0], 0.707107);
}

// A value that rounds to zero is saved as "0.000000", whatever its sign, so that
// the file loads back as written.
TEST(SettingsFile, NegativeZeroIsSavedWithoutItsSign) {
    AppState state;
    state.solid.params.sphspm = -0.0;
    state.view.rad = -1e-9;
    const std::string text = SaveSettings(state);
    EXPECT_NE(text.find("sphspm:0.000000\r\n"), std::string::npos);
    EXPECT_EQ(text.find("-0.000000"), std::string::npos);
    AppState loaded;
    LoadSettingsFromText(text, loaded);
    EXPECT_EQ(SaveSettings(loaded), SaveSettings(loaded));
    state.solid.params.sphspm = 0.0;
    EXPECT_EQ(text, SaveSettings(state)) << "minus zero and zero are saved alike";
}

// The drawing mode is saved; files from before it was saved draw exactly, and a
// file that sets nothing leaves it alone.
TEST(SettingsFile, ExactDepthIsSavedAndFilesWithoutItDrawExactly) {
    AppState state;
    state.display.exactdepth = 0;
    EXPECT_NE(SaveSettings(state).find("exactdepth:0\r\n"), std::string::npos);
    EXPECT_EQ(LoadSettingsFromText("zukei:21\r\n", state), 1);
    EXPECT_EQ(state.display.exactdepth, 1);
    EXPECT_EQ(LoadSettingsFromText("zukei:21\r\nexactdepth:0\r\n", state), 2);
    EXPECT_EQ(state.display.exactdepth, 0);
    EXPECT_EQ(LoadSettingsFromText("no settings here\r\n", state), 0);
    EXPECT_EQ(state.display.exactdepth, 0);
    EXPECT_EQ(LoadSettingsFromText("exactdepth:7\r\n", state), 1);
    EXPECT_EQ(state.display.exactdepth, 1);
}

TEST(SettingsFile, FormatIgnoresTheProcessLocale) {
    struct CommaDecimal : std::numpunct<char> {
        char do_decimal_point() const override { return ','; }
        std::string do_grouping() const override { return "\3"; }
    };
    const std::locale previous = std::locale::global(std::locale(std::locale::classic(), new CommaDecimal));
    const bool haveCLocale = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
    AppState s;
    s.view.rad = 1234.5;
    std::ostringstream out;
    out.imbue(std::locale());
    SaveSettings(s, out);
    AppState loaded;
    LoadSettingsFromText("nang:0.5\nconh:12345\n", loaded);
    std::setlocale(LC_NUMERIC, "C");
    std::locale::global(previous);
    EXPECT_NE(out.str().find("rad:1234.500000\r\n"), std::string::npos) << haveCLocale;
    EXPECT_EQ(loaded.view.nang, 0.5);
    EXPECT_EQ(loaded.solid.params.conh, 12345);
}

TEST(SettingsFile, PartialFileChangesOnlyItsKeys) {
    const AppState start = ChangedState();
    AppState s = start;
    EXPECT_EQ(LoadSettingsFromText("zukei:1\r\n", s), 1);
    std::vector<std::string> before = Lines(SaveSettings(start)), after = Lines(SaveSettings(s));
    EXPECT_EQ(after[0], "zukei:1\r");
    before.erase(before.begin());
    after.erase(after.begin());
    EXPECT_EQ(before, after);

    // A byte-order mark written by another editor does not hide the first key.
    AppState marked = start;
    EXPECT_EQ(LoadSettingsFromText("\xEF\xBB\xBFzukei:1\r\n", marked), 1);
    EXPECT_EQ(marked.solid.zukei, 1);
}

TEST(SettingsFile, ReadsValuesAsDescribed) {
    struct Case {
        const char* text;
        std::function<int64_t(const AppState&)> field;
        int64_t expected;
    };
    auto facecol = [](const AppState& s) { return int64_t{s.display.facecol}; };
    auto lightang1 = [](const AppState& s) { return int64_t{s.display.lightang1}; };
    auto conh = [](const AppState& s) { return int64_t{s.solid.params.conh}; };
    auto fitwindow = [](const AppState& s) { return int64_t{s.display.fitwindow}; };
    const Case cases[] = {
        {"fitwindow:7", fitwindow, 1},               // a flag is 0 or 1
        {"fitwindow:0", fitwindow, 0},
        {"facecol:00ffffff", facecol, 0xffffff},
        {"facecol:ffffff", facecol, 0xffffff},
        {"facecol:0xffffff", facecol, 0xffffff},
        {"facecol: FF", facecol, 0xff},
        {"facecol:ff123456", facecol, 0x123456},     // top byte masked
        {"facecol:12\nfacecol:1ffffffff", facecol, 0x12},  // beyond 32 bits: ignored
        {"facecol:0x1\nfacecol:0x2", facecol, 2},    // the last one wins
        {"lightang1v:15", lightang1, 0},             // the colon must follow the key
        {"lightang1:-20 trailing", lightang1, -20},
        {"conhang:0", conh, 800},
        {"conh:2147483647", conh, 2147483647},
        {"conh:2147483648", conh, 800},  // does not fit 32 bits
        {"conh:-2147483648", conh, -2147483648LL},
        {"conh:", conh, 800},
        {"conh:+12", conh, 12},
        {"CONH:12", conh, 800},
        {"fracn:300", [](const AppState& s) { return int64_t{s.display.fracn}; }, 44},
        {"zukei:70000", [](const AppState& s) { return int64_t{s.solid.zukei}; }, 4464},
        {"sphspn:5000", [](const AppState& s) { return int64_t(s.solid.params.sphspn); }, 1000},
        {"sphspn:-3", [](const AppState& s) { return int64_t(s.solid.params.sphspn); }, 0},
        {"col[10]:ff", [](const AppState& s) { return int64_t{s.solid.params.palette[9]}; }, 0},
        {"col[9]:ff", [](const AppState& s) { return int64_t{s.solid.params.palette[9]}; }, 0xff},
        {"col[-1]:ff\ncol[9999999999]:ff", [](const AppState& s) { return int64_t{s.solid.params.palette[0]}; },
         0xffff},
    };
    for (const Case& c : cases) {
        AppState s;
        LoadSettingsFromText(c.text, s);
        EXPECT_EQ(c.field(s), c.expected) << c.text;
    }

    AppState s;
    LoadSettingsFromText("kikaku:-1\nax[3][0]:5\nax[0][3]:5\nax[2][1]:0.5\nnax[3]:9\nnax[0]:-1.5\nax[1][0]:\n"
                         "rad:nan\nnang:inf\nnax[2]:1e999\nsphspm:nan\nsphspn:-0\n",
                         s);
    EXPECT_EQ(s.view.ax, (Matrix3{{{1, 0, 0}, {0, 1, 0}, {0, 0.5, 1}}}));
    EXPECT_EQ(s.view.nax, (std::array<double, 3>{-1.5, 0, 45}));
    EXPECT_EQ(s.view.rad, 1.0);
    EXPECT_EQ(s.view.nang, 22.5);
    EXPECT_EQ(s.solid.params.sphspm, 1000.0);  // not a number: the top of the range
    EXPECT_NE(SaveSettings(s).find("kikaku:-1\r\n"), std::string::npos);
    EXPECT_NE(SaveSettings(s).find("sphspn:0.000000\r\n"), std::string::npos);
}

TEST(SettingsFile, SuperQuadricExponentsThatAreNotNumbersLoadAsTheTop) {
    struct Case {
        const char* value;
        double expected;
    };
    const Case cases[] = {
        {"nan", 1000}, {"-nan", 1000}, {"NAN", 1000}, {"inf", 1000}, {"infinity", 1000}, {"1e400", 1000},
        {"0x1p2000", 1000}, {"-inf", 0}, {"-1e400", 0}, {"1e-400", 0}, {"999.5", 999.5},
    };
    for (const Case& c : cases) {
        for (const char* key : {"sphspn", "sphspm"}) {
            AppState s;
            const std::string line = std::string(key) + ":" + c.value + "\n";
            EXPECT_EQ(LoadSettingsFromText(line, s), 1) << line;
            EXPECT_EQ(key[5] == 'n' ? s.solid.params.sphspn : s.solid.params.sphspm, c.expected) << line;
        }
    }
    // Words that are not numbers at all are still no setting.
    AppState s;
    EXPECT_EQ(LoadSettingsFromText("sphspn:abc\nsphspm:\n", s), 0);
    EXPECT_EQ(s.solid.params.sphspn, 1.0);

    // A file holding only such a line is a settings file, and saves the clamped value.
    TempDir dir;
    WriteFile(dir / "s.txt", "sphspn:nan\r\n");
    ASSERT_TRUE(LoadSettings(dir / "s.txt", s).ok());
    EXPECT_NE(SaveSettings(s).find("sphspn:1000.000000\r\n"), std::string::npos);
}

TEST(SettingsFile, AColouringModeAboveTheMenuIsKeptAndDrawsUnfilled) {
    AppState s;
    InitAppState(s);
    for (int8_t mode : {int8_t{12}, int8_t{127}}) {
        const std::string line = "facecolmode:" + std::to_string(mode) + "\r\n";
        LoadSettingsFromText(line, s);
        EXPECT_EQ(s.display.facecolmode, mode);
        EXPECT_NE(SaveSettings(s).find(line), std::string::npos);

        // The picture is the one of "不透明" (outlines of the faces in front).
        CreateBackBuffer(s, 64, 64);
        RenderFrame(s);
        const std::vector<uint32_t> stray = s.display.backBuffer.pixels;
        s.display.facecolmode = kFaceOpaque;
        RenderFrame(s);
        EXPECT_EQ(stray, s.display.backBuffer.pixels);
        s.display.facecolmode = kFaceGrey;
        RenderFrame(s);
        EXPECT_NE(stray, s.display.backBuffer.pixels);
    }
}

// Every mode a menu entry can set loads as written and is saved back as read,
// the lowest and the highest included.
TEST(SettingsFile, EveryMenuModeLoadsAndSavesAsWritten) {
    struct Mode {
        const char* key;
        int lowest, highest;
    };
    const Mode kModes[] = {
        {"facecolmode", 0, 11}, {"penbold", 0, 2},   {"pencolmode", 0, 4}, {"urapenbold", 0, 3},
        {"urapencolmode", 0, 7}, {"bkmode", 0, 2},   {"lightmode", 0, 3},  {"kikaku", -1, 1},
    };
    for (const Mode& mode : kModes) {
        for (int value = mode.lowest; value <= mode.highest; ++value) {
            AppState s;
            InitAppState(s);
            const std::string line = std::string(mode.key) + ":" + std::to_string(value) + "\r\n";
            EXPECT_EQ(LoadSettingsFromText(line, s), 1) << line;
            EXPECT_NE(SaveSettings(s).find(line), std::string::npos) << mode.key << " " << value;
        }
    }
}

TEST(SettingsFile, LongLinesAreReadIn199CharacterPieces) {
    AppState s;
    LoadSettingsFromText(std::string(199, 'x') + "zukei:7\n", s);
    EXPECT_EQ(s.solid.zukei, 7);  // the second piece is a line of its own
    LoadSettingsFromText("zukei:" + std::string(192, ' ') + "9\n", s);
    EXPECT_EQ(s.solid.zukei, 9);  // 199 characters: one piece
    LoadSettingsFromText("zukei:" + std::string(193, ' ') + "8\n", s);
    EXPECT_EQ(s.solid.zukei, 9);  // the value falls into the next piece
}

TEST(SettingsFile, HugeOrientationValuesStillReloadAsSaved) {
    // Fixed notation of 1e199 would not fit a 199-byte line: such values are
    // kept within +-1e100, so the saved file reads back as itself.
    AppState s;
    LoadSettingsFromText("ax[1][1]:1e199\nax[0][2]:-1e300\nnax[0]:1e250\nnang:-1e120\nrad:1e150\n", s);
    EXPECT_EQ(s.view.ax[1][1], 1e100);
    EXPECT_EQ(s.view.ax[0][2], -1e100);
    EXPECT_EQ(s.view.nax[0], 1e100);
    EXPECT_EQ(s.view.nang, -1e100);
    EXPECT_EQ(s.view.rad, 1e100);
    const std::string text = SaveSettings(s);
    for (const std::string& line : Lines(text)) EXPECT_LT(line.size(), 199u) << line.substr(0, 40);
    AppState back;
    LoadSettingsFromText(text, back);
    EXPECT_EQ(SaveSettings(back), text);
    // Ordinary values are untouched.
    AppState plain;
    LoadSettingsFromText("ax[1][1]:-0.5\nnang:720\nrad:3.25\n", plain);
    EXPECT_EQ(plain.view.ax[1][1], -0.5);
    EXPECT_EQ(plain.view.nang, 720.0);
    EXPECT_EQ(plain.view.rad, 3.25);
}

// Turning rows typed at +-1e100 gives entries up to sqrt(3) times that; they
// are written at the edge, so the file still loads as saved.
TEST(SettingsFile, ValuesPastTheSavedRangeAreWrittenAtItsEdge) {
    AppState s;
    s.view.ax[0] = {1.5e100, -1.7e100, 0.25};
    s.view.nax = {-3e100, 2, 1e308};
    s.view.nang = 1.2e100;
    s.view.rad = 1e300;
    const std::string text = SaveSettings(s);
    for (const std::string& line : Lines(text)) EXPECT_LT(line.size(), 199u) << line.substr(0, 40);
    AppState back;
    LoadSettingsFromText(text, back);
    EXPECT_EQ(SaveSettings(back), text);
    EXPECT_EQ(back.view.ax[0], (std::array<double, 3>{1e100, -1e100, 0.25}));
    EXPECT_EQ(back.view.nax, (std::array<double, 3>{-1e100, 2, 1e100}));
    EXPECT_EQ(back.view.nang, 1e100);
    EXPECT_EQ(back.view.rad, 1e100);
}

TEST(SettingsFile, ValidationKeepsEverythingInRange) {
    AppState s;
    LoadSettingsFromText(
        "viewx:0\nviewy:100000\nlightmin:80\nlightmax:60\nlightdep:-200\nconn:1\nconpn:5\n"
        "sphn:9000\nsphm:3\nsphpn:0\nsphpm:7\nrad:-2\nperson:5\nsymmet:-1\nnjim:2\n"
        "facecolmode:-1\npenbold:-1\nurapencolmode:8\nbkmode:3\nlightmode:4\nkikaku:2\n",
        s);
    EXPECT_EQ(s.solid.params.viewx, 1);
    EXPECT_EQ(s.solid.params.viewy, 8192);
    EXPECT_EQ(s.display.lightmin, 60);
    EXPECT_EQ(s.display.lightmax, 60);
    EXPECT_EQ(s.display.lightdep, -99);
    EXPECT_EQ(s.solid.params.conn, 2);
    EXPECT_EQ(s.solid.params.conpn, 1);
    EXPECT_EQ(s.solid.params.sphn, 8192);
    EXPECT_EQ(s.solid.params.sphm, 2);
    EXPECT_EQ(s.solid.params.sphpn, 1);
    EXPECT_EQ(s.solid.params.sphpm, 1);
    EXPECT_EQ(s.view.rad, 1.0);
    EXPECT_EQ(s.display.person, 1);
    EXPECT_EQ(s.display.symmet, 1);
    EXPECT_EQ(s.view.njim, 1);
    const AppState start;
    EXPECT_EQ(s.display.facecolmode, start.display.facecolmode);
    EXPECT_EQ(s.display.penbold, start.display.penbold);
    EXPECT_EQ(s.display.urapencolmode, start.display.urapencolmode);
    EXPECT_EQ(s.display.bkmode, start.display.bkmode);
    EXPECT_EQ(s.display.lightmode, start.display.lightmode);
    EXPECT_EQ(s.solid.params.kikaku, start.solid.params.kikaku);
}

TEST(SettingsFile, SavesAndLoadsFiles) {
    TempDir dir;
    // Nested folders make a path far beyond 256 bytes.
    fs::path deep = dir.path();
    for (int i = 0; i < 4; ++i) deep /= std::string(100, char('a' + i));
    fs::create_directories(deep);
    const std::string path = (deep / "settings.txt").string();
    ASSERT_GT(path.size(), 400u);

    WriteFile(path, "old");
    const AppState changed = ChangedState();
    ASSERT_TRUE(SaveSettings(changed, path).ok());
    EXPECT_EQ(ReadFile(path), SaveSettings(changed));
    AppState loaded;
    ASSERT_TRUE(LoadSettings(path, loaded).ok());
    EXPECT_EQ(SaveSettings(loaded), SaveSettings(changed));
    EXPECT_EQ(std::vector<std::string>{"settings.txt"}, [&] {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(deep)) names.push_back(e.path().filename());
        return names;
    }());

    // A linked file is updated through the link and keeps its permissions.
    const std::string real = dir / "real.txt", link = dir / "link.txt";
    WriteFile(real, "old");
    ::chmod(real.c_str(), 0600);
    fs::create_symlink(real, link);
    ASSERT_TRUE(SaveSettings(changed, link).ok());
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadFile(real), SaveSettings(changed));
    EXPECT_EQ(fs::status(real).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);

    // A link to a file not yet there creates that file and stays a link.
    const std::string dangling = dir / "dangling.txt";
    fs::create_symlink("later.txt", dangling);
    ASSERT_TRUE(SaveSettings(changed, dangling).ok());
    EXPECT_TRUE(fs::is_symlink(dangling));
    EXPECT_EQ(ReadFile(dir / "later.txt"), SaveSettings(changed));
}

TEST(SettingsFile, FailedLoadLeavesTheStateAlone) {
    TempDir dir;
    const std::string foreign = dir / "picture.bmp", big = dir / "big.txt";
    WriteFile(foreign, "BM\x36\x00\nnot a settings file\nax[5][5]:1\n");
    WriteFile(big, std::string(kMaxSettingsFileBytes, '\n') + "zukei:1\n");
    for (const std::string& path : std::vector<std::string>{dir / "missing.txt", dir.path().string(), foreign, big}) {
        AppState s = ChangedState();
        s.display.lightmin = 99;  // out of range: a failed load must not even validate
        const Status status = LoadSettingsFile(path, s);
        EXPECT_FALSE(status.ok()) << path;
        EXPECT_NE(status.message.find(path), std::string::npos) << status.message;
        AppState expected = ChangedState();
        expected.display.lightmin = 99;
        EXPECT_EQ(SaveSettings(s), SaveSettings(expected)) << path;
    }
}

TEST(SettingsFile, LoadCommandRebuildsAndClampsToTheFigure) {
    TempDir dir;
    // A file that names only the figure: the tetrahedron replaces the start cube.
    WriteFile(dir / "s.txt", "zukei:1\r\n");
    AppState s;
    InitAppState(s);
    ASSERT_EQ(s.solid.vertexCount(), 8);
    const std::string before = SaveSettings(s);
    ASSERT_TRUE(LoadSettingsFile(dir / "s.txt", s).ok());
    EXPECT_EQ(s.solid.vertexCount(), 4);
    EXPECT_EQ(s.solid.faceCount(), 4);
    EXPECT_EQ(SaveSettings(s), "zukei:1" + before.substr(before.find("\r\n")));

    // The fractal tetrahedron (three patterns, depth at most 7): the pattern and
    // the depth are brought into range for the figure just built.
    WriteFile(dir / "s.txt", "zukei:440\norgcolpat:5\nfracn:300\n");
    ASSERT_TRUE(LoadSettingsFile(dir / "s.txt", s).ok());
    ASSERT_EQ(s.solid.patternCount, 3);
    ASSERT_EQ(s.solid.fractalDepthMax, 7);
    EXPECT_EQ(s.display.orgcolpat, 0);
    EXPECT_EQ(s.display.fracn, 7);
    WriteFile(dir / "s.txt", "orgcolpat:2\nfracn:-3\n");
    ASSERT_TRUE(LoadSettingsFile(dir / "s.txt", s).ok());
    EXPECT_EQ(s.display.orgcolpat, 2);
    EXPECT_EQ(s.display.fracn, 0);
}

TEST(SettingsFile, FailedSaveKeepsTheOldFile) {
    TempDir dir;
    const std::string text = SaveSettings(ChangedState());
    const std::string old = "zukei:1\r\n";

    // The folder does not exist / is a regular file: nothing can be created.
    WriteFile(dir / "plain", "x");
    for (const std::string& path : std::vector<std::string>{dir / "plain/settings.txt", dir / "no/such/settings.txt", std::string()}) {
        EXPECT_FALSE(SaveSettings(ChangedState(), path).ok()) << path;
    }

    // The target is a folder: the new file is written but cannot take its place.
    fs::create_directory(dir / "folder");
    EXPECT_FALSE(SaveSettings(ChangedState(), dir / "folder").ok());
    EXPECT_TRUE(fs::is_directory(dir / "folder"));

    // A pipe, or a link to one, is not replaced by a file.
    ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0644), 0);
    fs::create_symlink("fifo", dir / "tofifo");
    for (const char* name : {"fifo", "tofifo"}) {
        EXPECT_FALSE(SaveSettings(ChangedState(), dir / name).ok()) << name;
        EXPECT_TRUE(fs::is_fifo(dir / "fifo")) << name;
        EXPECT_TRUE(fs::is_symlink(dir / "tofifo")) << name;
    }

    // The disk fills up halfway: a file-size limit makes write() fail as root too.
    WriteFile(dir / "settings.txt", old);
    rlimit previous{};
    ::getrlimit(RLIMIT_FSIZE, &previous);
    auto* const handler = ::signal(SIGXFSZ, SIG_IGN);
    rlimit small = previous;
    small.rlim_cur = 100;
    ::setrlimit(RLIMIT_FSIZE, &small);
    const Status full = SaveSettings(ChangedState(), dir / "settings.txt");
    ::setrlimit(RLIMIT_FSIZE, &previous);
    ::signal(SIGXFSZ, handler);
    EXPECT_FALSE(full.ok());
    EXPECT_NE(full.message.find("settings.txt"), std::string::npos) << full.message;
    EXPECT_EQ(ReadFile(dir / "settings.txt"), old);

    // A read-only folder stops only users other than root.
    if (::geteuid() != 0) {
        fs::create_directory(dir / "ro");
        WriteFile(dir / "ro/settings.txt", old);
        ::chmod((dir / "ro").c_str(), 0555);
        EXPECT_FALSE(SaveSettings(ChangedState(), dir / "ro/settings.txt").ok());
        ::chmod((dir / "ro").c_str(), 0755);
        EXPECT_EQ(ReadFile(dir / "ro/settings.txt"), old);
    }

    // No temporary file is left behind.
    std::vector<std::string> names = dir.Names();
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"fifo", "folder", "plain", "settings.txt", "tofifo"}));
    EXPECT_TRUE(SaveSettings(ChangedState(), dir / "settings.txt").ok());
    EXPECT_EQ(ReadFile(dir / "settings.txt"), text);
}

void ExpectInRange(const AppState& s, const std::string& input) {
    const BuildParams& p = s.solid.params;
    const DisplaySettings& d = s.display;
    const ViewState& v = s.view;
    SCOPED_TRACE(input);
    for (int8_t flag : {p.conhang, p.conzeqx, p.conyeqx, p.congais, p.conhensez, p.conarchi, p.sphhang, p.sphzeqx,
                        p.sphyeqx, p.sphgais, p.sphtei, p.sphspon, p.sphsphg, v.njim, v.autoroton, d.lightsquare,
                        d.lightmirror, d.lightmove, d.person, d.stereoon, d.rezerse, d.symmet, d.ctpix,
                        d.exactdepth, d.infopanel}) {
        ASSERT_TRUE(flag == 0 || flag == 1);
    }
    ASSERT_TRUE(p.kikaku >= -1 && p.kikaku <= 1);
    ASSERT_TRUE(d.facecolmode >= 0 && d.penbold >= 0 && d.penbold <= 2);  // above 11 draws like 1
    ASSERT_TRUE(d.pencolmode >= 0 && d.pencolmode <= 4 && d.urapenbold >= 0 && d.urapenbold <= 3);
    ASSERT_TRUE(d.urapencolmode >= 0 && d.urapencolmode <= 7 && d.bkmode >= 0 && d.bkmode <= 2);
    ASSERT_TRUE(d.lightmode >= 0 && d.lightmode <= 3);
    ASSERT_TRUE(p.viewx >= 1 && p.viewx <= 8192 && p.viewy >= 1 && p.viewy <= 8192);
    ASSERT_TRUE(d.lightdep >= -99 && d.lightmin >= 0 && d.lightmin <= d.lightmax && d.lightmax <= 100);
    ASSERT_TRUE(p.conn >= 2 && p.conn <= 4095 && p.conpn >= 1 && p.conpn <= p.conn / 2);
    ASSERT_TRUE(p.sphn >= 2 && p.sphn <= 8192 && p.sphm >= 2 && p.sphn * p.sphm <= 16384);
    ASSERT_TRUE(p.sphpn >= 1 && p.sphpn <= p.sphn / 2 && p.sphpm >= 1 && p.sphpm <= p.sphm / 2);
    ASSERT_TRUE(p.sphspn >= 0 && p.sphspn <= 1000 && p.sphspm >= 0 && p.sphspm <= 1000);
    ASSERT_TRUE(std::isfinite(v.rad) && v.rad > 0 && std::isfinite(v.nang));
    for (const auto& row : v.ax)
        for (double x : row) ASSERT_TRUE(std::isfinite(x));
    for (double x : v.nax) ASSERT_TRUE(std::isfinite(x));
    for (Colour c : {d.facecol, d.pencol, d.urapencol, d.bkcol, d.shadowcol, d.lightcol}) ASSERT_LE(c, 0xFFFFFFu);
    for (Colour c : p.palette) ASSERT_LE(c, 0xFFFFFFu);
}

TEST(SettingsFile, SurvivesRandomAndMutatedFiles) {
    std::mt19937 random(20240611);
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    const std::string base = SaveSettings(ChangedState());
    const std::vector<std::string> keys = [&] {
        std::vector<std::string> k;
        for (const std::string& line : Lines(base)) k.push_back(line.substr(0, line.find(':') + 1));
        return k;
    }();
    const std::vector<std::string> values = {
        "0", "1", "-1", "2", "5", "-7", "255", "256", "-129", "32768", "65535", "2147483647", "-2147483648",
        "99999999999", "ff", "0xffffffff", "-ff", "1.5", "-0.000001", "1e308", "1e999", "-1e999", "nan",
        "inf", "-inf", "0x1p3", "", " ", "abc", "1e-400", "8193", "16384", "4096", "100000"};
    const std::string alphabet = "0123456789-+.xXeE:[]\r\n abcfinz";

    for (int round = 0; round < 3000; ++round) {
        std::string text;
        switch (round % 3) {
            case 0:  // the saved file with a few bytes changed, inserted or removed
                text = base;
                for (int n = 1 + pick(8); n > 0; --n) {
                    const size_t at = static_cast<size_t>(pick(static_cast<int>(text.size())));
                    const char c = pick(4) == 0 ? static_cast<char>(pick(256)) : alphabet[pick(static_cast<int>(alphabet.size()))];
                    switch (pick(3)) {
                        case 0: text[at] = c; break;
                        case 1: text.insert(at, 1, c); break;
                        default: text.erase(at, 1 + static_cast<size_t>(pick(20))); break;
                    }
                }
                break;
            case 1:  // well-formed keys with hostile values
                for (int n = pick(60); n > 0; --n) {
                    text += keys[static_cast<size_t>(pick(static_cast<int>(keys.size())))] +
                            values[static_cast<size_t>(pick(static_cast<int>(values.size())))] + (pick(2) ? "\n" : "\r\n");
                }
                break;
            default:  // noise
                for (int n = pick(600); n > 0; --n) text += static_cast<char>(pick(256));
                break;
        }
        AppState s = ChangedState();
        LoadSettingsFromText(text, s);
        ExpectInRange(s, text);
        if (testing::Test::HasFatalFailure()) return;
    }
}

}  // namespace
}  // namespace gyro
