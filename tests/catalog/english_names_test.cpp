#include "catalog/english_names.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "catalog/catalogue.h"
#include "state/dispatcher.h"

namespace gyro {
namespace {

// The 92 Johnson solids in J order, as named by N. W. Johnson, "Convex
// polyhedra with regular faces", Canadian Journal of Mathematics 18 (1966),
// 169-200, and listed so in Wikipedia's "List of Johnson solids".
constexpr std::array<const char*, 92> kJohnsonNames = {
    "Square pyramid", "Pentagonal pyramid", "Triangular cupola", "Square cupola", "Pentagonal cupola",
    "Pentagonal rotunda", "Elongated triangular pyramid", "Elongated square pyramid",
    "Elongated pentagonal pyramid", "Gyroelongated square pyramid", "Gyroelongated pentagonal pyramid",
    "Triangular bipyramid", "Pentagonal bipyramid", "Elongated triangular bipyramid",
    "Elongated square bipyramid", "Elongated pentagonal bipyramid", "Gyroelongated square bipyramid",
    "Elongated triangular cupola", "Elongated square cupola", "Elongated pentagonal cupola",
    "Elongated pentagonal rotunda", "Gyroelongated triangular cupola", "Gyroelongated square cupola",
    "Gyroelongated pentagonal cupola", "Gyroelongated pentagonal rotunda", "Gyrobifastigium",
    "Triangular orthobicupola", "Square orthobicupola", "Square gyrobicupola", "Pentagonal orthobicupola",
    "Pentagonal gyrobicupola", "Pentagonal orthocupolarotunda", "Pentagonal gyrocupolarotunda",
    "Pentagonal orthobirotunda", "Elongated triangular orthobicupola", "Elongated triangular gyrobicupola",
    "Elongated square gyrobicupola", "Elongated pentagonal orthobicupola",
    "Elongated pentagonal gyrobicupola", "Elongated pentagonal orthocupolarotunda",
    "Elongated pentagonal gyrocupolarotunda", "Elongated pentagonal orthobirotunda",
    "Elongated pentagonal gyrobirotunda", "Gyroelongated triangular bicupola",
    "Gyroelongated square bicupola", "Gyroelongated pentagonal bicupola",
    "Gyroelongated pentagonal cupolarotunda", "Gyroelongated pentagonal birotunda",
    "Augmented triangular prism", "Biaugmented triangular prism", "Triaugmented triangular prism",
    "Augmented pentagonal prism", "Biaugmented pentagonal prism", "Augmented hexagonal prism",
    "Parabiaugmented hexagonal prism", "Metabiaugmented hexagonal prism", "Triaugmented hexagonal prism",
    "Augmented dodecahedron", "Parabiaugmented dodecahedron", "Metabiaugmented dodecahedron",
    "Triaugmented dodecahedron", "Metabidiminished icosahedron", "Tridiminished icosahedron",
    "Augmented tridiminished icosahedron", "Augmented truncated tetrahedron", "Augmented truncated cube",
    "Biaugmented truncated cube", "Augmented truncated dodecahedron",
    "Parabiaugmented truncated dodecahedron", "Metabiaugmented truncated dodecahedron",
    "Triaugmented truncated dodecahedron", "Gyrate rhombicosidodecahedron",
    "Parabigyrate rhombicosidodecahedron", "Metabigyrate rhombicosidodecahedron",
    "Trigyrate rhombicosidodecahedron", "Diminished rhombicosidodecahedron",
    "Paragyrate diminished rhombicosidodecahedron", "Metagyrate diminished rhombicosidodecahedron",
    "Bigyrate diminished rhombicosidodecahedron", "Parabidiminished rhombicosidodecahedron",
    "Metabidiminished rhombicosidodecahedron", "Gyrate bidiminished rhombicosidodecahedron",
    "Tridiminished rhombicosidodecahedron", "Snub disphenoid", "Snub square antiprism", "Sphenocorona",
    "Augmented sphenocorona", "Sphenomegacorona", "Hebesphenomegacorona", "Disphenocingulum",
    "Bilunabirotunda", "Triangular hebesphenorotunda",
};

// "J7" (g++ 12 warns falsely about "J" + std::to_string(j)).
std::string JohnsonNumber(int j) {
    std::string text = "J";
    text += std::to_string(j);
    return text;
}

TEST(EnglishNames, JohnsonSolidsCarryTheirPublicNameAndNumber) {
    for (int j = 1; j <= 92; ++j) {
        const std::string name = kJohnsonNames[static_cast<size_t>(j - 1)];
        const std::string number = " (" + JohnsonNumber(j) + ")";
        EXPECT_EQ(EnglishFigureName(static_cast<ShapeId>(299 + j)), name + number) << "J" << j;
        EXPECT_EQ(EnglishJohnsonMenuLabel(static_cast<ShapeId>(299 + j)), JohnsonNumber(j) + " / " + name);
        if (j >= 44 && j <= 48) {
            EXPECT_EQ(EnglishFigureName(static_cast<ShapeId>(349 + j)), name + number + " (mirror)");
            EXPECT_EQ(EnglishJohnsonMenuLabel(static_cast<ShapeId>(349 + j)), JohnsonNumber(j) + " / " + name + " (mirror)");
        }
    }
    EXPECT_EQ(EnglishJohnsonMenuLabel(5), "");
    EXPECT_EQ(EnglishJohnsonMenuLabel(392), "");
}

TEST(EnglishNames, EveryFigureHasOneAndTheGivenNamesStayAsTheyAre) {
    for (const FigureInfo& info : AllFigures()) {
        const std::string name = EnglishFigureName(info.number);
        EXPECT_FALSE(name.empty()) << info.number;
        EXPECT_LE(name.size(), static_cast<size_t>(kMaxNameBytes)) << info.number;
        for (char c : name) EXPECT_LT(static_cast<unsigned char>(c), 0x80) << info.number;
        if (!info.nameEn.empty()) {
            EXPECT_EQ(name, info.nameEn) << info.number;
        }
    }
    EXPECT_EQ(EnglishFigureName(13), "");
}

TEST(EnglishNames, DerivedAndGeneratedFiguresAreNamedFromTheirParts) {
    struct Case {
        ShapeId figure;
        const char* name;
    };
    const Case cases[] = {
        {54, "Snub cuboctahedron / Snub cube"},     // mirror image of 53
        {76, "Pentagonal icositetrahedron"},         // mirror image of 75
        {484, "Snub cuboctahedron / Snub cube"},    // pyramids sunk into 54
        {501, "Compound of cube and regular octahedron"},
        {516, "Compound of snub cuboctahedron and pentagonal icositetrahedron"},
        {415, "Superquadric ellipsoid"},
        {416, "Superquadric torus"},
        {441, "Menger sponge"},
        {451, "Koch surface"},
        {453, "Blob tree"},
    };
    for (const Case& c : cases) EXPECT_EQ(EnglishFigureName(c.figure), c.name) << c.figure;
}

TEST(EnglishNames, ABuiltSolidShowsItsOwnNameOrTheCatalogues) {
    Solid solid;
    for (ShapeId figure : {5, 300, 501, 451}) {
        solid = Solid{};
        ASSERT_NE(BuildFigure(solid, figure), 0) << figure;
        EXPECT_EQ(EnglishDisplayName(solid), EnglishFigureName(figure)) << figure;
    }
    solid.nameEn = "Own name";
    EXPECT_EQ(EnglishDisplayName(solid), "Own name");
}

}  // namespace
}  // namespace gyro
