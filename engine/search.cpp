#include "search.h"

#include "rules.h"

#include <new>

CPuzzleSearch::CPuzzleSearch() {
    m_board.Init();
    m_start.Init();
    m_solution.Init();
}

void CPuzzleSearch::RunSearch() {
    m_solutionCount = 0;
    m_solutions.RemoveAll();
    m_visited.RemoveAll();
    if (!m_startSaved) {
        m_start = m_board;
        m_startSaved = true;
    }
    m_maxDepth = 0;
    try {
        SearchLevel();
    } catch (const std::bad_alloc&) {
        // Out of memory for another level or list entry: the search ends here and keeps the
        // solutions it has found.
        m_levels.clear();
        m_levels.shrink_to_fit();
    }
    if (m_solutions.GetSize() > 0) {
        m_board = m_solution;
    }
    InvalidateAndUpdate();
}

void CPuzzleSearch::SearchLevel() {
    m_levels.clear();
    m_levels.emplace_back();
    m_maxDepth = 1;
    FollowHostChanges();
    while (!m_levels.empty()) {
        Level& level = m_levels.back();
        if (level.digit == 0) {
            if (level.cell == 81) {
                ReturnFromLevel();
                continue;
            }
            EnterCell();
        }
        if (m_levels.back().digit == 10) {
            ++m_levels.back().cell;
            m_levels.back().digit = 0;
            continue;
        }
        if (StopReached()) {
            ReturnFromLevel();
            continue;
        }
        const CellPos cell = CellOfReadingIndex(m_levels.back().cell);
        const unsigned char d = m_levels.back().digit++;
        TryDigit(cell.col, cell.row, d);
        if (m_returning) {
            m_returning = false;
            ReturnFromLevel();
        }
    }
}

void CPuzzleSearch::EnterCell() {
    if (DrainMessages()) {
        FollowHostChanges();
    }
    m_levels.back().digit = 1;
}

bool CPuzzleSearch::StopReached() const {
    return m_solutionCount > 1 || (m_solutionCount == 1 && m_stopAtFirst);
}

void CPuzzleSearch::TryDigit(int c, int r, unsigned char d) {
    if (!m_board.IsCandidate(c, r, d)) {
        return;
    }
    if (m_boardIsStart) {
        TryOnStart(c, r, d);
    } else {
        TryOnBoard(c, r, d);
    }
}

// A trial on the start position: its outcome is looked up. Lines that end at once leave
// m_board untouched, since it would only be set back to the start.
void CPuzzleSearch::TryOnStart(int c, int r, unsigned char d) {
    const StartTrials::Trial& trial = m_startTrials.Get(c, r, d);
    if (trial.solved) {
        m_board = trial.result;
        RecordSolution();
        BackToStart();
        m_returning = m_stopAtFirst;
    } else if (!trial.deadEnd && !m_visitedIndex.Contains(m_visited, trial.result.IdentityCrc())) {
        m_board = trial.result;
        Descend();
    }
}

// A trial that gets stuck is a dead end; the board is set back to the start before anyone
// could see it part-way.
void CPuzzleSearch::TryOnBoard(int c, int r, unsigned char d) {
    m_board.Place(c, r, d);
    if (!RunRulesToFixpointUnlessStuck(m_board)) {
        BackToStart();
    } else if (m_board.IsSolved()) {
        RecordSolution();
        BackToStart();
        m_returning = m_stopAtFirst;
    } else if (m_board.IsDeadEnd() || m_visitedIndex.Contains(m_visited, m_board.IdentityCrc())) {
        BackToStart();
    } else {
        Descend();
    }
}

void CPuzzleSearch::Descend() {
    m_visited.Add(m_board.IdentityCrc());
    m_levels.back().handedDown = m_board;
    m_levels.emplace_back();
    m_boardIsStart = false;
    if (static_cast<int>(m_levels.size()) > m_maxDepth) {
        m_maxDepth = static_cast<int>(m_levels.size());
    }
}

// The enclosing level goes on with the position it handed down, at its next digit.
void CPuzzleSearch::ReturnFromLevel() {
    m_levels.pop_back();
    if (!m_levels.empty()) {
        m_board = m_levels.back().handedDown;
        m_boardIsStart = false;
    }
}

void CPuzzleSearch::BackToStart() {
    m_board = m_start;
    m_boardIsStart = true;
}

void CPuzzleSearch::RecordSolution() {
    if (!m_solutionIndex.Contains(m_solutions, m_board.IdentityCrc())) {
        m_solutions.Add(m_board.IdentityCrc());
        ++m_solutionCount;
        InvalidateAndUpdate();
        SavePuzzleFile();
        FollowHostChanges();
    }
    m_solution = m_board;
}

// The host's message handling may have set up another puzzle under the running search.
void CPuzzleSearch::FollowHostChanges() {
    m_startTrials.Follow(m_start);
    m_boardIsStart = SameRecord(m_board, m_start);
}
