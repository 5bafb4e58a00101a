#include <gtest/gtest.h>

#include <algorithm>

#include <QAction>
#include <QPixmap>
#include <QApplication>
#include <QColorDialog>
#include <QFontMetrics>
#include <QImage>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QTimer>
#include <QWheelEvent>

#include "catalog/command_ids.h"
#include "app/main_window.h"
#include "state/dispatcher.h"
#include "view/view_state.h"

namespace gyro {
namespace {

// A shown window with its loop stopped: each test runs passes itself.
struct Window : ::testing::Test {
    AppState state;
    ShellState shell;
    std::unique_ptr<MainWindow> window;

    void SetUp() override {
        InitAppState(state);
        window = std::make_unique<MainWindow>(state, shell);
        window->show();
        QApplication::processEvents();
    }

    void Key(QEvent::Type type, int key, Qt::KeyboardModifiers mods = Qt::NoModifier, bool autoRepeat = false) {
        QKeyEvent e(type, key, mods, QString(), autoRepeat);
        QCoreApplication::sendEvent(window->canvas(), &e);
    }
    void Press(int key, Qt::KeyboardModifiers mods = Qt::NoModifier) { Key(QEvent::KeyPress, key, mods); }
    void Release(int key, Qt::KeyboardModifiers mods = Qt::NoModifier) { Key(QEvent::KeyRelease, key, mods); }

