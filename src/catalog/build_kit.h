#pragma once

// The builder toolkit every family writes its figures with: the size standard,
// ring points, the five regular solids' vertex sets, face lists and colour
// patterns, the face and colour writers, and a collector for figures assembled
// from lists of faces and segments.

#include <array>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <vector>

#include "model/solid.h"
#include "model/solid_ops.h"

namespace gyro::kit {

// ---- Size standard -------------------------------------------------------

// How a solid's base size is read: as its circumradius, or as the distance of
// its faces from the centre.
enum class SizeForm : uint8_t { Circumradius, FaceDistance };

struct SizeRatio {
    double q;      // circumradius : inradius
    double qEdge;  // its stand-in when the solid is sized for a dual compound (conhensez)
    SizeForm form;
    int32_t BuildParams::*base;
};

SizeRatio TetrahedronRatio();
SizeRatio CubeRatio();
SizeRatio OctahedronRatio();
SizeRatio DodecahedronRatio();
SizeRatio IcosahedronRatio();

// The solid's circumradius (Circumradius form) or face distance (FaceDistance
// form) under the size standard `kikaku`: base × q^((kikaku ± 1) / 2).
double ReferenceLength(const BuildParams& params, const SizeRatio& ratio);

// ---- Vertex sets ---------------------------------------------------------
// Each writes its points into vertices[first ...]; the caller has sized the array.

inline constexpr int32_t kTetrahedronVertices = 4;
inline constexpr int32_t kCubeVertices = 8;
inline constexpr int32_t kOctahedronVertices = 6;
inline constexpr int32_t kDodecahedronVertices = 20;
inline constexpr int32_t kIcosahedronVertices = 12;

void WriteTetrahedron(std::vector<Vec3>& vertices, int32_t first, double circumradius);  // a vertex on top
void WriteCube(std::vector<Vec3>& vertices, int32_t first, double faceDistance);
void WriteOctahedron(std::vector<Vec3>& vertices, int32_t first, double circumradius);
void WriteDodecahedron(std::vector<Vec3>& vertices, int32_t first, double faceDistance);  // a face on top
void WriteIcosahedron(std::vector<Vec3>& vertices, int32_t first, double circumradius);   // a vertex on top

// Ring point m of n about the z axis, starting on +y.
Vec3 RingPoint(double radius, int32_t m, int32_t n, double z);

// The antipode of a dodecahedron vertex (0-4 <-> 5-9, 10-14 <-> 15-19).
constexpr int32_t DodecahedronAntipode(int32_t v) { return v < 10 ? (v + 5) % 10 : (v + 5) % 10 + 10; }
// A dodecahedron vertex turned 72k degrees about the z axis.
constexpr int32_t DodecahedronTurn(int32_t v, int32_t k) { return v / 5 * 5 + (v % 5 + k) % 5; }
// An icosahedron vertex and face turned 72k degrees about the z axis.
constexpr int32_t IcosahedronTurn(int32_t v, int32_t k) {
    return (v == 0 || v == 11) ? v : (v - 1) / 5 * 5 + 1 + ((v - 1) % 5 + k) % 5;
}
constexpr int32_t IcosahedronFaceTurn(int32_t f, int32_t k) { return f / 5 * 5 + (f % 5 + k) % 5; }

// ---- Faces of the regular solids, wound outwards --------------------------

using Triangle = std::array<int32_t, 3>;
using Quad = std::array<int32_t, 4>;
using Pentagon = std::array<int32_t, 5>;

extern const std::array<Triangle, 4> kTetrahedronFaces;  // face k lies opposite its missing vertex
extern const std::array<Quad, 6> kCubeFaces;
extern const std::array<Triangle, 8> kOctahedronFaces;
Pentagon DodecahedronFace(int32_t f);  // f = 0 .. 11; 0 is the top, 1 the bottom
Triangle IcosahedronFace(int32_t f);   // f = 0 .. 19
// Dodecahedron face f is perpendicular to the direction of icosahedron vertex
// kDodecahedronFaceAxis[f]; icosahedron face i to that of dodecahedron vertex i.
extern const std::array<int32_t, 12> kDodecahedronFaceAxis;

// Solids inscribed in the dodecahedron. A tetrahedron and a cube among its
// corners, ordered so that kTetrahedronFaces and the quads wind outwards;
// DodecahedronTurn by 72k degrees gives the other four of each kind. The two
// tetrahedra are those of the cube, of opposite hands; the cube's corners are
// kCubeOnDodecahedronCorners.
extern const std::array<int32_t, 4> kTetrahedronOnDodecahedron;
extern const std::array<int32_t, 4> kMirrorTetrahedronOnDodecahedron;
extern const std::array<int32_t, 8> kCubeOnDodecahedronCorners;
extern const std::array<Quad, 6> kCubeOnDodecahedron;

// ---- Colour patterns (palette indices per pattern and face) ----------------

extern const std::array<std::array<uint8_t, 4>, 3> kTetrahedronPatterns;
extern const std::array<std::array<uint8_t, 6>, 6> kCubePatterns;
extern const std::array<std::array<uint8_t, 8>, 6> kOctahedronPatterns;
extern const std::array<std::array<uint8_t, 20>, 6> kIcosahedronPatterns;
extern const std::array<std::array<uint8_t, 12>, 6> kDodecahedronPatterns;

// ---- Face writing --------------------------------------------------------

// Sizes the mesh; on allocation failure the mesh is emptied and false returned.
bool SizeMesh(Solid& solid, int32_t vertices, int32_t faces, int32_t segments = 0);

// One polygon with the given corners. starStep marks a star polygon {n/step}.
void SetPolygon(Face& face, std::span<const int32_t> corners, int16_t starStep = 1);
void SetPolygon(Face& face, std::initializer_list<int32_t> corners, int16_t starStep = 1);
// The pentagram over a pentagon's corners, wound the same way.
void SetPentagram(Face& face, const Pentagon& ring);

// Colour slot p of the face becomes palette[indices[p]] for every p given.
void PaintFace(Face& face, const BuildParams& params, std::span<const uint8_t> indices);
void PaintFace(Face& face, const BuildParams& params, std::initializer_list<uint8_t> indices);
// Every slot 0 .. count-1 becomes palette[index].
void PaintFaceOneColour(Face& face, const BuildParams& params, uint8_t index, int32_t count);
// Overwrites slots 0-5 of the twelve faces from `firstFace` with the six
// dodecahedral patterns and sets patternCount 6. The faces must follow the
// dodecahedron's face order (face f perpendicular to the same axis).
void PaintDodecahedral(Solid& solid, int32_t firstFace);

// Writes the segment list.
void SetSegments(Solid& solid, std::span<const std::array<int32_t, 2>> segments);

// ---- Figures from lists ---------------------------------------------------

// Collects the segments and faces of a figure assembled from lists, then writes
// them in one go (the vertices are written by the caller beforehand). Each face
// is one polygon in a single palette colour.
class MeshCollector {
public:
    explicit MeshCollector(Solid& solid) : solid_(solid) {}

