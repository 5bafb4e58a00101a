// The two ring-stack routines of the Johnson solids: pyramids with prism and
// antiprism bands, and cupolae and rotundae with their bands. Every ring lies
// about the z axis with its vertex 0 towards +y (before the ring's own turn),
// and the stack is centred on its band.

#include <algorithm>
#include <cmath>
#include <vector>

#include "catalog/johnson_builders.h"
#include "model/solid_ops.h"

namespace gyro::johnson {

namespace {

// Writes rings and faces of a stack. A twist of -1 turns every angle the other
// way and lists every face the other way round, which makes the mirror image
// without changing the vertex order.
class RingWriter {
public:
    RingWriter(MeshBuilder& mesh, int32_t twist) : mesh_(mesh), twist_(twist < 0 ? -1 : 1) {}

    // count vertices on a circle of the given radius at height z, vertex m at
    // 360m/count + phase degrees; returns the first index.
    int32_t Ring(int32_t count, double radius, double z, double phase) {
        const int32_t first = mesh_.VertexCount();
        for (int32_t m = 0; m < count; ++m) {
            const double a = twist_ * (360.0 * m / count + phase);
            mesh_.Vertex({radius * SinDeg(a), radius * CosDeg(a), z});
        }
        return first;
    }
    int32_t Point(double z) { return mesh_.Vertex({0.0, 0.0, z}); }

