#include "app/main_window.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QInputDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QLayout>
#include <QProgressDialog>
#include <QStyle>
#include <QProgressDialog>
#include <QWheelEvent>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

#include "catalog/command_ids.h"
#include "app/figure_panel.h"
#include "shell/frame_step.h"
#include "dialogs/animation_dialog.h"
#include "dialogs/family_dialogs.h"
#include "io/vector_file.h"
#include "dialogs/finder_dialog.h"
#include "dialogs/ui_text.h"
#include "app/translations.h"
#include "catalog/english_names.h"
#include "dialogs/info_dialog.h"
#include "dialogs/net_dialog.h"
#include "dialogs/run_dialog.h"
#include "dialogs/sphere_dialog.h"
#include "shell/input.h"
#include "app/view_fit.h"
#include "state/scaled_frame.h"
#include "app/key_map.h"
#include "catalog/catalogue.h"
#include "state/dispatcher.h"
#include "render/colouring.h"
#include "render/render_frame.h"

namespace gyro {

namespace {

constexpr int kPassMs = 10;
constexpr int kMinClientWidth = 256;

uint64_t ClockMs() {
    using namespace std::chrono;
    return static_cast<uint64_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

QColor ToQColor(Colour c) { return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF)); }

Colour FromQColor(const QColor& c) {
    return Colour(c.red()) | (Colour(c.green()) << 8) | (Colour(c.blue()) << 16);
}

}  // namespace

// ---------------------------------------------------------------------------
// Canvas

Canvas::Canvas(MainWindow& owner) : owner_(owner) {
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);  // moves without a button set the reference point
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Canvas::paintEvent(QPaintEvent*) { owner_.drawFrame(*this); }

void Canvas::resizeEvent(QResizeEvent*) { owner_.clientResized(); }

void Canvas::keyPressEvent(QKeyEvent* event) { owner_.keyEvent(event, true); }

void Canvas::keyReleaseEvent(QKeyEvent* event) { owner_.keyEvent(event, false); }

void Canvas::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    const Qt::MouseButtons b = event->buttons();
    MouseMove(owner_.state_, owner_.shell_, static_cast<int16_t>(p.x()), static_cast<int16_t>(p.y()),
              (b & Qt::LeftButton) != 0, (b & Qt::RightButton) != 0);
}

void Canvas::wheelEvent(QWheelEvent* event) {
    MouseWheel(owner_.shell_, event->angleDelta().y());
    event->accept();
}

void Canvas::focusOutEvent(QFocusEvent* event) {
    // Key releases that happen while a menu or dialog has the keyboard never
    // reach us; forget every held key rather than keep turning for ever.
    owner_.shell_.keys.releaseAll();
    QWidget::focusOutEvent(event);
}

// ---------------------------------------------------------------------------
// MainWindow

MainWindow::MainWindow(AppState& state, ShellState& shell, QWidget* parent)
    : QMainWindow(parent), state_(state), shell_(shell), statusFont_(QStringLiteral("IPAGothic")) {
    updateTitle();
    statusFont_.setPixelSize(kStatusLineHeight);
    statusFont_.setStyleHint(QFont::TypeWriter);

    canvas_ = new Canvas(*this);
    setCentralWidget(canvas_);
    setFocusProxy(canvas_);
    canvas_->setFocus();
    figurePanel_ = new FigurePanel(this);
    addDockWidget(Qt::RightDockWidgetArea, figurePanel_);
    figurePanel_->hide();

    chooser_ = [this](Colour& c) { return chooseColourDialog(c); };
    setFileChooser({});
    setMessageBox({});
    setQuestionBox({});
    fileUi_.computeOuter = [this](const Solid& solid, int level) { return computeOuterWithProgress(solid, level); };
    fileUi_.computeNet = [this](const Solid& solid, int level, const NetOptions& options) {
        return computeNetWithProgress(solid, level, options);
    };
    setNetDialog({});
    setAnimationDialog({});
    setProgressDisplay({});
    setScaleBox({});
    setPrintSizeBox({});
    setLanguage(shell_.language);

    passTimer_.setTimerType(Qt::PreciseTimer);
    passTimer_.setInterval(kPassMs);
    connect(&passTimer_, &QTimer::timeout, this, &MainWindow::runPass);

    resizeWindowToView(shell_.viewwidth, shell_.viewheight);
}

MainWindow::~MainWindow() {
    // The canvas calls back into this window (a focus-out while it is torn
    // down, a paint); it goes first, while every member is still alive, rather
    // than with the children that QWidget's destructor removes after ours ran.
    passTimer_.stop();
    delete canvas_;
    canvas_ = nullptr;
}

void MainWindow::startLoop() {
    lastPassMs_ = ClockMs();
    passTimer_.start();
}

