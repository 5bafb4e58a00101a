#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "model/display_settings.h"
#include "model/translate_mark.h"

namespace gyro {

// The projected-area check reads every pixel of the picture; beyond this many
// pixels it declines rather than keep the window busy.
inline constexpr int64_t kAreaCountLimit = int64_t{1} << 20;

inline constexpr const char* kAreaCaption = GYRO_TRANSLATE_NOOP("Messages", "投射面積確認");
inline constexpr const char* kAreaTooLargeMessage = GYRO_TRANSLATE_NOOP("Messages", "画面サイズが大き過ぎるので敬遠します。");

// How many pixels of the picture differ from `background`, or nothing when the
// picture has kAreaCountLimit pixels or more. A picture without pixels has area 0.
std::optional<int64_t> CountProjectedArea(const BackBuffer& buffer, Colour background);

// The message of the area check for the picture as the last frame left it,
// counted against the background colour of the display settings.
std::string ProjectedAreaMessage(const BackBuffer& buffer, const DisplaySettings& display);

}  // namespace gyro
