#include "app/figure_panel.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QPlainTextEdit>

#include <chrono>

namespace gyro {

namespace {

std::string Tr(const char* text) { return QCoreApplication::translate("FigurePanel", text).toStdString(); }

}  // namespace

NumberWords PanelNumberWords() {
    NumberWords w;
    w.figure = Tr("図形番号");
    w.nameJa = Tr("名前");
    w.nameEn = Tr("英語名");
    w.vertices = Tr("頂点");
    w.edges = Tr("辺");
    w.faces = Tr("面");
    w.segments = Tr("線分");
    w.faceKinds = Tr("面の種類");
    w.vertexConfigurations = Tr("頂点形状");
    w.euler = Tr("オイラー標数");
    w.pieces = Tr("連結成分");
    w.orientable = Tr("向き付け可能");
    w.genus = Tr("種数");
    w.density = Tr("密度");
    w.symmetry = Tr("対称性");
    w.chiral = Tr("キラル");
    w.mirror = Tr("鏡像");
    w.circumradius = Tr("外接球半径");
    w.midradius = Tr("中接球半径");
    w.inradius = Tr("内接球半径");
    w.edgeLengths = Tr("辺の長さ");
    w.area = Tr("表面積");
    w.volume = Tr("体積");
    w.volumeWithDensity = Tr("体積（密度で数えた値）");
    w.dihedralAngles = Tr("二面角");
    w.dual = Tr("双対");
    w.compoundWithDual = Tr("双対との複合");
    w.base = Tr("元の図形");
    w.partner = Tr("複合の相手");
    w.yes = Tr("はい");
    w.no = Tr("いいえ");
    w.order = Tr("位数");
    w.range = Tr("範囲");
    w.inEdges = Tr("最短辺単位");
    w.unitEdge = Tr("辺の長さ１");
    w.emptySlots = Tr("空の面（数えない）");
    w.notOneCycle = Tr("面が一つの輪にならない頂点");
    w.edgesWithoutAngle = Tr("二面の間にない辺");
    w.leftOut = Tr("なし");
    w.crossedQuadrilateral = Tr("交差四角形");
    w.concaveQuadrilateral = Tr("凹四角形");
    w.concavePolygon = Tr("凹%1角形");
    w.selfIntersectingPolygon = Tr("自己交差%1角形");
    w.degeneratePolygon = Tr("退化%1角形");
    w.noFaces = Tr("面がない");
    w.openSurface = Tr("面が閉じていない");
    w.edgeInManyFaces = Tr("三つ以上の面が接する辺があり、頂点形状が一つの輪にならない");
    w.vertexNotOneCycle = Tr("頂点のまわりの面が一つの輪にならない");
    w.notOrientable = Tr("向き付け不可能");
    w.severalPieces = Tr("いくつかの部分に分かれている");
    w.centreOnSurface = Tr("中心が面の上にある");
    w.notWhole = Tr("中心のまわりの巻き数が整数でない");
    w.verticesOnALine = Tr("頂点が一直線上にある");
    w.tooLarge = Tr("頂点が多すぎる");
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
    if (work_.valid()) work_.wait();
}

void FigurePanel::follow(const Solid& solid) {
    collect();
    if (work_.valid() || (showing_ && shownBuild_ == solid.buildCount)) return;
    work_ = std::async(std::launch::async, [copy = solid]() {
        return std::pair<uint32_t, FigureNumbers>(copy.buildCount, ComputeFigureNumbers(copy));
    });
}

void FigurePanel::collect() {
    if (!work_.valid() || work_.wait_for(std::chrono::seconds(0)) != std::future_status::ready) return;
    const auto [build, numbers] = work_.get();
    view_->setPlainText(QString::fromStdString(NumbersText(numbers, PanelNumberWords())));
    shownBuild_ = build;
    showing_ = true;
}

bool FigurePanel::settle(const Solid& solid) {
    for (int round = 0; round < 2; ++round) {
        follow(solid);
        if (work_.valid()) work_.wait();
        collect();
    }
    return showing_ && shownBuild_ == solid.buildCount;
}

QString FigurePanel::text() const { return view_->toPlainText(); }

}  // namespace gyro
