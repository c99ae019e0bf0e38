#pragma once

#include "board.h"

#include <memory>
#include <vector>

// A trial placement and the deduction after it always lead to the same position when made on
// the same position. Most trials of a search are made on the start position, so their outcomes
// are worked out once per start position and looked up afterwards.
class StartTrials {
public:
    struct Trial {
        CBoard result; // the position after the placement and the rules' fixpoint; not kept
                       // complete for a dead end, which is never looked at
        bool solved;
        bool deadEnd;
    };

    // Forgets every outcome when the start position is no longer the one they were made on.
    void Follow(const CBoard& start);

    // The outcome of placing d at (c, r) on the followed start position, where d is a candidate.
    const Trial& Get(int c, int r, unsigned char d);

private:
    CBoard m_start{};
    bool m_following = false;
    std::vector<std::unique_ptr<Trial>> m_trials;
};
