#include <gtest/gtest.h>

#include <utility>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>

#include <cstdint>
#include <cmath>
#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "support/typing.h"
#include "catalog/command_ids.h"
#include "shell/frame_step.h"
#include "app/main_window.h"
#include "dialogs/animation_dialog.h"
#include "dialogs/family_dialog_values.h"
#include "dialogs/field_rule.h"
#include "dialogs/sphere_values.h"
#include "io/settings_file.h"
#include "dialogs/run_dialog.h"
#include "model/colour.h"
#include "state/dispatcher.h"

namespace gyro {
namespace {

// ---- The checks, without a window ------------------------------------------

struct CountRow {
    const char* corners;
    const char* step;
    bool accepted;
    bool tooMany;
    const char* cornersAfter;  // nullptr: the field is left as typed
    const char* stepAfter;
};

const CountRow kCountRows[] = {
    {"1", "1", false, false, "2", "0"},  // half of the count as typed
    {"2", "0", false, false, nullptr, "1"},
    {"2", "1", true, false, nullptr, nullptr},
    {"7", "5", false, false, nullptr, "3"},
    {"5000", "1", false, true, "5000", nullptr},
    {"65538", "1", false, true, "65538", nullptr},  // judged whole, not as its low 16 bits (2)
    {"4096", "1", false, true, "4096", nullptr},
    {"4095", "2047", true, false, nullptr, nullptr},
    {"12", "x", false, false, nullptr, nullptr},  // not a number: refused as typed, not put back
    {"", "1", false, false, nullptr, nullptr},    // an empty count likewise
    {"abc", "9", false, false, nullptr, nullptr}, // no count corrections before the text is a number
    {" +12 ", "5", true, false, nullptr, nullptr},
    {"１２", "５", true, false, nullptr, nullptr},  // typed full-width
};

TEST(PrismDialogValues, CountsAreCheckedAsTyped) {
    const Solid solid;  // conn 3, conpn 1
    for (const CountRow& row : kCountRows) {
        SCOPED_TRACE(::testing::Message() << row.corners << " / " << row.step);
        prism_dialog::Values v = prism_dialog::FromSolid(solid);
        v.text[prism_dialog::kCorners] = row.corners;
        v.text[prism_dialog::kStep] = row.step;
        const prism_dialog::Check c = prism_dialog::CheckValues(v);
        EXPECT_EQ(c.accepted, row.accepted);
        EXPECT_EQ(c.tooManyCorners, row.tooMany);
        EXPECT_EQ(c.rewrite[prism_dialog::kCorners].value_or("-"), row.cornersAfter ? row.cornersAfter : "-");
        EXPECT_EQ(c.rewrite[prism_dialog::kStep].value_or("-"), row.stepAfter ? row.stepAfter : "-");
        EXPECT_EQ(c.focus < 0, row.accepted);
        EXPECT_EQ(c.range.has_value(), !row.accepted);  // every refusal names a range
    }
}

TEST(PrismDialogValues, WidthsAnglesAndFigureAreStored) {
    Solid solid;
    prism_dialog::Values v = prism_dialog::FromSolid(solid);
    EXPECT_EQ(v.figure, 400);  // the cube has no button of its own
    v.text[prism_dialog::kHeight] = "3000000000";  // beyond 32 bits: refused, not wrapped
    prism_dialog::Check c = prism_dialog::CheckValues(v);
    EXPECT_FALSE(c.accepted);
    EXPECT_FALSE(c.rewrite[prism_dialog::kHeight].has_value());
    EXPECT_EQ(c.focus, prism_dialog::kHeight);
    ASSERT_TRUE(c.range.has_value());
    EXPECT_EQ(c.range->highest, INT32_MAX);

    // A width that follows the x width is not judged; it keeps the value in force.
    v.enabled[prism_dialog::kHeight] = false;
    EXPECT_TRUE(prism_dialog::CheckValues(v).accepted);
    Solid followed;
    prism_dialog::Store(v, followed);
    EXPECT_EQ(followed.params.conh, solid.params.conh);
    v.enabled[prism_dialog::kHeight] = true;

    v.text[prism_dialog::kHeight] = "-2147483648";
    v.text[prism_dialog::kBaseAngle] = "370";
    v.text[prism_dialog::kTwist] = "-370";
    v.figure = 410;
    ASSERT_TRUE(prism_dialog::CheckValues(v).accepted);
    prism_dialog::Store(v, solid);
    EXPECT_EQ(solid.params.conh, INT32_MIN);
    EXPECT_EQ(solid.params.conarg, 10);
    EXPECT_EQ(solid.params.conapm, -10);
    EXPECT_EQ(solid.zukei, 410);
}

TEST(HueDialogValues, StartHueGoesRoundTheCircleAndCountsFitSixteenBits) {
    struct Row {
        const char* typed;
        int16_t stored;
    };
    for (const Row& row : {Row{"-1", 1529}, Row{"3060", 0}, Row{"-1530", 0}, Row{"9999999999", 1089}}) {
        BuildParams p;
        hue_dialog::Values v = hue_dialog::FromParams(p);
        v.text[hue_dialog::kStartHue] = row.typed;
        ASSERT_TRUE(hue_dialog::CheckValues(v).accepted) << row.typed;
        hue_dialog::Store(v, p);
        EXPECT_EQ(p.sikisoufq, row.stored) << row.typed;
    }
    BuildParams p;
    hue_dialog::Values v = hue_dialog::FromParams(p);
    v.text[hue_dialog::kRevolutions] = "40000";  // would wrap to -25536
    v.text[hue_dialog::kSwirl] = "-32768";
    hue_dialog::Check c = hue_dialog::CheckValues(v);
    EXPECT_FALSE(c.accepted);
    EXPECT_EQ(c.focus, hue_dialog::kRevolutions);
    v.text[hue_dialog::kRevolutions] = "32767";
    c = hue_dialog::CheckValues(v);
    EXPECT_TRUE(c.accepted);
}

// ---- The dialogs in the window ----------------------------------------------

template <class W>
W* Child(QDialog& d, const char* name) {
    W* w = d.findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

void Type(QDialog& d, const char* field, const char* text) { Child<QLineEdit>(d, field)->setText(QString::fromUtf8(text)); }
QString Text(QDialog& d, const char* field) { return Child<QLineEdit>(d, field)->text(); }
void PressOk(QDialog& d) { d.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click(); }
void PressCancel(QDialog& d) { d.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click(); }

struct FamilyDialogs : ::testing::Test {
    AppState state;
    ShellState shell;
    std::unique_ptr<MainWindow> window;
    // The dialog opened by a command is handed to `step`; message boxes are
    // recorded and acknowledged.
    std::function<void(QDialog&)> step;
    int opened = 0;
    std::vector<QString> messages;
    DialogAnswerer previous;

    void SetUp() override {
        InitAppState(state);
        window = std::make_unique<MainWindow>(state, shell);
        window->show();
        QApplication::processEvents();
        previous = SetDialogAnswerer([this](QDialog& d) {
            if (auto* box = qobject_cast<QMessageBox*>(&d)) {
                messages.push_back(box->windowTitle() + QStringLiteral(": ") + box->text());
                box->accept();
                return;
            }
            ++opened;
            step(d);
        });
    }
    void TearDown() override { SetDialogAnswerer(previous); }

    void Open(int command, std::function<void(QDialog&)> answer) {
        step = std::move(answer);
        opened = 0;
        window->action(command)->trigger();
        EXPECT_EQ(opened, 1);
    }
    std::string Line1() { return StatusLine1(window->statusText()); }
};

TEST_F(FamilyDialogs, PrismDialogCorrectsTheCountsUntilTheyFit) {
    Open(cmd::kPyramidSettings, [](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("角錐・角柱"));
        EXPECT_TRUE(Child<QRadioButton>(d, "figure400")->isChecked());
        EXPECT_EQ(Text(d, "conn"), "3");
        Type(d, "conn", "1");
        Type(d, "conpn", "1");
        PressOk(d);
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(Text(d, "conn"), "2");
        EXPECT_EQ(Text(d, "conpn"), "0");
        PressOk(d);
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(Text(d, "conpn"), "1");
        PressOk(d);
        EXPECT_FALSE(d.isVisible());
    });
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(state.solid.zukei, 400);
    EXPECT_EQ(state.solid.params.conn, 2);
    EXPECT_EQ(state.solid.params.conpn, 1);
    EXPECT_EQ(state.solid.vertexCount(), 3);  // rebuilt: apex and a digon
    EXPECT_EQ(state.solid.nameJa, "角錐");
    window->canvas()->repaint();
    EXPECT_EQ(Line1(), "speed:50 ang:2/1 ");
}

TEST_F(FamilyDialogs, PrismDialogLimitAndCancel) {
    Open(cmd::kPyramidSettings, [this](QDialog& d) {
        Type(d, "conn", "7");
        Type(d, "conpn", "5");
        PressOk(d);
        EXPECT_EQ(Text(d, "conpn"), "3");
        Type(d, "conn", "5000");
        PressOk(d);
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0], QStringLiteral("リミッター: 角数が多過ぎるかも。"));
        EXPECT_EQ(Text(d, "conn"), "5000");  // left for the user to change
        EXPECT_TRUE(d.isVisible());
        Child<QRadioButton>(d, "figure406")->setChecked(true);
        PressCancel(d);
    });
    EXPECT_EQ(state.solid.zukei, 5);
    EXPECT_EQ(state.solid.params.conn, 3);
    EXPECT_EQ(state.solid.params.conpn, 1);
    EXPECT_EQ(state.solid.faceCount(), 6);  // still the cube
}

