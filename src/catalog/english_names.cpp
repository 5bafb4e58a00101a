#include "catalog/english_names.h"

#include <algorithm>
#include <cctype>
#include <iterator>

#include "catalog/catalogue.h"

namespace gyro {

namespace {

struct EnglishName {
    ShapeId number;
    std::string_view name;
};

// The figures that write no English name of their own, ascending. Johnson
// solids by their names in N. W. Johnson, "Convex polyhedra with regular
// faces" (1966), with their J number; the rest by their usual English names.
constexpr EnglishName kEnglishNames[] = {
    {6, "Cube"},
    {8, "Regular octahedron"},
    {10, "Regular dodecahedron"},
    {12, "Regular icosahedron"},
    {28, "Complete icosahedron"},
    {29, "Complete icosahedron"},
    {30, "Complete icosahedron"},
    {31, "Complete icosahedron"},
    {53, "Snub cuboctahedron / Snub cube"},
    {75, "Pentagonal icositetrahedron"},
    {77, "Pentagonal hexecontahedron"},
    {80, "Rhombic hexecontahedron (stellated type)"},
    {81, "Rhombic hexecontahedron (stellated type)"},
    {82, "Rhombic hexecontahedron (stellated type)"},
    {84, "First stellation of the rhombic dodecahedron"},
    {85, "Stellation G of the rhombic triacontahedron"},
    {86, "Stellation JU of the rhombic triacontahedron"},
    {300, "Square pyramid (J1)"},
    {301, "Pentagonal pyramid (J2)"},
    {302, "Triangular cupola (J3)"},
    {303, "Square cupola (J4)"},
    {304, "Pentagonal cupola (J5)"},
    {305, "Pentagonal rotunda (J6)"},
    {306, "Elongated triangular pyramid (J7)"},
    {307, "Elongated square pyramid (J8)"},
    {308, "Elongated pentagonal pyramid (J9)"},
    {309, "Gyroelongated square pyramid (J10)"},
    {310, "Gyroelongated pentagonal pyramid (J11)"},
    {311, "Triangular bipyramid (J12)"},
    {312, "Pentagonal bipyramid (J13)"},
    {313, "Elongated triangular bipyramid (J14)"},
    {314, "Elongated square bipyramid (J15)"},
    {315, "Elongated pentagonal bipyramid (J16)"},
    {316, "Gyroelongated square bipyramid (J17)"},
    {317, "Elongated triangular cupola (J18)"},
    {318, "Elongated square cupola (J19)"},
    {319, "Elongated pentagonal cupola (J20)"},
    {320, "Elongated pentagonal rotunda (J21)"},
    {321, "Gyroelongated triangular cupola (J22)"},
    {322, "Gyroelongated square cupola (J23)"},
    {323, "Gyroelongated pentagonal cupola (J24)"},
    {324, "Gyroelongated pentagonal rotunda (J25)"},
    {325, "Gyrobifastigium (J26)"},
    {326, "Triangular orthobicupola (J27)"},
    {327, "Square orthobicupola (J28)"},
    {328, "Square gyrobicupola (J29)"},
    {329, "Pentagonal orthobicupola (J30)"},
    {330, "Pentagonal gyrobicupola (J31)"},
    {331, "Pentagonal orthocupolarotunda (J32)"},
    {332, "Pentagonal gyrocupolarotunda (J33)"},
    {333, "Pentagonal orthobirotunda (J34)"},
    {334, "Elongated triangular orthobicupola (J35)"},
    {335, "Elongated triangular gyrobicupola (J36)"},
    {336, "Elongated square gyrobicupola (J37)"},
    {337, "Elongated pentagonal orthobicupola (J38)"},
    {338, "Elongated pentagonal gyrobicupola (J39)"},
    {339, "Elongated pentagonal orthocupolarotunda (J40)"},
    {340, "Elongated pentagonal gyrocupolarotunda (J41)"},
    {341, "Elongated pentagonal orthobirotunda (J42)"},
    {342, "Elongated pentagonal gyrobirotunda (J43)"},
    {343, "Gyroelongated triangular bicupola (J44)"},
    {344, "Gyroelongated square bicupola (J45)"},
    {345, "Gyroelongated pentagonal bicupola (J46)"},
    {346, "Gyroelongated pentagonal cupolarotunda (J47)"},
    {347, "Gyroelongated pentagonal birotunda (J48)"},
    {348, "Augmented triangular prism (J49)"},
    {349, "Biaugmented triangular prism (J50)"},
    {350, "Triaugmented triangular prism (J51)"},
    {351, "Augmented pentagonal prism (J52)"},
    {352, "Biaugmented pentagonal prism (J53)"},
    {353, "Augmented hexagonal prism (J54)"},
    {354, "Parabiaugmented hexagonal prism (J55)"},
    {355, "Metabiaugmented hexagonal prism (J56)"},
    {356, "Triaugmented hexagonal prism (J57)"},
    {357, "Augmented dodecahedron (J58)"},
    {358, "Parabiaugmented dodecahedron (J59)"},
    {359, "Metabiaugmented dodecahedron (J60)"},
    {360, "Triaugmented dodecahedron (J61)"},
    {361, "Metabidiminished icosahedron (J62)"},
    {362, "Tridiminished icosahedron (J63)"},
    {363, "Augmented tridiminished icosahedron (J64)"},
    {364, "Augmented truncated tetrahedron (J65)"},
    {365, "Augmented truncated cube (J66)"},
    {366, "Biaugmented truncated cube (J67)"},
    {367, "Augmented truncated dodecahedron (J68)"},
    {368, "Parabiaugmented truncated dodecahedron (J69)"},
    {369, "Metabiaugmented truncated dodecahedron (J70)"},
    {370, "Triaugmented truncated dodecahedron (J71)"},
    {371, "Gyrate rhombicosidodecahedron (J72)"},
    {372, "Parabigyrate rhombicosidodecahedron (J73)"},
    {373, "Metabigyrate rhombicosidodecahedron (J74)"},
    {374, "Trigyrate rhombicosidodecahedron (J75)"},
    {375, "Diminished rhombicosidodecahedron (J76)"},
    {376, "Paragyrate diminished rhombicosidodecahedron (J77)"},
    {377, "Metagyrate diminished rhombicosidodecahedron (J78)"},
    {378, "Bigyrate diminished rhombicosidodecahedron (J79)"},
    {379, "Parabidiminished rhombicosidodecahedron (J80)"},
    {380, "Metabidiminished rhombicosidodecahedron (J81)"},
    {381, "Gyrate bidiminished rhombicosidodecahedron (J82)"},
    {382, "Tridiminished rhombicosidodecahedron (J83)"},
    {383, "Snub disphenoid (J84)"},
    {384, "Snub square antiprism (J85)"},
    {385, "Sphenocorona (J86)"},
    {386, "Augmented sphenocorona (J87)"},
    {387, "Sphenomegacorona (J88)"},
    {388, "Hebesphenomegacorona (J89)"},
    {389, "Disphenocingulum (J90)"},
    {390, "Bilunabirotunda (J91)"},
    {391, "Triangular hebesphenorotunda (J92)"},
    {392, "Johnson's pants"},
    {393, "Gyroelongated triangular bicupola (J44) (mirror)"},
    {394, "Gyroelongated square bicupola (J45) (mirror)"},
    {395, "Gyroelongated pentagonal bicupola (J46) (mirror)"},
    {396, "Gyroelongated pentagonal cupolarotunda (J47) (mirror)"},
    {397, "Gyroelongated pentagonal birotunda (J48) (mirror)"},
    {400, "Pyramid"},
    {401, "Pyramid (inverted)"},
    {402, "Prism"},
    {403, "Archimedean prism"},
    {404, "Bipyramid / Dipyramid"},
    {405, "Catalan bipyramid"},
    {406, "Antiprism"},
    {407, "Archimedean antiprism"},
    {408, "Crossed antiprism"},
    {409, "Archimedean crossed antiprism"},
    {410, "Trapezohedron / Antibipyramid"},
    {411, "Catalan trapezohedron"},
    {412, "Crossed trapezohedron"},
    {413, "Catalan crossed trapezohedron"},
    {414, "Polygon"},
    {415, "Superquadric ellipsoid"},
    {416, "Superquadric torus"},
    {417, "Gyroelongated pyramid"},
    {418, "Truncated trapezohedron"},
    {424, "Cube and regular tetrahedron"},
    {425, "Regular dodecahedron and regular tetrahedron"},
    {426, "Regular dodecahedron and cube"},
    {427, "Regular dodecahedron, cube and regular tetrahedron"},
    {428, "Regular dodecahedron, cube and regular tetrahedron"},
    {429, "Three interlocking rectangles (vertices of a regular dodecahedron)"},
    {430, "Regular icosahedron and cube"},
    {431, "Regular octahedron and regular tetrahedron"},
    {432, "Regular icosahedron and regular tetrahedron"},
    {433, "Regular icosahedron and regular octahedron"},
    {434, "Regular icosahedron, regular octahedron and regular tetrahedron"},
    {435, "Regular icosahedron, regular octahedron and regular tetrahedron"},
    {436, "Three interlocking rectangles (vertices of a regular icosahedron)"},
    {437, "All the regular polyhedra"},
    {441, "Menger sponge"},
    {451, "Koch surface"},
    {452, "Unnamed figure (twelve decagons)"},
    {453, "Blob tree"},
    {520, "Bagua solid"},
};

constexpr bool Ascending() {
    for (size_t i = 1; i < std::size(kEnglishNames); ++i) {
        if (kEnglishNames[i - 1].number >= kEnglishNames[i].number) return false;
    }
    return true;
}
static_assert(Ascending(), "kEnglishNames must be ascending by number");

std::string_view TableName(ShapeId figure) {
    const auto* end = std::end(kEnglishNames);
    const auto* it = std::lower_bound(std::begin(kEnglishNames), end, figure,
                                      [](const EnglishName& e, ShapeId n) { return e.number < n; });
    return it != end && it->number == figure ? it->name : std::string_view{};
}

// "Regular tetrahedron" -> "regular tetrahedron", for the middle of a phrase.
std::string InPhrase(std::string_view name) {
    std::string text(name);
    if (!text.empty()) text[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(text[0])));
    return text;
}

std::string NameOf(ShapeId figure, int depth) {
    const FigureInfo* info = FindFigure(figure);
    if (info == nullptr || depth > 8) return {};
    if (!info->nameEn.empty()) return std::string(info->nameEn);
    if (const std::string_view name = TableName(figure); !name.empty()) return std::string(name);
    if (info->finish.op == FinishOp::CompoundWith) {
        return "Compound of " + InPhrase(FirstAlternative(NameOf(info->base, depth + 1))) + " and " +
               InPhrase(FirstAlternative(NameOf(info->finish.partner, depth + 1)));
    }
    if (info->finish.op != FinishOp::None && info->base != figure) return NameOf(info->base, depth + 1);
    return {};
}

}  // namespace

std::string_view FirstAlternative(std::string_view name) { return name.substr(0, name.find(" /")); }

std::string EnglishFigureName(ShapeId figure) { return NameOf(figure, 0); }

std::string EnglishDisplayName(const Solid& solid) {
    return solid.nameEn.empty() ? EnglishFigureName(solid.zukei) : solid.nameEn;
}

std::string EnglishJohnsonMenuLabel(ShapeId figure) {
    const bool mirror = figure >= 393 && figure <= 397;
    if (!(figure >= 300 && figure <= 391) && !mirror) return {};
    const int j = mirror ? figure - 349 : figure - 299;
    const std::string name(TableName(mirror ? static_cast<ShapeId>(figure - 50) : figure));
    // Built by appending: g++ 12 warns falsely about "J" + std::to_string(j).
    std::string number = "J";
    number += std::to_string(j);
    const std::string suffix = " (" + number + ")";
    std::string label = number;
    label += " / ";
    label += name.ends_with(suffix) ? name.substr(0, name.size() - suffix.size()) : name;
    if (mirror) label += " (mirror)";
    return label;
}

}  // namespace gyro
