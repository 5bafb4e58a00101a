#pragma once

// Marks a text the user sees for Qt's translation tools: lupdate is told to
// read this name as QT_TRANSLATE_NOOP (scripts/update-translations), so the
// text lands in translations/*.ts under `context`. The core keeps the text as
// it is; the window translates it where it shows it.
#define GYRO_TRANSLATE_NOOP(context, text) text
