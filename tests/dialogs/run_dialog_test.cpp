#include "dialogs/run_dialog.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QKeyEvent>
#include <QIcon>
#include <QLabel>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>

#include <memory>
#include <vector>

#include "app/main_window.h"
#include "dialogs/animation_dialog.h"
#include "catalog/command_ids.h"

namespace gyro {
namespace {

// Restores exec() after each test, whatever the test left installed.
struct DialogRunner : ::testing::Test {
    void TearDown() override { SetDialogAnswerer({}); }
};

TEST_F(DialogRunner, TheAnswerersChoiceIsTheResultAndAnOpenDialogCountsAsCancelled) {
    QDialog dialog;
    SetDialogAnswerer([](QDialog& d) {
        EXPECT_TRUE(d.isVisible());
        d.accept();
    });
    EXPECT_EQ(RunDialog(dialog), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());

    SetDialogAnswerer([](QDialog& d) { d.reject(); });
    EXPECT_EQ(RunDialog(dialog), QDialog::Rejected);

    // Accepted last time, left open this time: rejected and closed, not the old result.
    SetDialogAnswerer([](QDialog& d) { d.accept(); });
    RunDialog(dialog);
    SetDialogAnswerer([](QDialog&) {});
    EXPECT_EQ(RunDialog(dialog), QDialog::Rejected);
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(DialogRunner, ANestedDialogGetsTheAnswererInstalledForIt) {
    std::vector<int> seen;
    const DialogAnswerer inner = [&seen](QDialog& d) {
        seen.push_back(2);
        d.accept();
    };
    SetDialogAnswerer([&seen, inner](QDialog& outer) {
        seen.push_back(1);
        const DialogAnswerer previous = SetDialogAnswerer(inner);
        QDialog box(&outer);
        EXPECT_EQ(RunDialog(box), QDialog::Accepted);
        SetDialogAnswerer(previous);
        outer.reject();
    });
    QDialog dialog;
    EXPECT_EQ(RunDialog(dialog), QDialog::Rejected);
    EXPECT_EQ(seen, (std::vector<int>{1, 2}));
    EXPECT_FALSE(SetDialogAnswerer({}) == nullptr);  // the outer one is back in place
}

// The information box, opened from its menu entry as a user would.
TEST_F(DialogRunner, TheInformationBoxShowsTheHelpAndClosesOnOkOrEscape) {
    AppState state;
    ShellState shell;
    InitAppState(state);
    auto window = std::make_unique<MainWindow>(state, shell);
    window->show();
    window->startLoop();
    QApplication::processEvents();

    QPixmap iconPixmap(32, 32);
    iconPixmap.fill(Qt::red);
    const QIcon previousIcon = QApplication::windowIcon();
    QApplication::setWindowIcon(QIcon(iconPixmap));
    int opened = 0;
    QStringList lines;
    bool iconShown = false;
    SetDialogAnswerer([&](QDialog& d) {
        ++opened;
        EXPECT_FALSE(window->loopRunning());  // the frames wait while the box is open
        EXPECT_EQ(d.windowTitle(), QStringLiteral("情報・操作方法"));
        // A dialog is answered, not kept: no minimise or maximise button.
        EXPECT_FALSE(d.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
        EXPECT_TRUE(d.windowFlags() & Qt::WindowCloseButtonHint);
        for (const QLabel* label : d.findChildren<QLabel*>()) {
            if (!label->text().isEmpty()) lines << label->text();
        }
        const QLabel* icon = d.findChild<QLabel*>(QStringLiteral("icon"));
        iconShown = icon != nullptr && !icon->pixmap().isNull();
        d.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        EXPECT_EQ(d.result(), QDialog::Accepted);
    });
    QAction* entry = window->action(cmd::kInformation);
    ASSERT_NE(entry, nullptr);
    ASSERT_TRUE(entry->isEnabled());
    EXPECT_EQ(entry->text(), QStringLiteral("情報・操作方法(&A) ..."));
    entry->trigger();
    EXPECT_EQ(opened, 1);
    ASSERT_EQ(lines.size(), 12);  // the version line and eleven lines of key help
    EXPECT_EQ(lines.front(), QStringLiteral("Gyrosolid　Ver 1.12"));
    EXPECT_TRUE(lines.contains(QStringLiteral("「Ｑ・Ｗ（PgUp・PgDn）」で図形変更")));
    // Each key beside the one that does the same: 3 and Home enlarge, 1 and End
    // shrink; + and X speed up, - and Z slow down; 7 and Delete, 9 and Insert.
    EXPECT_TRUE(lines.contains(QStringLiteral("「３・１（Home・End）」で拡大／縮小")));
    EXPECT_TRUE(lines.contains(QStringLiteral("「＋・－（Ｘ・Ｚ）」で回転速度調整")));
    EXPECT_TRUE(lines.contains(QStringLiteral("「７・９（Del・Ins）」でｘ－ｙ回転")));
    EXPECT_TRUE(iconShown);
    QApplication::setWindowIcon(previousIcon);
    EXPECT_EQ(lines.back(), QStringLiteral("「リターン」で任意軸で指定した角度だけ回転"));

    // Escape closes it too.
    SetDialogAnswerer([&](QDialog& d) {
        ++opened;
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(&d, &escape);
        EXPECT_FALSE(d.isVisible());
    });
    entry->trigger();
    EXPECT_EQ(opened, 2);
    EXPECT_TRUE(window->isVisible());  // the window is still there, and runs on
    EXPECT_TRUE(window->loopRunning());
}

// Every dialog of the window is a dialog window of the main window (so the
// window manager places it over it) without minimise or maximise hints, and
// of a fixed size: a window manager that ignores the hints (Openbox) still
// cannot maximise a window whose smallest and largest sizes are one.
TEST_F(DialogRunner, EveryDialogIsAFixedDialogOfTheWindowWithoutMinimiseOrMaximise) {
    AppState state;
    ShellState shell;
    InitAppState(state);
    auto window = std::make_unique<MainWindow>(state, shell);
    window->show();
    QApplication::processEvents();
    std::vector<QString> seen;
    SetDialogAnswerer([&](QDialog& d) {
        if (qobject_cast<QMessageBox*>(&d)) return;  // a limit message of a dialog below
        seen.push_back(d.windowTitle());
        SCOPED_TRACE(d.windowTitle().toStdString());
        EXPECT_EQ(d.windowType(), Qt::Dialog);
        EXPECT_EQ(d.parentWidget(), window.get());
        EXPECT_FALSE(d.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
        EXPECT_TRUE(d.windowFlags() & Qt::WindowCloseButtonHint);
        EXPECT_TRUE(d.windowFlags() & Qt::WindowTitleHint);
        EXPECT_EQ(d.minimumSize(), d.maximumSize());
        EXPECT_EQ(d.size(), d.minimumSize());
        d.reject();
    });
    const int commands[] = {cmd::kLightDialog,    cmd::kArbitraryAxis,     cmd::kScreenSize,
                            cmd::kPerspectiveDialog, cmd::kAutoRotation,   cmd::kSizeAndDirection,
                            cmd::kPyramidSettings, cmd::kHueCycle,         cmd::kSphericalSettings,
                            cmd::kFindFigure,      cmd::kInformation};
    for (int id : commands) window->action(id)->trigger();
    AnimationRequest request;
    EditAnimation(window.get(), request);
    EXPECT_EQ(seen.size(), std::size(commands) + 1);

    // The file dialog keeps its size grip and may be resized; a message box
    // sizes itself. Neither gets a minimise or maximise hint.
    QFileDialog files(window.get());
    files.setOption(QFileDialog::DontUseNativeDialog);
    MakeAnswerable(files);
    files.show();
    EXPECT_NE(files.minimumSize(), files.maximumSize());
    EXPECT_FALSE(files.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    files.hide();
}

}  // namespace
}  // namespace gyro
