#include "core/app/session_bus.h"

#include <cstdlib>
#include <string_view>

namespace zav {

namespace {

// libdbus runs the one in its own folder, then looks along PATH as execvp does: an empty entry
// is the working folder, and no PATH at all is the C library's default.
bool LauncherFound(const char* path,
                   const std::function<bool(const std::filesystem::path&)>& exists) {
    if (exists("/usr/bin/dbus-launch")) return true;
    std::string_view rest = path ? path : "/bin:/usr/bin";
    for (;;) {
        const std::size_t colon = rest.find(':');
        const std::string_view folder = rest.substr(0, colon);
        if (exists(std::filesystem::path(folder.empty() ? "." : folder) / "dbus-launch"))
            return true;
        if (colon == std::string_view::npos) return false;
        rest = rest.substr(colon + 1);
    }
}

}  // namespace

std::string UnreachableBusAddress(const BusEnvironment& environment,
                                  const std::function<bool(const std::filesystem::path&)>& exists) {
    if (environment.address || !environment.runtimeDir || !*environment.runtimeDir) return {};
    const std::filesystem::path userBus = std::filesystem::path(environment.runtimeDir) / "bus";
    if (exists(userBus) || LauncherFound(environment.path, exists)) return {};
    return "unix:path=" + userBus.string();
}

void SkipImpossibleBusLaunch() {
    const BusEnvironment environment{std::getenv("DBUS_SESSION_BUS_ADDRESS"),
                                     std::getenv("XDG_RUNTIME_DIR"), std::getenv("PATH")};
    const std::string address =
        UnreachableBusAddress(environment, [](const std::filesystem::path& file) {
            std::error_code ignored;
            return std::filesystem::exists(file, ignored);
        });
    if (!address.empty()) setenv("DBUS_SESSION_BUS_ADDRESS", address.c_str(), 0);
}

}  // namespace zav
