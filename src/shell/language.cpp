#include "shell/language.h"

#include <algorithm>
#include <cctype>

#include "catalog/english_names.h"

namespace gyro {

std::optional<UiLanguage> ParseLanguage(std::string_view code) {
    std::string lower(code);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (lower == "ja") return UiLanguage::Japanese;
    if (lower == "en") return UiLanguage::English;
    return std::nullopt;
}

const char* LanguageCode(UiLanguage language) { return language == UiLanguage::English ? "en" : "ja"; }

UiLanguage StartLanguage(std::optional<UiLanguage> commandLine, std::string_view remembered) {
    if (commandLine) return *commandLine;
    return ParseLanguage(remembered).value_or(UiLanguage::Japanese);
}

std::string WindowTitleText(const Solid& solid) {
    const std::string english = EnglishDisplayName(solid);
    std::string names = solid.nameJa;
    if (!names.empty() && !english.empty()) names += " / ";
    names += english;
    return names.empty() ? std::string("Gyrosolid") : "Gyrosolid \u2014 " + names;
}

std::string StatusNameText(const Solid& solid, UiLanguage language) {
    return language == UiLanguage::English ? EnglishDisplayName(solid) : solid.nameJa;
}

}  // namespace gyro
