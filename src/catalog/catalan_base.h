#pragma once

// The regular solid a Catalan or stellated solid is written on: unit
// directions of its vertices, face centres and edge midpoints, its faces, and
// its edges with the faces on either side. Everything here is combinatorics of
// the regular solids' own face lists; nothing is searched in space.

#include <cstdint>
#include <map>
#include <utility>
#include <vector>

#include "catalog/build_kit.h"
#include "model/solid.h"

namespace gyro::catalan {

struct Edge {
    int32_t a;
    int32_t b;
    int32_t left;   // the face in which a -> b runs
    int32_t right;  // the face in which b -> a runs
};

struct Base {
    std::vector<Vec3> vertices;  // unit directions
    std::vector<std::vector<int32_t>> faces;
    std::vector<Vec3> faceAxes;  // unit directions of the face centres
    std::vector<Edge> edges;     // each once, in the order the faces meet them
    std::map<std::pair<int32_t, int32_t>, int32_t> edgeIndex;  // both directions

    int32_t EdgeOf(int32_t a, int32_t b) const { return edgeIndex.at({a, b}); }
    Vec3 EdgeAxis(int32_t e) const;
    // The third corner of a triangular face, given two of them.
    int32_t ThirdCorner(int32_t face, int32_t a, int32_t b) const;
    // The face across edge (a, b) from `face`.
    int32_t FaceAcross(int32_t face, int32_t a, int32_t b) const;
    // Of the triangles round corner a, the one that turns away from edge
    // (a, b): it shares no corner with the two triangles on that edge but a.
    int32_t AwayFace(int32_t a, int32_t b) const;
};

// The regular solids in the catalogue's orientation, with the kit's face order.
Base TetrahedronBase();
Base CubeBase();
Base OctahedronBase();
Base DodecahedronBase();
Base IcosahedronBase();

// One corner of one face.
struct Flag {
    int32_t face;
    int32_t vertex;
    int32_t edgeBefore;  // the edge that arrives at the vertex
    int32_t edgeAfter;   // the edge that leaves it
};
std::vector<Flag> Flags(const Base& base);

Vec3 Unit(Vec3 v);
inline int32_t Count(size_t n) { return static_cast<int32_t>(n); }

}  // namespace gyro::catalan
