#include "platform/afx/CStringList.h"

namespace {

const std::string& Empty() {
    static const std::string empty;
    return empty;
}

} // namespace

POSITION CStringList::Position(std::size_t index) const {
    return index < items.size() ? reinterpret_cast<POSITION>(index + 1) : nullptr;
}

std::size_t CStringList::Index(POSITION pos) const {
    const auto value = reinterpret_cast<std::uintptr_t>(pos);
    return value >= 1 && value <= items.size() ? value - 1 : items.size();
}

POSITION CStringList::AddTail(const std::string& item) {
    items.push_back(item);
    return Position(items.size() - 1);
}

void CStringList::AddTail(const CStringList& other) {
    const std::vector<std::string> copy = other.items;
    items.insert(items.end(), copy.begin(), copy.end());
}

POSITION CStringList::AddHead(const std::string& item) {
    items.insert(items.begin(), item);
    return Position(0);
}

const std::string& CStringList::GetNext(POSITION& pos) const {
    const std::size_t i = Index(pos);
    pos = Position(i + 1);
    return i < items.size() ? items[i] : Empty();
}

const std::string& CStringList::GetAt(POSITION pos) const {
    const std::size_t i = Index(pos);
    return i < items.size() ? items[i] : Empty();
}

void CStringList::SetAt(POSITION pos, const std::string& item) {
    const std::size_t i = Index(pos);
    if (i < items.size()) {
        items[i] = item;
    }
}

POSITION CStringList::FindIndex(INT_PTR index) const {
    return index < 0 ? nullptr : Position(static_cast<std::size_t>(index));
}

POSITION CStringList::Find(const std::string& item, POSITION after) const {
    std::size_t i = after ? Index(after) + 1 : 0;
    for (; i < items.size(); ++i) {
        if (items[i] == item) {
            return Position(i);
        }
    }
    return nullptr;
}
