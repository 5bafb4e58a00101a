// Pyramids, prisms, bipyramids, antiprisms, anti-bipyramids, their crossed,
// truncated and augmented variants, and the flat polygon: every figure is one
// or more rings of points about the y axis over a base polygon {n/k}, shaped
// by the con... parameters and coloured along the hue circle.

#include <algorithm>
#include <cmath>
#include <numbers>

#include "catalog/build_kit.h"
#include "catalog/catalogue.h"
#include "families/families.h"
#include "model/colour.h"
#include "model/solid_ops.h"

namespace gyro {

namespace {

constexpr double kPi = std::numbers::pi;
// Anything beyond this is no drawable figure but a formula near its pole.
constexpr double kMaxCoordinate = 1e9;

enum class Shape { Pyramid, Prism, Bipyramid, Antiprism, AntiBipyramid, Polygon };

struct FigureKind {
    Shape shape;
    int archimedean;  // 1: always corrected; 0: never; -1: as conarchi says
    bool crossed;     // the second ring turned by a further half turn
};

FigureKind KindOf(ShapeId figure) {
    switch (figure) {
        case 400: case 401: return {Shape::Pyramid, 0, false};
        case 402: return {Shape::Prism, -1, false};
        case 403: return {Shape::Prism, 1, false};
        case 404: return {Shape::Bipyramid, -1, false};
        case 405: return {Shape::Bipyramid, 1, false};
        case 406: return {Shape::Antiprism, -1, false};
        case 407: return {Shape::Antiprism, 1, false};
        case 408: return {Shape::Antiprism, -1, true};
        case 409: return {Shape::Antiprism, 1, true};
        case 410: return {Shape::AntiBipyramid, -1, false};
        case 411: return {Shape::AntiBipyramid, 1, false};
        case 412: return {Shape::AntiBipyramid, -1, true};
        case 413: return {Shape::AntiBipyramid, 1, true};
        case 414: return {Shape::Polygon, 0, false};
        case 417: return {Shape::Antiprism, 0, false};
        default: return {Shape::AntiBipyramid, 0, false};  // 418
    }
}

int32_t Mod(int64_t a, int32_t m) { return static_cast<int32_t>(((a % m) + m) % m); }

// The quantities every figure of the family starts from.
struct Ring {
    const BuildParams& p;
    ShapeId figure;
    int32_t n;      // corners of the base
    int32_t k;      // step of the star base {n/k}
    double phi;     // k pi / n
    double gamma;   // cos phi
    double kappa;   // size standard
    bool A;         // Archimedean correction
    bool E;         // edge-tangent correction
    double sigma;   // -1 for the crossed figures
    double rx, rz;  // ring radii
    double H;       // half-height
    double twist;   // conapm / 360 + 1: the second ring's turn, in units of k half steps

    Ring(const BuildParams& params, ShapeId fig, const FigureKind& kind)
        : p(params),
          figure(fig),
          n(params.conn),
          k(params.conpn),
          phi(kPi * params.conpn / params.conn),
          gamma(std::cos(phi)),
          kappa(params.kikaku),
          A(kind.archimedean == 1 || (kind.archimedean < 0 && params.conarchi == 1)),
          E(params.conhensez == 1),
          sigma(kind.crossed ? -1.0 : 1.0),
          twist(params.conapm / 360.0 + 1.0) {
        // The given widths are circumradii, or inradii of the base polygon.
        double q = 1.0;
        if (params.congais != 1) q = n < 3 ? 0.0 : 1.0 / std::cos(kPi / n);
        rx = params.conwx * q;
        rz = params.conzeqx == 1 ? rx : params.conwz * q;
        H = params.conyeqx == 1 ? rx : params.conh * (A ? q : 1.0);
    }

