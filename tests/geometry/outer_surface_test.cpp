#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "geometry/convex_union.h"
#include "geometry/enclosed_grid.h"
#include "geometry/outer_surface.h"
#include "model/solid.h"
#include "state/dispatcher.h"

namespace gyro {
namespace {

Solid Built(ShapeId figure) {
    Solid solid;
    InitSolid(solid);
    BuildFigure(solid, figure);
    return solid;
}

// Several tests look at the same figures; the surface is worked out once per figure.
const OuterResult& OuterOf(ShapeId figure) {
    static std::map<ShapeId, OuterResult> done;
    auto it = done.find(figure);
    if (it == done.end()) it = done.emplace(figure, ComputeOuterSurface(Built(figure))).first;
    return it->second;
}

OuterResult OuterAtLevel(const Solid& solid, int level) {
    OuterOptions options;
    options.fractalLevel = level;
    return ComputeOuterSurface(solid, options);
}

double Circumradius(const Solid& solid) {
    double r = 0.0;
    for (const Vec3& v : solid.vertices) r = std::max(r, Length(v));
    return r;
}

// Closed, a 2-manifold, outward and free of self-intersections: what a slicer needs.
// The exact check of self-intersection runs on the surface rounded to doubles.
void ExpectPrintable(const OuterResult& result, const std::string& label) {
    ASSERT_TRUE(result.ok()) << label << ": " << OuterRefusalText(result.refusal) << " " << result.detail;
    const SurfaceCheck check = CheckSurface(result.surface.points, result.surface.triangles);
    EXPECT_TRUE(check.closed) << label << ": " << check.badEdges << " bad edges";
    EXPECT_TRUE(check.manifold) << label << ": " << check.badPoints << " pinched points";
    EXPECT_TRUE(check.outward) << label;
    EXPECT_FALSE(SurfaceSelfIntersects(result.surface)) << label;
    EXPECT_EQ(result.surface.triangles.size(), result.surface.triangleFace.size()) << label;
}

// Two workings of one surface: the same volume and area, to the rounding of their points.
void ExpectSameMeasures(const OuterResult& a, const OuterResult& b, const std::string& label) {
    EXPECT_NEAR(a.surface.volume / b.surface.volume, 1.0, 1e-9) << label;
    EXPECT_NEAR(a.surface.area / b.surface.area, 1.0, 1e-9) << label;
}

// Every triangle in the plane of the face it names.
void ExpectInTheirFacesPlanes(const Solid& solid, const OuterResult& result, const std::string& label) {
    EXPECT_EQ(TrianglesOffTheirFaces(solid, result.surface.points, result.surface.triangles,
                                     result.surface.triangleFace, 1e-7 * Circumradius(solid)),
              0)
        << label;
}

const double kRoot2 = std::sqrt(2.0);
const double kRoot3 = std::sqrt(3.0);
const double kRoot5 = std::sqrt(5.0);

struct VolumeRow {
    ShapeId figure;
    double volumeOverR3;  // enclosed volume over the cube of the circumradius
    const char* source;
};

// Volumes are published per edge a; with the circumradius R of the same
// solid they become V / R^3. Platonic solids: Wikipedia, "Platonic solid",
// table of volumes and radii. Great dodecahedron: Wikipedia, "Great
// dodecahedron" (V = 5(sqrt5 - 1)/4 a^3, R = sqrt(10 + 2 sqrt5)/4 a).
// Stellated octahedron: an octahedron of edge a/2 with a tetrahedron of edge
// a/2 on each face, V = sqrt2/8 a^3 (Wikipedia, "Stellated octahedron"), R =
// sqrt6/4 a. Octahemioctahedron: its hexagons pass through the centre, so it
// encloses the 8 pyramids from the centre over its triangles: V = 2 sqrt2/3 a^3
// with R = a (the cuboctahedron's vertices; Wikipedia, "Octahemioctahedron").
// Kepler-Poinsot stars, by what can be touched from outside; with phi the
// golden ratio and L the star's edge, the core's edge is a = L / phi^3 (a
// pentagram's chord is its inner pentagon's side times phi^3). Small stellated
// dodecahedron: a dodecahedron of edge a with twelve pentagonal pyramids rising
// at atan 2 (Wikipedia, "Small stellated dodecahedron"), V = 5/4 (7 + 3 sqrt5)
// a^3, R = phi^2 sin 72 deg a. Great stellated dodecahedron: an icosahedron of
// edge a with twenty triangular pyramids (Wikipedia, "Great stellated
// dodecahedron"), V = 5/4 (3 + sqrt5) a^3, R = sqrt3 (sqrt5 - 1)/4 L. Great
// icosahedron: V = (25 + 9 sqrt5)/4 a^3, a the edge of its dodecahedron core
// (Wikipedia, "Great icosahedron", Formulas), R = sqrt(10 - 2 sqrt5)/4 L.
const double kPhi = (1 + std::sqrt(5.0)) / 2;
const double kPhi3 = kPhi * kPhi * kPhi;
const VolumeRow kVolumes[] = {
    {18, 5.0 / 4 * (7 + 3 * std::sqrt(5.0)) / std::pow(kPhi * kPhi * std::sqrt((5 + std::sqrt(5.0)) / 8), 3),
     "small stellated dodecahedron"},
    {15, 5.0 / 4 * (3 + std::sqrt(5.0)) / std::pow(kPhi3 * std::sqrt(3.0) * (std::sqrt(5.0) - 1) / 4, 3),
     "great stellated dodecahedron"},
    {22, (25 + 9 * std::sqrt(5.0)) / 4 / std::pow(kPhi3 * std::sqrt(10 - 2 * std::sqrt(5.0)) / 4, 3),
     "great icosahedron"},
    {1, 8.0 / (9.0 * kRoot3), "tetrahedron: a^3/(6 sqrt2), R = sqrt6/4 a"},
    {5, 8.0 / (3.0 * kRoot3), "cube: a^3, R = sqrt3/2 a"},
    {7, 4.0 / 3.0, "octahedron: sqrt2/3 a^3, R = a/sqrt2"},
    {9, (15 + 7 * kRoot5) / 4 / std::pow(kRoot3 * (1 + kRoot5) / 4, 3), "dodecahedron"},
    {11, 5 * (3 + kRoot5) / 12 / std::pow(std::sqrt(10 + 2 * kRoot5) / 4, 3), "icosahedron"},
    {21, 5 * (kRoot5 - 1) / 4 / std::pow(std::sqrt(10 + 2 * kRoot5) / 4, 3), "great dodecahedron"},
    {23, kRoot2 / 8 / std::pow(std::sqrt(6.0) / 4, 3), "stellated octahedron"},
    {93, 2 * kRoot2 / 3, "octahemioctahedron"},
    // Hemi-polyhedra alike, their faces through the centre walls between
    // pyramids from the centre. Tetrahemihexahedron: four alternate triangles
    // of the octahedron (vertices +-1 on the axes, R = 1, V = 4/3; Wikipedia
    // "Tetrahemihexahedron" and "Octahedron") and three squares in the
    // coordinate planes; it encloses the four eighths of the octahedron over
    // its triangles: V = 2/3.
    {90, 2.0 / 3, "tetrahemihexahedron"},
    // Cubohemioctahedron: the six squares of the cuboctahedron (vertices (+-1,
    // +-1, 0) and turns, R = sqrt2; Wikipedia "Cubohemioctahedron") and four
    // hexagons through the centre; it encloses the six pyramids from the centre
    // over its squares (area 2, height 1): V = 6 x 2/3 = 4.
    {92, 4 / (2 * kRoot2), "cubohemioctahedron"},
    // Dual compounds at their common midsphere: the union is both solids less
    // their intersection. Two tetrahedra of edge a meet in an octahedron of
    // edge a/2 (Wikipedia, "Stellated octahedron"): 2 a^3/(6 sqrt2) -
    // sqrt2/3 (a/2)^3 = sqrt2/8 a^3, R = sqrt6/4 a.
    {500, (2 / (6 * kRoot2) - kRoot2 / 24) / std::pow(std::sqrt(6.0) / 4, 3), "compound of two tetrahedra"},
    // Cube of edge a and octahedron of edge sqrt2 a meet in the cuboctahedron
    // of edge a/sqrt2 (Wikipedia, "Compound of cube and octahedron";
    // cuboctahedron V = 5 sqrt2/3 e^3): a^3 + 4/3 a^3 - 5/6 a^3, R = a (the
    // octahedron's vertices).
    {501, 1.0 + 4.0 / 3 - 5.0 / 6, "compound of cube and octahedron"},
    // Dodecahedron of edge d and icosahedron of edge phi d meet in the
    // icosidodecahedron of edge phi d / 2 (Wikipedia, "Compound of dodecahedron
    // and icosahedron"; icosidodecahedron V = (45 + 17 sqrt5)/6 e^3); R is the
    // icosahedron's, sqrt(10 + 2 sqrt5)/4 phi d.
    {502, ((15 + 7 * kRoot5) / 4 + 5 * (3 + kRoot5) / 12 * kPhi3 - (45 + 17 * kRoot5) / 6 * kPhi3 / 8) /
              std::pow(std::sqrt(10 + 2 * kRoot5) / 4 * kPhi, 3),
     "compound of dodecahedron and icosahedron"},
    // Cuboctahedron (vertices (+-1, +-1, 0)) and rhombic dodecahedron (faces
    // |x| + |y| = 3/2): each cuboctahedron vertex rises over a rhombus as a
    // pyramid on the rectangle of its four edges' midpoints (area 1/sqrt2,
    // height 1/(2 sqrt2)), so V = 6.75 + 12/12 with R = 3/2 (rhombic
    // dodecahedron V = 16 sqrt3/9 e^3, Wikipedia "Rhombic dodecahedron").
    {503, (16 * kRoot3 / 9 * std::pow(0.75 * kRoot3, 3) + 1.0) / std::pow(1.5, 3),
     "compound of cuboctahedron and rhombic dodecahedron"},
    // Small triambic icosahedron: outwardly the first stellation of the
    // icosahedron (Wikipedia, "Small triambic icosahedron"): over each face of
    // the icosahedron of edge a the planes of its three neighbours meet at the
    // height a/(2 sqrt3) tan(pi - theta) = a/sqrt15 (cos theta = -sqrt5/3, the
    // dihedral angle), so V = 5(3 + sqrt5)/12 a^3 + 20 a^3/(12 sqrt5) =
    // (15 + 9 sqrt5)/12 a^3, and R = phi^2/(2 sqrt3) a + a/sqrt15.
    {87, (15 + 9 * kRoot5) / 12 / std::pow(kPhi * kPhi / (2 * kRoot3) + 1 / std::sqrt(15.0), 3),
     "small triambic icosahedron"},
    // The regular compounds of five, in the dodecahedron (+-1, +-1, +-1),
    // (0, +-1/phi, +-phi) and its cyclic turns, so R = sqrt3. Their union by
    // inclusion and exclusion: the rotations permute the five tetrahedra as the
    // even permutations of five things, which take any pair (three, four) to
    // any other, and the full group permutes the five cubes or octahedra in
    // every way; so with V_k the part common to k of them, the union is
    // 5 V_1 - 10 V_2 + 10 V_3 - 5 V_4 + V_5. V_1 and V_5 are published; V_2,
    // V_3 and V_4 are the volumes of the convex solids cut out by the face
    // planes of two, three, four (their numbers in Q(sqrt5), found from the
    // planes to 40 digits; UnionOfConvexPiecesAgreesWithTheClosedForms below
    // does the cutting afresh in doubles).
    // Five tetrahedra: one is (1,1,1), (1,-1,-1), (-1,1,-1), (-1,-1,1), edge
    // 2 sqrt2, V_1 = 8/3; V_5 is the icosahedron they share (MathWorld,
    // "Tetrahedron 5-Compound": the common solid is a regular icosahedron) with
    // the tetrahedra's inradius 1/sqrt3, so its edge is 2/phi^2 (inradius
    // phi^2/(2 sqrt3) a, Wikipedia "Regular icosahedron") and V_5 = 5(3 +
    // sqrt5)/12 (2/phi^2)^3 = 70/3 - 10 sqrt5. V_2 = 5 sqrt5 - 29/3, V_3 = 7 -
    // 13/5 sqrt5, V_4 = 38/3 - 26/5 sqrt5, so V = 140 - 60 sqrt5.
    {24, (140 - 60 * kRoot5) / (3 * kRoot3), "compound of five tetrahedra"},
    // Five cubes, one of them |x|, |y|, |z| <= 1: V_1 = 8; V_5 is the rhombic
    // triacontahedron they share (MathWorld, "Cube 5-Compound"), inradius 1,
    // so its edge is sqrt(1 + phi^2)/phi^2 (Wikipedia, "Rhombic
    // triacontahedron": V = 4 sqrt(5 + 2 sqrt5) a^3, r = phi^2/sqrt(1 + phi^2)
    // a) and V_5 = 20 sqrt5 - 40. V_2 = 24 - 8 sqrt5, V_3 = 14 sqrt5 - 26,
    // V_4 = 4 sqrt5 - 4, so V = 220 sqrt5 - 480.
    {26, (220 * kRoot5 - 480) / (3 * kRoot3), "compound of five cubes"},
    // Five octahedra, each the dual of a cube above: one is |x| + |y| + |z|
    // <= 3, so R = 3, V_1 = 36. Each face plane (at 1/sqrt3 of R from the
    // centre, normal to a vertex of the dodecahedron) holds a face of two of
    // them, and the 20 planes bound an icosahedron of inradius sqrt3: V_5 =
    // 5(3 + sqrt5)/12 (6/phi^2)^3 = 630 - 270 sqrt5, and any four already
    // cut it out: V_4 = V_5. V_2 = 198 - 378/5 sqrt5, V_3 = 486 - 1026/5
    // sqrt5, so V = 540 - 216 sqrt5.
    {27, (540 - 216 * kRoot5) / 27, "compound of five octahedra"},
    // Icosidodecahedron of edge 1 and its dual rhombic triacontahedron at the
    // common midsphere: R = phi, midradius rho with rho^2 = R^2 - 1/4 = (5 +
    // 2 sqrt5)/4 (Wikipedia, "Icosidodecahedron"). Each rhombus lies in the
    // polar plane of a vertex, at rho^2/R from the centre; of the
    // icosidodecahedron only the 30 vertex caps lie beyond the triacontahedron,
    // each the pyramid over the vertex figure through the four edge midpoints
    // (a rectangle 1/2 by phi/2) of height R - rho^2/R = 1/(4R): 30 x 1/48.
    // The triacontahedron's inradius rho^2/R gives its edge a (V and r as for
    // the five cubes). The largest vertex is the triacontahedron's over a
    // pentagon: rho^2 over the pentagon's distance sqrt(R^2 - (5 + sqrt5)/10).
    {504,
     (4 * std::sqrt(5 + 2 * kRoot5) *
          std::pow((5 + 2 * kRoot5) / (4 * kPhi) * std::sqrt(1 + kPhi * kPhi) / (kPhi * kPhi), 3) +
      30.0 / 48) /
         std::pow((5 + 2 * kRoot5) / 4 / std::sqrt(kPhi * kPhi - (5 + kRoot5) / 10), 3),
     "compound of icosidodecahedron and rhombic triacontahedron"},
    // Rhombicuboctahedron of edge 1 and its dual deltoidal icositetrahedron at
    // the common midsphere, alike: R^2 = (5 + 2 sqrt2)/4 (Wikipedia,
    // "Rhombicuboctahedron"), rho^2 = R^2 - 1/4 = (2 + sqrt2)/2. The caps: 24
    // pyramids of height 1/(4R) over the vertex figure through the edge
    // midpoints, a quadrilateral in a circle with sides 1/2 (across the
    // triangle) and sqrt2/2 three times (across the squares), area by
    // Brahmagupta's formula. The kites: the dual's vertices are the poles of
    // the faces, rho^2/d over a face at distance d; every square lies at
    // (1 + sqrt2)/2 (its circle of radius 1/sqrt2 on the sphere R), so its pole
    // at sqrt2; the triangles at sqrt(R^2 - 1/3), poles at pt. The kite at
    // the vertex (1, 1, 1 + sqrt2)/2 joins the poles of the squares z, (y +
    // z)/sqrt2, (x + z)/sqrt2 and the triangle (x + y + z)/sqrt3: diagonals
    // sqrt2 (between the last two squares' poles) and |sqrt2 z - pt (1, 1,
    // 1)/sqrt3|, perpendicular, so its area is half their product, and the
    // dual is 24 pyramids of height rho^2/R over it. The largest vertex is a
    // square's pole, sqrt2.
    {505,
     [] {
         const double r = std::sqrt((5 + 2 * kRoot2) / 4);
         const double rho2 = (2 + kRoot2) / 2;
         const double half = (0.5 + 3 * kRoot2 / 2) / 2;  // Brahmagupta's half perimeter
         const double figure = std::sqrt((half - 0.5) * std::pow(half - kRoot2 / 2, 3));
         const double pt = rho2 / std::sqrt(r * r - 1.0 / 3);
         const double across = std::sqrt(2 + pt * pt - 2 * kRoot2 * pt / kRoot3);
         const double dual = 24 * (rho2 / r) * (kRoot2 * across / 2) / 3;
         return (dual + 24 * figure / (12 * r)) / std::pow(kRoot2, 3);
     }(),
     "compound of rhombicuboctahedron and deltoidal icositetrahedron"},
};

TEST(OuterSurface, EnclosedVolumesEqualClosedForms) {
    for (const VolumeRow& row : kVolumes) {
        const Solid solid = Built(row.figure);
        const OuterResult& result = OuterOf(row.figure);
        const std::string label = std::to_string(row.figure) + " (" + row.source + ")";
        ExpectPrintable(result, label);
        const double expected = row.volumeOverR3 * std::pow(Circumradius(solid), 3);
        EXPECT_NEAR(result.surface.volume / expected, 1.0, 1e-9) << label;
    }
}

// The closed forms of the compounds above, against their union worked out
// without the outer surface: inclusion and exclusion over the convex pieces,
// each common part cut out by face planes. The tetrahedron, cube and
// octahedron of the compounds of five and the solids they share are
// published, so this also checks the parts derived by hand.
TEST(OuterSurface, UnionOfConvexPiecesAgreesWithTheClosedForms) {
    const struct {
        ShapeId figure;
        size_t pieces;
    } compounds[] = {{24, 5}, {26, 5}, {27, 5}, {500, 2}, {501, 2}, {502, 2}, {503, 2}, {504, 2}, {505, 2}};
    for (const auto& compound : compounds) {
        const auto row = std::find_if(std::begin(kVolumes), std::end(kVolumes),
                                      [&](const VolumeRow& r) { return r.figure == compound.figure; });
        ASSERT_NE(row, std::end(kVolumes)) << compound.figure;
        const Solid solid = Built(compound.figure);
        const std::vector<testing::ConvexPiece> pieces = testing::ConvexPieces(solid);
        ASSERT_EQ(pieces.size(), compound.pieces) << compound.figure << " (" << row->source << ")";
        const double r = Circumradius(solid);
        EXPECT_NEAR(testing::UnionVolume(pieces, 2 * r) / (row->volumeOverR3 * r * r * r), 1.0, 1e-11)
            << compound.figure << " (" << row->source << ")";
    }
}

// Compounds of one regular solid: every face plane touches the insphere of
// radius r and the outside lies beyond each visible piece, so the enclosed
// volume is r S / 3 with S the outer area (V = 1/3 of the surface integral of
// x . n). The inradius over the circumradius: 1/3 for the tetrahedron, 1/sqrt3
// for the cube and the octahedron (Wikipedia, "Platonic solid"). Volume and
// area are summed apart, so a missed or doubled piece shows.
TEST(OuterSurface, CompoundsOfOneSolidEncloseOneThirdOfInradiusTimesArea) {
    struct Row {
        ShapeId figure;
        double inradiusOverR;
        const char* name;
    };
    const Row rows[] = {{24, 1.0 / 3, "five tetrahedra"},  {25, 1.0 / 3, "ten tetrahedra"},
                        {26, 1 / kRoot3, "five cubes"},     {27, 1 / kRoot3, "five octahedra"},
                        {500, 1.0 / 3, "two tetrahedra"}};
    for (const Row& row : rows) {
        const Solid solid = Built(row.figure);
        const OuterResult& result = OuterOf(row.figure);
        const std::string label = std::to_string(row.figure) + " (" + row.name + ")";
        ASSERT_TRUE(result.ok()) << label << ": " << result.detail;
        const double r = row.inradiusOverR * Circumradius(solid);
        EXPECT_NEAR(result.surface.volume / (r * result.surface.area / 3), 1.0, 1e-9) << label;
    }
}

// Stars, compounds and crossed faces: closed, outward, free of self-intersections;
// the stars' surfaces are exactly their visible triangles (60 each: 12 faces x 5 points).
// The compound of five cubes (26), the small rhombihexahedron (95), the
// compound 508 and the great icosahedron (in the volume table) have points that several faces
// are meant to share but reach a few units in the last place apart; the exact
// cut kept them apart, and the slivers between them folded once rounded.
TEST(OuterSurface, StarsAndCompoundsArePrintable) {
    struct Row {
        ShapeId figure;
        size_t triangles;  // 0: not checked
    };
    const Row rows[] = {{15, 60}, {18, 60}, {24, 0}, {27, 0}, {208, 0}, {26, 0}, {95, 0}, {508, 0}};
    for (const Row& row : rows) {
        const Solid solid = Built(row.figure);
        const OuterResult& result = OuterOf(row.figure);
        ExpectPrintable(result, std::to_string(row.figure));
        // Each triangle lies in the plane of the face it names; naming another
        // face is seen.
        const double tolerance = 1e-7 * Circumradius(solid);
        const OuterSurface& s = result.surface;
        EXPECT_EQ(TrianglesOffTheirFaces(solid, s.points, s.triangles, s.triangleFace, tolerance), 0) << row.figure;
        std::vector<int32_t> wrong = s.triangleFace;
        wrong[0] = (wrong[0] + 1) % static_cast<int32_t>(solid.faces.size());
        EXPECT_EQ(TrianglesOffTheirFaces(solid, s.points, s.triangles, wrong, tolerance), 1) << row.figure;
        if (row.triangles != 0) {
            EXPECT_EQ(result.surface.triangles.size(), row.triangles) << row.figure;
        }
        // What the faces enclose lies within the hull of the vertices' sphere.
        const double r = Circumradius(solid);
        EXPECT_LT(result.surface.volume, 4.0 / 3.0 * 3.14159265358979 * r * r * r) << row.figure;
    }
}

// Figures where making points a hair apart one folded pieces onto their
// neighbours: the walk met triangles from both sides, lost volume, and the
// exact cut was walked again and kept, slivers and all. Points whose move
// would turn or tilt a piece out of its plane now stay, so the snapped cut is
// walked in one pass and its surface is taken. It must be the exact cut's
// surface without the slivers: printable, in its faces' planes, enclosing the
// same volume with the same area (the flood below also checks what 25 and 118
// enclose).
TEST(OuterSurface, SnappingFoldsNoPieceOntoItsNeighbour) {
    for (const ShapeId figure : {22, 25, 107, 118, 119, 249}) {
        const std::string label = std::to_string(figure);
        const Solid solid = Built(figure);
        OuterOptions snapping;
        snapping.cutInDoubles = false;
        const OuterResult snapped = ComputeOuterSurface(solid, snapping);
        ExpectPrintable(snapped, label);
        EXPECT_TRUE(snapped.surface.snapped) << label;
        OuterOptions exactCut;
        exactCut.cutInDoubles = false;
        exactCut.snapClosePoints = false;
        const OuterResult exact = ComputeOuterSurface(solid, exactCut);
        ASSERT_TRUE(exact.ok()) << label;
        EXPECT_FALSE(exact.surface.snapped) << label;
        ExpectSameMeasures(snapped, exact, label);
        ExpectInTheirFacesPlanes(solid, snapped, label);
    }
}

// What the surface winds round, against a flood of a grid from outside that
// never crosses a face: an independent look, which found the compound of ten
// tetrahedra missing a tenth of its volume (a crossing of two coplanar faces'
// edges was put on one face's edge only, leaving a crack beside the other).
// Compounds whose faces share planes, crossed quadrilaterals (213), stars and
// figures whose faces cut each other in many places; the small
// rhombidodecahedron (118), where making points a hair apart one folded a
// piece onto its neighbour: the walk over that took only a fifth of the
// volume, closed and outward all the same, until the exact surface was kept
// for it (and now the snapping keeps every piece in its plane). The great
// pentagrammic hexecontahedron (266), whose faces' rings turn the same way at
// every corner but twice round: taken for convex and fanned, they filled more
// than the nonzero rule, and the surface enclosed points the flood reaches.
TEST(OuterSurface, EnclosesWhatAFloodFromOutsideCannotReach) {
    for (const ShapeId figure : {25, 90, 92, 93, 118, 123, 202, 213, 266}) {
        const Solid solid = Built(figure);
        const OuterResult result = ComputeOuterSurface(solid);
        ASSERT_TRUE(result.ok()) << figure << ": " << OuterRefusalText(result.refusal) << " " << result.detail;
        const testing::GridComparison grid = testing::CompareWithGrid(solid, result.surface, 40);
        EXPECT_TRUE(grid.agrees()) << figure << ": " << grid.surfaceTooLarge << " points too many, "
                                   << grid.surfaceTooSmall << " too few; first " << grid.firstFault;
        EXPECT_GT(grid.insideSurface, grid.points / 50) << figure;
    }
}

TEST(OuterSurface, TheSameSurfaceWhateverTheFaceOrientation) {
    // The walk never reads how faces are wound: reversing every face changes nothing.
    Solid solid = Built(21);
    const OuterResult plain = ComputeOuterSurface(solid);
    for (Face& face : solid.faces) std::reverse(face.corners.begin(), face.corners.end());
    const OuterResult reversed = ComputeOuterSurface(solid);
    ASSERT_TRUE(plain.ok() && reversed.ok());
    EXPECT_NEAR(reversed.surface.volume, plain.surface.volume, 1e-9 * plain.surface.volume);
    EXPECT_NEAR(reversed.surface.area, plain.surface.area, 1e-9 * plain.surface.area);
}

struct RefusalRow {
    ShapeId figure;
    OuterRefusal refusal;
};

TEST(OuterSurface, FiguresWithoutVolumeAreRefusedWithTheirReason) {
    const RefusalRow rows[] = {
        {201, OuterRefusal::ReachesInfinity},  // hemi duals: bands out to far points
        {220, OuterRefusal::ReachesInfinity},
        {268, OuterRefusal::ReachesInfinity},
        {409, OuterRefusal::Empty},
    };
    for (const RefusalRow& row : rows) {
        const OuterResult result = ComputeOuterSurface(Built(row.figure));
        EXPECT_EQ(result.refusal, row.refusal) << row.figure << ": " << result.detail;
        EXPECT_FALSE(OuterRefusalText(result.refusal).empty());
        EXPECT_TRUE(result.surface.triangles.empty());
    }
    Solid flat;  // one square: no volume
    flat.vertices = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}};
    Face square;
    square.corners = {0, 1, 2, 3};
    square.polygonSize = 4;
    square.polygonCount = 1;
    flat.faces = {square};
    EXPECT_EQ(ComputeOuterSurface(flat).refusal, OuterRefusal::NoVolume);

