#pragma once

// For the io files that draw with cairo only: its headers are not on the
// include path of the programs.

#include <cairo.h>

#include <cstdint>
#include <vector>

#include "io/status.h"

namespace gyro {

// cairo's stream writer into the std::vector<uint8_t> given as the closure.
cairo_status_t AppendToBytes(void* closure, const unsigned char* data, unsigned int length);

// Destroys `cr` and finishes and destroys `surface`; a failure of either
// empties `bytes` and is returned with cairo's text.
Status FinishCairoBytes(cairo_surface_t* surface, cairo_t* cr, std::vector<uint8_t>& bytes);

}  // namespace gyro
