#include "platform/afx/CGdiObject.h"

#include "platform/afx/AfxHandleMap.h"
#include "platform/afx/CBitmap.h"
#include "platform/afx/CBrush.h"
#include "platform/afx/CFont.h"
#include "platform/afx/CPen.h"

namespace {

using GdiMap = AfxHandleMap<CGdiObject, HGDIOBJ>;

GdiMap& Map() {
    static GdiMap map([](CGdiObject& o) { o.m_hObject = nullptr; });
    return map;
}

} // namespace

CGdiObject::~CGdiObject() {
    DeleteObject();
}

BOOL CGdiObject::Attach(HGDIOBJ object) {
    if (!object || m_hObject || GetObjectType(object) == 0) {
        return FALSE;
    }
    m_hObject = object;
    Map().SetPermanent(object, this);
    return TRUE;
}

HGDIOBJ CGdiObject::Detach() {
    HGDIOBJ object = m_hObject;
    if (object) {
        Map().RemovePermanent(object, this);
    }
    m_hObject = nullptr;
    return object;
}

BOOL CGdiObject::DeleteObject() {
    HGDIOBJ object = Detach();
    return object ? ::DeleteObject(object) : FALSE;
}

int CGdiObject::GetObject(int size, void* buffer) const {
    return m_hObject ? ::GetObjectA(m_hObject, size, buffer) : 0;
}

CGdiObject* CGdiObject::FromHandle(HGDIOBJ object) {
    switch (object ? GetObjectType(object) : 0) {
    case OBJ_PEN:
        return CPen::FromHandle(static_cast<HPEN>(object));
    case OBJ_BRUSH:
        return CBrush::FromHandle(static_cast<HBRUSH>(object));
    case OBJ_FONT:
        return CFont::FromHandle(static_cast<HFONT>(object));
    case OBJ_BITMAP:
        return CBitmap::FromHandle(static_cast<HBITMAP>(object));
    default:
        return nullptr;
    }
}

void CGdiObject::DeleteTempMap() {
    Map().DeleteTemp();
}

CGdiObject* CGdiObject::Lookup(HGDIOBJ object) {
    if (CGdiObject* owner = Map().LookupPermanent(object)) {
        return owner;
    }
    return Map().LookupTemporary(object);
}

CGdiObject* CGdiObject::AddTemporary(HGDIOBJ object, std::unique_ptr<CGdiObject> wrapper) {
    return Map().AddTemporary(object, std::move(wrapper));
}
