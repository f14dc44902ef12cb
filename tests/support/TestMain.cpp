#include "TestMain.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/stat.h>

namespace kvtest {

static std::string& testRoot()
{
    static std::string root;
    return root;
}

void prepareEnvironment()
{
    char tmpl[] = "/tmp/kvtest-XXXXXX";
    const char* root = ::mkdtemp(tmpl);
    if (!root)
        std::abort();
    const std::string base(root);
    testRoot() = base;
    std::atexit([] {
        std::error_code ignored;
        std::filesystem::remove_all(testRoot(), ignored);
    });
    for (const char* sub : {"/home", "/data", "/config", "/runtime", "/cache"})
        ::mkdir((base + sub).c_str(), 0700);
    ::setenv("HOME", (base + "/home").c_str(), 1);
    ::setenv("XDG_DATA_HOME", (base + "/data").c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (base + "/config").c_str(), 1);
    ::setenv("XDG_RUNTIME_DIR", (base + "/runtime").c_str(), 1);
    ::setenv("XDG_CACHE_HOME", (base + "/cache").c_str(), 1);
    // No test reaches the desktop: no notifications on the user's screen.
    ::unsetenv("DBUS_SESSION_BUS_ADDRESS");
    // Offscreen with a desktop-sized screen, so the main window fits as it
    // does for a user, unless another platform is asked for.
    const char* platform = ::getenv("QT_QPA_PLATFORM");
    if (!platform || std::string(platform) == "offscreen") {
        const std::string skaerm = base + "/skaerm.json";
        std::ofstream(skaerm) << R"({"screens": [{"name": "skaerm", "x": 0, "y": 0, "width": 1920, "height": 1200, "logicalDpi": 96}]})";
        ::setenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + skaerm).c_str(), 1);
    }
}

} // namespace kvtest