    void Move(int x, int y, Qt::MouseButtons buttons) {
        QMouseEvent e(QEvent::MouseMove, QPointF(x, y), window->canvas()->mapToGlobal(QPointF(x, y)), Qt::NoButton,
                      buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(window->canvas(), &e);
    }
    void Wheel(int delta) {
        QWheelEvent e(QPointF(10, 10), QPointF(10, 10), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(window->canvas(), &e);
    }
    void Command(int id) { window->action(id)->trigger(); }
    bool IsChecked(int id) { return window->action(id)->isChecked(); }
};

TEST_F(Window, TitleMenusAndClientSize) {
    // The title carries the figure's full names, so a name cut in the status band can be read.
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Gyrosolid — 立方体 / 正六面体 / Cube / Regular hexahedron"));
    QStringList titles;
    for (QAction* a : window->menuBar()->actions()) titles << a->text();
    EXPECT_EQ(titles, (QStringList{"操作(&F)", "図形(&Z)", "表示(&V)", "言語 / Language"}));
    EXPECT_EQ(window->canvas()->size(), QSize(256, 256 + 32));
    EXPECT_EQ(shell.viewwidth, 256);
    EXPECT_EQ(shell.viewheight, 256);
    EXPECT_EQ(state.display.backBuffer.width, 256);
    EXPECT_EQ(state.display.backBuffer.height, 256);

    EXPECT_EQ(window->action(cmd::kInformation)->text(), QStringLiteral("情報・操作方法(&A) ..."));
    EXPECT_EQ(window->action(cmd::kInformation)->shortcuts().size(), 2);
    EXPECT_EQ(window->action(cmd::kCopyImage)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_C));
    EXPECT_TRUE(window->action(cmd::kSaveSettings)->isEnabled());
    EXPECT_TRUE(window->action(cmd::kPaletteReset)->isEnabled());
}

TEST_F(Window, HeldArrowKeyTurnsEveryPassUntilReleased) {
    Press(Qt::Key_Left);
    window->runPass();
    window->runPass();
    ViewState expected;
    RotateInPlane(expected, 0, 2, 5);
    RotateInPlane(expected, 0, 2, 5);
    EXPECT_NEAR(state.view.ax[0][2], expected.ax[0][2], 1e-12);

    // An auto-repeat release is the X11 half of a repeat: the key stays down.
    Key(QEvent::KeyRelease, Qt::Key_Left, Qt::NoModifier, true);
    EXPECT_TRUE(shell.keys.held(gyro::Key::Left));
    Release(Qt::Key_Left);
    EXPECT_FALSE(shell.keys.held(gyro::Key::Left));
    const Matrix3 before = state.view.ax;
    window->runPass();
    EXPECT_EQ(state.view.ax, before);
}

TEST_F(Window, KeypadKeysWithAndWithoutNumLock) {
    Press(Qt::Key_8, Qt::KeypadModifier);
    EXPECT_TRUE(shell.keys.held(gyro::Key::Numpad8));
    window->runPass();
    Release(Qt::Key_8, Qt::KeypadModifier);
    EXPECT_FALSE(shell.keys.held(gyro::Key::Numpad8));
    Press(Qt::Key_Up, Qt::KeypadModifier);
    EXPECT_TRUE(shell.keys.held(gyro::Key::Numpad8));
    EXPECT_FALSE(shell.keys.held(gyro::Key::Up));
    window->runPass();
    Release(Qt::Key_Up, Qt::KeypadModifier);
    EXPECT_FALSE(shell.keys.held(gyro::Key::Numpad8));
}

TEST_F(Window, InertiaFromTheMenu) {
    Command(cmd::kInertia);
    EXPECT_EQ(shell.inertiaon, 1);
    EXPECT_TRUE(IsChecked(cmd::kInertia));
    Press(Qt::Key_Right);
    window->runPass();
    Release(Qt::Key_Right);
    const Matrix3 after = state.view.ax;
    window->runPass();
    EXPECT_NE(state.view.ax, after);  // still turning
    Press(Qt::Key_Space);
    const Matrix3 stopped = state.view.ax;
    window->runPass();
    EXPECT_EQ(state.view.ax, stopped);
}

TEST_F(Window, SpeedKeysAndWheelStopAtTheBounds) {
    for (int i = 0; i < 55; ++i) {
        Press(Qt::Key_Plus, Qt::KeypadModifier);
        window->runPass();
    }
    EXPECT_EQ(shell.speed, 10.0);
    Release(Qt::Key_Plus, Qt::KeypadModifier);
    Wheel(120);
    EXPECT_EQ(shell.speed, 10.0);
    Wheel(-120);
    EXPECT_DOUBLE_EQ(shell.speed, 9.9);
    window->runPass();
    EXPECT_EQ(window->statusText().line1[0].text, "speed:99 ");
}

TEST_F(Window, HeldRAtTheLargestCountLetsEThrough) {
    ChangeFigure(state, 400);
    state.solid.params.conn = 4095;
    Press(Qt::Key_R);
    window->runPass();
    EXPECT_EQ(state.solid.params.conn, 4095);
    Press(Qt::Key_E);
    window->runPass();
    EXPECT_EQ(state.solid.params.conn, 4094);
    EXPECT_EQ(state.solid.zukei, 400);
    window->runPass();  // R is still down and allowed again
    EXPECT_EQ(state.solid.params.conn, 4095);
    window->runPass();
    EXPECT_EQ(window->statusText().line1[1].text, "ang:4095/1 ");
}

TEST_F(Window, StartStatus) {
    window->runPass();
    const StatusText& text = window->statusText();
    ASSERT_EQ(text.line1Count, 1);
    EXPECT_EQ(text.line1[0].text, "speed:50 ");
    EXPECT_EQ(text.nameLabel.text, "name:");
    EXPECT_EQ(text.name.text, "立方体 / 正六面体");
}

TEST_F(Window, MouseOffLeavesEverythingAlone) {
    Move(100, 100, Qt::NoButton);
    EXPECT_EQ(shell.lastmousex, 100);
    Command(cmd::kMouse);
    EXPECT_EQ(shell.mouseon, 0);
    EXPECT_FALSE(IsChecked(cmd::kMouse));
    const ViewState before = state.view;
    Move(140, 150, Qt::LeftButton);
    Move(120, 90, Qt::RightButton);
    Wheel(120);
    EXPECT_EQ(state.view.ax, before.ax);
    EXPECT_EQ(state.view.rad, before.rad);
    EXPECT_EQ(shell.speed, 5.0);
    EXPECT_EQ(shell.lastmousex, 100);
    EXPECT_EQ(shell.lastmousey, 100);
}

TEST_F(Window, RightDragSpinsAndZoomsOnOneMove) {
    Move(100, 100, Qt::NoButton);
    Move(90, 110, Qt::RightButton);  // left and down: spin one way, shrink
    ViewState expected;
    RotateInPlane(expected, 0, 1, 5.0);
    EXPECT_NEAR(state.view.ax[0][1], expected.ax[0][1], 1e-12);
    EXPECT_DOUBLE_EQ(state.view.rad, 0.9900990099009901);

    // A left drag turns by the speed however far the mouse went.
    const Matrix3 before = state.view.ax;
    Move(90, 300, Qt::LeftButton);
    ViewState turned;
    turned.ax = before;
    RotateAboutAxis(turned, {1, 0, 0}, 5.0);
    for (int r = 0; r < 3; ++r)
        for (int k = 0; k < 3; ++k) EXPECT_NEAR(state.view.ax[r][k], turned.ax[r][k], 1e-12);
}

TEST_F(Window, PageKeysStepThroughTheCatalogue) {
    ChangeFigure(state, 1);
    Press(Qt::Key_PageUp);
    EXPECT_EQ(state.solid.zukei, 410);
    Press(Qt::Key_PageDown);
    EXPECT_EQ(state.solid.zukei, 1);
    ChangeFigure(state, 391);
    Press(Qt::Key_PageDown);
    EXPECT_EQ(state.solid.zukei, 300);
    Press(Qt::Key_Q);
    EXPECT_EQ(state.solid.zukei, 391);
    ChangeFigure(state, 343);
    Press(Qt::Key_W);
    EXPECT_EQ(state.solid.zukei, 393);
    ChangeFigure(state, 18);  // in the menu but in neither stepping order
    Press(Qt::Key_PageDown);
    Press(Qt::Key_W, Qt::ShiftModifier);
    EXPECT_EQ(state.solid.zukei, 18);
}

int CheckedFigures(const MainWindow& w, ShapeId* which) {
    int n = 0;
    for (const FigureCommand& f : w.figureCommands()) {
        if (w.action(f.id)->isChecked()) {
            ++n;
            *which = f.figure;
        }
    }
    return n;
}

TEST_F(Window, ExactlyOneFigureEntryIsChecked) {
    ASSERT_EQ(window->figureCommands().size(), 186u);  // every entry of the figure menu
    ShapeId shown = 0;
    EXPECT_EQ(CheckedFigures(*window, &shown), 1);
    EXPECT_EQ(shown, 5);
    for (ShapeId target : {395, 44}) {
        for (const FigureCommand& f : window->figureCommands()) {
            if (f.figure == target) Command(f.id);
        }
        EXPECT_EQ(state.solid.zukei, target);
        EXPECT_EQ(CheckedFigures(*window, &shown), 1);
        EXPECT_EQ(shown, target);
    }
    Press(Qt::Key_W);  // 44 -> 45 by key also moves the mark
    EXPECT_EQ(CheckedFigures(*window, &shown), 1);
    EXPECT_EQ(shown, 45);
}

TEST_F(Window, FigureMenuSettingsAndSizeStandard) {
    EXPECT_TRUE(window->action(cmd::kPyramidSettings)->isEnabled());
    EXPECT_TRUE(window->action(cmd::kHueCycle)->isEnabled());
    EXPECT_TRUE(window->action(cmd::kSphericalSettings)->isEnabled());
    EXPECT_TRUE(IsChecked(cmd::kKikakuInscribed));
}

TEST_F(Window, StereoSwitchesPerspectiveOn) {
    Command(cmd::kPerspective);
    EXPECT_EQ(state.display.person, 0);
    EXPECT_FALSE(IsChecked(cmd::kPerspective));
    Command(cmd::kStereo);
    EXPECT_EQ(state.display.stereoon, 1);
    EXPECT_TRUE(IsChecked(cmd::kStereo));
    EXPECT_TRUE(IsChecked(cmd::kPerspective));
    Command(cmd::kStereo);
    EXPECT_TRUE(IsChecked(cmd::kPerspective));
}

TEST_F(Window, ChoosingTheCheckedItemAgainKeepsItsMark) {
    Command(cmd::kFaceOpaque);
    Command(cmd::kFaceOpaque);
    EXPECT_TRUE(IsChecked(cmd::kFaceOpaque));
    EXPECT_FALSE(IsChecked(cmd::kFaceGrey));
    Command(cmd::kKikakuMid);
    EXPECT_EQ(state.solid.params.kikaku, 0);
    EXPECT_TRUE(IsChecked(cmd::kKikakuMid));
    EXPECT_FALSE(IsChecked(cmd::kKikakuInscribed));
}

TEST_F(Window, ColourCommandsUseTheChooser) {
    window->setColourChooser([](Colour& c) {
        c = 0x00336699;
        return true;
    });
    Command(cmd::kBackgroundColour);
    EXPECT_EQ(state.display.bkmode, 2);
    EXPECT_EQ(state.display.bkcol, 0x00336699u);
    EXPECT_TRUE(IsChecked(cmd::kBackgroundColour));
    EXPECT_FALSE(IsChecked(cmd::kBackgroundBlack));
    window->setColourChooser([](Colour&) { return false; });
    Command(cmd::kPenColour);
    EXPECT_EQ(state.display.pencolmode, 3);
    EXPECT_FALSE(IsChecked(cmd::kPenColour));
}

TEST_F(Window, TheColourChooserKeepsItsCustomColoursAndPausesTheLoop) {
    window->startLoop();
    bool loopRanDuringDialog = true;
    QColor firstCustom;
    QTimer::singleShot(50, [&] {
        auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            ADD_FAILURE() << "no colour chooser open";
            if (QWidget* other = QApplication::activeModalWidget()) other->close();
            return;
        }
        loopRanDuringDialog = window->loopRunning();
        firstCustom = QColorDialog::customColor(0);
        QColorDialog::setCustomColor(5, QColor(1, 2, 3));
        dialog->reject();
    });
    Command(cmd::kBackgroundColour);
    EXPECT_FALSE(loopRanDuringDialog);
    EXPECT_TRUE(window->loopRunning());
    EXPECT_EQ(firstCustom, QColor(0xFF, 0xC0, 0x00));  // 0x0000C0FF
    EXPECT_EQ(shell.customcolours[5], 0x00030201u);
    EXPECT_EQ(state.display.bkmode, 0);  // cancelled: nothing chosen
}

TEST_F(Window, MaximisingKeepsTheDrawingSize) {
    window->showMaximized();
    QApplication::processEvents();
    QApplication::processEvents();
    ASSERT_TRUE(window->isMaximized());
    EXPECT_EQ(shell.viewwidth, 256);
    EXPECT_EQ(shell.viewheight, 256);
    window->showNormal();
    window->resize(400, 400);
    QApplication::processEvents();
    QApplication::processEvents();
    EXPECT_EQ(shell.viewwidth, 400);
}

// "窓に合わせる": the picture fills a maximised window and is centred in it;
// off, maximising keeps the drawing size as before.
TEST_F(Window, FitToWindowFollowsAMaximisedWindow) {
    ASSERT_NE(window->action(cmd::kFitWindow), nullptr);
    EXPECT_EQ(window->action(cmd::kFitWindow)->text(), QStringLiteral("窓に合わせる"));
    EXPECT_FALSE(IsChecked(cmd::kFitWindow));  // off at start
    Command(cmd::kFitWindow);
    EXPECT_TRUE(IsChecked(cmd::kFitWindow));
    EXPECT_EQ(state.display.fitwindow, 1);

    window->showMaximized();
    QApplication::processEvents();
    QApplication::processEvents();
    ASSERT_TRUE(window->isMaximized());
    const QSize client = window->canvas()->size();
    ASSERT_GT(client.width(), 256);
    EXPECT_EQ(shell.viewwidth, client.width());
    EXPECT_EQ(shell.viewheight, client.height() - kStatusBandHeight);
    EXPECT_EQ(state.solid.params.viewx, client.width());
    EXPECT_EQ(state.solid.params.viewy, client.height() - kStatusBandHeight);
    EXPECT_EQ(state.display.backBuffer.width, client.width());

    // The cube, drawn in the middle of the whole area.
    window->canvas()->repaint();
    const BackBuffer& b = state.display.backBuffer;
    const Colour background = b.pixels.front();
    int x0 = b.width, x1 = -1, y0 = b.height, y1 = -1;
    for (int y = 0; y < b.height; ++y) {
        for (int x = 0; x < b.width; ++x) {
            if (b.pixels[size_t(y) * size_t(b.width) + size_t(x)] == background) continue;
            x0 = std::min(x0, x), x1 = std::max(x1, x), y0 = std::min(y0, y), y1 = std::max(y1, y);
        }
    }
    ASSERT_GE(x1, 0);
    EXPECT_NEAR((x0 + x1) / 2.0, b.width / 2.0, 3.0);
    EXPECT_NEAR((y0 + y1) / 2.0, b.height / 2.0, 24.0);  // the cube seen in perspective from its front

    // Switched off while maximised: the size stays until the window changes;
    // restoring takes the restored client size as before.
    Command(cmd::kFitWindow);
    EXPECT_FALSE(IsChecked(cmd::kFitWindow));
    window->showNormal();
    window->resize(300, 320);
    QApplication::processEvents();
    QApplication::processEvents();
    EXPECT_EQ(shell.viewwidth, window->canvas()->width());
    window->showMaximized();
    QApplication::processEvents();
    QApplication::processEvents();
    EXPECT_NE(shell.viewwidth, window->canvas()->width());  // off: maximising keeps the drawing size
}

// A settings file with another drawing size still sizes the window to it, with
// the picture following the window or not.
TEST_F(Window, FitToWindowKeepsTheSizeALoadedFileAsksFor) {
    Command(cmd::kFitWindow);
    window->resizeWindowToView(320, 200);
    QApplication::processEvents();
    QApplication::processEvents();
    EXPECT_EQ(shell.viewwidth, 320);
    EXPECT_EQ(shell.viewheight, 200);
    EXPECT_EQ(window->canvas()->size(), QSize(320, 200 + kStatusBandHeight));
}

// At a device-pixel ratio of 2 (QT_SCALE_FACTOR=2, its own ctest entry) the
// window's image has twice the pixels of its logical size, and the picture is
// drawn at them, not as 2 x 2 blocks.
TEST_F(Window, HiDpiPictureAtDevicePixels) {
    const qreal ratio = window->canvas()->devicePixelRatioF();
    if (ratio != 2) GTEST_SKIP() << "runs with QT_SCALE_FACTOR=2";
    const QImage image = window->canvas()->grab().toImage();
    EXPECT_EQ(image.width(), 2 * window->canvas()->width());
    EXPECT_EQ(image.height(), 2 * window->canvas()->height());
    // Along the cube's outline some 2 x 2 cell holds two colours.
    int mixedCells = 0;
    for (int y = 0; y + 1 < 2 * shell.viewheight; y += 2) {
        for (int x = 0; x + 1 < 2 * shell.viewwidth; x += 2) {
            const QRgb c = image.pixel(x, y);
            if (image.pixel(x + 1, y) != c || image.pixel(x, y + 1) != c || image.pixel(x + 1, y + 1) != c) {
                ++mixedCells;
            }
        }
    }
    EXPECT_GT(mixedCells, 100);
    // Exports keep the drawing size.
    window->runCommand(cmd::kCopyImage);
    EXPECT_EQ(state.display.backBuffer.width, shell.viewwidth);
}

// A figure that does not exist for its parameters says so in line 2 of the
// band, short enough for the narrowest window, in place of its name.
TEST_F(Window, AnEmptyFigureSaysSoInTheBand) {
    for (const ShapeId figure : {409, 413, 400}) {
        SCOPED_TRACE(figure);
        ChangeFigure(state, figure);
        window->canvas()->repaint();
        EXPECT_EQ(window->statusText().refusal, figure == 400 ? Refusal::None : Refusal::PrismDialog);
    }
    const QFontMetrics metrics(window->statusFont());
    for (const Refusal refusal : {Refusal::PyramidFamily, Refusal::PrismDialog, Refusal::SphericalFamily, Refusal::Other}) {
        const QString text = MainWindow::refusalText(refusal);
        EXPECT_FALSE(text.isEmpty());
        EXPECT_LE(metrics.horizontalAdvance(text), 256) << text.toStdString();
    }
}

TEST_F(Window, AKeyLetGoWhileCtrlIsDownStopsActing) {
    Press(Qt::Key_Right);
    window->runPass();
    Press(Qt::Key_Control, Qt::ControlModifier);
    Release(Qt::Key_Right, Qt::ControlModifier);
    window->runPass();
    EXPECT_FALSE(shell.keys.held(gyro::Key::Right));
    const Matrix3 stopped = state.view.ax;
    window->runPass();
    EXPECT_EQ(state.view.ax, stopped);
    // Pressed with Ctrl it is a shortcut key and does not turn at all.
    Press(Qt::Key_Left, Qt::ControlModifier);
    EXPECT_FALSE(shell.keys.held(gyro::Key::Left));
}

TEST_F(Window, LosingFocusForgetsHeldKeys) {
    Press(Qt::Key_Down);
    EXPECT_TRUE(shell.keys.held(gyro::Key::Down));
    QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QCoreApplication::sendEvent(window->canvas(), &out);
    EXPECT_FALSE(shell.keys.held(gyro::Key::Down));
}

TEST_F(Window, ResizingFollowsTheClientArea) {
    window->resizeWindowToView(100, 60);
    QApplication::processEvents();
    QApplication::processEvents();
    // The window never gets narrower than 256, but the picture can.
    EXPECT_EQ(window->canvas()->width(), 256);
    EXPECT_EQ(shell.viewwidth, 100);
    EXPECT_EQ(shell.viewheight, 60);
    EXPECT_EQ(state.display.backBuffer.width, 100);

    window->resize(window->width() + 40, window->height() + 20);
    QApplication::processEvents();
    QApplication::processEvents();
    EXPECT_EQ(shell.viewwidth, 296);
    EXPECT_EQ(shell.viewheight, 80);
    EXPECT_EQ(state.solid.params.viewx, 296);
    EXPECT_EQ(state.solid.params.viewy, 80);

    // A client area shorter than the band still leaves a 1x1 picture.
    window->resize(window->width(), window->menuBar()->height() + 10);
    QApplication::processEvents();
    QApplication::processEvents();
    EXPECT_EQ(shell.viewheight, 1);
    EXPECT_GE(state.display.backBuffer.height, 1);
}

TEST_F(Window, StatusFontHasHalfAndFullWidthCells) {
    // The band places its pieces by cells; the font must match them.
    const QFontMetrics metrics(window->statusFont());
    EXPECT_EQ(metrics.horizontalAdvance(QStringLiteral("speed:50 ")), 9 * 8);
    EXPECT_EQ(metrics.horizontalAdvance(QStringLiteral("立方体")), 3 * 16);
    EXPECT_LE(metrics.height(), 17);
}

TEST_F(Window, StatusBandIsRedrawnWholeEveryFrame) {
    Command(cmd::kShowFps);
    shell.fps = 12345;
    QImage withFps = window->canvas()->grab().toImage();
    Command(cmd::kShowFps);
    QImage without = window->canvas()->grab().toImage();
    // "speed:50 fps:12345 " against "speed:50 ": cells 9..18 of line 1 go blank.
    const int y0 = shell.viewheight;
    auto inked = [&](const QImage& img) {
        int n = 0;
        for (int y = y0; y < y0 + 16; ++y)
            for (int x = 9 * 8; x < 19 * 8; ++x) n += img.pixelColor(x, y) != QColor(Qt::white);
        return n;
    };
    EXPECT_GT(inked(withFps), 0);
    EXPECT_EQ(inked(without), 0);
    // The picture above the band shows the background.
    EXPECT_EQ(without.pixelColor(10, 10), QColor(Qt::black));
}

// Records whether the canvas ever got an event while its window was no longer
// a whole MainWindow (that is, during the window's base-class destruction).
class TeardownWatch : public QObject {
public:
    bool sawHalfDestroyedOwner = false;
    int focusOuts = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusOut) {
            ++focusOuts;
            auto* canvas = static_cast<QWidget*>(watched);
            if (qobject_cast<MainWindow*>(canvas->window()) == nullptr) sawHalfDestroyedOwner = true;
        }
        return false;
    }
};

TEST_F(Window, ClosingWithTheCanvasFocusedCallsNothingBackIntoTheClosedWindow) {
    window->activateWindow();
    window->canvas()->setFocus();
    QApplication::processEvents();
    ASSERT_EQ(QApplication::focusWidget(), window->canvas());
    Press(Qt::Key_Left);
    window->startLoop();

    TeardownWatch watch;
    window->canvas()->installEventFilter(&watch);
    window.reset();
    EXPECT_FALSE(watch.sawHalfDestroyedOwner);
    // The state outlives the window and is still whole.
    QApplication::processEvents();
    EXPECT_EQ(state.solid.zukei, 5);
}

}  // namespace
}  // namespace gyro
