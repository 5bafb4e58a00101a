#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "shell/language.h"
#include "app/figure_panel.h"
#include "app/main_window.h"
#include "app/translations.h"
#include "catalog/command_ids.h"
#include "dialogs/run_dialog.h"
#include "dialogs/ui_text.h"
#include "io/area_count.h"
#include "io/bmp_file.h"
#include "io/settings_file.h"
#include "geometry/net.h"
#include "geometry/outer_surface.h"
#include "state/dispatcher.h"

namespace gyro {
namespace {

// Japanese (or full-width) characters: in the English interface such a text
// did not pass through the translation.
bool HasJapanese(const QString& text) {
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if ((u >= 0x3000 && u <= 0x9FFF) || (u >= 0xFF00 && u <= 0xFFEF)) return true;
    }
    return false;
}

// The texts that stay the same in every language: the way back to one's own.
bool SameInEveryLanguage(const QString& text) {
    return text == QStringLiteral("言語 / Language") || text == QStringLiteral("日本語");
}

void CollectMenuTexts(QMenu* menu, QStringList& out) {
    out << menu->title();
    for (QAction* a : menu->actions()) {
        if (a->isSeparator()) continue;
        if (a->menu()) {
            CollectMenuTexts(a->menu(), out);
        } else {
            out << a->text();
        }
    }
}

// Every text a user can read in the dialog.
QStringList DialogTexts(QDialog& d) {
    QStringList texts{d.windowTitle()};
    for (QLabel* l : d.findChildren<QLabel*>()) texts << l->text();
    for (QAbstractButton* b : d.findChildren<QAbstractButton*>()) texts << b->text();
    for (QGroupBox* g : d.findChildren<QGroupBox*>()) texts << g->title();
    return texts;
}

struct Language : ::testing::Test {
    AppState state;
    ShellState shell;
    std::unique_ptr<MainWindow> window;
    std::vector<UiLanguage> saved;

    void SetUp() override {
        InitAppState(state);
        window = std::make_unique<MainWindow>(state, shell);
        window->setLanguageSaver([this](UiLanguage l) { saved.push_back(l); });
        window->show();
        QApplication::processEvents();
    }
    void TearDown() override {
        SetDialogAnswerer({});
        window.reset();
        SetInterfaceLanguage(UiLanguage::Japanese);
    }
    void Command(int id) { window->action(id)->trigger(); }

    QStringList MenuTexts() {
        QStringList texts;
        for (QAction* a : window->menuBar()->actions()) CollectMenuTexts(a->menu(), texts);
        return texts;
    }
    // Opens the dialog of menu item `id` and hands it to `answer`.
    void Open(int id, const std::function<void(QDialog&)>& answer) {
        int opened = 0;
        SetDialogAnswerer([&](QDialog& d) {
            ++opened;
            answer(d);
        });
        Command(id);
        SetDialogAnswerer({});
        EXPECT_EQ(opened, 1) << id;
    }
};

TEST_F(Language, EveryMenuTextIsTranslatedInEnglishAndStaysJapaneseInJapanese) {
    const QStringList japanese = MenuTexts();
    EXPECT_TRUE(japanese.contains(QStringLiteral("図形を探す...")));
    EXPECT_TRUE(japanese.contains(QStringLiteral("J43 / 異相双五角丸塔柱")));
    EXPECT_TRUE(window->action(cmd::kLanguageJapanese)->isChecked());
    EXPECT_FALSE(window->action(cmd::kLanguageEnglish)->isChecked());

    Command(cmd::kLanguageEnglish);
    EXPECT_EQ(shell.language, UiLanguage::English);
    EXPECT_EQ(saved, std::vector<UiLanguage>{UiLanguage::English});
    const QStringList english = MenuTexts();
    ASSERT_EQ(english.size(), japanese.size());
    for (const QString& text : english) {
        if (!SameInEveryLanguage(text)) {
            EXPECT_FALSE(HasJapanese(text)) << text.toStdString();
        }
        EXPECT_FALSE(text.isEmpty());
    }
    EXPECT_TRUE(english.contains(QStringLiteral("J43 / Elongated pentagonal gyrobirotunda")));
    EXPECT_TRUE(english.contains(QStringLiteral("J44 / Gyroelongated triangular bicupola (mirror)")));
    EXPECT_TRUE(english.contains(QStringLiteral("Find a figure...")));
    EXPECT_TRUE(window->action(cmd::kLanguageEnglish)->isChecked());
    EXPECT_FALSE(window->action(cmd::kLanguageJapanese)->isChecked());
    EXPECT_EQ(window->action(cmd::kFindFigure)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F));

