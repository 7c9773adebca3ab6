// zavtool: a command-line companion over the tutor's core, for course authors and teachers.
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "zavtool/commands.h"

namespace {

using namespace zav::tool;

struct Command {
    std::string_view name;
    std::string_view usage;
    CommandFn run;
};

// One line per command.
constexpr Command kCommands[] = {
    {"config", "config FOLDER                  effective settings of FOLDER/config.txt", RunConfig},
    {"course", "course FILE                    sections and exercises of a course", RunCourse},
    {"new", "new OUT.zav [--config FOLDER] [--course PATH]   progress file of a new document",
     RunNew},
    {"progress", "progress FILE.zav [--config FOLDER]   a progress file and its figures",
     RunProgress},
    {"drill", "drill [--fingers FILE] [--layout N] [--extra] [--count N] LETTERS   drills",
     RunDrill},
    {"report", "report FILE.zav OUT.html [--config FOLDER]   evaluation report", RunReport},
    {"pages", "pages TABLE INDEX...           help page chosen for each exercise index", RunPages},
    {"journal",
     "journal [FILE.zav] [--since DATE] [--csv] [--keys] [--journal PATH]   days or keys",
     RunJournal},
};

void PrintHelp(std::FILE* to) {
    std::fputs("usage: zavtool COMMAND [ARGUMENTS]\n\ncommands:\n", to);
    for (const auto& command : kCommands) {
        std::fprintf(to, "  %.*s\n", static_cast<int>(command.usage.size()), command.usage.data());
    }
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        PrintHelp(stderr);
        return 1;
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        PrintHelp(stdout);
        return 0;
    }
    for (const auto& command : kCommands) {
        if (args[0] == command.name) {
            return command.run(Args(args).subspan(1));
        }
    }
    Fail("unknown command '" + args[0] + "' (zavtool --help lists the commands)");
    return 1;
}
