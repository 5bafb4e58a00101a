#include "app/figure_panel.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QPlainTextEdit>

#include <chrono>

namespace gyro {

NumberWords PanelNumberWords(UiLanguage language) {
    if (language == UiLanguage::English) return EnglishNumberWords();
    NumberWords w;
    w.figure = "図形番号";
    w.nameJa = "名前";
    w.nameEn = "英語名";
    w.vertices = "頂点";
    w.edges = "辺";
    w.faces = "面";
    w.segments = "線分";
    w.faceKinds = "面の種類";
    w.vertexConfigurations = "頂点形状";
    w.euler = "オイラー標数";
    w.pieces = "連結成分";
    w.orientable = "向き付け可能";
    w.genus = "種数";
    w.density = "密度";
    w.symmetry = "対称性";
    w.chiral = "キラル";
    w.mirror = "鏡像";
    w.circumradius = "外接球半径";
    w.midradius = "中接球半径";
    w.inradius = "内接球半径";
    w.edgeLengths = "辺の長さ";
    w.area = "表面積";
    w.volume = "体積";
    w.volumeWithDensity = "体積（密度で数えた値）";
    w.dihedralAngles = "二面角";
    w.dual = "双対";
    w.compoundWithDual = "双対との複合";
    w.base = "元の図形";
    w.partner = "複合の相手";
    w.yes = "はい";
    w.no = "いいえ";
    w.order = "位数";
    w.range = "範囲";
    w.inEdges = "最短辺単位";
    w.unitEdge = "辺の長さ１";
    w.emptySlots = "空の面（数えない）";
    w.notOneCycle = "面が一つの輪にならない頂点";
    w.edgesWithoutAngle = "二面の間にない辺";
    w.leftOut = "なし";
    w.crossedQuadrilateral = "交差四角形";
    w.concaveQuadrilateral = "凹四角形";
    w.concavePolygon = "凹%1角形";
    w.selfIntersectingPolygon = "自己交差%1角形";
    w.degeneratePolygon = "退化%1角形";
    w.noFaces = "面がない";
    w.openSurface = "面が閉じていない";
    w.edgeInManyFaces = "三つ以上の面が接する辺があり、頂点形状が一つの輪にならない";
    w.vertexNotOneCycle = "頂点のまわりの面が一つの輪にならない";
    w.notOrientable = "向き付け不可能";
    w.severalPieces = "いくつかの部分に分かれている";
    w.centreOnSurface = "中心が面の上にある";
    w.notWhole = "中心のまわりの巻き数が整数でない";
    w.verticesOnALine = "頂点が一直線上にある";
    w.tooLarge = "頂点が多すぎる";
    w.enclosedVolume = "囲まれた体積";
    w.outerArea = "外側の表面積";
    w.working = "…";
    w.outerEmpty = OuterRefusalText(OuterRefusal::Empty);
    w.outerOnlySegments = OuterRefusalText(OuterRefusal::OnlySegments);
    w.outerReachesInfinity = OuterRefusalText(OuterRefusal::ReachesInfinity);
    w.outerNoVolume = OuterRefusalText(OuterRefusal::NoVolume);
    w.outerTooLarge = OuterRefusalText(OuterRefusal::TooLarge);
    w.outerFailed = OuterRefusalText(OuterRefusal::Failed);
    w.japaneseNames = true;
    return w;
}

FigurePanel::FigurePanel(QWidget* parent) : QDockWidget(QCoreApplication::translate("FigurePanel", "図形の数値"), parent) {
    setObjectName(QStringLiteral("FigurePanel"));
    // Shown and hidden from the menu only, so that the settings key says what is on screen.
    setFeatures(QDockWidget::NoDockWidgetFeatures);
    setFixedWidth(kWidth);
    view_ = new QPlainTextEdit(this);
    view_->setObjectName(QStringLiteral("FigureNumbersText"));
    view_->setReadOnly(true);
    view_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    view_->setFocusPolicy(Qt::ClickFocus);
    setWidget(view_);
}

FigurePanel::~FigurePanel() {
    cancel_ = true;
    if (work_.valid()) work_.wait();
    if (outerWork_.valid()) outerWork_.wait();
}

void FigurePanel::follow(const Solid& solid, UiLanguage language, int fractalLevel) {
    if (solid.fractalDepthMax == 0) fractalLevel = 0;
    if (language != language_) {
        language_ = language;
        if (showing_) showNumbers(shown_);
    }
    collect();
    if (work_.valid() || outerWork_.valid()) {
        // The figure changed meanwhile: the work in hand is for nothing on show.
        if (workBuild_ != solid.buildCount || (outerWork_.valid() && workLevel_ != fractalLevel)) cancel_ = true;
        return;
    }
    cancel_ = false;
    workBuild_ = solid.buildCount;
    workLevel_ = fractalLevel;
    if (!showing_ || shownBuild_ != solid.buildCount) {
        work_ = std::async(std::launch::async, [copy = solid, cancel = &cancel_]() {
            return std::pair<uint32_t, FigureNumbers>(copy.buildCount,
                                                      ComputeFigureNumbers(copy, kSymmetryVertexLimit, cancel));
        });
        return;
    }
    if (shownLevel_ == fractalLevel || shown_.faces == 0) return;
    // The quick numbers are on show: the outer surface next, "…" meanwhile.
    if (shown_.outer.computed) {
        shown_.outer = {};
        showNumbers(shown_);
    }
    outerWork_ = std::async(std::launch::async, [copy = solid, fractalLevel, cancel = &cancel_]() {
        return MeasureOuterSurface(copy, fractalLevel, cancel);
    });
}

void FigurePanel::collect() {
    if (work_.valid() && work_.wait_for(std::chrono::seconds(0)) == std::future_status::ready) {
        auto [build, numbers] = work_.get();
        if (numbers.cancelled) return;  // incomplete; the next follow starts the work afresh
        shown_ = std::move(numbers);
        showNumbers(shown_);
        shownBuild_ = build;
        shownLevel_ = -1;
        showing_ = true;
    }
    if (outerWork_.valid() && outerWork_.wait_for(std::chrono::seconds(0)) == std::future_status::ready) {
        const OuterMeasures measures = outerWork_.get();
        if (!measures.computed || !showing_ || shownBuild_ != workBuild_) return;  // called off
        shown_.outer = measures;
        shownLevel_ = workLevel_;
        showNumbers(shown_);
    }
}

void FigurePanel::showNumbers(const FigureNumbers& numbers) {
    view_->setPlainText(QString::fromStdString(NumbersText(numbers, PanelNumberWords(language_))));
}

bool FigurePanel::settle(const Solid& solid, int fractalLevel) {
    if (solid.fractalDepthMax == 0) fractalLevel = 0;
    for (int round = 0; round < 4; ++round) {
        follow(solid, language_, fractalLevel);
        if (work_.valid()) work_.wait();
        if (outerWork_.valid()) outerWork_.wait();
        collect();
    }
    return showing_ && shownBuild_ == solid.buildCount && (shownLevel_ == fractalLevel || shown_.faces == 0);
}

QString FigurePanel::text() const { return view_->toPlainText(); }

}  // namespace gyro
