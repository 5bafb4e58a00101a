#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QImage>
#include <QImageReader>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QMessageBox>
#include <QTimer>

#include <algorithm>
#include <csignal>
#include <cstring>
#include <functional>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "catalog/command_ids.h"
#include "dialogs/run_dialog.h"
#include "app/main_window.h"
#include "io/bmp_file.h"
#include "io/settings_file.h"
#include "io/vector_file.h"
#include "state/dispatcher.h"
#include "support/temp_dir.h"

namespace gyro {
namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct Message {
    std::string text;
    std::string caption;
};

// Writes that grow a file beyond a few bytes fail while one of these lives.
class FileSizeLimit {
public:
    FileSizeLimit() {
        ::getrlimit(RLIMIT_FSIZE, &old_);
        rlimit small = old_;
        small.rlim_cur = 64;
        ::setrlimit(RLIMIT_FSIZE, &small);
        handler_ = std::signal(SIGXFSZ, SIG_IGN);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, handler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit old_{};
    void (*handler_)(int) = SIG_DFL;
};

// The real window, with the file chooser and the message boxes answered here.
struct FileCommands : ::testing::Test {
    AppState state;
    ShellState shell;
    std::unique_ptr<MainWindow> window;
    test_support::TempDir temp;
    const fs::path dir = temp.path();

    std::vector<std::pair<FileKind, std::string>> asked;  // kind and the name the chooser started from
    std::string answer;                                   // empty: cancel
    std::vector<Message> messages;
    std::vector<Message> questions;
    bool yes = true;
    std::vector<double> scalesAsked;  // the scale each SVG or PDF export started from
    std::optional<double> scaleAnswer = 1.0;  // none: cancel
    std::vector<double> printSizesAsked;       // the size each print save started from
    std::optional<double> printSizeAnswer;     // none: keep the size offered
    bool cancelPrintSize = false;

    void SetUp() override {
        InitAppState(state);
        window = std::make_unique<MainWindow>(state, shell);
        window->setFileChooser([this](FileKind kind, std::string& name) {
            asked.emplace_back(kind, name);
            if (answer.empty()) return false;
            name = answer;
            return true;
        });
        window->setMessageBox([this](const std::string& text, const std::string& caption) {
            messages.push_back({text, caption});
        });
        window->setQuestionBox([this](const std::string& text, const std::string& caption) {
            questions.push_back({text, caption});
            return yes;
        });
        window->setScaleBox([this](double& scale) {
            scalesAsked.push_back(scale);
            if (!scaleAnswer) return false;
            scale = *scaleAnswer;
            return true;
        });
        window->setPrintSizeBox([this](double& sizeMm) {
            printSizesAsked.push_back(sizeMm);
            if (cancelPrintSize) return false;
            if (printSizeAnswer) sizeMm = *printSizeAnswer;
            return true;
        });
        window->show();
        Settle();
    }
    void TearDown() override {
        window.reset();
    }

