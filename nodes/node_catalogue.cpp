#include "nodes/node_catalogue.h"

#include <atomic>
#include <chrono>
#include <string>
#include <unordered_map>

namespace tarvo {

int findGroupByName(const std::vector<NodeGroup>& groups, std::string_view name) {
    for (size_t i = 0; i < groups.size(); ++i)
        if (groups[i].name == name) return static_cast<int>(i + 1);
    return 0;
}

int findNodeByDomain(const NodeGroup& group, std::string_view domain) {
    for (size_t i = 0; i < group.nodes.size(); ++i)
        if (group.nodes[i].domain == domain) return static_cast<int>(i + 1);
    return 0;
}

void lowerAsciiInPlace(std::string& text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
}

int32_t nextMergeStamp() {
    static std::atomic<int32_t> last{0};
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                  std::chrono::steady_clock::now().time_since_epoch())
                  .count();
    auto stamp = static_cast<int32_t>(static_cast<uint32_t>(ms));
    int32_t prev = last.load();
    for (;;) {
        int32_t s = stamp;
        if (s == prev || s == 0) s = prev + 1 == 0 ? 1 : prev + 1;
        if (last.compare_exchange_weak(prev, s)) return s;
    }
}

void mergeNodeList(std::vector<NodeGroup>& groups, std::vector<NodeGroup>& downloaded) {
    mergeNodeListWithStamp(groups, downloaded, nextMergeStamp());
}

void mergeNodeListWithStamp(std::vector<NodeGroup>& groups, std::vector<NodeGroup>& downloaded,
                            int32_t stamp) {
    // Hash indexes give the same answers as the first-match linear searches: each maps a key to
    // its first occurrence, and appended nodes only enter when their domain is not there yet.
    std::unordered_map<std::string_view, size_t> groupIndex;
    groupIndex.reserve(groups.size() * 2);
    for (size_t i = 0; i < groups.size(); ++i) groupIndex.emplace(groups[i].name, i);

    std::vector<bool> keep(downloaded.size(), true);
    std::unordered_map<std::string, size_t> domainIndex;
    for (size_t d = downloaded.size(); d-- > 0;) {
        auto found = groupIndex.find(downloaded[d].name);
        if (found == groupIndex.end()) continue;
        NodeGroup& target = groups[found->second];
        domainIndex.clear();
        domainIndex.reserve(target.nodes.size() + downloaded[d].nodes.size());
        for (size_t i = 0; i < target.nodes.size(); ++i)
            domainIndex.emplace(target.nodes[i].domain, i);
        auto& fresh = downloaded[d].nodes;
        for (size_t n = fresh.size(); n-- > 0;) {
            NodeRecord& node = fresh[n];
            auto hit = domainIndex.find(node.domain);
            if (hit != domainIndex.end()) {
                NodeRecord& known = target.nodes[hit->second];
                known.seenStamp = stamp;
                known.city = std::move(node.city);
                known.status = node.status;
                known.url = std::move(node.url);
                known.isp = std::move(node.isp);
            } else {
                node.seenStamp = stamp;
                domainIndex.emplace(node.domain, target.nodes.size());
                target.nodes.push_back(std::move(node));
            }
        }
        keep[d] = false;
    }

    for (NodeGroup& group : groups)
        for (NodeRecord& node : group.nodes)
            if (node.seenStamp != stamp) node.status = -1;

    for (size_t d = 0; d < downloaded.size(); ++d)
        if (keep[d]) groups.push_back(std::move(downloaded[d]));
    downloaded.clear();
}

}  // namespace tarvo