    Command(cmd::kLanguageJapanese);
    EXPECT_EQ(MenuTexts(), japanese);
}

TEST_F(Language, EveryDialogIsTranslatedInEnglish) {
    Command(cmd::kLanguageEnglish);
    ChangeFigure(state, 400);  // the prism dialog's figure
    const int dialogs[] = {cmd::kLightDialog,       cmd::kArbitraryAxis,    cmd::kScreenSize,
                           cmd::kPerspectiveDialog, cmd::kAutoRotation,     cmd::kSizeAndDirection,
                           cmd::kPyramidSettings,   cmd::kSphericalSettings, cmd::kHueCycle,
                           cmd::kInformation,       cmd::kFindFigure};
    for (int id : dialogs) {
        Open(id, [id](QDialog& d) {
            for (const QString& text : DialogTexts(d)) EXPECT_FALSE(HasJapanese(text)) << id << " " << text.toStdString();
            d.reject();
        });
    }
}

TEST_F(Language, SwitchingKeepsTheFigureTheViewAndTheMarks) {
    ChangeFigure(state, 342);
    state.view.rad = 0.625;
    state.view.ax[0][1] = 0.25;
    const std::string before = SaveSettings(state);
    Command(cmd::kLanguageEnglish);
    EXPECT_EQ(SaveSettings(state), before);
    window->runPass();
    EXPECT_EQ(window->statusText().name.text, "Elongated pentagonal gyrobirotunda (J43)");
    EXPECT_EQ(window->windowTitle().toStdString(),
              "Gyrosolid \u2014 異相双五角丸塔柱 / ジョンソンの立体No.43 / Elongated pentagonal gyrobirotunda (J43)");
    // The new menus carry the marks of the state: the figure's entry among them.
    int checkedFigures = 0;
    for (const FigureCommand& f : window->figureCommands()) checkedFigures += window->action(f.id)->isChecked();
    EXPECT_EQ(checkedFigures, 1);
    Command(cmd::kLanguageJapanese);
    window->runPass();
    EXPECT_EQ(window->statusText().name.text, state.solid.nameJa);
    EXPECT_EQ(SaveSettings(state), before);
}

TEST_F(Language, TheTitleCarriesBothFullNames) {
    ChangeFigure(state, 21);
    window->runPass();
    EXPECT_EQ(window->windowTitle().toStdString(), "Gyrosolid \u2014 大十二面体 / Great dodecahedron");
    ChangeFigure(state, 452);  // no name at all: the English interface's name only
    window->runPass();
    EXPECT_EQ(window->windowTitle().toStdString(), "Gyrosolid \u2014 Unnamed figure (twelve decagons)");
}

// Types `text` into the finder's field key by key.
void TypeQuery(QDialog& d, const QString& text) {
    QLineEdit* edit = d.findChild<QLineEdit*>(QStringLiteral("query"));
    ASSERT_NE(edit, nullptr);
    for (QChar c : text) {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(edit, &key);
    }
}

