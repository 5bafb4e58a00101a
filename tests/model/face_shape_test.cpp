#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "model/face_shape.h"
#include "support/hand_solids.h"

// A closed surface wound one way walks every edge as often one way as the
// other. The check counts the walks out by each edge's lower end: what it
// answers must not depend on how an end's edges are ordered, on a vertex of
// many edges, or on an edge walked more than twice.

namespace gyro {
namespace {

using test::MakeCube;
using test::MakeOctahedron;

// Two copies of a solid side by side, the second's vertices after the first's.
Solid TwoOf(const Solid& one, bool shareVertices) {
    Solid two = one;
    const auto shift = shareVertices ? 0 : static_cast<int32_t>(one.vertices.size());
    if (!shareVertices) {
        for (const Vec3& v : one.vertices) two.vertices.push_back(v + Vec3{3.0, 0.0, 0.0});
    }
    for (Face f : one.faces) {
        for (int32_t& c : f.corners) c += shift;
        two.faces.push_back(f);
    }
    return two;
}

TEST(IsClosedOriented, TellsClosedOrientedSurfacesFromOthers) {
    struct Row {
        const char* what;
        std::function<Solid()> make;
        bool closed;
    };
    const Row rows[] = {
        {"cube", [] { return MakeCube(2.0); }, true},
        {"octahedron (four edges at each vertex)", [] { return MakeOctahedron(1.0); }, true},
        {"two cubes apart", [] { return TwoOf(MakeCube(2.0), false); }, true},
        {"a cube over itself (every edge twice each way)", [] { return TwoOf(MakeCube(2.0), true); }, true},
        {"one face turned over",
         [] {
             Solid s = MakeCube(2.0);
             std::reverse(s.faces[2].corners.begin(), s.faces[2].corners.end());
             return s;
         },
         false},
        {"one face missing",
         [] {
             Solid s = MakeCube(2.0);
             s.faces.pop_back();
             return s;
         },
         false},
        {"a face's corners stored apart",
         [] {
             Solid s = MakeCube(2.0);
             for (int32_t& c : s.faces[0].corners) {
                 s.vertices.push_back(s.vertices[static_cast<size_t>(c)]);
                 c = static_cast<int32_t>(s.vertices.size() - 1);
             }
             return s;
         },
         false},
        {"a corner naming no vertex",
         [] {
             Solid s = MakeCube(2.0);
             s.faces[1].corners[0] = 99;
             return s;
         },
         false},
        {"no faces", [] { return Solid{}; }, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(IsClosedOriented(row.make()), row.closed);
    }
}

}  // namespace
}  // namespace gyro
