// The walks of ImplicationWalk from many starts at once, a link at a time, a
// bit per walk: a chain search learns which starts reach one of their ends at
// each length and walks only from those; forcing chains learn how far every
// candidate's implications reach.
#pragma once

#include "engine/LinkGraph.h"

#include <algorithm>
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

// The walks of ImplicationWalk from many starts at once, a link at a time.
class AllWalks {
public:
    // Walk i starts from state starts[i] (2 * node, plus 1 for "true").
    AllWalks(const LinkGraph& graph, const std::vector<int>& starts);

    // Takes every walk one link further, calling reached(state, walks) for each
    // state some walks reached for the first time, with those walks as a set
    // of walkWords() words, a bit a walk.
    template <typename Reached>
    void advance(Reached reached);
    // False once no walk reaches anything new.
    bool moving() const { return !active_.empty(); }
    int walkWords() const { return reached_.words(); }

private:
    // What reached `state` at this link, less what had before, becomes its
    // frontier; true when that is anything.
    bool settle(int state);

    const LinkGraph& graph_;
    // Per state, the walks that reached it: ever, at the last link, and at the
    // link being taken.
    NodeSets reached_, frontier_, next_;
    std::vector<int> active_;
    std::vector<int> touched_;
    std::vector<char> isTouched_;
};

template <typename Reached>
void AllWalks::advance(Reached reached) {
    touched_.clear();
    for (int state : active_) {
        const bool isTrue = (state & 1) != 0;
        for (const GraphLink link : isTrue ? graph_.weak(state / 2) : graph_.strong(state / 2)) {
            const int to = ImplicationWalk::stateOf(link.to, !isTrue);
            if (isTouched_[to] == 0) {
                isTouched_[to] = 1;
                touched_.push_back(to);
            }
            next_.add(to, frontier_.row(state));
        }
    }
    for (int state : active_)
        std::fill_n(frontier_.row(state), frontier_.words(), 0);
    active_.clear();
    for (int state : touched_) {
        isTouched_[state] = 0;
        if (settle(state)) {
            active_.push_back(state);
            reached(state, static_cast<const std::uint64_t*>(frontier_.row(state)));
        }
    }
}

} // namespace engine
