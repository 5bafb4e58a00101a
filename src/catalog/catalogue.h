#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/finishing.h"
#include "model/solid.h"

namespace gyro {

// Which group of solids a figure number belongs to; follows the number ranges.
enum class FigureFamily : uint8_t {
    Regular,               // 1-12: the five regular solids and their variants
    RegularStar,           // 15-22: the Kepler-Poinsot solids
    RegularCompound,       // 23-31: compounds of regular solids, complete icosahedron
    UniformCompound,       // 32-38: compounds of prisms and of octahedra
    Archimedean,           // 40-56
    Catalan,               // 60-87: Catalan, rhombic and stellated isohedral solids
    NonConvexUniform,      // 90-185: with their frames and mirror images
    UniformDual,           // 200-268
    Johnson,               // 300-391: J1-J92, figure = 299 + J
    JohnsonExtra,          // 392
    JohnsonMirror,         // 393-397: mirror images of J44-J48
    Parametric,            // 400-418: pyramids, prisms, spheres, tori
    ReferenceCombination,  // 420-437
    Fractal,               // 440-450
    Generated,             // 451-453: Koch surface, unnamed figure, blob tree
    Augmented,             // 460-476: a pyramid raised on every face of the base
    Excavated,             // 477-486: a pyramid sunk into every face of the base
    DualCompound,          // 500-519: a solid with its dual
    Special,               // 520
};

struct FigureInfo {
    ShapeId number;
    std::string_view nameJa;  // UTF-8; empty when the figure writes no name
    std::string_view nameEn;  // ASCII; empty when the figure writes no name
    FigureFamily family;
    // A derived figure (finish.op not None) is figure `base` built in full and
    // then finished; the dispatcher does both and writes this row's names.
    ShapeId base = 0;
    Finishing finish{};
};

// nullptr when the number is not in the catalogue.
const FigureInfo* FindFigure(ShapeId figure);

// Every figure, ascending by number.
std::span<const FigureInfo> AllFigures();

// Writes both display names of `figure` into the solid (empty when the number is unknown).
// Builders call this so that the names live in one table.
void WriteFigureNames(Solid& solid, ShapeId figure);

// One entry of the figure menu: a figure entry (figure != 0), a separator, a
// submenu (children not empty) or one of the few non-figure commands (command != 0).
struct FigureMenuItem {
    std::string label;  // exactly as shown, with its & mnemonic where it has one
    ShapeId figure = 0;
    bool separator = false;
    std::vector<FigureMenuItem> children;
    int32_t command = 0;  // non-figure entries only: a menu command id (catalog/command_ids.h)
};

// The whole figure menu "図形(&Z)": the root's label is the menu title and its
// children are the entries in order.
const FigureMenuItem& FigureMenuTree();

// The two cyclic orders of the Q/W and page keys. They share no number.
extern const std::array<ShapeId, 44> kMainStepOrder;
extern const std::array<ShapeId, 97> kJohnsonStepOrder;

// The figure one step forward (direction > 0) or back (direction < 0) from
// `current`; `current` itself when it is in neither order or direction is 0.
ShapeId StepFigure(ShapeId current, int direction);

}  // namespace gyro