    static void Settle() {
        QApplication::processEvents();
        QApplication::processEvents();
    }
    void Command(int id) {
        ASSERT_TRUE(window->action(id)->isEnabled()) << id;
        window->action(id)->trigger();
    }
    void CommandWith(int id, const fs::path& path) {
        answer = path.string();
        Command(id);
    }
    bool IsChecked(int id) { return window->action(id)->isChecked(); }
    bool FigureChecked(ShapeId figure) {
        for (const FigureCommand& f : window->figureCommands()) {
            if (f.figure == figure && window->action(f.id)->isChecked()) return true;
        }
        return false;
    }
    std::vector<std::string> FilesIn(const fs::path& folder) {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
        return names;
    }
};

TEST_F(FileCommands, SaveAndLoadThroughTheMenus) {
    ChangeFigure(state, 1);
    Command(cmd::kKikakuCircumscribed);
    Command(cmd::kFaceOpaque);
    Command(cmd::kBackgroundWhite);
    window->resizeWindowToView(300, 200);
    Settle();
    const std::string saved = SaveSettings(state);

    // A path longer than 256 bytes is used whole.
    const fs::path folder = dir / std::string(200, 'a') / std::string(100, 'b');
    fs::create_directories(folder);
    const fs::path file = folder / "view settings.txt";
    ASSERT_GT(file.string().size(), 300u);
    CommandWith(cmd::kSaveSettings, file);
    EXPECT_EQ(ReadAll(file), saved);
    EXPECT_TRUE(messages.empty());

    // Everything back to the start, then the file read in again.
    ChangeFigure(state, 5);
    Command(cmd::kKikakuInscribed);
    Command(cmd::kFaceGrey);
    Command(cmd::kBackgroundBlack);
    window->resizeWindowToView(256, 256);
    Settle();
    answer.clear();  // the chooser answers with the name it is given
    window->setFileChooser([this](FileKind kind, std::string& name) {
        asked.emplace_back(kind, name);
        return true;
    });
    Command(cmd::kLoadSettings);
    Settle();

    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0], std::make_pair(FileKind::SettingsSave, std::string()));
    EXPECT_EQ(asked[1], std::make_pair(FileKind::SettingsLoad, file.string()));  // remembered
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(state.solid.zukei, 1);
    EXPECT_EQ(state.solid.params.kikaku, 1);
    EXPECT_EQ(state.solid.faceCount(), 4);  // rebuilt
    EXPECT_EQ(SaveSettings(state), saved);
    EXPECT_EQ(shell.viewwidth, 300);
    EXPECT_EQ(shell.viewheight, 200);
    EXPECT_EQ(state.display.backBuffer.width, 300);
    EXPECT_EQ(state.display.backBuffer.height, 200);
    EXPECT_EQ(window->canvas()->size(), QSize(300, 200 + kStatusBandHeight));
    EXPECT_TRUE(FigureChecked(1));
    EXPECT_FALSE(FigureChecked(5));
    EXPECT_TRUE(IsChecked(cmd::kKikakuCircumscribed));
    EXPECT_FALSE(IsChecked(cmd::kKikakuInscribed));
    EXPECT_TRUE(IsChecked(cmd::kFaceOpaque));
    EXPECT_TRUE(IsChecked(cmd::kBackgroundWhite));
}

TEST_F(FileCommands, FailedSaveOrLoadShowsWhyAndChangesNothing) {
    const fs::path file = dir / "old.txt";
    CommandWith(cmd::kSaveSettings, file);
    const std::string old = ReadAll(file);
    ASSERT_FALSE(old.empty());

    Command(cmd::kFaceOpaque);
    CommandWith(cmd::kSaveSettings, dir / "no such folder" / "new.txt");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].caption, "エラー");
    EXPECT_EQ(messages[0].text.rfind("設定ファイルを保存できません。\n", 0), 0u) << messages[0].text;

    {
        FileSizeLimit limit;  // the new file cannot be written out
        CommandWith(cmd::kSaveSettings, file);
    }
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1].caption, "エラー");
    EXPECT_EQ(ReadAll(file), old);
    EXPECT_EQ(FilesIn(dir), std::vector<std::string>{"old.txt"});

    // A file that is not a settings file, and one that is not there.
    std::ofstream(dir / "notes.txt") << "shopping list\n";
    const std::string before = SaveSettings(state);
    for (const char* name : {"notes.txt", "missing.txt"}) {
        CommandWith(cmd::kLoadSettings, dir / name);
        Settle();
        EXPECT_EQ(messages.back().caption, "エラー");
        EXPECT_EQ(SaveSettings(state), before);
        EXPECT_EQ(shell.viewwidth, 256);
        EXPECT_TRUE(IsChecked(cmd::kFaceOpaque));
    }
    EXPECT_EQ(messages.size(), 4u);

    // Cancelling either chooser does nothing at all.
    answer.clear();
    Command(cmd::kSaveSettings);
    Command(cmd::kLoadSettings);
    EXPECT_EQ(messages.size(), 4u);
    EXPECT_EQ(SaveSettings(state), before);
}

