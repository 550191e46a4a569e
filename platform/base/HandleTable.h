#pragma once
// Objects behind checked handle values: tag (4 bits), generation (12 bits), slot + 1
// (16 bits). A value whose tag, slot or generation does not match is refused, so stale and
// foreign handles are never dereferenced. Freed slots are reused oldest first, which keeps a
// stale value from naming a new object for a long time.
#include <cstdint>
#include <deque>
#include <memory>
#include <vector>

namespace gfx {

template <class T> class HandleTable {
  public:
    explicit HandleTable(std::uint32_t kindTag) : tag(kindTag & 0xF) {}

    // 0 when the table is full.
    std::uintptr_t Add(std::unique_ptr<T> object) {
        std::size_t slot;
        if (!freeSlots.empty()) {
            slot = freeSlots.front();
            freeSlots.pop_front();
        } else if (slots.size() < MaxSlots) {
            slot = slots.size();
            slots.push_back({});
        } else {
            return 0;
        }
        slots[slot].object = std::move(object);
        return Encode(slot);
    }

    T* Find(std::uintptr_t value) const {
        const Slot* s = Lookup(value);
        return s ? s->object.get() : nullptr;
    }

    std::unique_ptr<T> Remove(std::uintptr_t value) {
        Slot* s = const_cast<Slot*>(Lookup(value));
        if (!s) {
            return nullptr;
        }
        std::unique_ptr<T> object = std::move(s->object);
        s->generation = (s->generation + 1) & 0xFFF;
        freeSlots.push_back(static_cast<std::size_t>(s - slots.data()));
        return object;
    }

  private:
    static constexpr std::size_t MaxSlots = 0xFFFF;
    struct Slot {
        std::unique_ptr<T> object;
        std::uint32_t generation = 1;
    };

    std::uintptr_t Encode(std::size_t slot) const {
        return (static_cast<std::uintptr_t>(tag) << 28) |
               (static_cast<std::uintptr_t>(slots[slot].generation) << 16) | (slot + 1);
    }

    const Slot* Lookup(std::uintptr_t value) const {
        const std::size_t slot = (value & 0xFFFF);
        if ((value >> 28) != tag || slot == 0 || slot > slots.size()) {
            return nullptr;
        }
        const Slot& s = slots[slot - 1];
        if (!s.object || ((value >> 16) & 0xFFF) != s.generation) {
            return nullptr;
        }
        return &s;
    }

    std::uint32_t tag;
    std::vector<Slot> slots;
    std::deque<std::size_t> freeSlots;
};

template <class Handle> std::uintptr_t HandleValue(Handle h) {
    return reinterpret_cast<std::uintptr_t>(h);
}
template <class Handle> Handle MakeHandle(std::uintptr_t value) {
    return reinterpret_cast<Handle>(value);
}

} // namespace gfx
