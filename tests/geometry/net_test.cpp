// Paper nets: every net is checked against the outer surface it came from.
// The normal run takes a table of figures; GYRO_NET_SWEEP=1 takes every figure
// whose outer surface exists and prints the time of each.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <iostream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "catalog/catalogue.h"
#include "geometry/net.h"
#include "geometry/outer_surface.h"
#include "model/solid.h"
#include "state/dispatcher.h"
#include "support/figure_table.h"

namespace gyro {
namespace {

Solid Built(ShapeId figure) {
    Solid solid;
    InitSolid(solid);
    BuildFigure(solid, figure);
    return solid;
}

Vec2 At(const NetFace& f, int32_t point) {
    const auto it = std::lower_bound(f.points.begin(), f.points.end(), point);
    return f.at[static_cast<size_t>(it - f.points.begin())];
}

double Distance(Vec2 a, Vec2 b) { return std::hypot(a.x - b.x, a.y - b.y); }

Vec3 Rotate(Vec3 v, Vec3 axis, double angle) {  // Rodrigues, unit axis
    return v * std::cos(angle) + Cross(axis, v) * std::sin(angle) + axis * (Dot(axis, v) * (1 - std::cos(angle)));
}

struct Rigid {  // x -> r(x) + t, r given by its columns
    Vec3 c0{1, 0, 0}, c1{0, 1, 0}, c2{0, 0, 1}, t{};
    Vec3 Turn(Vec3 v) const { return c0 * v.x + c1 * v.y + c2 * v.z; }
    Vec3 Apply(Vec3 v) const { return Turn(v) + t; }
    Vec3 TurnBack(Vec3 v) const { return {Dot(c0, v), Dot(c1, v), Dot(c2, v)}; }
};

// Every fact a net must show about the surface it came from; failures are
// reported as test failures. `foldMiss`, when given, takes the largest miss of
// a corner folded back, as a part of the figure's size.
void CheckNet(const OuterSurface& s, const Net& net, const std::string& what, double* foldMiss = nullptr) {
    SCOPED_TRACE(what);
    double size = 0;
    for (const Vec3 p : s.points) size = std::max(size, Length(p - s.points[0]));

    // Each surface edge between two net faces: a fold inside one piece, or a
    // numbered cut whose two sides have the same length on paper.
    std::map<std::pair<int32_t, int32_t>, int32_t> faceOfHalfEdge;
    for (size_t f = 0; f < net.faces.size(); ++f) {
        for (const auto& t : net.faces[f].triangles) {
            for (int k = 0; k < 3; ++k) {
                faceOfHalfEdge[{net.faces[f].points[static_cast<size_t>(t[static_cast<size_t>(k)])],
                                net.faces[f].points[static_cast<size_t>(t[static_cast<size_t>((k + 1) % 3)])]}] =
                    static_cast<int32_t>(f);
            }
        }
    }
    ASSERT_EQ(faceOfHalfEdge.size(), 3 * s.triangles.size()) << "every surface triangle in exactly one face";
    std::map<std::pair<int32_t, int32_t>, const NetEdge*> edgeOfPair;
    for (const NetEdge& e : net.edges) edgeOfPair[{e.a, e.b}] = &e;
    std::set<int32_t> labels;
    for (const NetEdge& e : net.edges) {
        for (const NetChain& c : e.chains) {
            if (e.line == NetLine::Cut) {
                EXPECT_GT(c.label, 0);
                EXPECT_TRUE(labels.insert(c.label).second) << "cut number " << c.label << " twice";
            }
        }
    }
    // Lengths on paper agree to 1e-9 of the net's size.
    const double paperSize = size * net.mmPerUnit;
    int64_t crossings = 0;
    for (const auto& [key, fa] : faceOfHalfEdge) {
        const auto twin = faceOfHalfEdge.find({key.second, key.first});
        ASSERT_NE(twin, faceOfHalfEdge.end()) << "the surface is closed";
        const int32_t fb = twin->second;
        if (fa == fb || fa > fb) continue;
        ++crossings;
        const auto it = edgeOfPair.find({fa, fb});
        ASSERT_NE(it, edgeOfPair.end());
        const NetEdge& e = *it->second;
        ASSERT_TRUE(std::find(e.segments.begin(), e.segments.end(), std::array<int32_t, 2>{key.first, key.second}) !=
                    e.segments.end());
        const NetFace& A = net.faces[static_cast<size_t>(fa)];
        const NetFace& B = net.faces[static_cast<size_t>(fb)];
        const double lenA = Distance(At(A, key.first), At(A, key.second));
        const double lenB = Distance(At(B, key.first), At(B, key.second));
        EXPECT_NEAR(lenA, lenB, 1e-9 * paperSize) << "a side of a cut or fold changed its length";
        if (e.line != NetLine::Cut) {
            EXPECT_EQ(A.piece, B.piece);
            EXPECT_TRUE(A.parent == fb || B.parent == fa) << "a fold is a hinge of the tree";
            // A fold's two sides are one line on paper.
            EXPECT_LE(Distance(At(A, key.first), At(B, key.first)), 1e-9 * paperSize);
            EXPECT_LE(Distance(At(A, key.second), At(B, key.second)), 1e-9 * paperSize);
        }
    }
    EXPECT_EQ(static_cast<size_t>(crossings), [&] {
        size_t n = 0;
        for (const NetEdge& e : net.edges) n += e.segments.size();
        return n;
    }());

    // Folding back: from the paper, each piece's first face is laid on its
    // place in the model, then each face turns about its hinge by the angle
    // between the faces; every corner must reach its own point.
    for (const NetPiece& piece : net.pieces) {
        const NetFace& root = net.faces[static_cast<size_t>(piece.faces[0])];
        // The root's longest side fixes where the page goes in the model.
        int32_t p0 = root.points[0], p1 = root.points[1];
        for (const auto& t : root.triangles) {
            for (int k = 0; k < 3; ++k) {
                const int32_t a = root.points[static_cast<size_t>(t[static_cast<size_t>(k)])];
                const int32_t b = root.points[static_cast<size_t>(t[static_cast<size_t>((k + 1) % 3)])];
                if (Distance(At(root, a), At(root, b)) > Distance(At(root, p0), At(root, p1))) {
                    p0 = a;
                    p1 = b;
                }
            }
        }
        const Vec3 P0 = s.points[static_cast<size_t>(p0)];
        const Vec3 e1 = (s.points[static_cast<size_t>(p1)] - P0) / Length(s.points[static_cast<size_t>(p1)] - P0);
        const Vec3 e2 = Cross(root.normal, e1);
        // Page y runs down: (x, -y) is the face seen from outside.
        const Vec2 q0 = At(root, p0), q1 = At(root, p1);
        const double k = Length(s.points[static_cast<size_t>(p1)] - P0) / Distance(q0, q1);
        const Vec2 d{(q1.x - q0.x) / Distance(q0, q1), -(q1.y - q0.y) / Distance(q0, q1)};
        const auto lay = [&](Vec2 q) {
            const Vec2 w{(q.x - q0.x) * k, -(q.y - q0.y) * k};
            return P0 + e1 * (w.x * d.x + w.y * d.y) + e2 * (-w.x * d.y + w.y * d.x);
        };
        std::map<int32_t, Rigid> placed;  // by face: flat (laid) -> model
        for (const int32_t f : piece.faces) {
            const NetFace& face = net.faces[static_cast<size_t>(f)];
            Rigid m;
            if (face.parent >= 0) {
                ASSERT_TRUE(placed.count(face.parent)) << "a face comes after its parent";
                const Rigid& up = placed[face.parent];
                const NetEdge& hinge = net.edges[static_cast<size_t>(face.parentEdge)];
                // The hinge's longest segment gives its line best.
                std::array<int32_t, 2> seg = hinge.segments[0];
                for (const auto& other : hinge.segments) {
                    if (Distance(At(face, other[0]), At(face, other[1])) > Distance(At(face, seg[0]), At(face, seg[1]))) {
                        seg = other;
                    }
                }
                const Vec3 h0 = lay(At(face, seg[0]));
                const Vec3 h1 = lay(At(face, seg[1]));
                const Vec3 axis = (h1 - h0) / Length(h1 - h0);
                const Vec3 target = up.TurnBack(face.normal);  // the face's normal in the flat frame
                const double angle = std::atan2(Dot(Cross(root.normal, target), axis), Dot(root.normal, target));
                Rigid turn;  // about the hinge line through h0
                turn.c0 = Rotate({1, 0, 0}, axis, angle);
                turn.c1 = Rotate({0, 1, 0}, axis, angle);
                turn.c2 = Rotate({0, 0, 1}, axis, angle);
                turn.t = h0 - turn.Turn(h0);
                m.c0 = up.Turn(turn.c0);
                m.c1 = up.Turn(turn.c1);
                m.c2 = up.Turn(turn.c2);
                m.t = up.Apply(turn.t);
            }
            placed[f] = m;
            for (size_t i = 0; i < face.points.size(); ++i) {
                const Vec3 folded = m.Apply(lay(face.at[i]));
                const double miss = Length(folded - s.points[static_cast<size_t>(face.points[i])]);
                if (foldMiss != nullptr) *foldMiss = std::max(*foldMiss, miss / size);
                ASSERT_LE(miss, 1e-9 * size) << "face " << f << " corner " << face.points[i] << " folds back "
                                             << miss << " off";
            }
        }
    }

    // Paper: no two faces or tabs of a page overlap, all within the margins.
    struct Tri {
        std::array<Vec2, 3> p;
        int32_t page;
        double x0, x1;
        int32_t owner = 0;  // face, or -1 - tab
        bool thin = false;  // thinner than 1e-9 of the net's size
    };
    std::vector<Tri> tris;
    const auto add = [&](std::array<Vec2, 3> p, int32_t page, int32_t owner) {
        const double twiceArea = std::abs((p[1].x - p[0].x) * (p[2].y - p[0].y) - (p[1].y - p[0].y) * (p[2].x - p[0].x));
        const double longest = std::max({Distance(p[0], p[1]), Distance(p[1], p[2]), Distance(p[2], p[0])});
        tris.push_back({p, page, std::min({p[0].x, p[1].x, p[2].x}), std::max({p[0].x, p[1].x, p[2].x}), owner,
                        !(twiceArea > 1e-9 * paperSize * longest)});
    };
    for (const NetFace& f : net.faces) {
        for (const auto& t : f.triangles) {
            add({f.at[static_cast<size_t>(t[0])], f.at[static_cast<size_t>(t[1])], f.at[static_cast<size_t>(t[2])]},
                net.pieces[static_cast<size_t>(f.piece)].page, static_cast<int32_t>(&f - net.faces.data()));
        }
    }
    for (const NetTab& tab : net.tabs) {
        for (size_t i = 1; i + 1 < tab.corners.size(); ++i) {
            add({tab.corners[0], tab.corners[i], tab.corners[i + 1]},
                net.pieces[static_cast<size_t>(net.faces[static_cast<size_t>(tab.face)].piece)].page,
                static_cast<int32_t>(-1 - (&tab - net.tabs.data())));
        }
    }
    const double left = net.marginMm, right = net.page.width - net.marginMm;
    const double top = net.marginMm + kNetHeaderMm, bottom = net.page.height - net.marginMm;
    for (const Tri& t : tris) {
        for (const Vec2 p : t.p) {
            ASSERT_TRUE(p.x >= left && p.x <= right && p.y >= top && p.y <= bottom)
                << "(" << p.x << ", " << p.y << ") outside the printable area";
        }
        ASSERT_TRUE(t.page >= 0 && t.page < net.pages);
    }
    std::sort(tris.begin(), tris.end(), [](const Tri& a, const Tri& b) { return a.x0 < b.x0; });
    int64_t overlaps = 0;
    for (size_t i = 0; i < tris.size(); ++i) {
        for (size_t j = i + 1; j < tris.size() && tris[j].x0 < tris[i].x1; ++j) {
            // One face prints as the outline of its triangles: a sliver the
            // surface keeps inside it changes nothing that can be cut or seen.
            if (tris[i].owner == tris[j].owner && tris[i].owner >= 0 && (tris[i].thin || tris[j].thin)) continue;
            if (tris[i].page == tris[j].page && TriangleInteriorsMeet(tris[i].p, tris[j].p)) {
                ++overlaps;
                if (std::getenv("NET_DEBUG")) {
                    std::cout << "overlap " << tris[i].owner << " " << tris[j].owner << ":";
                    for (const auto& t : {tris[i], tris[j]}) {
                        for (const Vec2 p : t.p) std::printf(" (%.17g, %.17g)", p.x, p.y);
                        std::cout << " |";
                    }
                    std::cout << "\n";
                }
            }
        }
    }
    EXPECT_EQ(overlaps, 0) << "overlapping triangles on paper";
}

struct NetRow {
    ShapeId figure;
    int32_t faces;  // the outer surface's planar faces (-1: not checked)
    const char* what;
};

// Face counts: the visible parts of the faces, as seen on the solids.
const NetRow kRows[] = {
    {5, 6, "cube"},
    {18, 60, "small stellated dodecahedron: 12 pentagrams, 5 points each"},
    {21, 60, "great dodecahedron: 12 pentagons, 5 visible wedges each"},
    {15, 60, "great stellated dodecahedron: 20 triangles, 3 visible parts each"},
    {22, 180, "great icosahedron: 20 triangles, 9 visible parts each"},
    {24, 60, "compound of five tetrahedra: 20 triangles, 3 visible parts each"},
    {391, 20, "J92: 13 triangles, 3 squares, 3 pentagons, a hexagon"},
    {26, -1, "compound of five cubes"},
};

TEST(Net, EveryEdgeFoldsOrGluesAndNothingOverlaps) {
    for (const NetRow& row : kRows) {
        SCOPED_TRACE(row.what);
        const OuterResult outer = ComputeOuterSurface(Built(row.figure));
        ASSERT_TRUE(outer.ok()) << OuterRefusalText(outer.refusal);
        const Solid solid = Built(row.figure);
        const NetResult made = MakeNet(outer.surface, LongestFaceEdge(solid));
        ASSERT_TRUE(made.ok) << made.message;
        if (row.faces >= 0) {
            EXPECT_EQ(static_cast<int32_t>(made.net.faces.size()), row.faces);
        }
        CheckNet(outer.surface, made.net, row.what);
        // The same again, on Letter, without tabs and at a given size.
        NetOptions options;
        options.page = NetPage::Letter;
        options.tabs = false;
        options.edgeMm = made.net.edgeMm * 0.5;
        const NetResult small = MakeNet(outer.surface, LongestFaceEdge(solid), options);
        ASSERT_TRUE(small.ok) << small.message;
        EXPECT_TRUE(small.net.tabs.empty());
        EXPECT_DOUBLE_EQ(small.net.edgeMm, made.net.edgeMm * 0.5);
        CheckNet(outer.surface, small.net, std::string(row.what) + ", letter, no tabs");
    }
}

// A cube with one corner cut off by a triangle a millionth of its size: its
// sides are too short to fold about (on paper a point, whose line the page's
// rounding decides; figure 37 folded back to NaN about such a hinge), so the
// triangle is a piece of its own, cut all round.
TEST(Net, AHingeTooShortToFoldIsCut) {
    const double t = 2e-6;
    Solid solid;
    solid.vertices = {{-1, -1, -1}, {1, -1, -1}, {1, 1, -1}, {-1, 1, -1}, {-1, -1, 1}, {1, -1, 1},
                      {1 - t, 1, 1}, {1, 1 - t, 1}, {1, 1, 1 - t}, {-1, 1, 1}};
    const auto face = [](std::vector<int32_t> corners) {
        Face f;
        f.polygonSize = static_cast<int32_t>(corners.size());
        f.polygonCount = 1;
        f.corners = std::move(corners);
        return f;
    };
    solid.faces = {face({0, 3, 2, 1}),    face({4, 5, 7, 6, 9}), face({0, 1, 5, 4}), face({3, 9, 6, 8, 2}),
                   face({0, 4, 9, 3}),    face({1, 2, 8, 7, 5}), face({6, 7, 8})};
    const OuterResult outer = ComputeOuterSurface(solid);
    ASSERT_TRUE(outer.ok()) << OuterRefusalText(outer.refusal) << " " << outer.detail;
    const NetResult made = MakeNet(outer.surface, LongestFaceEdge(solid));
    ASSERT_TRUE(made.ok) << made.message;
    ASSERT_EQ(made.net.faces.size(), 7u);
    CheckNet(outer.surface, made.net, "cube with a tiny corner cut off");
    int32_t tiny = -1;
    for (size_t f = 0; f < made.net.faces.size(); ++f) {
        if (made.net.faces[f].points.size() == 3) tiny = static_cast<int32_t>(f);
    }
    ASSERT_GE(tiny, 0);
    EXPECT_EQ(made.net.pieces.size(), 2u);
    for (const NetEdge& e : made.net.edges) {
        if (e.a == tiny || e.b == tiny) {
            EXPECT_EQ(e.line, NetLine::Cut);
        }
    }
}

// A face the surface meets from both sides, here the two sides of a wall
// without thickness standing in the plane x = 0 with one label: each side is
// a net face of its own, seen from outside, and the two fold flat onto each
// other about their shared side. In the second wall, side 0-1-2 meets the
// other side (0-2-3, 0-3-1) along 1-2 across a sliver whose corner 3 lies on
// that edge: its normal is nothing, so it must not join the two sides.
TEST(Net, AFaceMetFromBothSidesGivesANetFaceForEachSide) {
    struct Wall {
        std::vector<Vec3> points;
        std::vector<std::array<int32_t, 3>> triangles;
        const char* what;
    };
    const Wall walls[] = {
        {{{0, 0, 0}, {0, 2, 0}, {0, 0.5, 1.5}}, {{0, 1, 2}, {0, 2, 1}}, "a wall without thickness"},
        {{{0, 0, 0}, {0, 2, 0}, {0, 0.5, 1.5}, {0, 1.25, 0.75}},
         {{0, 1, 2}, {2, 1, 3}, {0, 2, 3}, {0, 3, 1}},
         "a wall with a sliver between its sides"},
    };
    for (const Wall& w : walls) {
        OuterSurface wall;
        wall.points = w.points;
        wall.triangles = w.triangles;
        wall.triangleFace.assign(w.triangles.size(), 0);
        const NetResult made = MakeNet(wall, 2.0);
        ASSERT_TRUE(made.ok) << w.what << ": " << made.message;
        ASSERT_EQ(made.net.faces.size(), 2u) << w.what;
        EXPECT_LT(Dot(made.net.faces[0].normal, made.net.faces[1].normal), -0.999) << w.what;
        CheckNet(wall, made.net, w.what);
    }
}

TEST(Net, ConvexSolidsUnfoldInOnePieceWithTabsOnEveryCut) {
    for (const ShapeId figure : {ShapeId{5}, ShapeId{391}}) {
        const OuterResult outer = ComputeOuterSurface(Built(figure));
        ASSERT_TRUE(outer.ok());
        const NetResult made = MakeNet(outer.surface, LongestFaceEdge(Built(figure)));
        ASSERT_TRUE(made.ok);
        EXPECT_EQ(made.net.pieces.size(), 1u) << figure;
        EXPECT_EQ(made.net.missingTabs, 0) << figure;
        int32_t cuts = 0;
        for (const NetEdge& e : made.net.edges) cuts += e.line == NetLine::Cut ? static_cast<int32_t>(e.chains.size()) : 0;
        EXPECT_EQ(static_cast<int32_t>(made.net.tabs.size()), cuts);
        // A tree on F faces has F - 1 hinges.
        int32_t folds = 0;
        for (const NetEdge& e : made.net.edges) folds += e.line != NetLine::Cut ? 1 : 0;
        EXPECT_EQ(folds, static_cast<int32_t>(made.net.faces.size()) - 1);
    }
}

TEST(Net, AnEdgeTooLongForThePageIsRefusedWithTheLargestThatFits) {
    const OuterResult outer = ComputeOuterSurface(Built(5));
    ASSERT_TRUE(outer.ok());
    const double edge = LongestFaceEdge(Built(5));
    const NetResult fits = MakeNet(outer.surface, edge);
    ASSERT_TRUE(fits.ok);
    NetOptions options;
    options.edgeMm = fits.net.edgeMm * 3;
    const NetResult refused = MakeNet(outer.surface, edge, options);
    EXPECT_FALSE(refused.ok);
    EXPECT_NE(refused.message.find("does not fit"), std::string::npos) << refused.message;
    // A3 takes a larger net than A4.
    options.edgeMm = 0;
    options.page = NetPage::A3;
    const NetResult a3 = MakeNet(outer.surface, edge, options);
    ASSERT_TRUE(a3.ok);
    EXPECT_GT(a3.net.edgeMm, fits.net.edgeMm);
}

TEST(Net, ExactPredicatesTellTouchingFromOverlapping) {
    struct Case {
        std::array<Vec2, 3> s, t;
        bool meet;
        const char* what;
    };
    const Case cases[] = {
        {{{{0, 0}, {1, 0}, {0, 1}}}, {{{1, 0}, {0, 1}, {1, 1}}}, false, "sharing an edge"},
        {{{{0, 0}, {1, 0}, {0, 1}}}, {{{1, 0}, {2, 0}, {1, 1}}}, false, "sharing a corner"},
        {{{{0, 0}, {1, 0}, {0, 1}}}, {{{0.5, 0.5}, {1, 1}, {0.4, 1}}}, false, "a corner on the other's side"},
        {{{{0, 0}, {1, 0}, {0, 1}}}, {{{0.5, std::nextafter(0.5, 0.0)}, {1, 1}, {0.4, 1}}}, true, "that corner a hair inside"},
        {{{{0, 0}, {1, 0}, {0, 1}}}, {{{0.1, 0.1}, {0.2, 0.1}, {0.1, 0.2}}}, true, "one inside the other"},
        {{{{0, 0}, {1, 0}, {0, 1}}}, {{{0, 0}, {0, 1}, {1, 0}}}, true, "the same, turned the other way"},
        {{{{0, 0}, {1, 0}, {2, 0}}}, {{{0, -1}, {1, 1}, {2, -1}}}, false, "no area"},
        {{{{0, 0}, {3, 0}, {0, 3}}}, {{{1, -1}, {2, -1}, {1.5, 5}}}, true, "crossing without corners inside"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TriangleInteriorsMeet(c.s, c.t), c.meet) << c.what;
        EXPECT_EQ(TriangleInteriorsMeet(c.t, c.s), c.meet) << c.what;
    }
    // The nearest double above a point on the line is seen on its side.
    const Vec2 a{0.1, 0.1}, b{0.7, 0.7};
    const Vec2 on{0.3, 0.3};
    EXPECT_EQ(Orient2d(a, b, on), 0);
    EXPECT_EQ(Orient2d(a, b, {0.3, std::nextafter(0.3, 1.0)}), 1);
    EXPECT_EQ(Orient2d(a, b, {0.3, std::nextafter(0.3, 0.0)}), -1);
}

TEST(Net, RefusedFiguresGiveTheOuterSurfacesReason) {
    // An empty solid has no outer surface.
    const Solid empty;
    const NetResult result = MakeFigureNet(empty, 0);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message.rfind(OuterRefusalText(ComputeOuterSurface(empty).refusal), 0), 0u) << result.message;
}

TEST(Net, SweepOverEveryFigure) {
    if (std::getenv("GYRO_NET_SWEEP") == nullptr) GTEST_SKIP() << "set GYRO_NET_SWEEP=1 to unfold every figure";
    double slowest = 0;
    ShapeId slowestFigure = 0;
    const char* from = std::getenv("GYRO_NET_SWEEP_FROM");  // a figure number to start from
    const std::vector<ShapeId> onlyThese = test::FiguresNamedIn("GYRO_NET_SWEEP_ONLY");
    for (const FigureInfo& info : AllFigures()) {
        if (from != nullptr && info.number < std::atoi(from)) continue;
        if (!onlyThese.empty() && std::find(onlyThese.begin(), onlyThese.end(), info.number) == onlyThese.end()) continue;
        const Solid solid = Built(info.number);
        const auto start = std::chrono::steady_clock::now();
        const OuterResult outer = ComputeOuterSurface(solid);
        const auto mid = std::chrono::steady_clock::now();
        if (!outer.ok()) continue;
        const NetResult made = MakeNet(outer.surface, LongestFaceEdge(solid));
        const auto end = std::chrono::steady_clock::now();
        const double outerMs = std::chrono::duration<double, std::milli>(mid - start).count();
        const double netMs = std::chrono::duration<double, std::milli>(end - mid).count();
        std::cout << info.number << "\t" << made.net.faces.size() << " faces\t" << made.net.pieces.size() << " pieces\t"
                  << made.net.pages << " pages\touter " << outerMs << " ms\tnet " << netMs << " ms\n";
        if (outerMs + netMs > slowest) {
            slowest = outerMs + netMs;
            slowestFigure = info.number;
        }
        EXPECT_TRUE(made.ok) << info.number << ": " << made.message;
        double foldMiss = 0;
        if (made.ok) CheckNet(outer.surface, made.net, "figure " + std::to_string(info.number), &foldMiss);
        std::cout << info.number << "\tfolds back to " << foldMiss << " of its size\n";
    }
    std::cout << "slowest: figure " << slowestFigure << ", " << slowest << " ms\n";
}

}  // namespace
}  // namespace gyro