TEST_F(FileCommands, ExportWritesTheLastFrame) {
    window->runPass();
    const fs::path file = dir / "picture.bmp";
    CommandWith(cmd::kExportImage, file);
    const std::vector<uint8_t> first = EncodeBmp(state.display.backBuffer);
    const std::string written = ReadAll(file);
    ASSERT_EQ(written.size(), 54u + 256u * 256u * 3u);
    EXPECT_EQ(written, std::string(first.begin(), first.end()));
    EXPECT_TRUE(questions.empty());

    // The file is there now: asked once before it is replaced.
    Command(cmd::kCentrePoint);
    Command(cmd::kBackgroundWhite);
    window->runPass();
    yes = false;
    Command(cmd::kExportImage);
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0].text, file.string() + "\n同じファイルがありますが、上書きしますか？");
    EXPECT_EQ(questions[0].caption, "君に問う");
    EXPECT_EQ(ReadAll(file), written);
    yes = true;
    answer.clear();  // start from the remembered name
    window->setFileChooser([this](FileKind kind, std::string& name) {
        asked.emplace_back(kind, name);
        return true;
    });
    Command(cmd::kExportImage);
    EXPECT_EQ(asked.back(), std::make_pair(FileKind::Image, file.string()));
    const std::vector<uint8_t> second = EncodeBmp(state.display.backBuffer);
    EXPECT_EQ(ReadAll(file), std::string(second.begin(), second.end()));
    EXPECT_NE(second, first);
    EXPECT_TRUE(messages.empty());
}

TEST_F(FileCommands, ExportWritesPngSvgOrPdfByTheNamesEnding) {
    window->runPass();
    struct Case {
        const char* name;
        const char* starts;  // the file's first bytes
    };
    for (const Case c : {Case{"p.png", "\x89PNG"}, Case{"p.SVG", "<?xml"}, Case{"p.pdf", "%PDF-1.4"},
                         Case{"p.BMP", "BM"}, Case{"p.jpeg", "BM"}}) {
        CommandWith(cmd::kExportImage, dir / c.name);
        const std::string written = ReadAll(dir / c.name);
        EXPECT_EQ(written.substr(0, std::string(c.starts).size()), c.starts) << c.name;
    }
    // The PNG holds exactly the frame's pixels; the SVG its size and shapes.
    const BackBuffer& b = state.display.backBuffer;
    const QImage png(QString::fromStdString((dir / "p.png").string()));
    ASSERT_EQ(png.width(), b.width);
    ASSERT_EQ(png.height(), b.height);
    int differing = 0;
    for (int y = 0; y < b.height; ++y) {
        for (int x = 0; x < b.width; ++x) {
            const QRgb p = png.pixel(x, y);
            const Colour c = static_cast<Colour>(qRed(p) | qGreen(p) << 8 | qBlue(p) << 16);
            differing += c != b.pixels[static_cast<size_t>(y) * b.width + x] ? 1 : 0;
        }
    }
    EXPECT_EQ(differing, 0);
    const std::string svg = ReadAll(dir / "p.SVG");
    EXPECT_NE(svg.find("width=\"256px\" height=\"256px\""), std::string::npos);
    EXPECT_NE(svg.find("fill-rule:nonzero"), std::string::npos);  // the window draws exactly at start
    EXPECT_EQ(ReadAll(dir / "p.jpeg"), ReadAll(dir / "p.BMP"));  // any other name is a BMP, as before
    EXPECT_TRUE(messages.empty());
}

TEST_F(FileCommands, VectorPicturesAskTheirScaleAndRememberIt) {
    window->runPass();
    scaleAnswer = 2.5;
    CommandWith(cmd::kExportImage, dir / "big.svg");
    ASSERT_EQ(scalesAsked, std::vector<double>{1.0});
    EXPECT_NE(ReadAll(dir / "big.svg").find("width=\"640px\" height=\"640px\""), std::string::npos);
    // The next one starts from the last scale; a cancel writes nothing.
    scaleAnswer.reset();
    CommandWith(cmd::kExportImage, dir / "none.pdf");
    EXPECT_EQ(scalesAsked, (std::vector<double>{1.0, 2.5}));
    EXPECT_FALSE(fs::exists(dir / "none.pdf"));
    // Pixel pictures have no scale to ask.
    CommandWith(cmd::kExportImage, dir / "p.png");
    EXPECT_EQ(scalesAsked.size(), 2u);
    EXPECT_TRUE(fs::exists(dir / "p.png"));

    // The real box starts from the last scale and keeps to the writer's range.
    window->setScaleBox({});
    QString title;
    double shown = 0;
    double low = 0;
    double high = 0;
    QTimer::singleShot(50, [&] {
        auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            if (QWidget* other = QApplication::activeModalWidget()) other->close();
            return;
        }
        title = box->windowTitle();
        shown = box->doubleValue();
        low = box->doubleMinimum();
        high = box->doubleMaximum();
        box->setDoubleValue(0.5);
        box->accept();
    });
    CommandWith(cmd::kExportImage, dir / "small.svg");
    EXPECT_EQ(title, QStringLiteral("拡大率"));
    EXPECT_DOUBLE_EQ(shown, 2.5);
    EXPECT_DOUBLE_EQ(low, kVectorScaleMin);
    EXPECT_DOUBLE_EQ(high, kVectorScaleMax);
    EXPECT_NE(ReadAll(dir / "small.svg").find("width=\"128px\" height=\"128px\""), std::string::npos);
    EXPECT_DOUBLE_EQ(window->fileNames().vectorscale, 0.5);
    EXPECT_TRUE(messages.empty());
}

