#include "start_trials.h"

#include "rules.h"

#include <cassert>

void StartTrials::Follow(const CBoard& start) {
    if (m_following && SameRecord(start, m_start)) {
        return;
    }
    m_start = start;
    m_following = true;
    m_trials.clear();
    m_trials.resize(sizeof m_start.m_candidate); // one for each candidate flag
}

const StartTrials::Trial& StartTrials::Get(int c, int r, unsigned char d) {
    assert(m_following && m_start.IsCandidate(c, r, d));
    std::unique_ptr<Trial>& slot = m_trials[static_cast<std::size_t>(FlagIndex(c, r, d))];
    if (!slot) {
        slot = std::make_unique<Trial>();
        slot->result = m_start;
        slot->result.Place(c, r, d);
        const bool settled = RunRulesToFixpointUnlessStuck(slot->result);
        slot->solved = settled && slot->result.IsSolved();
        slot->deadEnd = !settled || slot->result.IsDeadEnd();
    }
    return *slot;
}
