#pragma once
// QVSQL_SCRIPT=FILE: the process runs on the headless display and FILE plays into its modal
// windows. A script that cannot be read or parsed, or a verb that fails, never ends the
// host: one line goes to standard error (and to QVSQL_SCRIPT_FAILURE_FD when the host set
// it), nothing more plays, and the open dialogs end as Cancel.
namespace qvsql {

// True when QVSQL_SCRIPT is set: the headless display is installed with the script as its
// input (once per process; later calls only answer). False, changing nothing, otherwise.
bool StartScriptFromEnvironment();

} // namespace qvsql