TEST_F(FileCommands, SaveAnimationWritesFromACopyAndACancelLeavesNothing) {
    window->runPass();
    std::vector<AnimationRequest> offered;
    window->setAnimationDialog([&](AnimationRequest& request) {
        offered.push_back(request);
        request.plan.frames = 3;
        request.width = 40;
        request.height = 24;
        return true;
    });
    int32_t cancelAfter = 0;  // 0: never
    std::vector<int32_t> shown;
    window->setProgressDisplay([&](int32_t total) {
        shown.push_back(total);
        return [&](int32_t done, int32_t) { return cancelAfter == 0 || done < cancelAfter; };
    });
    const Matrix3 before = state.view.ax;
    CommandWith(cmd::kSaveAnimation, dir / "turn.gif");
    ASSERT_EQ(offered.size(), 1u);
    EXPECT_EQ(offered[0].plan.frames, 60);  // the start values, sized to the drawing area
    EXPECT_EQ(offered[0].plan.axis, AnimationAxis::Y);
    EXPECT_EQ(offered[0].width, 256);
    EXPECT_EQ(asked.back().first, FileKind::AnimationGif);
    EXPECT_EQ(shown, std::vector<int32_t>{3});
    QImageReader gif(QString::fromStdString((dir / "turn.gif").string()));
    EXPECT_EQ(gif.imageCount(), 3);
    EXPECT_EQ(gif.size(), QSize(40, 24));
    EXPECT_EQ(state.view.ax, before);  // the window's own view did not turn
    EXPECT_EQ(state.display.backBuffer.width, 256);

    // The dialog starts from the last values; a WebP name makes a WebP; a cancel leaves no file.
    cancelAfter = 2;
    CommandWith(cmd::kSaveAnimation, dir / "turn.webp");
    EXPECT_EQ(offered.back().plan.frames, 3);
    EXPECT_EQ(FilesIn(dir), std::vector<std::string>{"turn.gif"});
    EXPECT_TRUE(messages.empty());

    // A folder that is not there: the failure is shown.
    cancelAfter = 0;
    CommandWith(cmd::kSaveAnimation, dir / "none" / "a.webp");
    EXPECT_EQ(messages.size(), 1u);
    // Cancelling the dialog asks for no file.
    const size_t chooserCalls = asked.size();
    window->setAnimationDialog([](AnimationRequest&) { return false; });
    Command(cmd::kSaveAnimation);
    EXPECT_EQ(asked.size(), chooserCalls);

    // The real progress dialog runs through to the end and leaves no window open.
    window->setAnimationDialog([](AnimationRequest& request) {
        request.plan.frames = 4;
        return true;
    });
    window->setProgressDisplay({});
    CommandWith(cmd::kSaveAnimation, dir / "real.webp");
    Settle();
    EXPECT_EQ(FilesIn(dir).size(), 2u);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(FileCommands, TheAnimationDialogTakesOnlyFieldsWithinTheirRanges) {
    window->setAnimationDialog({});
    answer.clear();  // the chooser is cancelled: only the dialog is seen
    int opened = 0;
    std::function<void(QDialog&)> step = [&](QDialog& d) {
        ++opened;
        EXPECT_EQ(d.windowTitle(), QStringLiteral("アニメーションを保存"));
        auto* frames = d.findChild<QLineEdit*>(QStringLiteral("frames"));
        auto* width = d.findChild<QLineEdit*>(QStringLiteral("width"));
        auto* ok = d.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
        EXPECT_EQ(frames->text(), QStringLiteral("60"));
        d.findChild<QComboBox*>(QStringLiteral("format"))->setCurrentIndex(1);
        d.findChild<QComboBox*>(QStringLiteral("axis"))->setCurrentIndex(3);
        // Out of range: refused, not brought into range behind the user's back.
        frames->setText(QStringLiteral("99999"));
        ok->click();
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(frames->text(), QStringLiteral("99999"));
        EXPECT_EQ(d.findChild<QLabel*>(QStringLiteral("fieldMessage"))->text(),
                  QStringLiteral("1～3600 の整数を入れてください"));
        frames->setText(QStringLiteral("3600"));
        width->setText(QStringLiteral("0"));
        ok->click();
        EXPECT_TRUE(d.isVisible());
        width->setText(QStringLiteral("1"));
        ok->click();
        EXPECT_FALSE(d.isVisible());
    };
    const auto previous = SetDialogAnswerer([&](QDialog& d) { step(d); });
    Command(cmd::kSaveAnimation);
    ASSERT_FALSE(asked.empty());
    EXPECT_EQ(asked.back().first, FileKind::AnimationWebP);
    step = [&](QDialog& d) {
        ++opened;
        EXPECT_EQ(d.findChild<QLineEdit*>(QStringLiteral("frames"))->text(), QStringLiteral("3600"));
        EXPECT_EQ(d.findChild<QLineEdit*>(QStringLiteral("width"))->text(), QStringLiteral("1"));
        EXPECT_EQ(d.findChild<QComboBox*>(QStringLiteral("axis"))->currentText(), QStringLiteral("現在の動き"));
        d.reject();
    };
    Command(cmd::kSaveAnimation);
    SetDialogAnswerer(previous);
    EXPECT_EQ(opened, 2);
    EXPECT_TRUE(FilesIn(dir).empty());
}

TEST_F(FileCommands, FailedExportLeavesNothingBehind) {
    window->runPass();
    window->setFileChooser([this](FileKind, std::string& name) {
        name = answer;
        return true;
    });
    answer = (dir / "missing" / "a.bmp").string();
    Command(cmd::kExportImage);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "ファイル名が不正の模様です。");
    EXPECT_EQ(messages[0].caption, "エラー");

    answer = (dir / "a.bmp").string();
    {
        FileSizeLimit limit;
        Command(cmd::kExportImage);
    }
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1].caption, "エラー");
    EXPECT_TRUE(fs::is_empty(dir));
}

