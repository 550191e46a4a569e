#pragma once
// Registers the platform's own control classes. Safe to call any number of times.
namespace ctl {

void RegisterBuiltinControls();

} // namespace ctl
