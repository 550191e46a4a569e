#include "platform/afx/CMapStringToString.h"

UINT CMapStringToString::HashKey(const std::string& key) {
    UINT hash = 0;
    for (char c : key) {
        hash = hash * 33 + static_cast<unsigned char>(c);
    }
    return hash;
}

CMapStringToString::Assoc* CMapStringToString::Find(const std::string& key) const {
    for (Assoc* a = buckets[HashKey(key) % HashTableSize].get(); a; a = a->next.get()) {
        if (a->key == key) {
            return a;
        }
    }
    return nullptr;
}

BOOL CMapStringToString::Lookup(const std::string& key, std::string& value) const {
    const Assoc* a = Find(key);
    if (!a) {
        return FALSE;
    }
    value = a->value;
    return TRUE;
}

std::string& CMapStringToString::operator[](const std::string& key) {
    if (Assoc* a = Find(key)) {
        return a->value;
    }
    auto a = std::make_unique<Assoc>();
    a->bucket = HashKey(key) % HashTableSize;
    a->key = key;
    auto& head = buckets[a->bucket];
    a->next = std::move(head);
    head = std::move(a);
    ++count;
    return head->value;
}

BOOL CMapStringToString::RemoveKey(const std::string& key) {
    for (auto* link = &buckets[HashKey(key) % HashTableSize]; *link; link = &(*link)->next) {
        if ((*link)->key == key) {
            *link = std::move((*link)->next);
            --count;
            return TRUE;
        }
    }
    return FALSE;
}

void CMapStringToString::RemoveAll() {
    // Unlinks one entry at a time so that a long chain is not freed recursively.
    for (auto& head : buckets) {
        while (head) {
            head = std::move(head->next);
        }
    }
    count = 0;
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
