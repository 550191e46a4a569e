#pragma once
// Handle to object maps of the framework. Permanent entries are objects that attached
// themselves to a handle; temporary ones wrap a handle nobody attached and live until the
// next idle point (AfxDeleteTempMaps), so a pointer from FromHandle must not be kept.
#include <memory>
#include <unordered_map>

template <class Obj, class Handle> class AfxHandleMap {
  public:
    // Unhooks a temporary object's handle before it is deleted, so nothing is released.
    using Release = void (*)(Obj&);
    explicit AfxHandleMap(Release unhook) : release(unhook) {}
    ~AfxHandleMap() { DeleteTemp(); }

    void SetPermanent(Handle h, Obj* obj) { permanent[h] = obj; }
    void RemovePermanent(Handle h, const Obj* obj) {
        auto it = permanent.find(h);
        if (it != permanent.end() && it->second == obj) {
            permanent.erase(it);
        }
    }
    Obj* LookupPermanent(Handle h) const {
        auto it = permanent.find(h);
        return it == permanent.end() ? nullptr : it->second;
    }
    Obj* LookupTemporary(Handle h) const {
        auto it = temporary.find(h);
        return it == temporary.end() ? nullptr : it->second.get();
    }
    Obj* AddTemporary(Handle h, std::unique_ptr<Obj> obj) {
        auto& slot = temporary[h];
        if (slot) {
            release(*slot);
        }
        slot = std::move(obj);
        return slot.get();
    }
    void DeleteTemp() {
        auto doomed = std::move(temporary);
        temporary.clear();
        for (auto& [h, obj] : doomed) {
            release(*obj);
        }
    }

  private:
    Release release;
    std::unordered_map<Handle, Obj*> permanent;
    std::unordered_map<Handle, std::unique_ptr<Obj>> temporary;
};
