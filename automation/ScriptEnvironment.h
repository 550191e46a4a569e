#pragma once
// QVSQL_SCRIPT=FILE: the process runs on the headless display and FILE plays into its modal
// windows. A script that cannot be read or parsed, or an expectation that fails, ends the
// process with status 3 after a line on standard error.
namespace qvsql {

// True when QVSQL_SCRIPT is set: the headless display is installed with the script as its
// input (once per process; later calls only answer). False, changing nothing, otherwise.
bool StartScriptFromEnvironment();

} // namespace qvsql
