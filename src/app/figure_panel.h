#pragma once

#include <QDockWidget>

#include <atomic>
#include <cstdint>
#include <future>
#include <utility>

#include "geometry/figure_numbers.h"
#include "geometry/numbers_text.h"
#include "shell/language.h"
#include "model/solid.h"

class QPlainTextEdit;

namespace gyro {

// The words of the numbers panel in an interface language: the command line's
// English words, or their Japanese.
NumberWords PanelNumberWords(UiLanguage language);

// The dock beside the picture that shows the numbers of the figure on show as
// selectable text. The numbers are worked out once a build, on a copy of the
// solid in a worker thread, so a large mesh never holds up a frame. Work for a
// figure no longer on show is called off, and so is work in hand when the
// panel goes: closing the window never waits for a long symmetry search.
class FigurePanel : public QDockWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 360;

    explicit FigurePanel(QWidget* parent = nullptr);
    ~FigurePanel() override;

    // Called every pass while the panel is shown: starts the work for a new
    // build and shows a finished result, in `language`. The quick numbers come
    // first; the outer surface (fractals at `fractalLevel`) follows, shown as
    // "…" until it is ready.
    void follow(const Solid& solid, UiLanguage language, int fractalLevel = 0);
    // Waits for the work in hand (tests); true when the panel shows `solid`
    // with its outer surface.
    bool settle(const Solid& solid, int fractalLevel = 0);
    // Calls off the work in hand, for the window's own exact work (the outer
    // surface's exact steps run one at a time); the next follow starts it again.
    void callOffWork() { cancel_ = true; }

    QString text() const;
    uint32_t shownBuild() const { return shownBuild_; }

private:
    void collect();

    void showNumbers(const FigureNumbers& numbers);

    QPlainTextEdit* view_;
    uint32_t shownBuild_ = 0;
    bool showing_ = false;
    UiLanguage language_ = UiLanguage::Japanese;
    FigureNumbers shown_;  // kept to show again in another language
    int shownLevel_ = -1;  // the fractal level of the outer numbers shown; -1: none yet
    std::future<std::pair<uint32_t, FigureNumbers>> work_;
    std::future<OuterMeasures> outerWork_;
    uint32_t workBuild_ = 0;           // the build the work in hand is for
    int workLevel_ = 0;                // and the fractal level of the outer work
    std::atomic<bool> cancel_{false};  // raised to call that work off
};

}  // namespace gyro