TEST_F(FamilyDialogs, PrismDialogChoosesTheFigureAndItsFlags) {
    ChangeFigure(state, 406);
    state.display.facecolmode = 9;
    state.display.orgcolpat = 5;  // the antiprism's sixth pattern
    Open(cmd::kPyramidSettings, [](QDialog& d) {
        EXPECT_TRUE(Child<QRadioButton>(d, "figure406")->isChecked());
        QCheckBox* zFollowsX = Child<QCheckBox>(d, "conzeqx");
        EXPECT_TRUE(zFollowsX->isChecked());
        EXPECT_FALSE(Child<QLineEdit>(d, "conwz")->isEnabled());
        zFollowsX->setChecked(false);
        EXPECT_TRUE(Child<QLineEdit>(d, "conwz")->isEnabled());
        Type(d, "conwz", "300");
        Type(d, "conarg", "-370");
        Child<QRadioButton>(d, "figure400")->setChecked(true);
        PressOk(d);
    });
    EXPECT_EQ(state.solid.zukei, 400);
    EXPECT_EQ(state.solid.params.conzeqx, 0);
    EXPECT_EQ(state.solid.params.conwz, 300);
    EXPECT_EQ(state.solid.params.conarg, -10);
    EXPECT_EQ(state.solid.faceCount(), 4);
    // The pyramid has two colour patterns: the sixth is gone with the antiprism.
    EXPECT_EQ(state.display.orgcolpat, 0);
    window->canvas()->repaint();
    EXPECT_EQ(Line1(), "speed:50 pat:1/2 ang:3/1 ");
}

