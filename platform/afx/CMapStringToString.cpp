#include "platform/afx/CMapStringToString.h"

UINT CMapStringToString::HashKey(std::string_view key) {
    UINT hash = 0;
    for (char c : key) {
        hash = hash * 33 + static_cast<unsigned char>(c);
    }
    return hash;
}

CMapStringToString::Assoc* CMapStringToString::Find(std::string_view key) const {
    return index.Find(key);
}

BOOL CMapStringToString::Lookup(std::string_view key, std::string& value) const {
    const Assoc* a = Find(key);
    if (!a) {
        return FALSE;
    }
    value = a->value;
    return TRUE;
}

std::string& CMapStringToString::operator[](std::string_view key) {
    if (Assoc* a = Find(key)) {
        return a->value;
    }
    auto a = std::make_unique<Assoc>();
    a->bucket = HashKey(key) % HashTableSize;
    a->key = key;
    auto& head = buckets[a->bucket];
    if (head) {
        head->previous = a.get();
    }
    a->next = std::move(head);
    head = std::move(a);
    index.Add(head.get());
    return head->value;
}

void CMapStringToString::RemoveAll() {
    index.Clear();
    // Unlinks one entry at a time so that a long chain is not freed recursively.
    for (auto& head : buckets) {
        while (head) {
            head = std::move(head->next);
        }
    }
}

const CMapStringToString::Assoc* CMapStringToString::FirstFrom(UINT bucket) const {
    for (; bucket < HashTableSize; ++bucket) {
        if (buckets[bucket]) {
            return buckets[bucket].get();
        }
    }
    return nullptr;
}

POSITION CMapStringToString::GetStartPosition() const {
    return reinterpret_cast<POSITION>(const_cast<Assoc*>(FirstFrom(0)));
}

void CMapStringToString::GetNextAssoc(POSITION& pos, std::string& key, std::string& value) const {
    const auto* a = reinterpret_cast<const Assoc*>(pos);
    if (!a) {
        return;
    }
    key = a->key;
    value = a->value;
    const Assoc* next = a->next ? a->next.get() : FirstFrom(a->bucket + 1);
    pos = reinterpret_cast<POSITION>(const_cast<Assoc*>(next));
}
