#include "io/bmp_file.h"

#include "io/atomic_write.h"

#include <cstdio>
#include <new>

namespace gyro {

namespace {

constexpr uint32_t kHeaderBytes = 54;

void Put16(uint8_t* p, uint32_t v) {
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
}

void Put32(uint8_t* p, uint32_t v) {
    Put16(p, v);
    Put16(p + 2, v >> 16);
}

}  // namespace

std::vector<uint8_t> EncodeBmp(const BackBuffer& buffer) {
    if (!buffer.exists()) return {};
    const uint64_t w = static_cast<uint64_t>(buffer.width);
    const uint64_t h = static_cast<uint64_t>(buffer.height);
    if (buffer.pixels.size() < w * h) return {};
    const uint64_t rowBytes = (3 * w + 3) & ~uint64_t{3};  // 3 * w plus 0..3 pad bytes
    const uint64_t imageBytes = rowBytes * h;
    if (kHeaderBytes + imageBytes > UINT32_MAX) return {};

    std::vector<uint8_t> out(kHeaderBytes + imageBytes, 0);
    uint8_t* p = out.data();
    // File header.
    p[0] = 'B';
    p[1] = 'M';
    Put32(p + 2, static_cast<uint32_t>(kHeaderBytes + imageBytes));
    Put32(p + 10, kHeaderBytes);  // reserved words at 6 and 8 stay 0
    // Information header; resolutions and colour counts stay 0.
    Put32(p + 14, 40);
    Put32(p + 18, static_cast<uint32_t>(w));
    Put32(p + 22, static_cast<uint32_t>(h));  // positive: bottom row first
    Put16(p + 26, 1);
    Put16(p + 28, 24);
    Put32(p + 30, 0);
    Put32(p + 34, static_cast<uint32_t>(imageBytes));

    uint8_t* row = p + kHeaderBytes;
    for (uint64_t r = 0; r < h; ++r, row += rowBytes) {
        const uint32_t* src = buffer.pixels.data() + (h - 1 - r) * w;
        uint8_t* d = row;
        for (uint64_t x = 0; x < w; ++x, d += 3) {
            const uint32_t c = src[x];  // 0x00BBGGRR
            d[0] = static_cast<uint8_t>(c >> 16);
            d[1] = static_cast<uint8_t>(c >> 8);
            d[2] = static_cast<uint8_t>(c);
        }
    }
    return out;
}

Status WriteBmpFile(const std::string& path, const BackBuffer& buffer) {
    if (path.empty()) return Status::Error(kBmpBadNameMessage);
    std::vector<uint8_t> bytes;
    try {
        bytes = EncodeBmp(buffer);
    } catch (const std::bad_alloc&) {
        return Status::Error(kBmpNoMemoryMessage);
    }
    if (bytes.empty()) return Status::Error(kBmpNoPictureMessage);
    return WriteExportBytes(path, bytes);
}

Status WriteExportBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    if (path.empty()) return Status::Error(kBmpBadNameMessage);
    WriteStep failedStep = WriteStep::Open;
    const Status written = WriteFileAtomically(
        path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), &failedStep);
    if (written.ok()) return written;
    return Status::Error(failedStep == WriteStep::Write ? kBmpWriteFailedMessage : kBmpBadNameMessage);
}

}  // namespace gyro
