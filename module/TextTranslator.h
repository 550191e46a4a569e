#pragma once
// Interface texts are looked up by their English wording in a language string file that
// lies beside the host's executable.
#include <string>
#include <string_view>

namespace qvsql {

// The executable's folder (with its '/') + the language's base name + ".str"; an unknown
// language index falls back to English.
std::string BuildStringFilePath(std::string_view exePath, int languageIndex);

// The string file of the running executable's folder. Empty, meaning no string file at
// all, when the executable's path cannot be read or does not fit in PATH_MAX bytes: a cut
// path would name a file in another folder.
std::string HostStringFilePath(int languageIndex);

// The English text reduced to the key the string files use: cut at a tab or at "..",
// without accelerator marks and line feeds.
std::string MakeTranslationKey(std::string_view text);

// The translation of text from section, with \r and \n written out; empty when the file,
// the section or the key is missing, and when the path is empty.
std::string TranslateText(const std::string& stringFilePath, std::string_view section,
                          std::string_view text);

} // namespace qvsql
