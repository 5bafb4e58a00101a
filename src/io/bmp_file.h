#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "io/status.h"
#include "model/display_settings.h"
#include "model/translate_mark.h"

namespace gyro {

// Messages of a failed export, as the window shows them.
inline constexpr const char* kBmpBadNameMessage = GYRO_TRANSLATE_NOOP("Messages", "ファイル名が不正の模様です。");
inline constexpr const char* kBmpWriteFailedMessage = GYRO_TRANSLATE_NOOP("Messages", "ファイルの書き込みに失敗しました。");
inline constexpr const char* kBmpNoPictureMessage = GYRO_TRANSLATE_NOOP("Messages", "出力する画像がありません。");
inline constexpr const char* kBmpNoMemoryMessage = GYRO_TRANSLATE_NOOP("Messages", "画像を出力するメモリが足りません。");

// The picture as an uncompressed 24-bit BMP: 14-byte file header, 40-byte
// information header, then the rows bottom-up, each pixel as blue, green, red,
// every row padded with zeros to a multiple of 4 bytes. Empty when the buffer
// holds no picture or is too large for the format's 32-bit sizes. Throws
// std::bad_alloc when there is no memory for the bytes.
std::vector<uint8_t> EncodeBmp(const BackBuffer& buffer);

// Writes the bytes of an exported picture to `path` atomically; a failure comes
// back with the window's messages: a bad name or folder, or a failed write.
Status WriteExportBytes(const std::string& path, const std::vector<uint8_t>& bytes);

// Writes EncodeBmp(buffer) to `path`, replacing any file there (asking first is
// the caller's business). The bytes go to a temporary file beside the target that
// replaces it only once every write and the close have succeeded, so a failure
// leaves neither a partial file nor a damaged old one. Without memory for the
// bytes (a large picture) it fails with kBmpNoMemoryMessage and writes nothing.
Status WriteBmpFile(const std::string& path, const BackBuffer& buffer);

}  // namespace gyro
