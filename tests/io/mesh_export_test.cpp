#include "io/mesh_export.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace gyro {
namespace {

namespace fs = std::filesystem;

// A hexagram {6/2} as one compound face of two triangles, a square and a segment,
// with coordinates that have no short decimal form.
Solid SmallSolid() {
    Solid solid;
    solid.zukei = 123;
    solid.nameJa = "小\"テスト\"体";
    solid.nameEn = "Small test solid";
    solid.patternCount = 3;
    solid.fractalDepthMax = 2;
    solid.fractalRatio = 1.0 / 3.0;
    for (int i = 0; i < 6; ++i) {
        const double a = std::acos(-1.0) * i / 3;
        solid.vertices.push_back({std::sin(a) * 800 / 3, std::cos(a) * std::sqrt(2.0), -1e-300 * i});
    }
    solid.vertices.push_back({0.1, 0.2, 0.3});
    Face star;
    star.corners = {0, 2, 4, 1, 3, 5};
    star.polygonSize = 3;
    star.polygonCount = 2;
    star.starStep = 2;
    star.colours = {0x00FFFFFF, 1, 2, 3, 4, 5, 0x00ABCDEF};
    solid.faces.push_back(star);
    Face square;
    square.corners = {0, 1, 6, 5};
    square.polygonSize = 4;
    square.polygonCount = 1;
    solid.faces.push_back(square);
    solid.faces.push_back(Face{});  // a face without corners writes no polygon line
    solid.segments.push_back({6, 3});
    return solid;
}

std::vector<std::vector<int64_t>> ExpectedPolygons() { return {{0, 2, 4}, {1, 3, 5}, {0, 1, 6, 5}}; }

TEST(MeshExport, OffParsesBack) {
    const Solid solid = SmallSolid();
    std::istringstream in(MeshToString(solid, MeshFormat::Off));
    std::string magic;
    size_t vertices = 0, faces = 0, edges = 0;
    in >> magic >> vertices >> faces >> edges;
    EXPECT_EQ(magic, "OFF");
    ASSERT_EQ(vertices, solid.vertices.size());
    ASSERT_EQ(faces, 4u);  // three polygons and the segment
    for (const Vec3& v : solid.vertices) {
        Vec3 read;
        in >> read.x >> read.y >> read.z;
        EXPECT_EQ(read.x, v.x);  // full precision: exact round trip
        EXPECT_EQ(read.y, v.y);
        EXPECT_EQ(read.z, v.z);
    }
    auto expected = ExpectedPolygons();
    expected.push_back({6, 3});
    for (const auto& polygon : expected) {
        size_t n = 0;
        in >> n;
        ASSERT_EQ(n, polygon.size());
        for (int64_t index : polygon) {
            int64_t read = -1;
            in >> read;
            EXPECT_EQ(read, index);
        }
    }
    std::string rest;
    EXPECT_FALSE(in >> rest) << rest;
}

TEST(MeshExport, ObjParsesBackWithOneBasedIndices) {
    const Solid solid = SmallSolid();
    std::istringstream in(MeshToString(solid, MeshFormat::Obj));
    std::vector<Vec3> vertices;
    std::vector<std::vector<int64_t>> faces;
    std::vector<std::vector<int64_t>> lines;
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string kind;
        words >> kind;
        if (kind == "v") {
            Vec3 v;
            words >> v.x >> v.y >> v.z;
            vertices.push_back(v);
        } else if (kind == "f" || kind == "l") {
            std::vector<int64_t> indices;
            for (int64_t i; words >> i;) indices.push_back(i - 1);
            (kind == "f" ? faces : lines).push_back(indices);
        } else {
            EXPECT_EQ(kind, "#") << line;
        }
    }
    ASSERT_EQ(vertices.size(), solid.vertices.size());
    for (size_t i = 0; i < vertices.size(); ++i) {
        EXPECT_EQ(vertices[i].x, solid.vertices[i].x);
        EXPECT_EQ(vertices[i].y, solid.vertices[i].y);
        EXPECT_EQ(vertices[i].z, solid.vertices[i].z);
    }
    EXPECT_EQ(faces, ExpectedPolygons());
    EXPECT_EQ(lines, (std::vector<std::vector<int64_t>>{{6, 3}}));
}

