#include "cli/CliCommands.h"
#include "cli/CliOptions.h"
#include "cli/CliOutput.h"

#include <cstdio>
#include <string>
#include <variant>
#include <vector>

int main(int argc, char **argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const std::variant<CliOptions, CliStop> parsed = ParseArguments(arguments);
    if (const CliOptions *options = std::get_if<CliOptions>(&parsed))
        return RunCommand(*options);

    const CliStop &stop = std::get<CliStop>(parsed);
    switch (stop.kind) {
    case CliStop::Kind::Help:
        std::fputs(UsageText().c_str(), stdout);
        return kExitDone;
    case CliStop::Kind::Version:
        std::fputs("lumavert-cli " LUMAVERT_VERSION "\n", stdout);
        return kExitDone;
    case CliStop::Kind::UsageError:
        break;
    }
    ReportProblem(stop.message);
    std::fputs("Try 'lumavert-cli --help'.\n", stderr);
    return kExitUsage;
}
