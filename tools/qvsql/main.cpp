// qvsql: the statement engine and the text translation on the command line.
#include "tools/qvsql/CliError.h"
#include "tools/qvsql/Commands.h"

#include <exception>
#include <iostream>

int main(int argc, char** argv) {
    using qvsql::cli::Commands;
    std::vector<std::string> words(argv + 1, argv + argc);
    try {
        Commands::Run(words, std::cin, std::cout);
        std::cout.flush();
        return std::cout ? 0 : 1;
    } catch (const qvsql::cli::CliError& error) {
        std::cerr << "qvsql: " << error.what() << '\n';
        if (error.IsUsage()) {
            std::cerr << Commands::Usage();
        }
        return 2;
    } catch (const std::exception& error) {
        std::cerr << "qvsql: " << error.what() << '\n';
        return 1;
    }
}
