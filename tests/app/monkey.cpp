#include "app/monkey.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QProgressDialog>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <QWheelEvent>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <deque>
#include <filesystem>
#include <memory>
#include <set>
#include <sstream>

#include "app/key_map.h"
#include "app/main_window.h"
#include "dialogs/animation_dialog.h"
#include "catalog/command_ids.h"
#include "dialogs/run_dialog.h"
#include "io/settings_file.h"
#include "support/state_invariants.h"

namespace gyro::test {

namespace {

namespace fs = std::filesystem;

// Above this many pixels a frame is slow; the next event then shrinks the
// window again, so that a run of the checking build stays within its minute.
constexpr size_t kLargePicture = size_t{1} << 21;

// Above this many faces drawn in one frame (the figure's faces times its
// copies at the fractal level on show) a frame of the checking build takes
// a tenth of a second or more. Such a figure is still visited, drawn and
// checked, but mostly left again at once and drawn without extra frames.
constexpr double kHeavyFrameFaces = 10000;

// An animation export of more frame pixels than this (frames times the
// picture's pixels) is cancelled part way, as a user tired of waiting would;
// shorter ones are written to the end.
constexpr double kExportPixelsWaited = 4e6;

// The event by which a run has drawn once at the largest view, 8192 x 8192
// (window sizes past it come before, rarely).
constexpr int64_t kLargestBy = 1000;
// ... with a figure of at most this many faces drawn: the frame there costs
// as much as a heavy figure's at the window's usual size.
constexpr double kLargestViewFaces = 500;

// splitmix64: the same numbers with every compiler and library.
class Random {
public:
    explicit Random(uint64_t seed) : state_(seed) {}
    uint64_t Next() {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int Below(int n) { return n <= 1 ? 0 : static_cast<int>(Next() % static_cast<uint64_t>(n)); }
    int Between(int lo, int hi) { return lo + Below(hi - lo + 1); }
    bool OneIn(int n) { return Below(n) == 0; }
    template <class T>
    const T& Pick(const std::vector<T>& v) { return v[static_cast<size_t>(Below(static_cast<int>(v.size())))]; }

private:
    uint64_t state_;
};

struct QtKey {
    int key;
    Qt::KeyboardModifiers modifiers;
};

// Every Qt key code the window maps to one of its keys or to a figure step,
// with and without the keypad modifier: keys added to the map later are
// found without editing the monkey.
std::vector<QtKey> MappedKeys() {
    std::vector<int> codes;
    for (int k = 0x20; k <= 0x7e; ++k) codes.push_back(k);
    for (int k = Qt::Key_Escape; k <= Qt::Key_Escape + 0x120; ++k) codes.push_back(k);
    std::vector<QtKey> keys;
    for (int k : codes) {
        for (Qt::KeyboardModifiers m : {Qt::KeyboardModifiers(Qt::NoModifier), Qt::KeyboardModifiers(Qt::KeypadModifier)}) {
            const KeyInput in = MapQtKey(k, m);
            if (in.key || in.figureStep != 0) keys.push_back({k, m});
        }
    }
    return keys;
}

// Field text a user might type: numbers at and past every limit the dialogs
// know, fractions, exponents, letters, full-width digits, blanks, nothing.
const std::vector<std::string>& FieldTexts() {
    static const std::vector<std::string> texts = {
        "", " ", "0", "-0", "1", "-1", "2", "3", "7", "10", "12", "99", "100", "127", "128", "-128", "255", "256",
        "359", "360", "361", "-360", "-361", "999", "1000", "1001", "2047", "2048", "2049", "3600", "4095", "4096",
        "8191", "8192", "8193", "16383", "16384", "16385", "32767", "32768", "-32768", "-32769", "65535", "65536",
        "2147483647", "2147483648", "-2147483649", "99999999999999999999", "0.5", "-0.25", "1.5", "3.14159",
        "1e3", "1e308", "1e309", "-1e309", "nan", "inf", "-inf", "0x10", "+5", " 12 ", "12abc", "abc", "x",
        "１２３", "－５", "５０", "１．５", "全角", "1,5", "1.2.3", "--1", "٣", std::string(300, '9'),
    };
    return texts;
}

class Monkey {
public:
    explicit Monkey(const MonkeyRun& run) : run_(run), rng_(run.seed) {
        for (const auto& entry : fs::directory_iterator(run_.corpusDir)) {
            if (entry.is_regular_file()) corpus_.push_back(entry.path().string());
        }
        std::sort(corpus_.begin(), corpus_.end());
        fs::create_directories(run_.workDir);
        keys_ = MappedKeys();
        QApplication::setQuitOnLastWindowClosed(false);

        InitAppState(state_);
        window_ = std::make_unique<MainWindow>(state_, shell_);
        window_->setColourChooser([this](Colour& c) { return ChooseColour(c); });
        window_->setFileChooser([this](FileKind kind, std::string& name) { return ChooseFile(kind, name); });
        previousAnswerer_ = SetDialogAnswerer([this](QDialog& d) { Answer(d); });
        // The window's own animation dialog and progress display; the monkey
        // notes the picture size asked for and cancels a long export part way.
        window_->setAnimationDialog([this](AnimationRequest& request) {
            const bool ok = EditAnimation(window_.get(), request);
            exportPixels_ = static_cast<double>(request.width) * static_cast<double>(request.height);
            return ok;
        });
        window_->setProgressDisplay([this](int32_t total) { return Progress(total); });
        window_->show();
        QApplication::processEvents();

        // A dialog that runs its own loop instead of RunDialog would hang the
        // run: it is closed from inside that loop and reported.
        watchdog_.setInterval(200);
        QObject::connect(&watchdog_, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            auto* dialog = qobject_cast<QDialog*>(modal);
            // A progress display of a long export asks nothing: the export's own
            // loop keeps the events going and closes it.
            if (dialog == nullptr || answering_ > 0 || qobject_cast<QProgressDialog*>(dialog) != nullptr) return;
            Fail("a dialog ran outside RunDialog: " + dialog->windowTitle().toStdString());
            dialog->reject();
        });
        watchdog_.start();
    }

