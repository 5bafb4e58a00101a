#include "catalog/catalogue.h"

#include <algorithm>
#include <string>
#include <utility>

#include "catalog/command_ids.h"
#include "model/translate_mark.h"

namespace gyro {

namespace {

// Every figure number with the names its builder writes. Variants that repeat
// a base solid's names (orientation, colouring, augmentation) carry them here in
// full, so that a name is found by one lookup; the tests check they agree with
// their bases.
constexpr FigureInfo kFigures[] = {
    {1, "正四面体", "Regular tetrahedron", FigureFamily::Regular, 0},
    {2, "正四面体", "Regular tetrahedron", FigureFamily::Regular, 1, MirroredThroughCentre()},
    {3, "立方体 / 正六面体", "Cube / Regular hexahedron", FigureFamily::Regular, 0},
    {4, "立方体 / 正六面体", "Cube / Regular hexahedron", FigureFamily::Regular, 0},
    {5, "立方体 / 正六面体", "Cube / Regular hexahedron", FigureFamily::Regular, 0},
    {6, "立方体", "", FigureFamily::Regular, 0},
    {7, "正八面体", "Regular octahedron", FigureFamily::Regular, 0},
    {8, "正八面体", "", FigureFamily::Regular, 0},
    {9, "正十二面体", "Regular dodecahedron", FigureFamily::Regular, 0},
    {10, "正十二面体", "", FigureFamily::Regular, 0},
    {11, "正二十面体", "Regular icosahedron", FigureFamily::Regular, 0},
    {12, "正二十面体", "", FigureFamily::Regular, 0},
    {15, "大星型十二面体", "Great stellated dodecahedron", FigureFamily::RegularStar, 0},
    {16, "大星型十二面体", "Great stellated dodecahedron", FigureFamily::RegularStar, 0},
    {17, "大星型十二面体", "Great stellated dodecahedron", FigureFamily::RegularStar, 0},
    {18, "小星型十二面体", "Small stellated dodecahedron", FigureFamily::RegularStar, 0},
    {19, "小星型十二面体", "Small stellated dodecahedron", FigureFamily::RegularStar, 0},
    {20, "小星型十二面体", "Small stellated dodecahedron", FigureFamily::RegularStar, 0},
    {21, "大十二面体", "Great dodecahedron", FigureFamily::RegularStar, 0},
    {22, "大二十面体", "Great icosahedron", FigureFamily::RegularStar, 0},
    {23, "星型八面体 / 正四面体２個の複合", "Stellated octahedron", FigureFamily::RegularCompound, 0},
    {24, "正四面体５個の複合", "Compound of five tetrahedra", FigureFamily::RegularCompound, 0},
    {25, "正四面体10個の複合", "Compound of ten tetrahedra", FigureFamily::RegularCompound, 0},
    {26, "立方体５個の複合", "Compound of five cubes", FigureFamily::RegularCompound, 0},
    {27, "正八面体５個の複合", "Compound of five octahedra", FigureFamily::RegularCompound, 0},
    {28, "完全二十面体", "", FigureFamily::RegularCompound, 0},
    {29, "完全二十面体", "", FigureFamily::RegularCompound, 0},
    {30, "完全二十面体", "", FigureFamily::RegularCompound, 0},
    {31, "完全二十面体", "", FigureFamily::RegularCompound, 0},
    {32, "三角柱10個の複合", "Compound of ten triangular prisms", FigureFamily::UniformCompound, 0},
    {33, "三角柱20個の複合", "Compound of twenty triangular prisms", FigureFamily::UniformCompound, 0},
    {34, "五角柱6個の複合", "Compound of six pentagonal prisms", FigureFamily::UniformCompound, 0},
    {35, "五角柱12個の複合", "Compound of twelve pentagonal prisms", FigureFamily::UniformCompound, 0},
    {36, "星型五角柱6個の複合", "Compound of six pentagrammic prisms", FigureFamily::UniformCompound, 0},
    {37, "星型五角柱12個の複合", "Compound of twelve pentagrammic prisms", FigureFamily::UniformCompound, 0},
    {38, "正八面体20個の複合", "Compound of twenty octahedra", FigureFamily::UniformCompound, 0},
    {40, "立方八面体 / 異相双三角台塔", "Cuboctahedron / Triangular gyrobicupola", FigureFamily::Archimedean, 0},
    {41, "二十・十二面体 / 異相双五角丸塔", "Icosidodecahedron / Pentagonal gyrobirotunda", FigureFamily::Archimedean, 0},
    {42, "斜方立方八面体 / 菱形立方八面体 / 小菱形立方八面体 / 切頂菱形十二面体 / 同相双四角台塔柱", "Rhombicuboctahedron / Small rhombicuboctahedron", FigureFamily::Archimedean, 0},
    {43, "擬斜方立方八面体 / ミラーの立体 / 異相双四角台塔柱 / ジョンソンの立体No.37", "Pseudorhombicuboctahedron / Elongated square gyrobicupola", FigureFamily::Archimedean, 0},
    {44, "斜方二十・十二面体 / 菱形二十・十二面体 / 小菱形二十・十二面体 / 切頂菱形三十面体", "Rhombicosidodecahedron / Small rhombicosidodecahedron", FigureFamily::Archimedean, 0},
    {45, "切頂四面体 / 切頭四面体 / 切隅四面体", "Truncated tetrahedron", FigureFamily::Archimedean, 0},
    {46, "切頂四面体 / 切頭四面体 / 切隅四面体", "Truncated tetrahedron", FigureFamily::Archimedean, 0},
    {47, "切頂立方体 / 切頂六面体 / 切頭立方体 / 切頭六面体 / 切隅立方体 / 切隅六面体", "Truncated cube / Truncated hexahedron", FigureFamily::Archimedean, 0},
    {48, "切頂八面体 / 切頭八面体 / 切隅八面体", "Truncated octahedron", FigureFamily::Archimedean, 0},
    {49, "切頂十二面体 / 切頭十二面体 / 切隅十二面体", "Truncated dodecahedron", FigureFamily::Archimedean, 0},
    {50, "切頂二十面体 / 切頭二十面体 / 切隅二十面体", "Truncated icosahedron", FigureFamily::Archimedean, 0},
    {51, "切頂立方八面体 / 斜方切頂立方八面体 / 大菱形立方八面体", "Truncated cuboctahedron / Rhombitruncated cuboctahedron / Great rhombicuboctahedron", FigureFamily::Archimedean, 0},
    {52, "切頂二十・十二面体 / 斜方切頂二十・十二面体 / 大菱形二十・十二面体", "Truncated icosidodecahedron / Rhombitruncated icosidodecahedron / Great rhombicosidodecahedron", FigureFamily::Archimedean, 0},
    {53, "ねじれ立方八面体 / 変形立方八面体 / ねじれ立方体 / 変形立方体", "", FigureFamily::Archimedean, 0},
    {54, "ねじれ立方八面体 / 変形立方八面体 / ねじれ立方体 / 変形立方体", "", FigureFamily::Archimedean, 53, MirroredInX()},
    {55, "ねじれ二十・十二面体 / 変形二十・十二面体 / ねじれ十二面体 / 変形十二面体", "Snub icosidodecahedron / Snub dodecahedron", FigureFamily::Archimedean, 0},
    {56, "ねじれ二十・十二面体 / 変形二十・十二面体 / ねじれ十二面体 / 変形十二面体", "Snub icosidodecahedron / Snub dodecahedron", FigureFamily::Archimedean, 55, MirroredInX()},
    {60, "菱形十二面体", "Rhombic dodecahedron", FigureFamily::Catalan, 0},
    {61, "菱形三十面体", "Rhombic triacontahedron", FigureFamily::Catalan, 0},
    {62, "菱形二十面体", "Rhombic icosahedron", FigureFamily::Catalan, 0},
    {63, "菱形十二面体第２種", "Bilinski dodecahedron / Rhombic dodecahedron of the second kind", FigureFamily::Catalan, 0},
    {64, "凧形二十四面体", "Deltoidal icositetrahedron", FigureFamily::Catalan, 0},
    {65, "擬凧形二十四面体", "Pseudo-deltoidal icositetrahedron", FigureFamily::Catalan, 0},
    {66, "凧形六十面体", "Deltoidal hexecontahedron", FigureFamily::Catalan, 0},
    {67, "三方四面体", "Triakis tetrahedron / Kistetrahedron", FigureFamily::Catalan, 0},
    {68, "三方四面体", "Triakis tetrahedron / Kistetrahedron", FigureFamily::Catalan, 67, MirroredThroughCentre()},
    {69, "四方立方体 / 四方六面体 / 六方四面体", "Tetrakis hexahedron / Tetrakis cube / Kiscube", FigureFamily::Catalan, 0},
    {70, "三方八面体", "Triakis octahedron / Trigonal trisoctahedron/ Kisoctahedron", FigureFamily::Catalan, 0},
    {71, "五方十二面体", "Pentakis dodecahedron / Kisdodecahedron", FigureFamily::Catalan, 0},
    {72, "三方二十面体", "Triakis icosahedron / Kisicosahedron", FigureFamily::Catalan, 0},
    {73, "四方菱形十二面体 / 二重二方十二面体 / 六方八面体 / 八方立方体 / 八方六面体", "Disdyakis dodecahedron / Hexakis octahedron / Octakis cube / Octakis hexahedron / Kisrhombic dodecahedron", FigureFamily::Catalan, 0},
    {74, "四方菱形三十面体 / 二重二方三十面体 / 六方二十面体 / 十方十二面体", "Disdyakis triacontahedron / Hexakis icosahedron / Decakis dodecahedron / Kisrhombic triacontahedron", FigureFamily::Catalan, 0},
    {75, "五角二十四面体", "", FigureFamily::Catalan, 0},
    {76, "五角二十四面体", "", FigureFamily::Catalan, 75, MirroredInX()},
    {77, "五角六十面体", "", FigureFamily::Catalan, 0},
    {78, "五角六十面体", "", FigureFamily::Catalan, 77, MirroredInX()},
    {79, "菱形六十面体", "Rhombic hexecontahedron", FigureFamily::Catalan, 0},
    {80, "菱形六十面体（星型タイプ）", "", FigureFamily::Catalan, 0},
    {81, "菱形六十面体（星型タイプ）", "", FigureFamily::Catalan, 0},
    {82, "菱形六十面体（星型タイプ）", "", FigureFamily::Catalan, 0},
    {83, "菱形九十面体", "Rhombic enneacontahedron", FigureFamily::Catalan, 0},
    {84, "菱形十二面体の最初の星型", "", FigureFamily::Catalan, 0},
    {85, "菱形三十面体の星型のG", "", FigureFamily::Catalan, 0},
    {86, "菱形三十面体の星型のJU", "", FigureFamily::Catalan, 0},
    {87, "小三角六辺形二十面体", "Small triambic icosahedron", FigureFamily::Catalan, 0},
    {90, "四面半六面体", "Tetrahemihexahedron", FigureFamily::NonConvexUniform, 0},
    {91, "四面半六面体", "Tetrahemihexahedron", FigureFamily::NonConvexUniform, 90, MirroredThroughCentre()},
    {92, "立方半八面体", "Cubohemioctahedron", FigureFamily::NonConvexUniform, 0},
    {93, "八面半八面体", "Octahemioctahedron", FigureFamily::NonConvexUniform, 0},
    {94, "小立方立方八面体", "Small Cubicuboctahedron", FigureFamily::NonConvexUniform, 0},
    {95, "小斜方六面体", "Small rhombihexahedron", FigureFamily::NonConvexUniform, 0},
    {96, "星型切頂六面体", "Stellated truncated hexahedron / Quasitruncated hexahedron", FigureFamily::NonConvexUniform, 0},
    {97, "大立方立方八面体", "Great cubicuboctahedron", FigureFamily::NonConvexUniform, 0},
    {98, "(一様)大斜方立方八面体", "(Uniform)Great rhombicuboctahedron / Quasirhombicuboctahedron", FigureFamily::NonConvexUniform, 0},
    {99, "擬(一様)大斜方立方八面体", "Pseudo-(uniform)great rhombicuboctahedron", FigureFamily::NonConvexUniform, 0},
    {100, "擬大斜方立方八面体（枠）", "frame of Pseudo-great rhombicuboctahedron", FigureFamily::NonConvexUniform, 0},
    {101, "大斜方六面体", "Great rhombihexahedron", FigureFamily::NonConvexUniform, 0},
    {102, "立方切頂立方八面体の枠", "frame of Cubitruncated cuboctahedron", FigureFamily::NonConvexUniform, 0},
    {103, "立方切頂立方八面体", "Cubitruncated cuboctahedron", FigureFamily::NonConvexUniform, 0},
    {104, "大切頂立方八面体の枠", "frame of Great truncated cuboctahedron", FigureFamily::NonConvexUniform, 0},
    {105, "大切頂立方八面体", "Great truncated cuboctahedron / Quasitruncated cuboctahedron", FigureFamily::NonConvexUniform, 0},
    {106, "小二重三角二十・十二面体", "Small ditrigonal icosidodecahedron", FigureFamily::NonConvexUniform, 0},
    {107, "大二重三角二十・十二面体", "Great ditrigonal icosidodecahedron", FigureFamily::NonConvexUniform, 0},
    {108, "二重三角十二・十二面体", "Ditrigonal dodecadodecahedron", FigureFamily::NonConvexUniform, 0},
    {109, "小十二面半十二面体", "Small dodecahemidodecahedron", FigureFamily::NonConvexUniform, 0},
    {110, "小二十面半十二面体", "Small Icosihemidodecahedron", FigureFamily::NonConvexUniform, 0},
    {111, "十二・十二面体", "Dodecadodecahedron", FigureFamily::NonConvexUniform, 0},
    {112, "小十二面半二十面体", "Small dodecahemicosahedron", FigureFamily::NonConvexUniform, 0},
    {113, "大十二面半二十面体", "Great dodecahemicosahedron", FigureFamily::NonConvexUniform, 0},
    {114, "大二十・十二面体", "Great icosidodecahedron", FigureFamily::NonConvexUniform, 0},
    {115, "大十二面半十二面体", "Great dodecahemidodecahedron", FigureFamily::NonConvexUniform, 0},
    {116, "大二十面半十二面体", "Great icosihemidodecahedron", FigureFamily::NonConvexUniform, 0},
    {117, "小十二・二十・十二面体", "Small dodecicosidodecahedron", FigureFamily::NonConvexUniform, 0},
    {118, "小斜方十二面体", "Small rhombidodecahedron", FigureFamily::NonConvexUniform, 0},
    {119, "小星型切頂十二面体", "Small stellated truncated dodecahedron / Quasitruncated small stellated dodecahedron", FigureFamily::NonConvexUniform, 0},
    {120, "切頂大二十面体の枠", "frame of Truncated great icosahedron", FigureFamily::NonConvexUniform, 0},
    {121, "切頂大二十面体", "Truncated great icosahedron", FigureFamily::NonConvexUniform, 0},
    {122, "小二十・二十・十二面体の枠", "frame of Small icosicosidodecahedron", FigureFamily::NonConvexUniform, 0},
    {123, "小二十・二十・十二面体", "Small icosicosidodecahedron", FigureFamily::NonConvexUniform, 0},
    {124, "小二重三角十二・二十・十二面体", "Small ditrigonal dodecicosidodecahedron", FigureFamily::NonConvexUniform, 0},
    {125, "小十二・二十面体", "Small dodecicosahedron", FigureFamily::NonConvexUniform, 0},
    {126, "大星型切頂十二面体", "Great stellated truncated dodecahedron / Quasitruncated great stellated dodecahedron", FigureFamily::NonConvexUniform, 0},
    {127, "大変形十二・二十・十二面体の枠", "frame of Great snub dodecicosidodecahedron", FigureFamily::NonConvexUniform, 0},
    {128, "大変形十二・二十・十二面体", "Great snub dodecicosidodecahedron", FigureFamily::NonConvexUniform, 0},
    {129, "大変形十二・二十・十二面体（鏡像）", "Great snub dodecicosidodecahedron(mirror)", FigureFamily::NonConvexUniform, 128, MirroredInX()},
    {130, "大変形十二・二十・十二面体", "Great snub dodecicosidodecahedron", FigureFamily::NonConvexUniform, 0},
    {131, "大変形十二・二十・十二面体（鏡像）", "Great snub dodecicosidodecahedron(mirror)", FigureFamily::NonConvexUniform, 130, MirroredInX()},
    {132, "大二重斜方二十・十二面体", "Great dirhombicosidodecahedron", FigureFamily::NonConvexUniform, 0},
    {133, "大二重斜方二十・十二面体", "Great dirhombicosidodecahedron", FigureFamily::NonConvexUniform, 0},
    {134, "大二重斜方二十・十二面体", "Great dirhombicosidodecahedron", FigureFamily::NonConvexUniform, 0},
    {135, "大二重変形二重斜方十二面体 / スキリングの立体", "Great disnub dirhombidodecahedron / Skilling's figure", FigureFamily::NonConvexUniform, 0},
    {136, "大二重変形二重斜方十二面体 / スキリングの立体", "Great disnub dirhombidodecahedron / Skilling's figure", FigureFamily::NonConvexUniform, 0},
    {137, "大二重変形二重斜方十二面体 / スキリングの立体", "Great disnub dirhombidodecahedron / Skilling's figure", FigureFamily::NonConvexUniform, 0},
    {138, "大二重三角十二・二十・十二面体", "Great ditrigonal dodecicosidodecahedron", FigureFamily::NonConvexUniform, 0},
    {139, "大二十・二十・十二面体", "Great icosicosidodecahedron", FigureFamily::NonConvexUniform, 0},
    {140, "大十二・二十面体", "Great dodecicosahedron", FigureFamily::NonConvexUniform, 0},
    {141, "小反屈変形二十・二十・十二面体の枠", "frame of Small retrosnub icosicosidodecahedron", FigureFamily::NonConvexUniform, 0},
    {142, "小反屈変形二十・二十・十二面体", "Small retrosnub icosicosidodecahedron", FigureFamily::NonConvexUniform, 0},
    {143, "小反屈変形二十・二十・十二面体", "Small retrosnub icosicosidodecahedron", FigureFamily::NonConvexUniform, 0},
    {144, "切頂大十二面体の枠", "frame of Truncated great dodecahedron", FigureFamily::NonConvexUniform, 0},
    {145, "切頂大十二面体", "Truncated great dodecahedron", FigureFamily::NonConvexUniform, 0},
    {146, "大十二・二十・十二面体", "Great dodecicosidodecahedron", FigureFamily::NonConvexUniform, 0},
    {147, "(一様)大斜方二十・十二面体", "(Uniform)Great rhombicosidodecahedron / Quasirhombicosidodecahedron", FigureFamily::NonConvexUniform, 0},
    {148, "大斜方十二面体", "Great rhombidodecahedron", FigureFamily::NonConvexUniform, 0},
    {149, "斜方十二・十二面体の枠", "frame of Rhombidodecadodecahedron", FigureFamily::NonConvexUniform, 0},
    {150, "斜方十二・十二面体", "Rhombidodecadodecahedron", FigureFamily::NonConvexUniform, 0},
    {151, "二十・十二・十二面体", "Icosidodecadodecahedron", FigureFamily::NonConvexUniform, 0},
    {152, "斜方二十面体", "Rhombicosahedron", FigureFamily::NonConvexUniform, 0},
    {153, "小変形二十・二十・十二面体の枠", "frame of Small snub icosicosidodecahedron", FigureFamily::NonConvexUniform, 0},
    {154, "小変形二十・二十・十二面体", "Small snub icosicosidodecahedron", FigureFamily::NonConvexUniform, 0},
    {155, "小変形二十・二十・十二面体", "Small snub icosicosidodecahedron", FigureFamily::NonConvexUniform, 0},
    {156, "二十面切頂十二・十二面体の枠", "frame of Icositruncated dodecadodecahedron", FigureFamily::NonConvexUniform, 0},
    {157, "二十面切頂十二・十二面体", "Icositruncated dodecadodecahedron", FigureFamily::NonConvexUniform, 0},
    {158, "切頂十二・十二面体の枠", "frame of Truncated dodecadodecahedron", FigureFamily::NonConvexUniform, 0},
    {159, "切頂十二・十二面体", "Truncated dodecadodecahedron / Quasitruncated dodecadodecahedron", FigureFamily::NonConvexUniform, 0},
    {160, "大切頂二十・十二面体の枠", "frame of Great truncated icosidodecahedron", FigureFamily::NonConvexUniform, 0},
    {161, "大切頂二十・十二面体", "Great truncated icosidodecahedron / Great quasitruncated icosidodecahedron", FigureFamily::NonConvexUniform, 0},
    {162, "変形十二・十二面体の枠", "frame of Snub dodecadodecahedron", FigureFamily::NonConvexUniform, 0},
    {163, "変形十二・十二面体", "Snub dodecadodecahedron", FigureFamily::NonConvexUniform, 0},
    {164, "変形十二・十二面体（鏡像）の枠", "frame of Snub dodecadodecahedron(mirror)", FigureFamily::NonConvexUniform, 162, MirroredInX()},
    {165, "変形十二・十二面体（鏡像）", "Snub dodecadodecahedron(mirror)", FigureFamily::NonConvexUniform, 163, MirroredInX()},
    {166, "逆変形十二・十二面体の枠", "frame of Inverted snub dodecadodecahedron", FigureFamily::NonConvexUniform, 0},
    {167, "逆変形十二・十二面体", "Inverted snub dodecadodecahedron", FigureFamily::NonConvexUniform, 0},
    {168, "逆変形十二・十二面体（鏡像）の枠", "frame of Inverted snub dodecadodecahedron(mirror)", FigureFamily::NonConvexUniform, 166, MirroredInX()},
    {169, "逆変形十二・十二面体（鏡像）", "Inverted snub dodecadodecahedron(mirror)", FigureFamily::NonConvexUniform, 167, MirroredInX()},
    {170, "変形二十・十二・十二面体の枠", "frame of Snub icosidodecadodecahedron", FigureFamily::NonConvexUniform, 0},
    {171, "変形二十・十二・十二面体", "Snub icosidodecadodecahedron", FigureFamily::NonConvexUniform, 0},
    {172, "変形二十・十二・十二面体（鏡像）の枠", "frame of Snub icosidodecadodecahedron(mirror)", FigureFamily::NonConvexUniform, 170, MirroredInX()},
    {173, "変形二十・十二・十二面体（鏡像）", "Snub icosidodecadodecahedron(mirror)", FigureFamily::NonConvexUniform, 171, MirroredInX()},
    {174, "大変形二十・十二面体の枠", "frame of Great snub icosidodecahedron", FigureFamily::NonConvexUniform, 0},
    {175, "大変形二十・十二面体", "Great snub icosidodecahedron", FigureFamily::NonConvexUniform, 0},
    {176, "大変形二十・十二面体（鏡像）の枠", "frame of Great snub icosidodecahedron(mirror)", FigureFamily::NonConvexUniform, 174, MirroredInX()},
    {177, "大変形二十・十二面体（鏡像）", "Great snub icosidodecahedron(mirror)", FigureFamily::NonConvexUniform, 175, MirroredInX()},
    {178, "大逆変形二十・十二面体の枠", "frame of Great inverted snub icosidodecahedron", FigureFamily::NonConvexUniform, 0},
    {179, "大逆変形二十・十二面体", "Great inverted snub icosidodecahedron", FigureFamily::NonConvexUniform, 0},
    {180, "大逆変形二十・十二面体（鏡像）の枠", "frame of Great inverted snub icosidodecahedron(mirror)", FigureFamily::NonConvexUniform, 178, MirroredInX()},
    {181, "大逆変形二十・十二面体（鏡像）", "Great inverted snub icosidodecahedron(mirror)", FigureFamily::NonConvexUniform, 179, MirroredInX()},
    {182, "大反屈変形二十・十二面体の枠", "frame of Great retrosnub icosidodecahedron", FigureFamily::NonConvexUniform, 0},
    {183, "大反屈変形二十・十二面体", "Great retrosnub icosidodecahedron", FigureFamily::NonConvexUniform, 0},
    {184, "大反屈変形二十・十二面体（鏡像）の枠", "frame of Great retrosnub icosidodecahedron(mirror)", FigureFamily::NonConvexUniform, 182, MirroredInX()},
    {185, "大反屈変形二十・十二面体（鏡像）", "Great retrosnub icosidodecahedron(mirror)", FigureFamily::NonConvexUniform, 183, MirroredInX()},
    {200, "立方体", "Cube", FigureFamily::UniformDual, 7, DualWithColours(kOctahedralDualColours)},
    {201, "四面半六cron", "Tetrahemihexacron", FigureFamily::UniformDual, 90, DualWithColours(kOctahedralDualColours)},
    {202, "菱形十二面体", "Rhombic dodecahedron", FigureFamily::UniformDual, 40, DualWithColours(kOctahedralDualColours)},
    {203, "立方半八cron / 六面半八cron", "Hexahemioctacron / Cubohemioctacron", FigureFamily::UniformDual, 92, DualWithColours(kOctahedralDualColours)},
    {204, "八面半八cron", "Octahemioctacron", FigureFamily::UniformDual, 93, DualWithColours(kOctahedralDualColours)},
    {205, "凧形二十四面体", "Deltoidal icositetrahedron", FigureFamily::UniformDual, 42, DualWithColours(kOctahedralDualColours)},
    {206, "擬凧形二十四面体", "Pseudo-deltoidal icositetrahedron", FigureFamily::UniformDual, 43, DualWithColours(kOctahedralDualColours)},
    {207, "小六cronic二十四面体", "Small hexacronic icositetrahedron", FigureFamily::UniformDual, 94, DualWithColours(kOctahedralDualColours)},
    {208, "小斜方六cron", "Small rhombihexacron", FigureFamily::UniformDual, 95, DualWithColours(kOctahedralDualColours)},
    {209, "大三方八面体", "Great triakis octahedron", FigureFamily::UniformDual, 96, DualWithColours(kOctahedralDualColours)},
    {210, "大六cronic二十四面体", "Great hexacronic icositetrahedron", FigureFamily::UniformDual, 97, DualWithColours(kOctahedralDualColours)},
    {211, "大凧形二十四面体", "Great deltoidal icositetrahedron", FigureFamily::UniformDual, 98, DualWithColours(kOctahedralDualColours)},
    {212, "擬大凧形二十四面体", "Pseudo-great deltoidal icositetrahedron", FigureFamily::UniformDual, 99, DualWithColours(kOctahedralDualColours)},
    {213, "大斜方六cron", "Great rhombihexacron", FigureFamily::UniformDual, 101, DualWithColours(kOctahedralDualColours)},
    {214, "四重二方六面体", "Tetradyakis hexahedron", FigureFamily::UniformDual, 103, DualWithColours(kOctahedralDualColours)},
    {215, "大二重二方十二面体", "Great disdyakis dodecahedron", FigureFamily::UniformDual, 105, DualWithColours(kOctahedralDualColours)},
    {216, "小三角六辺形二十面体", "Small triambic icosahedron", FigureFamily::UniformDual, 106, DualWithColours(kIcosahedralDualColours)},
    {217, "大三角六辺形二十面体", "Great triambic icosahedron", FigureFamily::UniformDual, 107, DualWithColours(kIcosahedralDualColours)},
    {218, "中三角六辺形二十面体", "Medial triambic icosahedron", FigureFamily::UniformDual, 108, DualWithColours(kIcosahedralDualColours)},
    {219, "菱形三十面体", "Rhombic triacontahedron", FigureFamily::UniformDual, 41, DualWithColours(kIcosahedralDualColours)},
    {220, "小十二面半十二cron", "Small dodecahemidodecacron", FigureFamily::UniformDual, 109, DualWithColours(kIcosahedralDualColours)},
    {221, "小二十面半十二cron", "Small icosihemidodecacron", FigureFamily::UniformDual, 110, DualWithColours(kIcosahedralDualColours)},
    {222, "中菱形三十面体 / 菱形三十面体の星型のG", "Medial rhombic triacontahedron", FigureFamily::UniformDual, 111, DualWithColours(kIcosahedralDualColours)},
    {223, "小十二面半二十cron", "Small dodecahemicosacron", FigureFamily::UniformDual, 112, DualWithColours(kIcosahedralDualColours)},
    {224, "大十二面半二十cron", "Great dodecahemicosacron", FigureFamily::UniformDual, 113, DualWithColours(kIcosahedralDualColours)},
    {225, "大菱形三十面体 / 菱形三十面体の星型のJU", "Great rhombic triacontahedron", FigureFamily::UniformDual, 114, DualWithColours(kIcosahedralDualColours)},
    {226, "大十二面半十二cron", "Great dodecahemidodecacron", FigureFamily::UniformDual, 115, DualWithColours(kIcosahedralDualColours)},
    {227, "大二十面半十二cron", "Great icosihemidodecacron", FigureFamily::UniformDual, 116, DualWithColours(kIcosahedralDualColours)},
    {228, "凧形六十面体", "Deltoidal hexecontahedron", FigureFamily::UniformDual, 44, DualWithColours(kIcosahedralDualColours)},
    {229, "小十二cronic六十面体", "Small dodecacronic hexecontahedron", FigureFamily::UniformDual, 117, DualWithColours(kIcosahedralDualColours)},
    {230, "小斜方十二cron", "Small rhombidodecacron", FigureFamily::UniformDual, 118, DualWithColours(kIcosahedralDualColours)},
    {231, "大五方十二面体", "Great pentakis dodecahedron", FigureFamily::UniformDual, 119, DualWithColours(kIcosahedralDualColours)},
    {232, "大星型五方十二面体", "Great stellapentakis dodecahedron", FigureFamily::UniformDual, 121, DualWithColours(kIcosahedralDualColours)},
    {233, "小二十cronic六十面体", "Small icosacronic hexecontahedron", FigureFamily::UniformDual, 123, DualWithColours(kIcosahedralDualColours)},
    {234, "小二重三角十二cronic六十面体", "Small ditrigonal dodecacronic hexecontahedron", FigureFamily::UniformDual, 124, DualWithColours(kIcosahedralDualColours)},
    {235, "小十二・二十cron", "Small dodecicosacron", FigureFamily::UniformDual, 125, DualWithColours(kIcosahedralDualColours)},
    {236, "大三方二十面体", "Great triakis icosahedron", FigureFamily::UniformDual, 126, DualWithColours(kIcosahedralDualColours)},
    {237, "大六角六十面体", "Great hexagonal hexecontahedron", FigureFamily::UniformDual, 128, DualWithColours(kIcosahedralDualColours)},
    {238, "大六角六十面体（鏡像）", "Great hexagonal hexecontahedron(mirror)", FigureFamily::UniformDual, 129, DualWithColours(kIcosahedralDualColours)},
    {239, "大二重斜方二十・十二cron", "Great dirhombicosidodecacron", FigureFamily::UniformDual, 132, DualWithColours(kIcosahedralDualColours)},
    {240, "大二重変形二重斜方十二cron", "Great disnub dirhombidodecacron", FigureFamily::UniformDual, 135, DualWithColours(kIcosahedralDualColours)},
    {241, "大二重三角十二cronic六十面体", "Great ditrigonal dodecacronic hexecontahedron", FigureFamily::UniformDual, 138, DualWithColours(kIcosahedralDualColours)},
    {242, "大二十cronic六十面体", "Great icosacronic hexecontahedron", FigureFamily::UniformDual, 139, DualWithColours(kIcosahedralDualColours)},
    {243, "大十二・二十cron", "Great dodecicosacron", FigureFamily::UniformDual, 140, DualWithColours(kIcosahedralDualColours)},
    {244, "小hexagrammic六十面体 / 小六線星型六十面体", "Small hexagrammic hexecontahedron", FigureFamily::UniformDual, 142, DualWithColours(kIcosahedralDualColours)},
    {245, "小星型五方十二面体", "Small stellapentakis dodecahedron", FigureFamily::UniformDual, 145, DualWithColours(kIcosahedralDualColours)},
    {246, "大十二cronic六十面体", "Great dodecacronic hexecontahedron", FigureFamily::UniformDual, 146, DualWithColours(kIcosahedralDualColours)},
    {247, "大凧形六十面体", "Great deltoidal hexecontahedron", FigureFamily::UniformDual, 147, DualWithColours(kIcosahedralDualColours)},
    {248, "大斜方十二cron", "Great rhombidodecacron", FigureFamily::UniformDual, 148, DualWithColours(kIcosahedralDualColours)},
    {249, "中凧形六十面体", "Medial deltoidal hexecontahedron", FigureFamily::UniformDual, 150, DualWithColours(kIcosahedralDualColours)},
    {250, "中二十cronic六十面体", "Medial icosacronic hexecontahedron", FigureFamily::UniformDual, 151, DualWithColours(kIcosahedralDualColours)},
    {251, "斜方二十cron", "Rhombicosacron", FigureFamily::UniformDual, 152, DualWithColours(kIcosahedralDualColours)},
    {252, "小六角六十面体", "Small hexagonal hexecontahedron", FigureFamily::UniformDual, 154, DualWithColours(kIcosahedralDualColours)},
    {253, "三重二方二十面体", "Tridyakis icosahedron", FigureFamily::UniformDual, 157, DualWithColours(kIcosahedralDualColours)},
    {254, "中二重二方三十面体", "Medial disdyakis triacontahedron", FigureFamily::UniformDual, 159, DualWithColours(kIcosahedralDualColours)},
    {255, "大二重二方三十面体", "Great disdyakis triacontahedron", FigureFamily::UniformDual, 161, DualWithColours(kIcosahedralDualColours)},
    {256, "中六角六十面体", "Medial hexagonal hexecontahedron", FigureFamily::UniformDual, 171, DualWithColours(kIcosahedralDualColours)},
    {257, "中六角六十面体（鏡像）", "Medial hexagonal hexecontahedron(mirror)", FigureFamily::UniformDual, 173, DualWithColours(kIcosahedralDualColours)},
    {258, "中五角六十面体", "Medial pentagonal hexecontahedron", FigureFamily::UniformDual, 163, DualWithColours(kIcosahedralDualColours)},
    {259, "中五角六十面体（鏡像）", "Medial pentagonal hexecontahedron(mirror)", FigureFamily::UniformDual, 165, DualWithColours(kIcosahedralDualColours)},
    {260, "中逆五角六十面体", "Medial inverted pentagonal hexecontahedron", FigureFamily::UniformDual, 167, DualWithColours(kIcosahedralDualColours)},
    {261, "中逆五角六十面体（鏡像）", "Medial inverted pentagonal hexecontahedron(mirror)", FigureFamily::UniformDual, 169, DualWithColours(kIcosahedralDualColours)},
    {262, "大五角六十面体", "Great pentagonal hexecontahedron", FigureFamily::UniformDual, 175, DualWithColours(kIcosahedralDualColours)},
    {263, "大五角六十面体（鏡像）", "Great pentagonal hexecontahedron(mirror)", FigureFamily::UniformDual, 177, DualWithColours(kIcosahedralDualColours)},
    {264, "大逆五角六十面体", "Great inverted pentagonal hexecontahedron", FigureFamily::UniformDual, 179, DualWithColours(kIcosahedralDualColours)},
    {265, "大逆五角六十面体（鏡像）", "Great inverted pentagonal hexecontahedron(mirror)", FigureFamily::UniformDual, 181, DualWithColours(kIcosahedralDualColours)},
    {266, "大pentagrammic六十面体 / 大五線星型六十面体", "Great pentagrammic hexecontahedron", FigureFamily::UniformDual, 183, DualWithColours(kIcosahedralDualColours)},
    {267, "大pentagrammic六十面体（鏡像）", "Great pentagrammic hexecontahedron(mirror)", FigureFamily::UniformDual, 185, DualWithColours(kIcosahedralDualColours)},
    {268, "四面半六cron", "Tetrahemihexacron", FigureFamily::UniformDual, 91, DualWithColours(kOctahedralDualColours)},
    {300, "正四角錐 / ジョンソンの立体No.1", "", FigureFamily::Johnson, 0},
    {301, "正五角錐 / ジョンソンの立体No.2", "", FigureFamily::Johnson, 0},
    {302, "正三角台塔 / ジョンソンの立体No.3", "", FigureFamily::Johnson, 0},
    {303, "正四角台塔 / ジョンソンの立体No.4", "", FigureFamily::Johnson, 0},
    {304, "正五角台塔 / ジョンソンの立体No.5", "", FigureFamily::Johnson, 0},
    {305, "正五角丸塔 / ジョンソンの立体No.6", "", FigureFamily::Johnson, 0},
    {306, "正三角錐柱 / ジョンソンの立体No.7", "", FigureFamily::Johnson, 0},
    {307, "正四角錐柱 / ジョンソンの立体No.8", "", FigureFamily::Johnson, 0},
    {308, "正五角錐柱 / ジョンソンの立体No.9", "", FigureFamily::Johnson, 0},
    {309, "正四角錐反柱 / ジョンソンの立体No.10", "", FigureFamily::Johnson, 0},
    {310, "正五角錐反柱 / 相当:側錐欠損二十面体 / ジョンソンの立体No.11", "", FigureFamily::Johnson, 0},
    {311, "双三角錐 / デルタ六面体 / ジョンソンの立体No.12", "", FigureFamily::Johnson, 0},
    {312, "双五角錐 / デルタ十面体 / ジョンソンの立体No.13", "", FigureFamily::Johnson, 0},
    {313, "双三角錐柱 / ジョンソンの立体No.14", "", FigureFamily::Johnson, 0},
    {314, "双四角錐柱 / ジョンソンの立体No.15", "", FigureFamily::Johnson, 0},
    {315, "双五角錐柱 / ジョンソンの立体No.16", "", FigureFamily::Johnson, 0},
    {316, "双四角錐反柱 / デルタ十六面体 / ジョンソンの立体No.17", "", FigureFamily::Johnson, 0},
    {317, "正三角台塔柱 / ジョンソンの立体No.18", "", FigureFamily::Johnson, 0},
    {318, "正四角台塔柱 / ジョンソンの立体No.19", "", FigureFamily::Johnson, 0},
    {319, "正五角台塔柱 / ジョンソンの立体No.20", "", FigureFamily::Johnson, 0},
    {320, "正五角丸塔柱 / ジョンソンの立体No.21", "", FigureFamily::Johnson, 0},
    {321, "正三角台塔反柱 / ジョンソンの立体No.22", "", FigureFamily::Johnson, 0},
    {322, "正四角台塔反柱 / ジョンソンの立体No.23", "", FigureFamily::Johnson, 0},
    {323, "正五角台塔反柱 / ジョンソンの立体No.24", "", FigureFamily::Johnson, 0},
    {324, "正五角丸塔反柱 / ジョンソンの立体No.25", "", FigureFamily::Johnson, 0},
    {325, "異相双三角柱 / 相当:異相双二角台塔 / ジョンソンの立体No.26", "", FigureFamily::Johnson, 0},
    {326, "同相双三角台塔 / ジョンソンの立体No.27", "", FigureFamily::Johnson, 0},
    {327, "同相双四角台塔 / ジョンソンの立体No.28", "", FigureFamily::Johnson, 0},
    {328, "異相双四角台塔 / ジョンソンの立体No.29", "", FigureFamily::Johnson, 0},
    {329, "同相双五角台塔 / ジョンソンの立体No.30", "", FigureFamily::Johnson, 0},
    {330, "異相双五角台塔 / ジョンソンの立体No.31", "", FigureFamily::Johnson, 0},
    {331, "同相五角台塔丸塔 / ジョンソンの立体No.32", "", FigureFamily::Johnson, 0},
    {332, "異相五角台塔丸塔 / ジョンソンの立体No.33", "", FigureFamily::Johnson, 0},
    {333, "同相双五角丸塔 / ジョンソンの立体No.34", "", FigureFamily::Johnson, 0},
    {334, "同相双三角台塔柱 / ジョンソンの立体No.35", "", FigureFamily::Johnson, 0},
    {335, "異相双三角台塔柱 / ジョンソンの立体No.36", "", FigureFamily::Johnson, 0},
    {336, "異相双四角台塔柱 / 擬斜方立方八面体 / ミラーの立体 / ジョンソンの立体No.37", "", FigureFamily::Johnson, 0},
    {337, "同相双五角台塔柱 / ジョンソンの立体No.38", "", FigureFamily::Johnson, 0},
    {338, "異相双五角台塔柱 / ジョンソンの立体No.39", "", FigureFamily::Johnson, 0},
    {339, "同相五角台塔丸塔柱 / ジョンソンの立体No.40", "", FigureFamily::Johnson, 0},
    {340, "異相五角台塔丸塔柱 / ジョンソンの立体No.41", "", FigureFamily::Johnson, 0},
    {341, "同相双五角丸塔柱 / ジョンソンの立体No.42", "", FigureFamily::Johnson, 0},
    {342, "異相双五角丸塔柱 / ジョンソンの立体No.43", "", FigureFamily::Johnson, 0},
    {343, "双三角台塔反柱 / ジョンソンの立体No.44", "", FigureFamily::Johnson, 0},
    {344, "双四角台塔反柱 / ジョンソンの立体No.45", "", FigureFamily::Johnson, 0},
    {345, "双五角台塔反柱 / ジョンソンの立体No.46", "", FigureFamily::Johnson, 0},
    {346, "五角台塔丸塔反柱 / ジョンソンの立体No.47", "", FigureFamily::Johnson, 0},
    {347, "双五角丸塔反柱 / ジョンソンの立体No.48", "", FigureFamily::Johnson, 0},
    {348, "側錐三角柱 / ジョンソンの立体No.49", "", FigureFamily::Johnson, 0},
    {349, "二側錐三角柱 / ジョンソンの立体No.50", "", FigureFamily::Johnson, 0},
    {350, "三側錐三角柱 / デルタ十四面体 / ジョンソンの立体No.51", "", FigureFamily::Johnson, 0},
    {351, "側錐五角柱 / ジョンソンの立体No.52", "", FigureFamily::Johnson, 0},
    {352, "二側錐五角柱 / ジョンソンの立体No.53", "", FigureFamily::Johnson, 0},
    {353, "側錐六角柱 / ジョンソンの立体No.54", "", FigureFamily::Johnson, 0},
    {354, "双側錐六角柱 / ジョンソンの立体No.55", "", FigureFamily::Johnson, 0},
    {355, "二側錐六角柱 / ジョンソンの立体No.56", "", FigureFamily::Johnson, 0},
    {356, "三側錐六角柱 / ジョンソンの立体No.57", "", FigureFamily::Johnson, 0},
    {357, "側錐十二面体 / ジョンソンの立体No.58", "", FigureFamily::Johnson, 0},
    {358, "双側錐十二面体 / ジョンソンの立体No.59", "", FigureFamily::Johnson, 0},
    {359, "二側錐十二面体 / ジョンソンの立体No.60", "", FigureFamily::Johnson, 0},
    {360, "三側錐十二面体 / ジョンソンの立体No.61", "", FigureFamily::Johnson, 0},
    {361, "二側錐欠損二十面体 / ジョンソンの立体No.62", "", FigureFamily::Johnson, 0},
    {362, "三側錐欠損二十面体 / ジョンソンの立体No.63", "", FigureFamily::Johnson, 0},
    {363, "側錐三側錐欠損二十面体 / ジョンソンの立体No.64", "", FigureFamily::Johnson, 0},
    {364, "側台塔切頂四面体 / ジョンソンの立体No.65", "", FigureFamily::Johnson, 0},
    {365, "側台塔切頂立方体 / ジョンソンの立体No.66", "", FigureFamily::Johnson, 0},
    {366, "双側台塔切頂立方体 / ジョンソンの立体No.67", "", FigureFamily::Johnson, 0},
    {367, "側台塔切頂十二面体 / ジョンソンの立体No.68", "", FigureFamily::Johnson, 0},
    {368, "双側台塔切頂十二面体 / ジョンソンの立体No.69", "", FigureFamily::Johnson, 0},
    {369, "二側台塔切頂十二面体 / ジョンソンの立体No.70", "", FigureFamily::Johnson, 0},
    {370, "三側台塔切頂十二面体 / ジョンソンの立体No.71", "", FigureFamily::Johnson, 0},
    {371, "側台塔回転斜方二十・十二面体 / ジョンソンの立体No.72", "", FigureFamily::Johnson, 0},
    {372, "双側台塔回転斜方二十・十二面体 / ジョンソンの立体No.73", "", FigureFamily::Johnson, 0},
    {373, "二側台塔回転斜方二十・十二面体 / ジョンソンの立体No.74", "", FigureFamily::Johnson, 0},
    {374, "三側台塔回転斜方二十・十二面体 / ジョンソンの立体No.75", "", FigureFamily::Johnson, 0},
    {375, "側台塔欠損斜方二十・十二面体 / ジョンソンの立体No.76", "", FigureFamily::Johnson, 0},
    {376, "双側台塔回転欠損斜方二十・十二面体 / ジョンソンの立体No.77", "", FigureFamily::Johnson, 0},
    {377, "二側台塔回転欠損斜方二十・十二面体 / ジョンソンの立体No.78", "", FigureFamily::Johnson, 0},
    {378, "二側台塔回転側台塔欠損斜方二十・十二面体 / ジョンソンの立体No.79", "", FigureFamily::Johnson, 0},
    {379, "双側台塔欠損斜方二十・十二面体 / ジョンソンの立体No.80", "", FigureFamily::Johnson, 0},
    {380, "二側台塔欠損斜方二十・十二面体 / ジョンソンの立体No.81", "", FigureFamily::Johnson, 0},
    {381, "側台塔回転二側台塔欠損斜方二十・十二面体 / ジョンソンの立体No.82", "", FigureFamily::Johnson, 0},
    {382, "三側台塔欠損斜方二十・十二面体 / ジョンソンの立体No.83", "", FigureFamily::Johnson, 0},
    {383, "変形双五角錐 / デルタ十二面体 / ジョンソンの立体No.84", "", FigureFamily::Johnson, 0},
    {384, "変形四角反柱 / ジョンソンの立体No.85", "", FigureFamily::Johnson, 0},
    {385, "球形屋根 / ジョンソンの立体No.86", "", FigureFamily::Johnson, 0},
    {386, "側錐球形屋根 / ジョンソンの立体No.87", "", FigureFamily::Johnson, 0},
    {387, "長球形屋根 / ジョンソンの立体No.88", "", FigureFamily::Johnson, 0},
    {388, "広底長球形屋根 / ジョンソンの立体No.89", "", FigureFamily::Johnson, 0},
    {389, "五角錐球形屋根 / ジョンソンの立体No.90", "", FigureFamily::Johnson, 0},
    {390, "双三日月双丸塔 / ジョンソンの立体No.91", "", FigureFamily::Johnson, 0},
    {391, "三角広底球形屋根丸塔 / ジョンソンの立体No.92", "", FigureFamily::Johnson, 0},
    {392, "ジョンソンのパンツ", "", FigureFamily::JohnsonExtra, 0},
    {393, "双三角台塔反柱 / ジョンソンの立体No.44", "", FigureFamily::JohnsonMirror, 0},
    {394, "双四角台塔反柱 / ジョンソンの立体No.45", "", FigureFamily::JohnsonMirror, 0},
    {395, "双五角台塔反柱 / ジョンソンの立体No.46", "", FigureFamily::JohnsonMirror, 0},
    {396, "五角台塔丸塔反柱 / ジョンソンの立体No.47", "", FigureFamily::JohnsonMirror, 0},
    {397, "双五角丸塔反柱 / ジョンソンの立体No.48", "", FigureFamily::JohnsonMirror, 0},
    {400, "角錐", "", FigureFamily::Parametric, 0},
    {401, "角錐（反転）", "", FigureFamily::Parametric, 0},
    {402, "角柱", "", FigureFamily::Parametric, 0},
    {403, "アルキメデスの角柱", "", FigureFamily::Parametric, 0},
    {404, "双角錐 / 重角錐 / 両角錐", "", FigureFamily::Parametric, 0},
    {405, "カタランの双角錐", "", FigureFamily::Parametric, 0},
    {406, "反角柱 / ねじれ角柱 / 角反柱 / 逆プリズム", "", FigureFamily::Parametric, 0},
    {407, "アルキメデスの反角柱", "", FigureFamily::Parametric, 0},
    {408, "交差反角柱", "", FigureFamily::Parametric, 0},
    {409, "アルキメデスの交差反角柱", "", FigureFamily::Parametric, 0},
    {410, "反双角錐", "", FigureFamily::Parametric, 0},
    {411, "カタランの反双角錐", "", FigureFamily::Parametric, 0},
    {412, "交差反双角錐", "", FigureFamily::Parametric, 0},
    {413, "カタランの交差反双角錐", "", FigureFamily::Parametric, 0},
    {414, "多角形 / 多辺形", "", FigureFamily::Parametric, 0},
    {415, "超二次楕円体状", "", FigureFamily::Parametric, 0},
    {416, "超二次トーラス状", "", FigureFamily::Parametric, 0},
    {417, "反角錐柱", "", FigureFamily::Parametric, 0},
    {418, "反双角錐台", "", FigureFamily::Parametric, 0},
    {420, "正十二面体", "Regular dodecahedron", FigureFamily::ReferenceCombination, 0},
    {421, "正十二面体", "Regular dodecahedron", FigureFamily::ReferenceCombination, 0},
    {422, "正二十面体", "Regular icosahedron", FigureFamily::ReferenceCombination, 0},
    {423, "正二十面体", "Regular icosahedron", FigureFamily::ReferenceCombination, 0},
    {424, "立方体と正四面体", "", FigureFamily::ReferenceCombination, 0},
    {425, "正十二面体と正四面体", "", FigureFamily::ReferenceCombination, 0},
    {426, "正十二面体と立方体", "", FigureFamily::ReferenceCombination, 0},
    {427, "正十二面体と立方体と正四面体", "", FigureFamily::ReferenceCombination, 0},
    {428, "正十二面体と立方体と正四面体", "", FigureFamily::ReferenceCombination, 0},
    {429, "絡み合う三つの長方形（頂点：正十二面体）", "", FigureFamily::ReferenceCombination, 0},
    {430, "正二十面体と立方体", "", FigureFamily::ReferenceCombination, 0},
    {431, "正八面体と正四面体", "", FigureFamily::ReferenceCombination, 0},
    {432, "正二十面体と正四面体", "", FigureFamily::ReferenceCombination, 0},
    {433, "正二十面体と正八面体", "", FigureFamily::ReferenceCombination, 0},
    {434, "正二十面体と正八面体と正四面体", "", FigureFamily::ReferenceCombination, 0},
    {435, "正二十面体と正八面体と正四面体", "", FigureFamily::ReferenceCombination, 0},
    {436, "絡み合う三つの長方形（頂点：正二十面体）", "", FigureFamily::ReferenceCombination, 0},
    {437, "全ての正多面体", "", FigureFamily::ReferenceCombination, 0},
    {440, "正四面体", "Regular tetrahedron", FigureFamily::Fractal, 1, FractalCopies(7, 0.5)},
    {441, "メンガーのスポンジ", "", FigureFamily::Fractal, 0},
    {442, "正八面体", "Regular octahedron", FigureFamily::Fractal, 7, FractalCopies(6, 0.5)},
    {443, "正十二面体", "Regular dodecahedron", FigureFamily::Fractal, 9, FractalCopies(4, 0.276393202250021)},
    {444, "正二十面体", "Regular icosahedron", FigureFamily::Fractal, 11, FractalCopies(4, 0.3819660112501051)},
    {445, "立方八面体 / 異相双三角台塔", "Cuboctahedron / Triangular gyrobicupola", FigureFamily::Fractal, 40, FractalCopies(4, 0.3333333333333333)},
    {446, "二十・十二面体 / 異相双五角丸塔", "Icosidodecahedron / Pentagonal gyrobirotunda", FigureFamily::Fractal, 41, FractalCopies(2, 0.2360679774997898)},
    {447, "菱形十二面体", "Rhombic dodecahedron", FigureFamily::Fractal, 60, FractalCopies(4, 0.3333333333333333)},
    {448, "菱形三十面体", "Rhombic triacontahedron", FigureFamily::Fractal, 61, FractalCopies(3, 0.2360679774997898)},
    {449, "斜方立方八面体 / 菱形立方八面体 / 小菱形立方八面体 / 切頂菱形十二面体 / 同相双四角台塔柱", "Rhombicuboctahedron / Small rhombicuboctahedron", FigureFamily::Fractal, 42, FractalCopies(3, 0.2928932188134524)},
    {450, "斜方二十・十二面体 / 菱形二十・十二面体 / 小菱形二十・十二面体 / 切頂菱形三十面体", "Rhombicosidodecahedron / Small rhombicosidodecahedron", FigureFamily::Fractal, 44, FractalCopies(2, 0.19098300562505255)},
    {451, "", "", FigureFamily::Generated, 0},
    {452, "", "", FigureFamily::Generated, 0},
    {453, "", "", FigureFamily::Generated, 0},
    {460, "正四面体", "Regular tetrahedron", FigureFamily::Augmented, 1, PyramidsRaised(1)},
    {461, "正四面体", "Regular tetrahedron", FigureFamily::Augmented, 1, PyramidsRaised(2)},
    {462, "立方体 / 正六面体", "Cube / Regular hexahedron", FigureFamily::Augmented, 5, PyramidsRaised(1)},
    {463, "立方体 / 正六面体", "Cube / Regular hexahedron", FigureFamily::Augmented, 5, PyramidsRaised(2)},
    {464, "正八面体", "Regular octahedron", FigureFamily::Augmented, 7, PyramidsRaised(1)},
    {465, "正十二面体", "Regular dodecahedron", FigureFamily::Augmented, 9, PyramidsRaised(1)},
    {466, "正十二面体", "Regular dodecahedron", FigureFamily::Augmented, 9, PyramidsRaised(2)},
    {467, "正二十面体", "Regular icosahedron", FigureFamily::Augmented, 11, PyramidsRaised(1)},
    {468, "立方八面体 / 異相双三角台塔", "Cuboctahedron / Triangular gyrobicupola", FigureFamily::Augmented, 40, PyramidsRaised(1)},
    {469, "二十・十二面体 / 異相双五角丸塔", "Icosidodecahedron / Pentagonal gyrobirotunda", FigureFamily::Augmented, 41, PyramidsRaised(1)},
    {470, "斜方立方八面体 / 菱形立方八面体 / 小菱形立方八面体 / 切頂菱形十二面体 / 同相双四角台塔柱", "Rhombicuboctahedron / Small rhombicuboctahedron", FigureFamily::Augmented, 42, PyramidsRaised(1)},
    {471, "擬斜方立方八面体 / ミラーの立体 / 異相双四角台塔柱 / ジョンソンの立体No.37", "Pseudorhombicuboctahedron / Elongated square gyrobicupola", FigureFamily::Augmented, 43, PyramidsRaised(1)},
    {472, "斜方二十・十二面体 / 菱形二十・十二面体 / 小菱形二十・十二面体 / 切頂菱形三十面体", "Rhombicosidodecahedron / Small rhombicosidodecahedron", FigureFamily::Augmented, 44, PyramidsRaised(1)},
    {473, "ねじれ立方八面体 / 変形立方八面体 / ねじれ立方体 / 変形立方体", "", FigureFamily::Augmented, 53, PyramidsRaised(1)},
    {474, "ねじれ立方八面体 / 変形立方八面体 / ねじれ立方体 / 変形立方体", "", FigureFamily::Augmented, 54, PyramidsRaised(1)},
    {475, "ねじれ二十・十二面体 / 変形二十・十二面体 / ねじれ十二面体 / 変形十二面体", "Snub icosidodecahedron / Snub dodecahedron", FigureFamily::Augmented, 55, PyramidsRaised(1)},
    {476, "ねじれ二十・十二面体 / 変形二十・十二面体 / ねじれ十二面体 / 変形十二面体", "Snub icosidodecahedron / Snub dodecahedron", FigureFamily::Augmented, 56, PyramidsRaised(1)},
    {477, "正十二面体", "Regular dodecahedron", FigureFamily::Excavated, 9, PyramidsSunk(1)},
    {478, "立方八面体 / 異相双三角台塔", "Cuboctahedron / Triangular gyrobicupola", FigureFamily::Excavated, 40, PyramidsSunk(1)},
    {479, "二十・十二面体 / 異相双五角丸塔", "Icosidodecahedron / Pentagonal gyrobirotunda", FigureFamily::Excavated, 41, PyramidsSunk(1)},
    {480, "斜方立方八面体 / 菱形立方八面体 / 小菱形立方八面体 / 切頂菱形十二面体 / 同相双四角台塔柱", "Rhombicuboctahedron / Small rhombicuboctahedron", FigureFamily::Excavated, 42, PyramidsSunk(1)},
    {481, "擬斜方立方八面体 / ミラーの立体 / 異相双四角台塔柱 / ジョンソンの立体No.37", "Pseudorhombicuboctahedron / Elongated square gyrobicupola", FigureFamily::Excavated, 43, PyramidsSunk(1)},
    {482, "斜方二十・十二面体 / 菱形二十・十二面体 / 小菱形二十・十二面体 / 切頂菱形三十面体", "Rhombicosidodecahedron / Small rhombicosidodecahedron", FigureFamily::Excavated, 44, PyramidsSunk(1)},
    {483, "ねじれ立方八面体 / 変形立方八面体 / ねじれ立方体 / 変形立方体", "", FigureFamily::Excavated, 53, PyramidsSunk(1)},
    {484, "ねじれ立方八面体 / 変形立方八面体 / ねじれ立方体 / 変形立方体", "", FigureFamily::Excavated, 54, PyramidsSunk(1)},
    {485, "ねじれ二十・十二面体 / 変形二十・十二面体 / ねじれ十二面体 / 変形十二面体", "Snub icosidodecahedron / Snub dodecahedron", FigureFamily::Excavated, 55, PyramidsSunk(1)},
    {486, "ねじれ二十・十二面体 / 変形二十・十二面体 / ねじれ十二面体 / 変形十二面体", "Snub icosidodecahedron / Snub dodecahedron", FigureFamily::Excavated, 56, PyramidsSunk(1)},
    {500, "正四面体と正四面体の複合", "", FigureFamily::DualCompound, 1, CompoundWith(2)},
    {501, "立方体と正八面体の複合", "", FigureFamily::DualCompound, 5, CompoundWith(7)},
    {502, "正十二面体と正二十面体の複合", "", FigureFamily::DualCompound, 9, CompoundWith(11)},
    {503, "立方八面体と菱形十二面体の複合", "", FigureFamily::DualCompound, 40, CompoundWith(60)},
    {504, "二十・十二面体と菱形三十面体の複合", "", FigureFamily::DualCompound, 41, CompoundWith(61)},
    {505, "斜方立方八面体と凧形二十四面体の複合", "", FigureFamily::DualCompound, 42, CompoundWith(64)},
    {506, "擬斜方立方八面体と擬凧形二十四面体の複合", "", FigureFamily::DualCompound, 43, CompoundWith(65)},
    {507, "斜方二十・十二面体と凧形六十面体の複合", "", FigureFamily::DualCompound, 44, CompoundWith(66)},
    {508, "切頂四面体と三方四面体の複合", "", FigureFamily::DualCompound, 45, CompoundWith(68)},
    {509, "切頂四面体と三方四面体の複合", "", FigureFamily::DualCompound, 46, CompoundWith(67)},
    {510, "切頂立方体と三方八面体の複合", "", FigureFamily::DualCompound, 47, CompoundWith(70)},
    {511, "切頂八面体と四方立方体の複合", "", FigureFamily::DualCompound, 48, CompoundWith(69)},
    {512, "切頂十二面体と三方二十面体の複合", "", FigureFamily::DualCompound, 49, CompoundWith(72)},
    {513, "切頂二十面体と五方十二面体の複合", "", FigureFamily::DualCompound, 50, CompoundWith(71)},
    {514, "切頂立方八面体と四方菱形十二面体の複合", "", FigureFamily::DualCompound, 51, CompoundWith(73)},
    {515, "切頂二十・十二面体と四方菱形三十面体の複合", "", FigureFamily::DualCompound, 52, CompoundWith(74)},
    {516, "ねじれ立方八面体と五角二十四面体の複合", "", FigureFamily::DualCompound, 53, CompoundWith(75)},
    {517, "ねじれ立方八面体と五角二十四面体の複合", "", FigureFamily::DualCompound, 54, CompoundWith(76)},
    {518, "ねじれ二十・十二面体と五角六十面体の複合", "", FigureFamily::DualCompound, 55, CompoundWith(77)},
    {519, "ねじれ二十・十二面体と五角六十面体の複合", "", FigureFamily::DualCompound, 56, CompoundWith(78)},
    {520, "八卦体", "", FigureFamily::Special, 0},
};

}  // namespace

const std::array<ShapeId, 44> kMainStepOrder = {
    1,  5,  7,  9,  11, 40, 41, 42, 43, 44, 45, 47, 48, 49, 50, 51,  52,  53,  54,  55,  56,  60,
    61, 62, 63, 64, 65, 66, 67, 69, 70, 71, 72, 73, 74, 75, 76, 77, 78, 400, 402, 404, 406, 410,
};

namespace {

// J1-J92 in order, each of J44-J48 (343-347) followed by its mirror image (393-397).
constexpr std::array<ShapeId, 97> MakeJohnsonStepOrder() {
    std::array<ShapeId, 97> order{};
    size_t i = 0;
    for (int f = 300; f <= 391; ++f) {
        order[i++] = static_cast<ShapeId>(f);
        if (f >= 343 && f <= 347) order[i++] = static_cast<ShapeId>(f + 50);
    }
    return order;
}

}  // namespace

const std::array<ShapeId, 97> kJohnsonStepOrder = MakeJohnsonStepOrder();

const FigureInfo* FindFigure(ShapeId figure) {
    const auto* end = std::end(kFigures);
    const auto* it = std::lower_bound(std::begin(kFigures), end, figure,
                                      [](const FigureInfo& info, ShapeId n) { return info.number < n; });
    return it != end && it->number == figure ? it : nullptr;
}

std::span<const FigureInfo> AllFigures() { return kFigures; }

void WriteFigureNames(Solid& solid, ShapeId figure) {
    const FigureInfo* info = FindFigure(figure);
    SetName(solid.nameJa, info ? info->nameJa : std::string_view{});
    SetName(solid.nameEn, info ? info->nameEn : std::string_view{});
}

namespace {

template <size_t N>
ShapeId StepIn(const std::array<ShapeId, N>& order, ShapeId current, int direction) {
    const auto it = std::find(order.begin(), order.end(), current);
    if (it == order.end()) return current;
    const size_t i = static_cast<size_t>(it - order.begin());
    return order[direction > 0 ? (i + 1) % N : (i + N - 1) % N];
}

}  // namespace

ShapeId StepFigure(ShapeId current, int direction) {
    if (direction == 0) return current;
    // The main order first, then the (possibly new) figure in the Johnson order;
    // the orders are disjoint, so one press moves at most one step.
    current = StepIn(kMainStepOrder, current, direction);
    return StepIn(kJohnsonStepOrder, current, direction);
}

namespace {

FigureMenuItem Entry(std::string label, ShapeId figure) {
    FigureMenuItem item;
    item.label = std::move(label);
    item.figure = figure;
    return item;
}

FigureMenuItem Command(std::string label, int32_t command) {
    FigureMenuItem item;
    item.label = std::move(label);
    item.command = command;
    return item;
}

FigureMenuItem Separator() {
    FigureMenuItem item;
    item.separator = true;
    return item;
}

FigureMenuItem Submenu(std::string label, std::vector<FigureMenuItem> children) {
    FigureMenuItem item;
    item.label = std::move(label);
    item.children = std::move(children);
    return item;
}

// "J11 / 正五角錐反柱": the Johnson solid's Japanese name without its trailing
// " / ジョンソンの立体No.n" and without an equivalence note ("相当:...").
std::string JohnsonLabel(int j) {
    std::string label = "J";
    label += std::to_string(j);
    const FigureInfo* info = FindFigure(static_cast<ShapeId>(299 + j));
    std::string_view rest = info ? info->nameJa : std::string_view{};
    constexpr std::string_view kSeparator = " / ";
    while (!rest.empty()) {
        const size_t cut = rest.find(kSeparator);
        const std::string_view part = rest.substr(0, cut);
        if (cut == std::string_view::npos) break;  // the last part is the Johnson number
        if (!part.starts_with("相当:")) label.append(kSeparator).append(part);
        rest.remove_prefix(cut + kSeparator.size());
    }
    return label;
}

FigureMenuItem JohnsonGroup(std::string label, int first, int last) {
    std::vector<FigureMenuItem> entries;
    for (int j = first; j <= last; ++j) {
        entries.push_back(Entry(JohnsonLabel(j), static_cast<ShapeId>(299 + j)));
        // J44-J48 are chiral: each is followed by its mirror image, 393-397.
        if (j >= 44 && j <= 48) {
            entries.push_back(Entry(JohnsonLabel(j) + "（鏡像）", static_cast<ShapeId>(349 + j)));
        }
    }
    return Submenu(std::move(label), std::move(entries));
}

FigureMenuItem MakeFigureMenu() {
    std::vector<FigureMenuItem> top;
    top.push_back(Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "正四面体(&4)"), 1));
    top.push_back(Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "立方体(&6)"), 5));
    top.push_back(Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "正八面体(&8)"), 7));
    top.push_back(Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "正十二面体(&C)"), 9));
    top.push_back(Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "正二十面体(&N)"), 11));
    top.push_back(Submenu(GYRO_TRANSLATE_NOOP("FigureMenu", "半正多面体"), {
        Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "立方八面体"), 40),
        Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "二十・十二面体"), 41),
        Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "斜方立方八面体"), 42),
        Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "斜方二十・十二面体"), 44),
        Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "切頂四面体"), 45),
        Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "切頂立方体"), 47),
        Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "切頂八面体"), 48),
        Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "切頂十二面体"), 49),
        Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "切頂二十面体（サッカーボール型）"), 50),
        Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "切頂立方八面体"), 51),
        Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "切頂二十・十二面体"), 52),
        Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "ねじれ立方八面体"), 53),
        Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "ねじれ立方八面体（鏡像）"), 54),
        Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "ねじれ二十・十二面体"), 55),
        Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "ねじれ二十・十二面体（鏡像）"), 56),
    }));
    top.push_back(Submenu(GYRO_TRANSLATE_NOOP("FigureMenu", "カタランの立体"), {
        Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "菱形十二面体"), 60),
        Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "菱形三十面体"), 61),
        Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "凧形二十四面体"), 64),
        Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "凧形六十面体"), 66),
        Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "三方四面体"), 67),
        Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "四方立方体（六方四面体）"), 69),
        Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "三方八面体"), 70),
        Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "五方十二面体"), 71),
        Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "三方二十面体"), 72),
        Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "四方菱形十二面体（六方八面体）"), 73),
        Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "四方菱形三十面体（六方二十面体）"), 74),
        Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "五角二十四面体"), 75),
        Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "五角二十四面体（鏡像）"), 76),
        Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "五角六十面体"), 77),
        Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "五角六十面体（鏡像）"), 78),
    }));
    top.push_back(Submenu(GYRO_TRANSLATE_NOOP("FigureMenu", "ジョンソンの立体"), {
        JohnsonGroup(GYRO_TRANSLATE_NOOP("FigureMenu", "錐系"), 1, 2),
        JohnsonGroup(GYRO_TRANSLATE_NOOP("FigureMenu", "塔系"), 3, 6),
        JohnsonGroup(GYRO_TRANSLATE_NOOP("FigureMenu", "錐柱・錐反柱系"), 7, 11),
        JohnsonGroup(GYRO_TRANSLATE_NOOP("FigureMenu", "双錐系"), 12, 13),
        JohnsonGroup(GYRO_TRANSLATE_NOOP("FigureMenu", "双錐柱・双錐反柱系"), 14, 17),
        JohnsonGroup(GYRO_TRANSLATE_NOOP("FigureMenu", "塔柱・塔反柱系"), 18, 25),
        JohnsonGroup(GYRO_TRANSLATE_NOOP("FigureMenu", "双塔系"), 26, 34),
        JohnsonGroup(GYRO_TRANSLATE_NOOP("FigureMenu", "双塔柱系"), 35, 43),
        JohnsonGroup(GYRO_TRANSLATE_NOOP("FigureMenu", "双塔反柱系"), 44, 48),
        JohnsonGroup(GYRO_TRANSLATE_NOOP("FigureMenu", "側錐柱"), 49, 57),
        JohnsonGroup(GYRO_TRANSLATE_NOOP("FigureMenu", "正十二面体系"), 58, 61),
        JohnsonGroup(GYRO_TRANSLATE_NOOP("FigureMenu", "正二十面体系"), 62, 64),
        JohnsonGroup(GYRO_TRANSLATE_NOOP("FigureMenu", "切頂正多面体系"), 65, 71),
        JohnsonGroup(GYRO_TRANSLATE_NOOP("FigureMenu", "斜方二十・十二面体系"), 72, 83),
        JohnsonGroup(GYRO_TRANSLATE_NOOP("FigureMenu", "特殊系"), 84, 92),
    }));
    top.push_back(Submenu(GYRO_TRANSLATE_NOOP("FigureMenu", "擬系・菱形系"), {
        Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "擬斜方立方八面体（ミラーの立体）"), 43),
        Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "擬凧形二十四面体"), 65),
        Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "菱形二十面体"), 62),
        Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "菱形十二面体第２種"), 63),
        Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "菱形六十面体（凹型／参考用）"), 79),
        Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "菱形六十面体（星型／参考用）"), 80),
        Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "菱形九十面体"), 83),
    }));
    top.push_back(Submenu(GYRO_TRANSLATE_NOOP("FigureMenu", "角錐・角柱"), {
        Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "角錐"), 400),
        Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "角錐（対配置）"), 401),
        Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "角柱"), 402),
        Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "双角錐"), 404),
        Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "反角柱"), 406),
        Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "反双角錐"), 410),
        Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "角形"), 414),
        Separator(),
        Command(GYRO_TRANSLATE_NOOP("FigureMenu", "設定..."), cmd::kPyramidSettings),
    }));
    top.push_back(Submenu(GYRO_TRANSLATE_NOOP("FigureMenu", "球状系"), {
        Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "球状"), 415),
        Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "トーラス状（参考用）"), 416),
        Separator(),
        Command(GYRO_TRANSLATE_NOOP("FigureMenu", "設定..."), cmd::kSphericalSettings),
    }));
    top.push_back(Submenu(GYRO_TRANSLATE_NOOP("FigureMenu", "フラクタル"), {
        Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "テトラフォース"), 440),
        Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "メンガーのスポンジ（不備有）"), 441),
        Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "八面体フラクタル"), 442),
        Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "十二面体フラクタル"), 443),
        Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "二十面体フラクタル"), 444),
        Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "立方八面体フラクタル"), 445),
        Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "二十・十二面体フラクタル"), 446),
        Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "菱形十二面体フラクタル"), 447),
        Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "菱形三十面体フラクタル"), 448),
        Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "斜方立方八面体フラクタル"), 449),
        Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "斜方二十・十二面体フラクタル"), 450),
    }));
    top.push_back(Submenu(GYRO_TRANSLATE_NOOP("FigureMenu", "星型・複合（参考用）"), {
        Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "小星型十二面体"), 18),
        Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "大星型十二面体"), 15),
        Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "大十二面体"), 21),
        Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "大二十面体"), 22),
        Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "星型八面体（正四面体×２）"), 23),
        Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "正四面体×５"), 24),
        Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "正四面体×10"), 25),
        Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "立方体×５"), 26),
        Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "正八面体×５"), 27),
        Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "小三角六辺形二十面体"), 87),
        Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "菱形十二面体の最初の星型"), 84),
    }));
    top.push_back(Submenu(GYRO_TRANSLATE_NOOP("FigureMenu", "正多面体の性質（参考用）"), {
        Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "正四面体（対配置）"), 2),
        Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "立方体＋正四面体"), 424),
        Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "正十二面体＋正四面体"), 425),
        Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "正十二面体＋立方体"), 426),
        Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "正十二面体＋立方体＋正四面体"), 427),
        Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "正八面体＋正四面体"), 431),
        Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "正二十面体＋正四面体"), 432),
        Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "正二十面体＋立方体"), 430),
        Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "正二十面体＋正八面体"), 433),
        Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "正二十面体＋正八面体＋正四面体"), 434),
        Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "正十二面体・長方形"), 429),
        Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "正二十面体・長方形"), 436),
        Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "正十二面体÷４"), 420),
        Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "正十二面体÷６"), 421),
        Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "正二十面体÷４"), 422),
        Entry(GYRO_TRANSLATE_NOOP("FigureMenu", "正二十面体÷６"), 423),
    }));
    top.push_back(Submenu(GYRO_TRANSLATE_NOOP("FigureMenu", "正多面体系の大きさ規格"), {
        Command(GYRO_TRANSLATE_NOOP("FigureMenu", "内接的"), cmd::kKikakuInscribed),
        Command(GYRO_TRANSLATE_NOOP("FigureMenu", "中接的"), cmd::kKikakuMid),
        Command(GYRO_TRANSLATE_NOOP("FigureMenu", "外接的"), cmd::kKikakuCircumscribed),
    }));
    return Submenu(GYRO_TRANSLATE_NOOP("FigureMenu", "図形(&Z)"), std::move(top));
}

}  // namespace

const FigureMenuItem& FigureMenuTree() {
    static const FigureMenuItem tree = MakeFigureMenu();
    return tree;
}

}  // namespace gyro
