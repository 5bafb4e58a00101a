#include <gtest/gtest.h>

#include <utility>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "support/typing.h"
#include "catalog/command_ids.h"
#include "app/main_window.h"
#include "shell/status_text.h"
#include "dialogs/run_dialog.h"
#include "dialogs/sphere_values.h"
#include "io/settings_file.h"
#include "state/dispatcher.h"

namespace gyro {
namespace {

// ---- The checks and the store, without a window --------------------------------

struct CountRow {
    const char* n;
    const char* kn;
    const char* m;
    const char* km;
    SphereCheck check;
    const char* afterN;
    const char* afterKn;
    const char* afterM;
    const char* afterKm;
};

TEST(SphereValues, CountsAreCheckedAsTypedAndCorrectedInTheFields) {
    const CountRow kRows[] = {
        {"128", "1", "128", "1", SphereCheck::Accept, "128", "1", "128", "1"},
        {"8192", "1", "2", "1", SphereCheck::Accept, "8192", "1", "2", "1"},
        {"128", "1", "129", "1", SphereCheck::TooManyCells, "128", "1", "129", "1"},
        // 65538 would be 2 once cut to 16 bits.
        {"65538", "1", "128", "1", SphereCheck::TooManyCells, "65538", "1", "128", "1"},
        // Half of the count as typed, then 1 on the next press.
        {"1", "1", "16", "1", SphereCheck::Corrected, "2", "0", "16", "1"},
        {"2", "0", "16", "1", SphereCheck::Corrected, "2", "1", "16", "1"},
        {"16", "9", "16", "0", SphereCheck::Corrected, "16", "8", "16", "1"},
        {"16", "1", "7", "4", SphereCheck::Corrected, "16", "1", "7", "3"},
        // Too many cells with a count raised to 2: the raised count stays 2.
        {"20000", "1", "1", "1", SphereCheck::TooManyCells, "20000", "1", "2", "0"},
    };
    for (const CountRow& row : kRows) {
        SCOPED_TRACE(::testing::Message() << row.n << "/" << row.kn << " x " << row.m << "/" << row.km);
        SphereForm form = FillSphereForm(BuildParams{}, 415);
        form.sphn.text = row.n;
        form.sphpn.text = row.kn;
        form.sphm.text = row.m;
        form.sphpm.text = row.km;
        EXPECT_EQ(CheckSphereForm(form), row.check);
        EXPECT_EQ(form.sphn.text, row.afterN);
        EXPECT_EQ(form.sphpn.text, row.afterKn);
        EXPECT_EQ(form.sphm.text, row.afterM);
        EXPECT_EQ(form.sphpm.text, row.afterKm);
    }
}

struct ExponentRow {
    const char* typed;
    double stored;
};

TEST(SphereValues, ExponentsAreThousandthsWithinZeroToAThousand) {
    const ExponentRow kRows[] = {
        {"500", 0.5}, {"1500.5", 1.5005}, {"-3", 0.0}, {"nan", 0.0}, {"1e400", 0.0}, {"2000000", 1000.0},
    };
    for (const ExponentRow& row : kRows) {
        SphereForm form = FillSphereForm(BuildParams{}, 415);
        form.sphspn.text = row.typed;
        form.sphspm.text = row.typed;
        BuildParams p;
        ShapeId zukei = 5;
        StoreSphereForm(form, p, zukei);
        EXPECT_DOUBLE_EQ(p.sphspn, row.stored) << row.typed;
        EXPECT_DOUBLE_EQ(p.sphspm, row.stored) << row.typed;
    }
}

// Exponents stepped by the keys are shown as the thousandths they stand for and
// kept exactly when their field is not touched.
TEST(SphereValues, AnUntouchedExponentKeepsItsValue) {
    BuildParams p;
    p.sphspn = 1.0 - 0.01;  // 989.999... thousandths
    p.sphspm = 0.3;
    SphereForm form = FillSphereForm(p, 415);
    EXPECT_EQ(form.sphspn.text, "990");
    EXPECT_EQ(form.sphspm.text, "300");
    ShapeId zukei = 415;
    BuildParams stored = p;
    StoreSphereForm(form, stored, zukei);
    EXPECT_EQ(stored.sphspn, p.sphspn);
    EXPECT_EQ(stored.sphspm, p.sphspm);
    p.sphspn = 0.1234567;
    EXPECT_EQ(FillSphereForm(p, 415).sphspn.text, "123");  // the whole thousandths
}

// ---- The dialog, opened from its menu item -----------------------------------------

QLineEdit* Edit(QDialog& d, const char* name) {
    QLineEdit* edit = d.findChild<QLineEdit*>(QString::fromLatin1(name));
    EXPECT_NE(edit, nullptr) << name;
    return edit;
}

// Replaces the field's text key by key, as a user would type it.
void Type(QDialog& d, const char* name, const QString& text) {
    if (QLineEdit* edit = Edit(d, name)) test_support::TypeKeys(edit, text);
}

QString Cells(QDialog& d) { return d.findChild<QLabel*>(QStringLiteral("cells"))->text(); }
void Check(QDialog& d, const char* name, bool on) { d.findChild<QCheckBox*>(QString::fromLatin1(name))->setChecked(on); }
void Ok(QDialog& d) { d.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click(); }
void Cancel(QDialog& d) { d.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click(); }

struct SphereDialogTest : ::testing::Test {
    AppState state;
    ShellState shell;
    std::unique_ptr<MainWindow> window;
    std::vector<QString> messages;  // "caption: text" of every message box shown

