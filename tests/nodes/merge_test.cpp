#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "nodes/node_catalogue.h"

using namespace tarvo;

namespace {

NodeRecord node(std::string province, std::string domain, std::string city = "c",
                int32_t status = 0) {
    NodeRecord n;
    n.province = std::move(province);
    n.domain = std::move(domain);
    n.city = std::move(city);
    n.status = status;
    n.linkState = 4;
    return n;
}

// "province:domain/city/status" for every node, group by group, so whole results compare at once.
std::string dump(const std::vector<NodeGroup>& groups) {
    std::string out;
    for (const auto& g : groups) {
        if (!out.empty()) out += " ";
        out += "[" + g.name + "]";
        for (const auto& n : g.nodes)
            out += " " + n.domain + "/" + n.city + "/" + std::to_string(n.status);
    }
    return out;
}

std::vector<NodeGroup> groupsOf(std::vector<NodeRecord> nodes) {
    std::vector<NodeGroup> groups;
    for (auto& n : nodes) {
        int g = findGroupByName(groups, n.province);
        if (g == 0) {
            groups.push_back({n.province, {}});
            g = static_cast<int>(groups.size());
        }
        groups[g - 1].nodes.push_back(n);
    }
    return groups;
}

}  // namespace

TEST(NodeRef, PacksGroupLowAndNodeHigh) {
    EXPECT_EQ(NodeRef::make(3, 2), 3 + 2 * 65536);
    EXPECT_EQ(NodeRef::group(NodeRef::make(3, 2)), 3);
    EXPECT_EQ(NodeRef::node(NodeRef::make(3, 2)), 2);
    EXPECT_EQ(NodeRef::node(NodeRef::make(7, 0)), 0);
    EXPECT_EQ(NodeRef::group(NodeRef::make(65535, 40000)), 65535);     // low half unsigned
    EXPECT_EQ(NodeRef::node(NodeRef::make(1, 40000)), 40000 - 65536);  // high half signed
}

TEST(LowerAscii, OnlyLettersAtoZ) {
    std::string s = "GD-SZ.Example.NET\xB9\xE3\xB6\xAB";  // GBK bytes stay whole
    lowerAsciiInPlace(s);
    EXPECT_EQ(s, "gd-sz.example.net\xB9\xE3\xB6\xAB");
}

struct MergeCase {
    const char* what;
    std::vector<NodeRecord> catalogue;
    std::vector<NodeRecord> download;
    const char* expected;
};

TEST(MergeNodeList, Consequences) {
    const std::vector<MergeCase> cases = {
        {"new nodes of a known province are appended last-first",
         {node("A", "a1")},
         {node("A", "a1"), node("A", "n1"), node("A", "n2"), node("A", "n3")},
         "[A] a1/c/0 n3/c/0 n2/c/0 n1/c/0"},
        {"known node takes city and status; order of the catalogue never changes",
         {node("A", "a1"), node("A", "a2")},
         {node("A", "a2", "new", 5), node("A", "a1", "x")},
         "[A] a1/x/0 a2/new/5"},
        {"node missing from the download is abandoned in place, its province kept",
         {node("A", "a1"), node("B", "b1"), node("A", "a2")},
         {node("A", "a2")},
         "[A] a1/c/-1 a2/c/0 [B] b1/c/-1"},
        {"abandoned node comes back with the server's status",
         {node("A", "a1", "c", -1)},
         {node("A", "a1", "c", 3)},
         "[A] a1/c/3"},
        {"two nodes of one domain in a known province: one node, values of the first",
         {node("A", "a1")},
         {node("A", "d", "first", 1), node("A", "d", "second", 2)},
         "[A] a1/c/-1 d/first/1"},
        {"two nodes of one domain already known: the first in reply order wins",
         {node("A", "d", "old")},
         {node("A", "d", "first", 1), node("A", "d", "second", 2)},
         "[A] d/first/1"},
        {"in a new province both nodes of one domain stay",
         {node("A", "a1")},
         {node("A", "a1"), node("N", "d", "first"), node("N", "d", "second")},
         "[A] a1/c/0 [N] d/first/0 d/second/0"},
        {"new provinces are appended in download order",
         {node("A", "a1")},
         {node("Z", "z1"), node("A", "a1"), node("Y", "y1")},
         "[A] a1/c/0 [Z] z1/c/0 [Y] y1/c/0"},
        {"empty catalogue takes the download as it is",
         {},
         {node("A", "a1"), node("B", "b1"), node("A", "a2")},
         "[A] a1/c/0 a2/c/0 [B] b1/c/0"},
    };
    int32_t stamp = 100;
    for (const auto& c : cases) {
        auto groups = groupsOf(c.catalogue);
        auto down = groupsOf(c.download);
        mergeNodeListWithStamp(groups, down, ++stamp);
        EXPECT_EQ(dump(groups), c.expected) << c.what;
        EXPECT_TRUE(down.empty()) << c.what;
    }
}

TEST(MergeNodeList, KeepsWhatTheClientKnows) {
    auto groups = groupsOf({node("A", "a1")});
    NodeRecord& known = groups[0].nodes[0];
    known.YanChi = 35;
    known.ShouCang = 1;
    known.useCount = 4;
    known.update_time = 111;
    known.linkState = 2;
    NodeRecord fresh = node("A", "a1", "new", 0);
    fresh.update_time = 999;
    fresh.url = "http://new";
    fresh.isp = "联通";
    auto down = groupsOf({fresh});
    mergeNodeListWithStamp(groups, down, 7);
    const NodeRecord& n = groups[0].nodes[0];
    EXPECT_EQ(n.YanChi, 35);
    EXPECT_EQ(n.ShouCang, 1);
    EXPECT_EQ(n.useCount, 4);
    EXPECT_EQ(n.update_time, 111);  // server timestamp changes do not reach a known node
    EXPECT_EQ(n.linkState, 2);
    EXPECT_EQ(n.city, "new");
    EXPECT_EQ(n.url, "http://new");
    EXPECT_EQ(n.isp, "联通");
    EXPECT_EQ(n.seenStamp, 7);
}

TEST(MergeNodeList, BackToBackMergesStillMarkAbandonedNodes) {
    // Two merges within the same millisecond must not share a stamp, or nodes the second
    // download dropped would stay offered.
    auto groups = groupsOf({node("A", "a1"), node("A", "a2")});
    auto first = groupsOf({node("A", "a1"), node("A", "a2")});
    mergeNodeList(groups, first);
    auto second = groupsOf({node("A", "a1")});
    mergeNodeList(groups, second);
    EXPECT_EQ(dump(groups), "[A] a1/c/0 a2/c/-1");
    EXPECT_NE(nextMergeStamp(), 0);
}
