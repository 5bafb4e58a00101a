// The blob tree (453): a randomly branching tree of small ellipsoids, grown
// from a fixed seed so that every build gives the same mesh.

#include <cmath>
#include <cstdint>

#include "catalog/catalogue.h"
#include "families/families.h"
#include "model/colour.h"
#include "model/limits.h"
#include "model/solid_ops.h"

namespace gyro {

namespace {

constexpr ShapeId kBlobTree = 453;
constexpr ShapeId kEllipsoid = 415;

struct Growth {
    Solid& target;
    BlobRandom& random;
    const BlobTreeShape& shape;
    int64_t faceBudget;
    Solid blob;         // the ellipsoid being placed, reused from blob to blob
    bool full = false;  // the budget is spent or memory ran out: no more blobs are added
};

// One draw scaled to 0..1.
double Unit(BlobRandom& random) { return random.Next() / 32767.0; }

double Sign(double v) { return v > 0 ? 1.0 : (v < 0 ? -1.0 : 0.0); }

// Lowers a ring count to the blob's size, so that small blobs stay coarse.
void LimitCount(int16_t& count, double limit) {
    if (count <= limit) return;
    const double whole = std::trunc(limit);
    count = whole > 3 ? static_cast<int16_t>(whole) : int16_t{4};
}

// Builds the ellipsoid at scale g about p and appends it with the blob's colours.
// The two colour draws happen whether or not the blob still fits.
void AddBlob(Growth& growth, Vec3 p, double g, int32_t hue) {
    const int32_t a = growth.random.Next();
    const int32_t b = growth.random.Next();
    if (growth.full) return;
    Solid& blob = growth.blob;
    blob.params = growth.target.params;
    blob.params.conhensez = 1;
    const double limit = blob.params.sphwz * g * 0.75;
    LimitCount(blob.params.sphn, limit);
    LimitCount(blob.params.sphm, limit);
    BuildSphereFamily(blob, kEllipsoid);
    for (Vec3& v : blob.vertices) v = v * g + p;

    Solid& target = growth.target;
    const int64_t vertices = int64_t{target.vertexCount()} + blob.vertexCount();
    const int64_t faces = int64_t{target.faceCount()} + blob.faceCount();
    if (faces > growth.faceBudget) {
        growth.full = true;
        return;
    }
    const Colour dark = RgbColour(b % 192 + 32, 0, a % 64 + 92);
    AppendSolid(target, blob, HueColour(hue), dark);
    if (target.vertexCount() != vertices || target.faceCount() != faces) {
        // Out of memory part-way: an empty figure rather than a torn one.
        ClearMesh(target);
        growth.full = true;
    }
}

// A unit direction within the cone about d (or anywhere, for d = 0).
Vec3 BranchDirection(BlobRandom& random, Vec3 d, double cone) {
    const double pi = std::acos(-1.0);
    Vec3 result;
    if (d == Vec3{}) {
        const double phi = Unit(random) * 2 * pi;
        const double w = 2 * Unit(random) - 1;
        const double lat = (1 - std::sqrt(std::fabs(w))) * Sign(w) * pi / 2;
        result = {std::cos(phi) * std::cos(lat), std::sin(lat), std::sin(phi) * std::cos(lat)};
    } else {
        const double h = std::sqrt(d.x * d.x + d.z * d.z);
        Vec3 u1{1, 0, 0};
        Vec3 u2{0, 0, 1};
        if (h != 0) {
            u1 = {-d.z / h, 0, d.x / h};
            u2 = {-d.x * d.y / h, h, -d.y * d.z / h};
        }
        const double theta = Unit(random) * 2 * pi;
        const double psi = (Unit(random) - 0.5) * cone * pi;
        result = std::cos(psi) * d + std::sin(psi) * (std::cos(theta) * u1 + std::sin(theta) * u2);
    }
    const double length = Length(result);
    return length > 0 ? result / length : result;
}

void Grow(Growth& growth, Vec3 p, Vec3 d, double g, int32_t hue, int depth) {
    const BlobTreeShape& s = growth.shape;
    AddBlob(growth, p, g, hue);
    if (depth <= 0) return;
    BlobRandom& random = growth.random;
    int32_t branches = 4 * s.maxBranches;
    if (!(d == Vec3{})) {
        const int32_t spread = s.maxBranches - s.minBranches;
        branches = s.minBranches + (spread > 0 ? random.Next() % spread : 0);
    }
    const BuildParams& params = growth.target.params;
    for (int32_t i = 0; i < branches; ++i) {
        const Vec3 dir = BranchDirection(random, d, s.cone);
        const double r1 = Unit(random);
        const double r2 = Unit(random);
        const double k = ((r1 + r2 - 1) * s.spread + 1) * s.length;
        const double reach = (k + 1) * s.reach;
        const Vec3 child{params.sphwx * dir.x * g * reach + p.x, params.sphwy * dir.y * g * reach + p.y,
                         params.sphwz * dir.z * g * reach + p.z};
        const int32_t childHue = hue + random.Next() % 513 - 256;
        Grow(growth, child, dir, k * g, childHue, depth - 1);
    }
}

}  // namespace

int32_t BlobRandom::Next() {
    state = state * 214013u + 2531011u;
    return static_cast<int32_t>((state >> 16) & 0x7FFF);
}

void GrowBlobTree(Solid& target, BlobRandom& random, const BlobTreeShape& shape, int64_t faceBudget) {
    Growth growth{target, random, shape, faceBudget, {}, false};
    Grow(growth, shape.position, shape.direction, shape.scale, shape.hue, shape.depth);
}

int BuildBlobTree(Solid& solid, ShapeId figure) {
    if (figure != kBlobTree) return 0;
    BlobRandom random;
    GrowBlobTree(solid, random, BlobTreeShape{}, kMaxBlobTreeFaces);
    solid.zukei = figure;
    solid.patternCount = 1;
    solid.fractalDepthMax = 0;
    WriteFigureNames(solid, figure);
    return 1;
}

}  // namespace gyro
