#pragma once
// Catalogue operations: node references, look-ups and the merge of a downloaded list.
#include <cstdint>
#include <string_view>
#include <vector>

#include "nodes/node_record.h"

namespace tarvo {

// A 32-bit reference carried by list rows: low 16 bits the 1-based group index, high 16 bits
// the 1-based node index within the group (0 for the group's own row).
struct NodeRef {
    static int32_t make(int group, int node) {
        return static_cast<int32_t>(static_cast<uint32_t>(group & 0xFFFF) |
                                    (static_cast<uint32_t>(node & 0xFFFF) << 16));
    }
    static int group(int32_t ref) { return static_cast<uint16_t>(static_cast<uint32_t>(ref)); }
    static int node(int32_t ref) {
        return static_cast<int16_t>(static_cast<uint16_t>(static_cast<uint32_t>(ref) >> 16));
    }
};

// 1-based index of the first group named `name`, 0 if none. Exact, case-sensitive.
int findGroupByName(const std::vector<NodeGroup>& groups, std::string_view name);
// 1-based index of the first node of `group` whose domain is `domain`, 0 if none.
int findNodeByDomain(const NodeGroup& group, std::string_view domain);

// Merges freshly parsed groups into the catalogue's groups (the caller holds the catalogue's
// lock): known nodes take the new city, status, url and isp and keep everything the client knows;
// nodes new to a known province are appended last-first; catalogue nodes the download did not
// list turn abandoned (status -1) in place; unknown provinces are appended in download order.
// `downloaded` is consumed. Cost is linear in the sizes of both lists.
void mergeNodeList(std::vector<NodeGroup>& groups, std::vector<NodeGroup>& downloaded);
// The same with the merge stamp given (tests). `stamp` must differ from every stamp already in
// the catalogue for the abandoned marking to be right.
void mergeNodeListWithStamp(std::vector<NodeGroup>& groups, std::vector<NodeGroup>& downloaded,
                            int32_t stamp);
// The stamp of the next merge: the uptime in milliseconds, made distinct from the previous
// merge's stamp and from 0 (the stamp of a node nobody has merged yet).
int32_t nextMergeStamp();

// Lower-cases the single-byte letters A-Z only; every other byte, multi-byte characters
// included, stays as it is.
void lowerAsciiInPlace(std::string& text);

}  // namespace tarvo
