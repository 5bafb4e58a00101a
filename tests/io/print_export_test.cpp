#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

#include "geometry/outer_surface.h"
#include "io/print_export.h"
#include "state/dispatcher.h"
#include "support/float_weld.h"
#include "support/temp_dir.h"

#include <Model/COM/NMR_DLLInterfaces.h>

namespace gyro {
namespace {

// The triangles of a binary STL file, welded as a slicer welds them.
test::FloatMesh ReadStl(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (bytes.size() < 84) return {};
    uint32_t count = 0;
    std::memcpy(&count, bytes.data() + 80, 4);
    EXPECT_EQ(bytes.size(), 84 + 50 * size_t{count});
    std::vector<std::array<Vec3, 3>> corners;
    for (uint32_t t = 0; t < count && 84 + 50 * (size_t{t} + 1) <= bytes.size(); ++t) {
        std::array<Vec3, 3> corner{};
        for (size_t c = 0; c < 3; ++c) {
            float v[3];
            std::memcpy(v, bytes.data() + 84 + 50 * size_t{t} + 12 + 12 * c, 12);
            corner[c] = {v[0], v[1], v[2]};
        }
        corners.push_back(corner);
    }
    return test::WeldAsFloats(corners);
}

std::string Admesh(const std::string& path) {
    std::string output;
    std::string command = "admesh ";
    command += path;
    command += " 2>&1";
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) return output;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) output += buffer;
    ::pclose(pipe);
    return output;
}

int AdmeshCount(const std::string& report, const std::string& label) {
    const size_t at = report.find(label);
    if (at == std::string::npos) return -1;
    const size_t colon = report.find(':', at);
    return std::atoi(report.c_str() + colon + 1);
}

OuterResult SurfaceOf(ShapeId figure) {
    Solid solid;
    InitSolid(solid);
    BuildFigure(solid, figure);
    return ComputeOuterSurface(solid);
}

double ScaledVolume(const OuterSurface& surface, double sizeMm) {
    const std::vector<Vec3> p = PrintPoints(surface, sizeMm);
    double v = 0.0;
    for (const auto& t : surface.triangles) {
        v += Dot(p[static_cast<size_t>(t[0])], Cross(p[static_cast<size_t>(t[1])], p[static_cast<size_t>(t[2])]));
    }
    return v / 6.0;
}

// Convex, star and compound figures, each one shell.
TEST(PrintExport, StlIsClosedWhenWeldedAsSlicersDoAndReadsBackClean) {
    test_support::TempDir dir;
    for (const ShapeId figure : {1, 5, 9, 11, 15, 18, 21, 23, 24}) {
        const OuterResult outer = SurfaceOf(figure);
        ASSERT_TRUE(outer.ok()) << figure;
        std::string name = "f";
        name += std::to_string(figure);
        name += ".stl";
        const std::string path = (dir / name).string();
        ASSERT_TRUE(WritePrintFile(path, outer.surface, PrintFormat::Stl, 60.0, "test").ok());
        const test::FloatMesh mesh = ReadStl(path);
        ASSERT_EQ(mesh.triangles.size(), outer.surface.triangles.size()) << figure;
        const SurfaceCheck check = CheckSurface(mesh.points, mesh.triangles);
        EXPECT_TRUE(check.closed && check.manifold && check.outward)
            << figure << ": " << check.badEdges << " bad edges, " << check.badPoints << " pinched points";
        EXPECT_NEAR(mesh.volume / ScaledVolume(outer.surface, 60.0), 1.0, 1e-5) << figure;

        const std::string report = Admesh(path);
        ASSERT_NE(report.find("Number of facets"), std::string::npos) << "admesh is not installed";
        EXPECT_EQ(AdmeshCount(report, "Degenerate facets"), 0) << figure << report;
        EXPECT_EQ(AdmeshCount(report, "Facets reversed"), 0) << figure << report;
        EXPECT_EQ(AdmeshCount(report, "Edges fixed"), 0) << figure << report;
        EXPECT_EQ(AdmeshCount(report, "Facets added"), 0) << figure << report;
        EXPECT_EQ(AdmeshCount(report, "Number of parts"), 1) << figure << report;
    }
}