    ~Monkey() {
        watchdog_.stop();
        SetDialogAnswerer(previousAnswerer_);
        window_.reset();
    }

    MonkeyResult Run() {
        MonkeyResult result;
        result.menusAtStart = MenuCount();
        std::string lastSettings;
        const int64_t progressEvery = run_.events > 50000 ? 50000 : 0;
        for (event_ = 1; event_ <= run_.events && failure_.empty(); ++event_) {
            const auto eventStart = std::chrono::steady_clock::now();
            const bool heavy = Heavy();
            if (state_.display.backBuffer.pixels.size() > kLargePicture) {
                Log("resize back from " + std::to_string(state_.display.backBuffer.width) + " x " +
                    std::to_string(state_.display.backBuffer.height));
                window_->resize(rng_.Between(256, 500), rng_.Between(100, 500));
                Count("shrink after a large picture");
            } else if (!largestDone_ && DrawnFaces() <= kLargestViewFaces && event_ >= kLargestBy) {
                // Every run of more events draws once at the largest size (Resize
                // may have done so already). Not tied to the run's length: a replay
                // of the first N events plays them as the longer run did.
                Log("view 8192 x 8192");
                Count("largest view");
                largestDone_ = true;
                window_->resizeWindowToView(8192, 8192);
            } else if (heavy && !rng_.OneIn(6)) {
                StepFigure();
            } else {
                OneEvent();
            }
            QApplication::processEvents();
            // What the program's event loop does on each return: objects given
            // up with deleteLater (the menus of the previous language, closed
            // dialogs) are deleted. processEvents alone, outside any event loop,
            // never deletes them, and they piled up for the rest of the run.
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            // One frame at most at the largest size or of a heavy figure: the
            // paint the event asked for.
            const int passes = heavy || Heavy() || state_.display.backBuffer.pixels.size() > kLargePicture ? 0
                                                                                                      : rng_.Below(2);
            for (int i = 0; i < passes; ++i) window_->runPass();
            if (!loadedFile_.empty()) {
                if (Heavy()) heavyFiles_.insert(loadedFile_);
                loadedFile_.clear();
            }
            const auto now = std::chrono::steady_clock::now();
            result.milliseconds[lastKind_] += std::chrono::duration<double, std::milli>(now - eventStart).count();
            if (!failure_.empty()) break;
            const std::string settings = SaveSettings(state_);
            const bool meshMayHaveChanged = settings != lastSettings || state_.solid.zukei != lastFigure_ ||
                                            state_.solid.faces.size() != lastFaces_ || event_ % 64 == 0;
            lastSettings = settings;
            lastFigure_ = state_.solid.zukei;
            lastFaces_ = state_.solid.faces.size();
            const std::string broken = StateInvariantViolation(state_, meshMayHaveChanged);
            if (!broken.empty()) Fail(broken);
            const auto checked = std::chrono::steady_clock::now();
            result.milliseconds["(invariant checks)"] += std::chrono::duration<double, std::milli>(checked - now).count();
            NoteSlowest(result.slowest, std::chrono::duration<double, std::milli>(checked - eventStart).count());
            if (progressEvery && event_ % progressEvery == 0) {
                std::fprintf(stderr, "monkey seed %llu: %lld events\n", static_cast<unsigned long long>(run_.seed),
                             static_cast<long long>(event_));
            }
        }
        result.eventsRun = std::min(event_, run_.events);
        result.failure = failure_;
        result.counts = counts_;
        result.finalSettings = SaveSettings(state_);
        result.menusAtEnd = MenuCount();
        result.eventDigest = digest_;
        return result;
    }

private:
    // ---- bookkeeping ------------------------------------------------------

