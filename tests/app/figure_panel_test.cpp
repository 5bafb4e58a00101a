#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QKeyEvent>

#include <memory>

#include "app/figure_panel.h"
#include "app/main_window.h"
#include "catalog/command_ids.h"
#include "state/dispatcher.h"

namespace gyro {
namespace {

// The numbers panel: hidden at start, opened from the 表示 menu without
// changing the picture, and following the figure as W steps through them.
TEST(FigurePanelWindow, OpensFromTheMenuAndFollowsTheFigure) {
    AppState state;
    ShellState shell;
    InitAppState(state);
    MainWindow window(state, shell);
    window.show();
    QApplication::processEvents();
    FigurePanel* panel = window.figurePanel();
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(panel->isHidden());
    QAction* item = window.action(cmd::kInfoPanel);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), QStringLiteral("図形の数値"));
    EXPECT_FALSE(item->isChecked());

    const QSize canvasBefore = window.canvas()->size();
    item->trigger();
    window.runPass();
    QApplication::processEvents();
    EXPECT_EQ(state.display.infopanel, 1);
    EXPECT_TRUE(item->isChecked());
    EXPECT_FALSE(panel->isHidden());
    EXPECT_EQ(window.canvas()->size(), canvasBefore);
    EXPECT_EQ(shell.viewwidth, 256);
    EXPECT_EQ(shell.viewheight, 256);

    ASSERT_TRUE(panel->settle(state.solid));
    EXPECT_TRUE(panel->text().contains(QStringLiteral("頂点: 8\n"))) << panel->text().toStdString();
    EXPECT_TRUE(panel->text().contains(QStringLiteral("対称性: Oh, 位数 48")));
    // The outer surface of the cube is the cube: 8/(3 sqrt3) R^3 with R = sqrt3/2 for unit edge.
    EXPECT_TRUE(panel->text().contains(QStringLiteral("囲まれた体積: "))) << panel->text().toStdString();
    EXPECT_TRUE(panel->text().contains(QStringLiteral("(辺の長さ１: 1)\n外側の表面積: "))) << panel->text().toStdString();
    EXPECT_FALSE(panel->text().contains(QStringLiteral("…")));

    // W steps 5 -> 7 (octahedron) -> 9 (dodecahedron); the panel follows each.
    struct Step {
        ShapeId figure;
        const char* line;
    };
    for (const Step& step : {Step{7, "面: 8\n"}, Step{9, "面の種類: {5} ×12"}}) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_W, Qt::NoModifier);
        QCoreApplication::sendEvent(window.canvas(), &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_W, Qt::NoModifier);
        QCoreApplication::sendEvent(window.canvas(), &release);
        window.runPass();
        ASSERT_EQ(state.solid.zukei, step.figure);
        ASSERT_TRUE(panel->settle(state.solid));
        EXPECT_TRUE(panel->text().contains(QString::fromUtf8(step.line))) << panel->text().toStdString();
        EXPECT_EQ(panel->shownBuild(), state.solid.buildCount);
    }

    item->trigger();
    window.runPass();
    QApplication::processEvents();
    EXPECT_TRUE(panel->isHidden());
    EXPECT_EQ(state.display.infopanel, 0);
    EXPECT_EQ(window.canvas()->size(), canvasBefore);
}

}  // namespace
}  // namespace gyro
