// The Catalan family: the Catalan solids and the other rhombic, deltoidal and
// stellated isohedral solids. This file maps figure numbers to the builders;
// the geometry lives in the other catalan_*.cpp files. The triakis tetrahedron
// turned through the centre (68), the pentagonal solids' mirrors (76, 78) and
// the fractals on 60 and 61 (447, 448) are catalogue rows that the dispatcher
// finishes from their bases; 75 and 77 are built next to their snub partners.

#include "catalog/builders.h"
#include "catalog/catalan_builders.h"
#include "catalog/catalogue.h"

namespace gyro {

namespace {

using namespace catalan;

bool BuildMesh(Solid& solid, ShapeId figure) {
    switch (figure) {
        case 60: BuildRhombicDodecahedron(solid); break;
        case 61: BuildRhombicTriacontahedron(solid); break;
        case 62: BuildRhombicIcosahedron(solid); break;
        case 63: BuildBilinskiDodecahedron(solid); break;
        case 64: BuildDeltoidalIcositetrahedron(solid, false); break;
        case 65: BuildDeltoidalIcositetrahedron(solid, true); break;
        case 66: BuildDeltoidalHexecontahedron(solid); break;
        case 67: BuildTriakisTetrahedron(solid); break;
        case 69: BuildTetrakisHexahedron(solid); break;
        case 70: BuildTriakisOctahedron(solid); break;
        case 71: BuildPentakisDodecahedron(solid); break;
        case 72: BuildTriakisIcosahedron(solid); break;
        case 73: BuildDisdyakisDodecahedron(solid); break;
        case 74: BuildDisdyakisTriacontahedron(solid); break;
        case 79: BuildRhombicHexecontahedron(solid); break;
        case 80: BuildStarRhombicHexecontahedron(solid, 0); break;
        case 81: BuildStarRhombicHexecontahedron(solid, 1); break;
        case 82: BuildStarRhombicHexecontahedron(solid, 2); break;
        case 83: BuildRhombicEnneacontahedron(solid); break;
        case 84: BuildFirstStellatedRhombicDodecahedron(solid); break;
        case 85: BuildMedialRhombicTriacontahedron(solid); break;
        case 86: BuildGreatRhombicTriacontahedron(solid); break;
        case 87: BuildSmallTriambicIcosahedron(solid); break;
        default: return false;
    }
    return true;
}

}  // namespace

int BuildCatalanFamily(Solid& solid, ShapeId figure) {
    if (!BuildMesh(solid, figure)) return 0;
    WriteFigureNames(solid, figure);
    return 1;
}

}  // namespace gyro