TEST_F(Language, TheFinderNarrowsAsOneTypesAndEnterShowsTheFigure) {
    struct Row {
        const char* typed;
        int rowsDown;  // Down presses in the field before Enter
        ShapeId shown;
    };
    const Row rows[] = {
        {"43", 0, 43}, {"J43", 0, 342}, {"gyrobirotunda", 1, 342}, {"ねじれ", 0, 53}, {"Great dodec", 0, 21},
        {"Koch", 0, 451},  // outside every menu
    };
    for (const Row& row : rows) {
        ChangeFigure(state, 5);
        state.display.orgcolpat = 0;
        Open(cmd::kFindFigure, [&row](QDialog& d) {
            auto* list = d.findChild<QListWidget*>(QStringLiteral("matches"));
            ASSERT_NE(list, nullptr);
            const int all = list->count();
            TypeQuery(d, QString::fromUtf8(row.typed));
            EXPECT_LT(list->count(), all) << row.typed;
            QLineEdit* edit = d.findChild<QLineEdit*>(QStringLiteral("query"));
            for (int i = 0; i < row.rowsDown; ++i) {
                QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
                QCoreApplication::sendEvent(edit, &down);
            }
            QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
            QCoreApplication::sendEvent(edit, &enter);
        });
        EXPECT_EQ(state.solid.zukei, row.shown) << row.typed;
        EXPECT_GT(state.solid.vertexCount(), 0) << row.typed;
    }
    // Nothing matches: OK cannot be pressed and the figure stays.
    Open(cmd::kFindFigure, [](QDialog& d) {
        TypeQuery(d, QStringLiteral("zzzz"));
        EXPECT_FALSE(d.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->isEnabled());
        d.reject();
    });
    EXPECT_EQ(state.solid.zukei, 451);
}

TEST(StartLanguage, CommandLineThenPreferenceThenJapanese) {
    struct Row {
        std::optional<UiLanguage> commandLine;
        const char* remembered;
        UiLanguage start;
    };
    const Row rows[] = {
        {std::nullopt, "", UiLanguage::Japanese},         {std::nullopt, "en", UiLanguage::English},
        {std::nullopt, "ja", UiLanguage::Japanese},       {std::nullopt, "fr", UiLanguage::Japanese},
        {UiLanguage::Japanese, "en", UiLanguage::Japanese}, {UiLanguage::English, "", UiLanguage::English},
    };
    for (const Row& row : rows) EXPECT_EQ(StartLanguage(row.commandLine, row.remembered), row.start) << row.remembered;
}

TEST(TranslatedMessages, CoreMessagesInEitherLanguage) {
    struct Row {
        std::string text;
        QString english;
    };
    const Row rows[] = {
        {kBmpWriteFailedMessage, QStringLiteral("Writing the file failed.")},
        {kBmpBadNameMessage, QStringLiteral("The file name seems to be invalid.")},
        {kBmpNoPictureMessage, QStringLiteral("There is no picture to save.")},
        {kAreaTooLargeMessage, QStringLiteral("The drawing area is too large to count.")},
        {kAreaCaption, QStringLiteral("Projected area")},
        // A file name and a system error pass unchanged on their lines.
        {std::string("設定ファイルを開けません。") + "\n/tmp/設定.txt: No such file",
         QStringLiteral("Cannot open the settings file.\n/tmp/設定.txt: No such file")},
        // A number stands in the line.
        {"面積：12345px\n注：背景色と同じ色はカウントされません。",
         QStringLiteral("Area: 12345 px\nNote: pixels in the background colour are not counted.")},
    };
    for (const Row& row : rows) EXPECT_EQ(TranslatedMessage(row.text), QString::fromStdString(row.text));
    ASSERT_TRUE(SetInterfaceLanguage(UiLanguage::English));
    for (const Row& row : rows) EXPECT_EQ(TranslatedMessage(row.text), row.english) << row.text;
    SetInterfaceLanguage(UiLanguage::Japanese);
    EXPECT_EQ(TranslatedMessage(kBmpWriteFailedMessage), QString::fromUtf8(kBmpWriteFailedMessage));
}

