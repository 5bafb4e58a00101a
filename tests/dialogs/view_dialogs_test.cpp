#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTranslator>

#include <functional>
#include <memory>
#include <string>

#include "catalog/command_ids.h"
#include "app/main_window.h"
#include "app/translations.h"
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
    QLineEdit* edit = Field(d, name);
    if (!edit) return;
    edit->selectAll();
    QKeyEvent erase(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
    QCoreApplication::sendEvent(edit, &erase);
    for (QChar c : text) {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(edit, &key);
    }
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
        Type(d, "lightang1", "123456");
        EXPECT_EQ(Text(d, "lightang1"), "12345");
        Type(d, "lightmin", "80");
        Type(d, "lightmax", "50");
        Check(d, "lightsquare", true);
        Ok(d);
    });
    EXPECT_EQ(state.display.lightang1, 12345);
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
        Type(d, "viewwidth", "5000");
        Type(d, "viewheight", "0");
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
    });
    EXPECT_EQ(state.view.rad, 1.0);
    EXPECT_EQ(state.view.ax[0][1], 0.5);
    // Stored within what a settings file saves and loads back unchanged.
    EXPECT_EQ(state.view.ax[2][2], 1e100);
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
