#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "geometry/outer_surface.h"

namespace gyro {

// A paper net of a figure's outer surface: its planar faces unfolded into the
// plane along a spanning tree of hinges, split into pieces only where faces of
// one piece would overlap, glue tabs on one edge of every cut, and the pieces
// packed onto pages. Every length here is in millimetres on the page, x to the
// right and y downward, the printed side being the outside of the surface.

struct Vec2 {
    double x = 0.0;
    double y = 0.0;
};

// One planar face of the net: the outer surface's triangles of one original
// face that hang together by edges (a face seen in parts gives several).
struct NetFace {
    int32_t face = 0;                             // the original face (its colours)
    std::vector<int32_t> points;                  // surface points used, ascending
    std::vector<Vec2> at;                         // where each of `points` lies on the page
    std::vector<std::array<int32_t, 3>> triangles;  // indices into `points`
    Vec3 normal;                                  // outward unit normal in the model
    int32_t piece = -1;
    int32_t parent = -1;      // the face it hangs on, -1 for a piece's first face
    int32_t parentEdge = -1;  // the edge of that hinge
};

// A run of collinear boundary segments that two faces share, corner to corner
// in face a's counter-clockwise order (seen from outside).
struct NetChain {
    int32_t from = 0;  // surface point indices
    int32_t to = 0;
    int32_t label = 0;  // the number printed on both sides of a cut, 0 on folds
};

enum class NetLine : uint8_t { Cut, Mountain, Valley };

// Everything two faces share: all of it lies on the line where their planes meet.
struct NetEdge {
    int32_t a = 0;  // net faces, a < b
    int32_t b = 0;
    std::vector<std::array<int32_t, 2>> segments;  // point pairs in a's order
    std::vector<NetChain> chains;
    NetLine line = NetLine::Cut;
};

// A glue tab: a trapezoid (or a triangle on a short edge) outside `face` on
// one chain of a cut edge.
struct NetTab {
    int32_t edge = 0;
    int32_t chain = 0;
    int32_t face = 0;
    std::vector<Vec2> corners;
};

struct NetPiece {
    int32_t number = 0;  // printed, 1.. in page order
    int32_t page = 0;    // 0-based
    std::vector<int32_t> faces;  // root first, each after its parent
    Vec2 labelAt;                // where the piece number goes
    Vec2 boxMin, boxMax;         // faces and tabs together
};

enum class NetPage : uint8_t { A4, Letter, A3 };

struct NetOptions {
    NetPage page = NetPage::A4;
    double edgeMm = 0.0;  // the figure's longest edge on paper; 0: the largest that fits
    bool tabs = true;
    double marginMm = 10.0;
    int trees = 0;  // spanning trees tried (0: by the face count)
    const std::atomic<bool>* cancel = nullptr;
    std::function<void(double)> progress;
};

struct PageSize {
    double width = 0.0;  // millimetres, portrait
    double height = 0.0;
};
PageSize NetPageSize(NetPage page);
// "a4", "letter" or "a3" (any case).
bool ParseNetPage(const std::string& name, NetPage& page);

inline constexpr double kNetHeaderMm = 14.0;  // title band at the top of each page
inline constexpr double kNetGapMm = 3.0;      // between pieces

struct Net {
    std::vector<NetFace> faces;
    std::vector<NetEdge> edges;
    std::vector<NetTab> tabs;
    std::vector<NetPiece> pieces;
    std::vector<std::array<Colour, kColourSlots>> faceColours;
    int32_t pages = 0;
    int32_t missingTabs = 0;  // cut chains where no tab fitted on either side
    PageSize page;
    double marginMm = 0.0;
    double edgeMm = 0.0;       // the figure's longest edge on paper
    double mmPerUnit = 0.0;    // model unit to millimetres
};

// The message of a net whose work was called off.
inline constexpr const char* kNetCancelled = "cancelled";

// Why a net was not made.
enum class NetProblem {
    None,
    Cancelled,
    OuterRefused,   // the outer surface was refused: `outerRefusal`, `outerDetail`
    NoSurface,      // an outer surface without triangles
    EdgeTooLong,    // the edge length asked for does not fit: `mostEdgeMm` is the most that does
    TooSmall,       // the pieces fit only below 0.1 mm an edge
    DoesNotFit,     // the pieces do not fit on the page at the edge length asked for
};

struct NetResult {
    bool ok = false;
    std::string message;  // why not; the outer surface's reason is Japanese (translated line by line), its detail on a line of its own
    NetProblem problem = NetProblem::None;
    double mostEdgeMm = 0.0;  // with EdgeTooLong
    OuterRefusal outerRefusal = OuterRefusal::None;  // set when the outer surface was refused
    std::string outerDetail;
    Net net;
};

// The net of an outer surface. `longestEdge` is the figure's longest face edge
// in model units, the length `edgeMm` refers to. Deterministic: the same input
// gives the same net, bit for bit.
// Why a net was not made, in Japanese for the window, every line but the
// numbers and the outer surface's detail marked for translation.
std::string NetProblemText(const NetResult& result);

NetResult MakeNet(const OuterSurface& surface, double longestEdge, const NetOptions& options = {});

// The outer surface of a built figure (fractals at `fractalLevel`), then its
// net; a figure without an outer surface gives the surface's reason. Progress
// and cancel reach both steps.
NetResult MakeFigureNet(const Solid& solid, int fractalLevel, const NetOptions& options = {});

// The longest edge of the figure's faces, model units.
double LongestFaceEdge(const Solid& solid);

// Exact sign of the turn a -> b -> c on the given doubles: 1 left, -1 right, 0 on a line.
int Orient2d(Vec2 a, Vec2 b, Vec2 c);

// Whether the interiors of two triangles meet, decided exactly on the doubles
// (triangles of no area have no interior).
bool TriangleInteriorsMeet(const std::array<Vec2, 3>& s, const std::array<Vec2, 3>& t);

}  // namespace gyro
