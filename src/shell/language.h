#pragma once

// The interface language and the texts that follow it, as pure functions.

#include <optional>
#include <string>
#include <string_view>

#include "model/solid.h"

namespace gyro {

// Japanese is the start language and the language the texts are written in;
// English comes from translations/gyrosolid_en.ts.
enum class UiLanguage { Japanese, English };

// "ja" or "en" (any case) -> the language; nothing for anything else.
std::optional<UiLanguage> ParseLanguage(std::string_view code);
// "ja" or "en".
const char* LanguageCode(UiLanguage language);

// The language a run starts in: the command line's, else the remembered
// preference's ("ja" or "en"; anything else is ignored), else Japanese.
UiLanguage StartLanguage(std::optional<UiLanguage> commandLine, std::string_view remembered);

// "Gyrosolid — 大十二面体 / Great dodecahedron": the full names, so that a
// name cut in the status band can still be read. Only "Gyrosolid" when the
// figure has no name at all.
std::string WindowTitleText(const Solid& solid);

// The name the status band shows: the Japanese name in Japanese, the English
// name (filled where the figure writes none) in English.
std::string StatusNameText(const Solid& solid, UiLanguage language);

}  // namespace gyro