void MainWindow::runPass() {
    StepFrame(state_, shell_);
    syncFigurePanel();
    canvas_->repaint();
    const uint64_t now = ClockMs();
    CountFrame(shell_, lastPassMs_, now);
    lastPassMs_ = now;
}

QAction* MainWindow::action(int id) const {
    auto it = actions_.find(id);
    return it == actions_.end() ? nullptr : it->second;
}

QAction* MainWindow::addCommand(QMenu* menu, const QString& label, int id) {
    QAction* a = menu->addAction(label);
    a->setData(id);
    actions_[id] = a;
    connect(a, &QAction::triggered, this, [this, id] { runCommand(id); });
    return a;
}

void MainWindow::buildMenus() {
    menus_ = {buildOperationMenu(), buildFigureMenu(), buildViewMenu(), buildLanguageMenu()};
    for (QMenu* m : menus_) menuBar()->addMenu(m);

    // Every item that shows a state carries a check mark; the marks are set
    // from the state alone, never by the toggle of the click itself.
    for (const MenuMark& m : MenuMarks(state_, shell_, figureCommands_)) {
        if (QAction* a = action(m.id)) a->setCheckable(true);
    }
    for (int id : PendingCommands()) {
        if (QAction* a = action(id)) a->setEnabled(false);
    }

    QAction* info = action(cmd::kInformation);
    info->setShortcuts({QKeySequence(Qt::ALT | Qt::Key_Slash), QKeySequence(Qt::ALT | Qt::Key_Question)});
    action(cmd::kCopyImage)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    action(cmd::kFindFigure)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    for (auto& [id, a] : actions_) a->setShortcutContext(Qt::WindowShortcut);
}

QMenu* MainWindow::buildLanguageMenu() {
    // The same words in every language, so that one can always find the way back.
    QMenu* m = new QMenu(QStringLiteral("言語 / Language"), this);
    addCommand(m, QStringLiteral("日本語"), cmd::kLanguageJapanese);
    addCommand(m, QStringLiteral("English"), cmd::kLanguageEnglish);
    return m;
}

void MainWindow::setLanguage(UiLanguage language) {
    if (!SetInterfaceLanguage(language)) language = UiLanguage::Japanese;
    const bool changed = language != shell_.language;
    shell_.language = language;
    if (changed || menus_.empty()) {
        // Every text is set again: the menus are made anew in the new language
        // (the old ones go once the command that chose the language is done).
        menuBar()->clear();
        for (QMenu* m : menus_) m->deleteLater();
        menus_.clear();
        actions_.clear();
        figureCommands_.clear();
        buildMenus();
    }
    applyMenuMarks();
    if (languageSaver_) languageSaver_(language);
    canvas_->update();
}

QMenu* MainWindow::buildOperationMenu() {
    QMenu* m = new QMenu(tr("操作(&F)"), this);
    addCommand(m, tr("軸の初期化(&I)"), cmd::kResetView);
    addCommand(m, tr("慣性回転(&R)"), cmd::kInertia);
    addCommand(m, tr("自動回転(&G)..."), cmd::kAutoRotation);
    addCommand(m, tr("画面サイズ(&S)..."), cmd::kScreenSize);
    addCommand(m, tr("任意回転軸(&J) ..."), cmd::kArbitraryAxis);
    addCommand(m, tr("図形サイズ＆方向(&Z) ..."), cmd::kSizeAndDirection);
    addCommand(m, tr("FPSの表示(&F)"), cmd::kShowFps);
    addCommand(m, tr("投射面積確認(&Q).."), cmd::kProjectedArea);
    addCommand(m, tr("マウス操作有効(&M).."), cmd::kMouse);
    m->addSeparator();
    addCommand(m, tr("画像の出力(&E) ..."), cmd::kExportImage);
    addCommand(m, tr("画像のコピー(&C)"), cmd::kCopyImage);
    addCommand(m, tr("3Dプリント用に保存..."), cmd::kSavePrint);
    addCommand(m, tr("展開図を保存..."), cmd::kSaveNet);
    addCommand(m, tr("アニメーションを保存..."), cmd::kSaveAnimation);
    m->addSeparator();
    addCommand(m, tr("設定の保存(&H) ..."), cmd::kSaveSettings);
    addCommand(m, tr("設定の読出し(&Y) ..."), cmd::kLoadSettings);
    m->addSeparator();
    addCommand(m, tr("情報・操作方法(&A) ..."), cmd::kInformation);
    m->addSeparator();
    addCommand(m, tr("終了(&X)"), cmd::kExit);
    return m;
}