    Solid wire;
    wire.vertices = {{0, 0, 0}, {1, 0, 0}};
    wire.segments = {{0, 1}};
    EXPECT_EQ(ComputeOuterSurface(wire).refusal, OuterRefusal::OnlySegments);
}

TEST(OuterSurface, LimitsAndCancellationStopTheWork) {
    const Solid solid = Built(24);
    OuterOptions small;
    small.triangleLimit = 10;
    const OuterResult tooLarge = ComputeOuterSurface(solid, small);
    EXPECT_EQ(tooLarge.refusal, OuterRefusal::TooLarge);
    EXPECT_NE(tooLarge.detail.find("10"), std::string::npos) << "the message names the limit";

    std::atomic<bool> stop{true};
    OuterOptions cancelled;
    cancelled.cancel = &stop;
    EXPECT_EQ(ComputeOuterSurface(solid, cancelled).refusal, OuterRefusal::Cancelled);

    // A cancel that comes while the faces are being cut exactly stops the work there.
    std::atomic<bool> later{false};
    OuterOptions midway;
    midway.cutInDoubles = false;
    midway.cancel = &later;
    double lastProgress = 0.0;
    midway.progress = [&](double fraction) {
        lastProgress = fraction;
        if (fraction >= 0.5) later = true;
    };
    EXPECT_EQ(ComputeOuterSurface(solid, midway).refusal, OuterRefusal::Cancelled);
    EXPECT_LT(lastProgress, 0.9) << "the work went on past the cutting";
}

