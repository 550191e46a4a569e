#include "platform/ctl/ListItems.h"

#include "platform/sys/KernelStrings.h"

#include <algorithm>

namespace ctl {

bool SortsBefore(std::string_view a, std::string_view b) {
    const int folded = qvsql::CompareNoCaseAscii(a, b);
    return folded != 0 ? folded < 0 : a < b;
}

int ListItems::Add(std::string_view text, bool sorted) {
    if (!sorted) {
        return Insert(-1, text);
    }
    auto at =
        std::upper_bound(items.begin(), items.end(), text,
                         [](std::string_view t, const Item& i) { return SortsBefore(t, i.text); });
    return Insert(static_cast<int>(at - items.begin()), text);
}

int ListItems::Insert(int index, std::string_view text) {
    if (Count() >= MaxCount || index < -1 || index > Count()) {
        return -1;
    }
    const int at = index < 0 ? Count() : index;
    items.insert(items.begin() + at, Item{std::string(text), 0});
    return at;
}

bool ListItems::Erase(int index) {
    if (!Valid(index)) {
        return false;
    }
    items.erase(items.begin() + index);
    return true;
}

int ListItems::Find(int after, std::string_view text, bool exact) const {
    const int n = Count();
    const int start = Valid(after) ? after + 1 : 0;
    for (int k = 0; k < n; ++k) {
        const int i = (start + k) % n;
        const std::string& t = Text(i);
        const std::string_view head =
            exact ? std::string_view(t) : std::string_view(t).substr(0, text.size());
        if ((exact || t.size() >= text.size()) && qvsql::CompareNoCaseAscii(head, text) == 0) {
            return i;
        }
    }
    return -1;
}

} // namespace ctl
