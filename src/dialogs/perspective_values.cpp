#include "dialogs/perspective_values.h"

namespace gyro {

namespace {
EditField Field(int32_t value) { return MakeField(FormatInt(value), kPerspectiveFieldLimit); }
int32_t Read32(const EditField& field) { return WrapInt32(ReadInt(field)); }
}  // namespace

PerspectiveForm FillPerspectiveForm(const DisplaySettings& d) {
    return {Field(d.persdz), Field(d.perssx), Field(d.perssy), Field(d.stereodip), Field(d.stereodist)};
}

void ResetPerspectiveForm(PerspectiveForm& f) {
    const DisplaySettings start;
    Rewrite(f.persdz, FormatInt(start.persdz));
    Rewrite(f.perssx, FormatInt(start.perssx));
    Rewrite(f.perssy, FormatInt(start.perssy));
    Rewrite(f.stereodip, FormatInt(start.stereodip));
    Rewrite(f.stereodist, FormatInt(start.stereodist));
}

void StorePerspectiveForm(const PerspectiveForm& f, DisplaySettings& d) {
    d.persdz = Read32(f.persdz);
    d.perssx = Read32(f.perssx);
    d.perssy = Read32(f.perssy);
    d.stereodip = Read32(f.stereodip);
    d.stereodist = Read32(f.stereodist);
}

}  // namespace gyro
