#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "geometry/outer_surface.h"
#include "io/status.h"
#include "model/solid.h"

namespace gyro {

enum class PrintFormat { Stl, ThreeMf };

// "stl" or "3mf"; nullopt for anything else.
std::optional<PrintFormat> ParsePrintFormat(std::string_view name);
// By the file name's extension (.stl / .3mf, any case).
std::optional<PrintFormat> PrintFormatOfPath(std::string_view path);

inline constexpr double kDefaultPrintSizeMm = 60.0;
// The sizes the window offers: a millimetre up to a metre.
inline constexpr double kPrintSizeMinMm = 1.0;
inline constexpr double kPrintSizeMaxMm = 1000.0;

// The outer surface placed for a printer, in millimetres: the largest side of
// its box is `sizeMm`, the viewer's vertical axis (y) becomes the printer's z,
// and the solid stands on z = 0, centred over the origin.
std::vector<Vec3> PrintPoints(const OuterSurface& surface, double sizeMm);

// Binary STL: one facet per triangle, corners and normals in 32-bit floats.
std::string StlBytes(const OuterSurface& surface, double sizeMm, std::string_view name);
// 3MF in millimetres with one base material per face colour of the figure.
Status ThreeMfBytes(const OuterSurface& surface, double sizeMm, const std::string& name, std::string& bytes);

// Writes the surface to `path` (replacing it only once complete).
Status WritePrintFile(const std::string& path, const OuterSurface& surface, PrintFormat format, double sizeMm,
                      const std::string& name);

// The outer surface as a plain solid of triangles with the colours of the
// faces they came from, for the OFF, OBJ and JSON writers.
Solid OuterSurfaceAsSolid(const Solid& figure, const OuterSurface& surface);

}  // namespace gyro
