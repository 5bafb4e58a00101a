#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numeric>
#include <utility>
#include <vector>

#include "model/colour.h"
#include "model/face_access.h"
#include "model/solid_ops.h"

namespace gyro {

namespace {

int32_t PositiveMod(int64_t a, int64_t m) {
    const int64_t r = a % m;
    return static_cast<int32_t>(r < 0 ? r + m : r);
}

// After a mirroring every polygon must run the other way about. Polygon 0 keeps
// its first corner (its normal decides the face's side), and the other polygons
// of a compound star face are turned and reordered so that the face reads as the
// same star written in the opposite direction.
void ReorientFace(Face& face) {
    const int32_t k = face.polygonCount;
    const int32_t s = face.polygonSize;
    const int32_t total = TotalCorners(face);
    if (total <= 2 || StoredCorners(face) < total) return;
    int32_t* corners = face.corners.data();

    for (int32_t p = 0; p < k; ++p) std::reverse(corners + p * s + 1, corners + p * s + s);
    if (k < 2) return;

    // j is how many corners along a polygon one gets to the corner next to the
    // one in the following polygon; rotating by it keeps the polygons interleaved.
    int32_t j = s < 2 ? 1 : s;
    for (int32_t t = 1; t < s; ++t) {
        if (PositiveMod(int64_t{t} * face.starStep, int64_t{k} * s) == k) {
            j = t;
            break;
        }
    }
    // Only a step coprime to s walks the whole ring. Otherwise the face is not the
    // star its starStep claims (merged coplanar polygons, for instance), and a
    // partial rotation would undo the reversal of some corners.
    if (std::gcd(j, s) == 1) {
        for (int32_t p = 1; p < k; ++p) {
            int32_t* ring = corners + p * s;
            const int32_t first = ring[0];
            int32_t q = 0;
            for (int32_t m = 0; m + 1 < s; ++m) {
                const int32_t next = (q + j) % s;
                ring[q] = ring[next];
                q = next;
            }
            ring[q] = first;
        }
    }
    if (k > 2) {
        for (int32_t l = 1; l < (k + 1) / 2; ++l) {
            std::swap_ranges(corners + l * s, corners + l * s + s, corners + (k - l) * s);
        }
    }
}

// ---- Polar dual -------------------------------------------------------------

enum class DualRole : int8_t { kSkipped, kOrdinary, kCentre };

// The point X with X . Pk = |Pk|^2 for the first three corners. False when they
// do not fix it (a corner at the centre, or the corners coplanar with the centre).
bool SolvePole(const Face& face, const std::vector<Vec3>& vertices, Vec3& pole) {
    const Vec3 p1 = VertexAt(vertices, face.corners[0]);
    const Vec3 p2 = VertexAt(vertices, face.corners[1]);
    const Vec3 p3 = VertexAt(vertices, face.corners[2]);
    const double q1 = Dot(p1, p1), q2 = Dot(p2, p2), q3 = Dot(p3, p3);
    if (q1 == 0.0 || q2 == 0.0 || q3 == 0.0) return false;
    const Vec3 r1 = p1 / q1, r2 = p2 / q2, r3 = p3 / q3;
    const double det = Dot(r1, Cross(r2, r3));
    // The determinant of the unit directions says how far from coplanar they are.
    if (std::abs(det) * std::sqrt(q1 * q2 * q3) < 1e-12) return false;
    pole = (Cross(r2, r3) + Cross(r3, r1) + Cross(r1, r2)) / det;
    return std::isfinite(pole.x) && std::isfinite(pole.y) && std::isfinite(pole.z);
}

// Corner next to position q, cyclically over the face's whole corner list.
int32_t CornerAfter(const Face& face, int32_t q, int32_t total) { return face.corners[(q + 1) % total]; }
int32_t CornerBefore(const Face& face, int32_t q, int32_t total) { return face.corners[(q + total - 1) % total]; }

int32_t FindCorner(const Face& face, int32_t v) {
    const int32_t total = StoredCorners(face);
    for (int32_t q = 0; q < total; ++q) {
        if (face.corners[q] == v) return q;
    }
    return -1;
}

// If the face has v next to edgeEnd, sets other to v's other neighbour there.
bool FindEdgeAt(const Face& face, int32_t v, int32_t edgeEnd, int32_t& other) {
    const int32_t total = StoredCorners(face);
    for (int32_t q = 0; q < total; ++q) {
        if (face.corners[q] != v) continue;
        const int32_t before = CornerBefore(face, q, total);
        const int32_t after = CornerAfter(face, q, total);
        if (before == edgeEnd) {
            other = after;
            return true;
        }
        if (after == edgeEnd) {
            other = before;
            return true;
        }
    }
    return false;
}

struct FanWalk {
    const std::vector<Face>& faces;
    const int32_t* incident;      // faces that hold v, in index order
    int32_t incidentCount;
    std::vector<int32_t>& stamp;  // stamp[f] == v + 1: f is already in v's ring
    int32_t v;