QString MainWindow::figureMenuLabel(const FigureMenuItem& item) const {
    // The Johnson entries are made from the names; their English follows the
    // English names, not a translation of each label.
    if (shell_.language == UiLanguage::English) {
        if (const std::string label = EnglishJohnsonMenuLabel(item.figure); !label.empty()) {
            return QString::fromStdString(label);
        }
    }
    return QCoreApplication::translate("FigureMenu", item.label.c_str());
}

void MainWindow::addFigureItems(QMenu* menu, const FigureMenuItem& parent) {
    for (const FigureMenuItem& item : parent.children) {
        const QString label = figureMenuLabel(item);
        if (item.separator) {
            menu->addSeparator();
        } else if (!item.children.empty()) {
            addFigureItems(menu->addMenu(label), item);
        } else if (item.figure != 0) {
            const int id = cmd::kFigureFirst + static_cast<int>(figureCommands_.size());
            figureCommands_.push_back({id, item.figure});
            addCommand(menu, label, id);
        } else if (item.command != 0) {
            addCommand(menu, label, item.command);
        }
    }
}

QMenu* MainWindow::buildFigureMenu() {
    const FigureMenuItem& tree = FigureMenuTree();
    QMenu* m = new QMenu(figureMenuLabel(tree), this);
    addFigureItems(m, tree);
    m->addSeparator();
    addCommand(m, tr("図形を探す..."), cmd::kFindFigure);
    return m;
}

QMenu* MainWindow::buildViewMenu() {
    QMenu* m = new QMenu(tr("表示(&V)"), this);
    addCommand(m, tr("透明"), cmd::kFaceTransparent);
    addCommand(m, tr("不透明"), cmd::kFaceOpaque);
    addCommand(m, tr("灰色／白陰影"), cmd::kFaceGrey);
    addCommand(m, tr("8色"), cmd::kFace8);
    addCommand(m, tr("27色"), cmd::kFace27);
    addCommand(m, tr("12彩色"), cmd::kFace12Hues);
    addCommand(m, tr("角数配色"), cmd::kFaceByCorners);
    addCommand(m, tr("方向配色（底面特異）"), cmd::kFaceDirectionSingular);
    addCommand(m, tr("方向配色（底面連続）"), cmd::kFaceDirectionContinuous);
    addCommand(m, tr("固有配色"), cmd::kFaceIntrinsic);
    addCommand(m, tr("フラクタル用"), cmd::kFaceFractal);

    QMenu* palette = m->addMenu(tr("配色の変更"));
    static const char* const kPaletteLabels[] = {
        QT_TR_NOOP("色１/三角形色..."), QT_TR_NOOP("色２/四角形色..."), QT_TR_NOOP("色３/五角形色..."),
        QT_TR_NOOP("色４/六角形色..."), QT_TR_NOOP("色５/八角形色..."), QT_TR_NOOP("色６/十角形色..."),
        QT_TR_NOOP("色７..."),          QT_TR_NOOP("色８..."),          QT_TR_NOOP("色９/底面..."),
        QT_TR_NOOP("色10/下底..."),
    };
    for (int i = 0; i < 10; ++i) addCommand(palette, tr(kPaletteLabels[i]), cmd::kPaletteFirst + i);
    addCommand(palette, tr("側面用..."), cmd::kHueCycle);
    palette->addSeparator();
    addCommand(palette, tr("リセット"), cmd::kPaletteReset);

    addCommand(m, tr("任意単色..."), cmd::kFaceSingleColour);
    m->addSeparator();
    addCommand(m, tr("陰影ON"), cmd::kShading);
    addCommand(m, tr("影の色..."), cmd::kShadowColour);
    addCommand(m, tr("光沢ON"), cmd::kGloss);
    addCommand(m, tr("光の色..."), cmd::kLightColour);
    addCommand(m, tr("光の角度等..."), cmd::kLightDialog);
    m->addSeparator();
    addCommand(m, tr("遠近ON"), cmd::kPerspective);
    addCommand(m, tr("立体視（平行法）ON"), cmd::kStereo);
    addCommand(m, tr("遠近＆立体視の設定..."), cmd::kPerspectiveDialog);
    m->addSeparator();

    QMenu* lines = m->addMenu(tr("線（陽線）"));
    addCommand(lines, tr("太線"), cmd::kPenBold);
    addCommand(lines, tr("細線"), cmd::kPenThin);
    addCommand(lines, tr("線無し"), cmd::kPenNone);
    lines->addSeparator();
    addCommand(lines, tr("黒線"), cmd::kPenBlack);
    addCommand(lines, tr("白線"), cmd::kPenWhite);
    addCommand(lines, tr("背景と同じ"), cmd::kPenAsBackground);
    addCommand(lines, tr("背景の反対"), cmd::kPenOppositeBackground);
    addCommand(lines, tr("任意..."), cmd::kPenColour);

    QMenu* hidden = m->addMenu(tr("陰線"));
    addCommand(hidden, tr("太線"), cmd::kHiddenBold);
    addCommand(hidden, tr("細線"), cmd::kHiddenThin);
    addCommand(hidden, tr("線無し"), cmd::kHiddenNone);
    addCommand(hidden, tr("陽線と同じ"), cmd::kHiddenWidthAsVisible);
    hidden->addSeparator();
    addCommand(hidden, tr("黒線"), cmd::kHiddenBlack);
    addCommand(hidden, tr("白線"), cmd::kHiddenWhite);
    addCommand(hidden, tr("背景と同じ"), cmd::kHiddenAsBackground);
    addCommand(hidden, tr("背景の反対"), cmd::kHiddenOppositeBackground);
    addCommand(hidden, tr("陽線と同じ"), cmd::kHiddenAsVisible);
    addCommand(hidden, tr("陽線の反対"), cmd::kHiddenOppositeVisible);
    addCommand(hidden, tr("背景と陽線の中間"), cmd::kHiddenBetween);
    addCommand(hidden, tr("任意色..."), cmd::kHiddenColour);

    m->addSeparator();
    addCommand(m, tr("内側表示"), cmd::kInside);
    addCommand(m, tr("シンメトリー補正"), cmd::kSymmetry);
    addCommand(m, tr("中心点の表示"), cmd::kCentrePoint);
    addCommand(m, tr("正確な前後関係"), cmd::kExactDepth);
    addCommand(m, tr("窓に合わせる"), cmd::kFitWindow);
    addCommand(m, tr("図形の数値"), cmd::kInfoPanel);
    QMenu* background = m->addMenu(tr("背景"));
    addCommand(background, tr("黒背景"), cmd::kBackgroundBlack);
    addCommand(background, tr("白背景"), cmd::kBackgroundWhite);
    addCommand(background, tr("任意..."), cmd::kBackgroundColour);
    return m;
}