// The exact steps run on one thread at a time. Surfaces asked for from several
// threads at once are those asked for one by one, and a call called off while
// another thread has its turn gives up waiting.
TEST(OuterSurface, CallsFromSeveralThreadsTakeTurnsAndAgree) {
    const std::vector<ShapeId> figures = {21, 22, 23, 118};
    std::vector<OuterResult> together(figures.size());
    {
        std::vector<std::thread> threads;
        for (size_t i = 0; i < figures.size(); ++i) {
            threads.emplace_back([&, i] { together[i] = ComputeOuterSurface(Built(figures[i])); });
        }
        for (std::thread& t : threads) t.join();
    }
    for (size_t i = 0; i < figures.size(); ++i) {
        const OuterResult& alone = OuterOf(figures[i]);
        ASSERT_TRUE(together[i].ok()) << figures[i];
        EXPECT_TRUE(together[i].surface.points == alone.surface.points) << figures[i];
        EXPECT_EQ(together[i].surface.triangles, alone.surface.triangles) << figures[i];
        EXPECT_EQ(together[i].surface.volume, alone.surface.volume) << figures[i];
    }

    // 25's exact cut takes about a second; once it reports progress, it is cutting.
    std::atomic<bool> cutting{false};
    std::atomic<bool> holderDone{false};
    OuterOptions busy;
    busy.cutInDoubles = false;
    busy.progress = [&](double) { cutting = true; };
    std::thread holder([&] {
        ComputeOuterSurface(Built(25), busy);
        holderDone = true;
    });
    while (!cutting) std::this_thread::yield();
    std::atomic<bool> stop{false};
    OuterOptions waiting;
    waiting.cutInDoubles = false;
    waiting.cancel = &stop;
    OuterResult calledOff;
    std::thread caller([&] { calledOff = ComputeOuterSurface(Built(26), waiting); });
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    stop = true;
    caller.join();
    EXPECT_FALSE(holderDone) << "the waiting call gave up only when the other one ended";
    holder.join();
    EXPECT_EQ(calledOff.refusal, OuterRefusal::Cancelled);
}

