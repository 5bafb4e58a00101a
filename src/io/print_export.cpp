#include "io/print_export.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include <unistd.h>
#include <map>
#include <memory>
#include <vector>

#include "io/atomic_write.h"

#include <Model/COM/NMR_DLLInterfaces.h>

namespace gyro {

namespace {

std::string Lower(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

void PutFloat(std::string& out, float value) {
    static_assert(std::endian::native == std::endian::little, "STL is little-endian; this writer assumes the host is too");
    char bytes[4];
    std::memcpy(bytes, &value, 4);
    out.append(bytes, 4);
}

void PutUint32(std::string& out, uint32_t value) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// lib3mf objects are released when their holder goes.
struct Release {
    void operator()(NMR::PLib3MFBase* p) const {
        if (p != nullptr) NMR::lib3mf_release(p);
    }
};
using Held = std::unique_ptr<NMR::PLib3MFBase, Release>;

}  // namespace

std::optional<PrintFormat> ParsePrintFormat(std::string_view name) {
    if (name == "stl") return PrintFormat::Stl;
    if (name == "3mf") return PrintFormat::ThreeMf;
    return std::nullopt;
}

std::optional<PrintFormat> PrintFormatOfPath(std::string_view path) {
    const std::string lower = Lower(path);
    const auto ends = [&](std::string_view tail) {
        return lower.size() >= tail.size() && lower.compare(lower.size() - tail.size(), tail.size(), tail) == 0;
    };
    if (ends(".stl")) return PrintFormat::Stl;
    if (ends(".3mf")) return PrintFormat::ThreeMf;
    return std::nullopt;
}

std::vector<Vec3> PrintPoints(const OuterSurface& surface, double sizeMm) {
    std::vector<Vec3> points;
    points.reserve(surface.points.size());
    // y up in the viewer, z up on the printer: a quarter turn about x.
    for (const Vec3& p : surface.points) points.push_back({p.x, -p.z, p.y});
    if (points.empty()) return points;
    Vec3 low = points[0];
    Vec3 high = points[0];
    for (const Vec3& p : points) {
        low = {std::min(low.x, p.x), std::min(low.y, p.y), std::min(low.z, p.z)};
        high = {std::max(high.x, p.x), std::max(high.y, p.y), std::max(high.z, p.z)};
    }
    const double largest = std::max({high.x - low.x, high.y - low.y, high.z - low.z});
    const double scale = largest > 0.0 ? sizeMm / largest : 1.0;
    const Vec3 shift{(low.x + high.x) / 2, (low.y + high.y) / 2, low.z};
    for (Vec3& p : points) p = (p - shift) * scale;
    return points;
}

std::string StlBytes(const OuterSurface& surface, double sizeMm, std::string_view name) {
    const std::vector<Vec3> points = PrintPoints(surface, sizeMm);
    std::string out;
    out.reserve(84 + 50 * surface.triangles.size());
    // The 80-byte header must not begin with "solid", or readers take the file for ASCII STL.
    char header[80];
    std::memset(header, ' ', sizeof header);
    const std::string_view lead = "Gyrosolid outer surface, mm: ";
    std::memcpy(header, lead.data(), lead.size());
    std::memcpy(header + lead.size(), name.data(), std::min(name.size(), sizeof header - lead.size()));
    out.append(header, sizeof header);
    PutUint32(out, static_cast<uint32_t>(surface.triangles.size()));
    for (const auto& t : surface.triangles) {
        const Vec3 a = points[static_cast<size_t>(t[0])];
        const Vec3 b = points[static_cast<size_t>(t[1])];
        const Vec3 c = points[static_cast<size_t>(t[2])];
        Vec3 n = Cross(b - a, c - a);
        const double length = Length(n);
        if (length > 0.0) n = n / length;
        for (const Vec3& v : {n, a, b, c}) {
            PutFloat(out, static_cast<float>(v.x));
            PutFloat(out, static_cast<float>(v.y));
            PutFloat(out, static_cast<float>(v.z));
        }
        out.push_back('\0');
        out.push_back('\0');
    }
    return out;
}

Status ThreeMfBytes(const OuterSurface& surface, double sizeMm, const std::string& name, std::string& bytes) {
    using namespace NMR;
    const auto fail = [](const char* step) { return Status::Error(std::string("3MF: ") + step + " failed"); };
    PLib3MFModel* rawModel = nullptr;
    if (lib3mf_createmodel(&rawModel) != LIB3MF_OK) return fail("creating the model");
    const Held model(rawModel);
    if (lib3mf_model_setunit(rawModel, MODELUNIT_MILLIMETER) != LIB3MF_OK) return fail("setting the unit");

    PLib3MFModelMeshObject* rawMesh = nullptr;
    if (lib3mf_model_addmeshobject(rawModel, &rawMesh) != LIB3MF_OK) return fail("adding the mesh");
    const Held mesh(rawMesh);
    lib3mf_object_setnameutf8(rawMesh, name.c_str());

    const std::vector<Vec3> points = PrintPoints(surface, sizeMm);
    std::vector<MODELMESHVERTEX> vertices(points.size());
    for (size_t i = 0; i < points.size(); ++i) {
        vertices[i].m_fPosition[0] = static_cast<float>(points[i].x);
        vertices[i].m_fPosition[1] = static_cast<float>(points[i].y);
        vertices[i].m_fPosition[2] = static_cast<float>(points[i].z);
    }
    std::vector<MODELMESHTRIANGLE> triangles(surface.triangles.size());
    for (size_t t = 0; t < triangles.size(); ++t) {
        for (size_t i = 0; i < 3; ++i) triangles[t].m_nIndices[i] = static_cast<DWORD>(surface.triangles[t][i]);
    }
    if (lib3mf_meshobject_setgeometry(rawMesh, vertices.data(), static_cast<DWORD>(vertices.size()), triangles.data(),
                                      static_cast<DWORD>(triangles.size())) != LIB3MF_OK) {
        return fail("storing the triangles");
    }

    // The face colours (the first colour of each face) as base materials.
    PLib3MFModelBaseMaterial* rawGroup = nullptr;
    if (lib3mf_model_addbasematerialgroup(rawModel, &rawGroup) != LIB3MF_OK) return fail("adding the colours");
    const Held group(rawGroup);
    DWORD groupId = 0;
    lib3mf_basematerial_getresourceid(rawGroup, &groupId);
    std::map<Colour, DWORD> materialOf;
    std::vector<ModelResourceID> groupIds(triangles.size(), groupId);
    std::vector<DWORD> materials(triangles.size(), 0);
    for (size_t t = 0; t < triangles.size(); ++t) {
        const auto face = static_cast<size_t>(t < surface.triangleFace.size() ? surface.triangleFace[t] : 0);
        const Colour colour = face < surface.faceColours.size() ? surface.faceColours[face][0] : 0x00C0C0C0;
        auto it = materialOf.find(colour);
        if (it == materialOf.end()) {
            DWORD index = 0;
            const std::string label = "colour " + std::to_string(materialOf.size() + 1);
            if (lib3mf_basematerial_addmaterialutf8(rawGroup, label.c_str(), static_cast<BYTE>(colour & 0xFF),
                                                    static_cast<BYTE>((colour >> 8) & 0xFF),
                                                    static_cast<BYTE>((colour >> 16) & 0xFF), &index) != LIB3MF_OK) {
                return fail("adding a colour");
            }
            it = materialOf.emplace(colour, index).first;
        }
        materials[t] = it->second;
    }
    PLib3MFPropertyHandler* rawHandler = nullptr;
    if (lib3mf_meshobject_createpropertyhandler(rawMesh, &rawHandler) != LIB3MF_OK) return fail("colouring");
    const Held handler(rawHandler);
    if (!triangles.empty() &&
        lib3mf_propertyhandler_setbasematerialarray(rawHandler, groupIds.data(), materials.data()) != LIB3MF_OK) {
        return fail("colouring the triangles");
    }

    // Readers want an object-wide colour too: the first one.
    PLib3MFDefaultPropertyHandler* rawDefault = nullptr;
    if (lib3mf_object_createdefaultpropertyhandler(rawMesh, &rawDefault) != LIB3MF_OK) return fail("colouring");
    const Held defaultHandler(rawDefault);
    if (!materials.empty() && lib3mf_defaultpropertyhandler_setbasematerial(rawDefault, groupId, materials[0]) != LIB3MF_OK) {
        return fail("setting the object's colour");
    }

    PLib3MFModelBuildItem* rawItem = nullptr;
    if (lib3mf_model_addbuilditem(rawModel, rawMesh, nullptr, &rawItem) != LIB3MF_OK) return fail("adding the build item");
    const Held item(rawItem);

    PLib3MFModelWriter* rawWriter = nullptr;
    if (lib3mf_model_querywriter(rawModel, "3mf", &rawWriter) != LIB3MF_OK) return fail("making the writer");
    const Held writer(rawWriter);
    // This lib3mf writes a 3MF package only to a file: a private temporary one,
    // read back so that the target is replaced in one step like every other file.
    std::string temp = (std::filesystem::temp_directory_path() / "gyrosolid-3mf-XXXXXX").string();
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) return fail("making a temporary file");
    ::close(fd);
    const bool written = lib3mf_writer_writetofileutf8(rawWriter, temp.c_str()) == LIB3MF_OK;
    if (written) {
        std::ifstream in(temp, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    std::error_code ignored;
    std::filesystem::remove(temp, ignored);
    if (!written || bytes.empty()) {
        DWORD code = 0;
        LPCSTR text = nullptr;
        lib3mf_getlasterror(rawWriter, &code, &text);
        return Status::Error(std::string("3MF: writing the file failed") + (text != nullptr ? std::string(": ") + text : ""));
    }
    return Status::Ok();
}

Status WritePrintFile(const std::string& path, const OuterSurface& surface, PrintFormat format, double sizeMm,
                      const std::string& name) {
    if (path.empty()) return Status::Error("no output file named");
    if (!(sizeMm > 0.0) || !std::isfinite(sizeMm)) return Status::Error("the size must be a positive number of millimetres");
    if (surface.triangles.empty()) return Status::Error("the surface is empty");
    std::string bytes;
    if (format == PrintFormat::Stl) {
        bytes = StlBytes(surface, sizeMm, name);
    } else if (const Status made = ThreeMfBytes(surface, sizeMm, name, bytes); !made.ok()) {
        return made;
    }
    return WriteFileAtomically(path, bytes);
}

Solid OuterSurfaceAsSolid(const Solid& figure, const OuterSurface& surface) {
    Solid out;
    out.params = figure.params;
    out.zukei = figure.zukei;
    out.nameJa = figure.nameJa;
    out.nameEn = figure.nameEn;
    out.patternCount = figure.patternCount;
    out.vertices = surface.points;
    out.faces.reserve(surface.triangles.size());
    for (size_t t = 0; t < surface.triangles.size(); ++t) {
        Face face;
        face.corners.assign(surface.triangles[t].begin(), surface.triangles[t].end());
        face.polygonSize = 3;
        face.polygonCount = 1;
        const auto f = static_cast<size_t>(t < surface.triangleFace.size() ? surface.triangleFace[t] : 0);
        if (f < surface.faceColours.size()) face.colours = surface.faceColours[f];
        out.faces.push_back(std::move(face));
    }
    return out;
}

}  // namespace gyro
