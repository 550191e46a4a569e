#pragma once
// Where the demo host finds the library and its sample: in the build tree where the build put
// them, installed relative to its own folder (so a moved install keeps working).
#include <string>
#include <vector>

// The folder of the running executable, links resolved.
std::string ExecutableFolder();

// Paths and names to hand to dlopen, in order.
std::vector<std::string> LibraryCandidates();

// The bundled sample database.
std::string SampleDatabase();
