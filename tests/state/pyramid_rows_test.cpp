#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "catalog/catalogue.h"
#include "model/solid_ops.h"
#include "state/dispatcher.h"

namespace gyro {
namespace {

// A raised pyramid has its apex outside the face it stands on, a sunk one inside:
// measured against the face's plane in the finished figure, for every row of
// the catalogue that puts one layer of pyramids on a base that builds.
TEST(PyramidRows, RaisedApexesLieOutsideTheirFaceAndSunkOnesInside) {
    int checked = 0;
    for (const FigureInfo& row : AllFigures()) {
        if (row.finish.op != FinishOp::Pyramids || row.finish.times != 1) continue;
        Solid base;
        if (BuildFigure(base, row.base) == 0) continue;  // a base not built yet
        Solid figure;
        ASSERT_NE(BuildFigure(figure, row.number), 0) << row.number;
        SCOPED_TRACE("figure " + std::to_string(row.number));
        // The apex over face f is the vertex after the base's own ones.
        ASSERT_EQ(figure.vertexCount(), base.vertexCount() + base.faceCount());
        for (int32_t f = 0; f < base.faceCount(); ++f) {
            const Face& face = base.faces[f];
            if (face.polygonSize >= 6) continue;  // no equilateral pyramid: the apex stays in the face
            // The figure keeps the base's vertices first (shrunk, if the apexes
            // reached beyond the old circumradius): the face plane is taken there.
            const Vec3 n = FaceNormal(face, figure.vertices);
            const double planeDistance = Dot(n, figure.vertices[face.corners[0]]);
            const double apexDistance = Dot(n, figure.vertices[base.vertexCount() + f]);
            const double height = apexDistance - planeDistance;
            if (row.finish.amount > 0) {
                EXPECT_GT(height, 1.0) << "face " << f;
            } else {
                EXPECT_LT(height, -1.0) << "face " << f;
            }
        }
        ++checked;
    }
    EXPECT_GE(checked, 6);  // at least the regular bases: 460, 462, 464, 465, 467 and 477
}

// The dodecahedron's two: the raised apexes beyond its insphere, the sunk ones
// within it (and still in front of the centre).
TEST(PyramidRows, TheDodecahedronsApexesAgainstItsInsphere) {
    Solid dodecahedron, raised, sunk;
    ASSERT_NE(BuildFigure(dodecahedron, 9), 0);
    ASSERT_NE(BuildFigure(raised, 465), 0);
    ASSERT_NE(BuildFigure(sunk, 477), 0);
    // Each figure against the insphere of the dodecahedron it keeps as its first 20 vertices.
    const Face& face = dodecahedron.faces[0];
    auto inradius = [&face](const Solid& s) { return Dot(FaceNormal(face, s.vertices), s.vertices[face.corners[0]]); };
    ASSERT_GT(inradius(raised), 0);
    ASSERT_GT(inradius(sunk), 0);
    for (int32_t f = 0; f < 12; ++f) {
        const double out = Length(raised.vertices[20 + f]);
        const double in = Length(sunk.vertices[20 + f]);
        EXPECT_GT(out, inradius(raised) * 1.1) << f;
        EXPECT_LT(in, inradius(sunk) * 0.9) << f;
        EXPECT_GT(in, 0) << f;
    }
}

}  // namespace
}  // namespace gyro
