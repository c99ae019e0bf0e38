#pragma once

#include "base/array.h"
#include "board.h"
#include "crc_list_index.h"
#include "start_trials.h"

#include <vector>

// The puzzle state the search works on, and the search itself: a depth-first search over trial
// placements with the deduction rules run to a fixpoint after each one. The player window
// derives from it; so do the command-line tools. The host supplies what the search needs from
// outside through the hooks below.
//
// The host may run its own message handlers inside two hooks, DrainMessages and SavePuzzleFile,
// and there it may change what its handlers change when no search runs: set up another puzzle
// in m_board and m_start, clear or set m_startSaved, empty m_solutions and m_visited. It must not
// start another search: RunSearch is not re-entrant. The search follows such changes when the
// hook returns (after a drain only if the host says it handled something): it takes m_start as
// the start of every later line of search and goes on from m_board as it finds it, with its
// levels, the cell and digit each stands on, the positions they handed down and m_solutionCount
// all as they were. InvalidateAndUpdate only repaints and changes nothing.
class CPuzzleSearch {
public:
    CPuzzleSearch();
    virtual ~CPuzzleSearch() = default;

    // One complete search on m_board; afterwards m_board holds the last solution, if any.
    void RunSearch();

    // The deepest level the last search reached; the first level is 1.
    int MaxDepth() const { return m_maxDepth; }

    CBoard m_board;             // the current position; the search works on it in place
    CBoard m_start;             // the puzzle's start position; every line of search ends here
    CBoard m_solution;          // the last solved position the search met
    bool m_startSaved = false;  // m_start holds the current puzzle's start position
    bool m_stopAtFirst = false; // true: stop at the first solution, false: at the second
    // The distinct solutions this search has found: what stops it. RunSearch zeroes it with the
    // lists, but a host that empties the lists under a running search (ClearPuzzle) leaves it, so
    // the count and the size of m_solutions then differ: the search still stops where it would
    // have stopped, and the window shows the size of the list.
    int m_solutionCount = 0;
    CArray<Crc32, Crc32> m_solutions; // identity CRCs of the distinct solutions, in order found
    CArray<Crc32, Crc32> m_visited;   // identity CRCs of the positions descended into

protected:
    // Called as a level moves to a new cell: the host may handle what waits in its message
    // queue (how often it actually looks, and what else it does there, is its own affair).
    // Returns whether any message was handled: only then may the host have changed the puzzle
    // under the running search.
    virtual bool DrainMessages() = 0;
    // Invalidates the whole client area and repaints at once: after each new solution, and with
    // the final board at the end of the search.
    virtual void InvalidateAndUpdate() = 0;
    // Offers m_board, a new solution, for saving; m_start is the start it was found from.
    virtual void SavePuzzleFile() = 0;

private:
    // One level of the search: the cell it stands on (its place in the reading order: the cells
    // are tried row by row), the next digit to try there, and the position it handed down to the
    // level below.
    struct Level {
        int cell = 0;
        unsigned char digit = 0; // 0: the cell has not been entered yet
        CBoard handedDown;
    };

    // Runs every level of the search, not one: the levels are a stack on the heap (m_levels),
    // entered and left in a loop, so that the depth, which grows with the positions visited, is
    // bounded by memory rather than by the thread's stack.
    void SearchLevel();
    void EnterCell();
    void TryDigit(int c, int r, unsigned char d);
    void TryOnStart(int c, int r, unsigned char d);
    void TryOnBoard(int c, int r, unsigned char d);
    void Descend();
    void ReturnFromLevel();
    void BackToStart();
    void RecordSolution();
    bool StopReached() const;
    void FollowHostChanges();

    std::vector<Level> m_levels; // the levels of the running search, innermost last
    bool m_returning = false;    // the innermost level has returned
    bool m_boardIsStart = false; // m_board is an exact copy of m_start
    int m_maxDepth = 0;
    CrcListIndex m_visitedIndex;
    CrcListIndex m_solutionIndex;
    StartTrials m_startTrials;
};
