#include "tools/qvsql/Commands.h"

#include "module/TextTranslator.h"
#include "sql/IdentifierQuoter.h"
#include "sql/StatementComposer.h"
#include "sql/StatementReader.h"
#include "sql/StatementSplitter.h"
#include "tools/qvsql/CliError.h"
#include "tools/qvsql/CommandLine.h"
#include "tools/qvsql/JsonIo.h"
#include "tools/qvsql/ReadBackCodec.h"
#include "tools/qvsql/SnapshotCodec.h"

#include <charconv>
#include <istream>
#include <optional>
#include <ostream>
#include <set>

namespace qvsql::cli {
namespace {

constexpr int languageCount = 23;

GroupingChars GroupingOption(const CommandLine& line) {
    return GroupingChars::FromString(line.Option("grouping").value_or("[]"));
}

void Quote(const CommandLine& line, std::istream&, std::ostream& out) {
    line.ExpectPositionals(1, 1);
    out << QuoteIdentifier(line.Positionals()[0], GroupingOption(line)) << '\n';
}

void Split(const CommandLine& line, std::istream& in, std::ostream& out) {
    line.ExpectPositionals(0, 0);
    StatementPieces pieces;
    bool ok = SplitStatement(JsonIo::ReadAll(in), GroupingOption(line), pieces);
    JsonIo::Write(out, Json{{"ok", ok},
                            {"columns", pieces.columns},
                            {"table", pieces.table},
                            {"conditions", pieces.conditions},
                            {"sort", pieces.sort}});
}

void Compose(const CommandLine& line, std::istream& in, std::ostream& out) {
    line.ExpectPositionals(0, 0);
    QuerySnapshot snapshot = SnapshotCodec::Decode(JsonIo::ParseObject(JsonIo::ReadAll(in)));
    JsonIo::Write(out, SnapshotCodec::Encode(ComposeStatement(snapshot)));
}

void ReadBackCommand(const CommandLine& line, std::istream& in, std::ostream& out) {
    line.ExpectPositionals(0, 0);
    ReadBackRequest request = ReadBackCodec::Decode(JsonIo::ParseObject(JsonIo::ReadAll(in)));
    ReadBack readBack = ReadBackStatement(request.Input());
    JsonIo::Write(out, ReadBackCodec::Encode(ReadBackView::Apply(readBack, request.tableColumns)));
}

void Translate(const CommandLine& line, std::istream&, std::ostream& out) {
    line.ExpectPositionals(1, 1);
    std::optional<std::string> file = line.Option("file");
    if (!file) {
        throw UsageError("translate needs --file PATH");
    }
    std::string section = line.Option("section").value_or("SQLBuilder");
    out << TranslateText(*file, section, line.Positionals()[0]) << '\n';
}

// An index outside the language table, however large, leaves the default 0.
int LanguageIndex(const std::string& text) {
    long long value = 0;
    const char* end = text.data() + text.size();
    auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || stop != end || error == std::errc::invalid_argument) {
        throw UsageError("language index must be a whole number: " + text);
    }
    if (error == std::errc::result_out_of_range || value < 0 || value >= languageCount) {
        return 0;
    }
    return static_cast<int>(value);
}

void StringFilePath(const CommandLine& line, std::istream&, std::ostream& out) {
    line.ExpectPositionals(1, 2);
    const auto& args = line.Positionals();
    int index = args.size() > 1 ? LanguageIndex(args[1]) : 0;
    out << BuildStringFilePath(args[0], index) << '\n';
}

struct Command {
    const char* name;
    std::set<std::string> options;
    void (*run)(const CommandLine&, std::istream&, std::ostream&);
};

const std::vector<Command>& CommandTable() {
    static const std::vector<Command> table{
        {"quote", {"grouping"}, Quote},
        {"split", {"grouping"}, Split},
        {"compose", {}, Compose},
        {"readback", {}, ReadBackCommand},
        {"translate", {"file", "section"}, Translate},
        {"string-file-path", {}, StringFilePath},
    };
    return table;
}

} // namespace

void Commands::Run(const std::vector<std::string>& words, std::istream& in, std::ostream& out) {
    if (words.empty()) {
        throw UsageError("missing command");
    }
    if (words[0] == "help" || words[0] == "--help") {
        out << Usage();
        return;
    }
    if (words[0] == "--version") {
        out << "qvsql " << QVSQL_VERSION << '\n';
        return;
    }
    for (const Command& command : CommandTable()) {
        if (words[0] != command.name) {
            continue;
        }
        std::vector<std::string> rest(words.begin() + 1, words.end());
        command.run(CommandLine::Parse(rest, command.options), in, out);
        return;
    }
    throw UsageError("unknown command " + words[0]);
}

const char* Commands::Usage() {
    return "usage:\n"
           "  qvsql quote [--grouping CHARS] NAME\n"
           "  qvsql split [--grouping CHARS]          < statement\n"
           "  qvsql compose                           < snapshot.json\n"
           "  qvsql readback                          < request.json\n"
           "  qvsql translate --file PATH [--section NAME] TEXT\n"
           "  qvsql string-file-path EXE_PATH [LANGUAGE_INDEX]\n"
           "  qvsql --help | --version\n"
           "Options take their value as the next word or after \"=\" (--grouping=\"\"); \"--\"\n"
           "ends the options. Status: 0 done, 1 output failed, 2 bad usage or input.\n";
}

} // namespace qvsql::cli
