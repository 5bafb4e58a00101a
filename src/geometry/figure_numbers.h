#pragma once

#include <atomic>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "geometry/outer_surface.h"
#include "geometry/symmetry.h"
#include "model/solid.h"

namespace gyro {

// The numbers people look up for a figure, all worked out from the built mesh:
// counts, face kinds, vertex configurations, topology, symmetry and measures.
// A number that is not defined for the figure is left empty and the matching
// `Omission` says why.

// Why a number is left out.
enum class Omission : uint8_t {
    None,
    NoFaces,            // the figure has no face with three corners
    OpenSurface,        // some edge lies in one face only
    EdgeInManyFaces,    // some edge lies in more than two faces
    VertexNotOneCycle,  // the faces round some vertex do not form one cycle
    NotOrientable,
    SeveralPieces,      // genus: the surface falls into several pieces
    CentreOnSurface,    // density: the centre lies on a face plane
    NotWhole,           // density: the winding round the centre is not a whole number
    VerticesOnALine,    // symmetry: the vertices lie on one line
    TooLarge,           // symmetry: too many vertices to test in good time
};

// How a polygon of a face is shaped, in star notation where it is regular-like.
struct FaceKind {
    int32_t corners = 0;   // n
    int32_t winding = 1;   // k of {n/k}: turns of the boundary round the face's centre
    int32_t polygons = 1;  // a compound face such as {6/2} is 2 polygons of {3}
    enum class Shape : uint8_t { Convex, Star, Concave, Crossed, SelfIntersecting, Degenerate } shape =
        Shape::Convex;
    bool operator==(const FaceKind&) const = default;
};

// "{3}", "{5/2}", "{6/2}", "crossed quadrilateral", ...
std::string FaceKindName(const FaceKind& kind);
// The short label used inside a vertex configuration: "3", "5/2", "4x".
std::string FaceKindLabel(const FaceKind& kind);

struct CountedKind {
    FaceKind kind;
    int32_t count = 0;
};

struct CountedText {
    std::string text;
    int32_t count = 0;
};

struct CountedValue {
    double value = 0.0;
    int32_t count = 0;
};

// A radius: one value when every element lies on one sphere, else the range.
struct Radius {
    bool onSphere = false;
    double min = 0.0;
    double max = 0.0;
};

// Catalogue numbers of related figures; 0 where there is none.
struct RelatedFigures {
    ShapeId dual = 0;
    ShapeId compoundWithDual = 0;
    ShapeId base = 0;     // the figure this one is derived from
    ShapeId partner = 0;  // the second figure of a compound of a solid with its dual
    ShapeId mirror = 0;   // the mirror image (set only for chiral figures)
};

// What the outer surface encloses and its area. Worked out apart from the
// other numbers: for a star or a compound it can take seconds.
struct OuterMeasures {
    bool computed = false;                      // false: not worked out (yet)
    OuterRefusal refusal = OuterRefusal::None;  // why there is no outer surface
    double volume = 0.0;
    double area = 0.0;
    bool wanted = true;                         // false: not asked for; its lines are left out
};

struct FigureNumbers {
    ShapeId figure = 0;
    std::string nameJa;
    std::string nameEn;

    int32_t vertices = 0;    // distinct positions of the corners of the faces and the ends of the segments
    int32_t edges = 0;       // distinct vertex pairs joined by a face side
    int32_t faces = 0;       // faces with corners (empty slots left out)
    int32_t emptyFaceSlots = 0;
    int32_t segments = 0;
    std::vector<CountedKind> faceKinds;  // most corners first

    std::vector<CountedText> vertexConfigurations;  // e.g. "3.5.3.5" ×30
    int32_t verticesNotOneCycle = 0;                 // vertices whose faces form no single cycle
    Omission vertexConfigurationNote = Omission::None;

    int32_t eulerCharacteristic = 0;
    int32_t pieces = 0;  // connected pieces of the surface
    std::optional<bool> orientable;
    Omission orientableNote = Omission::None;
    std::optional<int32_t> genus;
    Omission genusNote = Omission::None;
    std::optional<int32_t> density;
    Omission densityNote = Omission::None;
    bool convex = false;

    std::optional<PointGroup> symmetry;
    Omission symmetryNote = Omission::None;
    bool chiral = false;

    Radius circumradius;
    Radius midradius;
    Radius inradius;
    double shortestEdge = 0.0;
    std::vector<CountedValue> edgeLengths;  // ascending

    // Closed orientable figures only; for a figure that is not convex the
    // volume counts each region as often as the surface winds round it.
    std::optional<double> area;
    std::optional<double> volume;
    bool volumeCountsDensity = false;
    Omission measureNote = Omission::None;

    std::vector<CountedValue> dihedralAngles;  // degrees, ascending
    int32_t edgesWithoutAngle = 0;              // edges in one face or in more than two

    RelatedFigures related;

    // The enclosed volume and the outer surface area (see MeasureOuterSurface).
    OuterMeasures outer;

    // The work was called off before it finished: the numbers are incomplete.
    bool cancelled = false;
};

// Above this many distinct vertices the symmetry search is left out.
inline constexpr int32_t kSymmetryVertexLimit = 20000;

// Works out every number of the built solid. `maxSymmetryVertices` bounds the
// symmetry search (the search is left out above it). A raised `cancel` flag
// (another thread's) ends the work early with `cancelled` set.
FigureNumbers ComputeFigureNumbers(const Solid& solid, int32_t maxSymmetryVertices = kSymmetryVertexLimit,
                                   const std::atomic<bool>* cancel = nullptr);

// The outer surface's volume and area, fractals at `fractalLevel`. A raised
// `cancel` flag ends the work with the refusal Cancelled and `computed` false.
OuterMeasures MeasureOuterSurface(const Solid& solid, int fractalLevel, const std::atomic<bool>* cancel = nullptr);

}  // namespace gyro