// The pyramid's two patterns: the antiprism's second stays, its third goes.
TEST_F(FamilyDialogs, PrismDialogKeepsOnlyPatternsBelowTheNewCount) {
    for (const auto& [before, after] : {std::pair<int16_t, int16_t>{2, 0}, {1, 1}}) {
        ChangeFigure(state, 406);
        state.display.orgcolpat = before;
        Open(cmd::kPyramidSettings, [](QDialog& d) {
            Child<QRadioButton>(d, "figure400")->setChecked(true);
            PressOk(d);
        });
        EXPECT_EQ(state.solid.zukei, 400);
        EXPECT_EQ(state.display.orgcolpat, after) << "from pattern " << before;
    }
}

TEST_F(FamilyDialogs, HueCycleDialogRebuildsWhateverItsResult) {
    ChangeFigure(state, 402);
    Open(cmd::kHueCycle, [](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("色相循環"));
        EXPECT_EQ(Text(d, "sikisoufq"), "0");
        Type(d, "sikisoufq", "-1");
        Type(d, "sikisouhz", "70000");
        PressOk(d);
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(Text(d, "sikisouhz"), "70000");  // refused as typed, selected for the user
        EXPECT_EQ(Child<QLineEdit>(d, "sikisouhz")->selectedText(), "70000");
        Type(d, "sikisouhz", "1");
        PressOk(d);
    });
    EXPECT_EQ(state.solid.params.sikisoufq, 1529);
    EXPECT_EQ(state.solid.params.sikisouhz, 1);
    // Side l of the triangular prism at half step 1: hue 1529 + 2l * 765 / 3.
    EXPECT_EQ(state.solid.faces[3].colours[1], HueColour(1529 + 510));

    // Cancel stores nothing but rebuilds: a palette change made meanwhile shows.
    state.solid.params.palette[0] = 0x00123456;
    Open(cmd::kHueCycle, [](QDialog& d) {
        Type(d, "sikisoufq", "100");
        PressCancel(d);
    });
    EXPECT_EQ(state.solid.params.sikisoufq, 1529);
    EXPECT_EQ(state.solid.faces[3].colours[0], 0x00123456u);
}