void MainWindow::applyMenuMarks() {
    for (const MenuMark& m : MenuMarks(state_, shell_, figureCommands_)) {
        if (QAction* a = action(m.id)) a->setChecked(m.checked);
    }
}

void MainWindow::runCommand(int id) {
    if (id == cmd::kLanguageJapanese || id == cmd::kLanguageEnglish) {
        setLanguage(id == cmd::kLanguageEnglish ? UiLanguage::English : UiLanguage::Japanese);
        return;
    } else if (id == cmd::kFindFigure) {
        findFigure();
    } else if (id == cmd::kInformation) {
        showInformation();
    } else if (id == cmd::kExit) {
        close();
        return;
    } else if (id == cmd::kSaveSettings) {
        SaveSettingsCommand(state_, fileNames_, fileUi_);
    } else if (id == cmd::kLoadSettings) {
        loadSettings();
    } else if (id == cmd::kExportImage) {
        freshLogicalFrame();
        ExportImageCommand(state_, fileNames_, fileUi_);
    } else if (id == cmd::kSavePrint) {
        SavePrintCommand(state_, fileNames_, fileUi_);
    } else if (id == cmd::kSaveNet) {
        SaveNetCommand(state_, fileNames_, fileUi_);
    } else if (id == cmd::kCopyImage) {
        freshLogicalFrame();
        copyImage();
    } else if (id == cmd::kSaveAnimation) {
        LoopPause pause(*this);
        SaveAnimationCommand(state_, shell_, fileNames_, lastAnimation_, fileUi_);
    } else if (id == cmd::kProjectedArea) {
        freshLogicalFrame();
        ProjectedAreaCommand(state_, fileUi_);
    } else if (id == cmd::kFitWindow) {
        RunStateCommand(state_, shell_, id, chooser_);
        // Switched on, the picture takes the window's size at once.
        if (state_.display.fitwindow) applyClientSize();
    } else if (id == cmd::kSphericalSettings) {
        editSphereParameters();
    } else if (openViewDialog(id)) {
        // stored by the dialog; marks and picture follow below
    } else if (id == cmd::kPyramidSettings) {
        LoopPause pause(*this);
        if (RunPrismDialog(this, state_.solid)) {
            Rebuild(state_.solid);
            // The dialog may have chosen another figure, with fewer colour patterns.
            ClampDisplayToFigure(state_);
        }
    } else if (id == cmd::kHueCycle) {
        LoopPause pause(*this);
        RunHueCycleDialog(this, state_.solid.params);
        Rebuild(state_.solid);  // the family colours are stored in the faces
    } else if (id >= cmd::kFigureFirst) {
        for (const FigureCommand& f : figureCommands_) {
            if (f.id == id) ChangeFigure(state_, f.figure);
        }
    } else {
        RunStateCommand(state_, shell_, id, chooser_);
    }
    applyMenuMarks();
    canvas_->update();
}

