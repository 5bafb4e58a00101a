#pragma once

// The Catalan solids and the other rhombic, deltoidal and stellated isohedral
// solids. Each builder writes the mesh, the colour slots and patternCount;
// names are written by the family's dispatch (BuildCatalanFamily, and the snub
// builders for the pentagonal icositetrahedron and hexecontahedron).
//
// A Catalan solid is the polar of its Archimedean partner: a vertex on the axis
// of every partner face, one face per partner vertex. Its size follows the size
// standard through the partner's ratio q; when it is built for a dual compound
// (conhensez) it takes the partner's midsphere instead, so that the edges of
// the two cross.

#include <cstdint>

#include "catalog/build_kit.h"
#include "model/solid.h"

namespace gyro::catalan {

using namespace kit;

// How a Catalan solid is sized. Without conhensez: ReferenceLength of `ratio`,
// read as its circumradius or its inradius. With conhensez: the midradius that
// `partnerMidradius` gives (the partner's own edge-tangent sizing); when there
// is none, the ratio's qEdge read the same way as q.
struct CatalanSize {
    SizeRatio ratio;
    double (*partnerMidradius)(const BuildParams&) = nullptr;
};

// A partner's ratio read the other way: the partner's nearest faces at r
// become the Catalan solid's farthest vertices.
SizeRatio CatalanRatio(SizeRatio partner);

// The scale that puts a shape written with midradius 1 (circumradius
// `circumradius`, inradius `inradius`) at its size.
double CatalanScale(const BuildParams& params, const CatalanSize& size, double circumradius, double inradius);

// catalan_flags.cpp: the solids on the flags of a regular solid.
void BuildRhombicDodecahedron(Solid& solid);            // 60
void BuildRhombicTriacontahedron(Solid& solid);         // 61
void BuildDeltoidalIcositetrahedron(Solid& solid, bool pseudo);  // 64, 65
void BuildDeltoidalHexecontahedron(Solid& solid);       // 66
void BuildTriakisTetrahedron(Solid& solid);             // 67
void BuildTetrakisHexahedron(Solid& solid);             // 69
void BuildTriakisOctahedron(Solid& solid);              // 70
void BuildPentakisDodecahedron(Solid& solid);           // 71
void BuildTriakisIcosahedron(Solid& solid);             // 72
void BuildDisdyakisDodecahedron(Solid& solid);          // 73
void BuildDisdyakisTriacontahedron(Solid& solid);       // 74

// catalan_stars.cpp: zonohedra and stellations.
void BuildRhombicIcosahedron(Solid& solid);             // 62
void BuildBilinskiDodecahedron(Solid& solid);           // 63
void BuildRhombicHexecontahedron(Solid& solid);         // 79
void BuildStarRhombicHexecontahedron(Solid& solid, int32_t variant);  // 80, 81, 82 (variant 0-2)
void BuildRhombicEnneacontahedron(Solid& solid);        // 83
void BuildFirstStellatedRhombicDodecahedron(Solid& solid);  // 84
void BuildMedialRhombicTriacontahedron(Solid& solid);   // 85
void BuildGreatRhombicTriacontahedron(Solid& solid);    // 86
void BuildSmallTriambicIcosahedron(Solid& solid);       // 87

// catalan_snub.cpp: the duals of the snub solids, on the snub constants.
void BuildPentagonalIcositetrahedron(Solid& solid);     // 75
void BuildPentagonalHexecontahedron(Solid& solid);      // 77

}  // namespace gyro::catalan
