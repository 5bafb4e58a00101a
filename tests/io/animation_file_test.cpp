#include "io/animation_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "state/animation.h"
#include "state/dispatcher.h"
#include "support/cli_runner.h"
#include "support/picture_readers.h"
#include "support/temp_dir.h"

namespace gyro {
namespace {

using namespace test_support;
namespace fs = std::filesystem;

// The viewer's start state with `figure` built and the settings a row asks for.
struct Start {
    ShapeId figure = 5;
    int8_t autoroton = 0;
    int8_t lightmove = 0;
    int8_t facecolmode = 2;
};

AppState MakeState(const Start& s) {
    AppState state;
    InitAppState(state);
    state.view.autoroton = s.autoroton;
    state.display.lightmove = s.lightmove;
    state.display.facecolmode = s.facecolmode;
    EXPECT_NE(ChangeFigure(state, s.figure), 0) << s.figure;
    return state;
}

// What `render` draws for frame `index`: a fresh state brought there frame by
// frame, as the writer does, then drawn on its own.
BackBuffer RenderedFrame(const Start& s, const AnimationRequest& request, int32_t index) {
    AppState state = MakeState(s);
    EXPECT_TRUE(CreateBackBuffer(state, request.width, request.height));
    const ViewState start = AnimationStartView(state.view, request.plan.axis);
    for (int32_t k = 0; k <= index; ++k) PoseAnimationFrame(state, start, request.plan, k);
    RenderFrame(state);
    return state.display.backBuffer;
}

struct AnimationRow {
    const char* name;
    Start start;
    AnimationFormat format;
    AnimationAxis axis;
    int32_t frames;
    int32_t delayMs;
    int32_t width;
    int32_t height;
    int maxGifError;  // channel error the GIF palette may make on the first and last frames
    bool moves;       // the last frame differs from the first
};

class AnimationFileTest : public TempFolderTest, public ::testing::WithParamInterface<AnimationRow> {};

TEST_P(AnimationFileTest, DecodesToTheRenderedFramesWithDelayAndLoop) {
    const AnimationRow& row = GetParam();
    AnimationRequest request;
    request.plan = {row.frames, row.axis, row.delayMs};
    request.format = row.format;
    request.width = row.width;
    request.height = row.height;
    const fs::path path = dir_ / (row.format == AnimationFormat::Gif ? "a.gif" : "a.webp");

    AppState state = MakeState(row.start);
    int32_t reported = 0;
    const Status written = WriteAnimation(state, request, path, [&](int32_t done, int32_t total) {
        EXPECT_EQ(done, reported + 1);
        EXPECT_EQ(total, row.frames);
        reported = done;
        return true;
    });
    ASSERT_TRUE(written.ok()) << written.message;
    EXPECT_EQ(reported, row.frames);
    EXPECT_EQ(Names(), std::vector<std::string>{path.filename().string()});

    const bool gif = row.format == AnimationFormat::Gif;
    const DecodedAnimation decoded = gif ? DecodeGifFile(path) : DecodeWebPFile(path);
    ASSERT_TRUE(decoded.ok) << decoded.error;
    EXPECT_EQ(decoded.width, row.width);
    EXPECT_EQ(decoded.height, row.height);
    // libwebp keeps equal frames in a row as one frame shown as long as all of them.
    const int32_t same = !gif && !row.moves ? row.frames : 1;
    ASSERT_EQ(decoded.frames.size(), static_cast<size_t>(row.frames / same));
    if (gif || decoded.frames.size() > 1) {  // a WebP of one frame is a still, without loop or delay
        EXPECT_EQ(decoded.loopCount, 0);  // for ever
        const int32_t delay = gif ? (row.delayMs + 5) / 10 : row.delayMs * same;
        for (const int32_t d : decoded.delays) EXPECT_EQ(d, delay);
    }

    const int allowed = gif ? row.maxGifError : 0;  // WebP is lossless
    EXPECT_LE(MaxChannelDifference(decoded.frames.front(), RenderedFrame(row.start, request, 0)), allowed);
    EXPECT_LE(MaxChannelDifference(decoded.frames.back(), RenderedFrame(row.start, request, row.frames - 1)),
              allowed);
    if (row.moves) {
        EXPECT_NE(decoded.frames.back().pixels, decoded.frames.front().pixels);
    }
}

// Flat-faced solids have few colours, so their GIF palettes are exact; the
// smooth torus has more than 256 and goes through libimagequant.
const AnimationRow kAnimations[] = {
    {"CubeGifY", {5}, AnimationFormat::Gif, AnimationAxis::Y, 12, 40, 64, 48, 0, true},
    {"SnubWebPX", {55}, AnimationFormat::WebP, AnimationAxis::X, 10, 30, 80, 80, 0, true},
    {"StarGifZ", {11}, AnimationFormat::Gif, AnimationAxis::Z, 8, 100, 50, 70, 0, true},
    {"AutoRotationWebP", {55, 1, 1}, AnimationFormat::WebP, AnimationAxis::Motion, 6, 10, 64, 64, 0, true},
    {"MovingLightGif", {55, 0, 1}, AnimationFormat::Gif, AnimationAxis::Motion, 5, 20, 40, 40, 0, true},
    {"StillMotionWebP", {5}, AnimationFormat::WebP, AnimationAxis::Motion, 3, 40, 24, 24, 0, false},
    {"TorusGifQuantised", {416}, AnimationFormat::Gif, AnimationAxis::X, 4, 40, 96, 96, 24, true},
    {"OneFrameWebP", {5}, AnimationFormat::WebP, AnimationAxis::Y, 1, 40, 16, 16, 0, false},
    {"OutlineGif", {55, 0, 0, 0}, AnimationFormat::Gif, AnimationAxis::Y, 3, 15, 32, 32, 0, true},
};

INSTANTIATE_TEST_SUITE_P(Animations, AnimationFileTest, ::testing::ValuesIn(kAnimations),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(AnimationPlan, ATurnKeepsItsScreenAxisAndComesRoundWithoutASeam) {
    struct Case {
        AnimationAxis axis;
        int kept;  // the view axis every row keeps
    };
    for (const Case c : {Case{AnimationAxis::X, 0}, Case{AnimationAxis::Y, 1}, Case{AnimationAxis::Z, 2}}) {
        AppState state = MakeState({5});
        RotateInPlane(state.view, 0, 1, 20.0);  // a general start
        RotateInPlane(state.view, 1, 2, 35.0);
        const ViewState start = state.view;
        const AnimationPlan plan{8, c.axis, 40};
        for (int32_t k = 0; k <= 8; ++k) {
            PoseAnimationFrame(state, start, plan, k);
            for (int r = 0; r < 3; ++r) EXPECT_DOUBLE_EQ(state.view.ax[r][c.kept], start.ax[r][c.kept]);
        }
        // Frame 8 of 8 is frame 0 again; frame 4 a half turn: the other two columns negated.
        EXPECT_EQ(state.view.ax, start.ax);
        PoseAnimationFrame(state, start, plan, 4);
        for (int r = 0; r < 3; ++r) {
            for (int col = 0; col < 3; ++col) {
                if (col != c.kept) {
                    EXPECT_NEAR(state.view.ax[r][col], -start.ax[r][col], 1e-12);
                }
            }
        }
    }
}

TEST(AnimationPlan, ATurnStartsFromWhatAutomaticRotationShows) {
    AppState state = MakeState({5, 1});
    state.view.autorotarg1 = 300;
    state.view.autorotarg2 = 450;
    ViewState shown = state.view;
    SetAutoRotationAxes(shown);
    const ViewState start = AnimationStartView(state.view, AnimationAxis::Y);
    EXPECT_EQ(start.ax, shown.ax);
    EXPECT_EQ(start.autoroton, 0);
    // The motion keeps automatic rotation running.
    EXPECT_EQ(AnimationStartView(state.view, AnimationAxis::Motion).autoroton, 1);
}

TEST(AnimationPlan, AxisNamesReadBack) {
    for (const AnimationAxis axis : {AnimationAxis::X, AnimationAxis::Y, AnimationAxis::Z, AnimationAxis::Motion}) {
        EXPECT_EQ(ParseAnimationAxis(AnimationAxisName(axis)), axis);
    }
    EXPECT_FALSE(ParseAnimationAxis("w"));
    EXPECT_FALSE(ParseAnimationAxis("X"));
    EXPECT_EQ(AnimationFormatForPath("a.GIF"), AnimationFormat::Gif);
    EXPECT_EQ(AnimationFormatForPath("/x/b.WebP"), AnimationFormat::WebP);
    EXPECT_FALSE(AnimationFormatForPath("gif"));
    EXPECT_FALSE(AnimationFormatForPath("a.png"));
}

using AnimationWriteTest = TempFolderTest;

TEST_F(AnimationWriteTest, ACancelledOrFailedWriteLeavesNoFileAndTheOldOneWhole) {
    std::ofstream(dir_ / "old.gif", std::ios::binary) << "old";
    for (const AnimationFormat format : {AnimationFormat::Gif, AnimationFormat::WebP}) {
        AppState state = MakeState({5});
        AnimationRequest request;
        request.format = format;
        request.width = request.height = 32;
        request.plan.frames = 10;
        bool cancelled = false;
        const Status stopped = WriteAnimation(
            state, request, dir_ / "old.gif", [](int32_t done, int32_t) { return done < 3; }, {}, &cancelled);
        EXPECT_FALSE(stopped.ok());
        EXPECT_TRUE(cancelled);

        // Bad plans and a folder that does not exist fail without a file.
        for (const AnimationPlan plan : {AnimationPlan{0, AnimationAxis::Y, 40}, AnimationPlan{5, AnimationAxis::Y, 5},
                                         AnimationPlan{kAnimationFramesMax + 1, AnimationAxis::Y, 40}}) {
            request.plan = plan;
            EXPECT_FALSE(WriteAnimation(state, request, dir_ / "old.gif", {}, {}, &cancelled).ok());
            EXPECT_FALSE(cancelled);
        }
        request.plan = AnimationPlan{};
        request.plan.frames = 2;
        EXPECT_FALSE(WriteAnimation(state, request, dir_ / "no" / "a.gif").ok());
    }
    EXPECT_EQ(Names(), std::vector<std::string>{"old.gif"});
    EXPECT_EQ(ReadFileBytes(dir_ / "old.gif"), "old");
}

}  // namespace
}  // namespace gyro
