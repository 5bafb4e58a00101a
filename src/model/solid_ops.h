#pragma once

#include <cstdint>

#include "model/solid.h"

namespace gyro {

// Array sizing: the only operations that allocate. On allocation failure the
// array is left empty and the call returns false; the solid stays consistent.
bool ResizeVertices(Solid& solid, int32_t n);  // new vertices are (0, 0, 0)
bool ResizeSegments(Solid& solid, int32_t n);  // new segments are (0, 0)
bool ResizeFaces(Solid& solid, int32_t n);     // new faces are empty, colours 0, starStep 1
void ClearMesh(Solid& solid);

// Face shaping.
bool SetFacePolygons(Face& face, int32_t n, int32_t k);  // k polygons of n corners; slots 0..3 white
bool SetFacePolygon(Face& face, int32_t n);
void SetStarFace(Face& face, int32_t n, int32_t k, int32_t first, int32_t dir);
void CopyFaceShifted(Face& dst, const Face& src, int32_t shift);
void ReverseFace(Face& face);

// Appends src's vertices and faces to dst; colour slots 6 and 5 of the appended
// faces are overwritten when colour6 / colour5 are not negative.
void AppendSolid(Solid& dst, const Solid& src, int64_t colour6, int64_t colour5);

// Face measures (first polygon only).
Vec3 FaceCentroid(const Face& face, const std::vector<Vec3>& vertices);
Vec3 FaceNormal(const Face& face, const std::vector<Vec3>& vertices);

// Whole-solid transformations.
void ScaleToRadius(Solid& solid, double r);
void MirrorThroughCentre(Solid& solid);
void MirrorX(Solid& solid);
void MakeDual(Solid& solid, int32_t colourModulus);
void RaisePyramids(Solid& solid, int8_t height);
void KochSubdivide(Solid& solid, Vec3 p0, Vec3 p1, Vec3 p2, int32_t firstVertex, int32_t firstFace,
                   int32_t hue, int32_t hueStep, int32_t depth);

// Small numeric helpers.
double IntPower(double x, int32_t n);
double SinDeg(double degrees);  // exact at multiples of 45 degrees
double CosDeg(double degrees);

// Solid life cycle.
void ResetPalette(Solid& solid);
void InitSolid(Solid& solid);  // defaults, palette, then builds figure 5

}  // namespace gyro
