#include "resources/LibraryResources.h"

#include "platform/gfx/Icons.h"
#include "platform/win/Resources.h"
#include "resources/DialogTemplates.h"
#include "resources/IconGlyphs.h"
#include "resources/ResourceIds.h"

namespace res {

namespace {

void AddIcon(HMODULE module, int id, const IconImage& image) {
    HICON icon =
        CreateIconFromPixels(image.width, image.height, image.colours.data(), image.mask.data());
    if (icon != nullptr) {
        win::Resources::Get().AddIcon(module, id, icon);
    }
}

} // namespace

void RegisterLibraryResources(HMODULE module) {
    win::Resources& store = win::Resources::Get();
    if (store.Dialog(module, IDD_SELECTSQL) != nullptr) {
        return;
    }
    store.AddDialog(module, IDD_SELECTSQL, QueryBuilderTemplate());
    store.AddDialog(module, IDD_WHENPRINTED, WhenPrintedTemplate());
    for (int id : {IDI_UP, IDI_DOWN, IDI_PLUS, IDI_MINUS}) {
        AddIcon(module, id, IconGlyph(id));
    }
    AddIcon(module, IDI_DOWN, TransparentImage(16));
}

} // namespace res
