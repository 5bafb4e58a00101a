#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "dialogs/animation_values.h"
#include "dialogs/auto_rotation_values.h"
#include "dialogs/axis_values.h"
#include "dialogs/field_rule.h"
#include "dialogs/field_text.h"
#include "dialogs/light_values.h"
#include "dialogs/perspective_values.h"
#include "dialogs/screen_size_values.h"
#include "dialogs/size_direction_values.h"
#include "io/settings_file.h"
#include "state/app_state.h"

namespace gyro {
namespace {

struct IntCase {
    const char* text;
    int64_t value;
};

TEST(FieldText, IntegersReadTheirLeadingNumber) {
    const IntCase cases[] = {
        {"12abc", 12}, {"  -7", -7}, {"+5", 5}, {"abc", 0}, {"", 0}, {"3.9", 3}, {"1e3", 1}, {"- 5", 0},
        {"99999999999999999999999", int64_t{1} << 62},
    };
    for (const IntCase& c : cases) EXPECT_EQ(ParseIntPrefix(c.text), c.value) << c.text;
}

struct DoubleCase {
    const char* text;
    double value;
};

TEST(FieldText, DoublesReadTheirLeadingNumberAndNothingThatIsNotFinite) {
    const DoubleCase cases[] = {
        {"1.5x", 1.5}, {".5", 0.5},   {"5.", 5.0},  {"-2e3", -2000.0}, {"1e", 1.0},     {"2e+", 2.0},
        {"  +3", 3.0}, {".", 0.0},    {"-", 0.0},   {"nan", 0.0},      {"-nan", 0.0},   {"inf", 0.0},
        {"-inf", 0.0}, {"1e999", 0.0}, {"-1e999", 0.0}, {"0x10", 0.0}, {"1,5", 1.0},    {"infinity", 0.0},
    };
    for (const DoubleCase& c : cases) EXPECT_EQ(ParseDoublePrefix(c.text), c.value) << c.text;
}

TEST(FieldText, LimitCountsTheTerminatingZeroButNeverCutsTheValueItOpenedWith) {
    EditField typed = MakeField("1", 6);
    typed.text = "123456";
    EXPECT_EQ(ReadInt(typed), 12345);

    // Characters, not bytes: five full-width letters then a digit.
    EditField wide = MakeField("", 6);
    wide.text = "ａｂｃｄｅ7";
    EXPECT_EQ(KeptText(wide), "ａｂｃｄｅ");

    for (double v : {1e300, -1e300, 123456789012345.0, -0.707107}) {
        const EditField f = MakeField(FormatFixed(v), 15);
        EXPECT_EQ(ReadDouble(f), v) << f.text;
    }
    EXPECT_EQ(FormatFixed(1e300).size(), 301u + 7u);
    EXPECT_EQ(FormatFixed(-0.7071067811865476), "-0.707107");
}

TEST(ScreenSizeValues, SidesAreClampedToOneAnd2048) {
    ScreenSizeForm form = FillScreenSizeForm({300, 200});
    EXPECT_EQ(form.viewwidth.text, "300");
    Rewrite(form.viewwidth, "5000");
    Rewrite(form.viewheight, "0");
    ViewSize size = ReadScreenSizeForm(form);
    EXPECT_EQ(size.width, 2048);
    EXPECT_EQ(size.height, 1);
    Rewrite(form.viewwidth, "-3");
    Rewrite(form.viewheight, "x");
    size = ReadScreenSizeForm(form);
    EXPECT_EQ(size.width, 1);
    EXPECT_EQ(size.height, 1);
    ResetScreenSizeForm(form);
    EXPECT_EQ(form.viewwidth.text, "256");
    EXPECT_EQ(form.viewheight.text, "256");
}

TEST(SizeDirectionValues, SizeAtOrBelowZeroBecomesOneAndTheMatrixIsStoredAsTyped) {
    ViewState view;
    view.rad = 25000.0;
    SizeDirectionForm form = FillSizeDirectionForm(view);
    EXPECT_EQ(form.rad.text, "10000.000000");
    for (const char* size : {"-3", "0", "abc", "nan"}) {
        Rewrite(form.rad, size);
        Rewrite(form.ax[0][0], "2");
        StoreSizeDirectionForm(form, view);
        EXPECT_EQ(view.rad, 1.0) << size;
        EXPECT_EQ(view.ax[0][0], 2.0);  // not normalised
    }
}

struct NormaliseCase {
    const char* name;
    Matrix3 typed;
};

TEST(SizeDirectionValues, NormaliseGivesAnOrthonormalMatrixInTheFieldsOnly) {
    const NormaliseCase cases[] = {
        {"zero first row", {{{0, 0, 0}, {0, 1, 0}, {0, 0, 0}}}},
        {"all zero", {{{0, 0, 0}, {0, 0, 0}, {0, 0, 0}}}},
        {"long rows", {{{2, 0, 0}, {3, 5, 0}, {9, 9, 9}}}},
        {"huge rows", {{{1e300, 0, 0}, {1e300, 1e300, 0}, {0, 0, 0}}}},
        {"tiny rows", {{{1e-300, 0, 0}, {0, 1e-300, 0}, {0, 0, 0}}}},
    };
    for (const NormaliseCase& c : cases) {
        ViewState view;
        SizeDirectionForm form = FillSizeDirectionForm(view);
        for (size_t r = 0; r < 3; ++r) {
            for (size_t k = 0; k < 3; ++k) Rewrite(form.ax[r][k], FormatFixed(c.typed[r][k]));
        }
        NormaliseSizeDirectionForm(form);
        for (size_t r = 0; r < 3; ++r) {
            for (size_t k = 0; k < 3; ++k) {
                EXPECT_EQ(form.ax[r][k].text, r == k ? "1.000000" : "0.000000") << c.name << " " << r << k;
            }
        }
        EXPECT_EQ(view.ax, kIdentity3);
    }
}

TEST(AxisValues, PresetsFillTheAxisAndTheAngleIsStoredOnlyWhenGiven) {
    ViewState view;
    RotateInPlane(view, 0, 1, 90);  // model x now points up the screen
    view.nang = 20000.0;
    AxisForm form = FillAxisForm(view);
    EXPECT_EQ(form.nang.text, "10000.000000");
    EXPECT_FALSE(form.njim);

    ApplyAxisPreset(form, AxisPreset::SolidX, view);
    EXPECT_EQ(form.nax[0].text, "0.000000");
    EXPECT_EQ(form.nax[1].text, "1.000000");
    ApplyAxisPreset(form, AxisPreset::ScreenZ, view);
    EXPECT_EQ(form.nax[2].text, "1.000000");
    EXPECT_EQ(form.nax[1].text, "0.000000");

    Rewrite(form.nang, "30");
    StoreAxisForm(form, view);
    EXPECT_EQ(view.nax, (std::array<double, 3>{0, 0, 1}));
    EXPECT_EQ(view.nang, 20000.0);  // "角度指定" off: the angle is left alone
    EXPECT_EQ(view.njim, 0);
    form.njim = true;
    StoreAxisForm(form, view);
    EXPECT_EQ(view.nang, 30.0);
    EXPECT_EQ(view.njim, 1);
}

// Values typed into the size and axis dialogs are saved in fixed notation: past
// 1e100 a line would be longer than the loader reads, and the saved file would
// no longer load as saved. Such values are kept at +-1e100, as the loader keeps them.
TEST(ViewDialogValues, HugeTypedValuesStaySavableAndReloadAsSaved) {
    struct Typed {
        const char* text;
        double stored;
    };
    const Typed kTyped[] = {{"1e308", 1e100}, {"-1e308", -1e100}, {"1e100", 1e100}, {"-2.5e99", -2.5e99}, {"7", 7}};
    for (const Typed& t : kTyped) {
        AppState state;
        SizeDirectionForm size = FillSizeDirectionForm(state.view);
        Rewrite(size.rad, t.text);
        Rewrite(size.ax[1][2], t.text);
        StoreSizeDirectionForm(size, state.view);
        EXPECT_EQ(state.view.ax[1][2], t.stored) << t.text;
        EXPECT_EQ(state.view.rad, t.stored > 0 ? t.stored : 1.0) << t.text;

        AxisForm axis = FillAxisForm(state.view);
        axis.njim = true;
        Rewrite(axis.nax[0], t.text);
        Rewrite(axis.nang, t.text);
        StoreAxisForm(axis, state.view);
        EXPECT_EQ(state.view.nax[0], t.stored) << t.text;
        EXPECT_EQ(state.view.nang, t.stored) << t.text;

        const std::string saved = SaveSettings(state);
        AppState back;
        LoadSettingsFromText(saved, back);
        EXPECT_EQ(SaveSettings(back), saved) << t.text;
    }
}

TEST(LightValues, StoredValuesAreCutTo16BitsAndBroughtIntoRange) {
    AppState state;
    LightForm form = FillLightForm(state.display);
    EXPECT_EQ(form.lightang1v.text, "15");
    Rewrite(form.lightmin, "80");
    Rewrite(form.lightmax, "50");
    Rewrite(form.lightdep, "-200");
    Rewrite(form.lightang1, "99999");
    form.lightmove = true;
    StoreLightForm(form, state);
    EXPECT_EQ(state.display.lightmax, 50);
    EXPECT_EQ(state.display.lightmin, 50);
    EXPECT_EQ(state.display.lightdep, -99);
    EXPECT_EQ(state.display.lightang1, -31073);  // 99999 in 16 bits
    EXPECT_EQ(state.display.lightmove, 1);
}

TEST(PerspectiveAndAutoRotationValues, DefaultsRewriteFieldsOnlyAndSpeedsKeepTheAngles) {
    DisplaySettings display;
    display.persdz = 900;
    display.stereodist = 7;
    PerspectiveForm form = FillPerspectiveForm(display);
    ResetPerspectiveForm(form);
    EXPECT_EQ(form.persdz.text, "500");
    EXPECT_EQ(form.stereodist.text, "128");
    EXPECT_EQ(display.persdz, 900);
    Rewrite(form.perssx, "-2147483648");  // opened with that value: read in full
    StorePerspectiveForm(form, display);
    EXPECT_EQ(display.persdz, 500);
    EXPECT_EQ(display.perssx, INT32_MIN);

    ViewState view;
    view.autorotarg1 = 1234;
    AutoRotationForm rotation = FillAutoRotationForm(view);
    Rewrite(rotation.autorotarg1v, "-30");
    Rewrite(rotation.autorotarg2v, "65538");
    rotation.autoroton = true;
    StoreAutoRotationForm(rotation, view);
    EXPECT_EQ(view.autorotarg1v, -30);
    EXPECT_EQ(view.autorotarg2v, 2);
    EXPECT_EQ(view.autoroton, 1);
    EXPECT_EQ(view.autorotarg1, 1234);
}

TEST(AnimationValues, FieldsReadBackIntoTheirRanges) {
    AnimationRequest start;
    start.format = AnimationFormat::WebP;
    start.plan = {120, AnimationAxis::Motion, 25};
    start.width = 640;
    start.height = 480;
    const AnimationRequest same = ReadAnimationForm(FillAnimationForm(start));
    EXPECT_EQ(same.format, AnimationFormat::WebP);
    EXPECT_EQ(same.plan.axis, AnimationAxis::Motion);
    EXPECT_EQ(same.plan.frames, 120);
    EXPECT_EQ(same.plan.delayMs, 25);
    EXPECT_EQ(same.width, 640);
    EXPECT_EQ(same.height, 480);

    struct Case {
        const char* frames;
        const char* delay;
        const char* side;
        int list;  // both list indices
        int32_t wantFrames, wantDelay, wantSide;
        AnimationFormat wantFormat;
        AnimationAxis wantAxis;
    };
    for (const Case c : {
             Case{"0", "1", "0", -1, kAnimationFramesMin, kAnimationDelayMinMs, 1, AnimationFormat::Gif, AnimationAxis::X},
             Case{"99999999", "999999", "99999", 9, kAnimationFramesMax, kAnimationDelayMaxMs, kMaxViewSide,
                  AnimationFormat::Gif, AnimationAxis::X},
             Case{"abc", "40", "256", 2, kAnimationFramesMin, 40, 256, AnimationFormat::Gif, AnimationAxis::Z},
         }) {
        AnimationForm form = FillAnimationForm(start);
        Rewrite(form.frames, c.frames);
        Rewrite(form.delay, c.delay);
        Rewrite(form.width, c.side);
        Rewrite(form.height, c.side);
        form.format = c.list;
        form.axis = c.list;
        const AnimationRequest r = ReadAnimationForm(form);
        EXPECT_EQ(r.plan.frames, c.wantFrames) << c.frames;
        EXPECT_EQ(r.plan.delayMs, c.wantDelay) << c.delay;
        EXPECT_EQ(r.width, c.wantSide) << c.side;
        EXPECT_EQ(r.height, c.wantSide) << c.side;
        EXPECT_EQ(r.format, c.wantFormat) << c.list;
        EXPECT_EQ(r.plan.axis, c.wantAxis) << c.list;
    }
}

}  // namespace
}  // namespace gyro