    void SetUp() override {
        InitAppState(state);
        window = std::make_unique<MainWindow>(state, shell);
        window->show();
        QApplication::processEvents();
    }
    void TearDown() override { SetDialogAnswerer({}); }

    // Opens "設定..." of 球状系 and lets `answer` fill the dialog in; message
    // boxes the dialog shows are noted and closed with OK.
    void Open(std::function<void(QDialog&)> answer) {
        ASSERT_TRUE(window->action(cmd::kSphericalSettings)->isEnabled());
        SetDialogAnswerer([this, answer](QDialog& d) {
            if (auto* box = qobject_cast<QMessageBox*>(&d)) {
                messages.push_back(box->windowTitle() + ": " + box->text());
                box->button(QMessageBox::Ok)->click();
                return;
            }
            answer(d);
        });
        window->action(cmd::kSphericalSettings)->trigger();
        SetDialogAnswerer({});
    }

    std::string StatusLine() {
        StatusText text;
        FormatStatus(state, shell, text);
        return StatusLine1(text);
    }
};

TEST_F(SphereDialogTest, TorusCheckedOnTheEllipsoidSelectsTheTorus) {
    ChangeFigure(state, 415);
    state.display.facecolmode = 9;
    Open([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("球状"));
        EXPECT_FALSE(d.findChild<QCheckBox*>(QStringLiteral("torus"))->isChecked());
        Check(d, "torus", true);
        Ok(d);
    });
    EXPECT_EQ(state.solid.zukei, 416);
    EXPECT_EQ(state.solid.faceCount(), 256);
    EXPECT_EQ(state.solid.nameJa, "トーラス状");
    EXPECT_EQ(StatusLine(), "speed:50 pat:1/5 ang:16/1*16/1 ");