    // Corners as they run clockwise seen from outside in the untwisted stack;
    // `flip` lists them the other way (the lower half of a stack is the upper
    // half reflected in a horizontal plane).
    void Face(std::vector<int32_t> corners, bool flip, std::initializer_list<uint8_t> colours) {
        if (flip != (twist_ < 0)) std::reverse(corners.begin() + 1, corners.end());
        mesh_.Face(corners, colours);
    }

private:
    MeshBuilder& mesh_;
    int32_t twist_;
};

// Index m of a ring of `count` vertices from `first`, m taken cyclically.
int32_t At(int32_t first, int32_t count, int32_t m) { return first + ((m % count) + count) % count; }

// A band between two rings of `count` vertices: squares over aligned rings,
// or the triangles of an antiprism whose lower ring is turned half a step
// forwards.
void WriteBand(RingWriter& w, Band band, int32_t upper, int32_t lower, int32_t count, uint8_t partColour) {
    for (int32_t m = 0; m < count; ++m) {
        const int32_t u0 = At(upper, count, m);
        const int32_t u1 = At(upper, count, m + 1);
        const int32_t d0 = At(lower, count, m);
        if (band == Band::Prism) {
            w.Face({u1, u0, d0, At(lower, count, m + 1)}, false, {PolygonColour(4), partColour});
        } else if (band == Band::Antiprism) {
            w.Face({u1, u0, d0}, false, {PolygonColour(3), partColour});
            w.Face({u0, At(lower, count, m - 1), d0}, false, {PolygonColour(3), partColour});
        }
    }
}

// The uncovered end polygon of a ring, facing down.
void WriteLowerEnd(RingWriter& w, int32_t ring, int32_t count, uint8_t partColour) {
    std::vector<int32_t> corners;
    for (int32_t m = 0; m < count; ++m) corners.push_back(At(ring, count, m));
    w.Face(corners, true, {PolygonColour(count), partColour});
}

// Height of a band over a ring of `count` vertices with circumradius r.
double BandHeight(Band band, int32_t count, double r) {
    const double s = SinDeg(180.0 / count);
    switch (band) {
        case Band::Prism: return 2.0 * r * s;
        case Band::Antiprism: return r * std::sqrt(4.0 * s * s + 2.0 * CosDeg(180.0 / count) - 2.0);
        case Band::None: break;
    }
    return 0.0;
}

// A cap (cupola or pentagonal rotunda) over a ring of 2n vertices with
// circumradius L at height zb, pointing up (up = +1) or down (-1). `shift`
// turns the cap's pattern by that many steps of the ring.
struct CapPlace {
    int32_t ring;    // first index of the large ring
    double phase;    // the large ring's turn in degrees
    double zb;       // its height
    int32_t up;      // +1 above the ring, -1 below
    int32_t shift;   // 0 or 1 steps of the large ring
};

struct CapVertices {
    int32_t first = 0;   // cupola: the small ring; rotunda: the top pentagon
    int32_t middle = 0;  // rotunda: the ring of five between top and large ring
};

CapVertices WriteCapVertices(RingWriter& w, Cap cap, int32_t n, double L, const CapPlace& at) {
    const int32_t big = 2 * n;
    const double turn = at.phase + at.shift * 360.0 / big;
    CapVertices v;
    if (cap == Cap::Cupola) {
        const double s = SinDeg(180.0 / n);
        const double edge = 2.0 * L * SinDeg(90.0 / n);
        const double radius = L * SinDeg(90.0 / n) / s;
        const double height = edge * std::sqrt(1.0 - 1.0 / (4.0 * s * s));
        // Each small vertex sits over the middle of an edge of the large ring.
        v.first = w.Ring(n, radius, at.zb + at.up * height, turn + 180.0 / big);
    } else {
        // Half an icosidodecahedron with the large ring as its equator: the top
        // pentagon over every other equator edge, and five vertices between,
        // over the remaining edges, at the top's height and radius swapped.
        const double top = L / (2.0 * SinDeg(72.0));
        const double height = (std::sqrt(5.0) + 1.0) * L / (4.0 * SinDeg(72.0));
        v.first = w.Ring(5, top, at.zb + at.up * height, turn + 18.0);
        v.middle = w.Ring(5, height, at.zb + at.up * top, turn + 54.0);
    }
    return v;
}

void WriteCapFaces(RingWriter& w, Cap cap, int32_t n, const CapPlace& at, const CapVertices& v, uint8_t part) {
    const int32_t big = 2 * n;
    const bool flip = at.up < 0;
    auto B = [&](int32_t k) { return At(at.ring, big, k + at.shift); };
    std::vector<int32_t> top;
    for (int32_t j = 0; j < n; ++j) top.push_back(v.first + j);
    if (n >= 3) w.Face(top, flip, {PolygonColour(n), part});
    for (int32_t j = 0; j < n; ++j) {
        const int32_t a = v.first + j;
        const int32_t b = At(v.first, n, j + 1);
        if (cap == Cap::Cupola) {
            w.Face({a, B(2 * j), B(2 * j + 1)}, flip, {PolygonColour(3), part});
            w.Face({b, a, B(2 * j + 1), B(2 * j + 2)}, flip, {PolygonColour(4), part});
        } else {
            const int32_t m = v.middle + j;
            w.Face({b, a, m}, flip, {PolygonColour(3), part});
            w.Face({m, B(2 * j + 1), B(2 * j + 2)}, flip, {PolygonColour(3), part});
            w.Face({a, At(v.middle, n, j - 1), B(2 * j), B(2 * j + 1), m}, flip, {PolygonColour(5), part});
        }
    }
}

// Colours of the parts in the second pattern.
constexpr uint8_t kUpperCapColour = 6;
constexpr uint8_t kBandColour = 3;
constexpr uint8_t kLowerCapColour = 7;

}  // namespace

void BuildPyramidStack(Solid& solid, const PyramidStack& stack) {
    const int32_t n = stack.n;
    const bool bipyramid = stack.pyramids == 2;
    // Only the plain bipyramids carry three patterns.
    MeshBuilder mesh(bipyramid && stack.band == Band::None ? 3 : 1);
    RingWriter w(mesh, 1);
    const double L = solid.params.baseSizeA;
    const double s = SinDeg(180.0 / n);
    const double apex = L * std::sqrt(4.0 * s * s - 1.0);
    const double band = BandHeight(stack.band, n, L);

    const int32_t upper = w.Ring(n, L, band / 2.0, 0.0);
    const int32_t lower =
        stack.band == Band::None ? upper : w.Ring(n, L, -band / 2.0, stack.band == Band::Antiprism ? 180.0 / n : 0.0);
    const int32_t top = w.Point(band / 2.0 + apex);
    const int32_t bottom = bipyramid ? w.Point(-band / 2.0 - apex) : -1;

    // Patterns: by polygon, by half, and a colouring in which no two
    // neighbouring triangles agree.
    for (int32_t m = 0; m < n; ++m) {
        const auto third = static_cast<uint8_t>(m % n);
        w.Face({top, At(upper, n, m), At(upper, n, m + 1)}, false, {PolygonColour(3), 0, third});
    }
    WriteBand(w, stack.band, upper, lower, n, 0);
    if (bipyramid) {
        for (int32_t m = 0; m < n; ++m) {
            const auto third = static_cast<uint8_t>((m + 1) % n);
            w.Face({bottom, At(lower, n, m + 1), At(lower, n, m)}, false, {PolygonColour(3), 1, third});
        }
    } else {
        WriteLowerEnd(w, lower, n, PolygonColour(n));
    }
    mesh.Write(solid);
}

void BuildCupolaStack(Solid& solid, const CupolaStack& stack) {
    const int32_t n = stack.n;
    const int32_t big = 2 * n;
    MeshBuilder mesh(2);
    RingWriter w(mesh, stack.twist);
    const double L = solid.params.baseSizeA;
    const double band = BandHeight(stack.band, big, L);

    const CapPlace upperPlace{0, 0.0, band / 2.0, 1, 0};
    const CapVertices upperCap = WriteCapVertices(w, stack.top, n, L, upperPlace);
    const int32_t upper = w.Ring(big, L, band / 2.0, 0.0);
    // An antiprism's lower ring is turned half a step; a lower cap on it keeps
    // the twist's sense. Over a prism or no band, gyro turns the lower cap.
    const double lowerPhase = stack.band == Band::Antiprism ? 180.0 / big : 0.0;
    const int32_t lower = stack.band == Band::None ? upper : w.Ring(big, L, -band / 2.0, lowerPhase);
    const CapPlace lowerPlace{lower, lowerPhase, -band / 2.0, -1,
                              stack.band != Band::Antiprism && stack.gyro ? 1 : 0};
    CapVertices lowerCap;
    if (stack.bottom != Cap::None) lowerCap = WriteCapVertices(w, stack.bottom, n, L, lowerPlace);

    CapPlace upperFaces = upperPlace;
    upperFaces.ring = upper;
    WriteCapFaces(w, stack.top, n, upperFaces, upperCap, kUpperCapColour);
    WriteBand(w, stack.band, upper, lower, big, kBandColour);
    if (stack.bottom != Cap::None) {
        WriteCapFaces(w, stack.bottom, n, lowerPlace, lowerCap, kLowerCapColour);
    } else {
        WriteLowerEnd(w, lower, big, kBaseColour);
    }
    mesh.Write(solid);
}

}  // namespace gyro::johnson