    // Crosses from face to face over the edges at v, starting at the edge
    // (v, edgeEnd), until the edge (v, stop) is reached or no unused face carries
    // the current edge. Each face is taken once. Returns the last edge end.
    template <class Take>
    int32_t Walk(int32_t edgeEnd, int32_t stop, Take take) {
        while (edgeEnd != stop) {
            bool took = false;
            for (int32_t i = 0; i < incidentCount && edgeEnd != stop; ++i) {
                const int32_t f = incident[i];
                int32_t other = 0;
                if (stamp[f] == v + 1 || !FindEdgeAt(faces[f], v, edgeEnd, other)) continue;
                stamp[f] = v + 1;
                take(f);
                edgeEnd = other;
                took = true;
            }
            if (!took) break;
        }
        return edgeEnd;
    }
};

// Splices the faces at walk.v not yet taken into the closed ring
// ring[head .. tail), whose first face leaves over the edge (v, firstExit) and
// each later one over the edge it shares with the next: from every edge end
// along the ring, a walk over unused faces that comes back to that edge end is
// inserted there. Returns the new tail. `exits` is scratch space.
int32_t SpliceLoops(const std::vector<Face>& faces, FanWalk& walk, std::vector<int32_t>& ring, int32_t head,
                    int32_t tail, std::vector<int32_t>& exits, int32_t firstExit) {
    // The edge end each ring face leaves by: the first face by firstExit, each
    // later one by its other neighbour of v after the edge it came in over.
    exits.assign(static_cast<size_t>(tail - head), 0);
    int32_t end = firstExit;
    exits[0] = end;
    for (int32_t i = head + 1; i < tail; ++i) {
        int32_t other = 0;
        if (FindEdgeAt(faces[ring[i]], walk.v, end, other)) end = other;
        exits[i - head] = end;
    }
    std::vector<int32_t> loop;
    for (int32_t i = head; i < tail; ++i) {
        const int32_t at = exits[i - head];
        loop.clear();
        for (int32_t k = 0; k < walk.incidentCount; ++k) {
            const int32_t f = walk.incident[k];
            int32_t other = 0;
            if (walk.stamp[f] == walk.v + 1 || !FindEdgeAt(faces[f], walk.v, at, other)) continue;
            walk.stamp[f] = walk.v + 1;
            loop.push_back(f);
            const int32_t back = walk.Walk(other, at, [&](int32_t g) { loop.push_back(g); });
            if (back != at) return tail;  // not a closed loop: leave the ring as it was walked
            break;
        }
        if (loop.empty()) continue;
        const auto count = static_cast<int32_t>(loop.size());
        std::copy_backward(ring.begin() + i + 1, ring.begin() + tail, ring.begin() + tail + count);
        std::copy(loop.begin(), loop.end(), ring.begin() + i + 1);
        // The inserted faces' exits: recomputed as the loop is walked again.
        std::vector<int32_t> added;
        int32_t e = at;
        for (int32_t f : loop) {
            int32_t other = 0;
            if (FindEdgeAt(faces[f], walk.v, e, other)) e = other;
            added.push_back(e);
        }
        exits.insert(exits.begin() + (i - head) + 1, added.begin(), added.end());
        tail += count;
    }
    return tail;
}

// ---- Koch subdivision -------------------------------------------------------

// 6^d, held below a bound so that block offsets cannot overflow; a block that
// large lies beyond any array anyway.
int64_t Pow6Capped(int32_t d) {
    int64_t p = 1;
    for (int32_t i = 0; i < d && p < (int64_t{1} << 50); ++i) p *= 6;
    return p;
}

void KochFill(Solid& solid, double bump, Vec3 p0, Vec3 p1, Vec3 p2, int64_t firstVertex, int64_t firstFace,
              int64_t hue, int32_t hueStep, int32_t depth) {
    // 3^(3/4): with it an equilateral triangle gets the apex of a regular
    // tetrahedron standing on its middle triangle.
    static const double kApexScale = std::pow(3.0, 0.75);
    const int64_t vertexCount = solid.vertexCount();
    const int64_t faceCount = solid.faceCount();
    while (depth > 0) {
        if (firstVertex >= vertexCount || firstFace >= faceCount) return;  // whole block is out of range
        const int64_t faces = Pow6Capped(depth - 1);
        const int64_t vertices = 3 * faces;
        const Vec3 m01 = (p0 + p1) * 0.5;
        const Vec3 m02 = (p0 + p2) * 0.5;
        const Vec3 m12 = (p1 + p2) * 0.5;
        const Vec3 w = Cross(p1 - p0, p2 - p0);
        const double area = Length(w);
        Vec3 apex = (p0 + p1 + p2) / 3.0;
        if (area > 0.0) apex = apex + w * (bump / (kApexScale * std::sqrt(area)));
        const int32_t childStep = hueStep / 6;
        KochFill(solid, bump, p0, m01, m02, firstVertex, firstFace, hue, childStep, depth - 1);
        KochFill(solid, bump, m01, p1, m12, firstVertex + vertices, firstFace + faces, hue + 2 * int64_t{hueStep},
                 childStep, depth - 1);
        KochFill(solid, bump, m02, m12, p2, firstVertex + 2 * vertices, firstFace + 2 * faces,
                 hue + 4 * int64_t{hueStep}, childStep, depth - 1);
        KochFill(solid, bump, apex, m02, m01, firstVertex + 3 * vertices, firstFace + 3 * faces,
                 hue + 3 * int64_t{hueStep}, childStep, depth - 1);
        KochFill(solid, bump, apex, m01, m12, firstVertex + 4 * vertices, firstFace + 4 * faces,
                 hue + 5 * int64_t{hueStep}, childStep, depth - 1);
        // The sixth child is this loop's next pass rather than another call.
        p0 = apex;
        p1 = m12;
        p2 = m02;
        firstVertex += 5 * vertices;
        firstFace += 5 * faces;
        hue += hueStep;
        hueStep = childStep;
        --depth;
    }
    if (firstVertex < 0 || firstFace < 0 || firstVertex + 3 > vertexCount || firstFace >= faceCount) return;
    const auto fv = static_cast<size_t>(firstVertex);
    solid.vertices[fv] = p0;
    solid.vertices[fv + 1] = p1;
    solid.vertices[fv + 2] = p2;
    Face& face = solid.faces[static_cast<size_t>(firstFace)];
    if (!SetFacePolygon(face, 3)) return;
    face.corners[0] = static_cast<int32_t>(firstVertex);
    face.corners[1] = static_cast<int32_t>(firstVertex + 1);
    face.corners[2] = static_cast<int32_t>(firstVertex + 2);
    face.colours[0] = solid.params.palette[static_cast<size_t>(firstFace % 8)];
    face.colours[1] = HueColour(static_cast<int32_t>(hue % 1530));
}

}  // namespace

void MirrorThroughCentre(Solid& solid) {
    for (Vec3& v : solid.vertices) v = -v;
    for (Face& face : solid.faces) ReorientFace(face);
}

void MirrorX(Solid& solid) {
    for (Vec3& v : solid.vertices) v.x = -v.x;
    for (Face& face : solid.faces) ReorientFace(face);
}

void MakeDual(Solid& solid, int32_t colourModulus) {
    const int32_t n = solid.faceCount();
    const int32_t oldVertexCount = solid.vertexCount();
    const std::vector<Vec3>& points = solid.vertices;
    const std::vector<Face>& faces = solid.faces;
    const int32_t modulus = std::max(colourModulus, 1);

    double far = 0.0;
    for (const Vec3& p : points) far = std::max(far, Length(p));

    // Which faces have a pole, which pass through the centre (pole at
    // infinity), and which have no plane at all.
    std::vector<DualRole> role;
    std::vector<Vec3> pole;
    if (!TryResize(role, static_cast<size_t>(n)) || !TryResize(pole, static_cast<size_t>(n))) {
        ClearMesh(solid);
        return;
    }
    int32_t b = 0;  // largest corner count of a face through the centre
    for (int32_t o = 0; o < n; ++o) {
        const Face& face = faces[o];
        if (FirstPolygonCorners(face) < 3) continue;
        bool centre = Length(FaceCentroid(face, points)) < 1e-6;
        if (!centre && !SolvePole(face, points, pole[o])) {
            // The first three corners do not fix the pole: either the plane holds
            // the centre, or they are collinear and the plane's normal decides.
            const Vec3 normal = FaceNormal(face, points);
            if (normal == Vec3{}) continue;
            const Vec3 p0 = VertexAt(points, face.corners[0]);
            const double d = Dot(normal, p0);
            if (std::abs(d) <= 1e-9 * far) {
                centre = true;
            } else {
                pole[o] = normal * (Dot(p0, p0) / d);
            }
        }
        role[o] = centre ? DualRole::kCentre : DualRole::kOrdinary;
        if (centre) b = std::max(b, StoredCorners(face));
    }

    // The new vertices: every old face owns s slots o + n * j.
    const int64_t slots = std::max(1, 2 * b);
    const int64_t newVertexCount = int64_t{n} * slots;
    std::vector<Vec3> newVertices;
    std::vector<Face> newFaces;
    if (newVertexCount > std::numeric_limits<int32_t>::max() ||
        !TryResize(newVertices, static_cast<size_t>(newVertexCount)) ||
        !TryResize(newFaces, static_cast<size_t>(oldVertexCount))) {
        ClearMesh(solid);
        return;
    }
    const double reach = 12.0 * solid.params.baseSizeA;
    for (int32_t o = 0; o < n; ++o) {
        if (role[o] == DualRole::kOrdinary) {
            for (int64_t j = 0; j < slots; ++j) newVertices[static_cast<size_t>(o + n * j)] = pole[o];
        } else if (role[o] == DualRole::kCentre) {
            // Far points stand in for the vertex at infinity, one pair per edge,
            // out along both sides of the face.
            const Face& face = faces[o];
            const Vec3 normal = FaceNormal(face, points) * reach;
            const int32_t corners = StoredCorners(face);
            for (int32_t k = 1; k <= corners; ++k) {
                const Vec3 p = VertexAt(points, face.corners[k - 1]);
                const Vec3 m = p + VertexAt(points, face.corners[k % corners]);
                const double den = Dot(m, p);
                double h = den != 0.0 ? Dot(p, p) / den : 1.0;
                if (!std::isfinite(h)) h = 1.0;
                const int64_t slot = o + 2 * int64_t{n} * (k - 1);
                newVertices[static_cast<size_t>(slot)] = (m + normal) * h;
                newVertices[static_cast<size_t>(slot + n)] = (m - normal) * h;
            }
        }
    }

    // Faces at each old vertex, in index order (compressed rows).
    std::vector<int32_t> rowStart;
    std::vector<int32_t> incident;
    std::vector<int32_t> stamp;
    std::vector<int32_t> ringBuffer;  // the ring grows both ways from its middle
    int64_t incidences = 0;
    for (int32_t o = 0; o < n; ++o) {
        if (role[o] != DualRole::kSkipped) incidences += StoredCorners(faces[o]);
    }
    if (incidences > std::numeric_limits<int32_t>::max() ||
        !TryResize(rowStart, static_cast<size_t>(oldVertexCount) + 1) ||
        !TryResize(incident, static_cast<size_t>(incidences)) || !TryResize(stamp, static_cast<size_t>(n)) ||
        !TryResize(ringBuffer, 2 * static_cast<size_t>(n) + 1)) {
        ClearMesh(solid);
        return;
    }
    for (int32_t o = 0; o < n; ++o) {
        if (role[o] == DualRole::kSkipped) continue;
        const int32_t total = StoredCorners(faces[o]);
        for (int32_t q = 0; q < total; ++q) {
            const int32_t c = faces[o].corners[q];
            if (c >= 0 && c < oldVertexCount) ++rowStart[c + 1];
        }
    }
    for (int32_t v = 0; v < oldVertexCount; ++v) rowStart[v + 1] += rowStart[v];
    // Filling advances each row's start to its end; shifting back restores it.
    for (int32_t o = 0; o < n; ++o) {
        if (role[o] == DualRole::kSkipped) continue;
        const int32_t total = StoredCorners(faces[o]);
        for (int32_t q = 0; q < total; ++q) {
            const int32_t c = faces[o].corners[q];
            if (c >= 0 && c < oldVertexCount) incident[rowStart[c]++] = o;
        }
    }
    for (int32_t v = oldVertexCount; v > 0; --v) rowStart[v] = rowStart[v - 1];
    rowStart[0] = 0;

    std::vector<int32_t> exits;  // scratch of SpliceLoops
    // Old vertex v becomes face v: the old faces around v, in order across
    // their shared edges, each taken once.
    for (int32_t v = 0; v < oldVertexCount; ++v) {
        Face& face = newFaces[v];
        const int32_t* around = incident.data() + rowStart[v];
        const int32_t aroundCount = rowStart[v + 1] - rowStart[v];
        if (aroundCount > 0) {
            const int32_t first = around[0];
            const Face& firstFace = faces[first];
            const int32_t total = StoredCorners(firstFace);
            const int32_t q = FindCorner(firstFace, v);
            const int32_t closing = CornerBefore(firstFace, q, total);
            int32_t head = n;
            int32_t tail = n;
            ringBuffer[tail++] = first;
            FanWalk walk{faces, around, aroundCount, stamp, v};
            stamp[first] = v + 1;
            const int32_t reached =
                walk.Walk(CornerAfter(firstFace, q, total), closing, [&](int32_t f) { ringBuffer[tail++] = f; });
            if (reached == closing && tail - head < aroundCount) {
                // Edges in more than two faces (four at the great disnub
                // dirhombidodecahedron's vertices) let the walk close before it
                // has been round every face. The faces left over form closed
                // loops through the edge ends already reached; each is spliced
                // in where it starts, so that every face at v is taken once.
                tail = SpliceLoops(faces, walk, ringBuffer, head, tail, exits, CornerAfter(firstFace, q, total));
            }
            if (reached != closing) {
                // An open fan: pick up the faces on the other side of the first one.
                walk.Walk(closing, reached, [&](int32_t f) { ringBuffer[--head] = f; });
            }
            const int32_t* ring = ringBuffer.data() + head;
            const int32_t ringSize = tail - head;
            const bool reachesInfinity =
                std::any_of(ring, ring + ringSize, [&](int32_t o) { return role[o] == DualRole::kCentre; });
            if (!reachesInfinity) {
                if (SetFacePolygon(face, ringSize)) std::copy(ring, ring + ringSize, face.corners.begin());
            } else if (SetFacePolygons(face, 4, ringSize)) {
                // Bands towards the far points; an ordinary face contributes a
                // quadrilateral collapsed onto its pole, which draws as nothing.
                for (int32_t i = 0; i < ringSize; ++i) {
                    const int32_t o = ring[i];
                    int32_t* quad = face.corners.data() + 4 * i;
                    if (role[o] == DualRole::kCentre) {
                        const int32_t corners = StoredCorners(faces[o]);
                        const int32_t j = FindCorner(faces[o], v);
                        const int32_t before = o + 2 * n * ((j + corners - 1) % corners);
                        const int32_t after = o + 2 * n * j;
                        quad[0] = before;
                        quad[1] = before + n;
                        quad[2] = after + n;
                        quad[3] = after;
                    } else {
                        std::fill(quad, quad + 4, o);
                    }
                }
                if (face.corners[0] == face.corners[1]) {
                    std::rotate(face.corners.begin(), face.corners.begin() + 4, face.corners.end());
                }
            }
            if (!reachesInfinity && FirstPolygonCorners(face) >= 3 &&
                Dot(FaceNormal(face, newVertices), FaceCentroid(face, newVertices)) < 0) {
                ReverseFace(face);
            }
        }
        face.colours.fill(solid.params.palette[static_cast<size_t>((v % modulus) % kPaletteSize)]);
    }

    // The old mesh goes; its segments named old vertices and go with it.
    solid.vertices.swap(newVertices);
    solid.faces.swap(newFaces);
    std::vector<Segment>().swap(solid.segments);
    ScaleToRadius(solid, solid.params.baseSizeA);
}

void RaisePyramids(Solid& solid, int8_t height) {
    const int32_t oldVertexCount = solid.vertexCount();
    const int32_t oldFaceCount = solid.faceCount();
    int64_t triangles = 0;
    for (const Face& face : solid.faces) {
        const int32_t n = FirstPolygonCorners(face);
        if (n >= 3) triangles += n;
    }
    if (triangles > std::numeric_limits<int32_t>::max() ||
        int64_t{oldVertexCount} + oldFaceCount > std::numeric_limits<int32_t>::max()) {
        ClearMesh(solid);
        return;
    }
    double oldFar = 0.0;
    for (const Vec3& p : solid.vertices) oldFar = std::max(oldFar, Length(p));

    std::vector<Face> oldFaces;
    oldFaces.swap(solid.faces);
    if (!ResizeVertices(solid, oldVertexCount + oldFaceCount)) return;
    if (!ResizeFaces(solid, static_cast<int32_t>(triangles))) return;

    const double pi = std::acos(-1.0);
    double apexFar = 0.0;
    size_t next = 0;
    for (int32_t f = 0; f < oldFaceCount; ++f) {
        const Face& old = oldFaces[f];
        const int32_t n = FirstPolygonCorners(old);
        if (n < 3) continue;
        const int32_t apexIndex = oldVertexCount + f;
        for (int32_t g = 0; g < n; ++g) {
            Face& triangle = solid.faces[next++];
            if (SetFacePolygon(triangle, 3)) {
                triangle.corners[0] = apexIndex;
                triangle.corners[1] = old.corners[g];
                triangle.corners[2] = old.corners[(g + 1) % n];
            }
            triangle.colours = old.colours;
        }
        // Height of a pyramid with equilateral sides over a regular n-gon; from
        // six corners on there is none, and the apex stays in the face.
        double t = 0.0;
        if (n < 6) {
            const double e = Length(VertexAt(solid.vertices, old.corners[1]) - VertexAt(solid.vertices, old.corners[0]));
            const double sine = std::sin(pi / n);
            const double root = 1.0 - 1.0 / (4.0 * sine * sine);
            if (root > 0.0) t = e * std::sqrt(root);
        }
        const Vec3 apex = FaceCentroid(old, solid.vertices) + FaceNormal(old, solid.vertices) * (height * t);
        solid.vertices[static_cast<size_t>(apexIndex)] = apex;
        apexFar = std::max(apexFar, Length(apex));
    }
    // The solid never grows beyond its former circumradius.
    if (oldFar < apexFar) {
        const double k = oldFar / apexFar;
        for (Vec3& p : solid.vertices) p = p * k;
    }
}

void KochSubdivide(Solid& solid, Vec3 p0, Vec3 p1, Vec3 p2, int32_t firstVertex, int32_t firstFace, int32_t hue,
                   int32_t hueStep, int32_t depth) {
    // Bump of (conn - 3) mod 65 sixty-fourths of a tetrahedron, the remainder
    // keeping the sign: conn 3 and 68 are flat, 67 full, 2 slightly inwards.
    const double bump = ((solid.params.conn - 3) % 65) / 64.0;
    KochFill(solid, bump, p0, p1, p2, firstVertex, firstFace, hue, hueStep, std::max(depth, 0));
}

}  // namespace gyro
