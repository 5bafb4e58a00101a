#pragma once

// The vertex sets of the Archimedean solids, written once for every solid that
// stands on them: the Archimedean solids themselves, their Catalan partners,
// the Johnson solids cut from them and the non-convex uniform polyhedra that
// share their vertex arrangements. Each set has a sizing function (the size
// standard `kikaku` and the edge-tangent sizing `conhensez` of BuildParams) and
// a writer that puts the points into vertices[first ...] of an array the
// caller has sized. Families of sets take the parameter that picks the member.
//
// Sizes: at kikaku -1 every convex member is inscribed in the sphere of its base
// size (800). The numbering of each set is fixed: builders write their faces
// against it, so it is part of the interface and documented with each writer.

#include <cstdint>
#include <vector>

#include "catalog/build_kit.h"
#include "model/solid.h"

namespace gyro::kit {

// ---- Cuboctahedron (12) ---------------------------------------------------
// Squares in the planes x, y, z = +-s: s = baseSizeB * q^((kikaku - 1) / 2),
// q = sqrt(2) (1.5 with conhensez).
// 0-3 the top square (z = s), 4-7 the equator ((+-s, +-s, 0)), 8-11 the bottom
// square, each ring starting on +y and turning towards +x.
inline constexpr int32_t kCuboctahedronVertices = 12;
SizeRatio CuboctahedronRatio();
void WriteCuboctahedron(std::vector<Vec3>& vertices, int32_t first, double s);

// ---- Rhombicuboctahedron (24) -----------------------------------------------
// Axial squares at distance d = baseSizeB * q^((kikaku - 1) / 2),
// q = sqrt(7 - 4 sqrt 2) (4 - 2 sqrt 2 with conhensez); e = (sqrt 2 - 1) d.
// 0-3 the top square, 4-11 the upper ring of eight (z = e), 12-19 the lower
// ring (z = -e), 20-23 the bottom square. The pseudo form (J37) turns the
// bottom square 45 degrees about the z axis.
inline constexpr int32_t kRhombicuboctahedronVertices = 24;
SizeRatio RhombicuboctahedronRatio();
enum class RhombicuboctahedronForm : uint8_t { Plain, Pseudo };
void WriteRhombicuboctahedron(std::vector<Vec3>& vertices, int32_t first, double d,
                              RhombicuboctahedronForm form = RhombicuboctahedronForm::Plain);

// ---- Truncated cube and great rhombicuboctahedron (24) ----------------------
// The points with coordinates t, t and h = (sqrt 2 - 1) t in every order and
// sign; the octagons lie in the planes x, y, z = +-t.
// t = baseSizeB * q^((kikaku - 1) / 2), q = sqrt(5 - 2 sqrt 2); with conhensez
// t = baseSizeB * q^((kikaku + 1) / 2) / 2 (so its midsphere is not at the
// base size: at kikaku 0 the truncated cube's midradius is about 686.7).
// 0-7 the top octagon (z = t), 8-11 (+-t, +-t, h), 12-15 (+-t, +-t, -h),
// 16-23 the bottom octagon (z = -t); rings as the cuboctahedron's, the octagon
// starting at (h, t).
// The pseudo form (pseudo great rhombicuboctahedron) turns 12-15 by 45 degrees
// to (0, sqrt2 t), (sqrt2 t, 0), (0, -sqrt2 t), (-sqrt2 t, 0) at z = -h, and
// numbers the bottom octagon one place on: its point m is written at 16 + (m + 1) mod 8.
inline constexpr int32_t kTruncatedCubeVertices = 24;
double TruncatedCubeSize(const BuildParams& params);
enum class TruncatedCubeForm : uint8_t { Plain, Pseudo };
void WriteTruncatedCube(std::vector<Vec3>& vertices, int32_t first, double t,
                        TruncatedCubeForm form = TruncatedCubeForm::Plain);

// ---- Truncated tetrahedron (12) ---------------------------------------------
// o = baseSizeA * q^((kikaku + 1) / 2 - w) * 9 / sqrt 33 (times 11/9 when w = 1),
// q = sqrt 33 / 3, w = 1 with conhensez; circumradius sqrt33 o / 9.
// 0-2 the top triangle (z = 5o/9), 3-5 below it (z = o/9), 6-11 the bottom
// hexagon (z = -o/3).
inline constexpr int32_t kTruncatedTetrahedronVertices = 12;
double TruncatedTetrahedronSize(const BuildParams& params);
void WriteTruncatedTetrahedron(std::vector<Vec3>& vertices, int32_t first, double o);

// ---- Truncated octahedron (24) ----------------------------------------------
// g = baseSizeB * q^((kikaku + 1) / 2 + w) * 3 / sqrt 5 (times 2/3 when w = 1),
// q = sqrt(5/3); the squares at distance h = 2g/3, f = g/3.
// 0-3 the top square, 4-7 (z = f), 8-15 the equator, 16-19 (z = -f), 20-23 the
// bottom square.
inline constexpr int32_t kTruncatedOctahedronVertices = 24;
double TruncatedOctahedronSize(const BuildParams& params);
void WriteTruncatedOctahedron(std::vector<Vec3>& vertices, int32_t first, double g);

// ---- The 48-vertex set (truncated cuboctahedron and its star relatives) -----
// The points whose coordinates are a, b and u in every order and sign, u =
// baseSizeB * q^((kikaku - 1) / 2), q = sqrt(2 sqrt 2 + 69) / 7 (12 / (10 - sqrt 2)
// with conhensez). a and b are fractions of u chosen by the figure.
// Eight layers of eight, by z: u, a, b, -b, -a, -u. Layer z = u rings the pair
// (b, a), layers z = +-a the pair (b, u), layers z = +-b the pair (a, u); a ring of
// (p, q) is (p, q), (q, p), (q, -p), (p, -q), (-p, -q), (-q, -p), (-q, p), (-p, q).
inline constexpr int32_t kTruncatedCuboctahedronVertices = 48;
SizeRatio TruncatedCuboctahedronRatio();
struct Octahedral48 {
    double a;  // fractions of u
    double b;
};
Octahedral48 TruncatedCuboctahedronMember();      // (sqrt2 + 3) / 7, (2 sqrt2 - 1) / 7
Octahedral48 CubitruncatedCuboctahedronMember();  // sqrt2 - 1, 3 - 2 sqrt2
Octahedral48 GreatTruncatedCuboctahedronMember(); // (2 sqrt2 + 1) / 7, (3 - sqrt2) / 7
void WriteOctahedral48(std::vector<Vec3>& vertices, int32_t first, double u, Octahedral48 member);

// ---- Icosidodecahedron (30) -------------------------------------------------
// B = baseSizeC * q^((kikaku - 1) / 2), q = sqrt((5 - sqrt 5) / 2) (1.25 with
// conhensez); the top pentagon 0-4 lies in the plane z = B.
// 0-4 top pentagon, 5-9 their negatives, 10-14 (z = p), 15-19 their negatives,
// 20-29 the equatorial decagon; vertex 20 + g + 5 is the negative of 20 + g.
inline constexpr int32_t kIcosidodecahedronVertices = 30;
SizeRatio IcosidodecahedronRatio();
void WriteIcosidodecahedron(std::vector<Vec3>& vertices, int32_t first, double B);
// The vertex turned 72k degrees about the z axis, and the opposite vertex.
int32_t IcosidodecahedronTurn(int32_t v, int32_t k);
int32_t IcosidodecahedronAntipode(int32_t v);

// ---- Rhombicosidodecahedron family (60) ---------------------------------------
// v = baseSizeC * q^((kikaku - 1) / 2), q = sqrt(15 - 2 sqrt 5) / 3 (10/9 with
// conhensez). X picks the member; every X gives 60 distinct points on one sphere.
// 0-4 the top pentagon (z = v), 5-14 ring pairs 5 + 2i, 6 + 2i, 15-24 ring pairs,
// 25-29 a ring of five, 30 + m the negative of m.
inline constexpr int32_t kIcosahedral60Vertices = 60;
SizeRatio RhombicosidodecahedronRatio();
double RhombicosidodecahedronX();         // the convex solid: 0.8541019662...
double GreatSnubDodecicosidodecahedronX();  // sqrt(5 sqrt5 - 10): the pentagram family
double TruncatedGreatIcosahedronX();
double SmallIcosicosidodecahedronX();
void WriteRhombicosidodecahedronFamily(std::vector<Vec3>& vertices, int32_t first, double v, double X);

// ---- Truncated dodecahedron family (60) ---------------------------------------
// o = baseSizeC * q^((kikaku - 1) / 2 + w) (times 2 / (5 - sqrt 5) when w = 1),
// q = sqrt(125 - 40 sqrt 5) / 5, w = 1 with conhensez. mu picks the member.
// 0-9 the top decagon (z = o), 10-14 and 15-19 rings of five, 20-29 a ring of
// pairs, 30 + m the negative of m.
double TruncatedDodecahedronSize(const BuildParams& params);
double TruncatedDodecahedronMu();          // (5 - sqrt 5) / 10: the convex solid
double SmallRetrosnubIcosicosidodecahedronMu();
void WriteTruncatedDodecahedronFamily(std::vector<Vec3>& vertices, int32_t first, double o, double mu);

// ---- Truncated icosahedron family (60) ------------------------------------------
// D = baseSizeC * q^((kikaku + 1) / 2 - w) * 3 / sqrt(4 / sqrt5 + 5) (times
// (21 - sqrt 5) / 18 when w = 1), q = sqrt((17 - 6 sqrt 5) / 3). lambda picks
// the member; 1/3 is the convex solid with circumradius baseSizeC * q^((kikaku + 1) / 2).
// 0-4 and 5-9 rings of five, 10-19 and 20-29 rings of pairs, 30 + m the negative of m.
double TruncatedIcosahedronSize(const BuildParams& params);
double TruncatedIcosahedronLambda();       // 1/3
double PrismCompoundLambda();              // (3 - sqrt 5) / 2
double PentagonalPrismCompoundLambda();    // (5 - sqrt 5) / 10
double SmallSnubIcosicosidodecahedronLambda();
void WriteTruncatedIcosahedronFamily(std::vector<Vec3>& vertices, int32_t first, double D, double lambda);

// A vertex of each 60-point set above turned 72k degrees about the z axis, and
// the opposite vertex (the same rule for all three).
int32_t RhombicosidodecahedronTurn(int32_t v, int32_t k);
int32_t TruncatedDodecahedronTurn(int32_t v, int32_t k);
int32_t TruncatedIcosahedronTurn(int32_t v, int32_t k);
// The partner of a vertex under the half turn about the x axis (a two-fold
// axis of each set): the chiral figures on these sets need a partner map that
// keeps the hand, which the opposite vertex does not.
int32_t RhombicosidodecahedronHalfTurn(int32_t v);
int32_t TruncatedDodecahedronHalfTurn(int32_t v);
int32_t TruncatedIcosahedronHalfTurn(int32_t v);
constexpr int32_t Icosahedral60Antipode(int32_t v) { return v < 30 ? v + 30 : v - 30; }

// ---- Truncated icosidodecahedron family (120) -----------------------------------
// d = baseSizeC * q^((kikaku - 1) / 2), q = sqrt(35 - 2 sqrt 5) / 5 (1.2 with
// conhensez); beta and gamma, fractions of d, pick the member.
// 0-9 the top decagon (z = d), 10 + 10m + 2j and 11 + 10m + 2j (m, j = 0..4) the
// tilted copies, 60 + m the negative of m.
inline constexpr int32_t kIcosahedral120Vertices = 120;
SizeRatio TruncatedIcosidodecahedronRatio();
struct Icosahedral120 {
    double beta;  // fractions of d
    double gamma;
};
Icosahedral120 TruncatedIcosidodecahedronMember();
Icosahedral120 IcositruncatedDodecadodecahedronMember();
Icosahedral120 TruncatedDodecadodecahedronMember();
Icosahedral120 GreatTruncatedIcosidodecahedronMember();
void WriteIcosahedral120(std::vector<Vec3>& vertices, int32_t first, double d, Icosahedral120 member);
int32_t Icosahedral120Turn(int32_t v, int32_t k);
constexpr int32_t Icosahedral120Antipode(int32_t v) { return v < 60 ? v + 60 : v - 60; }

// ---- Snub cube (24) -------------------------------------------------------------
// J is the reciprocal of the tribonacci constant, L = (1 - J) / (1 + J). The
// squares lie at distance t = baseSizeB * q^((kikaku - 1) / 2), q = sqrt(L^2 + J^2 + 1);
// with conhensez q = 1 + (L^2 + J^2) / 2, the midradius : inradius squared.
// 0-3 the top square, 4-11 two rings of four, 12-23 vertices 0-11 turned half
// about the y axis.
inline constexpr int32_t kSnubCubeVertices = 24;
struct SnubCubeConstants {
    double J;
    double L;
    double q;
};
SnubCubeConstants SnubCube();
SizeRatio SnubCubeRatio();
void WriteSnubCube(std::vector<Vec3>& vertices, int32_t first, double t);

// ---- Snub icosahedral set (60) ----------------------------------------------------
// kappa and epsilon pick the member (the snub dodecahedron and the chiral
// non-convex snubs). The pentagons lie at distance s = baseSizeC * q^((kikaku - 1) / 2),
// q = sqrt(kappa^2 + 1 + epsilon^2 - 2 kappa epsilon sin 36);
// with conhensez q = (1/eta - zeta) epsilon (sqrt5 + 3) / (8 delta) + 1.
// 0-4 the top pentagon (z = s), 5 + 5b + i (b = 0..4) the five pentagons around
// it, 30 + m vertex m turned half about the x axis.
struct SnubIcosahedral {
    double kappa;
    double epsilon;
};
struct SnubDerived {
    double delta;
    double zeta;
    double eta;
};
SnubIcosahedral SnubDodecahedronMember();  // kappa by Cardano's formula, epsilon from it
// The chiral non-convex members.
inline constexpr SnubIcosahedral kSnubDodecadodecahedron{0.5116257065330503, 0.11702900065796454};
inline constexpr SnubIcosahedral kInvertedSnubDodecadodecahedron{0.5911652042460505, 0.25653065596038355};
inline constexpr SnubIcosahedral kSnubIcosidodecadodecahedron{0.6102789036946745, 0.17314745893545447};
inline constexpr SnubIcosahedral kGreatSnubIcosidodecahedron{0.5418018128094723, 0.20919524790238347};
inline constexpr SnubIcosahedral kGreatInvertedSnubIcosidodecahedron{0.5357617603294994, 0.23727365379544027};
inline constexpr SnubIcosahedral kGreatRetrosnubIcosidodecahedron{0.3618855410048834, 0.11163073756378705};
SnubDerived SnubDerivedConstants(SnubIcosahedral member);
SizeRatio SnubIcosahedralRatio(SnubIcosahedral member);
void WriteSnubIcosahedral(std::vector<Vec3>& vertices, int32_t first, double s, SnubIcosahedral member);
int32_t SnubIcosahedralTurn(int32_t v, int32_t k);
// The partner under the half turn about the x axis (an involution).
constexpr int32_t SnubIcosahedralHalfTurn(int32_t v) { return v < 30 ? v + 30 : v - 30; }

}  // namespace gyro::kit
