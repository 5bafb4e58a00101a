#include "dialogs/light_values.h"

#include "io/settings_file.h"
#include "model/limits.h"

namespace gyro {

namespace {
EditField Field(int16_t value) { return MakeField(FormatInt(value), kLightFieldLimit); }
int16_t Read16(const EditField& field) { return WrapInt16(ReadInt(field)); }
}  // namespace

LightForm FillLightForm(const DisplaySettings& d) {
    LightForm f;
    f.lightang1 = Field(d.lightang1);
    f.lightang2 = Field(d.lightang2);
    f.lightang1v = Field(d.lightang1v);
    f.lightang2v = Field(d.lightang2v);
    f.lightdep = Field(d.lightdep);
    f.lightmax = Field(d.lightmax);
    f.lightmin = Field(d.lightmin);
    f.lightsquare = d.lightsquare != 0;
    f.lightmirror = d.lightmirror != 0;
    f.lightmove = d.lightmove != 0;
    return f;
}

void StoreLightForm(const LightForm& f, AppState& state) {
    DisplaySettings& d = state.display;
    d.lightang1 = Read16(f.lightang1);
    d.lightang2 = Read16(f.lightang2);
    d.lightang1v = Read16(f.lightang1v);
    d.lightang2v = Read16(f.lightang2v);
    d.lightdep = Read16(f.lightdep);
    d.lightmax = Read16(f.lightmax);
    d.lightmin = Read16(f.lightmin);
    d.lightsquare = f.lightsquare ? 1 : 0;
    d.lightmirror = f.lightmirror ? 1 : 0;
    d.lightmove = f.lightmove ? 1 : 0;
    ValidateSettings(state);
}

}  // namespace gyro
