#pragma once

#include <array>
#include <cstdint>

namespace gyro {

using Matrix3 = std::array<std::array<double, 3>, 3>;

inline constexpr Matrix3 kIdentity3 = {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};

// Orientation and zoom of the view. Row r of `ax` is the view-space image of
// model axis r; view axes are 0 right, 1 up, 2 toward the viewer.
struct ViewState {
    Matrix3 ax = kIdentity3;
    double rad = 1.0;
    std::array<double, 3> nax = {0.0, 0.0, 45.0};  // arbitrary axis; its length is an angle in degrees
    double nang = 22.5;
    int8_t njim = 0;  // RETURN turns by nang instead of by |nax|
    int8_t autoroton = 0;
    int16_t autorotarg1 = 0;  // tenths of a degree, not saved
    int16_t autorotarg2 = 0;
    int16_t autorotarg1v = 30;
    int16_t autorotarg2v = 10;
};

// Turns the rows in the plane of view axes i and j; (i, j) and (j, i) turn opposite ways.
void RotateInPlane(ViewState& view, int i, int j, double degrees);
// Turns about w by |w| degrees.
void RotateByVector(ViewState& view, const std::array<double, 3>& w);
// Turns about v (any nonzero length) by `degrees`.
void RotateAboutAxis(ViewState& view, const std::array<double, 3>& v, double degrees);
void ScaleView(ViewState& view, double factor);
void ResetView(ViewState& view);
void SetAutoRotationAxes(ViewState& view);
Matrix3 OrthonormaliseRows(const Matrix3& m);

}  // namespace gyro
