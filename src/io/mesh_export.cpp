#include "io/mesh_export.h"

#include "io/atomic_write.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <span>
#include <sstream>
#include <system_error>

#include <nlohmann/json.hpp>
#include <unistd.h>

namespace gyro {

namespace {

// The corners of polygon p of a face; a face whose corner array is shorter than
// its counts claim gives only the corners it has.
std::span<const int32_t> Polygon(const Face& face, int32_t p) {
    const size_t size = face.polygonSize > 0 ? static_cast<size_t>(face.polygonSize) : 0;
    const size_t begin = std::min(face.corners.size(), static_cast<size_t>(p) * size);
    const size_t end = std::min(face.corners.size(), begin + size);
    return std::span<const int32_t>(face.corners).subspan(begin, end - begin);
}

int64_t PolygonLineCount(const Solid& solid) {
    int64_t lines = 0;
    for (const Face& face : solid.faces) lines += std::max(face.polygonCount, 0);
    return lines;
}

void WriteDouble(std::ostream& out, double value) {
    char buffer[32];
    const int n = std::snprintf(buffer, sizeof buffer, "%.17g", value);
    out.write(buffer, n);
}

void WriteVertexLine(std::ostream& out, const char* prefix, const Vec3& v) {
    out << prefix;
    WriteDouble(out, v.x);
    out << ' ';
    WriteDouble(out, v.y);
    out << ' ';
    WriteDouble(out, v.z);
    out << '\n';
}

// A name may come from a settings file; keep it on one comment line.
std::string OneLine(std::string_view text) {
    std::string line(text);
    for (char& c : line) {
        if (c == '\n' || c == '\r') c = ' ';
    }
    return line;
}

// JSON scalars go through nlohmann so that escaping and number formatting are
// right; the structure is streamed because the largest figures have hundreds of
// thousands of faces and a whole document tree would cost hundreds of megabytes.
void JsonValue(std::ostream& out, const nlohmann::json& value) {
    out << value.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

}  // namespace

std::optional<MeshFormat> ParseMeshFormat(std::string_view name) {
    if (name == "json") return MeshFormat::Json;
    if (name == "off") return MeshFormat::Off;
    if (name == "obj") return MeshFormat::Obj;
    return std::nullopt;
}

void WriteMeshJson(std::ostream& out, const Solid& solid) {
    out << "{\"figure\":" << solid.zukei << ",\n\"nameJa\":";
    JsonValue(out, solid.nameJa);
    out << ",\n\"nameEn\":";
    JsonValue(out, solid.nameEn);
    out << ",\n\"patternCount\":" << solid.patternCount
        << ",\n\"fractalDepthMax\":" << static_cast<int>(solid.fractalDepthMax) << ",\n\"fractalRatio\":";
    JsonValue(out, solid.fractalRatio);

    out << ",\n\"vertices\":[";
    for (size_t i = 0; i < solid.vertices.size(); ++i) {
        const Vec3& v = solid.vertices[i];
        out << (i ? ",\n[" : "\n[");
        JsonValue(out, v.x);
        out << ',';
        JsonValue(out, v.y);
        out << ',';
        JsonValue(out, v.z);
        out << ']';
    }

    out << "],\n\"faces\":[";
    for (size_t f = 0; f < solid.faces.size(); ++f) {
        const Face& face = solid.faces[f];
        out << (f ? ",\n" : "\n") << "{\"polygons\":[";
        for (int32_t p = 0; p < face.polygonCount; ++p) {
            out << (p ? ",[" : "[");
            const auto corners = Polygon(face, p);
            for (size_t c = 0; c < corners.size(); ++c) out << (c ? "," : "") << corners[c];
            out << ']';
        }
        out << "],\"starStep\":" << face.starStep << ",\"colours\":[";
        for (size_t s = 0; s < face.colours.size(); ++s) out << (s ? "," : "") << face.colours[s];
        out << "]}";
    }

    out << "],\n\"segments\":[";
    for (size_t s = 0; s < solid.segments.size(); ++s) {
        out << (s ? ",\n[" : "\n[") << solid.segments[s].a << ',' << solid.segments[s].b << ']';
    }
    out << "]}\n";
}

void WriteMeshOff(std::ostream& out, const Solid& solid) {
    // Segments are two-vertex faces, as polyhedron tools read edges from OFF.
    out << "OFF\n"
        << solid.vertices.size() << ' ' << PolygonLineCount(solid) + static_cast<int64_t>(solid.segments.size())
        << " 0\n";
    for (const Vec3& v : solid.vertices) WriteVertexLine(out, "", v);
    for (const Face& face : solid.faces) {
        for (int32_t p = 0; p < face.polygonCount; ++p) {
            const auto corners = Polygon(face, p);
            out << corners.size();
            for (int32_t index : corners) out << ' ' << index;
            out << '\n';
        }
    }
    for (const Segment& s : solid.segments) out << "2 " << s.a << ' ' << s.b << '\n';
}

void WriteMeshObj(std::ostream& out, const Solid& solid) {
    out << "# Gyrosolid figure " << solid.zukei << '\n';
    if (!solid.nameJa.empty()) out << "# " << OneLine(solid.nameJa) << '\n';
    if (!solid.nameEn.empty()) out << "# " << OneLine(solid.nameEn) << '\n';
    for (const Vec3& v : solid.vertices) WriteVertexLine(out, "v ", v);
    // OBJ indices count from 1.
    for (const Face& face : solid.faces) {
        for (int32_t p = 0; p < face.polygonCount; ++p) {
            out << 'f';
            for (int32_t index : Polygon(face, p)) out << ' ' << int64_t{index} + 1;
            out << '\n';
        }
    }
    for (const Segment& s : solid.segments) out << "l " << int64_t{s.a} + 1 << ' ' << int64_t{s.b} + 1 << '\n';
}

void WriteMesh(std::ostream& out, const Solid& solid, MeshFormat format) {
    switch (format) {
        case MeshFormat::Json: WriteMeshJson(out, solid); return;
        case MeshFormat::Off: WriteMeshOff(out, solid); return;
        case MeshFormat::Obj: WriteMeshObj(out, solid); return;
    }
}

std::string MeshToString(const Solid& solid, MeshFormat format) {
    std::ostringstream out;
    WriteMesh(out, solid, format);
    return std::move(out).str();
}

Status WriteMeshFile(const std::string& path, const Solid& solid, MeshFormat format) {
    if (path.empty()) return Status::Error("no output file named");
    return WriteFileAtomically(path, MeshToString(solid, format));
}

}  // namespace gyro