TEST(OuterSurface, FractalCopiesAreJoinedIntoOneSolid) {
    // Level 1 of a fractal: one copy at every vertex; the surface encloses the
    // copies' union, which is no more than their volumes added up.
    const Solid solid = Built(449);
    ASSERT_GT(solid.fractalDepthMax, 0);
    const OuterResult copies = OuterAtLevel(solid, 1);
    ExpectPrintable(copies, "449 at level 1");
    const OuterResult whole = ComputeOuterSurface(solid);
    ASSERT_TRUE(whole.ok());
    const double oneCopy = whole.surface.volume * std::pow(solid.fractalRatio, 3);
    EXPECT_LE(copies.surface.volume, oneCopy * static_cast<double>(solid.vertices.size()) * (1 + 1e-9));
    EXPECT_GE(copies.surface.volume, oneCopy * (1 - 1e-9));
}

// Copies that meet only at points are shells of their own, each found from
// outside: the Sierpinski tetrahedron keeps half its volume at each level (4
// copies at half the size), which the walk from one seed alone missed,
// giving one copy of four.
TEST(OuterSurface, EveryShellApartIsFound) {
    const Solid solid = Built(440);
    ASSERT_GT(solid.fractalDepthMax, 1);
    ASSERT_DOUBLE_EQ(solid.fractalRatio, 0.5);
    const OuterResult whole = ComputeOuterSurface(solid);
    ASSERT_TRUE(whole.ok());
    for (int level = 1; level <= 2; ++level) {
        const OuterResult copies = OuterAtLevel(solid, level);
        ExpectPrintable(copies, "440 at level " + std::to_string(level));
        EXPECT_EQ(copies.surface.shells, level == 1 ? 4 : 16);
        EXPECT_NEAR(copies.surface.volume / whole.surface.volume, std::pow(0.5, level), 1e-9) << level;
    }
}

