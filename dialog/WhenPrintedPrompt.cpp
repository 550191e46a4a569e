#include "dialog/WhenPrintedPrompt.h"

#include "dialog/CDefaultWpData.h"
#include "sql/ChoiceLists.h"
#include "sql/TextOps.h"

namespace whenprinted {

bool IsPseudoName(std::string_view name) {
    return qvsql::ToUpperAscii(name) == qvsql::whenPrintedName;
}

std::vector<std::string> DefaultChoices(const std::vector<std::string>& names) {
    std::vector<std::string> choices;
    for (const std::string& name : names) {
        std::string upper = qvsql::ToUpperAscii(name);
        if (upper != qvsql::whenPrintedName) {
            choices.push_back(std::move(upper));
        }
    }
    return choices;
}

std::optional<std::string> Ask(const std::vector<std::string>& names) {
    CDefaultWpData prompt;
    prompt.SetDefaultChoices(DefaultChoices(names));
    if (prompt.DoModal() != IDOK) {
        return std::nullopt;
    }
    return prompt.GetWpText();
}

} // namespace whenprinted