bool MainWindow::chooseColourDialog(Colour& colour) {
    LoopPause pause(*this);
    for (int i = 0; i < kCustomColourCount; ++i) QColorDialog::setCustomColor(i, ToQColor(shell_.customcolours[size_t(i)]));
    // Qt's own chooser: a desktop's native one may not show the 16 custom colours.
    const QColor chosen = QColorDialog::getColor(ToQColor(colour), this, tr("色の設定"),
                                                 QColorDialog::DontUseNativeDialog);
    // The custom colours the user edited stay for the rest of the run.
    for (int i = 0; i < kCustomColourCount; ++i) shell_.customcolours[size_t(i)] = FromQColor(QColorDialog::customColor(i));
    if (!chosen.isValid()) return false;
    colour = FromQColor(chosen);
    return true;
}

void MainWindow::editSphereParameters() {
    LoopPause pause(*this);
    ShapeId figure = state_.solid.zukei;
    if (!EditSphereParameters(this, state_.solid.params, figure)) return;
    // The dialog may switch between the ellipsoid and the torus, which carry
    // different numbers of colour patterns.
    state_.solid.zukei = figure;
    Rebuild(state_.solid);
    ClampDisplayToFigure(state_);
}

void MainWindow::findFigure() {
    LoopPause pause(*this);
    // As a menu entry would: a new figure, its patterns and depth brought into range.
    const auto figure = RunFinderDialog(this, shell_.language == UiLanguage::English);
    if (figure) ChangeFigure(state_, *figure);
}

void MainWindow::showInformation() {
    LoopPause pause(*this);
    ShowInformationDialog(this);
}

void MainWindow::setFileChooser(decltype(FileUi::chooseFile) chooser) {
    if (!chooser) chooser = [this](FileKind kind, std::string& name) { return chooseFileDialog(kind, name); };
    fileUi_.chooseFile = std::move(chooser);
}

