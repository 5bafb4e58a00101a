// The regular family: regular and star solids, their compounds, the
// tetrahemihexahedron and the ditrigonal solids with their duals, the reference
// combinations, and the regular bases of the fractal, augmented and excavated
// figures. This file maps figure numbers to the builders and their finishing
// operations; the geometry lives in the other regular_*.cpp files.

#include <cmath>

#include "catalog/builders.h"
#include "catalog/catalogue.h"
#include "catalog/regular_builders.h"
#include "model/solid_ops.h"

namespace gyro {

namespace {

using namespace regular;

constexpr int32_t kOctahedralDualColours = 8;
constexpr int32_t kIcosahedralDualColours = 10;

bool BuildMesh(Solid& solid, ShapeId figure);

// A figure built on another one, then finished.
void Dual(Solid& solid, ShapeId primal, int32_t colourModulus) {
    BuildMesh(solid, primal);
    MakeDual(solid, colourModulus);
}

void Pyramids(Solid& solid, ShapeId base, int8_t height, int times) {
    BuildMesh(solid, base);
    for (int i = 0; i < times; ++i) RaisePyramids(solid, height);
}

void Fractal(Solid& solid, ShapeId base, int8_t depthMax, double ratio) {
    BuildMesh(solid, base);
    solid.fractalDepthMax = depthMax;
    solid.fractalRatio = ratio;
}

// Writes the mesh, colours and per-figure fields; false for a number that is
// not of this family.
bool BuildMesh(Solid& solid, ShapeId figure) {
    const double s5 = std::sqrt(5.0);
    switch (figure) {
        case 1: BuildTetrahedron(solid); break;
        case 2:
            BuildTetrahedron(solid);
            MirrorThroughCentre(solid);
            break;
        case 3: BuildTetrahedronInCube(solid, 0); break;
        case 4: BuildTetrahedronInCube(solid, 1); break;
        case 5: BuildCube(solid); break;
        case 6: BuildCubeOnVertex(solid); break;
        case 7: BuildOctahedron(solid); break;
        case 8: BuildOctahedronOnFace(solid); break;
        case 9: BuildDodecahedron(solid); break;
        case 10: BuildDodecahedronAxisAligned(solid); break;
        case 11: BuildIcosahedron(solid); break;
        case 12: BuildIcosahedronAxisAligned(solid); break;

        case 15: BuildGreatStellatedDodecahedron(solid, StarForm::StarFaces); break;
        case 16: BuildGreatStellatedDodecahedron(solid, StarForm::Triangles); break;
        case 17: BuildGreatStellatedDodecahedron(solid, StarForm::Outlines); break;
        case 18: BuildSmallStellatedDodecahedron(solid, StarForm::StarFaces); break;
        case 19: BuildSmallStellatedDodecahedron(solid, StarForm::Triangles); break;
        case 20: BuildSmallStellatedDodecahedron(solid, StarForm::Outlines); break;
        case 21: BuildGreatDodecahedron(solid); break;
        case 22: BuildGreatIcosahedron(solid); break;

        case 23: BuildStellatedOctahedron(solid); break;
        case 24: BuildFiveTetrahedra(solid); break;
        case 25: BuildTenTetrahedra(solid); break;
        case 26: BuildFiveCubes(solid); break;
        case 28: BuildCompleteIcosahedron(solid, CompleteIcosahedronForm::StarFaces); break;
        case 29: BuildCompleteIcosahedron(solid, CompleteIcosahedronForm::Outlines); break;
        case 30: BuildCompleteIcosahedron(solid, CompleteIcosahedronForm::StarFacesByBelt); break;
        case 31: BuildCompleteIcosahedron(solid, CompleteIcosahedronForm::Hull); break;

        case 90: BuildTetrahemihexahedron(solid); break;
        case 91:
            BuildTetrahemihexahedron(solid);
            MirrorThroughCentre(solid);
            break;
        case 106: BuildDitrigonal(solid, Ditrigonal::SmallIcosidodecahedron); break;
        case 107: BuildDitrigonal(solid, Ditrigonal::GreatIcosidodecahedron); break;
        case 108: BuildDitrigonal(solid, Ditrigonal::Dodecadodecahedron); break;

        case 200: Dual(solid, 7, kOctahedralDualColours); break;
        case 201: Dual(solid, 90, kOctahedralDualColours); break;
        case 268: Dual(solid, 91, kOctahedralDualColours); break;
        case 216: Dual(solid, 106, kIcosahedralDualColours); break;
        case 217: Dual(solid, 107, kIcosahedralDualColours); break;
        case 218: Dual(solid, 108, kIcosahedralDualColours); break;

        case 440: Fractal(solid, 1, 7, 0.5); break;
        case 441:
            BuildMengerBase(solid);
            solid.fractalDepthMax = 4;
            solid.fractalRatio = 1.0 / 3.0;
            break;
        case 442: Fractal(solid, 7, 6, 0.5); break;
        case 443: Fractal(solid, 9, 4, (5.0 - s5) / 10.0); break;
        case 444: Fractal(solid, 11, 4, (3.0 - s5) / 2.0); break;
        case 452: BuildDecagonShell(solid); break;

        case 460: Pyramids(solid, 1, 1, 1); break;
        case 461: Pyramids(solid, 1, 1, 2); break;
        case 462: Pyramids(solid, 5, 1, 1); break;
        case 463: Pyramids(solid, 5, 1, 2); break;
        case 464: Pyramids(solid, 7, 1, 1); break;
        case 465: Pyramids(solid, 9, 1, 1); break;
        case 466: Pyramids(solid, 9, 1, 2); break;
        case 467: Pyramids(solid, 11, 1, 1); break;
        case 477: Pyramids(solid, 9, -1, 1); break;

        case 520: BuildBaguaTree(solid); break;

        default: return BuildReferenceCombination(solid, figure);
    }
    return true;
}

}  // namespace

int BuildRegularFamily(Solid& solid, ShapeId figure) {
    if (!BuildMesh(solid, figure)) return 0;
    WriteFigureNames(solid, figure);
    return 1;
}

}  // namespace gyro
