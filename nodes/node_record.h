#pragma once
// One VPN node, one province group, and the catalogue of every node with its lock.
#include <cstdint>
#include <string>
#include <vector>

#include "support/critical_section_lock.h"

namespace tarvo {

struct NodeRecord {
    std::string province;
    std::string city;
    std::string domain;  // lower-cased; the node's identity
    std::string url;     // lower-cased; carried and stored only
    std::string isp;
    int64_t update_time = 0;
    int32_t status = 0;  // 0 normal, -1 abandoned, other: fault
    int32_t YanChi = 0;  // latency kept by the client; negative: unreachable
    int32_t ShouCang = 0;
    int32_t linkState = 0;  // 1 connecting, 2 connected, 3 disconnecting, 4 (or 0) disconnected
    int32_t useCount = 0;
    int32_t seenStamp = 0;
};

struct NodeGroup {
    std::string name;
    std::vector<NodeRecord> nodes;
};

struct NodeCatalogue {
    CriticalSectionLock lock;  // created with the main window; guards every record below
    std::vector<NodeGroup> groups;
};

}  // namespace tarvo