void MainWindow::runWithProgress(
    const QString& label,
    const std::function<void(const std::atomic<bool>& cancel, std::function<void(double)> progress)>& work) {
    LoopPause pause(*this);
    // The panel's outer surface would hold the exact steps, which run one at a
    // time: it gives way, and starts again once the loop runs.
    figurePanel_->callOffWork();
    // The worker has copies of its own; the window stays responsive and can cancel it.
    std::atomic<bool> cancel{false};
    std::atomic<int> permille{0};
    std::atomic<bool> done{false};
    std::thread worker([&] {
        work(cancel, [&](double fraction) { permille = static_cast<int>(fraction * 1000); });
        done = true;
    });
    QProgressDialog dialog(label, tr("キャンセル"), 0, 1000, this);
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setMinimumDuration(400);
    while (!done) {
        if (dialog.wasCanceled()) cancel = true;
        dialog.setValue(std::clamp(permille.load(), 0, 999));
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    worker.join();
}

OuterResult MainWindow::computeOuterWithProgress(const Solid& figure, int fractalLevel) {
    const Solid solid = figure;
    OuterResult result;
    runWithProgress(tr("外側の面を計算しています..."), [&](const std::atomic<bool>& cancel, std::function<void(double)> progress) {
        OuterOptions options;
        options.fractalLevel = fractalLevel;
        options.cancel = &cancel;
        options.progress = std::move(progress);
        result = ComputeOuterSurface(solid, options);
    });
    return result;
}

NetResult MainWindow::computeNetWithProgress(const Solid& figure, int fractalLevel, const NetOptions& request) {
    const Solid solid = figure;
    NetResult result;
    runWithProgress(tr("展開図を作っています..."), [&](const std::atomic<bool>& cancel, std::function<void(double)> progress) {
        NetOptions options = request;
        options.cancel = &cancel;
        options.progress = std::move(progress);
        result = MakeFigureNet(solid, fractalLevel, options);
    });
    return result;
}

void MainWindow::setNetDialog(decltype(FileUi::editNet) dialog) {
    if (!dialog) {
        dialog = [this](NetRequest& request) {
            LoopPause pause(*this);
            return EditNet(this, request);
        };
    }
    fileUi_.editNet = std::move(dialog);
}

void MainWindow::setMessageBox(decltype(FileUi::inform) box) {
    if (!box) box = [this](const std::string& text, const std::string& caption) { messageBox(text, caption); };
    fileUi_.inform = std::move(box);
}

void MainWindow::setQuestionBox(decltype(FileUi::ask) box) {
    if (!box) box = [this](const std::string& text, const std::string& caption) { return questionBox(text, caption); };
    fileUi_.ask = std::move(box);
}

void MainWindow::setAnimationDialog(decltype(FileUi::editAnimation) dialog) {
    if (!dialog) {
        dialog = [this](AnimationRequest& request) {
            LoopPause pause(*this);
            return EditAnimation(this, request);
        };
    }
    fileUi_.editAnimation = std::move(dialog);
}

void MainWindow::setProgressDisplay(decltype(FileUi::showProgress) display) {
    if (!display) display = [this](int32_t total) { return progressDialog(total); };
    fileUi_.showProgress = std::move(display);
}

void MainWindow::setScaleBox(decltype(FileUi::askScale) box) {
    if (!box) box = [this](double& scale) { return scaleBox(scale); };
    fileUi_.askScale = std::move(box);
}

void MainWindow::setPrintSizeBox(decltype(FileUi::askPrintSize) box) {
    if (!box) box = [this](double& sizeMm) { return printSizeBox(sizeMm); };
    fileUi_.askPrintSize = std::move(box);
}

bool MainWindow::printSizeBox(double& sizeMm) {
    LoopPause pause(*this);
    QInputDialog dialog(this);
    dialog.setWindowTitle(tr("大きさ"));
    dialog.setLabelText(tr("立体のいちばん長い差し渡し (mm):"));
    dialog.setInputMode(QInputDialog::DoubleInput);
    dialog.setDoubleRange(kPrintSizeMinMm, kPrintSizeMaxMm);
    dialog.setDoubleDecimals(1);
    dialog.setDoubleValue(std::clamp(sizeMm, kPrintSizeMinMm, kPrintSizeMaxMm));
    if (RunDialog(dialog) != QDialog::Accepted) return false;
    sizeMm = std::clamp(dialog.doubleValue(), kPrintSizeMinMm, kPrintSizeMaxMm);
    return true;
}

bool MainWindow::scaleBox(double& scale) {
    LoopPause pause(*this);
    QInputDialog dialog(this);
    dialog.setWindowTitle(tr("拡大率"));
    dialog.setLabelText(tr("図形ファイルの拡大率 (1 で画面と同じ大きさ、SVG はピクセル、PDF はポイント):"));
    dialog.setInputMode(QInputDialog::DoubleInput);
    dialog.setDoubleRange(kVectorScaleMin, kVectorScaleMax);
    dialog.setDoubleDecimals(2);
    dialog.setDoubleValue(std::clamp(scale, kVectorScaleMin, kVectorScaleMax));
    if (RunDialog(dialog) != QDialog::Accepted) return false;
    scale = std::clamp(dialog.doubleValue(), kVectorScaleMin, kVectorScaleMax);
    return true;
}

AnimationProgress MainWindow::progressDialog(int32_t total) {
    // Lives as long as the callback: the writer drops it when the last frame is done.
    auto dialog = std::make_shared<QProgressDialog>(tr("アニメーションを保存しています..."), tr("キャンセル"), 0,
                                                     total, this);
    dialog->setWindowTitle(tr("アニメーションを保存"));
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setMinimumDuration(300);
    dialog->setAutoClose(true);
    dialog->setValue(0);
    return [dialog](int32_t done, int32_t) {
        dialog->setValue(done);  // a modal progress dialog handles the pending events here
        QCoreApplication::processEvents();
        return !dialog->wasCanceled();
    };
}

void MainWindow::loadSettings() {
    if (!LoadSettingsCommand(state_, fileNames_, fileUi_)) return;
    // The file brings its own drawing size; the menu marks follow in runCommand.
    resizeWindowToView(state_.solid.params.viewx, state_.solid.params.viewy);
}

void MainWindow::copyImage() {
    const BackBuffer& b = state_.display.backBuffer;
    if (!b.exists()) return;
    // A copy of its own: the buffer is drawn over by the next frame.
    const QImage picture(reinterpret_cast<const uchar*>(b.pixels.data()), b.width, b.height,
                         qsizetype(b.width) * 4, QImage::Format_RGBX8888);
    QApplication::clipboard()->setImage(picture.convertToFormat(QImage::Format_RGB32));
}

bool MainWindow::chooseFileDialog(FileKind kind, std::string& name) {
    LoopPause pause(*this);
    const bool open = kind == FileKind::SettingsLoad;
    QFileDialog dialog(this, open ? tr("開く") : tr("名前を付けて保存"));
    dialog.setAcceptMode(open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    const bool image = kind == FileKind::Image;
    const bool print = kind == FileKind::Print;
    const bool animation = kind == FileKind::AnimationGif || kind == FileKind::AnimationWebP;
    // Each filter with the ending a name without one takes.
    std::vector<std::pair<QString, QString>> filters;
    if (image) {
        filters = {{tr("ビットマップ (*.bmp)"), QStringLiteral("bmp")},
                   {tr("PNG 画像 (*.png)"), QStringLiteral("png")},
                   {tr("SVG 図形 (*.svg)"), QStringLiteral("svg")},
                   {tr("PDF 文書 (*.pdf)"), QStringLiteral("pdf")}};
    } else if (animation) {
        filters = {{tr("GIF アニメーション (*.gif)"), QStringLiteral("gif")},
                   {tr("WebP アニメーション (*.webp)"), QStringLiteral("webp")}};
        if (kind == FileKind::AnimationWebP) std::swap(filters[0], filters[1]);
    } else if (print) {
        filters = {{tr("STL (*.stl)"), QStringLiteral("stl")}, {tr("3MF (*.3mf)"), QStringLiteral("3mf")}};
    } else if (kind == FileKind::Net) {
        filters = {{tr("PDF 文書 (*.pdf)"), QStringLiteral("pdf")}, {tr("SVG 図形 (*.svg)"), QStringLiteral("svg")}};
    } else {
        filters = {{tr("テキスト (*.txt)"), QStringLiteral("txt")}};
    }
    QStringList names;
    for (const auto& f : filters) names << f.first;
    dialog.setNameFilters(names);
    dialog.setDefaultSuffix(filters.front().second);
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, filters](const QString& chosen) {
        for (const auto& f : filters) {
            if (f.first == chosen) dialog.setDefaultSuffix(f.second);
        }
    });
    // The exports ask their own question before replacing a file, once.
    if (image || animation || print || kind == FileKind::Net) dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setDirectory(QDir::currentPath());
    if (!name.empty()) dialog.selectFile(QFile::decodeName(QByteArray::fromStdString(name)));
    if (RunDialog(dialog) != QDialog::Accepted) return false;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty() || chosen.front().isEmpty()) return false;
    name = QFile::encodeName(chosen.front()).toStdString();
    return true;
}

