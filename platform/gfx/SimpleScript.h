#pragma once
// Code points whose text needs no shaping: each takes its face's nominal glyph at its own
// advance, left to right. Latin (Latin-1, Extended-A and B, IPA, Extended Additional), Greek
// and Cyrillic without combining marks, format characters or unassigned code points.
namespace gfx {

bool IsSimpleCodePoint(char32_t cp);
// For a simple code point: shared by every script (punctuation, digits, spaces, symbols), so
// it stays in the face of the run around it.
bool IsNeutralSimple(char32_t cp);

} // namespace gfx