TEST_F(FileCommands, CopyPutsAFrozenCopyOfThePictureOnTheClipboard) {
    window->resizeWindowToView(300, 120);
    Settle();
    window->runPass();
    Command(cmd::kCopyImage);
    const QImage copied = QApplication::clipboard()->image();
    ASSERT_EQ(copied.size(), QSize(300, 120));
    const BackBuffer& b = state.display.backBuffer;
    for (const QPoint p : {QPoint(0, 0), QPoint(150, 60), QPoint(299, 119), QPoint(170, 40)}) {
        const uint32_t c = b.pixels[size_t(p.y()) * size_t(b.width) + size_t(p.x())];
        EXPECT_EQ(copied.pixelColor(p), QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF)));
    }
    // Later frames do not reach the copy.
    Command(cmd::kBackgroundWhite);
    window->runPass();
    EXPECT_EQ(QApplication::clipboard()->image(), copied);
    EXPECT_EQ(window->action(cmd::kCopyImage)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_C));
}

TEST_F(FileCommands, AreaOfTheStartViewAndOfAnEmptyOne) {
    window->runPass();
    Command(cmd::kProjectedArea);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].caption, "投射面積確認");
    const std::string& text = messages[0].text;
    const std::string head = "面積：";
    const std::string tail = "px\n注：背景色と同じ色はカウントされません。";
    ASSERT_EQ(text.rfind(head, 0), 0u) << text;
    ASSERT_GT(text.size(), head.size() + tail.size());
    EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
    const int area = std::stoi(text.substr(head.size()));
    EXPECT_GT(area, 0);
    EXPECT_LT(area, 256 * 256);

    ChangeFigure(state, 999);  // no solid
    window->runPass();
    Command(cmd::kProjectedArea);
    EXPECT_EQ(messages.back().text, "面積：0px\n注：背景色と同じ色はカウントされません。");
}

// The real chooser and message box, answered by a timer once they are open.
struct OpenDialog {
    bool open = false;
    bool loopRan = true;
    QString title;
    QStringList filters;
    QString suffix;
    QString directory;
    QStringList selected;
    QFileDialog::AcceptMode mode = QFileDialog::AcceptOpen;
    bool confirmsOverwrite = false;
};