// Why a figure has no outer surface: Japanese in the Japanese interface (the
// message box and the numbers panel), and in English the very words the command
// line prints, so the translation and the core's English cannot drift apart.
TEST(TranslatedMessages, OuterSurfaceReasonsInEitherLanguage) {
    const OuterRefusal reasons[] = {OuterRefusal::Empty,    OuterRefusal::OnlySegments, OuterRefusal::ReachesInfinity,
                                    OuterRefusal::NoVolume, OuterRefusal::TooLarge,     OuterRefusal::Cancelled,
                                    OuterRefusal::Failed};
    const auto isAscii = [](const std::string& text) {
        return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    };
    SetInterfaceLanguage(UiLanguage::Japanese);
    for (const OuterRefusal reason : reasons) {
        const std::string text = OuterRefusalText(reason);
        EXPECT_FALSE(isAscii(text)) << text;
        EXPECT_EQ(TranslatedMessage(text), QString::fromStdString(text));
    }
    const NumberWords japanese = PanelNumberWords(UiLanguage::Japanese);
    EXPECT_EQ(japanese.outerReachesInfinity, OuterRefusalText(OuterRefusal::ReachesInfinity));
    EXPECT_EQ(japanese.outerFailed, OuterRefusalText(OuterRefusal::Failed));

    ASSERT_TRUE(SetInterfaceLanguage(UiLanguage::English));
    for (const OuterRefusal reason : reasons) {
        EXPECT_TRUE(isAscii(OuterRefusalEnglish(reason)));
        EXPECT_EQ(TranslatedMessage(OuterRefusalText(reason)), QString::fromStdString(OuterRefusalEnglish(reason)));
    }
    EXPECT_EQ(PanelNumberWords(UiLanguage::English).outerNoVolume, OuterRefusalEnglish(OuterRefusal::NoVolume));
    // The print command's message: the reason on its own line, a detail below it unchanged.
    EXPECT_EQ(TranslatedMessage(std::string("この図形は3Dプリント用の立体にできません:\n") +
                                OuterRefusalText(OuterRefusal::Failed) + "\na vertex is not a finite number"),
              QStringLiteral("This figure cannot be made into a solid for 3D printing:\n"
                             "the outer surface did not come out closed\na vertex is not a finite number"));
    SetInterfaceLanguage(UiLanguage::Japanese);
}

// Why a net was not made: Japanese in the Japanese window, and every line but the
// numbers and the outer surface's detail translated in the English one.
TEST(TranslatedMessages, NetProblemsInEitherLanguage) {
    const auto hasJapanese = [](const QString& text) {
        return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x3000; });
    };
    std::vector<NetResult> results;
    for (const NetProblem problem : {NetProblem::Cancelled, NetProblem::NoSurface, NetProblem::TooSmall,
                                     NetProblem::DoesNotFit, NetProblem::EdgeTooLong, NetProblem::OuterRefused}) {
        NetResult result;
        result.problem = problem;
        result.mostEdgeMm = 41.0;
        result.outerRefusal = OuterRefusal::NoVolume;
        result.outerDetail = "detail 12";
        results.push_back(result);
    }
    SetInterfaceLanguage(UiLanguage::Japanese);
    for (const NetResult& result : results) {
        const QString text = TranslatedMessage(NetProblemText(result));
        EXPECT_TRUE(hasJapanese(text)) << text.toStdString();
    }
    EXPECT_TRUE(NetProblemText(NetResult{}).empty());
    ASSERT_TRUE(SetInterfaceLanguage(UiLanguage::English));
    for (const NetResult& result : results) {
        const QString text = TranslatedMessage(NetProblemText(result));
        EXPECT_FALSE(hasJapanese(text)) << text.toStdString();
    }
    EXPECT_TRUE(TranslatedMessage(NetProblemText(results[4])).endsWith(QStringLiteral("\n41.0")));
    EXPECT_TRUE(TranslatedMessage(NetProblemText(results[5])).endsWith(QStringLiteral("\ndetail 12")));
    SetInterfaceLanguage(UiLanguage::Japanese);
}

}  // namespace
}  // namespace gyro
