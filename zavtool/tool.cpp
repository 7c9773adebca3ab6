#include "zavtool/tool.h"

#include <cstdio>
#include <system_error>

namespace zav::tool {

void Out(std::string_view bytes) {
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
}

int Fail(std::string_view message) {
    std::fputs("zavtool: ", stderr);
    std::fwrite(message.data(), 1, message.size(), stderr);
    std::fputc('\n', stderr);
    return 1;
}

void Notice(std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fputc('\n', stderr);
}

std::filesystem::path ToolFolder() {
    std::error_code error;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::current_path(error) : self.parent_path();
}

bool ParseOptions(Args args, std::initializer_list<std::string_view> allowed, Options& options) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.size() < 2 || arg.compare(0, 2, "--") != 0) {
            options.positional.push_back(arg);
            continue;
        }
        const std::string_view name = std::string_view(arg).substr(2);
        bool known = false;
        for (auto a : allowed) known = known || a == name;
        if (!known || i + 1 >= args.size()) return false;
        (name == "config" ? options.config : options.course) = args[++i];
    }
    return true;
}

}  // namespace zav::tool
