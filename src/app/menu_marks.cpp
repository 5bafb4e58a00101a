#include "app/menu_marks.h"

#include "catalog/command_ids.h"

namespace gyro {

namespace {

struct Valued {
    int id;
    int value;
};

constexpr Valued kFaceModeMarks[] = {
    {cmd::kFaceTransparent, 0}, {cmd::kFaceOpaque, 1},  {cmd::kFaceGrey, 2},        {cmd::kFace8, 3},
    {cmd::kFace27, 4},          {cmd::kFace12Hues, 5},  {cmd::kFaceByCorners, 6},   {cmd::kFaceIntrinsic, 9},
    {cmd::kFaceDirectionSingular, 7}, {cmd::kFaceDirectionContinuous, 8}, {cmd::kFaceFractal, 10},
    {cmd::kFaceSingleColour, 11},
};
constexpr Valued kKikakuMarks[] = {{cmd::kKikakuInscribed, -1}, {cmd::kKikakuMid, 0}, {cmd::kKikakuCircumscribed, 1}};
constexpr Valued kPenWidthMarks[] = {{cmd::kPenBold, 0}, {cmd::kPenThin, 1}, {cmd::kPenNone, 2}};
constexpr Valued kPenColourMarks[] = {
    {cmd::kPenBlack, 0}, {cmd::kPenWhite, 1}, {cmd::kPenAsBackground, 2}, {cmd::kPenOppositeBackground, 3},
    {cmd::kPenColour, 4}};
constexpr Valued kHiddenWidthMarks[] = {
    {cmd::kHiddenBold, 0}, {cmd::kHiddenThin, 1}, {cmd::kHiddenNone, 2}, {cmd::kHiddenWidthAsVisible, 3}};
constexpr Valued kHiddenColourMarks[] = {
    {cmd::kHiddenBlack, 0},     {cmd::kHiddenWhite, 1},           {cmd::kHiddenAsBackground, 2},
    {cmd::kHiddenOppositeBackground, 3}, {cmd::kHiddenAsVisible, 4}, {cmd::kHiddenOppositeVisible, 5},
    {cmd::kHiddenBetween, 6},   {cmd::kHiddenColour, 7}};
constexpr Valued kBackgroundMarks[] = {{cmd::kBackgroundBlack, 0}, {cmd::kBackgroundWhite, 1}, {cmd::kBackgroundColour, 2}};

template <size_t N>
void AddGroup(std::vector<MenuMark>& marks, const Valued (&group)[N], int value) {
    for (const Valued& v : group) marks.push_back({v.id, v.value == value});
}

}  // namespace

std::vector<MenuMark> MenuMarks(const AppState& state, const ShellState& shell,
                                std::span<const FigureCommand> figures) {
    const DisplaySettings& d = state.display;
    std::vector<MenuMark> marks;
    marks.reserve(64 + figures.size());
    marks.push_back({cmd::kInertia, shell.inertiaon != 0});
    marks.push_back({cmd::kAutoRotation, state.view.autoroton != 0});
    marks.push_back({cmd::kCentrePoint, d.ctpix != 0});
    marks.push_back({cmd::kExactDepth, d.exactdepth != 0});
    marks.push_back({cmd::kFitWindow, d.fitwindow != 0});
    marks.push_back({cmd::kInfoPanel, d.infopanel != 0});
    marks.push_back({cmd::kShowFps, shell.fpson != 0});
    marks.push_back({cmd::kMouse, shell.mouseon != 0});
    marks.push_back({cmd::kLanguageJapanese, shell.language == UiLanguage::Japanese});
    marks.push_back({cmd::kLanguageEnglish, shell.language == UiLanguage::English});
    for (const FigureCommand& f : figures) marks.push_back({f.id, f.figure == state.solid.zukei});
    AddGroup(marks, kFaceModeMarks, d.facecolmode);
    AddGroup(marks, kKikakuMarks, state.solid.params.kikaku);
    AddGroup(marks, kPenWidthMarks, d.penbold);
    AddGroup(marks, kPenColourMarks, d.pencolmode);
    AddGroup(marks, kHiddenWidthMarks, d.urapenbold);
    AddGroup(marks, kHiddenColourMarks, d.urapencolmode);
    AddGroup(marks, kBackgroundMarks, d.bkmode);
    marks.push_back({cmd::kShading, (d.lightmode & kLightShading) != 0});
    marks.push_back({cmd::kGloss, (d.lightmode & kLightGloss) != 0});
    marks.push_back({cmd::kPerspective, d.person != 0});
    marks.push_back({cmd::kStereo, d.stereoon != 0});
    marks.push_back({cmd::kInside, d.rezerse != 0});
    marks.push_back({cmd::kSymmetry, d.symmet != 0});
    return marks;
}

}  // namespace gyro
