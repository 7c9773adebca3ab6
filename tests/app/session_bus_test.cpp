#include "core/app/session_bus.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace zav {
namespace {

TEST(SessionBusTest, NamesTheMissingUserBusOnlyWhereNoBusCanBeHad) {
    struct Case {
        const char* what;
        BusEnvironment environment;
        std::set<std::string> files;
        std::string address;
    };
    const BusEnvironment plain{nullptr, "/run/user/1000", "/usr/local/bin::/bin"};
    const Case cases[] = {
        {"nothing to be had", plain, {}, "unix:path=/run/user/1000/bus"},
        {"address set", {"unix:path=/tmp/b", "/run/user/1000", "/bin"}, {}, ""},
        {"empty address set", {"", "/run/user/1000", "/bin"}, {}, ""},
        {"user bus there", plain, {"/run/user/1000/bus"}, ""},
        {"launcher in its folder", plain, {"/usr/bin/dbus-launch"}, ""},
        {"launcher along PATH", plain, {"/bin/dbus-launch"}, ""},
        {"launcher in the working folder", plain, {"./dbus-launch"}, ""},
        {"launcher in the default PATH",
         {nullptr, "/run/user/7", nullptr},
         {"/bin/dbus-launch"},
         ""},
        {"no runtime folder", {nullptr, nullptr, "/bin"}, {}, ""},
        {"no PATH", {nullptr, "/run/user/7", nullptr}, {}, "unix:path=/run/user/7/bus"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(UnreachableBusAddress(c.environment,
                                        [&](const std::filesystem::path& file) {
                                            return c.files.count(file.string()) > 0;
                                        }),
                  c.address);
    }
}

}  // namespace
}  // namespace zav