    // Hue of a side face `steps` half corner steps round the circle:
    // sikisouhz revolutions round the n faces from sikisoufq. In 64 bits, as
    // the product passes 32 bits near the ends of the 16-bit fields.
    Colour Hue(int64_t steps) const {
        const int64_t h = int64_t{p.sikisoufq} + steps * p.sikisouhz * 765 / n;
        return HueColour(static_cast<int32_t>(h % 1530));
    }
    Colour Col(int i) const { return p.palette[static_cast<size_t>(i)]; }
};

// count points of a ring about the y axis (about z with swapYZ), starting
// from -z and turning by halfStep half corner steps back and angleDeg on.
void RingPoints(std::vector<Vec3>& out, int32_t first, int32_t count, Vec3 centre, double rx, double rz,
                double halfStep, double angleDeg, bool swapYZ = false) {
    const double turn = angleDeg * kPi / 180.0;
    for (int32_t i = 0; i < count; ++i) {
        const double theta = (2.0 * i - halfStep) * kPi / count + turn;
        const double x = centre.x - std::sin(theta) * rx;
        const double zs = std::cos(theta) * rz;
        out[static_cast<size_t>(first + i)] = swapYZ ? Vec3{x, centre.z - zs, -centre.y} : Vec3{x, centre.y, centre.z - zs};
    }
}

void SetTriangle(Face& face, int32_t a, int32_t b, int32_t c) { kit::SetPolygon(face, {a, b, c}); }

void BuildPyramid(Solid& solid, const Ring& r) {
    const BuildParams& p = r.p;
    const int32_t n = r.n;
    const int32_t k = r.k;
    const double d = r.figure == 401 ? -1.0 : 1.0;
    const double t = r.E ? r.gamma : 0.0;
    const double rho = (1 - t) / (1 + t);
    const double a = std::pow(rho, (-1 - r.kappa) / 2);
    const double b = std::pow(rho, (1 - r.kappa) / 2);
    if (!kit::SizeMesh(solid, n + 1, n + 1)) return;
    solid.vertices[0] = {p.consx * (r.gamma + 1) * d, a * p.conh * d, p.consz * (r.gamma + 1) * d};
    const int32_t halfStep = Mod((r.figure == 401 ? 1 : 0) + p.conhang, 2);
    RingPoints(solid.vertices, 1, n, {-p.consx * (1 - r.gamma) * d, -b * p.conh * d, -p.consz * (1 - r.gamma) * d},
               r.rx, r.rz, halfStep, p.conarg);

    solid.patternCount = 2;
    Face& base = solid.faces[static_cast<size_t>(n)];
    SetStarFace(base, n, k, 1, static_cast<int32_t>(d));
    base.colours[0] = r.Col(1);
    base.colours[1] = r.Col(8);
    for (int32_t i = 0; i < n; ++i) {
        Face& f = solid.faces[static_cast<size_t>(i)];
        SetTriangle(f, 0, (k + i) % n + 1, i + 1);
        if (r.figure == 401) ReverseFace(f);
        f.colours[0] = r.Col(0);
        f.colours[1] = r.Hue(2 * int64_t{i} - halfStep + 1);
    }
}

void BuildPrism(Solid& solid, const Ring& r) {
    const BuildParams& p = r.p;
    const int32_t n = r.n;
    const int32_t k = r.k;
    const double s = std::sin(r.phi);
    double w = 1.0;
    double h = 1.0;
    if (r.A) {
        w = std::pow(s, 1 - r.kappa) / s;
    } else if (r.E) {
        w = std::sqrt(r.gamma);
    }
    if (r.E || r.A) {
        h = std::pow(s, 1 - r.kappa);
        if (r.A && !r.E) {
            const double norm = std::pow(std::sqrt(w * w + h * h), (r.kappa - 1) / 2);
            w *= norm;
            h *= norm;
        }
    }
    if (!kit::SizeMesh(solid, 2 * n, n + 2)) return;
    for (int j = 0; j < 2; ++j) {
        const double side = j == 0 ? 1.0 : -1.0;
        RingPoints(solid.vertices, j * n, n, {side * p.consx * h, side * r.H * h, side * p.consz * h}, w * r.rx,
                   w * r.rz, p.conhang, p.conarg);
    }

    solid.patternCount = 3;
    Face& top = solid.faces[0];
    SetStarFace(top, n, k, 0, -1);
    top.colours[0] = r.Col(1);
    top.colours[1] = r.Col(8);
    top.colours[2] = r.Col(8);
    Face& bottom = solid.faces[1];
    SetStarFace(bottom, n, k, n, +1);
    bottom.colours[0] = r.Col(1);
    bottom.colours[1] = r.Col(8);
    bottom.colours[2] = r.Col(9);
    for (int32_t l = 0; l < n; ++l) {
        Face& f = solid.faces[static_cast<size_t>(2 + l)];
        const int32_t next = (k + l) % n;
        kit::SetPolygon(f, {l, next, n + next, n + l});
        f.colours[0] = r.Col(0);
        f.colours[1] = f.colours[2] = r.Hue(2 * int64_t{l} - p.conhang + 1);
    }
}

void BuildBipyramid(Solid& solid, const Ring& r) {
    const BuildParams& p = r.p;
    const int32_t n = r.n;
    const int32_t k = r.k;
    const double s = std::sin(r.phi);
    double v = 1.0;
    double f = 1.0;
    if (n == 2 * k && (r.E || r.A)) {
        // A base of antipodal pairs has no finite correction: spread the ring
        // as wide as the window's diagonal. In doubles, as the squares pass 32 bits.
        v = std::hypot(static_cast<double>(p.viewx), static_cast<double>(p.viewy));
    } else if (r.A) {
        v = IntPower(s, static_cast<int32_t>(-r.kappa)) / r.gamma;
    } else if (r.E) {
        v = 1.0 / std::sqrt(r.gamma);
    }
    if (r.E || r.A) {
        f = std::pow(s, -1 - r.kappa);
        if (r.A && !r.E) {
            const double norm = std::pow(std::max(f, std::abs(v)), (r.kappa - 1) / 2);
            v *= norm;
            f *= norm;
        }
    }
    if (!kit::SizeMesh(solid, n + 2, 2 * n)) return;
    solid.vertices[0] = {p.consx * f, r.H * f, p.consz * f};
    solid.vertices[1] = -solid.vertices[0];
    const int32_t e = r.E ? 1 : 0;
    RingPoints(solid.vertices, 2, n, {}, v * r.rx, v * r.rz, Mod((r.E ? k : 0) + p.conhang, 2), p.conarg);
    const int32_t half = Mod(e + p.conhang, 2);

    solid.patternCount = 3;
    for (int32_t i = 0; i < n; ++i) {
        const int32_t next = (k + i) % n + 2;
        Face& upper = solid.faces[static_cast<size_t>(i)];
        SetTriangle(upper, 0, next, i + 2);
        upper.colours[0] = r.Col(0);
        upper.colours[1] = upper.colours[2] = r.Hue(int64_t{e} * n + 2 * i - half + 1);
        Face& lower = solid.faces[static_cast<size_t>(n + i)];
        SetTriangle(lower, 1, i + 2, next);
        lower.colours[0] = r.Col(3);
        lower.colours[1] = upper.colours[1];
        lower.colours[2] = r.Hue(2 * int64_t{i} + int64_t{e + 1} * n - half + 1);
    }
}

// sigma gamma / 2 + 1/2 - gamma^2: zero or less where the Archimedean form
// of an antiprism cannot exist (a crossed one over a base wider than {6/2}).
double ArchimedeanRoot(const Ring& r) { return r.sigma * r.gamma / 2 + 0.5 - r.gamma * r.gamma; }

// Half steps the second ring is turned by: k plus the twist, and a further
// half turn when crossed.
double SecondRingTurn(const Ring& r) { return (r.sigma < 0 ? r.n : 0) - r.twist * r.k; }

void BuildAntiprism(Solid& solid, const Ring& r) {
    const BuildParams& p = r.p;
    const int32_t n = r.n;
    const int32_t k = r.k;
    const bool capped = r.figure == 417;
    if (r.A && ArchimedeanRoot(r) <= 0) return;
    const double m = 1 - (1 - (1 - r.gamma) / (r.gamma + 1)) * r.gamma * r.sigma;
    if ((r.A || r.E) && m <= 0) return;
    double w = 1.0;
    double g = 1.0;
    if (r.A) w = std::pow(m, (1 - r.kappa) / 2) / std::sqrt(ArchimedeanRoot(r));
    if (r.E || r.A) {
        g = std::pow(m, (1 - r.kappa) / 2);
        if (r.A && !r.E) {
            const double norm = std::pow(std::sqrt(w * w + g * g), (r.kappa - 1) / 2);
            w *= norm;
            g *= norm;
        }
    }
    if (!kit::SizeMesh(solid, 2 * n + (capped ? 2 : 0), capped ? 4 * n : 2 * n + 2)) return;
    for (int j = 0; j < 2; ++j) {
        const double side = j == 0 ? 1.0 : -1.0;
        RingPoints(solid.vertices, j * n, n, {side * p.consx * g, side * r.H * g, side * p.consz * g}, w * r.rx,
                   w * r.rz, SecondRingTurn(r) * j + p.conhang, p.conarg);
        if (capped) solid.vertices[static_cast<size_t>(2 * n + j)] = {0, side * r.H * g * 1.5, 0};
    }

    solid.patternCount = 6;
    // The two side triangles at step m; patterns 0 to 4 as on the plain antiprism.
    const int32_t firstSide = capped ? 0 : 2;
    const int32_t secondSide = capped ? n : n + 2;
    for (int32_t i = 0; i < n; ++i) {
        const int32_t next = (i + k) % n;
        const Colour hue1 = r.Hue(2 * int64_t{i} - p.conhang + 1);
        const Colour hueA = r.Hue(int64_t{k} + 2 * i - p.conhang + 1);
        const Colour hueB = r.Hue(int64_t{k} + 2 * i + n - p.conhang + 1);
        const Colour first[5] = {r.Col(0), hue1, hue1, hue1, hue1};
        const Colour second[5] = {r.Col(3), hueA, hueB, hueA, hueB};

        Face& f1 = solid.faces[static_cast<size_t>(firstSide + i)];
        SetTriangle(f1, i, next, i + n);
        Face& f2 = solid.faces[static_cast<size_t>(secondSide + i)];
        SetTriangle(f2, next, n + next, i + n);
        if (r.sigma < 0) {
            ReverseFace(f1);
            ReverseFace(f2);
        }
        std::copy(first, first + 5, f1.colours.begin());
        std::copy(second, second + 5, f2.colours.begin());
        if (!capped) {
            f1.colours[5] = r.Col(1);
            f2.colours[5] = r.Col(0);
            continue;
        }
        f1.colours[5] = 0;
        f2.colours[5] = r.Col(1);
        Face& cap1 = solid.faces[static_cast<size_t>(2 * n + i)];
        SetTriangle(cap1, next, i, 2 * n);
        std::copy(first, first + 5, cap1.colours.begin());
        cap1.colours[5] = 0;
        Face& cap2 = solid.faces[static_cast<size_t>(3 * n + i)];
        SetTriangle(cap2, 2 * n + 1, n + i, n + next);
        std::copy(second, second + 5, cap2.colours.begin());
        cap2.colours[5] = r.Col(0);
    }
    if (capped) return;
    Face& top = solid.faces[0];
    SetStarFace(top, n, k, 0, -1);
    top.colours = {r.Col(1), r.Col(8), r.Col(8), r.Col(8), r.Col(8), r.Col(0), 0};
    Face& bottom = solid.faces[1];
    SetStarFace(bottom, n, k, n, +1);
    bottom.colours = {r.Col(1), r.Col(8), r.Col(8), r.Col(9), r.Col(9), r.Col(1), 0};
}

void BuildAntiBipyramid(Solid& solid, const Ring& r) {
    const BuildParams& p = r.p;
    const int32_t n = r.n;
    const int32_t k = r.k;
    const bool cut = r.figure == 418;
    if (r.A && ArchimedeanRoot(r) <= 0) return;
    // The kites are planar when the rings sit at h times the apex height.
    const double crossing = r.sigma < 0 ? kPi : 0.0;
    const double u = (r.twist - 2) * r.phi + crossing;
    const double v = r.twist * r.phi + crossing;
    const double h = ((1 - std::cos(u)) * std::sin(v) - (1 - std::cos(v)) * std::sin(u)) /
                     ((std::cos(u) + 1) * std::sin(v) - (std::cos(v) + 1) * std::sin(u));
    const double m = 1 - (1 - h) * r.gamma * r.sigma;
    // A power of m <= 0 has no real value, or no finite one.
    if ((r.A || r.E) && !(m > 0)) return;
    double t = 1.0;
    double o = 1.0;
    if (r.A) t = std::pow(m, (1 - r.kappa) / 2) / std::sqrt(ArchimedeanRoot(r));
    if (r.E || r.A) o = std::pow(m, (-1 - r.kappa) / 2);
    if (!r.E) {
        const double norm = std::pow(std::max(o, std::hypot(h * o, t)), (r.kappa - 1) / 2);
        o *= norm;
        t *= norm;
    }
    if (!kit::SizeMesh(solid, cut ? 4 * n : 2 * n + 2, cut ? 2 * n + 2 : 2 * n)) return;
    const int32_t e = r.E ? 1 : 0;
    const int32_t turn = Mod((r.E ? k : 0) + p.conhang, 2);
    const int32_t ring0 = cut ? 0 : 2;
    for (int j = 0; j < 2; ++j) {
        const double side = j == 0 ? 1.0 : -1.0;
        const Vec3 apex{side * p.consx * o, side * r.H * o, side * p.consz * o};
        RingPoints(solid.vertices, ring0 + j * n, n, apex * h, t * r.rx, t * r.rz, SecondRingTurn(r) * j + turn,
                   p.conarg);
        if (!cut) {
            solid.vertices[static_cast<size_t>(j)] = apex;
        } else {
            // The apex cut a third of the way down its edges.
            RingPoints(solid.vertices, (j + 2) * n, n, apex * ((h - 1) / 3 + 1), t * r.rx / 3, t * r.rz / 3,
                       turn - k * j * r.twist, p.conarg);
        }
    }

    solid.patternCount = 3;
    const int32_t half = Mod(p.conhang + e, 2);
    for (int32_t i = 0; i < n; ++i) {
        const int32_t next = (k + i) % n;
        Face& upper = solid.faces[static_cast<size_t>(i)];
        Face& lower = solid.faces[static_cast<size_t>(n + i)];
        if (!cut) {
            kit::SetPolygon(upper, {0, next + 2, i + n + 2, i + 2});
            kit::SetPolygon(lower, {1, i + n + 2, next + 2, n + next + 2});
        } else {
            kit::SetPolygon(upper, {2 * n + next, next, n + i, i, 2 * n + i});
            kit::SetPolygon(lower, {3 * n + i, n + i, next, n + next, 3 * n + next});
        }
        if (r.sigma < 0) {
            ReverseFace(upper);
            ReverseFace(lower);
        }
        upper.colours[0] = r.Col(0);
        upper.colours[1] = upper.colours[2] = r.Hue(int64_t{e} * n + 2 * i - half + 1);
        lower.colours[0] = r.Col(3);
        lower.colours[1] = r.Hue(int64_t{e} * n + 2 * i + k - half + 1);
        lower.colours[2] = r.Hue(int64_t{e + 1} * n + 2 * i + k - half + 1);
    }
    if (!cut) return;
    for (int j = 0; j < 2; ++j) {
        Face& cap = solid.faces[static_cast<size_t>(2 * n + j)];
        SetStarFace(cap, n, k, (2 + j) * n, j == 0 ? -1 : +1);
        cap.colours[0] = r.Col(1);
        cap.colours[1] = cap.colours[2] = r.Col(8);
    }
}

void BuildPolygon(Solid& solid, const Ring& r) {
    if (!kit::SizeMesh(solid, r.n, 2)) return;
    RingPoints(solid.vertices, 0, r.n, {}, r.rx, r.rz, r.p.conhang, r.p.conarg, true);
    // The same star twice, once each way, so that one side faces the viewer.
    SetStarFace(solid.faces[0], r.n, r.k, 0, -1);
    solid.faces[0].colours[0] = r.Col(0);
    SetStarFace(solid.faces[1], r.n, r.k, 0, +1);
    solid.faces[1].colours[0] = r.Col(4);
}

bool IsDrawable(const Solid& solid) {
    return std::all_of(solid.vertices.begin(), solid.vertices.end(), [](const Vec3& v) {
        return std::abs(v.x) <= kMaxCoordinate && std::abs(v.y) <= kMaxCoordinate && std::abs(v.z) <= kMaxCoordinate;
    });  // NaN fails every comparison
}

}  // namespace

bool IsPrismFamilyFigure(ShapeId figure) { return (figure >= 400 && figure <= 414) || figure == 417 || figure == 418; }

int BuildPrismFamily(Solid& solid, ShapeId figure) {
    if (!IsPrismFamilyFigure(figure)) return 0;
    WriteFigureNames(solid, figure);
    const BuildParams& p = solid.params;
    // The keys, the dialog and the settings loader keep the counts in range;
    // a base they would not allow is not built.
    if (p.conn < 2 || p.conpn < 1 || p.conpn > p.conn / 2) return 1;

    const FigureKind kind = KindOf(figure);
    const Ring ring(p, figure, kind);
    switch (kind.shape) {
        case Shape::Pyramid: BuildPyramid(solid, ring); break;
        case Shape::Prism: BuildPrism(solid, ring); break;
        case Shape::Bipyramid: BuildBipyramid(solid, ring); break;
        case Shape::Antiprism: BuildAntiprism(solid, ring); break;
        case Shape::AntiBipyramid: BuildAntiBipyramid(solid, ring); break;
        case Shape::Polygon: BuildPolygon(solid, ring); break;
    }
    if (!IsDrawable(solid)) {
        ClearMesh(solid);
        solid.patternCount = 1;
    }
    return 1;
}

}  // namespace gyro
