#pragma once
// Owning wrapper of a drawing object (pen, brush, font, bitmap): the object is deleted with
// the wrapper unless it was detached. FromHandle gives the wrapper that owns a handle, or a
// temporary one that owns nothing.
#include "platform/gfx/Gdi.h"

#include <memory>

class CGdiObject {
  public:
    CGdiObject() = default;
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;
    virtual ~CGdiObject();

    HGDIOBJ m_hObject = nullptr;

    HGDIOBJ GetSafeHandle() const { return m_hObject; }
    operator HGDIOBJ() const { return m_hObject; }
    BOOL Attach(HGDIOBJ object);
    HGDIOBJ Detach();
    BOOL DeleteObject();
    int GetObject(int size, void* buffer) const;
    // A wrapper of the object's own kind (CPen, CBrush, CFont, CBitmap); null for none.
    static CGdiObject* FromHandle(HGDIOBJ object);
    static void DeleteTempMap();

  protected:
    template <class T> static T* FromHandleAs(HGDIOBJ object, UINT kind);

  private:
    static CGdiObject* Lookup(HGDIOBJ object);
    static CGdiObject* AddTemporary(HGDIOBJ object, std::unique_ptr<CGdiObject> wrapper);
};

template <class T> T* CGdiObject::FromHandleAs(HGDIOBJ object, UINT kind) {
    if (!object || GetObjectType(object) != kind) {
        return nullptr;
    }
    if (auto* typed = dynamic_cast<T*>(Lookup(object))) {
        return typed;
    }
    auto wrapper = std::make_unique<T>();
    wrapper->m_hObject = object;
    return static_cast<T*>(AddTemporary(object, std::move(wrapper)));
}
