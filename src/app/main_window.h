#pragma once

#include <QFont>
#include <QMainWindow>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <array>
#include <cstdint>
#include <atomic>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/commands.h"
#include "app/file_commands.h"
#include "app/menu_marks.h"
#include "shell/shell_state.h"
#include "shell/status_text.h"
#include "catalog/catalogue.h"
#include "state/app_state.h"

class QAction;
class QMenu;

namespace gyro {

class FigurePanel;

class MainWindow;

// The client area: the picture on top, the two-line status band below it.
// It only passes its events on to the window.
class Canvas : public QWidget {
    Q_OBJECT
public:
    explicit Canvas(MainWindow& owner);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    MainWindow& owner_;
};

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(AppState& state, ShellState& shell, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Starts the frame loop: one pass every 10 ms at most.
    void startLoop();
    bool loopRunning() const { return passTimer_.isActive(); }
    // One pass of the loop after the events: motion and keys, then a frame.
    void runPass();

    void runCommand(int id);
    void applyMenuMarks();
    // Sets the drawing area to w x h and fits the window around it.
    void resizeWindowToView(int w, int h);

    // Switches every text to `language` at once (Japanese when its translation
    // is missing); the figure and the view stay as they are.
    void setLanguage(UiLanguage language);
    // Called with the language the user chose, to remember it (main: a Qt preference).
    void setLanguageSaver(std::function<void(UiLanguage)> saver) { languageSaver_ = std::move(saver); }

    QAction* action(int id) const;
    Canvas* canvas() const { return canvas_; }
    FigurePanel* figurePanel() const { return figurePanel_; }
    const std::vector<FigureCommand>& figureCommands() const { return figureCommands_; }
    const StatusText& statusText() const { return status_; }
    // Line 2 of the band for a figure that does not exist for its parameters.
    static QString refusalText(Refusal refusal);
    const QFont& statusFont() const { return statusFont_; }

    // Replaces the colour chooser (tests answer without a dialog).
    void setColourChooser(ColourChooser chooser) { chooser_ = std::move(chooser); }
    // Replace the file chooser and the message boxes of the file commands
    // (tests answer and read them without a dialog); an empty function brings
    // the real dialog back.
    void setFileChooser(decltype(FileUi::chooseFile) chooser);
    void setMessageBox(decltype(FileUi::inform) box);
    void setQuestionBox(decltype(FileUi::ask) box);
    // Replace the animation dialog and the progress display likewise.
    void setAnimationDialog(decltype(FileUi::editAnimation) dialog);
    void setProgressDisplay(decltype(FileUi::showProgress) display);
    void setScaleBox(decltype(FileUi::askScale) box);
    void setNetDialog(decltype(FileUi::editNet) dialog);
    void setPrintSizeBox(decltype(FileUi::askPrintSize) box);
    const FileNames& fileNames() const { return fileNames_; }
    // The window's own progress display of an animation export (the one
    // setProgressDisplay brings back), for a replacement that wraps it.
    AnimationProgress progressDialog(int32_t total);

private:
    friend class Canvas;

    // Stops the loop while a modal dialog or chooser is open.
    class LoopPause {
    public:
        explicit LoopPause(MainWindow& w) : w_(w), wasRunning_(w.passTimer_.isActive()) { w_.passTimer_.stop(); }
        ~LoopPause() {
            if (wasRunning_) w_.passTimer_.start();
        }
        LoopPause(const LoopPause&) = delete;
        LoopPause& operator=(const LoopPause&) = delete;

    private:
        MainWindow& w_;
        bool wasRunning_;
    };

    void buildMenus();
    QMenu* buildOperationMenu();
    QMenu* buildFigureMenu();
    void addFigureItems(QMenu* menu, const FigureMenuItem& parent);
    QMenu* buildViewMenu();
    QMenu* buildLanguageMenu();
    QString figureMenuLabel(const FigureMenuItem& item) const;
    void findFigure();
    void updateTitle();
    QAction* addCommand(QMenu* menu, const QString& label, int id);

    bool chooseColourDialog(Colour& colour);
    // The view, light and window dialogs; false when `id` is not one of them.
    bool openViewDialog(int id);
    void showInformation();
    void editSphereParameters();
    bool chooseFileDialog(FileKind kind, std::string& name);
    // Runs `work` on a thread of its own behind a cancellable progress dialog
    // showing `label`; `work` is given the cancel flag and a progress callback.
    void runWithProgress(const QString& label,
                         const std::function<void(const std::atomic<bool>& cancel, std::function<void(double)> progress)>& work);
    // The outer surface worked out on a thread of its own behind a progress dialog.
    OuterResult computeOuterWithProgress(const Solid& solid, int fractalLevel);
    // The net the same way.
    NetResult computeNetWithProgress(const Solid& solid, int fractalLevel, const NetOptions& options);
    void messageBox(const std::string& text, const std::string& caption);
    bool questionBox(const std::string& text, const std::string& caption);
    bool scaleBox(double& scale);
    bool printSizeBox(double& sizeMm);
    void loadSettings();
    void copyImage();

    void drawFrame(QWidget& target);
    void keyEvent(QKeyEvent* event, bool down);
    void clientResized();
    void applyClientSize();
    void setBackBuffer(int w, int h);
    // Shows or hides the numbers panel as the settings say, keeping the
    // picture's size, and keeps a shown panel on the figure.
    void syncFigurePanel();

    AppState& state_;
    ShellState& shell_;
    FigurePanel* figurePanel_ = nullptr;
    Canvas* canvas_ = nullptr;
    QTimer passTimer_;
    uint64_t lastPassMs_ = 0;
    std::vector<QMenu*> menus_;
    std::map<int, QAction*> actions_;
    std::function<void(UiLanguage)> languageSaver_;
    std::string title_;
    std::vector<FigureCommand> figureCommands_;
    ColourChooser chooser_;
    FileUi fileUi_;
    FileNames fileNames_;
    std::optional<AnimationRequest> lastAnimation_;  // the animation dialog's values, for next time
    QFont statusFont_;
    StatusText status_;
    // Status pieces as last converted for drawing; converted again only when they change.
    struct CachedText {
        std::string text;
        QString qtext;
        const QString& get(const std::string& now) {
            if (now != text || qtext.isNull()) {
                text = now;
                qtext = QString::fromStdString(now);
            }
            return qtext;
        }
    };
    std::array<CachedText, 6> drawnText_;  // line 1's four pieces, "name:", the name
    bool clientSizePending_ = false;
    // The client size a resizeWindowToView asked for and the view it set,
    // so that the resulting size event keeps a view narrower than the window.
    struct RequestedView {
        int clientWidth, clientHeight, viewWidth, viewHeight;
    };
    std::optional<RequestedView> requested_;
    // On a screen with a device-pixel ratio above 1 the window draws a finer
    // picture here; the back buffer then holds the last frame only after
    // freshLogicalFrame() (exports, the clipboard and the area count read it).
    BackBuffer devicePicture_;
    bool drewDevicePixels_ = false;
    void freshLogicalFrame();
};

}  // namespace gyro
