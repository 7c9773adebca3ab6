// zavtool's command lines: any arguments to the commands that only read (the ones that write
// files are left out), with paths that may name the special files. A command ends with status 0
// or 1 and never blocks or reads without end.
#include <fcntl.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "fuzz/check.h"
#include "fuzz/special_files.h"
#include "zavtool/commands.h"

namespace {

using zav::tool::Args;

struct Command {
    const char* name;
    zav::tool::CommandFn run;
};
constexpr Command kCommands[] = {
    {"config", zav::tool::RunConfig},     {"course", zav::tool::RunCourse},
    {"progress", zav::tool::RunProgress}, {"drill", zav::tool::RunDrill},
    {"pages", zav::tool::RunPages},
};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    (void)zav::fuzz::SpecialFiles();
    // The commands' output is not what is tested; the fuzzer's own messages go to stderr.
    const int null = ::open("/dev/null", O_WRONLY);
    ::dup2(null, 1);
    ::close(null);
    return 0;
}

// The input: the command's number, then its arguments separated by 0 bytes.
extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    if (size == 0) return 0;
    const Command& command = kCommands[data[0] % std::size(kCommands)];
    std::vector<std::string> args;
    std::string arg;
    for (std::size_t i = 1; i < size; ++i) {
        if (data[i] == 0) {
            args.push_back(arg);
            arg.clear();
        } else {
            arg.push_back(static_cast<char>(data[i]));
        }
    }
    if (!arg.empty()) args.push_back(arg);
    // Relative paths name the special files.
    if (::chdir(zav::fuzz::SpecialFiles().c_str()) != 0) return 0;
    const int status = command.run(Args(args));
    ZAV_CHECK(status == 0 || status == 1);
    return 0;
}