TEST_F(FileCommands, TheRealChooserPausesTheLoopAndStartsFromTheLastName) {
    CommandWith(cmd::kSaveSettings, dir / "earlier.txt");
    window->setFileChooser({});
    window->startLoop();
    const auto look = [this](int id) {
        OpenDialog seen;
        QTimer::singleShot(50, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog) {
                if (QWidget* other = QApplication::activeModalWidget()) other->close();
                return;
            }
            seen = {true,
                    window->loopRunning(),
                    dialog->windowTitle(),
                    dialog->nameFilters(),
                    dialog->defaultSuffix(),
                    dialog->directory().absolutePath(),
                    dialog->selectedFiles(),
                    dialog->acceptMode(),
                    !dialog->testOption(QFileDialog::DontConfirmOverwrite)};
            dialog->reject();
        });
        Command(id);
        EXPECT_TRUE(seen.open) << "no file chooser for " << id;
        EXPECT_FALSE(seen.loopRan);
        EXPECT_TRUE(window->loopRunning());
        return seen;
    };

    const OpenDialog load = look(cmd::kLoadSettings);
    EXPECT_EQ(load.title, QStringLiteral("開く"));
    EXPECT_EQ(load.filters, QStringList{QStringLiteral("テキスト (*.txt)")});
    EXPECT_EQ(load.suffix, QStringLiteral("txt"));
    EXPECT_EQ(load.mode, QFileDialog::AcceptOpen);
    EXPECT_EQ(load.directory, QString::fromStdString(dir.string()));
    EXPECT_EQ(load.selected, QStringList{QString::fromStdString((dir / "earlier.txt").string())});

    const OpenDialog save = look(cmd::kSaveSettings);
    EXPECT_EQ(save.title, QStringLiteral("名前を付けて保存"));
    EXPECT_EQ(save.mode, QFileDialog::AcceptSave);
    EXPECT_TRUE(save.confirmsOverwrite);

    // No picture name yet: the dialog opens in the working folder. The export
    // asks its own question before replacing a file.
    const OpenDialog image = look(cmd::kExportImage);
    // BMP first, as ever; then the other pictures the export writes by their ending.
    EXPECT_EQ(image.filters, (QStringList{QStringLiteral("ビットマップ (*.bmp)"), QStringLiteral("PNG 画像 (*.png)"),
                                          QStringLiteral("SVG 図形 (*.svg)"), QStringLiteral("PDF 文書 (*.pdf)")}));
    EXPECT_EQ(image.suffix, QStringLiteral("bmp"));
    EXPECT_EQ(image.mode, QFileDialog::AcceptSave);
    EXPECT_FALSE(image.confirmsOverwrite);
    EXPECT_EQ(image.directory, QDir::currentPath());

    EXPECT_EQ(FilesIn(dir), std::vector<std::string>{"earlier.txt"});  // cancelled: nothing written
}

TEST_F(FileCommands, TheRealMessageBoxShowsTheArea) {
    window->setMessageBox({});
    window->runPass();
    QString text, title;
    QTimer::singleShot(50, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            if (QWidget* other = QApplication::activeModalWidget()) other->close();
            return;
        }
        text = box->text();
        title = box->windowTitle();
        box->accept();
    });
    Command(cmd::kProjectedArea);
    EXPECT_EQ(title, QStringLiteral("投射面積確認"));
    EXPECT_TRUE(text.startsWith(QStringLiteral("面積："))) << text.toStdString();
}

}  // namespace
}  // namespace gyro

namespace gyro {
namespace {

TEST_F(FileCommands, SaveForPrintingWritesTheOuterSurfaceOrSaysWhyNot) {
    // The start figure, the cube: 12 triangles, 60 mm across.
    const fs::path stl = dir / "cube.stl";
    CommandWith(cmd::kSavePrint, stl);
    ASSERT_FALSE(asked.empty());
    EXPECT_EQ(asked.back().first, FileKind::Print);
    const std::string bytes = ReadAll(stl);
    ASSERT_EQ(bytes.size(), 84u + 50u * 12u);
    EXPECT_TRUE(messages.empty());

    // A name that is neither .stl nor .3mf, and a figure without volume, are told.
    const fs::path text = dir / "cube.txt";
    CommandWith(cmd::kSavePrint, text);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages.back().caption, "エラー");
    EXPECT_FALSE(fs::exists(text));

