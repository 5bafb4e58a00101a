#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <new>
#include <vector>

#include "model/huge_pages.h"
#include "model/solid.h"

namespace gyro {

// Array sizing: the only operations that allocate. On allocation failure the
// array is left empty and the call returns false; the solid stays consistent.
// A failed vertex resize empties the whole mesh, since faces and segments would
// otherwise point at vertices that are gone.
bool ResizeVertices(Solid& solid, int32_t n);  // new vertices are (0, 0, 0)
bool ResizeSegments(Solid& solid, int32_t n);  // new segments are (0, 0)
bool ResizeFaces(Solid& solid, int32_t n);     // new faces are empty, colours 0, starStep 1
void ClearMesh(Solid& solid);

// Sizes a scratch array the same way: on allocation failure the array is left
// empty and the call returns false. New elements are value-initialised.
template <class T>
bool TryResize(std::vector<T>& array, size_t n) {
    if (n > array.max_size()) {
        std::vector<T>().swap(array);
        return false;
    }
    try {
        // A large array is placed first (growing by doubling, as resize
        // does) so that the system may back it with huge pages.
        if (n > array.capacity() && n * sizeof(T) >= kHugePageBytes) {
            array.reserve(std::max(n, 2 * array.size()));
            AdviseHugePages(array);
        }
        array.resize(n);
    } catch (const std::bad_alloc&) {
        std::vector<T>().swap(array);
        return false;
    }
    return true;
}

// Face shaping.
// k polygons of n corners (all corners 0 until the caller writes them); colour
// slots 0..3 become white. n and k are 16-bit counts: a value outside 0..32767
// fails like an allocation failure and leaves the face empty.
bool SetFacePolygons(Face& face, int32_t n, int32_t k);
bool SetFacePolygon(Face& face, int32_t n);
// The star polygon {n/k} over vertices first .. first+n-1, walked in direction
// dir (+1 or -1; other values count by their sign). A step that shares a divisor
// with n gives several interleaved polygons ({6/2}: two triangles). n < 2 or
// k < 1 leaves the face empty.
void SetStarFace(Face& face, int32_t n, int32_t k, int32_t first, int32_t dir);
void CopyFaceShifted(Face& dst, const Face& src, int32_t shift);
void ReverseFace(Face& face);  // reverses the corner order, corner 0 stays first

// Appends src's vertices and faces to dst; colour slots 6 and 5 of the appended
// faces are overwritten when colour6 / colour5 are not negative.
void AppendSolid(Solid& dst, const Solid& src, int64_t colour6, int64_t colour5);

// Face measures (first polygon only); both are (0, 0, 0) for a face without
// enough corners. FaceNormal has unit length and points outwards on a correctly
// wound face.
Vec3 FaceCentroid(const Face& face, const std::vector<Vec3>& vertices);
Vec3 FaceNormal(const Face& face, const std::vector<Vec3>& vertices);

// Whole-solid transformations. Faces with fewer than three corners are carried
// along but never measured.
void ScaleToRadius(Solid& solid, double r);  // largest vertex distance becomes r
// Both mirrors re-wind every face so that normals point outwards again; the
// polygons of a compound star face stay interleaved as SetStarFace wrote them.
void MirrorThroughCentre(Solid& solid);
void MirrorX(Solid& solid);
// Replaces the solid by its polar dual, circumradius baseSizeA: old face o
// becomes vertex o, old vertex v becomes face v coloured palette[v mod
// colourModulus]. Faces through the centre become far points, and the dual faces
// that reach them become bands of quadrilaterals. Segments are dropped.
void MakeDual(Solid& solid, int32_t colourModulus);
// Puts a pyramid on every face (height +1 out, -1 in): apex of face f is vertex
// V + f, each face becomes a fan of triangles. Never grows the circumradius.
void RaisePyramids(Solid& solid, int8_t height);
// Fills 3 * 6^depth vertices from firstVertex and 6^depth faces from firstFace
// (already sized by the caller) with the Koch-like subdivision of the triangle.
// Slots beyond the arrays are skipped.
void KochSubdivide(Solid& solid, Vec3 p0, Vec3 p1, Vec3 p2, int32_t firstVertex, int32_t firstFace,
                   int32_t hue, int32_t hueStep, int32_t depth);

// Small numeric helpers.
double IntPower(double x, int32_t n);
double SinDeg(double degrees);  // exact at multiples of 45 degrees
double CosDeg(double degrees);

// Solid life cycle.
void ResetPalette(Solid& solid);

}  // namespace gyro