    void Segment(int32_t a, int32_t b) { segments_.push_back({a, b}); }
    // Every edge of a closed, consistently wound polygon list once.
    template <size_t N>
    void Edges(std::span<const std::array<int32_t, N>> polygons, int32_t shift = 0) {
        for (const auto& p : polygons) {
            for (size_t i = 0; i < N; ++i) {
                const int32_t a = p[i] + shift;
                const int32_t b = p[(i + 1) % N] + shift;
                if (a < b) Segment(a, b);
            }
        }
    }
    template <size_t N>
    void Faces(std::span<const std::array<int32_t, N>> polygons, uint8_t colour, int32_t shift = 0) {
        for (const auto& p : polygons) {
            std::array<int32_t, N> corners{};
            for (size_t i = 0; i < N; ++i) corners[i] = p[i] + shift;
            faces_.push_back(std::vector<int32_t>(corners.begin(), corners.end()));
            colours_.push_back(colour);
        }
    }
    void Rectangles(std::span<const Quad> rectangles) {
        for (const Quad& q : rectangles) {
            for (size_t i = 0; i < 4; ++i) Segment(q[i], q[(i + 1) % 4]);
        }
    }

    // Writes what was collected; the vertices are already in place.
    void Finish() {
        SetSegments(solid_, segments_);
        if (!ResizeFaces(solid_, static_cast<int32_t>(faces_.size()))) return;
        for (size_t f = 0; f < faces_.size(); ++f) {
            SetPolygon(solid_.faces[f], faces_[f]);
            PaintFaceOneColour(solid_.faces[f], solid_.params, colours_[f], 1);
        }
    }

private:
    Solid& solid_;
    std::vector<std::array<int32_t, 2>> segments_;
    std::vector<std::vector<int32_t>> faces_;
    std::vector<uint8_t> colours_;
};

}  // namespace gyro::kit
