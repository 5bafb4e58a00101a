#pragma once

// Menu command ids: the one set for the window's menus and the figure menu tree
// of the catalogue. Settings files and dialogs do not see these; they are kept
// stable so that commands not built yet can be switched on later by id.

namespace gyro::cmd {

// 操作(&F)
inline constexpr int kResetView = 32779;
inline constexpr int kInertia = 32811;
inline constexpr int kAutoRotation = 32899;      // dialog
inline constexpr int kScreenSize = 32810;        // dialog
inline constexpr int kArbitraryAxis = 32862;     // dialog
inline constexpr int kSizeAndDirection = 32957;  // dialog
inline constexpr int kShowFps = 32943;
inline constexpr int kProjectedArea = 32963;
inline constexpr int kMouse = 32892;
inline constexpr int kExportImage = 32860;
inline constexpr int kCopyImage = 32912;
inline constexpr int kSavePrint = 32992;         // the outer surface as STL or 3MF
inline constexpr int kSaveNet = 33026;           // dialog: the paper net as PDF or SVG
inline constexpr int kSaveAnimation = 33002;  // dialog
inline constexpr int kSaveSettings = 32867;
inline constexpr int kLoadSettings = 32868;
inline constexpr int kInformation = 104;
inline constexpr int kExit = 105;

// 図形(&Z), other than the figure entries
inline constexpr int kPyramidSettings = 32875;    // dialog
inline constexpr int kSphericalSettings = 32888;  // dialog
inline constexpr int kKikakuInscribed = 32932;
inline constexpr int kKikakuMid = 32933;
inline constexpr int kKikakuCircumscribed = 32934;

// 表示(&V): face colouring
inline constexpr int kFaceTransparent = 32799;
inline constexpr int kFaceOpaque = 32800;
inline constexpr int kFaceGrey = 32801;
inline constexpr int kFace8 = 32803;
inline constexpr int kFace27 = 32802;
inline constexpr int kFace12Hues = 32870;
inline constexpr int kFaceByCorners = 32857;
inline constexpr int kFaceDirectionSingular = 32968;
inline constexpr int kFaceDirectionContinuous = 32969;
inline constexpr int kFaceIntrinsic = 32901;
inline constexpr int kFaceFractal = 32954;
inline constexpr int kFaceSingleColour = 32856;
inline constexpr int kPaletteFirst = 32922;  // 色１ .. 色10 are kPaletteFirst + 0 .. 9
inline constexpr int kPaletteLast = 32931;
inline constexpr int kHueCycle = 32911;  // dialog
inline constexpr int kPaletteReset = 32921;

// 表示(&V): light
inline constexpr int kShading = 32804;
inline constexpr int kShadowColour = 32873;
inline constexpr int kGloss = 32877;
inline constexpr int kLightColour = 32878;
inline constexpr int kLightDialog = 32861;  // dialog

// 表示(&V): perspective and stereo
inline constexpr int kPerspective = 32914;
inline constexpr int kStereo = 32920;
inline constexpr int kPerspectiveDialog = 32915;  // dialog

// 表示(&V): visible lines
inline constexpr int kPenBold = 32805;
inline constexpr int kPenThin = 32806;
inline constexpr int kPenNone = 32807;
inline constexpr int kPenBlack = 32865;
inline constexpr int kPenWhite = 32866;
inline constexpr int kPenAsBackground = 32935;
inline constexpr int kPenOppositeBackground = 32936;
inline constexpr int kPenColour = 32871;

// 表示(&V): hidden lines
inline constexpr int kHiddenBold = 32960;
inline constexpr int kHiddenThin = 32961;
inline constexpr int kHiddenNone = 32916;
inline constexpr int kHiddenWidthAsVisible = 32962;
inline constexpr int kHiddenBlack = 32937;
inline constexpr int kHiddenWhite = 32938;
inline constexpr int kHiddenAsBackground = 32917;
inline constexpr int kHiddenOppositeBackground = 32940;
inline constexpr int kHiddenAsVisible = 32941;
inline constexpr int kHiddenOppositeVisible = 32942;
inline constexpr int kHiddenBetween = 32919;
inline constexpr int kHiddenColour = 32918;

// 表示(&V): the rest
inline constexpr int kInside = 32913;
inline constexpr int kSymmetry = 32958;
inline constexpr int kCentrePoint = 32959;
inline constexpr int kExactDepth = 32990;  // exact (checked) or stored-order drawing
inline constexpr int kBackgroundBlack = 32808;
inline constexpr int kBackgroundWhite = 32809;
inline constexpr int kBackgroundColour = 32872;
inline constexpr int kFitWindow = 32970;  // "窓に合わせる": the picture follows the window
inline constexpr int kInfoPanel = 32991;  // the panel of the figure's numbers

// 図形(&Z): the figure finder
inline constexpr int kFindFigure = 33001;  // dialog

// 言語 / Language
inline constexpr int kLanguageJapanese = 33010;
inline constexpr int kLanguageEnglish = 33011;

// Figure entries of the figure menu get ids from here on, one per entry.
inline constexpr int kFigureFirst = 40000;

}  // namespace gyro::cmd
