#include "module/ModuleSettings.h"

#include "module/LanguageNames.h"
#include "module/TextTranslator.h"

#include <cstring>

namespace qvsql {

ModuleSettings::ModuleSettings() {
    BuildStringFilePath();
}

void ModuleSettings::SetGroupingChars(const char* chars) {
    if (chars != nullptr && strnlen(chars, 2) == 2) {
        groupingChars = chars;
    }
}

void ModuleSettings::SetLanguage(int index) {
    if (index < 0 || index >= static_cast<int>(languageNames.size())) {
        return;
    }
    languageIndex = index;
    BuildStringFilePath();
}

void ModuleSettings::SetCurrentTable(const char* table) {
    if (table != nullptr) {
        currentTable = table;
    }
}

const char* ModuleSettings::GetTable() const {
    return currentTable.c_str();
}

void ModuleSettings::BuildStringFilePath() {
    stringFilePath = HostStringFilePath(languageIndex);
}

std::string ModuleSettings::Translate(std::string_view section, std::string_view text) const {
    return TranslateText(stringFilePath, section, text);
}

} // namespace qvsql
