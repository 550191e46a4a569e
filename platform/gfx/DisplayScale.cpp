#include "platform/gfx/DisplayScale.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace gfx {

namespace {

constexpr int MaxFactor = 3;
constexpr double BaseDpi = 96.0;
constexpr double MaxDpi = 10 * BaseDpi; // beyond any screen made

int factor = 1;

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

} // namespace

int DisplayScale() {
    return factor;
}

void SetDisplayScale(int next) {
    factor = next >= 1 && next <= MaxFactor ? next : 1;
}

int LogicalFromPixel(int pixel) {
    return pixel >= 0 ? pixel / factor : -((-pixel + factor - 1) / factor);
}

int ScaleFromEnvironment() {
    const char* value = std::getenv("QVSQL_SCALE");
    if (!value || !*value) {
        return 0;
    }
    const std::string_view text = Trimmed(value);
    if (text.size() == 1 && text[0] >= '1' && text[0] <= '0' + MaxFactor) {
        return text[0] - '0';
    }
    std::fprintf(stderr, "QvSQLBuilder: QVSQL_SCALE=%.16s ignored, use 1, 2 or 3\n", value);
    return 0;
}

int ScaleFromDpi(std::string_view dpi) {
    const std::string text(Trimmed(dpi).substr(0, 32));
    char* end = nullptr;
    const double value = text.empty() ? 0 : std::strtod(text.c_str(), &end);
    if (!end || *end != '\0' || !std::isfinite(value) || value <= 0 || value > MaxDpi) {
        return 1;
    }
    const long rounded = std::lround(value / BaseDpi);
    return static_cast<int>(rounded < 1 ? 1 : rounded > MaxFactor ? MaxFactor : rounded);
}

int ScaleFromResources(std::string_view resources) {
    constexpr std::string_view key = "Xft.dpi:";
    for (std::size_t at = 0; at < resources.size();) {
        const std::size_t end = std::min(resources.find('\n', at), resources.size());
        const std::string_view line = Trimmed(resources.substr(at, end - at));
        if (line.substr(0, key.size()) == key) {
            return ScaleFromDpi(line.substr(key.size()));
        }
        at = end + 1;
    }
    return 1;
}

} // namespace gfx
