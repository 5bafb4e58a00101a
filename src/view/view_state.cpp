#include "view/view_state.h"

#include <cmath>

namespace gyro {

namespace {

const double kPi = std::acos(-1.0);

bool AllFinite(const std::array<double, 3>& v) {
    return std::isfinite(v[0]) && std::isfinite(v[1]) && std::isfinite(v[2]);
}

}  // namespace

void RotateInPlane(ViewState& view, int i, int j, double degrees) {
    // A non-finite angle would poison the matrix for good; ignore it.
    if (!std::isfinite(degrees) || i < 0 || i > 2 || j < 0 || j > 2 || i == j) return;
    const double theta = degrees * kPi / 180.0;
    const double c = std::cos(theta);
    const double s = std::sin(theta);
    for (auto& row : view.ax) {
        const double a = row[i];
        const double b = row[j];
        row[i] = a * c - b * s;
        row[j] = a * s + b * c;
    }
}

void RotateByVector(ViewState& view, const std::array<double, 3>& w) {
    if (!AllFinite(w)) return;
    const double t = w[0] * w[0] + w[1] * w[1] + w[2] * w[2];
    if (t == 0.0 || !std::isfinite(t)) return;
    const double len = std::sqrt(t);
    const double theta = len * kPi / 180.0;
    const double c = std::cos(theta);
    const double s = std::sin(theta);
    for (auto& row : view.ax) {
        const std::array<double, 3> a = row;
        for (int k = 0; k < 3; ++k) {
            const int j = (k + 1) % 3;
            const int l = (k + 2) % 3;
            row[k] = c * ((w[j] * w[j] + w[l] * w[l]) * a[k] - (a[j] * w[j] + a[l] * w[l]) * w[k]) / t +
                     (a[k] * w[k] + a[j] * w[j] + a[l] * w[l]) * w[k] / t +
                     s * (w[j] * a[l] - a[j] * w[l]) / len;
        }
    }
}

void RotateAboutAxis(ViewState& view, const std::array<double, 3>& v, double degrees) {
    if (!AllFinite(v) || !std::isfinite(degrees)) return;
    const double m = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
    if (m == 0.0) return;
    RotateByVector(view, {v[0] * degrees / m, v[1] * degrees / m, v[2] * degrees / m});
}

void ScaleView(ViewState& view, double factor) { view.rad *= factor; }

void ResetView(ViewState& view) {
    view.ax = kIdentity3;
    view.rad = 1.0;
}

void SetAutoRotationAxes(ViewState& view) {
    const double alpha = view.autorotarg1 * kPi / 1800.0;
    const double beta = view.autorotarg2 * kPi / 1800.0;
    const double ca = std::cos(alpha), sa = std::sin(alpha);
    const double cb = std::cos(beta), sb = std::sin(beta);
    view.ax = {{{cb * ca, sb, cb * sa}, {-sb * ca, cb, -sb * sa}, {-sa, 0.0, ca}}};
}

Matrix3 OrthonormaliseRows(const Matrix3& m) {
    using Row = std::array<double, 3>;
    auto norm = [](const Row& r) { return std::sqrt(r[0] * r[0] + r[1] * r[1] + r[2] * r[2]); };
    auto cross = [](const Row& a, const Row& b) -> Row {
        return {a[1] * b[2] - b[1] * a[2], a[2] * b[0] - b[2] * a[0], b[1] * a[0] - a[1] * b[0]};
    };
    auto scaled = [](const Row& r, double d) -> Row { return {r[0] / d, r[1] / d, r[2] / d}; };

    Row m0 = m[0];
    const double n0 = norm(m0);
    m0 = n0 == 0.0 ? Row{1, 0, 0} : scaled(m0, n0);
    Row m2 = cross(m0, m[1]);
    const double n2 = norm(m2);
    m2 = n2 == 0.0 ? Row{0, 0, 1} : scaled(m2, n2);
    Row m1 = cross(m2, m0);
    const double n1 = norm(m1);
    m1 = n1 == 0.0 ? Row{0, 1, 0} : scaled(m1, n1);
    return {m0, m1, m2};
}

}  // namespace gyro
