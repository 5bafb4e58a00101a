#include "dialogs/size_direction_values.h"

#include <algorithm>
#include <cmath>

#include "model/limits.h"

namespace gyro {

namespace {
// The size field shows at most 10000.
constexpr double kShownSizeCap = 10000.0;

Matrix3 ReadMatrix(const SizeDirectionForm& f) {
    Matrix3 m{};
    for (size_t r = 0; r < 3; ++r) {
        for (size_t k = 0; k < 3; ++k) m[r][k] = ReadDouble(f.ax[r][k]);
    }
    return m;
}

// Rows far from unit length are scaled toward it first (their direction is all
// that counts), so that squaring their entries neither overflows nor vanishes.
Matrix3 Rescaled(Matrix3 m) {
    for (auto& row : m) {
        const double largest = std::max({std::fabs(row[0]), std::fabs(row[1]), std::fabs(row[2])});
        if (largest == 0.0 || (largest > 1e-100 && largest < 1e100)) continue;
        for (double& v : row) v /= largest;
    }
    return m;
}
}  // namespace

SizeDirectionForm FillSizeDirectionForm(const ViewState& view) {
    SizeDirectionForm f;
    f.rad = MakeField(FormatFixed(view.rad < kShownSizeCap ? view.rad : kShownSizeCap), kSizeDirectionFieldLimit);
    for (size_t r = 0; r < 3; ++r) {
        for (size_t k = 0; k < 3; ++k) f.ax[r][k] = MakeField(FormatFixed(view.ax[r][k]), kSizeDirectionFieldLimit);
    }
    return f;
}

void NormaliseSizeDirectionForm(SizeDirectionForm& f) {
    const Matrix3 m = OrthonormaliseRows(Rescaled(ReadMatrix(f)));
    for (size_t r = 0; r < 3; ++r) {
        for (size_t k = 0; k < 3; ++k) Rewrite(f.ax[r][k], FormatFixed(m[r][k]));
    }
}

void StoreSizeDirectionForm(const SizeDirectionForm& f, ViewState& view) {
    // Typed values such as 1e300 are kept within what a settings file saves and
    // loads back unchanged.
    const double rad = ReadDouble(f.rad);
    view.rad = rad > 0.0 ? std::min(rad, kMaxSavedMagnitude) : 1.0;
    view.ax = ReadMatrix(f);
    for (auto& row : view.ax) {
        for (double& v : row) v = std::clamp(v, -kMaxSavedMagnitude, kMaxSavedMagnitude);
    }
}

}  // namespace gyro
