#pragma once
// Where the program and the user's files live. Every folder text ends in the path separator.
#include <string>

namespace tarvo::platform {

constexpr char kPathSeparator = '/';

// Folder of the running program file.
std::string programFolder();
// The per-user cache folder of this program ($XDG_CACHE_HOME/tarvoip/, default ~/.cache/tarvoip/),
// created when missing. Empty when no home folder can be found.
std::string userCacheFolder();
// The per-user configuration folder ($XDG_CONFIG_HOME/tarvoip/, default ~/.config/tarvoip/),
// created when missing. Empty when no home folder can be found.
std::string userConfigFolder();
// The user's XDG configuration root ($XDG_CONFIG_HOME or ~/.config/), not created.
std::string userConfigRoot();
// True when a file can be created in `folder`.
bool folderWritable(const std::string& folder);

}  // namespace tarvo::platform