// Copies deep inside a fractal, with copies all round them, are shells of
// their own too. Each ray aimed at such a copy met a copy walked already
// first, and the copy was left out as hidden: level 2 of the cuboctahedron's
// fractal had 143 shells of 144 and of the rhombic dodecahedron's 194 of 196
// (the cut in doubles lost more). Their copies meet only at points and edges,
// so every level holds k times ratio^3 the volume of the one before, where k
// is the number of copies (12 and 14: the figure's vertices).
TEST(OuterSurface, ShellsSurroundedByOtherShellsAreFound) {
    for (const ShapeId figure : {445, 447}) {
        const Solid solid = Built(figure);
        ASSERT_GT(solid.fractalDepthMax, 1);
        const double copies = static_cast<double>(solid.vertices.size());
        const double step = copies * std::pow(solid.fractalRatio, 3);
        for (const bool inDoubles : {true, false}) {
            double volume = ComputeOuterSurface(solid).surface.volume;
            for (int level = 1; level <= 2; ++level) {
                const std::string label = std::to_string(figure) + " at level " + std::to_string(level) +
                                          (inDoubles ? ", cut in doubles" : ", exact cut");
                OuterOptions options;
                options.fractalLevel = level;
                options.cutInDoubles = inDoubles;
                const OuterResult result = ComputeOuterSurface(solid, options);
                ExpectPrintable(result, label);
                EXPECT_EQ(result.surface.shells, static_cast<int32_t>(std::pow(copies, level))) << label;
                EXPECT_NEAR(result.surface.volume / (step * volume), 1.0, 1e-9) << label;
                volume = result.surface.volume;
            }
        }
    }
}

