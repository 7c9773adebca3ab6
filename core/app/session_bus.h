#pragma once
// Where the programs find the desktop's session bus. Asked for it with no address set, libdbus
// takes the user bus socket in the runtime folder if there is one, and otherwise forks the whole
// program to run dbus-launch, even where dbus-launch is not installed. The fork comes while the
// first window is being built and slows it by several milliseconds; where no bus can be had,
// the programs say so instead.
#include <filesystem>
#include <functional>
#include <string>

namespace zav {

// What libdbus reads from the environment.
struct BusEnvironment {
    const char* address = nullptr;     // DBUS_SESSION_BUS_ADDRESS
    const char* runtimeDir = nullptr;  // XDG_RUNTIME_DIR
    const char* path = nullptr;        // PATH
};

// The address that names the missing user bus, so that libdbus gives up at once; empty where an
// address is set, the user bus is there, dbus-launch could start one, or there is no runtime
// folder to name.
std::string UnreachableBusAddress(const BusEnvironment& environment,
                                  const std::function<bool(const std::filesystem::path&)>& exists);

// Sets that address in the environment; called first thing in `main`, before any thread runs.
void SkipImpossibleBusLaunch();

}  // namespace zav
