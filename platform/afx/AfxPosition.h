#pragma once
// The framework's opaque iteration position: null before the first and after the last.
struct AfxPositionTag;
using POSITION = AfxPositionTag*;