    ChangeFigure(state, 201);
    const fs::path far = dir / "far.3mf";
    CommandWith(cmd::kSavePrint, far);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_NE(messages.back().text.find(OuterRefusalText(OuterRefusal::ReachesInfinity)), std::string::npos);
    EXPECT_FALSE(fs::exists(far));
}

// The size asked for is the largest extent in the file, offered again next time;
// cancelling the question writes nothing.
TEST_F(FileCommands, SaveForPrintingAsksTheSizeAndRemembersIt) {
    const auto extentOf = [](const std::string& bytes) {
        float lo[3] = {1e30f, 1e30f, 1e30f}, hi[3] = {-1e30f, -1e30f, -1e30f};
        for (size_t t = 84; t + 50 <= bytes.size(); t += 50) {
            for (size_t k = 0; k < 9; ++k) {
                float v = 0;
                std::memcpy(&v, bytes.data() + t + 12 + 4 * k, 4);
                lo[k % 3] = std::min(lo[k % 3], v);
                hi[k % 3] = std::max(hi[k % 3], v);
            }
        }
        return std::max({hi[0] - lo[0], hi[1] - lo[1], hi[2] - lo[2]});
    };
    printSizeAnswer = 25.0;
    const fs::path first = dir / "small.stl";
    CommandWith(cmd::kSavePrint, first);
    ASSERT_EQ(printSizesAsked, std::vector<double>{kDefaultPrintSizeMm});
    EXPECT_NEAR(extentOf(ReadAll(first)), 25.0, 1e-4);

    printSizeAnswer.reset();
    const fs::path second = dir / "again.stl";
    CommandWith(cmd::kSavePrint, second);
    ASSERT_EQ(printSizesAsked.size(), 2u);
    EXPECT_EQ(printSizesAsked.back(), 25.0);
    EXPECT_NEAR(extentOf(ReadAll(second)), 25.0, 1e-4);

    cancelPrintSize = true;
    const fs::path third = dir / "cancelled.stl";
    CommandWith(cmd::kSavePrint, third);
    EXPECT_FALSE(fs::exists(third));
    EXPECT_TRUE(messages.empty());
}

}  // namespace
}  // namespace gyro

namespace gyro {
namespace {

TEST_F(FileCommands, SaveNetAsksItsOptionsThenWritesThePagesOrSaysWhyNot) {
    std::vector<NetRequest> requests;  // what the dialog started from
    bool confirm = true;
    window->setNetDialog([&](NetRequest& request) {
        requests.push_back(request);
        if (!confirm) return false;
        request.page = NetPage::A3;
        request.white = true;
        return true;
    });
    // A cancelled dialog asks for no file.
    confirm = false;
    CommandWith(cmd::kSaveNet, dir / "none.pdf");
    EXPECT_TRUE(asked.empty());
    EXPECT_TRUE(FilesIn(dir).empty());

    // The start figure, the cube: one page, A3 as chosen.
    confirm = true;
    const fs::path pdf = dir / "cube.pdf";
    CommandWith(cmd::kSaveNet, pdf);
    ASSERT_EQ(requests.size(), 2u);
    ASSERT_EQ(asked.size(), 1u) << messages.size() << (messages.empty() ? "" : messages[0].text);
    EXPECT_EQ(asked.back().first, FileKind::Net);
    EXPECT_EQ(ReadAll(pdf).rfind("%PDF-", 0), 0u);
    EXPECT_TRUE(messages.empty());
    // The next dialog starts from the last values.
    CommandWith(cmd::kSaveNet, dir / "again.svg");
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(requests.back().page, NetPage::A3);
    EXPECT_TRUE(requests.back().white);
    EXPECT_TRUE(fs::exists(dir / "again.svg"));

    // A name that is neither .pdf nor .svg, and a figure without an outer surface, are told.
    CommandWith(cmd::kSaveNet, dir / "cube.png");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages.back().caption, "エラー");
    EXPECT_FALSE(fs::exists(dir / "cube.png"));
    ChangeFigure(state, 201);
    CommandWith(cmd::kSaveNet, dir / "far.pdf");
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_NE(messages.back().text.find(OuterRefusalText(OuterRefusal::ReachesInfinity)), std::string::npos);
    EXPECT_FALSE(fs::exists(dir / "far.pdf"));
}

}  // namespace
}  // namespace gyro