TEST(PrintExport, PlacedOnThePlateAtTheAskedSize) {
    const OuterResult outer = SurfaceOf(5);
    ASSERT_TRUE(outer.ok());
    const std::vector<Vec3> p = PrintPoints(outer.surface, 25.0);
    Vec3 low = p[0], high = p[0];
    for (const Vec3& v : p) {
        low = {std::min(low.x, v.x), std::min(low.y, v.y), std::min(low.z, v.z)};
        high = {std::max(high.x, v.x), std::max(high.y, v.y), std::max(high.z, v.z)};
    }
    EXPECT_NEAR(std::max({high.x - low.x, high.y - low.y, high.z - low.z}), 25.0, 1e-9);
    EXPECT_NEAR(low.z, 0.0, 1e-12);
    EXPECT_NEAR(low.x + high.x, 0.0, 1e-9);
    EXPECT_TRUE(PrintFormatOfPath("a/B.STL") == PrintFormat::Stl);
    EXPECT_TRUE(PrintFormatOfPath("x.3mf") == PrintFormat::ThreeMf);
    EXPECT_FALSE(PrintFormatOfPath("x.obj").has_value());
    EXPECT_FALSE(WritePrintFile("", outer.surface, PrintFormat::Stl, 60, "x").ok());
    EXPECT_FALSE(WritePrintFile("/tmp/never.stl", outer.surface, PrintFormat::Stl, -1, "x").ok());
}

TEST(PrintExport, ThreeMfReadsBackWithLib3mfInMillimetres) {
    using namespace NMR;
    test_support::TempDir dir;
    for (const ShapeId figure : {11, 21, 24}) {
        const OuterResult outer = SurfaceOf(figure);
        ASSERT_TRUE(outer.ok());
        const std::string path = (dir / "f.3mf").string();
        ASSERT_TRUE(WritePrintFile(path, outer.surface, PrintFormat::ThreeMf, 60.0, "test").ok());

        PLib3MFModel* model = nullptr;
        ASSERT_EQ(lib3mf_createmodel(&model), LIB3MF_OK);
        PLib3MFModelReader* reader = nullptr;
        ASSERT_EQ(lib3mf_model_queryreader(model, "3mf", &reader), LIB3MF_OK);
        ASSERT_EQ(lib3mf_reader_readfromfileutf8(reader, path.c_str()), LIB3MF_OK) << figure;
        DWORD unit = 99;
        lib3mf_model_getunit(model, &unit);
        EXPECT_EQ(unit, static_cast<DWORD>(MODELUNIT_MILLIMETER));
        PLib3MFModelResourceIterator* it = nullptr;
        ASSERT_EQ(lib3mf_model_getmeshobjects(model, &it), LIB3MF_OK);
        BOOL more = false;
        ASSERT_EQ(lib3mf_resourceiterator_movenext(it, &more), LIB3MF_OK);
        ASSERT_TRUE(more);
        PLib3MFModelResource* resource = nullptr;
        ASSERT_EQ(lib3mf_resourceiterator_getcurrent(it, &resource), LIB3MF_OK);
        DWORD vertexCount = 0, triangleCount = 0;
        lib3mf_meshobject_getvertexcount(resource, &vertexCount);
        lib3mf_meshobject_gettrianglecount(resource, &triangleCount);
        EXPECT_EQ(triangleCount, outer.surface.triangles.size());
        std::vector<Vec3> points;
        std::vector<std::array<int32_t, 3>> triangles;
        for (DWORD i = 0; i < vertexCount; ++i) {
            MODELMESHVERTEX p;
            lib3mf_meshobject_getvertex(resource, i, &p);
            points.push_back({p.m_fPosition[0], p.m_fPosition[1], p.m_fPosition[2]});
        }
        double volume = 0.0;
        for (DWORD t = 0; t < triangleCount; ++t) {
            MODELMESHTRIANGLE tri;
            lib3mf_meshobject_gettriangle(resource, t, &tri);
            triangles.push_back({static_cast<int32_t>(tri.m_nIndices[0]), static_cast<int32_t>(tri.m_nIndices[1]),
                                 static_cast<int32_t>(tri.m_nIndices[2])});
            Vec3 c[3];
            for (int k = 0; k < 3; ++k) {
                MODELMESHVERTEX p;
                lib3mf_meshobject_getvertex(resource, tri.m_nIndices[k], &p);
                c[k] = {p.m_fPosition[0], p.m_fPosition[1], p.m_fPosition[2]};
            }
            volume += Dot(c[0], Cross(c[1], c[2])) / 6.0;
        }
        EXPECT_NEAR(volume / ScaledVolume(outer.surface, 60.0), 1.0, 1e-5) << figure;
        const SurfaceCheck check = CheckSurface(points, triangles);
        EXPECT_TRUE(check.closed && check.manifold && check.outward) << figure;
        lib3mf_release(resource);
        lib3mf_release(it);
        lib3mf_release(reader);
        lib3mf_release(model);
    }
}

}  // namespace
}  // namespace gyro
