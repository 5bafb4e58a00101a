#include "catalog/vertex_sets.h"

#include <cmath>

#include "model/solid_ops.h"

namespace gyro::kit {

namespace {

const double kS2 = std::sqrt(2.0);
const double kS5 = std::sqrt(5.0);

// The cyclic table (0, 1, 0, -1): t(j) and t(j + 1) give the four directions
// of a square ring about the z axis.
constexpr int T(int32_t j) {
    constexpr int t[4] = {0, 1, 0, -1};
    return t[((j % 4) + 4) % 4];
}

double Power(double q, double exponent) { return std::pow(q, exponent); }

double Base(const BuildParams& params, int32_t BuildParams::*base) { return static_cast<double>(params.*base); }

// 1 when the solid is sized by its edges for a dual compound.
int EdgeSized(const BuildParams& params) { return params.conhensez != 0 ? 1 : 0; }

// Ring of eight over the pair (p, q): (p, q), (q, p), (q, -p), (p, -q), ...
void WriteRing8(std::vector<Vec3>& v, int32_t first, double p, double q, double z) {
    const double xy[8][2] = {{p, q}, {q, p}, {q, -p}, {p, -q}, {-p, -q}, {-q, -p}, {-q, p}, {-p, q}};
    for (int32_t m = 0; m < 8; ++m) v[first + m] = {xy[m][0], xy[m][1], z};
}

// A pair of points of a five-fold ring: (b1, b2) turned to 72i degrees, and its
// mirror image in the plane through the +y axis turned to 72(i - 4) degrees.
void WriteRingPair(std::vector<Vec3>& v, int32_t index, int32_t i, double b1, double b2, double z) {
    const double th = 72.0 * i;
    const double ph = 72.0 * (i - 4);
    v[index] = {b1 * SinDeg(th) + b2 * CosDeg(th), b1 * CosDeg(th) - b2 * SinDeg(th), z};
    v[index + 1] = {b1 * SinDeg(ph) - b2 * CosDeg(ph), b1 * CosDeg(ph) + b2 * SinDeg(ph), z};
}

void WriteNegatives(std::vector<Vec3>& v, int32_t first, int32_t half) {
    for (int32_t m = 0; m < half; ++m) v[first + half + m] = -v[first + m];
}

// A set numbered in blocks about the z axis: rings of five (turning adds k)
// and rings of pairs (turning adds 2k), the second half the first's opposites.
enum class Block : uint8_t { Five, Pairs };
struct BlockAt {
    int32_t start;
    Block kind;
};

template <size_t N>
int32_t TurnInBlocks(int32_t v, int32_t k, const BlockAt (&blocks)[N], int32_t half) {
    const int32_t offset = v >= half ? half : 0;
    const int32_t w = v - offset;
    k = ((k % 5) + 5) % 5;
    for (size_t b = N; b-- > 0;) {
        if (w < blocks[b].start) continue;
        const int32_t r = w - blocks[b].start;
        if (blocks[b].kind == Block::Five) return offset + blocks[b].start + (r + k) % 5;
        return offset + blocks[b].start + 2 * ((r / 2 + k) % 5) + r % 2;
    }
    return v;
}

// The half turn about the x axis on a set numbered in blocks: a ring of five
// (vertex 0 on +y) and a ring of pairs (2i and 2i + 1 mirror images about the
// plane x = 0 through the pair's axis) each go to the opposite half, read backwards.
template <size_t N>
int32_t HalfTurnInBlocks(int32_t v, const BlockAt (&blocks)[N], int32_t half) {
    const int32_t offset = v >= half ? 0 : half;
    const int32_t w = v >= half ? v - half : v;
    for (size_t b = N; b-- > 0;) {
        if (w < blocks[b].start) continue;
        const int32_t r = w - blocks[b].start;
        if (blocks[b].kind == Block::Five) return offset + blocks[b].start + (5 - r) % 5;
        return offset + blocks[b].start + 2 * ((4 - r / 2) % 5) + 1 - r % 2;
    }
    return v;
}

constexpr BlockAt kRhombicosidodecahedronBlocks[] = {
    {0, Block::Five}, {5, Block::Pairs}, {15, Block::Pairs}, {25, Block::Five}};
constexpr BlockAt kTruncatedDodecahedronBlocks[] = {
    {0, Block::Pairs}, {10, Block::Five}, {15, Block::Five}, {20, Block::Pairs}};
constexpr BlockAt kTruncatedIcosahedronBlocks[] = {
    {0, Block::Five}, {5, Block::Five}, {10, Block::Pairs}, {20, Block::Pairs}};

}  // namespace

// ---- Cuboctahedron ---------------------------------------------------------

SizeRatio CuboctahedronRatio() { return {kS2, 1.5, SizeForm::FaceDistance, &BuildParams::baseSizeB}; }

void WriteCuboctahedron(std::vector<Vec3>& v, int32_t first, double s) {
    for (int32_t j = 0; j < 4; ++j) {
        v[first + j] = RingPoint(s, j, 4, s);
        v[first + 4 + j] = {(T(j + 1) + T(j)) * s, (T(j + 1) - T(j)) * s, 0.0};
        v[first + 8 + j] = RingPoint(s, j, 4, -s);
    }
}

// ---- Rhombicuboctahedron -------------------------------------------------------

SizeRatio RhombicuboctahedronRatio() {
    return {std::sqrt(7.0 - 4.0 * kS2), 4.0 - 2.0 * kS2, SizeForm::FaceDistance, &BuildParams::baseSizeB};
}

void WriteRhombicuboctahedron(std::vector<Vec3>& v, int32_t first, double d, RhombicuboctahedronForm form) {
    const double e = (kS2 - 1.0) * d;
    for (int32_t j = 0; j < 4; ++j) {
        const int t0 = T(j);
        const int t1 = T(j + 1);
        v[first + j] = {(t1 + t0) * e, (t1 - t0) * e, d};
        v[first + 4 + 2 * j] = {t0 * d + t1 * e, t1 * d - t0 * e, e};
        v[first + 5 + 2 * j] = {t0 * e + t1 * d, t1 * e - t0 * d, e};
        v[first + 12 + 2 * j] = {t0 * d + t1 * e, t1 * d - t0 * e, -e};
        v[first + 13 + 2 * j] = {t0 * e + t1 * d, t1 * e - t0 * d, -e};
        if (form == RhombicuboctahedronForm::Pseudo) {
            v[first + 20 + j] = {(2.0 - kS2) * d * t0, (2.0 - kS2) * d * t1, -d};
        } else {
            v[first + 20 + j] = {(t1 + t0) * e, (t1 - t0) * e, -d};
        }
    }
}

// ---- Truncated cube and great rhombicuboctahedron ---------------------------------

double TruncatedCubeSize(const BuildParams& params) {
    const double q = std::sqrt(5.0 - 2.0 * kS2);
    const double k = params.kikaku;
    const double L = Base(params, &BuildParams::baseSizeB);
    if (EdgeSized(params)) return L * Power(q, (k + 1.0) / 2.0) / 2.0;
    return L * Power(q, (k - 1.0) / 2.0);
}

void WriteTruncatedCube(std::vector<Vec3>& v, int32_t first, double t, TruncatedCubeForm form) {
    const double h = (kS2 - 1.0) * t;
    WriteRing8(v, first, h, t, t);
    for (int32_t j = 0; j < 4; ++j) {
        const double x = (T(j + 1) + T(j)) * t;
        const double y = (T(j + 1) - T(j)) * t;
        v[first + 8 + j] = {x, y, h};
        v[first + 12 + j] = form == TruncatedCubeForm::Pseudo ? RingPoint(kS2 * t, j, 4, -h) : Vec3{x, y, -h};
    }
    WriteRing8(v, first + 16, h, t, -t);
    if (form == TruncatedCubeForm::Pseudo) {
        std::vector<Vec3> ring(v.begin() + first + 16, v.begin() + first + 24);
        for (int32_t m = 0; m < 8; ++m) v[first + 16 + (m + 1) % 8] = ring[m];
    }
}

// ---- Truncated tetrahedron ---------------------------------------------------------

double TruncatedTetrahedronSize(const BuildParams& params) {
    const double s33 = std::sqrt(33.0);
    const double q = s33 / 3.0;
    const int w = EdgeSized(params);
    const double o = Power(q, (params.kikaku + 1.0) / 2.0 - w) * 9.0 * Base(params, &BuildParams::baseSizeA) / s33;
    return w ? o * 11.0 / 9.0 : o;
}

void WriteTruncatedTetrahedron(std::vector<Vec3>& v, int32_t first, double o) {
    const double s3 = std::sqrt(3.0);
    const double a1 = 2.0 * kS2 * o / 9.0;
    const double a2 = 4.0 * kS2 * o / 9.0;
    const double a3 = 2.0 * std::sqrt(6.0) * o / 9.0;
    const double zs[2] = {5.0 * o / 9.0, o / 9.0};
    const double as[2] = {a1, a2};
    for (int32_t r = 0; r < 2; ++r) {
        const double a = as[r];
        v[first + 3 * r + 0] = {0.0, a, zs[r]};
        v[first + 3 * r + 1] = {s3 * a / 2.0, -a / 2.0, zs[r]};
        v[first + 3 * r + 2] = {-s3 * a / 2.0, -a / 2.0, zs[r]};
    }
    const double z = -o / 3.0;
    v[first + 6] = {a3 / 2.0, s3 * a3 / 2.0, z};
    v[first + 7] = {a3, 0.0, z};
    v[first + 8] = {a3 / 2.0, -s3 * a3 / 2.0, z};
    v[first + 9] = {-a3 / 2.0, -s3 * a3 / 2.0, z};
    v[first + 10] = {-a3, 0.0, z};
    v[first + 11] = {-a3 / 2.0, s3 * a3 / 2.0, z};
}

// ---- Truncated octahedron -----------------------------------------------------------

double TruncatedOctahedronSize(const BuildParams& params) {
    const double q = std::sqrt(5.0 / 3.0);
    const int w = EdgeSized(params);
    const double g = Power(q, (params.kikaku + 1.0) / 2.0 + w) * 3.0 * Base(params, &BuildParams::baseSizeB) / kS5;
    return w ? g * 2.0 / 3.0 : g;
}

void WriteTruncatedOctahedron(std::vector<Vec3>& v, int32_t first, double g) {
    const double f = g / 3.0;
    const double h = 2.0 * g / 3.0;
    for (int32_t j = 0; j < 4; ++j) {
        const int t0 = T(j);
        const int t1 = T(j + 1);
        v[first + j] = {t0 * f, t1 * f, h};
        v[first + 4 + j] = {t0 * h, t1 * h, f};
        v[first + 8 + 2 * j] = {t0 * h + t1 * f, t1 * h - t0 * f, 0.0};
        v[first + 9 + 2 * j] = {t0 * f + t1 * h, t1 * f - t0 * h, 0.0};
        v[first + 16 + j] = {t0 * h, t1 * h, -f};
        v[first + 20 + j] = {t0 * f, t1 * f, -h};
    }
}

// ---- The 48-vertex set -----------------------------------------------------------------

SizeRatio TruncatedCuboctahedronRatio() {
    return {std::sqrt(2.0 * kS2 + 69.0) / 7.0, 12.0 / (10.0 - kS2), SizeForm::FaceDistance,
            &BuildParams::baseSizeB};
}

Octahedral48 TruncatedCuboctahedronMember() { return {(kS2 + 3.0) / 7.0, (2.0 * kS2 - 1.0) / 7.0}; }
Octahedral48 CubitruncatedCuboctahedronMember() { return {kS2 - 1.0, 3.0 - 2.0 * kS2}; }
Octahedral48 GreatTruncatedCuboctahedronMember() { return {(2.0 * kS2 + 1.0) / 7.0, (3.0 - kS2) / 7.0}; }

void WriteOctahedral48(std::vector<Vec3>& v, int32_t first, double u, Octahedral48 member) {
    const double a = member.a * u;
    const double b = member.b * u;
    WriteRing8(v, first + 0, b, a, u);
    WriteRing8(v, first + 8, b, u, a);
    WriteRing8(v, first + 16, a, u, b);
    WriteRing8(v, first + 24, a, u, -b);
    WriteRing8(v, first + 32, b, u, -a);
    WriteRing8(v, first + 40, b, a, -u);
}

// ---- Icosidodecahedron -------------------------------------------------------------------

SizeRatio IcosidodecahedronRatio() {
    return {std::sqrt((5.0 - kS5) / 2.0), 1.25, SizeForm::FaceDistance, &BuildParams::baseSizeC};
}

void WriteIcosidodecahedron(std::vector<Vec3>& v, int32_t first, double B) {
    const double p = (kS5 - 1.0) * B / 2.0;
    for (int32_t j = 0; j < 5; ++j) {
        v[first + j] = RingPoint(-p, j, 5, B);
        v[first + 10 + j] = RingPoint(B, j, 5, p);
    }
    WriteNegatives(v, first, 5);
    WriteNegatives(v, first + 10, 5);
    const double r = 2.0 * B * SinDeg(36.0);
    for (int32_t g = 0; g < 10; ++g) v[first + 20 + g] = {-r * CosDeg(36.0 * g), r * SinDeg(36.0 * g), 0.0};
}

int32_t IcosidodecahedronTurn(int32_t v, int32_t k) {
    k = ((k % 5) + 5) % 5;
    if (v >= 20) return 20 + (v - 20 + 2 * k) % 10;
    return v / 5 * 5 + (v % 5 + k) % 5;
}

int32_t IcosidodecahedronAntipode(int32_t v) {
    if (v >= 20) return 20 + (v - 15) % 10;
    return v % 10 < 5 ? v + 5 : v - 5;
}

// ---- Rhombicosidodecahedron family ----------------------------------------------------------

SizeRatio RhombicosidodecahedronRatio() {
    return {std::sqrt(15.0 - 2.0 * kS5) / 3.0, 10.0 / 9.0, SizeForm::FaceDistance, &BuildParams::baseSizeC};
}

double RhombicosidodecahedronX() { return (3.0 - kS5) * std::sqrt((1.0 - CosDeg(72.0)) * (kS5 + 5.0) / 4.0); }
double GreatSnubDodecicosidodecahedronX() { return std::sqrt(5.0 * kS5 - 10.0); }
double TruncatedGreatIcosahedronX() {
    return (std::sqrt(2.0 * CosDeg(36.0) + 2.0) - 2.0 * SinDeg(36.0)) * (3.0 * kS5 - 5.0) / (4.0 * SinDeg(72.0));
}
double SmallIcosicosidodecahedronX() { return (3.0 - kS5) * std::sqrt((CosDeg(36.0) + 1.0) * (kS5 + 5.0) / 4.0); }

void WriteRhombicosidodecahedronFamily(std::vector<Vec3>& v, int32_t first, double vd, double X) {
    const double o = kS5;
    const double n = X + 1.0;
    const double c36 = CosDeg(36.0);
    const double s36 = SinDeg(36.0);
    const double a = (3.0 - o) * vd / n;
    const double g = 2.0 * X / o;
    const double e1 = (X / o + 1.0) * vd / n;
    const double e2 = (o - 2.0 + X / o) * vd / n;
    const double e3 = (2.0 - o + X / o) * vd / n;
    const double b1 = -((3.0 - o) * c36 + g) * vd / n;
    const double b2 = -(3.0 - o) * vd * s36 / n;
    const double c1 = -((o - 1.0) * c36 + g) * vd / n;
    const double c2 = -(o - 1.0) * vd * s36 / n;
    const double d = -(o - 1.0 + g) * vd / n;
    for (int32_t i = 0; i < 5; ++i) {
        v[first + i] = RingPoint(a, i, 5, vd);
        WriteRingPair(v, first + 5 + 2 * i, i, b1, b2, e1);
        WriteRingPair(v, first + 15 + 2 * i, i, c1, c2, e2);
        v[first + 25 + i] = RingPoint(d, i, 5, e3);
    }
    WriteNegatives(v, first, 30);
}

int32_t RhombicosidodecahedronTurn(int32_t v, int32_t k) { return TurnInBlocks(v, k, kRhombicosidodecahedronBlocks, 30); }
int32_t RhombicosidodecahedronHalfTurn(int32_t v) { return HalfTurnInBlocks(v, kRhombicosidodecahedronBlocks, 30); }

// ---- Truncated dodecahedron family ------------------------------------------------------------

double TruncatedDodecahedronSize(const BuildParams& params) {
    const double q = std::sqrt(125.0 - 40.0 * kS5) / 5.0;
    const int w = EdgeSized(params);
    const double o = Base(params, &BuildParams::baseSizeC) * Power(q, (params.kikaku - 1.0) / 2.0 + w);
    return w ? o * 2.0 / (5.0 - kS5) : o;
}

double TruncatedDodecahedronMu() { return (5.0 - kS5) / 10.0; }
double SmallRetrosnubIcosicosidodecahedronMu() {
    return (3.0 * kS5 + 9.0 - std::sqrt(46.0 * kS5 + 102.0)) / 4.0;
}

void WriteTruncatedDodecahedronFamily(std::vector<Vec3>& v, int32_t first, double o, double mu) {
    const double nu = 1.0 - mu;
    const double t1 = (3.0 - kS5) * (mu * CosDeg(72.0) + nu) * o;
    const double g1 = (3.0 - kS5) * mu * SinDeg(72.0) * o;
    const double t2 = ((kS5 - 1.0) * mu + (3.0 - kS5) * nu) * o;
    const double z2 = ((kS5 - 2.0) * mu + nu) * o;
    const double t3 = ((kS5 - 1.0) * nu + (3.0 - kS5) * mu) * o;
    const double z3 = ((kS5 - 2.0) * nu + mu) * o;
    const double t4 = (kS5 - 1.0) * (nu - mu * CosDeg(144.0)) * o;
    const double g4 = (kS5 - 1.0) * mu * SinDeg(144.0) * o;
    const double z4 = (nu - mu) * (kS5 - 2.0) * o;
    for (int32_t i = 0; i < 5; ++i) {
        WriteRingPair(v, first + 2 * i, i, t1, g1, o);
        v[first + 10 + i] = RingPoint(t2, i, 5, z2);
        v[first + 15 + i] = RingPoint(t3, i, 5, z3);
        WriteRingPair(v, first + 20 + 2 * i, i, t4, g4, z4);
    }
    WriteNegatives(v, first, 30);
}

int32_t TruncatedDodecahedronTurn(int32_t v, int32_t k) { return TurnInBlocks(v, k, kTruncatedDodecahedronBlocks, 30); }
int32_t TruncatedDodecahedronHalfTurn(int32_t v) { return HalfTurnInBlocks(v, kTruncatedDodecahedronBlocks, 30); }

// ---- Truncated icosahedron family ----------------------------------------------------------------

double TruncatedIcosahedronSize(const BuildParams& params) {
    const double q = std::sqrt((17.0 - 6.0 * kS5) / 3.0);
    const int w = EdgeSized(params);
    const double D = Base(params, &BuildParams::baseSizeC) * Power(q, (params.kikaku + 1.0) / 2.0 - w) * 3.0 /
                     std::sqrt(4.0 / kS5 + 5.0);
    return w ? D * (21.0 - kS5) / 18.0 : D;
}

double TruncatedIcosahedronLambda() { return 1.0 / 3.0; }
double PrismCompoundLambda() { return (3.0 - kS5) / 2.0; }
double PentagonalPrismCompoundLambda() { return (5.0 - kS5) / 10.0; }
double SmallSnubIcosicosidodecahedronLambda() {
    return ((kS5 + 3.0) * 3.0 - (kS5 + 1.0) * std::sqrt((9.0 * kS5 + 19.0) / 2.0)) / 4.0;
}

void WriteTruncatedIcosahedronFamily(std::vector<Vec3>& v, int32_t first, double D, double lambda) {
    const double l1 = 1.0 - lambda;
    const double s1 = -2.0 * lambda * D / kS5;
    const double z1 = (lambda / kS5 + l1) * D;
    const double s2 = -2.0 * l1 * D / kS5;
    const double z2 = (l1 / kS5 + lambda) * D;
    const double h3 = -2.0 * (lambda * CosDeg(72.0) + l1) * D / kS5;
    const double g3 = -2.0 * lambda * D * SinDeg(72.0) / kS5;
    const double z3 = kS5 * D / 5.0;
    const double h4 = -2.0 * (lambda * CosDeg(36.0) + l1) * D / kS5;
    const double g4 = -2.0 * lambda * D * SinDeg(36.0) / kS5;
    const double z4 = (l1 - lambda) * D / kS5;
    for (int32_t i = 0; i < 5; ++i) {
        v[first + i] = RingPoint(s1, i, 5, z1);
        v[first + 5 + i] = RingPoint(s2, i, 5, z2);
        WriteRingPair(v, first + 10 + 2 * i, i, h3, g3, z3);
        WriteRingPair(v, first + 20 + 2 * i, i, h4, g4, z4);
    }
    WriteNegatives(v, first, 30);
}

int32_t TruncatedIcosahedronTurn(int32_t v, int32_t k) { return TurnInBlocks(v, k, kTruncatedIcosahedronBlocks, 30); }
int32_t TruncatedIcosahedronHalfTurn(int32_t v) { return HalfTurnInBlocks(v, kTruncatedIcosahedronBlocks, 30); }

// ---- Truncated icosidodecahedron family --------------------------------------------------------------

SizeRatio TruncatedIcosidodecahedronRatio() {
    return {std::sqrt(35.0 - 2.0 * kS5) / 5.0, 1.2, SizeForm::FaceDistance, &BuildParams::baseSizeC};
}

Icosahedral120 TruncatedIcosidodecahedronMember() {
    return {0.8 * SinDeg(36.0) * SinDeg(72.0), 0.8 * SinDeg(36.0) * CosDeg(72.0)};
}
Icosahedral120 IcositruncatedDodecadodecahedronMember() {
    return {(3.0 - kS5) / (8.0 * CosDeg(72.0)), (3.0 - kS5) / (8.0 * SinDeg(72.0))};
}

namespace {
// Every member puts the top decagon's corners 18 degrees either side of the
// mirror planes through the z axis, on a circle of radius rho d; a top face
// {10/3} of edge 2 rho d sin 54 and a circumradius of c edges give
// rho^2 + 1 = c^2 (2 rho sin 54)^2.
Icosahedral120 DecagramTopMember(double c2) {
    const double s54 = SinDeg(54.0);
    const double rho = 1.0 / std::sqrt(4.0 * c2 * s54 * s54 - 1.0);
    return {rho * CosDeg(18.0), rho * SinDeg(18.0)};
}
}  // namespace

// The truncated dodecadodecahedron's circumradius is sqrt 11 / 2 edges.
Icosahedral120 TruncatedDodecadodecahedronMember() { return DecagramTopMember(11.0 / 4.0); }
// The great truncated icosidodecahedron's is sqrt(31 - 12 sqrt 5) / 2 edges.
Icosahedral120 GreatTruncatedIcosidodecahedronMember() { return DecagramTopMember((31.0 - 12.0 * kS5) / 4.0); }

void WriteIcosahedral120(std::vector<Vec3>& v, int32_t first, double d, Icosahedral120 member) {
    const double beta = member.beta * d;
    const double gamma = member.gamma * d;
    for (int32_t i = 0; i < 5; ++i) WriteRingPair(v, first + 2 * i, i, beta, gamma, d);
    // Each of vertices 5-9 tilted onto a neighbouring five-fold axis, then
    // carried round the z axis.
    for (int32_t m = 0; m < 5; ++m) {
        const Vec3 p = v[first + 5 + m];
        const double y = -(p.y + 2.0 * d) / kS5;
        const double h = (d - 2.0 * p.y) / kS5;
        for (int32_t j = 0; j < 5; ++j) WriteRingPair(v, first + 10 + 10 * m + 2 * j, j, y, p.x, h);
    }
    WriteNegatives(v, first, 60);
}

int32_t Icosahedral120Turn(int32_t v, int32_t k) {
    static constexpr BlockAt kBlocks[] = {{0, Block::Pairs},  {10, Block::Pairs}, {20, Block::Pairs},
                                          {30, Block::Pairs}, {40, Block::Pairs}, {50, Block::Pairs}};
    return TurnInBlocks(v, k, kBlocks, 60);
}

// ---- Snub cube -----------------------------------------------------------------------------------------

SnubCubeConstants SnubCube() {
    const double r33 = 3.0 * std::sqrt(33.0);
    const double J = (std::cbrt(17.0 + r33) - std::cbrt(r33 - 17.0) - 1.0) / 3.0;
    const double L = (1.0 - J) / (1.0 + J);
    return {J, L, std::sqrt(L * L + J * J + 1.0)};
}

SizeRatio SnubCubeRatio() {
    const SnubCubeConstants c = SnubCube();
    return {c.q, 1.0 + (c.L * c.L + c.J * c.J) / 2.0, SizeForm::FaceDistance, &BuildParams::baseSizeB};
}

void WriteSnubCube(std::vector<Vec3>& v, int32_t first, double t) {
    const SnubCubeConstants c = SnubCube();
    const double J = c.J * t;
    const double L = c.L * t;
    const Vec3 top[12] = {{L, J, t},  {J, -L, t}, {-L, -J, t}, {-J, L, t},  {-L, t, J},  {t, L, J},
                          {L, -t, J}, {-t, -L, J}, {J, t, L},   {t, -J, L},  {-J, -t, L}, {-t, J, L}};
    for (int32_t i = 0; i < 12; ++i) {
        v[first + i] = top[i];
        v[first + 12 + i] = {-top[i].x, top[i].y, -top[i].z};
    }
}

// ---- Snub icosahedral set ---------------------------------------------------------------------------------

SnubIcosahedral SnubDodecahedronMember() {
    const double a0 = 449713.0 * kS5 - 889445.0;
    const double a1 = 93.0 * std::sqrt(30.0 * (24957.0 * kS5 - 3863.0));
    const double kappa = (std::cbrt(10.0 * (a0 - a1)) + std::cbrt(10.0 * (a1 + a0)) - (4.0 * kS5 + 86.0)) / 93.0;
    const double s36 = SinDeg(36.0);
    const double m = 3.0 - kS5 - kappa;
    const double epsilon =
        (4.0 * kappa * s36 - std::sqrt(2.0 * kappa * kappa * (5.0 - kS5) - 1.6 * (kS5 + 5.0) * m * m)) / 4.0;
    return {kappa, epsilon};
}

SnubDerived SnubDerivedConstants(SnubIcosahedral member) {
    const double k = member.kappa;
    const double e = member.epsilon;
    const double delta = (kS5 + 1.0) * e / (4.0 * (k - e * SinDeg(36.0)));
    const double d2 = delta * delta;
    const double zeta = (std::sqrt(20.0 - 2.0 * (3.0 * kS5 + 5.0) * d2) + 3.0 * (kS5 - 1.0)) / 4.0;
    const double n = zeta * zeta + d2 + 1.0;
    const double w = 2.0 * zeta + kS5 - 1.0;
    const double eta = (std::sqrt((2.0 * (5.0 - kS5) * n / (w * w) - 1.0) * (d2 + 1.0)) + zeta) / n;
    return {delta, zeta, eta};
}

SizeRatio SnubIcosahedralRatio(SnubIcosahedral member) {
    const double k = member.kappa;
    const double e = member.epsilon;
    const SnubDerived c = SnubDerivedConstants(member);
    const double q = std::sqrt(k * k + 1.0 + e * e - 2.0 * k * e * SinDeg(36.0));
    const double qEdge = (1.0 / c.eta - c.zeta) * e * (kS5 + 3.0) / (8.0 * c.delta) + 1.0;
    return {q, qEdge, SizeForm::FaceDistance, &BuildParams::baseSizeC};
}

void WriteSnubIcosahedral(std::vector<Vec3>& v, int32_t first, double s, SnubIcosahedral member) {
    const double th = 72.0;
    for (int32_t i = 0; i < 5; ++i) {
        v[first + i] = {s * (member.epsilon * CosDeg((i - 3) * th) + member.kappa * SinDeg(i * th)),
                        s * (member.kappa * CosDeg(i * th) - member.epsilon * SinDeg((i - 3) * th)), s};
    }
    // A half turn carries the top pentagon to a neighbouring one; turns about
    // the z axis give the other four.
    for (int32_t i = 0; i < 5; ++i) {
        const Vec3 p = v[first + i];
        v[first + 5 + i] = {-p.x, (-2.0 * s - p.y) / kS5, (s - 2.0 * p.y) / kS5};
    }
    for (int32_t b = 1; b < 5; ++b) {
        const double c = CosDeg(b * th);
        const double sn = SinDeg(b * th);
        for (int32_t i = 0; i < 5; ++i) {
            const Vec3 p = v[first + 5 + i];
            v[first + 10 + 5 * (b - 1) + i] = {p.x * c + p.y * sn, p.y * c - p.x * sn, p.z};
        }
    }
    for (int32_t i = 0; i < 30; ++i) {
        const Vec3 p = v[first + i];
        v[first + 30 + i] = {p.x, -p.y, -p.z};
    }
}

int32_t SnubIcosahedralTurn(int32_t v, int32_t k) {
    k = ((k % 5) + 5) % 5;
    if (v >= 30) return 30 + SnubIcosahedralTurn(v - 30, 5 - k);  // the half turn reverses the sense
    if (v < 5) return (v + k) % 5;
    const int32_t b = (v - 5) / 5;
    return 5 + 5 * ((b + k) % 5) + (v - 5) % 5;
}

}  // namespace gyro::kit
