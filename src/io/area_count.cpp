#include "io/area_count.h"

#include "render/colouring.h"

namespace gyro {

std::optional<int64_t> CountProjectedArea(const BackBuffer& buffer, Colour background) {
    if (!buffer.exists()) return int64_t{0};
    const int64_t pixels = int64_t{buffer.width} * int64_t{buffer.height};
    if (pixels >= kAreaCountLimit) return std::nullopt;
    if (buffer.pixels.size() < static_cast<uint64_t>(pixels)) return int64_t{0};
    // Only the colour bytes count; the fourth byte of a pixel carries nothing.
    const Colour bk = background & 0x00FFFFFFu;
    int64_t area = 0;
    for (int64_t i = 0; i < pixels; ++i) area += (buffer.pixels[static_cast<size_t>(i)] & 0x00FFFFFFu) != bk;
    return area;
}

std::string ProjectedAreaMessage(const BackBuffer& buffer, const DisplaySettings& display) {
    // The background as the renderer drew it, so that a stray mode cannot make
    // the whole picture count as area.
    const std::optional<int64_t> area = CountProjectedArea(buffer, BackgroundColour(display));
    if (!area) return kAreaTooLargeMessage;
    // The window translates each line; "%1" stands for the number there too.
    std::string area_line = GYRO_TRANSLATE_NOOP("Messages", "面積：%1px");
    area_line.replace(area_line.find("%1"), 2, std::to_string(*area));
    return area_line + "\n" + GYRO_TRANSLATE_NOOP("Messages", "注：背景色と同じ色はカウントされません。");
}

}  // namespace gyro
