#pragma once

// The figure builders of the regular family, one group per source file. Each
// writes the mesh, the colour slots and patternCount; names, finishing
// operations (mirrors, duals, pyramids) and fractal fields are added by
// BuildRegularFamily.

#include <cstdint>

#include "catalog/build_kit.h"
#include "model/solid.h"

namespace gyro::regular {

using namespace kit;

// regular_solids.cpp
void BuildTetrahedron(Solid& solid);                      // 1
void BuildTetrahedronInCube(Solid& solid, int32_t which); // 3 (which 0), 4 (which 1)
void BuildCube(Solid& solid);                             // 5
void BuildCubeOnVertex(Solid& solid);                     // 6
void BuildOctahedron(Solid& solid);                       // 7
void BuildOctahedronOnFace(Solid& solid);                 // 8
void BuildDodecahedron(Solid& solid);                     // 9
void BuildDodecahedronAxisAligned(Solid& solid);          // 10
void BuildIcosahedron(Solid& solid);                      // 11
void BuildIcosahedronAxisAligned(Solid& solid);           // 12
void BuildMengerBase(Solid& solid);                       // 441

// regular_stars.cpp
enum class StarForm : uint8_t { StarFaces, Triangles, Outlines };
void BuildGreatStellatedDodecahedron(Solid& solid, StarForm form);  // 15, 16, 17
void BuildSmallStellatedDodecahedron(Solid& solid, StarForm form);  // 18, 19, 20
void BuildGreatDodecahedron(Solid& solid);                          // 21
void BuildGreatIcosahedron(Solid& solid);                           // 22
void BuildTetrahemihexahedron(Solid& solid);                        // 90
enum class Ditrigonal : uint8_t { SmallIcosidodecahedron, GreatIcosidodecahedron, Dodecadodecahedron };
void BuildDitrigonal(Solid& solid, Ditrigonal which);               // 106, 107, 108

// regular_compounds.cpp
void BuildStellatedOctahedron(Solid& solid);    // 23
void BuildFiveTetrahedra(Solid& solid);         // 24
void BuildTenTetrahedra(Solid& solid);          // 25
void BuildFiveCubes(Solid& solid);              // 26
enum class CompleteIcosahedronForm : uint8_t { StarFaces, Outlines, StarFacesByBelt, Hull };
void BuildCompleteIcosahedron(Solid& solid, CompleteIcosahedronForm form);  // 28, 29, 30, 31

// regular_reference.cpp
bool BuildReferenceCombination(Solid& solid, ShapeId figure);  // 420-437; false for other numbers
void BuildDecagonShell(Solid& solid);                          // 452
void BuildBaguaTree(Solid& solid);                             // 520

}  // namespace gyro::regular
