// All walks at once: only the states reached at the last link (`active_`)
// spread, and only the states they reach (`touched_`) are looked at.
#include "engine/ChainBounds.h"

#include <algorithm>

namespace engine {

AllWalks::AllWalks(const LinkGraph& graph, const NodeSets& endsFor)
    : graph_(graph), endsFor_(endsFor), reached_(2 * graph.size(), graph.size()),
      frontier_(2 * graph.size(), graph.size()), next_(2 * graph.size(), graph.size()),
      isTouched_(2 * graph.size(), 0), ended_(graph.size(), 0) {
    for (int start = 0; start < graph.size(); ++start) {
        const int state = ImplicationWalk::stateOf(start, false);
        reached_.insert(state, start);
        frontier_.insert(state, start);
        active_.push_back(state);
    }
}

std::vector<int> AllWalks::advance() {
    ++links_;
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
    std::vector<int> ended;
    for (int state : touched_) {
        isTouched_[state] = 0;
        if (spread(state, ended))
            active_.push_back(state);
    }
    std::sort(ended.begin(), ended.end());
    return ended;
}

// Moves what reached `state` at this link into its frontier and notes the
// starts for which it is a first end; true when any start reached it first now.
bool AllWalks::spread(int state, std::vector<int>& ended) {
    std::uint64_t* fresh = next_.row(state);
    std::uint64_t* seen = reached_.row(state);
    std::uint64_t* front = frontier_.row(state);
    const std::uint64_t* ends = (state & 1) != 0 ? endsFor_.row(state / 2) : nullptr;
    bool moved = false;
    for (int i = 0; i < next_.words(); ++i) {
        front[i] = fresh[i] & ~seen[i];
        fresh[i] = 0;
        seen[i] |= front[i];
        moved = moved || front[i] != 0;
        for (std::uint64_t hit = ends != nullptr ? front[i] & ends[i] : 0; hit != 0;
             hit &= hit - 1) {
            const int start = 64 * i + std::countr_zero(hit);
            if (ended_[start] == 0) {
                ended_[start] = 1;
                ended.push_back(start);
            }
        }
    }
    return moved;
}

} // namespace engine
