// All walks at once: only the states reached at the last link (`active_`)
// spread, and only the states they reach (`touched_`) are looked at.
#include "engine/AllWalks.h"

namespace engine {

AllWalks::AllWalks(const LinkGraph& graph, const std::vector<int>& starts)
    : graph_(graph), reached_(2 * graph.size(), static_cast<int>(starts.size())),
      frontier_(2 * graph.size(), static_cast<int>(starts.size())),
      next_(2 * graph.size(), static_cast<int>(starts.size())), isTouched_(2 * graph.size(), 0) {
    for (std::size_t walk = 0; walk < starts.size(); ++walk) {
        const int state = starts[walk];
        reached_.insert(state, static_cast<int>(walk));
        if (isTouched_[state] == 0) {
            isTouched_[state] = 1;
            active_.push_back(state);
        }
        frontier_.insert(state, static_cast<int>(walk));
    }
    for (int state : active_)
        isTouched_[state] = 0;
}

bool AllWalks::settle(int state) {
    std::uint64_t* fresh = next_.row(state);
    std::uint64_t* seen = reached_.row(state);
    std::uint64_t* front = frontier_.row(state);
    bool moved = false;
    for (int i = 0; i < next_.words(); ++i) {
        front[i] = fresh[i] & ~seen[i];
        fresh[i] = 0;
        seen[i] |= front[i];
        moved = moved || front[i] != 0;
    }
    return moved;
}

} // namespace engine