namespace gyro {
namespace {

// The field rule without a window: the whole kept text is a number within range.
TEST(FieldRule, WholeNumbersWithinTheRangeOnly) {
    struct Row {
        const char* text;
        FieldRange range;
        FieldFault expected;
    };
    const FieldRange tenths = kTenthsRange;
    const Row rows[] = {
        {"12", tenths, FieldFault::None},
        {" -3599 ", tenths, FieldFault::None},
        {"+3599", tenths, FieldFault::None},
        {"\xE2\x88\x92" "5", tenths, FieldFault::None},  // U+2212 minus sign
        {"3600", tenths, FieldFault::OutOfRange},
        {"-3600", tenths, FieldFault::OutOfRange},
        {"99999", tenths, FieldFault::OutOfRange},  // stored as -31073 by a 16-bit wrap before
        {"abc", tenths, FieldFault::NotANumber},
        {"", tenths, FieldFault::NotANumber},
        {"  ", tenths, FieldFault::NotANumber},
        {"12abc", tenths, FieldFault::NotANumber},
        {"1.5", tenths, FieldFault::NotANumber},
        {"1e3", tenths, FieldFault::NotANumber},
        {"-", tenths, FieldFault::NotANumber},
        {"0", kEyeDistanceRange, FieldFault::OutOfRange},  // no picture at eye distance 0
        {"1", kEyeDistanceRange, FieldFault::None},
        {"0", kScreenSideRange, FieldFault::OutOfRange},
        {"5000", kScreenSideRange, FieldFault::None},  // clamped to 2048 when stored
        {"-100", kLightDepthRange, FieldFault::OutOfRange},
        {"0", kZoomRange, FieldFault::OutOfRange},
        {"-3", kZoomRange, FieldFault::OutOfRange},
        {"1e-300", kZoomRange, FieldFault::None},
        {"2.5e1", kCoordinateRange, FieldFault::None},
        {".5", kCoordinateRange, FieldFault::None},
        {"1e999", kCoordinateRange, FieldFault::NotANumber},
        {"nan", kCoordinateRange, FieldFault::NotANumber},
        {"inf", kCoordinateRange, FieldFault::NotANumber},
        {"0x10", kCoordinateRange, FieldFault::NotANumber},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(CheckField(MakeField(row.text, 64), row.range), row.expected) << row.text;
    }
    // Only what the field keeps counts: "12345" of "123456" in a five-character field.
    EXPECT_EQ(CheckField(EditField{"123456", 5}, kLightDepthRange), FieldFault::None);
    EXPECT_EQ(CheckField(EditField{"123456", 6}, kLightDepthRange), FieldFault::OutOfRange);
}

}  // namespace
}  // namespace gyro