// The cut in doubles is taken where its surface passes every check; it must
// then be the surface the exact cut gives, to the rounding of its points:
// convex figures, stars, faces crossing in many places, a hemi-polyhedron,
// compounds, and copies touching at points in a fractal.
TEST(OuterSurface, TheCutInDoublesAgreesWithTheExactCut) {
    const std::pair<ShapeId, int> cases[] = {{21, 0},  {44, 0},  {61, 0},  {107, 0}, {118, 0},
                                             {249, 0}, {500, 0}, {501, 0}, {443, 2}};
    for (const auto& [figure, level] : cases) {
        const std::string label = std::to_string(figure) + " at level " + std::to_string(level);
        const Solid solid = Built(figure);
        OuterOptions options;
        options.fractalLevel = level;
        const OuterResult quick = ComputeOuterSurface(solid, options);
        ExpectPrintable(quick, label);
        EXPECT_TRUE(quick.surface.cutInDoubles) << label;
        options.cutInDoubles = false;
        const OuterResult exact = ComputeOuterSurface(solid, options);
        ExpectPrintable(exact, label + ", exact");
        EXPECT_FALSE(exact.surface.cutInDoubles) << label;
        ExpectSameMeasures(quick, exact, label);
        EXPECT_EQ(quick.surface.shells, exact.surface.shells) << label;
        if (level == 0) ExpectInTheirFacesPlanes(solid, quick, label);
    }
}

