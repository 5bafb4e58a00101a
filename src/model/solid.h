#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/vec3.h"

namespace gyro {

// Colours are 0x00BBGGRR: red in the low byte, the top byte 0.
using Colour = uint32_t;
// Signed 16-bit figure number (settings key `zukei`).
using ShapeId = int16_t;

inline constexpr int kPaletteSize = 10;
inline constexpr int kColourSlots = 7;      // one per intrinsic colour pattern
inline constexpr int kMaxNameBytes = 199;   // names hold at most 199 bytes (200 with the terminator)

inline constexpr std::array<Colour, kPaletteSize> kDefaultPalette = {
    0x0000FFFF, 0x00FF0000, 0x000000FF, 0x0000A000, 0x00FF0080,
    0x000060FF, 0x00FFFF00, 0x008020FF, 0x00FFFFFF, 0x00000000,
};

// Everything a builder reads. Copied wholesale into temporary solids so that
// compounds and generated figures are built with the parameters on show. The
// field names are the settings file's keys: "con" fields belong to the pyramid
// and prism family, "sph" fields to the sphere and torus family, "sikisou" is hue.
// Flags are 0 or 1; lengths are model units (the reference size is 800).
struct BuildParams {
    int8_t kikaku = -1;       // size standard: -1 inscribed, 0 midsphere, 1 circumscribed
    int32_t baseSizeA = 800;  // reference sizes builders scale from; never changed after start
    int32_t baseSizeB = 800;
    int32_t baseSizeC = 800;

    // Pyramid / prism family.
    int16_t conn = 3;         // corners of the base polygon, 2..kMaxCorners
    int16_t conpn = 1;        // step of the base star polygon, 1..conn/2
    int32_t conh = 800;       // half-height
    int32_t conwx = 600;      // ring radius along x
    int32_t conwz = 600;      // ring radius along z
    int32_t consx = 0;        // shear of the top against the bottom along x
    int32_t consz = 0;        // shear of the top against the bottom along z
    int16_t conarg = 0;       // base angle, degrees
    int8_t conhang = 1;       // flag: turn the ring by half a step
    int8_t conzeqx = 1;       // flag: the z radius follows the x radius
    int8_t conyeqx = 0;       // flag: the half-height follows the x radius
    int8_t congais = 1;       // flag: radii are circumradii of the ring (0: inradii)
    int8_t conhensez = 0;     // flag: edge-tangent correction
    int8_t conarchi = 0;      // flag: Archimedean correction
    int16_t conapm = 0;       // twist of the antiprisms, degrees, -360..360

    // Spherical and torus family.
    int16_t sphn = 16;        // corners of each latitude ring
    int16_t sphpn = 1;        // step of the ring polygon, 1..sphn/2
    int16_t sphm = 16;        // corners of the whole meridian circle
    int16_t sphpm = 1;        // step along the meridian, 1..sphm/2
    int32_t sphwx = 800;      // radius along x
    int32_t sphwy = 800;      // radius along y
    int32_t sphwz = 800;      // radius along z
    int32_t sphsx = 0;        // shear along x, times the cosine of the latitude
    int32_t sphsz = 0;        // shear along z, times the cosine of the latitude
    int32_t sphtx = 0;        // bulge along x, times the sine of the latitude
    int32_t sphtz = 0;        // bulge along z, times the sine of the latitude
    int32_t sphtwx = 200;     // tube radius of the torus along x
    int32_t sphtwz = 200;     // tube radius of the torus along z
    int16_t spharg = 0;       // rotation of the rings, degrees
    int8_t sphhang = 1;       // flag: turn the rings by half a step
    int8_t sphzeqx = 0;       // flag: the z radius follows the x radius
    int8_t sphyeqx = 0;       // flag: the y radius follows the x radius
    int8_t sphgais = 1;       // flag: radii are circumradii of the ring (0: inradii)
    int8_t sphtei = 0;        // flag: flat caps instead of poles (torus: tube rings half a step apart)
    double sphspn = 1.0;      // super-quadric exponent around the rings, 0..kMaxSuperExponent
    double sphspm = 1.0;      // super-quadric exponent along the meridian, 0..kMaxSuperExponent
    int8_t sphspon = 1;       // flag: super-quadric shaping on
    int8_t sphsphg = 0;       // flag: the special super-quadric shape

    // Drawing area in pixels; kept here so that it is saved with the parameters.
    int32_t viewx = 256;      // width, kMinViewSide..kMaxViewSide
    int32_t viewy = 256;      // height, kMinViewSide..kMaxViewSide

    std::array<Colour, kPaletteSize> palette = kDefaultPalette;  // col[0]..col[9]
    int16_t sikisouhz = 1;  // hue revolutions around the vertical axis
    int16_t sikisoufq = 0;  // starting hue, 0..1529
    int16_t sikisourt = 1;  // hue shift from top to bottom (the swirl of the spherical family)

    bool operator==(const BuildParams&) const = default;
};

struct Segment {
    int32_t a = 0;
    int32_t b = 0;
};

// One face: polygonCount polygons of polygonSize corners each, stored one after
// another in `corners`. More than one polygon makes a compound star face such as
// {6/2}, whose polygons are filled together as one shape. Every polygon of a face
// has the same corner count, so one size stands for the whole face.
struct Face {
    std::vector<int32_t> corners;
    int32_t polygonSize = 0;
    int32_t polygonCount = 0;
    std::array<Colour, kColourSlots> colours{};
    int16_t starStep = 1;
};

inline int32_t TotalCorners(const Face& face) {
    return face.polygonCount > 0 ? face.polygonCount * face.polygonSize : 0;
}

struct Solid {
    BuildParams params;
    ShapeId zukei = 5;
    std::string nameJa;  // UTF-8, at most kMaxNameBytes bytes
    std::string nameEn;  // ASCII, at most kMaxNameBytes bytes
    std::vector<Vec3> vertices;
    std::vector<Segment> segments;
    std::vector<Face> faces;
    int16_t patternCount = 1;     // intrinsic colour patterns the faces carry, 1..7
    int8_t fractalDepthMax = 0;   // 0: ordinary figure
    double fractalRatio = 0.0;    // scale of each child copy of a fractal figure
    int32_t fractalTopIndex = 0;  // written by the renderer while it draws a fractal
    // Set by the dispatcher after a build (IsConvexSolid): a convex solid wound
    // outwards, which the stored-order drawing already shows exactly.
    bool convex = false;
    bool closed = false;  // IsClosedOriented, likewise: from outside only front faces can show
    uint32_t buildCount = 0;      // counts builds, so that views of the mesh know when it changed

    int32_t vertexCount() const { return static_cast<int32_t>(vertices.size()); }
    int32_t segmentCount() const { return static_cast<int32_t>(segments.size()); }
    int32_t faceCount() const { return static_cast<int32_t>(faces.size()); }
};

// Stores a display name, cut to kMaxNameBytes bytes without splitting a UTF-8 character.
void SetName(std::string& name, std::string_view text);

}  // namespace gyro