    void NoteSlowest(std::vector<std::pair<double, std::string>>& slowest, double ms) const {
        constexpr size_t kKept = 8;
        if (slowest.size() == kKept && ms <= slowest.back().first) return;
        // The event, and what the window then shows: the figure, the faces a
        // frame draws and the picture's size.
        const std::string what = (recent_.empty() ? std::string() : recent_.back()) + " (figure " +
                                 std::to_string(state_.solid.zukei) + ", " +
                                 std::to_string(static_cast<int64_t>(DrawnFaces())) + " faces, " +
                                 std::to_string(state_.display.backBuffer.width) + " x " +
                                 std::to_string(state_.display.backBuffer.height) + ")";
        slowest.emplace_back(ms, what);
        std::sort(slowest.begin(), slowest.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
        if (slowest.size() > kKept) slowest.pop_back();
    }

    void Log(const std::string& what) {
        if (run_.trace) std::fprintf(stderr, "%lld: %s\n", static_cast<long long>(event_), what.c_str());
        recent_.push_back(std::to_string(event_) + ": " + what);
        if (recent_.size() > 16) recent_.pop_front();
        for (unsigned char c : what) digest_ = (digest_ ^ c) * 0x100000001B3ull;
    }

    void Count(const std::string& kind) {
        ++counts_[kind];
        lastKind_ = kind;
    }

    void Fail(const std::string& what) {
        if (!failure_.empty()) return;
        std::ostringstream out;
        out << "seed " << run_.seed << " event " << event_ << ": " << what << "\nlast events:\n";
        for (const std::string& e : recent_) out << "  " << e << "\n";
        out << "replay: scripts/monkey --seed " << run_.seed << " --events " << event_ << " --trace";
        failure_ = out.str();
    }

    // Faces drawn in one frame: the figure's, times its copies at the
    // fractal level on show.
    double DrawnFaces() const {
        const Solid& solid = state_.solid;
        double faces = static_cast<double>(solid.faces.size());
        const int level = solid.fractalDepthMax > 0 ? std::clamp<int>(state_.display.fracn, 0, solid.fractalDepthMax) : 0;
        for (int i = 0; i < level; ++i) faces *= static_cast<double>(std::max<size_t>(solid.vertices.size(), 1));
        return faces;
    }

    bool Heavy() const { return DrawnFaces() > kHeavyFrameFaces; }

    int64_t MenuCount() const { return static_cast<int64_t>(window_->findChildren<QMenu*>().size()); }

    static void CollectCommands(const QList<QAction*>& actions, std::vector<QAction*>& out) {
        for (QAction* a : actions) {
            if (a->isSeparator()) continue;
            if (QMenu* sub = a->menu()) {
                CollectCommands(sub->actions(), out);
            } else {
                out.push_back(a);
            }
        }
    }

    // A random command, walking down the menus from the bar: every menu is as
    // likely as the figure menu with its hundreds of entries.
    QAction* RandomCommand() {
        QList<QAction*> level = window_->menuBar()->actions();
        for (int depth = 0; depth < 8; ++depth) {
            QList<QAction*> usable;
            for (QAction* a : level) {
                if (!a->isSeparator()) usable.push_back(a);
            }
            if (usable.isEmpty()) return nullptr;
            QAction* a = usable[rng_.Below(static_cast<int>(usable.size()))];
            if (QMenu* sub = a->menu()) {
                level = sub->actions();
                continue;
            }
            return a;
        }
        return nullptr;
    }

    // ---- events -----------------------------------------------------------

    void OneEvent() {
        const int roll = rng_.Below(100);
        if (roll < 22) {
            PressKey();
        } else if (roll < 36) {
            ReleaseKey();
        } else if (roll < 46) {
            Log("frames");
            Count("frames");
            for (int i = Heavy() ? 1 : rng_.Between(1, 4); i > 0; --i) window_->runPass();
        } else if (roll < 56) {
            MouseEvent();
        } else if (roll < 70) {
            RunCommand(RandomCommand());
        } else if (roll < 76) {
            DialogCommand();
        } else if (roll < 79) {
            LoadMidMotion();
        } else if (roll < 85) {
            Resize();
        } else if (roll < 87) {
            WindowState();
        } else if (roll < 92) {
            StepFigure();
        } else if (roll < 94) {
            Log("focus out");
            Count("focus out");
            QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
            QCoreApplication::sendEvent(window_->canvas(), &out);
            held_.clear();
        } else {
            RunCommand(window_->action(rng_.OneIn(2) ? cmd::kMouse : cmd::kInertia));
        }
    }

    void SendKey(QEvent::Type type, const QtKey& k, bool autoRepeat) {
        QKeyEvent e(type, k.key, k.modifiers, QString(), autoRepeat);
        QCoreApplication::sendEvent(window_->canvas(), &e);
    }

    void PressKey() {
        QtKey k = rng_.Pick(keys_);
        if (rng_.OneIn(12)) {
            static const Qt::KeyboardModifier kExtra[] = {Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier,
                                                          Qt::MetaModifier};
            k.modifiers |= kExtra[rng_.Below(4)];
        }
        const bool held = std::any_of(held_.begin(), held_.end(), [&k](const QtKey& h) { return h.key == k.key; });
        const bool repeat = held && rng_.OneIn(2);
        Log("press " + std::to_string(k.key) + " mods " + std::to_string(k.modifiers.toInt()) +
            (repeat ? " (repeat)" : ""));
        Count("key press");
        SendKey(QEvent::KeyPress, k, repeat);
        if (!held) held_.push_back(k);
    }

    void ReleaseKey() {
        Count("key release");
        if (held_.empty() || rng_.OneIn(5)) {
            const QtKey k = rng_.Pick(keys_);
            Log("release unheld " + std::to_string(k.key));
            SendKey(QEvent::KeyRelease, k, false);
            return;
        }
        const size_t i = static_cast<size_t>(rng_.Below(static_cast<int>(held_.size())));
        QtKey k = held_[i];
        held_.erase(held_.begin() + static_cast<std::ptrdiff_t>(i));
        if (rng_.OneIn(6)) k.modifiers ^= Qt::ShiftModifier;  // a modifier pressed meanwhile
        const bool repeat = rng_.OneIn(8);  // X11's release before a repeated press
        Log("release " + std::to_string(k.key) + (repeat ? " (repeat)" : ""));
        SendKey(QEvent::KeyRelease, k, repeat);
        if (repeat) held_.push_back(k);
    }

    QPointF RandomPoint() {
        const QWidget* c = window_->canvas();
        return QPointF(rng_.Between(-40, c->width() + 40), rng_.Between(-40, c->height() + 40));
    }

    void MouseEvent() {
        QWidget* c = window_->canvas();
        const int roll = rng_.Below(4);
        if (roll == 0) {
            const int delta = rng_.Pick(std::vector<int>{120, -120, 15, -15, 0, 960, -2400});
            Log("wheel " + std::to_string(delta));
            Count("mouse wheel");
            QWheelEvent e(RandomPoint(), RandomPoint(), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
            QCoreApplication::sendEvent(c, &e);
            return;
        }
        // A drag (or a click, with no move) with the left, the right or both buttons.
        const Qt::MouseButtons buttons = roll == 1   ? Qt::MouseButtons(Qt::LeftButton)
                                         : roll == 2 ? Qt::MouseButtons(Qt::RightButton)
                                                     : Qt::MouseButtons(Qt::LeftButton | Qt::RightButton);
        const int moves = rng_.Below(6);
        Log("drag buttons " + std::to_string(buttons.toInt()) + " moves " + std::to_string(moves));
        Count(moves == 0 ? "mouse click" : "mouse drag");
        auto send = [&](QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons down) {
            const QPointF p = RandomPoint();
            QMouseEvent e(type, p, c->mapToGlobal(p), button, down, Qt::NoModifier);
            QCoreApplication::sendEvent(c, &e);
        };
        const Qt::MouseButton first = (buttons & Qt::LeftButton) ? Qt::LeftButton : Qt::RightButton;
        send(QEvent::MouseButtonPress, first, buttons);
        for (int i = 0; i < moves; ++i) {
            send(QEvent::MouseMove, Qt::NoButton, buttons);
            if (rng_.OneIn(3) && !Heavy()) window_->runPass();
        }
        send(QEvent::MouseButtonRelease, first, Qt::NoButton);
        send(QEvent::MouseMove, Qt::NoButton, Qt::NoButton);
    }

    void RunCommand(QAction* a) {
        if (a == nullptr) return;
        Log("command " + a->text().toStdString());
        Count("command");
        const int id = a->data().toInt();
        a->trigger();
        if (id == cmd::kExit) {
            if (window_->isVisible()) Fail("the exit command left the window open");
            window_->show();
        }
    }

    // A command that opens a dialog ("..." in its label).
    void DialogCommand() {
        // Walked afresh each time: a change of language makes the menus anew.
        std::vector<QAction*> commands, dialogs;
        CollectCommands(window_->menuBar()->actions(), commands);
        for (QAction* a : commands) {
            if (a->text().contains(QStringLiteral(".."))) dialogs.push_back(a);
        }
        if (!dialogs.empty()) RunCommand(rng_.Pick(dialogs));
    }

    // A turning key held while a settings file from the corpus is loaded.
    void LoadMidMotion() {
        const QtKey turn = rng_.Pick(keys_);
        Log("load mid-motion, holding " + std::to_string(turn.key));
        Count("load mid-motion");
        SendKey(QEvent::KeyPress, turn, false);
        held_.push_back(turn);
        window_->runPass();
        forcedLoad_ = true;
        RunCommand(window_->action(cmd::kLoadSettings));
        forcedLoad_ = false;
    }

    void Resize() {
        // Mostly ordinary sizes; now and then a side at or past the largest
        // drawing area, and rarely (a slow frame) both sides at once.
        int w = rng_.Between(1, 400), h = rng_.Between(1, 400);
        const int roll = rng_.Below(1000);
        if (roll < 2 && !largestDone_) {
            w = h = roll == 0 ? 8192 : 8193;  // a frame there takes seconds: not after the largest view
        } else if (roll < 60) {
            w = rng_.Pick(std::vector<int>{1, 2, 255, 256, 2048, 8191, 8192, 8193});
            h = rng_.Between(1, 48);
        } else if (roll < 120) {
            w = rng_.Between(1, 48);
            h = rng_.Pick(std::vector<int>{1, 2, 2048, 8191, 8192, 8193});
        }
        ResizeTo(w, h);
    }

    void ResizeTo(int w, int h) {
        Log("resize " + std::to_string(w) + " x " + std::to_string(h));
        Count("resize");
        window_->resize(w, h);
    }

    void WindowState() {
        const int roll = rng_.Below(3);
        Log("window state " + std::to_string(roll));
        Count("window state");
        if (roll == 0) {
            window_->showMaximized();
        } else if (roll == 1) {
            window_->showMinimized();
        } else {
            window_->showNormal();
        }
    }

    void StepFigure() {
        std::vector<QtKey> steps;
        for (const QtKey& k : keys_) {
            if (MapQtKey(k.key, k.modifiers).figureStep != 0) steps.push_back(k);
        }
        if (steps.empty()) return;
        const QtKey k = rng_.Pick(steps);
        const int times = rng_.Between(1, 4);
        Log("step figure " + std::to_string(k.key) + " x" + std::to_string(times));
        Count("figure step");
        for (int i = 0; i < times; ++i) {
            SendKey(QEvent::KeyPress, k, i > 0);
            if (!Heavy()) window_->runPass();
        }
        SendKey(QEvent::KeyRelease, k, false);
    }

    // ---- answers ----------------------------------------------------------

    // The window's own progress display of an animation export, cancelled part
    // way through a long export.
    AnimationProgress Progress(int32_t total) {
        AnimationProgress shown = window_->progressDialog(total);
        const double framePixels = std::max(1.0, exportPixels_) * std::max(1.0, DrawnFaces() / kHeavyFrameFaces);
        const int32_t waited = static_cast<int32_t>(std::clamp(kExportPixelsWaited / framePixels, 1.0, 1e6));
        const int32_t stopAt = total <= waited ? total + 1 : rng_.Between(1, waited);
        Log("export of " + std::to_string(total) + " frames of " + std::to_string(static_cast<int64_t>(exportPixels_)) +
            " pixels" + (stopAt <= total ? ", cancelled after " + std::to_string(stopAt) : std::string()));
        ++counts_[stopAt <= total ? "export cancelled" : "export to the end"];
        return [shown, stopAt](int32_t done, int32_t all) { return shown(done, all) && done < stopAt; };
    }

    bool ChooseColour(Colour& colour) {
        Count("colour chooser");
        if (rng_.OneIn(4)) return false;
        colour = static_cast<Colour>(rng_.Next() & 0x00FFFFFFu);
        return true;
    }

    // A settings file of the corpus. One that brought a heavy figure when it
    // was last loaded is picked again once: still loaded, less often (a build
    // of the largest figure alone takes seconds in the checking build).
    std::string PickCorpusFile() {
        std::string name = rng_.Pick(corpus_);
        if (heavyFiles_.count(name) != 0) name = rng_.Pick(corpus_);
        loadedFile_ = name;
        return name;
    }

    bool ChooseFile(FileKind kind, std::string& name) {
        Count("file chooser");
        const fs::path work(run_.workDir);
        if (forcedLoad_ && kind == FileKind::SettingsLoad && !corpus_.empty()) {
            name = PickCorpusFile();
            return true;
        }
        if (rng_.OneIn(6)) return false;  // cancelled
        const int roll = rng_.Below(10);
        if (kind == FileKind::SettingsLoad) {
            if (roll < 5 && !corpus_.empty()) {
                name = PickCorpusFile();
            } else if (roll < 7) {
                name = (work / "settings.txt").string();
            } else if (roll < 8) {
                name = (work / "missing" / "none.txt").string();
            } else if (roll < 9) {
                name = run_.workDir;  // a folder
            } else {
                name = (work / "picture.bmp").string();  // not a settings file
            }
        } else if (kind == FileKind::SettingsSave) {
            name = roll < 8 ? (work / "settings.txt").string() : (work / "missing" / "settings.txt").string();
        } else {
            name = roll < 8 ? (work / "picture.bmp").string() : run_.workDir;
        }
        return true;
    }

    void Finish(QDialog& d) {
        const int roll = rng_.Below(10);
        if (roll < 6) {
            QDialogButtonBox* box = d.findChild<QDialogButtonBox*>();
            QPushButton* ok = box ? box->button(QDialogButtonBox::Ok) : nullptr;
            if (ok != nullptr) {
                ok->click();
            } else {
                d.accept();
            }
        } else if (roll < 8) {
            QDialogButtonBox* box = d.findChild<QDialogButtonBox*>();
            QPushButton* cancel = box ? box->button(QDialogButtonBox::Cancel) : nullptr;
            if (cancel != nullptr) {
                cancel->click();
            } else {
                d.reject();
            }
        } else {
            QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QCoreApplication::sendEvent(&d, &escape);
        }
    }

    void Answer(QDialog& d) {
        ++answering_;
        Count("dialog");
        Log("dialog " + d.windowTitle().toStdString());
        if (auto* box = qobject_cast<QMessageBox*>(&d)) {
            const QList<QAbstractButton*> buttons = box->buttons();
            if (!buttons.isEmpty() && !rng_.OneIn(4)) {
                buttons[rng_.Below(static_cast<int>(buttons.size()))]->click();
            } else {
                QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
                QCoreApplication::sendEvent(box, &escape);
            }
        } else {
            for (int attempt = 0; attempt < 3 && d.isVisible(); ++attempt) {
                for (QLineEdit* field : d.findChildren<QLineEdit*>()) {
                    if (field->isEnabled() && !rng_.OneIn(3)) field->setText(QString::fromStdString(rng_.Pick(FieldTexts())));
                }
                for (QCheckBox* check : d.findChildren<QCheckBox*>()) {
                    if (rng_.OneIn(4)) check->toggle();
                }
                const QList<QRadioButton*> radios = d.findChildren<QRadioButton*>();
                if (!radios.isEmpty() && rng_.OneIn(3)) radios[rng_.Below(static_cast<int>(radios.size()))]->setChecked(true);
                for (QComboBox* combo : d.findChildren<QComboBox*>()) {
                    if (combo->count() > 0 && rng_.OneIn(3)) combo->setCurrentIndex(rng_.Below(combo->count()));
                }
                for (QSpinBox* spin : d.findChildren<QSpinBox*>()) {
                    if (rng_.OneIn(3)) spin->setValue(rng_.Between(spin->minimum(), spin->maximum()));
                }
                Finish(d);
            }
        }
        --answering_;
    }

    MonkeyRun run_;
    Random rng_;
    AppState state_;
    ShellState shell_;
    std::unique_ptr<MainWindow> window_;
    DialogAnswerer previousAnswerer_;
    QTimer watchdog_;
    std::vector<std::string> corpus_;
    std::set<std::string> heavyFiles_;  // corpus files that brought a heavy figure
    std::string loadedFile_;            // the corpus file chosen during this event
    std::vector<QtKey> keys_;
    std::vector<QtKey> held_;
    bool forcedLoad_ = false;
    bool largestDone_ = false;  // the view was set to 8192 x 8192 once
    double exportPixels_ = 0;   // the picture size of the animation export last asked for
    int answering_ = 0;
    int64_t event_ = 0;
    ShapeId lastFigure_ = 0;
    size_t lastFaces_ = 0;
    std::deque<std::string> recent_;
    std::map<std::string, int64_t> counts_;
    std::string failure_;
    std::string lastKind_;
    uint64_t digest_ = 0xCBF29CE484222325ull;
};

}  // namespace

MonkeyResult RunMonkey(const MonkeyRun& run) {
    Monkey monkey(run);
    return monkey.Run();
}

}  // namespace gyro::test
