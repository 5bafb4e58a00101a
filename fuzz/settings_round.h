#pragma once

#include <string>
#include <string_view>

namespace gyro::fuzz {

// One trip of arbitrary text along the settings path of the viewer's load
// command: load and validate it over the start state, rebuild the figure it
// names, bring the colour pattern and depth into range, draw one small frame,
// then save and load the result again. Returns what broke, or an empty string
// when every check held. Crashes and undefined behaviour are for the
// sanitizers to catch.
std::string RunSettingsRound(std::string_view text);

}  // namespace gyro::fuzz
