#include "ScriptFailureWatch.h"

#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <unistd.h>

ScriptFailureWatch::ScriptFailureWatch() {
    int ends[2];
    if (pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    readEnd = ends[0];
    writeEnd = ends[1];
    setenv("QVSQL_SCRIPT_FAILURE_FD", std::to_string(writeEnd).c_str(), 1);
}

ScriptFailureWatch::~ScriptFailureWatch() {
    if (readEnd >= 0) {
        unsetenv("QVSQL_SCRIPT_FAILURE_FD");
        close(readEnd);
        close(writeEnd);
    }
}

bool ScriptFailureWatch::Failed() const {
    char byte = 0;
    return readEnd >= 0 && read(readEnd, &byte, 1) == 1;
}
