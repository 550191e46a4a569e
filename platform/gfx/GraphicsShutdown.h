#pragma once
// Frees the drawing layer's process-wide state: device contexts, icons, drawing objects,
// faces and the font configuration. For a library about to be unloaded, after every static
// object that may still hold handles is gone; handles made before are invalid afterwards.

namespace gfx {

void ShutdownGraphics();

} // namespace gfx
