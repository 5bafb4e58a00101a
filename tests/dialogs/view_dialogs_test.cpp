#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTranslator>

#include <cmath>
#include <functional>
#include <limits>
#include <vector>
#include <memory>
#include <string>

#include "support/typing.h"
#include "catalog/command_ids.h"
#include "app/main_window.h"
#include "app/translations.h"
#include "dialogs/field_rule.h"
#include "dialogs/run_dialog.h"
#include "io/settings_file.h"
#include "view/view_state.h"

namespace gyro {
namespace {

QLineEdit* Field(QDialog& d, const char* name) {
    QLineEdit* edit = d.findChild<QLineEdit*>(QString::fromLatin1(name));
    EXPECT_NE(edit, nullptr) << name;
    return edit;
}

// Replaces the field's text key by key, as a user would type it.
void Type(QDialog& d, const char* name, const QString& text) {
    if (QLineEdit* edit = Field(d, name)) test_support::TypeKeys(edit, text);
}

QString Text(QDialog& d, const char* name) {
    QLineEdit* edit = Field(d, name);
    return edit ? edit->text() : QString();
}

void Click(QDialog& d, const char* name) { d.findChild<QPushButton*>(QString::fromLatin1(name))->click(); }
void Check(QDialog& d, const char* name, bool on) { d.findChild<QCheckBox*>(QString::fromLatin1(name))->setChecked(on); }
void Ok(QDialog& d) { d.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click(); }
void Cancel(QDialog& d) { d.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click(); }

struct ViewDialogs : ::testing::Test {
    AppState state;
    ShellState shell;
    std::unique_ptr<MainWindow> window;
    int opened = 0;

    void SetUp() override {
        InitAppState(state);
        window = std::make_unique<MainWindow>(state, shell);
        window->show();
        QApplication::processEvents();
    }
    void TearDown() override { SetDialogAnswerer({}); }

