#include "platform/ctl/HeaderItems.h"

#include <algorithm>

namespace ctl {

int HeaderItems::Insert(int index, HeaderItem item) {
    index = std::clamp(index, 0, Count());
    items.insert(items.begin() + index, std::move(item));
    for (int& shown : order) {
        shown += shown >= index ? 1 : 0;
    }
    const int position = std::min(index, static_cast<int>(order.size()));
    order.insert(order.begin() + position, index);
    return index;
}

bool HeaderItems::Delete(int index) {
    if (!Valid(index)) {
        return false;
    }
    items.erase(items.begin() + index);
    std::erase(order, index);
    for (int& shown : order) {
        shown -= shown > index ? 1 : 0;
    }
    return true;
}

int HeaderItems::OrderToIndex(int position) const {
    return position >= 0 && position < Count() ? order[static_cast<std::size_t>(position)] : -1;
}

int HeaderItems::PositionOf(int index) const {
    const auto it = std::find(order.begin(), order.end(), index);
    return it == order.end() ? -1 : static_cast<int>(it - order.begin());
}

bool HeaderItems::SetOrder(const int* wanted, int count) {
    if (!wanted || count != Count()) {
        return false;
    }
    std::vector<int> next(wanted, wanted + count);
    std::vector<int> sorted = next;
    std::sort(sorted.begin(), sorted.end());
    for (int i = 0; i < count; ++i) {
        if (sorted[static_cast<std::size_t>(i)] != i) {
            return false;
        }
    }
    order = std::move(next);
    return true;
}

int HeaderItems::LeftOf(int index) const {
    int left = 0;
    for (int shown : order) {
        if (shown == index) {
            break;
        }
        left += std::max(At(shown).width, 0);
    }
    return left;
}

} // namespace ctl
