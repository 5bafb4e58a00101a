#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

#include "io/status.h"
#include "model/solid.h"

namespace gyro {

enum class MeshFormat { Json, Off, Obj };

// "json", "off" or "obj"; nullopt for anything else.
std::optional<MeshFormat> ParseMeshFormat(std::string_view name);

// The built solid as it stands: vertices, faces (one polygon per face line in
// OFF and OBJ, so a compound star face of k polygons gives k lines) and
// segments. OFF writes segments as two-vertex faces, OBJ as `l` lines.
// Coordinates keep full double precision.
void WriteMeshJson(std::ostream& out, const Solid& solid);
void WriteMeshOff(std::ostream& out, const Solid& solid);
void WriteMeshObj(std::ostream& out, const Solid& solid);
void WriteMesh(std::ostream& out, const Solid& solid, MeshFormat format);
std::string MeshToString(const Solid& solid, MeshFormat format);

// Writes the mesh to `path` through a temporary file beside it that replaces
// the target only once it is complete: a failed write leaves no partial file
// and keeps whatever was at `path` before.
Status WriteMeshFile(const std::string& path, const Solid& solid, MeshFormat format);

}  // namespace gyro
