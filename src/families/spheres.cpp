// The latitude-longitude meshes: an ellipsoid (415), optionally super-quadric
// and optionally with flat caps instead of poles, and a torus (416).
//
// The blob tree builds thousands of small ellipsoids through BuildSphereFamily,
// so the builder writes into the arrays the solid already has: a solid rebuilt
// at the same or a smaller size allocates nothing.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "catalog/build_kit.h"
#include "families/families.h"
#include "model/colour.h"
#include "model/limits.h"
#include "model/solid_ops.h"

namespace gyro {

namespace {

constexpr Colour kWhite = 0x00FFFFFF;

// The parameters as the builder uses them. Counts and steps are brought into
// range whatever the record holds (a solid filled by code rather than by the
// keys, the dialog or the settings loader), so that no index can leave the
// arrays; switches count as 1 when they are not 0.
struct SphereShape {
    int32_t n = 2;  // corners of a ring
    int32_t k = 1;  // step of the ring polygon
    int32_t m = 2;  // corners of the whole meridian circle
    int32_t p = 1;  // step along the meridian
    int32_t caps = 0;
    int32_t halfStep = 0;
    double rx = 0.0;
    double ry = 0.0;
    double rz = 0.0;
    double pn = 1.0;  // exponent around the rings
    double pm = 1.0;  // exponent along the meridian
    bool special = false;
};

int32_t Flag(int8_t v) { return v != 0 ? 1 : 0; }

// As the settings loader reads an exponent: 0..kMaxSuperExponent, and the top for a value that is not a number.
double Exponent(double v) { return std::isnan(v) ? kMaxSuperExponent : std::clamp(v, 0.0, kMaxSuperExponent); }

SphereShape ReadShape(const BuildParams& b) {
    SphereShape s;
    s.n = std::clamp<int32_t>(b.sphn, 2, kMaxSphereCount);
    s.m = std::clamp<int32_t>(b.sphm, 2, std::max<int32_t>(2, kMaxSphereCells / s.n));
    s.k = std::clamp<int32_t>(b.sphpn, 1, s.n / 2);
    s.p = std::clamp<int32_t>(b.sphpm, 1, s.m / 2);
    s.caps = Flag(b.sphtei);
    s.halfStep = Flag(b.sphhang);
    // Radii are circumradii of the ring polygon, or inradii (a 2-gon has none).
    const double q = Flag(b.sphgais) ? 1.0 : (s.n < 3 ? 0.0 : 1.0 / CosDeg(180.0 / s.n));
    s.rx = b.sphwx * q;
    s.rz = Flag(b.sphzeqx) ? s.rx : b.sphwz * q;
    s.ry = Flag(b.sphyeqx) ? s.rx : static_cast<double>(b.sphwy);
    if (Flag(b.sphspon)) {
        s.pn = Exponent(b.sphspn);
        s.pm = Exponent(b.sphspm);
        s.special = Flag(b.sphsphg) != 0;
    }
    return s;
}

// sign(t) |t|^p; exactly t for p = 1 and 0 for t = 0.
double SignedPower(double t, double p) {
    if (p == 1.0) return t;
    if (t == 0.0) return 0.0;
    const double r = std::pow(std::fabs(t), p);
    return t < 0.0 ? -r : r;
}

// A point of the meridian profile at the given angle from the top: zeta is
// its height, u its distance from the axis, both in units of the radii. The
// trigonometry is exact at multiples of 90 degrees, so that the poles and the
// equator stay on the axes even where the exponent 0 turns every value into
// its sign.
struct ProfilePoint {
    double zeta;
    double u;
};

ProfilePoint Profile(double degrees, double p, bool special) {
    if (!special) return {SignedPower(CosDeg(degrees), p), SignedPower(SinDeg(degrees), p)};
    // The profile turned by 45 degrees.
    const double c = SignedPower(CosDeg(degrees - 45.0), p);
    const double s = SignedPower(SinDeg(degrees - 45.0), p);
    const double root2 = std::sqrt(2.0);
    return {(c - s) / root2, (c + s) / root2};
}

// Positions on the hue circle can grow beyond 32 bits with large hue settings.
Colour Hue(int64_t h) { return HueColour(static_cast<int32_t>(h % 1530)); }

void SetColours(Face& face, Colour c0, Colour c1, Colour c2, Colour c3 = kWhite, Colour c4 = 0) {
    face.colours = {c0, c1, c2, c3, c4, 0, 0};
}

void SetTriangle(Face& face, int32_t a, int32_t b, int32_t c) {
    if (!SetFacePolygon(face, 3)) return;
    face.corners[0] = a;
    face.corners[1] = b;
    face.corners[2] = c;
    face.starStep = 1;
}

void SetQuad(Face& face, int32_t a, int32_t b, int32_t c, int32_t d) {
    if (!SetFacePolygon(face, 4)) return;
    face.corners[0] = a;
    face.corners[1] = b;
    face.corners[2] = c;
    face.corners[3] = d;
    face.starStep = 1;
}

void BuildEllipsoid(Solid& solid, const SphereShape& s) {
    const BuildParams& b = solid.params;
    const int32_t n = s.n;
    const int32_t m = s.m;
    const int32_t t = s.caps;
    const int32_t k = s.k;
    const int32_t p = s.p;
    const int32_t rings = (m - 1) / 2;  // full rings besides the poles and caps
    const int32_t ends = m % 2 == 0 ? (t ? n : 2) : 1;
    const int32_t faceEnds = m % 2 == 0 ? (t ? 2 : n) : 1;
    if (!kit::SizeMesh(solid, ends + n * rings, faceEnds + n * rings)) return;

    // Rings, from the top. Without caps the rings sit at multiples of the
    // meridian step from the top pole; with caps they are offset by half a step.
    const int32_t bottomPole = (m - 1 + t) / 2;  // index of the bottom pole, when it is reached
    const int32_t bottomStart = n * rings + (m - 1) % 2;
    const int32_t ringEnd = ((m + t) % 2 == 0 ? 1 : 0) + (m - 1 + t) / 2;
    const int32_t base = t ? 1 - (p - 1) * (m / 2) * 2 : 0;
    const double arg = b.spharg;
    for (int32_t j = -1 + t; j < ringEnd; ++j) {
        double degrees = 180.0;
        if (j == -1) {
            degrees = 0.0;
        } else if (j != bottomPole) {
            degrees = (base + 2.0 * p * (j + 1 - t)) * 180.0 / m;
        }
        const ProfilePoint pr = Profile(degrees, s.pm, s.special);
        const double cx = b.sphsx * pr.zeta + std::trunc(b.sphtx * pr.u) - b.sphtx / 2;
        const double cy = pr.zeta * s.ry;
        const double cz = b.sphsz * pr.zeta + std::trunc(b.sphtz * pr.u) - b.sphtz / 2;
        const bool pole = j == -1 || j == bottomPole;
        const int32_t count = pole ? 1 : n;
        const int32_t first = j == -1 ? 0 : (j == bottomPole ? bottomStart : (1 - t) + j * n);
        for (int32_t i = 0; i < count; ++i) {
            const double theta = (2.0 * i - s.halfStep) * 180.0 / count + arg;
            solid.vertices[first + i] = {cx + pr.u * s.rx * SignedPower(SinDeg(theta), s.pn), cy,
                                         cz - pr.u * s.rz * SignedPower(CosDeg(theta), s.pn)};
        }
    }

    const std::array<Colour, kPaletteSize>& col = b.palette;
    const int64_t hz = b.sikisouhz;
    const int64_t fq = b.sikisoufq;
    const int64_t rt = b.sikisourt;
    const int64_t vortex = std::abs(rt);
    if (t) {
        Face& top = solid.faces[0];
        SetStarFace(top, n, k, 0, +1);
        SetColours(top, col[0], kWhite, Hue(fq));
    }
    if ((m + t) % 2 == 1) {
        Face& bottom = solid.faces[static_cast<size_t>(n * rings + (m - 1) % 2)];
        SetStarFace(bottom, n, k, ends + n * (rings - 1), -1);
        SetColours(bottom, col[3], kWhite, Hue(hz * 1530 + fq));
    }

    // Bands between neighbouring rings; the first and last are fans about the
    // poles when there are poles.
    const int32_t r0 = t ? n : 1;
    const int32_t bands = (m - t) / 2;
    const bool bottomIsPole = (m + t) % 2 == 0;
    const int32_t equator = (m % 2 != 0) + (m / 2) * 2 + (1 - t) * 2 - 2;
    for (int32_t band = 0; band < bands; ++band) {
        const Colour half = 4 * band + 2 < equator ? col[0] : (4 * band + 2 > equator ? col[3] : col[4]);
        const int64_t w = rt < 0 ? m / 2 - band : band;
        const Colour bandHue = Hue(fq + hz * (2 * band - (1 - t) + 2) * 1530 / m);
        const int32_t upper = r0 + (band - 1) * n;  // first vertex of the ring above the band
        const int32_t lower = r0 + band * n;
        for (int32_t i = 0; i < n; ++i) {
            Face& face = solid.faces[static_cast<size_t>(t + i + band * n)];
            const int32_t ik = (i + k) % n;
            if (band == 0 && t == 0) {
                if (m == 2) {
                    // No rings: the two poles make a line.
                    if (SetFacePolygon(face, 2)) {
                        face.corners[0] = 0;
                        face.corners[1] = 1;
                        face.starStep = 1;
                    }
                } else {
                    SetTriangle(face, 0, i + 1, ik + 1);
                }
            } else if (band == bands - 1 && bottomIsPole) {
                SetTriangle(face, r0 + n * (m / 2 - 1), upper + ik, upper + i);
            } else {
                SetQuad(face, upper + i, lower + i, lower + ik, upper + ik);
            }
            SetColours(face, half, Hue(fq + hz * (i + w * vortex) * 1530 / n), bandHue);
        }
    }
    solid.patternCount = 3;
}

void BuildTorus(Solid& solid, const SphereShape& s) {
    const BuildParams& b = solid.params;
    const int32_t n = s.n;
    const int32_t m = s.m;
    const int32_t t = s.caps;  // here: the tube rings are shifted by half a step
    const int32_t k = s.k;
    const int32_t p = s.p;
    if (!kit::SizeMesh(solid, n * m, n * m)) return;

    // The ring polygon {n/k} has its edges, not its corners, on the radii.
    const double f = n == 2 * k ? 1.0 : 1.0 / CosDeg(k * 180.0 / n);
    for (int32_t j = 0; j < m; ++j) {
        const ProfilePoint pr = Profile((t + 2.0 * j) * 180.0 / m, s.pm, s.special);
        const double au = std::fabs(pr.u);
        const double reachX = b.sphtwx * f * pr.u + s.rx;
        const double reachZ = b.sphtwz * f * pr.u + s.rz;
        for (int32_t i = 0; i < n; ++i) {
            const double theta = (s.halfStep + 2.0 * i) * 180.0 / n + b.spharg;
            solid.vertices[i + j * n] = {
                b.sphtx * au - reachX * SignedPower(SinDeg(theta), s.pn) + b.sphsx * pr.zeta,
                pr.zeta * s.ry,
                reachZ * SignedPower(CosDeg(theta), s.pn) + b.sphtz * au + b.sphsz * pr.zeta,
            };
        }
    }

    const std::array<Colour, kPaletteSize>& col = b.palette;
    const int64_t hz = b.sikisouhz;
    const int64_t fq = b.sikisoufq;
    const int64_t rt = b.sikisourt;
    const int64_t vortex = std::abs(rt);
    for (int32_t j = 0; j < m; ++j) {
        const int32_t next = (j + p) % m;
        // e climbs from the top of the tube's outside to its bottom and back.
        int64_t e = 4 * j - 2 * (1 - t) + 4;
        if (e > 2 * m) e = int64_t{m - j} * 4 + 2 * (1 - t) - 4;
        const Colour half = e < m ? col[0] : (e > m ? col[3] : col[4]);
        const Colour bandHue = Hue(e * hz * 765 / m + fq);
        const int32_t g = 2 * j - (1 - t) + 2;
        const Colour side = g < m ? col[0] : (g > m && g < 2 * m ? col[3] : col[4]);
        const int64_t w = rt < 0 ? m - j : j;
        const int64_t turn = (rt < 0 ? 4 * int64_t{m} - e : e) * vortex;
        for (int32_t i = 0; i < n; ++i) {
            Face& face = solid.faces[static_cast<size_t>(i + j * n)];
            const int32_t ik = (i + k) % n;
            SetQuad(face, i + j * n, i + next * n, ik + next * n, ik + j * n);
            SetColours(face, half, Hue(fq + (turn + 4 * i) * hz * 765 / n / 2), bandHue, side,
                       Hue(w * vortex * 1530 / m + i * hz * 1530 / n + fq));
        }
    }
    solid.patternCount = 5;
}

}  // namespace

int BuildSphereFamily(Solid& solid, ShapeId figure) {
    if (figure != 415 && figure != 416) return 0;
    const SphereShape s = ReadShape(solid.params);
    solid.zukei = figure;
    solid.fractalDepthMax = 0;
    solid.patternCount = 1;
    if (figure == 415) {
        BuildEllipsoid(solid, s);
    } else {
        BuildTorus(solid, s);
    }
    const bool superquadric = Flag(solid.params.sphspon) && !(s.pn == 1.0 && s.pm == 1.0);
    if (figure == 415) {
        SetName(solid.nameJa, superquadric ? "超二次楕円体状" : "球状");
    } else {
        SetName(solid.nameJa, superquadric ? "超二次トーラス状" : "トーラス状");
    }
    solid.nameEn.clear();
    return 1;
}

}  // namespace gyro
