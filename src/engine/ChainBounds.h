// The walks of ImplicationWalk from every node's "false" state at once, a link
// at a time, a bit per start node: a chain search learns which starts can
// reach one of their ends at each length, and walks only from those.
#pragma once

#include "engine/LinkGraph.h"

#include <cstdint>
#include <vector>

namespace engine {

// A set of nodes for each of `rows` rows: a bit per node of `nodes`.
class NodeSets {
public:
    NodeSets(int rows, int nodes)
        : words_((nodes + 63) / 64), bits_(static_cast<std::size_t>(rows) * words_, 0) {}

    int words() const { return words_; }
    std::uint64_t* row(int id) { return bits_.data() + static_cast<std::size_t>(id) * words_; }
    const std::uint64_t* row(int id) const {
        return bits_.data() + static_cast<std::size_t>(id) * words_;
    }
    void insert(int id, int node) { row(id)[node / 64] |= std::uint64_t{1} << (node % 64); }
    // Row `id` |= `other`, a row of another NodeSets of as many nodes.
    void add(int id, const std::uint64_t* other) {
        std::uint64_t* into = row(id);
        for (int i = 0; i < words_; ++i)
            into[i] |= other[i];
    }

private:
    int words_;
    std::vector<std::uint64_t> bits_;
};

class AllWalks {
public:
    // `endsFor`: for each node e, the start nodes for which "e true" ends a chain.
    AllWalks(const LinkGraph& graph, const NodeSets& endsFor);

    // Takes every walk one link further; the starts that reach one of their ends
    // for the first time, in order.
    std::vector<int> advance();
    // False once no walk reaches anything new.
    bool moving() const { return !active_.empty(); }

private:
    bool spread(int state, std::vector<int>& ended);

    const LinkGraph& graph_;
    const NodeSets& endsFor_;
    int links_ = 0;
    // Per state (2 * node, plus 1 for "true"), the starts that reached it: ever,
    // at the last link, and at the link being taken.
    NodeSets reached_, frontier_, next_;
    std::vector<int> active_;
    std::vector<int> touched_;
    std::vector<char> isTouched_;
    std::vector<char> ended_;
};

} // namespace engine