// Shells that touch along a whole edge, and only there: each comes out closed
// on its own copy of the edge. The dodecahedron's fractal at level 1 (copies
// at 1/(2 + phi) of the size, neighbours meeting edge to edge) had the walk
// pair each triangle at such an edge with the other copy's, leaving 60 edges
// with two triangles each way. Two unit cubes sharing one edge alike.
TEST(OuterSurface, ShellsTouchingAlongAnEdgeAreEachClosed) {
    Solid cubes;
    for (const double shift : {0.0, 1.0}) {
        const auto first = static_cast<int32_t>(cubes.vertices.size());
        for (int i = 0; i < 8; ++i) {
            cubes.vertices.push_back({(i & 1) + shift, ((i >> 1) & 1) + shift, static_cast<double>((i >> 2) & 1)});
        }
        const int32_t quads[6][4] = {{0, 2, 3, 1}, {4, 5, 7, 6}, {0, 1, 5, 4}, {2, 6, 7, 3}, {0, 4, 6, 2}, {1, 3, 7, 5}};
        for (const auto& quad : quads) {
            Face face;
            for (const int32_t c : quad) face.corners.push_back(first + c);
            face.polygonSize = 4;
            face.polygonCount = 1;
            cubes.faces.push_back(face);
        }
    }
    // Both copies of the shared edge (1, 1, z) are listed, as the builders do.
    const OuterResult two = ComputeOuterSurface(cubes);
    ExpectPrintable(two, "two cubes sharing an edge");
    EXPECT_EQ(two.surface.shells, 2);
    EXPECT_NEAR(two.surface.volume, 2.0, 1e-12);

    const Solid flake = Built(443);
    ASSERT_GT(flake.fractalDepthMax, 0);
    const OuterResult copies = OuterAtLevel(flake, 1);
    ExpectPrintable(copies, "443 at level 1");
    EXPECT_EQ(copies.surface.shells, 20);
    // The copies meet only along edges: their volumes add up.
    const OuterResult& whole = OuterOf(443);
    ASSERT_TRUE(whole.ok());
    EXPECT_NEAR(copies.surface.volume / (20 * std::pow(flake.fractalRatio, 3) * whole.surface.volume), 1.0, 1e-9);
}

