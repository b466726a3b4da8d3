#pragma once
#include <string>

namespace tarvo {

// The account of the last successful login; texts as typed, `dataJson` as the reply's data text.
struct AccountInfo {
    std::string userName;
    std::string password;
    std::string dataJson;
};

}  // namespace tarvo
