#pragma once
// Finds an entry by its key text in constant time: open addressing with linear probing over
// slots of the key's hash and the entry, at most half full. Entries own their keys and must
// not move while indexed. Probing reads the slot array alone until a hash matches, so a new
// key costs one cache miss however many keys there are.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

template <typename Entry> class AfxKeyIndex {
  public:
    std::size_t Size() const { return count; }

    Entry* Find(std::string_view key) const {
        if (slots.empty()) {
            return nullptr;
        }
        const std::size_t hash = Hash(key);
        for (std::size_t i = hash & Mask();; i = (i + 1) & Mask()) {
            const Slot& s = slots[i];
            if (!s.entry) {
                return nullptr;
            }
            if (s.hash == hash && s.entry->key == key) {
                return s.entry;
            }
        }
    }

    // The entry's key must not be indexed yet.
    void Add(Entry* entry) {
        if ((count + 1) * 2 > slots.size()) {
            Grow();
        }
        Place({Hash(entry->key), entry});
        ++count;
    }

    void Clear() {
        slots.clear();
        slots.shrink_to_fit();
        count = 0;
    }

  private:
    struct Slot {
        std::size_t hash = 0;
        Entry* entry = nullptr;
    };

    static std::size_t Hash(std::string_view key) { return std::hash<std::string_view>{}(key); }
    std::size_t Mask() const { return slots.size() - 1; }

    std::size_t Locate(const Entry* entry) const {
        if (slots.empty()) {
            return 0;
        }
        for (std::size_t i = Hash(entry->key) & Mask(); slots[i].entry; i = (i + 1) & Mask()) {
            if (slots[i].entry == entry) {
                return i;
            }
        }
        return slots.size();
    }

    void Place(Slot slot) {
        std::size_t i = slot.hash & Mask();
        while (slots[i].entry) {
            i = (i + 1) & Mask();
        }
        slots[i] = slot;
    }

    void Grow() {
        std::vector<Slot> old = std::move(slots);
        slots.assign(old.empty() ? 16 : old.size() * 2, Slot{});
        for (const Slot& s : old) {
            if (s.entry) {
                Place(s);
            }
        }
    }

    std::vector<Slot> slots; // a power of two long
    std::size_t count = 0;
};
