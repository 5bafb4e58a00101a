// The regular family: regular and star solids, their compounds, the
// tetrahemihexahedron and the ditrigonal solids, the reference combinations and
// the Menger sponge's base. This file maps figure numbers to the builders; the
// geometry lives in the other regular_*.cpp files. Mirrors, duals, fractals and
// pyramid variants of these solids are catalogue rows that the dispatcher
// finishes from their bases.

#include <cmath>

#include "catalog/builders.h"
#include "catalog/catalogue.h"
#include "catalog/regular_builders.h"
#include "model/solid_ops.h"

namespace gyro {

namespace {

using namespace regular;

// Writes the mesh, colours and per-figure fields; false for a number that is
// not of this family.
bool BuildMesh(Solid& solid, ShapeId figure) {
    switch (figure) {
        case 1: BuildTetrahedron(solid); break;
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
        case 106: BuildDitrigonal(solid, Ditrigonal::SmallIcosidodecahedron); break;
        case 107: BuildDitrigonal(solid, Ditrigonal::GreatIcosidodecahedron); break;
        case 108: BuildDitrigonal(solid, Ditrigonal::Dodecadodecahedron); break;


        case 441:
            BuildMengerBase(solid);
            solid.fractalDepthMax = 4;
            solid.fractalRatio = 1.0 / 3.0;
            break;
        case 452: BuildDecagonShell(solid); break;


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