void MainWindow::messageBox(const std::string& text, const std::string& caption) {
    LoopPause pause(*this);
    QMessageBox box(QMessageBox::NoIcon, TranslatedMessage(caption), TranslatedMessage(text), QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);  // file names may hold '<'
    RunDialog(box);
}

bool MainWindow::questionBox(const std::string& text, const std::string& caption) {
    LoopPause pause(*this);
    QMessageBox box(QMessageBox::Question, TranslatedMessage(caption), TranslatedMessage(text),
                    QMessageBox::Yes | QMessageBox::No, this);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::No);
    return RunDialog(box) == QMessageBox::Yes;
}

void MainWindow::keyEvent(QKeyEvent* event, bool down) {
    const KeyInput input = down ? MapQtKey(event->key(), event->modifiers())
                                : MapQtKeyRelease(event->key(), event->modifiers());
    if (!input.key && input.figureStep == 0) {
        event->ignore();
        return;
    }
    event->accept();
    if (down) {
        if (KeyDown(state_, shell_, input)) {
            applyMenuMarks();
            canvas_->update();
        }
    } else if (!event->isAutoRepeat()) {
        // X11 sends a release before every repeated press; the key is still down.
        KeyUp(shell_, input);
    }
}

void MainWindow::resizeWindowToView(int w, int h) {
    w = std::max(w, 1);
    h = std::max(h, 1);
    if (isMaximized() || isMinimized() || isFullScreen()) showNormal();
    const int clientWidth = std::max(kMinClientWidth, w);
    // A shown numbers panel sits beside the picture and widens the window.
    const int panelWidth = figurePanel_ != nullptr && !figurePanel_->isHidden()
                               ? FigurePanel::kWidth + style()->pixelMetric(QStyle::PM_DockWidgetSeparatorExtent, nullptr, this)
                               : 0;
    const int clientHeight = h + kStatusBandHeight;
    requested_ = RequestedView{clientWidth, clientHeight, w, h};
    shell_.viewwidth = w;
    shell_.viewheight = h;
    setBackBuffer(w, h);
    const int menuHeight = menuBar()->isVisible() ? menuBar()->height() : menuBar()->sizeHint().height();
    resize(clientWidth + panelWidth, clientHeight + menuHeight);
    canvas_->update();
}

void MainWindow::syncFigurePanel() {
    const bool wanted = state_.display.infopanel != 0;
    if (wanted == figurePanel_->isHidden()) {
        const int w = shell_.viewwidth;
        const int h = shell_.viewheight;
        figurePanel_->setVisible(wanted);
        // The window's least size follows the panel only once the layout has seen it.
        if (layout() != nullptr) layout()->activate();
        resizeWindowToView(w, h);
    }
    if (wanted) figurePanel_->follow(state_.solid, shell_.language, state_.display.fracn);
}

void MainWindow::clientResized() {
    // The window state of a maximise can arrive just after its size; decide
    // once both have been seen.
    if (clientSizePending_) return;
    clientSizePending_ = true;
    QTimer::singleShot(0, this, &MainWindow::applyClientSize);
}