    // Opens the dialog of menu item `id` and lets `answer` fill it in.
    void Open(int id, std::function<void(QDialog&)> answer) {
        ASSERT_TRUE(window->action(id)->isEnabled()) << id;
        SetDialogAnswerer([this, answer](QDialog& d) {
            ++opened;
            answer(d);
        });
        window->action(id)->trigger();
        SetDialogAnswerer({});
    }
};

const int kDialogItems[] = {cmd::kLightDialog,       cmd::kArbitraryAxis, cmd::kScreenSize,
                            cmd::kPerspectiveDialog, cmd::kAutoRotation,  cmd::kSizeAndDirection};

TEST_F(ViewDialogs, CancelChangesNothingWhateverWasTypedAndTheLoopWaits) {
    window->startLoop();
    const std::string before = SaveSettings(state);
    for (int id : kDialogItems) {
        Open(id, [this, id](QDialog& d) {
            EXPECT_FALSE(window->loopRunning()) << id;
            EXPECT_EQ(d.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->text(), "ｷｬﾝｾﾙ");
            for (QLineEdit* edit : d.findChildren<QLineEdit*>()) edit->setText(QStringLiteral("7"));
            for (QCheckBox* box : d.findChildren<QCheckBox*>()) box->toggle();
            // The named buttons fill fields (defaults, presets, "規格化"); none may store.
            for (QPushButton* button : d.findChildren<QPushButton*>()) {
                if (!button->objectName().isEmpty()) button->click();
            }
            Cancel(d);
        });
        EXPECT_TRUE(window->loopRunning()) << id;
    }
    EXPECT_EQ(opened, 6);
    EXPECT_EQ(SaveSettings(state), before);
    EXPECT_EQ(shell.viewwidth, 256);
    EXPECT_EQ(shell.viewheight, 256);
}

TEST_F(ViewDialogs, LightFieldsTakeFiveCharactersAndMinimumStopsAtMaximum) {
    state.display.lightang2 = -3599;
    Open(cmd::kLightDialog, [](QDialog& d) {
        EXPECT_EQ(Text(d, "lightang2"), "-3599");
        EXPECT_EQ(Text(d, "lightmax"), "95");
        Type(d, "lightdep", "123456");
        EXPECT_EQ(Text(d, "lightdep"), "12345");
        Type(d, "lightmin", "80");
        Type(d, "lightmax", "50");
        Check(d, "lightsquare", true);
        Ok(d);
    });
    EXPECT_EQ(state.display.lightdep, 12345);
    EXPECT_EQ(state.display.lightmin, 50);
    EXPECT_EQ(state.display.lightmax, 50);
    EXPECT_EQ(state.display.lightsquare, 1);
}

TEST_F(ViewDialogs, AxisWithoutAngleTurnsByItsLengthOnReturn) {
    state.view.njim = 1;
    Open(cmd::kArbitraryAxis, [](QDialog& d) {
        EXPECT_TRUE(Field(d, "nang")->isEnabled());
        EXPECT_EQ(Text(d, "nax2"), "45.000000");
        Check(d, "njim", false);
        EXPECT_FALSE(Field(d, "nang")->isEnabled());
        Click(d, "screenX");
        EXPECT_EQ(Text(d, "nax0"), "1.000000");
        Type(d, "nax0", "0");
        Type(d, "nax1", "0");
        Type(d, "nax2", "90");
        Ok(d);
    });
    EXPECT_EQ(state.view.njim, 0);
    EXPECT_EQ(state.view.nang, 22.5);

    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(window->canvas(), &press);
    window->runPass();
    ViewState expected;
    RotateInPlane(expected, 0, 1, 90);
    for (size_t r = 0; r < 3; ++r) {
        for (size_t k = 0; k < 3; ++k) EXPECT_NEAR(state.view.ax[r][k], expected.ax[r][k], 1e-12) << r << k;
    }
}

TEST_F(ViewDialogs, ScreenSizeIsClampedAndResizesTheWindow) {
    Open(cmd::kScreenSize, [](QDialog& d) {
        Type(d, "viewwidth", "5000");  // a sound size, within the dialog's 2048
        Type(d, "viewheight", "1");
        Ok(d);
    });
    EXPECT_EQ(shell.viewwidth, 2048);
    EXPECT_EQ(shell.viewheight, 1);
    EXPECT_EQ(state.display.backBuffer.width, 2048);
    EXPECT_EQ(state.display.backBuffer.height, 1);
    EXPECT_EQ(window->canvas()->size(), QSize(2048, 1 + kStatusBandHeight));

    Open(cmd::kScreenSize, [](QDialog& d) {
        EXPECT_EQ(Text(d, "viewwidth"), "2048");
        Click(d, "defaults");
        EXPECT_EQ(Text(d, "viewheight"), "256");
        Type(d, "viewwidth", QStringLiteral("３００"));  // typed with an input method
        Ok(d);
    });
    EXPECT_EQ(shell.viewwidth, 300);
    EXPECT_EQ(window->canvas()->size(), QSize(300, 256 + kStatusBandHeight));
}

TEST_F(ViewDialogs, PerspectiveDefaultsAndAutoRotationSwitch) {
    state.display.persdz = 900;
    Open(cmd::kPerspectiveDialog, [](QDialog& d) {
        EXPECT_EQ(Text(d, "persdz"), "900");
        Click(d, "defaults");
        EXPECT_EQ(Text(d, "persdz"), "500");
        Type(d, "stereodip", "41");
        Ok(d);
    });
    EXPECT_EQ(state.display.persdz, 500);
    EXPECT_EQ(state.display.stereodip, 41);

    Open(cmd::kAutoRotation, [](QDialog& d) {
        EXPECT_EQ(Text(d, "autorotarg1v"), "30");
        Type(d, "autorotarg1v", "-30");
        Check(d, "autoroton", true);
        Ok(d);
    });
    EXPECT_EQ(state.view.autorotarg1v, -30);
    EXPECT_EQ(state.view.autoroton, 1);
    EXPECT_TRUE(window->action(cmd::kAutoRotation)->isChecked());
}

TEST_F(ViewDialogs, SizeBelowZeroIsOneAndNormaliseFillsTheFieldsOnly) {
    Open(cmd::kSizeAndDirection, [this](QDialog& d) {
        Type(d, "ax00", "0");
        Type(d, "ax11", "3");
        Click(d, "normalise");
        EXPECT_EQ(Text(d, "ax00"), "1.000000");
        EXPECT_EQ(Text(d, "ax11"), "1.000000");
        EXPECT_EQ(state.view.ax[1][1], 1.0);
        Cancel(d);
    });
    state.view.ax[2][2] = 1e300;  // beyond anything a settings file holds
    Open(cmd::kSizeAndDirection, [](QDialog& d) {
        EXPECT_EQ(Text(d, "ax22").size(), 308);  // in full, not cut to the field's limit
        Type(d, "rad", "-3");
        Type(d, "ax01", "0.5");
        Ok(d);
        EXPECT_TRUE(d.isVisible());  // no size at or below 0
        Type(d, "rad", "2");
        Ok(d);
    });
    EXPECT_EQ(state.view.rad, 2.0);
    EXPECT_EQ(state.view.ax[0][1], 0.5);
    // Stored within what a settings file saves and loads back unchanged.
    EXPECT_EQ(state.view.ax[2][2], 1e100);
}

// One rule for every field: text that is not a number, or a number outside
// the field's range, is refused; the dialog stays open on the field with a
// line naming the range, and nothing is stored. Full-width digits are read.
TEST_F(ViewDialogs, EveryFieldRefusesWhatIsNotANumberWithinItsRange) {
    struct Row {
        int command;
        const char* field;
        FieldRange range;
        const char* enable = nullptr;  // a check box that enables the field
    };
    const Row rows[] = {
        {cmd::kLightDialog, "lightang1", kTenthsRange},        {cmd::kLightDialog, "lightang2", kTenthsRange},
        {cmd::kLightDialog, "lightang1v", kTenthsRange},       {cmd::kLightDialog, "lightang2v", kTenthsRange},
        {cmd::kLightDialog, "lightdep", kLightDepthRange},     {cmd::kLightDialog, "lightmax", kBrightnessRange},
        {cmd::kLightDialog, "lightmin", kBrightnessRange},     {cmd::kScreenSize, "viewwidth", kScreenSideRange},
        {cmd::kScreenSize, "viewheight", kScreenSideRange},    {cmd::kPerspectiveDialog, "persdz", kEyeDistanceRange},
        {cmd::kPerspectiveDialog, "perssx", kPixelShiftRange}, {cmd::kPerspectiveDialog, "perssy", kPixelShiftRange},
        {cmd::kPerspectiveDialog, "stereodip", kPixelShiftRange},
        {cmd::kPerspectiveDialog, "stereodist", kPixelShiftRange},
        {cmd::kAutoRotation, "autorotarg1v", kTenthsRange},    {cmd::kAutoRotation, "autorotarg2v", kTenthsRange},
        {cmd::kArbitraryAxis, "nax0", kCoordinateRange},       {cmd::kArbitraryAxis, "nax1", kCoordinateRange},
        {cmd::kArbitraryAxis, "nax2", kCoordinateRange},       {cmd::kArbitraryAxis, "nang", kCoordinateRange, "njim"},
        {cmd::kSizeAndDirection, "rad", kZoomRange},           {cmd::kSizeAndDirection, "ax00", kCoordinateRange},
        {cmd::kSizeAndDirection, "ax12", kCoordinateRange},    {cmd::kSizeAndDirection, "ax21", kCoordinateRange},
    };
    const auto text = [](const FieldRange& r, double v) {
        return r.integer ? QString::number(static_cast<qint64>(v)) : QString::number(v, 'g', 17);
    };
    for (const Row& row : rows) {
        const FieldRange& r = row.range;
        const bool bounded = r.highest != std::numeric_limits<double>::max();
        struct Try {
            QString typed;  // empty with `largest`: as many 9s as the field takes
            bool accepted;
            bool largest = false;
        };
        std::vector<Try> tries = {{"abc", false}, {"", false}, {QStringLiteral("１２"), true}, {"1x", false}};
        if (bounded) {
            tries.push_back({text(r, r.lowest - 1), false});
            tries.push_back({text(r, r.highest + 1), false});
            tries.push_back({text(r, r.lowest), !r.lowestOpen});
            tries.push_back({text(r, r.highest), true});
        } else {
            tries.push_back({"1e999", false});  // beyond any double
            tries.push_back({"-1e300", !r.lowestOpen});
        }
        if (r.lowestOpen) tries.push_back({"0", false});
        if (!r.integer) tries.push_back({"2.5e1", true});
        tries.push_back({"", false, true});
        for (Try& t : tries) {
            const std::string before = SaveSettings(state);
            const int32_t viewBefore = shell.viewwidth;
            bool stayedOpen = false;
            bool named = false;
            bool kept = false;
            Open(row.command, [&](QDialog& d) {
                if (row.enable) Check(d, row.enable, true);
                const int room = Field(d, row.field)->maxLength();
                if (t.largest) {
                    t.typed = QString(room, QLatin1Char('9'));
                    t.accepted = std::pow(10.0, room) - 1 <= r.highest;
                }
                Type(d, row.field, t.typed);
                kept = Text(d, row.field) == t.typed;
                Ok(d);
                stayedOpen = d.isVisible();
                if (stayedOpen) {
                    const QLabel* message = d.findChild<QLabel*>(QStringLiteral("fieldMessage"));
                    named = message != nullptr && message->isVisible() && !message->text().isEmpty();
                    Cancel(d);
                }
            });
            SCOPED_TRACE(std::string(row.field) + " = '" + t.typed.toStdString() + "'");
            if (!kept) continue;  // longer than the field takes: its kept part is another try
            EXPECT_EQ(stayedOpen, !t.accepted);
            if (!t.accepted) {
                EXPECT_TRUE(named);
                EXPECT_EQ(SaveSettings(state), before);  // nothing stored
                EXPECT_EQ(shell.viewwidth, viewBefore);
            }
            InitAppState(state);
            window->resizeWindowToView(256, 256);
        }
    }
}

TEST(QtTranslations, StandardButtonsSpeakJapanese) {
    QTranslator* translator = InstallQtTranslations(*QCoreApplication::instance());
    ASSERT_NE(translator, nullptr);
    QDialogButtonBox box(QDialogButtonBox::Cancel | QDialogButtonBox::Yes);
    EXPECT_EQ(box.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("キャンセル"));
    QCoreApplication::removeTranslator(translator);
    delete translator;
}

}  // namespace
}  // namespace gyro
