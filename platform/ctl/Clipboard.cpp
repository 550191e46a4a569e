#include "platform/ctl/Clipboard.h"

#include "platform/win/WindowSystem.h"

#include <array>

namespace ctl {

namespace {

std::string& Kept(win::Selection which) {
    static std::array<std::string, 2> kept;
    return kept[which == win::Selection::Primary ? 1 : 0];
}

} // namespace

void Clipboard::SetText(std::string text, win::Selection which) {
    win::GetBackend().OfferText(which, text);
    Kept(which) = std::move(text);
}

std::string Clipboard::Text(win::Selection which) {
    std::optional<std::string> shown = win::GetBackend().ReadText(which);
    return shown ? std::move(*shown) : Kept(which);
}

} // namespace ctl