void MainWindow::applyClientSize() {
    clientSizePending_ = false;
    const Qt::WindowStates ws = windowState();
    const WindowShape shape = (ws & Qt::WindowMinimized)                              ? WindowShape::Minimised
                              : (ws & (Qt::WindowMaximized | Qt::WindowFullScreen)) ? WindowShape::Maximised
                                                                                     : WindowShape::Normal;
    if (!ClientSizeSetsView(state_.display, shape)) {
        // Maximising shows more background, not a bigger picture (unless the
        // picture follows the window).
        setBackBuffer(shell_.viewwidth, shell_.viewheight);
        return;
    }
    const int cw = canvas_->width();
    const int ch = canvas_->height();
    if (requested_ && requested_->clientWidth == cw && requested_->clientHeight == ch) {
        shell_.viewwidth = requested_->viewWidth;
        shell_.viewheight = requested_->viewHeight;
    } else {
        const ClientView view = ViewForClient(cw, ch);
        shell_.viewwidth = view.width;
        shell_.viewheight = view.height;
    }
    requested_.reset();
    setBackBuffer(shell_.viewwidth, shell_.viewheight);
    canvas_->update();
}

void MainWindow::setBackBuffer(int w, int h) {
    // Without memory for the picture the window still runs and shows the band.
    CreateBackBuffer(state_, w, h);
}

void MainWindow::updateTitle() {
    std::string title = WindowTitleText(state_.solid);
    if (title == title_) return;
    title_ = std::move(title);
    setWindowTitle(QString::fromStdString(title_));
}

void MainWindow::drawFrame(QWidget& target) {
    QPainter p(&target);
    const int vw = shell_.viewwidth;
    const int vh = shell_.viewheight;

    // The band and whatever lies right of the picture are cleared every frame,
    // so a shorter status line leaves no tail behind.
    p.fillRect(0, vh, target.width(), target.height() - vh, Qt::white);
    if (target.width() > vw) p.fillRect(vw, 0, target.width() - vw, vh, Qt::white);

    FormatStatus(state_, shell_, status_);
    updateTitle();
    p.setFont(statusFont_);
    p.setPen(Qt::black);
    const int ascent = p.fontMetrics().ascent();
    for (int i = 0; i < status_.line1Count; ++i) {
        const StatusPiece& piece = status_.line1[size_t(i)];
        p.drawText(piece.x, vh + ascent, drawnText_[size_t(i)].get(piece.text));
    }
    const int y2 = vh + kStatusLineHeight + ascent;
    if (status_.refusal != Refusal::None) {
        p.drawText(0, y2, refusalText(status_.refusal));
    } else {
        p.drawText(status_.nameLabel.x, y2, drawnText_[4].get(status_.nameLabel.text));
        p.drawText(status_.name.x, y2, drawnText_[5].get(status_.name.text));
    }

    // At a device-pixel ratio above 1 the picture is drawn at device pixels,
    // not at view pixels scaled up into blocks.
    const qreal ratio = target.devicePixelRatioF();
    drewDevicePixels_ = ratio > 1 && state_.display.backBuffer.exists() &&
                        RenderFrameAtScale(state_, double(ratio), devicePicture_);
    if (!drewDevicePixels_) RenderFrame(state_);
    const BackBuffer& b = drewDevicePixels_ ? devicePicture_ : state_.display.backBuffer;
    if (!b.exists()) {
        p.fillRect(0, 0, vw, vh, ToQColor(BackgroundColour(state_.display)));
    } else {
        QImage picture(reinterpret_cast<const uchar*>(b.pixels.data()), b.width, b.height,
                       qsizetype(b.width) * 4, QImage::Format_RGBX8888);
        if (drewDevicePixels_) picture.setDevicePixelRatio(ratio);
        p.drawImage(0, 0, picture);
    }
}

void MainWindow::freshLogicalFrame() {
    // The window drew its last frame at device pixels; the same frame again at
    // view pixels for those who read the back buffer.
    if (drewDevicePixels_ && state_.display.backBuffer.exists()) RenderFrame(state_);
}

QString MainWindow::refusalText(Refusal refusal) {
    // Short enough for the 256-pixel band: 32 half-width cells.
    switch (refusal) {
        case Refusal::PyramidFamily: return tr("図形なし：R/E/Y/T か 設定...");
        case Refusal::PrismDialog: return tr("図形なし：角錐・角柱→設定...");
        case Refusal::SphericalFamily: return tr("図形なし：球状系→設定...");
        case Refusal::Other: return tr("この値では図形ができません");
        case Refusal::None: break;
    }
    return {};
}

}  // namespace gyro
