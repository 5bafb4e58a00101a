#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "model/solid.h"

namespace gyro {

// Why a figure has no outer surface. The list is short and fixed: callers show
// the reason's text, tests compare the code.
enum class OuterRefusal : uint8_t {
    None,
    Empty,           // the figure builds nothing
    OnlySegments,    // a wireframe: no faces, nothing to enclose
    ReachesInfinity, // faces run out to far points (bands towards infinity)
    NoVolume,        // the faces enclose nothing: flat, or open sheets
    TooLarge,        // more triangles than the limit allows
    Cancelled,       // the caller asked to stop
    Failed,          // the result did not pass its own checks
};

// The user-facing reason for a refusal, one line: Japanese, marked for
// translation under "Messages" so that the window shows it in the language on
// show. The command line, which speaks English, takes OuterRefusalEnglish, the
// same reason as the English translation has it.
std::string OuterRefusalText(OuterRefusal refusal);
std::string OuterRefusalEnglish(OuterRefusal refusal);

struct OuterOptions {
    // Fractal figures are expanded to this level of copies (0: the figure itself).
    int fractalLevel = 0;
    // Triangles the faces may be cut into before the work is refused; the exact
    // step grows with the square of crossings, so a limit bounds time and memory.
    int64_t triangleLimit = 2'000'000;
    // Set by another thread to stop the work; checked between steps.
    const std::atomic<bool>* cancel = nullptr;
    // Called with a fraction 0..1 now and then (from the working thread).
    std::function<void(double)> progress;
    // Points of the exact cut a hair apart are made one before the walk (see
    // RefineAndWalk); false walks the exact cut as it is, slivers and all.
    bool snapClosePoints = true;
    // The faces are first cut in doubles, plane by plane, which is quick; that
    // surface is taken when it passes every check, else the exact cut is made.
    // False makes the exact cut at once.
    bool cutInDoubles = true;
};

// What can be touched from outside: a closed, outward-oriented 2-manifold made
// of triangles, each in the plane of the face it came from. Where the surface
// touches itself (parts of a compound meeting only along an edge or at a point)
// its points are duplicated, so that every shell is closed on its own.
struct OuterSurface {
    std::vector<Vec3> points;
    std::vector<std::array<int32_t, 3>> triangles;  // counter-clockwise seen from outside
    std::vector<int32_t> triangleFace;              // the original face of each triangle
    std::vector<std::array<Colour, kColourSlots>> faceColours;  // colours by original face index
    int32_t shells = 0;            // connected pieces of the surface
    bool touchesItself = false;    // some points were duplicated to keep the surface a manifold
    bool snapped = false;          // walked on the exact cut with points a hair apart made one
    bool cutInDoubles = false;     // the faces were cut in doubles (see OuterOptions)
    double volume = 0.0;           // enclosed volume, model units cubed
    double area = 0.0;             // outer surface area, model units squared
};

struct OuterResult {
    OuterRefusal refusal = OuterRefusal::None;
    std::string detail;  // more about a refusal (which check failed, which limit)
    OuterSurface surface;

    bool ok() const { return refusal == OuterRefusal::None; }
};

// The boundary between the unbounded outside and everything the faces enclose.
// Works from the faces alone, without their orientation, so faces that cross,
// star faces, faces through the centre and compounds all work. Stars and other
// non-convex faces are filled by the nonzero rule.
OuterResult ComputeOuterSurface(const Solid& solid, const OuterOptions& options = {});

// The faces of a fractal figure at `level` as one plain solid: every copy's
// vertices and faces (level 0 or a non-fractal figure: the solid itself).
Solid ExpandFractalCopies(const Solid& solid, int level);

// Facts about a triangle mesh that a printable surface must show.
struct SurfaceCheck {
    bool closed = false;       // every edge in exactly two triangles, once each way
    bool manifold = false;     // every point's triangles form one fan
    bool outward = false;      // positive volume
    int64_t badEdges = 0;      // edges not used exactly once each way
    int64_t badPoints = 0;     // points whose triangles form more than one fan
};
SurfaceCheck CheckSurface(const std::vector<Vec3>& points, const std::vector<std::array<int32_t, 3>>& triangles);

// How many triangles have a corner farther than `tolerance` from the plane of
// the face of `solid` they name (`faces`, one per triangle). A net flattens
// each face's triangles together, so a triangle off its face's plane bends it.
int64_t TrianglesOffTheirFaces(const Solid& solid, const std::vector<Vec3>& points,
                               const std::vector<std::array<int32_t, 3>>& triangles, const std::vector<int32_t>& faces,
                               double tolerance);

// True when two triangles of one shell cut or overlap each other, decided
// exactly on the given coordinates.
bool SurfaceSelfIntersects(const OuterSurface& surface);

}  // namespace gyro