TEST(MeshExport, JsonRoundTrip) {
    const Solid solid = SmallSolid();
    const auto json = nlohmann::json::parse(MeshToString(solid, MeshFormat::Json));
    EXPECT_EQ(json["figure"], 123);
    EXPECT_EQ(json["nameJa"], solid.nameJa);
    EXPECT_EQ(json["nameEn"], solid.nameEn);
    EXPECT_EQ(json["patternCount"], 3);
    EXPECT_EQ(json["fractalDepthMax"], 2);
    EXPECT_EQ(json["fractalRatio"].get<double>(), 1.0 / 3.0);
    ASSERT_EQ(json["vertices"].size(), solid.vertices.size());
    for (size_t i = 0; i < solid.vertices.size(); ++i) {
        EXPECT_EQ(json["vertices"][i][0].get<double>(), solid.vertices[i].x);
        EXPECT_EQ(json["vertices"][i][1].get<double>(), solid.vertices[i].y);
        EXPECT_EQ(json["vertices"][i][2].get<double>(), solid.vertices[i].z);
    }
    ASSERT_EQ(json["faces"].size(), 3u);
    EXPECT_EQ(json["faces"][0]["polygons"], nlohmann::json::parse("[[0,2,4],[1,3,5]]"));
    EXPECT_EQ(json["faces"][0]["starStep"], 2);
    EXPECT_EQ(json["faces"][0]["colours"].get<std::vector<uint32_t>>(),
              std::vector<uint32_t>(solid.faces[0].colours.begin(), solid.faces[0].colours.end()));
    EXPECT_EQ(json["faces"][1]["polygons"], nlohmann::json::parse("[[0,1,6,5]]"));
    EXPECT_EQ(json["faces"][2]["polygons"], nlohmann::json::array());
    EXPECT_EQ(json["segments"], nlohmann::json::parse("[[6,3]]"));
}

TEST(MeshExport, EmptySolidGivesValidFiles) {
    const Solid empty;
    EXPECT_EQ(MeshToString(empty, MeshFormat::Off), "OFF\n0 0 0\n");
    const auto json = nlohmann::json::parse(MeshToString(empty, MeshFormat::Json));
    EXPECT_TRUE(json["vertices"].empty());
    EXPECT_TRUE(json["faces"].empty());
}

TEST(MeshExport, FormatNames) {
    EXPECT_EQ(ParseMeshFormat("json"), MeshFormat::Json);
    EXPECT_EQ(ParseMeshFormat("off"), MeshFormat::Off);
    EXPECT_EQ(ParseMeshFormat("obj"), MeshFormat::Obj);
    EXPECT_FALSE(ParseMeshFormat("OBJ"));
    EXPECT_FALSE(ParseMeshFormat(""));
}

using MeshFileTest = test_support::TempFolderTest;

TEST_F(MeshFileTest, WritesTheFileAndNothingElse) {
    const Solid solid = SmallSolid();
    const fs::path path = dir_ / "out.off";
    const Status status = WriteMeshFile(path.string(), solid, MeshFormat::Off);
    ASSERT_TRUE(status.ok()) << status.message;
    std::ifstream in(path, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(text, MeshToString(solid, MeshFormat::Off));
    EXPECT_EQ(EntriesInDir(), 1u);
}

TEST_F(MeshFileTest, FailureLeavesNoFileBehind) {
    const Solid solid = SmallSolid();
    // The target is a directory: the finished temporary cannot replace it.
    const fs::path blocked = dir_ / "blocked";
    fs::create_directory(blocked);
    EXPECT_FALSE(WriteMeshFile(blocked.string(), solid, MeshFormat::Json).ok());
    EXPECT_TRUE(fs::is_directory(blocked));
    EXPECT_EQ(EntriesInDir(), 1u);

    const Status missing = WriteMeshFile((dir_ / "no" / "such" / "dir.obj").string(), solid, MeshFormat::Obj);
    EXPECT_FALSE(missing.ok());
    EXPECT_FALSE(missing.message.empty());
    EXPECT_EQ(EntriesInDir(), 1u);
}

}  // namespace
}  // namespace gyro
