#pragma once

// Shared pieces of the Johnson solids' builder: a collector that gathers
// vertices and faces with their palette colours per pattern, and the builders
// of each group of solids. Faces are listed so that, seen from outside, their
// corners run clockwise (FaceNormal then points outwards).

#include <array>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <vector>

#include "model/solid.h"

namespace gyro::johnson {

// Palette slots by polygon: the palette's captions name them (三角形色, 四角形色, ...).
uint8_t PolygonColour(int32_t corners);
inline constexpr uint8_t kBaseColour = 8;       // 底面: an uncovered end polygon
inline constexpr uint8_t kLowerBaseColour = 9;  // 下底

// Colours of one face, one palette index per pattern.
using FaceColours = std::array<uint8_t, kColourSlots>;

class MeshBuilder {
public:
    explicit MeshBuilder(int16_t patternCount) : patternCount_(patternCount) {}

    int32_t Vertex(const Vec3& p) {
        vertices_.push_back(p);
        return static_cast<int32_t>(vertices_.size()) - 1;
    }
    // Vertex slots that stay unused (the solid keeps its fixed vertex layout).
    void ReserveSlots(int32_t count) { vertices_.resize(vertices_.size() + static_cast<size_t>(count)); }
    Vec3& At(int32_t v) { return vertices_[static_cast<size_t>(v)]; }
    const Vec3& Point(int32_t v) const { return vertices_[static_cast<size_t>(v)]; }
    int32_t VertexCount() const { return static_cast<int32_t>(vertices_.size()); }

    // A face with its colour per pattern (pattern p takes colours[min(p, size-1)]).
    void Face(std::span<const int32_t> corners, std::initializer_list<uint8_t> colours);
    void Face(std::initializer_list<int32_t> corners, std::initializer_list<uint8_t> colours) {
        Face(std::span<const int32_t>(corners.begin(), corners.size()), colours);
    }
    void Face(std::span<const int32_t> corners, const FaceColours& colours);
    // An empty face slot (kept where a solid's face layout has a gap).
    void EmptyFace() { starts_.push_back(static_cast<int32_t>(corners_.size())); colours_.push_back({}); }

    // Writes everything into the solid (its mesh must be empty) and sets patternCount.
    void Write(Solid& solid) const;

private:
    int16_t patternCount_;
    std::vector<Vec3> vertices_;
    std::vector<int32_t> corners_;
    std::vector<int32_t> starts_;
    std::vector<FaceColours> colours_;
};

// ---- The stacks of rings about the z axis ------------------------------------

enum class Band : uint8_t { None, Prism, Antiprism };
enum class Cap : uint8_t { None, Cupola, Rotunda };

// J1, J2, J7-J17: an n-gon with a pyramid on top, an optional prism or
// antiprism band below it, and a second pyramid under the band (bipyramids) or
// the uncovered lower n-gon.
struct PyramidStack {
    int32_t n;
    Band band;
    int32_t pyramids;  // 1 or 2
};
void BuildPyramidStack(Solid& solid, const PyramidStack& stack);

// J3-J6, J18-J48 and the mirror images of J44-J48: a cupola or rotunda on a
// 2n-gon, an optional band over the 2n-gon, and a second cap below (ortho: its
// faces meet the upper cap's alike; gyro: turned by 180/n degrees) or the
// uncovered 2n-gon. twist +1 or -1: the sense of an antiprism band; -1 gives
// the mirror image with the same vertex order.
struct CupolaStack {
    int32_t n;  // 2 .. 5; the cap's large polygon has 2n sides
    Cap top;
    Band band;
    Cap bottom;
    bool gyro;
    int32_t twist;
};
void BuildCupolaStack(Solid& solid, const CupolaStack& stack);

// ---- Augmented, diminished and individual solids -------------------------

void BuildAugmentedPrism(Solid& solid, int32_t n, std::span<const int32_t> augmentedSides);  // J49-J57
void BuildAugmentedDodecahedron(Solid& solid, std::span<const int32_t> augmentedFaces);        // J58-J61
void BuildDiminishedIcosahedron(Solid& solid, int32_t j);  // J62-J64
void BuildAugmentedTruncated(Solid& solid, int32_t j);     // J65-J67

// A cupola on a regular 2n-gon face whose corners run clockwise from outside:
// its triangles over the edges (2j + offset, 2j + 1 + offset). The small
// polygon's vertices are appended, or written into `slots` when given. Colour
// slot 0 is the polygon's own colour, the others come from `colours`.
void WriteCupolaOn(MeshBuilder& m, std::span<const int32_t> base, int32_t offset, std::span<const int32_t> slots,
                   const FaceColours& colours);

// J68-J71: the truncated dodecahedron with cupolae on the given decagons.
void BuildAugmentedTruncatedDodecahedron(Solid& solid, std::span<const int32_t> decagons);

// J72-J83 and 392: each of the rhombicosidodecahedron's twelve pentagonal
// cupolae kept, turned by 36 degrees, or removed (leaving a decagon).
enum class CupolaState : uint8_t { Kept, Turned, Removed };
void BuildRhombicosidodecahedral(Solid& solid, const std::array<CupolaState, 12>& cupolae);

// J84-J92, by Johnson number.
void BuildSpecialJohnson(Solid& solid, int32_t j);

}  // namespace gyro::johnson
