#include "engine/board.h"
#include "engine/rows.h"
#include "tests/engine/reference_crc.h"
#include "tests/engine/reference_rehash.h"
#include "tests/engine/set_candidates.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>

namespace {

const char kPuzzle[] =
    "000000031600020000000070000050108000200000600000300070000040200030500000700000000";
const char kSolution[] =
    "924685731671423859385971426457168392293754618168392574519847263832516947746239185";

bool HasFlag(const CBoard& board, int c, int r, int d) {
    return board.m_candidate[FlagIndex(c, r, d)] == 1;
}

bool ArePeers(int c1, int r1, int c2, int r2) {
    return c1 == c2 || r1 == r2 || (c1 / 3 == c2 / 3 && r1 / 3 == r2 / 3);
}

// No digit twice among peers, and a digit standing in a peer is never flagged.
void ExpectInvariants(const CBoard& board) {
    for (int c = 0; c < 9; ++c) {
        for (int r = 0; r < 9; ++r) {
            for (int c2 = 0; c2 < 9; ++c2) {
                for (int r2 = 0; r2 < 9; ++r2) {
                    if (!ArePeers(c, r, c2, r2) || board.Value(c2, r2) == 0) {
                        continue;
                    }
                    ASSERT_FALSE(HasFlag(board, c, r, board.Value(c2, r2)));
                    if (c != c2 || r != r2) {
                        ASSERT_NE(board.Value(c, r), board.Value(c2, r2));
                    }
                }
            }
        }
    }
}

void ExpectHashesOf(const CBoard& board, const Crc32 (&images)[8], Crc32 fingerprint) {
    for (int k = 0; k < 8; ++k) {
        EXPECT_EQ(images[k], board.m_imageCrc[k]) << "image " << k;
    }
    EXPECT_EQ(fingerprint, board.m_fingerprint);
}

TEST(Board, InitClearsEverythingAndSetsHashWordsToAllOnes) {
    CBoard board;
    std::memset(&board, 0x5A, sizeof board);
    board.Init();
    EXPECT_TRUE(std::all_of(std::begin(board.m_candidate), std::end(board.m_candidate),
                            [](unsigned char f) { return f == 1; }));
    EXPECT_TRUE(std::all_of(std::begin(board.m_value), std::end(board.m_value),
                            [](unsigned char v) { return v == 0; }));
    EXPECT_EQ(0xFFFFFFFFu, board.m_crc);
    EXPECT_EQ(0xFFFFFFFFu, board.m_fingerprint);
    for (Crc32 image : board.m_imageCrc) {
        EXPECT_EQ(0xFFFFFFFFu, image);
    }
}

TEST(Board, RehashGivesTheWorkedValues) {
    CBoard board = EmptyBoard();
    board.Rehash();
    const Crc32 empty[8] = {0xE42E5826u, 0xE42E5826u, 0xE42E5826u, 0xE42E5826u,
                            0xE42E5826u, 0xE42E5826u, 0xE42E5826u, 0xE42E5826u};
    ExpectHashesOf(board, empty, 0x2215CC33u);

    ASSERT_TRUE(board.Place(0, 0, 5));
    const Crc32 five[8] = {0xE7D6C74Au, 0xD36F7D01u, 0xF3EB334Du, 0xFD2C66D3u,
                           0xFD2C66D3u, 0xE7D6C74Au, 0xD36F7D01u, 0xF3EB334Du};
    ExpectHashesOf(board, five, 0xE315F81Bu);
    EXPECT_EQ(board.m_imageCrc[7], board.m_crc);
}

// The step-by-step definition runs the bit-serial CRC over each image.
TEST(Board, RehashMatchesTheStepByStepDefinitionOnAPuzzleAndRandomGrids) {
    std::mt19937 random(99);
    for (int trial = 0; trial < 300; ++trial) {
        CBoard board = trial == 0 ? BoardFromRows(kPuzzle) : EmptyBoard();
        const int placements = trial == 0 ? 0 : static_cast<int>(random() % 82);
        for (int i = 0; i < placements; ++i) {
            board.Place(static_cast<int>(random() % 9), static_cast<int>(random() % 9),
                        static_cast<unsigned char>(1 + random() % 9));
        }
        board.Rehash();
        CBoard reference = board;
        ReferenceRehash(reference);
        ASSERT_TRUE(SameRecord(reference, board)) << "trial " << trial;
    }
}

TEST(Board, AllEightImagesShareOneFingerprint) {
    const CBoard original = BoardFromRows(kPuzzle);
    CBoard image = original;
    std::vector<Crc32> identities{original.IdentityCrc()};
    for (int k = 1; k < 8; ++k) {
        if (k == 4) {
            image.Rotate();
            image.Mirror();
        } else {
            image.Rotate();
        }
        EXPECT_EQ(original.m_fingerprint, image.m_fingerprint) << "image " << k;
        EXPECT_EQ(original.m_imageCrc[k], image.IdentityCrc()) << "image " << k;
        identities.push_back(image.IdentityCrc());
    }
    std::sort(identities.begin(), identities.end());
    EXPECT_EQ(identities.end(), std::unique(identities.begin(), identities.end()));
}

TEST(Board, RelabellingDigitsChangesTheFingerprint) {
    std::string relabelled = kPuzzle;
    std::replace(relabelled.begin(), relabelled.end(), '1', 'x');
    std::replace(relabelled.begin(), relabelled.end(), '2', '1');
    std::replace(relabelled.begin(), relabelled.end(), 'x', '2');
    EXPECT_NE(BoardFromRows(kPuzzle).m_fingerprint, BoardFromRows(relabelled).m_fingerprint);
}

TEST(Board, PlaceEliminatesFromPeersOnly) {
    CBoard board = EmptyBoard();
    ASSERT_TRUE(board.Place(4, 4, 5));
    int eight = 0;
    int nine = 0;
    for (int c = 0; c < 9; ++c) {
        for (int r = 0; r < 9; ++r) {
            const int count = board.CandidateCount(c, r);
            eight += count == 8;
            nine += count == 9;
        }
    }
    EXPECT_EQ(20, eight);
    EXPECT_EQ(60, nine);
    EXPECT_EQ(0, board.CandidateCount(4, 4));
}

TEST(Board, RefusedPlacementsChangeNothingButStillRehash) {
    CBoard board = EmptyBoard();
    ASSERT_TRUE(board.Place(4, 4, 5));
    const CBoard placed = board;
    EXPECT_FALSE(board.Place(4, 4, 5)); // filled, same digit
    EXPECT_FALSE(board.Place(4, 4, 6)); // filled
    EXPECT_FALSE(board.Place(0, 4, 5)); // a peer holds 5
    EXPECT_FALSE(board.Place(0, 0, 0));
    EXPECT_FALSE(board.Place(0, 0, 10));
    EXPECT_FALSE(board.Place(0, 0, 255));
    EXPECT_TRUE(SameRecord(placed, board));

    // A refused placement right after Init computes the hashes of the unchanged grid.
    CBoard fresh = EmptyBoard();
    EXPECT_FALSE(fresh.Place(0, 0, 0));
    EXPECT_EQ(0xE42E5826u, fresh.IdentityCrc());
    EXPECT_EQ(0x2215CC33u, fresh.m_fingerprint);
}

TEST(Board, RandomPlaceAndRemoveKeepTheInvariants) {
    std::mt19937 random(2024);
    CBoard board = EmptyBoard();
    for (int step = 0; step < 3000; ++step) {
        const int c = static_cast<int>(random() % 9);
        const int r = static_cast<int>(random() % 9);
        if (board.Value(c, r) != 0 && random() % 3 == 0) {
            board.Remove(c, r);
        } else {
            const CBoard before = board;
            const unsigned char d = static_cast<unsigned char>(1 + random() % 9);
            if (board.Place(c, r, d)) {
                // Right after a placement, removing it gives back exactly the flags before.
                CBoard undone = board;
                undone.Remove(c, r);
                ASSERT_EQ(0, std::memcmp(undone.m_candidate, before.m_candidate, 729));
                ASSERT_EQ(0, std::memcmp(undone.m_value, before.m_value, 81));
            }
        }
        ExpectInvariants(board);
        ASSERT_EQ(ReferenceCrcUpdate(kCrcStart, board.m_value, 81), board.IdentityCrc());
    }
}

TEST(Board, RemoveLeavesTheDigitExcludedAroundOtherCopies) {
    CBoard board = EmptyBoard();
    ASSERT_TRUE(board.Place(0, 0, 7));
    ASSERT_TRUE(board.Place(4, 1, 7));
    board.Remove(0, 0);
    EXPECT_EQ(0, board.Value(0, 0));
    EXPECT_TRUE(board.IsCandidate(0, 0, 7));
    EXPECT_FALSE(board.IsCandidate(1, 1, 7)); // row 1 still sees the 7 at (4, 1)
    EXPECT_FALSE(board.IsCandidate(5, 2, 7)); // and so does its box
    EXPECT_TRUE(board.IsCandidate(0, 2, 7));
}

TEST(Board, SolvedNeedsAllEightyOneCells) {
    CBoard board = BoardFromRows(kSolution);
    ASSERT_TRUE(board.IsSolved());
    board.Remove(8, 0); // a 1: the board is one short of the full sum
    EXPECT_FALSE(board.IsSolved());
    EXPECT_FALSE(board.IsDeadEnd());
    ASSERT_TRUE(board.Place(8, 0, 1));
    EXPECT_TRUE(board.IsSolved());
    EXPECT_FALSE(board.IsDeadEnd());
}

TEST(Board, DeadEndIsAnEmptyCellWithoutCandidates) {
    CBoard board = EmptyBoard();
    EXPECT_FALSE(board.IsDeadEnd());
    SetCandidates(board, 6, 3, {});
    EXPECT_TRUE(board.IsDeadEnd());
}

TEST(Board, SameCandidatesComparesFlagsThroughTheValue) {
    CBoard board = BoardFromRows(kSolution);
    EXPECT_TRUE(board.SameCandidates(0, 0, 8, 8));
    board.Remove(0, 0);
    EXPECT_FALSE(board.SameCandidates(0, 0, 8, 8));
    SetCandidates(board, 0, 0, {});
    EXPECT_TRUE(board.SameCandidates(0, 0, 8, 8));
}

TEST(Board, ClearKeepsTheHashesOfThePositionBefore) {
    CBoard board = BoardFromRows(kPuzzle);
    const CBoard before = board;
    board.Clear();
    EXPECT_EQ(before.m_fingerprint, board.m_fingerprint);
    EXPECT_EQ(0, std::memcmp(board.m_imageCrc, before.m_imageCrc, sizeof board.m_imageCrc));
    EXPECT_EQ(9, board.CandidateCount(3, 3));
}

TEST(Board, RotateAndMirrorMoveTheTopLeftGiven) {
    CBoard board = EmptyBoard();
    ASSERT_TRUE(board.Place(0, 0, 4));
    CBoard rotated = board;
    rotated.Rotate();
    EXPECT_EQ(4, rotated.Value(8, 0));
    CBoard mirrored = board;
    mirrored.Mirror();
    EXPECT_EQ(4, mirrored.Value(0, 8));
    EXPECT_FALSE(mirrored.IsCandidate(8, 8, 4));
    EXPECT_TRUE(mirrored.IsCandidate(8, 0, 4));
}

} // namespace