// The family dialogs wear the same buttons as the viewer's other dialogs.
TEST_F(FamilyDialogs, CancelButtonReadsLikeTheOtherDialogs) {
    for (int command : {cmd::kPyramidSettings, cmd::kHueCycle}) {
        SCOPED_TRACE(command);
        Open(command, [](QDialog& d) {
            auto* buttons = d.findChild<QDialogButtonBox*>();
            ASSERT_NE(buttons, nullptr);
            EXPECT_EQ(buttons->button(QDialogButtonBox::Ok)->text(), QStringLiteral("OK"));
            EXPECT_EQ(buttons->button(QDialogButtonBox::Cancel)->text(), QStringLiteral("ｷｬﾝｾﾙ"));
            d.reject();
        });
    }
}

TEST_F(FamilyDialogs, FamilyKeysRebuildLive) {
    ChangeFigure(state, 400);
    struct Step {
        Qt::Key key;
        int corners, step, twist;
    };
    state.solid.params.conn = 5;
    for (const Step& s : {Step{Qt::Key_R, 6, 1, 0}, Step{Qt::Key_Y, 6, 2, 0}, Step{Qt::Key_Y, 6, 3, 0},
                          Step{Qt::Key_E, 6, 3, 0},  // 5 corners cannot hold a step of 3
                          Step{Qt::Key_T, 6, 2, 0}, Step{Qt::Key_G, 6, 2, 10}, Step{Qt::Key_H, 6, 2, 0}}) {
        QKeyEvent press(QEvent::KeyPress, s.key, Qt::NoModifier);
        QCoreApplication::sendEvent(window->canvas(), &press);
        window->runPass();
        QKeyEvent release(QEvent::KeyRelease, s.key, Qt::NoModifier);
        QCoreApplication::sendEvent(window->canvas(), &release);
        EXPECT_EQ(state.solid.params.conn, s.corners);
        EXPECT_EQ(state.solid.params.conpn, s.step);
        EXPECT_EQ(state.solid.params.conapm, s.twist);
        EXPECT_EQ(state.solid.vertexCount(), s.corners + 1);
        ASSERT_GT(state.solid.faceCount(), 0);
        EXPECT_EQ(state.solid.faces.back().polygonCount, s.step == 2 ? 2 : s.step == 3 ? 3 : 1);
    }
    EXPECT_EQ(Line1(), "speed:50 ang:6/2 ");
}

// One rule for every field of the family and export dialogs: text that is
// not a number, or a number outside the field's range, is refused (or, for a
// count or step, corrected as the family does it); either way the dialog stays
// open on the field with a line naming the range, and nothing is stored.
// Full-width digits are read.
constexpr int kAnimationDialog = 0;  // not a menu command: run on its own

struct FieldRow {
    int command;
    const char* field;
    FieldRange range;
    std::vector<std::pair<const char*, const char*>> setup = {};  // typed first, so that `range` holds
    const char* uncheck = nullptr;                                // a check box that disables the field
};

