#include "catalog/catalogue.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "catalog/command_ids.h"

namespace gyro {
namespace {

TEST(Catalogue, NumbersAreUniqueAscendingAndFound) {
    const auto figures = AllFigures();
    ASSERT_FALSE(figures.empty());
    for (size_t i = 1; i < figures.size(); ++i) {
        EXPECT_LT(figures[i - 1].number, figures[i].number) << "at index " << i;
    }
    for (const FigureInfo& info : figures) {
        EXPECT_EQ(FindFigure(info.number), &info) << info.number;
    }
    for (ShapeId missing : {0, 13, 14, 39, 57, 88, 186, 199, 269, 398, 419, 438, 454, 487, 499, 521, -1}) {
        EXPECT_EQ(FindFigure(missing), nullptr) << missing;
    }
}

TEST(Catalogue, NamesFitTheirFieldsAndTheLongestEnglishNameIsFigure73) {
    size_t longestEn = 0;
    ShapeId longestEnFigure = 0;
    for (const FigureInfo& info : AllFigures()) {
        EXPECT_LE(info.nameJa.size(), static_cast<size_t>(kMaxNameBytes)) << info.number;
        EXPECT_LE(info.nameEn.size(), static_cast<size_t>(kMaxNameBytes)) << info.number;
        for (char c : info.nameEn) EXPECT_LT(static_cast<unsigned char>(c), 0x80) << info.number;
        if (info.nameEn.size() > longestEn) {
            longestEn = info.nameEn.size();
            longestEnFigure = info.number;
        }
    }
    EXPECT_EQ(longestEnFigure, 73);
    EXPECT_EQ(longestEn, 105u);
}

TEST(Catalogue, SpotChecksOfExactNames) {
    struct Case {
        ShapeId figure;
        const char* ja;
        const char* en;
    };
    const Case cases[] = {
        {5, "立方体 / 正六面体", "Cube / Regular hexahedron"},
        {47, "切頂立方体 / 切頂六面体 / 切頭立方体 / 切頭六面体 / 切隅立方体 / 切隅六面体",
         "Truncated cube / Truncated hexahedron"},
        {54, "ねじれ立方八面体 / 変形立方八面体 / ねじれ立方体 / 変形立方体", ""},
        {70, "三方八面体", "Triakis octahedron / Trigonal trisoctahedron/ Kisoctahedron"},
        {100, "擬大斜方立方八面体（枠）", "frame of Pseudo-great rhombicuboctahedron"},
        {102, "立方切頂立方八面体の枠", "frame of Cubitruncated cuboctahedron"},
        {129, "大変形十二・二十・十二面体（鏡像）", "Great snub dodecicosidodecahedron(mirror)"},
        {207, "小六cronic二十四面体", "Small hexacronic icositetrahedron"},
        {300, "正四角錐 / ジョンソンの立体No.1", ""},
        {310, "正五角錐反柱 / 相当:側錐欠損二十面体 / ジョンソンの立体No.11", ""},
        {392, "ジョンソンのパンツ", ""},
        {395, "双五角台塔反柱 / ジョンソンの立体No.46", ""},
        {431, "正八面体と正四面体", ""},
        {452, "", ""},
        {477, "正十二面体", "Regular dodecahedron"},
        {500, "正四面体と正四面体の複合", ""},
        {520, "八卦体", ""},
    };
    for (const Case& c : cases) {
        const FigureInfo* info = FindFigure(c.figure);
        ASSERT_NE(info, nullptr) << c.figure;
        EXPECT_EQ(info->nameJa, c.ja) << c.figure;
        EXPECT_EQ(info->nameEn, c.en) << c.figure;
    }
}

TEST(Catalogue, DerivedFiguresStandOnNamedBases) {
    int pyramids = 0;
    for (const FigureInfo& info : AllFigures()) {
        const bool derived = info.finish.op != FinishOp::None;
        EXPECT_EQ(derived, info.base != 0) << info.number;
        const bool isVariant = info.family == FigureFamily::Augmented || info.family == FigureFamily::Excavated;
        if (isVariant) {
            ++pyramids;
            EXPECT_EQ(info.finish.op, FinishOp::Pyramids) << info.number;
            EXPECT_EQ(info.finish.amount, info.family == FigureFamily::Augmented ? 1 : -1) << info.number;
        }
        if (!derived) continue;
        const FigureInfo* base = FindFigure(info.base);
        ASSERT_NE(base, nullptr) << info.number;
        EXPECT_NE(base->number, info.number);
        // Duals and compounds have names of their own; mirrors, pyramids and
        // fractals repeat their base's.
        // A mirror image may carry the mirror mark where its base has none.
        if (info.finish.op == FinishOp::Dual || info.finish.op == FinishOp::CompoundWith) continue;
        auto unmarked = [&](std::string name, const std::string& mark) {
            if (info.finish.op != FinishOp::MirrorX) return name;
            const size_t at = name.find(mark);
            return at == std::string::npos ? name : name.erase(at, mark.size());
        };
        EXPECT_EQ(unmarked(std::string(info.nameJa), "（鏡像）"), std::string(base->nameJa)) << info.number;
        EXPECT_EQ(unmarked(std::string(info.nameEn), "(mirror)"), std::string(base->nameEn)) << info.number;
    }
    EXPECT_EQ(pyramids, 27);
    EXPECT_EQ(FindFigure(466)->base, 9);
    EXPECT_EQ(FindFigure(466)->finish.times, 2);
    EXPECT_EQ(FindFigure(486)->base, 56);
    EXPECT_EQ(FindFigure(447)->finish.amount, 4);  // depth limit of the rhombic dodecahedron fractal
}

TEST(Catalogue, JohnsonNamesCarryTheirNumber) {
    for (int j = 1; j <= 92; ++j) {
        const FigureInfo* info = FindFigure(static_cast<ShapeId>(299 + j));
        ASSERT_NE(info, nullptr) << j;
        EXPECT_EQ(info->family, FigureFamily::Johnson);
        EXPECT_TRUE(info->nameJa.ends_with(" / ジョンソンの立体No." + std::to_string(j))) << j;
        EXPECT_TRUE(info->nameEn.empty()) << j;
    }
    // The mirror images carry their twins' names.
    for (ShapeId mirror = 393; mirror <= 397; ++mirror) {
        EXPECT_EQ(FindFigure(mirror)->nameJa, FindFigure(static_cast<ShapeId>(mirror - 50))->nameJa);
    }
}

TEST(Catalogue, WriteFigureNamesReplacesBothNames) {
    Solid solid;
    solid.nameJa = "old";
    solid.nameEn = "old";
    WriteFigureNames(solid, 73);
    EXPECT_EQ(solid.nameJa, FindFigure(73)->nameJa);
    EXPECT_EQ(solid.nameEn.size(), 105u);
    WriteFigureNames(solid, 300);
    EXPECT_EQ(solid.nameJa, "正四角錐 / ジョンソンの立体No.1");
    EXPECT_EQ(solid.nameEn, "");
    WriteFigureNames(solid, 999);
    EXPECT_EQ(solid.nameJa, "");
    EXPECT_EQ(solid.nameEn, "");
}

TEST(StepOrders, EveryNumberIsACatalogueFigureAndTheOrdersAreDisjoint) {
    std::set<ShapeId> seen;
    for (ShapeId f : kMainStepOrder) {
        EXPECT_NE(FindFigure(f), nullptr) << f;
        EXPECT_TRUE(seen.insert(f).second) << f;
    }
    for (ShapeId f : kJohnsonStepOrder) {
        EXPECT_NE(FindFigure(f), nullptr) << f;
        EXPECT_TRUE(seen.insert(f).second) << f;
    }
    EXPECT_EQ(kJohnsonStepOrder.front(), 300);
    EXPECT_EQ(kJohnsonStepOrder.back(), 391);
}

TEST(StepOrders, StepsAndWrapsAtBothEnds) {
    EXPECT_EQ(StepFigure(410, +1), 1);
    EXPECT_EQ(StepFigure(1, -1), 410);
    EXPECT_EQ(StepFigure(1, +1), 5);
    EXPECT_EQ(StepFigure(67, +1), 69);  // 68 is not in the order
    EXPECT_EQ(StepFigure(391, +1), 300);
    EXPECT_EQ(StepFigure(300, -1), 391);
    EXPECT_EQ(StepFigure(343, +1), 393);
    EXPECT_EQ(StepFigure(393, +1), 344);
    EXPECT_EQ(StepFigure(397, +1), 348);
    EXPECT_EQ(StepFigure(348, -1), 397);
    EXPECT_EQ(StepFigure(344, -1), 393);
    for (ShapeId still : {2, 46, 90, 460, 392, 0, 999}) {
        EXPECT_EQ(StepFigure(still, +1), still);
        EXPECT_EQ(StepFigure(still, -1), still);
    }
    EXPECT_EQ(StepFigure(5, 0), 5);
}

TEST(StepOrders, ForwardThenBackReturnsEverywhere) {
    for (ShapeId f : kMainStepOrder) EXPECT_EQ(StepFigure(StepFigure(f, +1), -1), f);
    for (ShapeId f : kJohnsonStepOrder) EXPECT_EQ(StepFigure(StepFigure(f, -1), +1), f);
}

void CollectMenu(const FigureMenuItem& item, std::vector<const FigureMenuItem*>& out) {
    for (const FigureMenuItem& child : item.children) {
        out.push_back(&child);
        CollectMenu(child, out);
    }
}

const FigureMenuItem* FindLabel(const std::vector<const FigureMenuItem*>& items, const std::string& label) {
    for (const FigureMenuItem* item : items) {
        if (item->label == label) return item;
    }
    return nullptr;
}

TEST(FigureMenu, EveryEntryIsACatalogueFigureOrAKnownCommand) {
    const FigureMenuItem& root = FigureMenuTree();
    EXPECT_EQ(root.label, "図形(&Z)");
    std::vector<const FigureMenuItem*> items;
    CollectMenu(root, items);
    int figures = 0;
    std::set<ShapeId> distinct;
    for (const FigureMenuItem* item : items) {
        const int kinds = (item->figure != 0) + item->separator + !item->children.empty() + (item->command != 0);
        EXPECT_EQ(kinds, 1) << item->label;
        if (item->figure != 0) {
            ++figures;
            distinct.insert(item->figure);
            EXPECT_NE(FindFigure(item->figure), nullptr) << item->label;
        }
        EXPECT_EQ(item->label.empty(), item->separator) << item->figure;
    }
    EXPECT_EQ(figures, static_cast<int>(distinct.size()));  // each entry builds a figure of its own
    EXPECT_EQ(figures, 186);
}

TEST(FigureMenu, JohnsonLabels) {
    std::vector<const FigureMenuItem*> items;
    CollectMenu(FigureMenuTree(), items);
    const struct {
        const char* label;
        ShapeId figure;
    } cases[] = {
        {"J1 / 正四角錐", 300},
        {"J11 / 正五角錐反柱", 310},
        {"J26 / 異相双三角柱", 325},
        {"J37 / 異相双四角台塔柱 / 擬斜方立方八面体 / ミラーの立体", 336},
        {"J46 / 双五角台塔反柱（鏡像）", 395},
        {"J47 / 五角台塔丸塔反柱（鏡像）", 396},
        {"J92 / 三角広底球形屋根丸塔", 391},
    };
    for (const auto& c : cases) {
        const FigureMenuItem* item = FindLabel(items, c.label);
        ASSERT_NE(item, nullptr) << c.label;
        EXPECT_EQ(item->figure, c.figure) << c.label;
    }
    const FigureMenuItem* group = FindLabel(items, "双塔反柱系");
    ASSERT_NE(group, nullptr);
    ASSERT_EQ(group->children.size(), 10u);
    EXPECT_EQ(group->children[0].figure, 343);
    EXPECT_EQ(group->children[1].figure, 393);
    EXPECT_EQ(group->children[1].label, group->children[0].label + "（鏡像）");
}

TEST(FigureMenu, NonFigureItems) {
    const FigureMenuItem& root = FigureMenuTree();
    ASSERT_FALSE(root.children.empty());
    EXPECT_EQ(root.children.front().label, "正四面体(&4)");
    const FigureMenuItem& kikaku = root.children.back();
    EXPECT_EQ(kikaku.label, "正多面体系の大きさ規格");
    ASSERT_EQ(kikaku.children.size(), 3u);
    EXPECT_EQ(kikaku.children[0].label, "内接的");
    EXPECT_EQ(kikaku.children[2].command, cmd::kKikakuCircumscribed);

    std::vector<const FigureMenuItem*> items;
    CollectMenu(root, items);
    const FigureMenuItem* pyramids = FindLabel(items, "角錐・角柱");
    ASSERT_NE(pyramids, nullptr);
    ASSERT_GE(pyramids->children.size(), 2u);
    EXPECT_TRUE(pyramids->children[pyramids->children.size() - 2].separator);
    EXPECT_EQ(pyramids->children.back().label, "設定...");
    EXPECT_EQ(pyramids->children.back().command, cmd::kPyramidSettings);
}

}  // namespace
}  // namespace gyro