    // Back to the ellipsoid from the torus's fifth pattern: the pattern comes back into range.
    state.display.orgcolpat = 4;
    Open([](QDialog& d) {
        EXPECT_TRUE(d.findChild<QCheckBox*>(QStringLiteral("torus"))->isChecked());
        Check(d, "torus", false);
        Ok(d);
    });
    EXPECT_EQ(state.solid.zukei, 415);
    EXPECT_EQ(state.solid.patternCount, 3);
    EXPECT_EQ(state.display.orgcolpat, 0);
}

// The ellipsoid's three patterns: the torus's third (index 2) stays, its fourth goes.
TEST_F(SphereDialogTest, TorusToEllipsoidKeepsOnlyPatternsBelowThree) {
    for (const auto& [before, after] : {std::pair<int16_t, int16_t>{3, 0}, {2, 2}}) {
        ChangeFigure(state, 416);
        state.display.orgcolpat = before;
        Open([](QDialog& d) {
            Check(d, "torus", false);
            Ok(d);
        });
        EXPECT_EQ(state.solid.zukei, 415);
        EXPECT_EQ(state.display.orgcolpat, after) << "from pattern " << before;
    }
}

TEST_F(SphereDialogTest, TooManyCellsShowTheLimitMessageAndKeepTheDialogOpen) {
    ChangeFigure(state, 415);
    int okPresses = 0;
    Open([&](QDialog& d) {
        EXPECT_EQ(Cells(d), "256");
        EXPECT_EQ(d.findChild<QLabel*>(QStringLiteral("maxCells"))->text(), "16384");
        Type(d, "sphn", "128");
        Type(d, "sphm", "129");
        EXPECT_EQ(Cells(d), "16512");
        Ok(d);
        ++okPresses;
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(Edit(d, "sphn")->text(), "128");
        EXPECT_EQ(Edit(d, "sphm")->text(), "129");
        Type(d, "sphm", "128");
        EXPECT_EQ(Cells(d), "16384");
        Ok(d);
        ++okPresses;
        EXPECT_FALSE(d.isVisible());
    });
    EXPECT_EQ(okPresses, 2);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], QStringLiteral("リミッター: 角数が多過ぎるかも。\n「現在の緯×経≦最大の緯×経」になるようにしてください。"));
    EXPECT_EQ(state.solid.params.sphn, 128);
    EXPECT_EQ(state.solid.params.sphm, 128);
    EXPECT_EQ(state.solid.faceCount(), 128 * 64);
    EXPECT_EQ(StatusLine(), "speed:50 ang:128/1*128/1 ");
}

TEST_F(SphereDialogTest, CancelChangesNothing) {
    ChangeFigure(state, 416);
    const std::string before = SaveSettings(state);
    Open([](QDialog& d) {
        for (QLineEdit* edit : d.findChildren<QLineEdit*>()) edit->setText(QStringLiteral("7"));
        for (QCheckBox* box : d.findChildren<QCheckBox*>()) box->toggle();
        Cancel(d);
    });
    EXPECT_EQ(SaveSettings(state), before);
    EXPECT_EQ(state.solid.zukei, 416);
}

TEST_F(SphereDialogTest, OkStoresTheFieldsAndARadiusThatFollowsXCannotBeTyped) {
    state.solid.params.sphzeqx = 1;
    Open([](QDialog& d) {
        Type(d, "spharg", "-370");
        EXPECT_FALSE(Edit(d, "sphwz")->isEnabled());
        EXPECT_TRUE(Edit(d, "sphwy")->isEnabled());
        Check(d, "sphyeqx", true);
        Check(d, "sphzeqx", false);
        EXPECT_TRUE(Edit(d, "sphwz")->isEnabled());
        EXPECT_FALSE(Edit(d, "sphwy")->isEnabled());
        Type(d, "sphspn", "５００");  // full-width digits, as an input method types them
        Ok(d);
    });
    EXPECT_EQ(state.solid.params.sphyeqx, 1);
    EXPECT_EQ(state.solid.params.sphzeqx, 0);
    EXPECT_EQ(state.solid.params.sphspn, 0.5);
    EXPECT_EQ(state.solid.params.spharg, -10);
    EXPECT_EQ(state.solid.zukei, 415);  // OK on the cube chooses the ellipsoid
    EXPECT_EQ(state.solid.nameJa, "超二次楕円体状");
}

}  // namespace
}  // namespace gyro