TEST_F(FamilyDialogs, EveryFieldRefusesWhatIsNotANumberWithinItsRange) {
    const std::vector<FieldRow> rows = {
        {cmd::kPyramidSettings, "conn", {2, kMaxCorners}},
        {cmd::kPyramidSettings, "conpn", {1, 15}, {{"conn", "30"}}},
        {cmd::kPyramidSettings, "conh", kInt32Range, {}, "conyeqx"},
        {cmd::kPyramidSettings, "conwx", kInt32Range},
        {cmd::kPyramidSettings, "conwz", kInt32Range, {}, "conzeqx"},
        {cmd::kPyramidSettings, "consx", kInt32Range},
        {cmd::kPyramidSettings, "consz", kInt32Range},
        {cmd::kPyramidSettings, "conarg", kAnyIntegerRange},
        {cmd::kPyramidSettings, "conapm", kAnyIntegerRange},
        {cmd::kHueCycle, "sikisouhz", kInt16Range},
        {cmd::kHueCycle, "sikisoufq", kAnyIntegerRange},
        {cmd::kHueCycle, "sikisourt", kInt16Range},
        {cmd::kSphericalSettings, "sphn", kSphereCountRange, {{"sphm", "2"}}},
        {cmd::kSphericalSettings, "sphpn", {1, 16}, {{"sphn", "32"}}},
        {cmd::kSphericalSettings, "sphm", kSphereCountRange, {{"sphn", "2"}}},
        {cmd::kSphericalSettings, "sphpm", {1, 16}, {{"sphm", "32"}}},
        {cmd::kSphericalSettings, "sphwx", kInt32Range},
        {cmd::kSphericalSettings, "sphwy", kInt32Range, {}, "sphyeqx"},
        {cmd::kSphericalSettings, "sphwz", kInt32Range, {}, "sphzeqx"},
        {cmd::kSphericalSettings, "spharg", kAnyIntegerRange},
        {cmd::kSphericalSettings, "sphsx", kInt32Range},
        {cmd::kSphericalSettings, "sphsz", kInt32Range},
        {cmd::kSphericalSettings, "sphtx", kInt32Range},
        {cmd::kSphericalSettings, "sphtz", kInt32Range},
        {cmd::kSphericalSettings, "sphspn", kSphereExponentRange},
        {cmd::kSphericalSettings, "sphspm", kSphereExponentRange},
        {cmd::kSphericalSettings, "sphtwx", kInt32Range},
        {cmd::kSphericalSettings, "sphtwz", kInt32Range},
        {kAnimationDialog, "frames", kAnimationFramesRange},
        {kAnimationDialog, "delay", kAnimationDelayRange},
        {kAnimationDialog, "width", kScreenSideRange},
        {kAnimationDialog, "height", kScreenSideRange},
    };
    const auto number = [](const FieldRange& r, double v) {
        return r.integer ? QString::number(static_cast<qint64>(v)) : QString::number(v, 'g', 17);
    };
    for (const FieldRow& row : rows) {
        const FieldRange& r = row.range;
        const bool bounded = r.highest != std::numeric_limits<double>::max();
        struct Try {
            QString typed;  // empty with `largest`: as many 9s as the field takes
            bool accepted;
            bool largest = false;
        };
        std::vector<Try> tries = {{"abc", false}, {"", false}, {QStringLiteral("１２"), true}, {"1x", false}};
        if (bounded) {
            tries.push_back({number(r, r.lowest - 1), false});
            tries.push_back({number(r, r.highest + 1), false});
            tries.push_back({number(r, r.lowest), true});
            tries.push_back({number(r, r.highest), true});
        } else if (r.integer) {
            tries.push_back({"1.5", false});
            tries.push_back({"-999999999", true});
        } else {
            tries.push_back({"1e999", false});  // beyond any double
            tries.push_back({"-1e300", true});
            tries.push_back({"2.5e1", true});
        }
        tries.push_back({"", false, true});
        for (Try& t : tries) {
            InitAppState(state);
            const std::string before = SaveSettings(state);
            const AnimationRequest startRequest;
            AnimationRequest request = startRequest;
            bool kept = false, stayedOpen = false, named = false, selected = false;
            step = [&](QDialog& d) {
                for (const auto& [field, text] : row.setup) Child<QLineEdit>(d, field)->setText(QString::fromUtf8(text));
                if (row.uncheck) Child<QCheckBox>(d, row.uncheck)->setChecked(false);
                QLineEdit* edit = Child<QLineEdit>(d, row.field);
                ASSERT_TRUE(edit->isEnabled());
                if (t.largest) {
                    t.typed = QString(edit->maxLength(), QLatin1Char('9'));
                    t.accepted = !bounded || std::pow(10.0, edit->maxLength()) - 1 <= r.highest;
                }
                test_support::TypeKeys(edit, t.typed);
                kept = edit->text() == t.typed;
                PressOk(d);
                stayedOpen = d.isVisible();
                if (stayedOpen) {
                    const QLabel* message = d.findChild<QLabel*>(QStringLiteral("fieldMessage"));
                    named = message != nullptr && message->isVisible() && !message->text().isEmpty();
                    selected = edit->text().isEmpty() || edit->selectedText() == edit->text();
                    PressCancel(d);
                }
            };
            opened = 0;
            if (row.command == kAnimationDialog) {
                EditAnimation(window.get(), request);
            } else {
                window->action(row.command)->trigger();
            }
            EXPECT_EQ(opened, 1);
            SCOPED_TRACE(std::string(row.field) + " = '" + t.typed.toStdString() + "'");
            if (!kept) continue;  // longer than the field takes: its kept part is another try
            EXPECT_EQ(stayedOpen, !t.accepted);
            if (!t.accepted) {
                EXPECT_TRUE(named);
                EXPECT_TRUE(selected);
                EXPECT_EQ(SaveSettings(state), before);  // nothing stored
                EXPECT_EQ(request.plan.frames, startRequest.plan.frames);
                EXPECT_EQ(request.plan.delayMs, startRequest.plan.delayMs);
                EXPECT_EQ(request.width, startRequest.width);
                EXPECT_EQ(request.height, startRequest.height);
            }
        }
    }
    messages.clear();
}

}  // namespace
}  // namespace gyro
