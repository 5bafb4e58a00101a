#include "app/commands.h"


#include "catalog/command_ids.h"
#include "state/dispatcher.h"
#include "model/solid_ops.h"
#include "view/view_state.h"

namespace gyro {

namespace {

// Command id -> value, for the groups of menu items that each set one field.
struct Choice {
    int id;
    int value;
};

constexpr Choice kFaceModes[] = {
    {cmd::kFaceTransparent, 0}, {cmd::kFaceOpaque, 1},   {cmd::kFaceGrey, 2},
    {cmd::kFace8, 3},           {cmd::kFace27, 4},       {cmd::kFace12Hues, 5},
    {cmd::kFaceByCorners, 6},   {cmd::kFaceDirectionSingular, 7},
    {cmd::kFaceDirectionContinuous, 8}, {cmd::kFaceIntrinsic, 9}, {cmd::kFaceFractal, 10},
};
constexpr Choice kKikaku[] = {{cmd::kKikakuInscribed, -1}, {cmd::kKikakuMid, 0}, {cmd::kKikakuCircumscribed, 1}};
constexpr Choice kPenWidths[] = {{cmd::kPenBold, 0}, {cmd::kPenThin, 1}, {cmd::kPenNone, 2}};
constexpr Choice kPenColours[] = {
    {cmd::kPenBlack, 0}, {cmd::kPenWhite, 1}, {cmd::kPenAsBackground, 2}, {cmd::kPenOppositeBackground, 3}};
constexpr Choice kHiddenWidths[] = {
    {cmd::kHiddenBold, 0}, {cmd::kHiddenThin, 1}, {cmd::kHiddenNone, 2}, {cmd::kHiddenWidthAsVisible, 3}};
constexpr Choice kHiddenColours[] = {
    {cmd::kHiddenBlack, 0},      {cmd::kHiddenWhite, 1},           {cmd::kHiddenAsBackground, 2},
    {cmd::kHiddenOppositeBackground, 3}, {cmd::kHiddenAsVisible, 4}, {cmd::kHiddenOppositeVisible, 5},
    {cmd::kHiddenBetween, 6},
};
constexpr Choice kBackgrounds[] = {{cmd::kBackgroundBlack, 0}, {cmd::kBackgroundWhite, 1}};

template <size_t N>
bool SetChoice(const Choice (&table)[N], int id, int8_t& field) {
    for (const Choice& c : table) {
        if (c.id != id) continue;
        field = static_cast<int8_t>(c.value);
        return true;
    }
    return false;
}

void Toggle(int8_t& flag) { flag = flag ? 0 : 1; }

// A colour slot whose mode is switched on only when the user picked a colour.
void ChooseColourThenMode(const ColourChooser& choose, Colour& slot, int8_t& mode, int8_t value) {
    if (choose(slot)) mode = value;
}

}  // namespace

// Every menu command is built now.
std::span<const int> PendingCommands() { return {}; }

bool RunStateCommand(AppState& state, ShellState& shell, int id, const ColourChooser& choose) {
    DisplaySettings& d = state.display;
    BuildParams& params = state.solid.params;

    if (SetChoice(kFaceModes, id, d.facecolmode)) return true;
    if (SetChoice(kPenWidths, id, d.penbold)) return true;
    if (SetChoice(kPenColours, id, d.pencolmode)) return true;
    if (SetChoice(kHiddenWidths, id, d.urapenbold)) return true;
    if (SetChoice(kHiddenColours, id, d.urapencolmode)) return true;
    if (SetChoice(kBackgrounds, id, d.bkmode)) return true;
    if (SetChoice(kKikaku, id, params.kikaku)) {
        Rebuild(state.solid);
        return true;
    }
    if (id >= cmd::kPaletteFirst && id <= cmd::kPaletteLast) {
        // The builders copy the palette into the faces, so rebuild even when
        // the choice was cancelled.
        choose(params.palette[static_cast<size_t>(id - cmd::kPaletteFirst)]);
        Rebuild(state.solid);
        return true;
    }

    switch (id) {
        case cmd::kResetView: ResetView(state.view); return true;
        case cmd::kInertia: Toggle(shell.inertiaon); return true;
        case cmd::kShowFps: shell.fpson = shell.fpson ? 0 : 1; return true;
        case cmd::kMouse: Toggle(shell.mouseon); return true;
        case cmd::kFaceSingleColour: ChooseColourThenMode(choose, d.facecol, d.facecolmode, kFaceSingleColour); return true;
        case cmd::kPaletteReset:
            ResetPalette(state.solid);
            Rebuild(state.solid);
            return true;
        case cmd::kShading: d.lightmode = static_cast<int8_t>(d.lightmode ^ kLightShading); return true;
        case cmd::kGloss: d.lightmode = static_cast<int8_t>(d.lightmode ^ kLightGloss); return true;
        case cmd::kShadowColour: choose(d.shadowcol); return true;
        case cmd::kLightColour: choose(d.lightcol); return true;
        case cmd::kPerspective: Toggle(d.person); return true;
        case cmd::kStereo:
            // Stereo pairs are drawn in perspective; switching stereo off keeps it.
            Toggle(d.stereoon);
            if (d.stereoon) d.person = 1;
            return true;
        case cmd::kPenColour: ChooseColourThenMode(choose, d.pencol, d.pencolmode, 4); return true;
        case cmd::kHiddenColour: ChooseColourThenMode(choose, d.urapencol, d.urapencolmode, 7); return true;
        case cmd::kInside: Toggle(d.rezerse); return true;
        case cmd::kSymmetry: Toggle(d.symmet); return true;
        case cmd::kCentrePoint: Toggle(d.ctpix); return true;
        case cmd::kExactDepth: Toggle(d.exactdepth); return true;
        case cmd::kFitWindow: Toggle(d.fitwindow); return true;
        case cmd::kInfoPanel: Toggle(d.infopanel); return true;
        case cmd::kBackgroundColour: ChooseColourThenMode(choose, d.bkcol, d.bkmode, kBkModeColour); return true;
        default: return false;
    }
}

}  // namespace gyro
