#pragma once

#include "engine/board.h"
#include "tests/engine/reference_crc.h"
#include "tests/engine/reference_rules.h"

#include <algorithm>
#include <functional>
#include <vector>

// The search in its plainest form, kept to check the engine's search against: recursion with
// one board per level, the rules as plainly stated, every key computed bit by bit from the
// values, and every membership test reading its whole list.
class ReferenceSearch {
public:
    CBoard board;
    CBoard start;
    CBoard solution;
    bool startSaved = false;
    bool stopAtFirst = false;
    int solutionCount = 0;
    int maxDepth = 0;
    std::vector<Crc32> solutions;
    std::vector<Crc32> visited;
    std::function<void()> onDrain = [] {};
    std::function<void()> onSave = [] {};

    ReferenceSearch() {
        board.Init();
        start.Init();
        solution.Init();
    }

    static Crc32 Key(const CBoard& b) { return ReferenceCrcUpdate(kCrcStart, b.m_value, 81); }

    void Run() {
        solutionCount = 0;
        solutions.clear();
        visited.clear();
        if (!startSaved) {
            start = board;
            startSaved = true;
        }
        maxDepth = 0;
        Level(1);
        if (!solutions.empty()) {
            board = solution;
        }
    }

private:
    static bool Contains(const std::vector<Crc32>& list, Crc32 key) {
        bool found = false;
        for (Crc32 entry : list) {
            found = found || entry == key;
        }
        return found;
    }

    void Fixpoint() {
        Crc32 before;
        do {
            before = Key(board);
            reference::ApplyPointing(board);
            reference::ApplyNakedSubsets(board);
            reference::ApplyBoxHiddenSingles(board);
            reference::ApplyNakedSingles(board);
        } while (Key(board) != before);
    }

    void Record() {
        if (!Contains(solutions, Key(board))) {
            solutions.push_back(Key(board));
            ++solutionCount;
            onSave();
        }
        solution = board;
    }

    void Level(int depth) {
        maxDepth = std::max(maxDepth, depth);
        CBoard local;
        for (int r = 0; r < 9; ++r) {
            for (int c = 0; c < 9; ++c) {
                onDrain();
                for (unsigned char d = 1; d <= 9; ++d) {
                    if (solutionCount > 1 || (solutionCount == 1 && stopAtFirst)) {
                        return;
                    }
                    if (!board.IsCandidate(c, r, d)) {
                        continue;
                    }
                    reference::Place(board, c, r, d);
                    Fixpoint();
                    if (board.IsSolved()) {
                        Record();
                        board = start;
                        if (stopAtFirst) {
                            return;
                        }
                    } else if (board.IsDeadEnd() || Contains(visited, Key(board))) {
                        board = start;
                    } else {
                        visited.push_back(Key(board));
                        local = board;
                        Level(depth + 1);
                        board = local;
                    }
                }
            }
        }
    }
};
