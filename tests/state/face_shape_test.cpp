#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "catalog/catalogue.h"
#include "model/face_shape.h"
#include "model/solid_ops.h"
#include "state/app_state.h"
#include "state/dispatcher.h"

namespace gyro {
namespace {

Vec3 At(const Solid& s, const Face& f, int32_t i) { return s.vertices[f.corners[i % f.polygonSize]]; }

// The normal the renderer takes from a face's first three distinct corners.
Vec3 StartTurn(const Solid& s, const Face& f) {
    const int32_t n = f.polygonSize;
    int32_t i1 = 1;
    while (i1 < n && At(s, f, i1) == At(s, f, 0)) ++i1;
    int32_t i2 = i1 + 1;
    while (i2 < n && At(s, f, i2) == At(s, f, i1)) ++i2;
    if (i2 >= n) return {};
    return Cross(At(s, f, 0) - At(s, f, i1), At(s, f, i2) - At(s, f, i1));
}

// Twice the area, along the outward normal of a face wound the usual way.
Vec3 Area(const Solid& s, const Face& f) {
    Vec3 sum;
    for (int32_t i = 1; i + 1 < f.polygonSize; ++i) sum = sum - Cross(At(s, f, i) - At(s, f, 0), At(s, f, i + 1) - At(s, f, 0));
    return sum;
}

bool Concave(const Solid& s, const Face& f, Vec3 area) {
    for (int32_t i = 0; i < f.polygonSize; ++i) {
        const Vec3 turn = Cross(At(s, f, i + f.polygonSize - 1) - At(s, f, i), At(s, f, i + 1) - At(s, f, i));
        if (Dot(turn, area) < 0) return true;
    }
    return false;
}

// A concave face that starts at a reflex corner would be drawn and lit inside
// out: after a build, every face of one outline whose area is clear turns at its
// first corners the way it turns as a whole. The stellations 17, 20, 29 and 218
// have such faces.
TEST(FaceStarts, EveryFaceTurnsAtItsStartLikeTheWholeFace) {
    for (const FigureInfo& info : AllFigures()) {
        AppState state;
        if (ChangeFigure(state, info.number) == 0 || state.solid.faces.size() > 20000) continue;
        const Solid& s = state.solid;
        double extent = 0;
        for (const Vec3& v : s.vertices) extent = std::max(extent, Length(v));
        int32_t concave = 0;
        for (const Face& f : s.faces) {
            if (f.polygonCount != 1 || f.polygonSize < 4) continue;
            const Vec3 area = Area(s, f);
            if (!(Length(area) > 1e-6 * extent * extent) || !Concave(s, f, area)) continue;
            ++concave;
            EXPECT_GE(Dot(StartTurn(s, f), area), 0) << "figure " << info.number;
        }
        if (info.number == 17 || info.number == 20 || info.number == 29 || info.number == 218) {
            EXPECT_GT(concave, 0) << info.number;
        }
    }
}

// The convex test takes the Platonic solids and refuses stars whose faces wind
// twice round each vertex, compounds and open or inside-out meshes.
TEST(ConvexSolid, TellsConvexSolidsFromTheRest) {
    const struct {
        ShapeId figure;
        bool convex;
    } rows[] = {{1, true}, {5, true}, {9, true}, {11, true}, {50, true}, {21, false}, {22, false},
                {15, false}, {23, false}, {90, false}, {440, false}, {416, false}};
    for (const auto& row : rows) {
        AppState state;
        ASSERT_NE(ChangeFigure(state, row.figure), 0);
        EXPECT_EQ(state.solid.convex, row.convex) << row.figure;
        EXPECT_EQ(IsConvexSolid(state.solid), row.convex) << row.figure;
    }
    AppState cube;
    ASSERT_NE(ChangeFigure(cube, 5), 0);
    Solid inverted = cube.solid;
    for (Face& f : inverted.faces) ReverseFace(f);
    EXPECT_FALSE(IsConvexSolid(inverted));
    Solid open = cube.solid;
    open.faces.pop_back();
    EXPECT_FALSE(IsConvexSolid(open));
}

}  // namespace
}  // namespace gyro
