// Prints the string file the module settings choose for this executable and language
// (argument 1), then the translation of "Cancel" from it.
#include "module/ModuleSettings.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    qvsql::ModuleSettings settings;
    if (argc > 1) {
        settings.SetLanguage(std::atoi(argv[1]));
    }
    std::printf("%s\n%s\n", settings.stringFilePath.c_str(),
                settings.Translate("SQLBuilder", "Cancel").c_str());
    return 0;
}
