#pragma once
// Base names of the language string files, indexed by the host's language number.
#include <array>
#include <string_view>

namespace qvsql {

inline constexpr std::array<std::string_view, 23> languageNames = {
    "english", "french", "spanish",  "italian",    "german", "chngb",      "chnbg5", "jpnjis",
    "korean",  "dutch",  "portugus", "swedish",    "brazil", "shiftjis",   "hebrew", "russian",
    "turkish", "danish", "polish",   "vietnamese", "thai",   "indonesian", "other"};

} // namespace qvsql
