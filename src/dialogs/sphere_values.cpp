#include "dialogs/sphere_values.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "model/limits.h"

namespace gyro {

namespace {

EditField Field(int64_t value) { return MakeField(FormatInt(value), kSphereFieldLimit); }

// The exponent in thousandths. A value the keys have stepped by hundredths
// (0.99 is 989.99999... thousandths) shows as the whole number it stands for,
// not one below it.
std::string ExponentText(double v) {
    if (std::isnan(v)) v = kMaxSuperExponent;
    const double t = std::clamp(v, -kMaxSuperExponent, kMaxSuperExponent) * 1000.0;
    const double nearest = std::round(t);
    return FormatInt(static_cast<int64_t>(std::abs(t - nearest) < 1e-6 ? nearest : std::trunc(t)));
}

double ReadExponent(const EditField& field, const std::string& shown, double opened) {
    if (field.text == shown) return opened;
    // Text that is not a finite number reads as 0.
    return std::clamp(ReadDouble(field) / 1000.0, 0.0, kMaxSuperExponent);
}

// n × m without overflow, however long the typed numbers.
int64_t CellProduct(int64_t n, int64_t m) {
    constexpr int64_t kBig = std::numeric_limits<int64_t>::max();
    if (n == 0 || m == 0) return 0;
    if (std::abs(n) > kBig / std::abs(m)) return (n < 0) == (m < 0) ? kBig : -kBig;
    return n * m;
}

int8_t Flag(bool b) { return b ? 1 : 0; }

}  // namespace

SphereForm FillSphereForm(const BuildParams& p, ShapeId zukei) {
    SphereForm form;
    form.sphn = Field(p.sphn);
    form.sphpn = Field(p.sphpn);
    form.sphm = Field(p.sphm);
    form.sphpm = Field(p.sphpm);
    form.sphwx = Field(p.sphwx);
    form.sphwy = Field(p.sphwy);
    form.sphwz = Field(p.sphwz);
    form.spharg = Field(p.spharg);
    form.sphsx = Field(p.sphsx);
    form.sphsz = Field(p.sphsz);
    form.sphtx = Field(p.sphtx);
    form.sphtz = Field(p.sphtz);
    form.shownSpn = ExponentText(p.sphspn);
    form.shownSpm = ExponentText(p.sphspm);
    form.sphspn = MakeField(form.shownSpn, kSphereExponentFieldLimit);
    form.sphspm = MakeField(form.shownSpm, kSphereExponentFieldLimit);
    form.openedSpn = p.sphspn;
    form.openedSpm = p.sphspm;
    form.sphtwx = Field(p.sphtwx);
    form.sphtwz = Field(p.sphtwz);
    form.sphhang = p.sphhang != 0;
    form.sphtei = p.sphtei != 0;
    form.sphgais = p.sphgais != 0;
    form.torus = zukei == 416;
    form.sphzeqx = p.sphzeqx != 0;
    form.sphyeqx = p.sphyeqx != 0;
    form.sphspon = p.sphspon != 0;
    form.sphsphg = p.sphsphg != 0;
    return form;
}

std::string SphereCellsText(const EditField& sphn, const EditField& sphm) {
    return FormatInt(CellProduct(ReadInt(sphn), ReadInt(sphm)));
}

SphereCheck CheckSphereForm(SphereForm& form, SphereFocus* focus) {
    const int64_t n = ReadInt(form.sphn);
    const int64_t kn = ReadInt(form.sphpn);
    const int64_t m = ReadInt(form.sphm);
    const int64_t km = ReadInt(form.sphpm);
    const bool nRaised = n < 2;
    const bool mRaised = m < 2;
    if (nRaised) Rewrite(form.sphn, "2");
    if (mRaised) Rewrite(form.sphm, "2");
    bool knCorrected = false;
    bool kmCorrected = false;
    if (kn > n / 2) {
        Rewrite(form.sphpn, FormatInt(n / 2));
        knCorrected = true;
    } else if (kn < 1) {
        Rewrite(form.sphpn, "1");
        knCorrected = true;
    }
    if (km > m / 2) {
        Rewrite(form.sphpm, FormatInt(m / 2));
        kmCorrected = true;
    } else if (km < 1) {
        Rewrite(form.sphpm, "1");
        kmCorrected = true;
    }
    // A step's range follows its count as it will stand after this press.
    const auto stepRange = [](int64_t count) {
        return FieldRange{1, static_cast<double>(std::clamp<int64_t>(count, 2, kMaxSphereCells / 2) / 2)};
    };
    const auto look = [focus](const char* field, FieldRange range) {
        if (focus) *focus = {field, range};
    };
    if (n > 0 && CellProduct(n, m) > kMaxSphereCells) {
        // The counts go back as read (normalised text), except one just raised to 2.
        if (!nRaised) Rewrite(form.sphn, FormatInt(n));
        if (!mRaised) Rewrite(form.sphm, FormatInt(m));
        look(m > n ? "sphm" : "sphn", kSphereCountRange);  // the larger count is the one to lower
        return SphereCheck::TooManyCells;
    }
    if (nRaised) {
        look("sphn", kSphereCountRange);
    } else if (knCorrected) {
        look("sphpn", stepRange(n));
    } else if (mRaised) {
        look("sphm", kSphereCountRange);
    } else if (kmCorrected) {
        look("sphpm", stepRange(m));
    } else {
        return SphereCheck::Accept;
    }
    return SphereCheck::Corrected;
}

void StoreSphereForm(const SphereForm& form, BuildParams& p, ShapeId& zukei) {
    // Accepted counts lie within 2 .. 8192 and their steps within 1 .. count/2.
    p.sphn = WrapInt16(ReadInt(form.sphn));
    p.sphpn = WrapInt16(ReadInt(form.sphpn));
    p.sphm = WrapInt16(ReadInt(form.sphm));
    p.sphpm = WrapInt16(ReadInt(form.sphpm));
    p.sphwx = WrapInt32(ReadInt(form.sphwx));
    p.sphwy = WrapInt32(ReadInt(form.sphwy));
    p.sphwz = WrapInt32(ReadInt(form.sphwz));
    p.spharg = WrapInt16(ReadInt(form.spharg) % 360);  // the remainder keeps the sign
    p.sphsx = WrapInt32(ReadInt(form.sphsx));
    p.sphsz = WrapInt32(ReadInt(form.sphsz));
    p.sphtx = WrapInt32(ReadInt(form.sphtx));
    p.sphtz = WrapInt32(ReadInt(form.sphtz));
    p.sphspn = ReadExponent(form.sphspn, form.shownSpn, form.openedSpn);
    p.sphspm = ReadExponent(form.sphspm, form.shownSpm, form.openedSpm);
    p.sphtwx = WrapInt32(ReadInt(form.sphtwx));
    p.sphtwz = WrapInt32(ReadInt(form.sphtwz));
    p.sphhang = Flag(form.sphhang);
    p.sphtei = Flag(form.sphtei);
    p.sphgais = Flag(form.sphgais);
    p.sphzeqx = Flag(form.sphzeqx);
    p.sphyeqx = Flag(form.sphyeqx);
    p.sphspon = Flag(form.sphspon);
    p.sphsphg = Flag(form.sphsphg);
    zukei = form.torus ? 416 : 415;
}

}  // namespace gyro
