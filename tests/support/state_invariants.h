#pragma once

// What must hold of the whole application state after anything a user can do:
// the monkey test checks it after every event. No Qt in here.

#include <string>

#include "state/app_state.h"

namespace gyro::test {

// The first broken invariant, or an empty string when all hold:
// - the colour pattern and the fractal depth within the figure's;
// - every face corner and segment end a vertex of the mesh;
// - the back buffer, when there is one, exactly viewx x viewy pixels;
// - a finite orientation, axis and angle, and a finite positive zoom;
// - the settings saved, loaded into a fresh state and saved again give the
//   same text, so every saved field is within the range the loader keeps.
// `checkMesh` false leaves out the walk over the faces (it is the one part
// that grows with the figure).
std::string StateInvariantViolation(const AppState& state, bool checkMesh = true);

}  // namespace gyro::test
