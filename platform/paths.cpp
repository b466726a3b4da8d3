#include "platform/paths.h"

#include <limits.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace tarvo::platform {
namespace {

std::string withSeparator(std::string folder) {
    if (folder.empty() || folder.back() != kPathSeparator) folder += kPathSeparator;
    return folder;
}

std::string homeFolder() {
    const char* home = std::getenv("HOME");
    if (home && *home) return home;
    if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir && *pw->pw_dir) return pw->pw_dir;
    return {};
}

// XDG rule: the variable when it holds an absolute path, otherwise HOME + fallback.
std::string xdgRoot(const char* variable, const char* fallback) {
    const char* v = std::getenv(variable);
    if (v && v[0] == '/') return withSeparator(v);
    std::string home = homeFolder();
    if (home.empty()) return {};
    return withSeparator(withSeparator(home) + fallback);
}

bool makeFolders(const std::string& path) {
    for (size_t i = 1; i <= path.size(); ++i) {
        if (i == path.size() || path[i] == kPathSeparator) {
            std::string part = path.substr(0, i);
            if (mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return false;
        }
    }
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string ownFolder(const char* variable, const char* fallback) {
    std::string root = xdgRoot(variable, fallback);
    if (root.empty()) return {};
    std::string folder = root + "tarvoip/";
    return makeFolders(folder) ? folder : std::string();
}

}  // namespace

std::string programFolder() {
    char buf[PATH_MAX];
    ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return "./";
    std::string exe(buf, static_cast<size_t>(n));
    size_t slash = exe.rfind(kPathSeparator);
    return slash == std::string::npos ? "./" : exe.substr(0, slash + 1);
}

std::string userCacheFolder() {
    return ownFolder("XDG_CACHE_HOME", ".cache");
}
std::string userConfigFolder() {
    return ownFolder("XDG_CONFIG_HOME", ".config");
}
std::string userConfigRoot() {
    return xdgRoot("XDG_CONFIG_HOME", ".config");
}

bool folderWritable(const std::string& folder) {
    return !folder.empty() && access(folder.c_str(), W_OK | X_OK) == 0;
}

}  // namespace tarvo::platform
