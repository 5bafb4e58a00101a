#include "catalog/figure_finder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "catalog/catalogue.h"

namespace gyro {
namespace {

// The first figure the finder offers for `query`, 0 when it offers none.
ShapeId FirstMatch(const std::string& query) {
    const std::vector<ShapeId> found = FindFigures(query);
    return found.empty() ? ShapeId{0} : found.front();
}

TEST(FigureFinder, FirstMatchOfTypedText) {
    struct Case {
        const char* query;
        ShapeId first;
    };
    const Case cases[] = {
        {"43", 43},                  // a figure number
        {" 43 ", 43},                // spaces around it
        {"４３", 43},                // full-width digits
        {"J43", 342},                // Johnson number
        {"j27", 326},
        {"Ｊ２７", 326},
        {"J92", 391},
        {"gyrobirotunda", 41},       // English, lower case; 41 before J43 (342)
        {"GYROBIROTUNDA", 41},
        {"Elongated pentagonal gyrobirotunda", 342},
        {"ねじれ", 53},              // hiragana in the name
        {"ネジレ", 53},              // katakana finds hiragana
        {"かたらん", 405},           // hiragana finds katakana: カタランの双角錐
        {"Great dodec", 21},         // Great dodecahedron before the hemi-polyhedra
        {"大十二面体", 21},
        {"サッカーボール", 50},      // a menu label
        {"Koch", 451},               // outside every menu
        {"blob", 453},
        {"Menger", 441},
        {"cube", 5},                 // the menu's cube before its unlisted variants 3 and 4
        {"Bagua", 520},
    };
    for (const Case& c : cases) EXPECT_EQ(FirstMatch(c.query), c.first) << c.query;
}

TEST(FigureFinder, NothingForTextNoFigureHasAndEverythingForNoText) {
    EXPECT_TRUE(FindFigures("zzzz").empty());
    EXPECT_TRUE(FindFigures("J0").empty());
    EXPECT_TRUE(FindFigures("J93").empty());
    EXPECT_TRUE(FindFigures("99999999999999999999").empty());
    const std::vector<ShapeId> all = FindFigures("  ");
    ASSERT_EQ(all.size(), AllFigures().size());
    EXPECT_TRUE(std::is_sorted(all.begin(), all.end()));
}

TEST(FigureFinder, EveryFigureIsFoundByItsNumberFirst) {
    EXPECT_EQ(AllFigures().size(), 443u);
    for (const FigureInfo& info : AllFigures()) {
        EXPECT_EQ(FirstMatch(std::to_string(info.number)), info.number);
    }
}

TEST(FigureFinder, NormalisesWidthCaseAndKana) {
    EXPECT_EQ(NormaliseForSearch("ＡＢＣ　ｄｅｆ"), "abc def");
    EXPECT_EQ(NormaliseForSearch("カタラン"), "かたらん");
    EXPECT_EQ(NormaliseForSearch("  Great  "), "great");
    EXPECT_EQ(NormaliseForSearch("\xff\xfe"), "\xff\xfe");  // stray bytes kept, not lost
}

}  // namespace
}  // namespace gyro
