#pragma once

#include <QDockWidget>

#include <cstdint>
#include <future>
#include <utility>

#include "geometry/figure_numbers.h"
#include "geometry/numbers_text.h"
#include "model/solid.h"

class QPlainTextEdit;

namespace gyro {

// The words of the numbers panel in the interface language.
NumberWords PanelNumberWords();

// The dock beside the picture that shows the numbers of the figure on show as
// selectable text. The numbers are worked out once a build, on a copy of the
// solid in a worker thread, so a large mesh never holds up a frame.
class FigurePanel : public QDockWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 360;

    explicit FigurePanel(QWidget* parent = nullptr);
    ~FigurePanel() override;

    // Called every pass while the panel is shown: starts the work for a new
    // build and shows a finished result.
    void follow(const Solid& solid);
    // Waits for the work in hand (tests); true when the panel shows `solid`.
    bool settle(const Solid& solid);

    QString text() const;
    uint32_t shownBuild() const { return shownBuild_; }

private:
    void collect();

    QPlainTextEdit* view_;
    uint32_t shownBuild_ = 0;
    bool showing_ = false;
    std::future<std::pair<uint32_t, FigureNumbers>> work_;
};

}  // namespace gyro
