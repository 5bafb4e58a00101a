#pragma once

// For the io files that draw with cairo only: its headers are not on the
// include path of the programs.

#include <cairo.h>

namespace gyro {

// cairo's stream writer into the std::vector<uint8_t> given as the closure.
cairo_status_t AppendToBytes(void* closure, const unsigned char* data, unsigned int length);

}  // namespace gyro