TEST(SurfaceCheck, FindsOpenEdgesPinchedPointsAndInwardSurfaces) {
    // A tetrahedron, outward.
    const std::vector<Vec3> p = {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    std::vector<std::array<int32_t, 3>> t = {{0, 2, 1}, {0, 1, 3}, {0, 3, 2}, {1, 2, 3}};
    SurfaceCheck check = CheckSurface(p, t);
    EXPECT_TRUE(check.closed && check.manifold && check.outward);

    auto inward = t;
    for (auto& tri : inward) std::swap(tri[1], tri[2]);
    EXPECT_FALSE(CheckSurface(p, inward).outward);

    auto open = t;
    open.pop_back();
    check = CheckSurface(p, open);
    EXPECT_FALSE(check.closed);
    EXPECT_EQ(check.badEdges, 3);

    // Two tetrahedra sharing one point: closed, but pinched there.
    std::vector<Vec3> q = p;
    for (const Vec3& v : p) q.push_back(Vec3{-v.x, -v.y, -v.z});
    auto twice = t;
    for (const auto& tri : t) twice.push_back({tri[0] == 0 ? 0 : tri[0] + 4, tri[1] == 0 ? 0 : tri[1] + 4,
                                               tri[2] == 0 ? 0 : tri[2] + 4});
    check = CheckSurface(q, twice);
    EXPECT_TRUE(check.closed);
    EXPECT_FALSE(check.manifold);
    EXPECT_EQ(check.badPoints, 1);
}

}  // namespace
}  // namespace gyro
