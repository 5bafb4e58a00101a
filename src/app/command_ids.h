#pragma once

// The menu command ids live with the catalogue, whose figure menu uses some of
// them; this name is kept for code that still includes it from here.
#include "catalog/command_ids.h"
