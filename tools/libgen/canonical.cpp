#include "canonical.h"

#include "symmetry.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

// The images are ordered first by where their givens stand (read row by row, an empty cell
// lower than a given) and only then by their relabelled digits. Any total order gives a valid
// canonical form; this one lets the placement, a plain 0/1 problem, be minimised cheaply for
// every column order, so the digits need to be looked at for a handful of images only.

namespace libgen {
namespace {

using RowMasks = std::array<std::uint16_t, 9>;  // first column as the highest of 9 bits
using Placement = std::array<std::uint32_t, 3>; // per band its three row masks, 27 bits

// Moves the bits of one row mask along a column order, one stack of three bits at a time.
class ColumnShuffler {
public:
    ColumnShuffler() {
        const auto& orders = BandPreservingOrders();
        m_tables.resize(orders.size());
        for (std::size_t k = 0; k < orders.size(); ++k) {
            for (int position = 0; position < 9; ++position) {
                const int column = orders[k][position];
                const int stack = column / 3;
                const int bitInStack = 2 - column % 3;
                for (int bits = 0; bits < 8; ++bits) {
                    if (bits >> bitInStack & 1) {
                        m_tables[k][stack][bits] |=
                            static_cast<std::uint16_t>(1u << (8 - position));
                    }
                }
            }
        }
    }

    std::uint16_t Apply(std::size_t order, std::uint16_t mask) const {
        const auto& table = m_tables[order];
        return table[0][mask >> 6] | table[1][mask >> 3 & 7] | table[2][mask & 7];
    }

private:
    std::vector<std::array<std::array<std::uint16_t, 8>, 3>> m_tables;
};

const ColumnShuffler& GetColumnShuffler() {
    static const ColumnShuffler shuffler;
    return shuffler;
}

RowMasks MasksOf(const Grid& grid) {
    RowMasks masks{};
    for (int row = 0; row < 9; ++row) {
        for (int column = 0; column < 9; ++column) {
            if (grid[9 * row + column] != 0) {
                masks[row] |= static_cast<std::uint16_t>(1u << (8 - column));
            }
        }
    }
    return masks;
}

std::uint32_t BandKey(std::uint16_t a, std::uint16_t b, std::uint16_t c) {
    if (a > b) {
        std::swap(a, b);
    }
    if (b > c) {
        std::swap(b, c);
    }
    if (a > b) {
        std::swap(a, b);
    }
    return std::uint32_t{a} << 18 | std::uint32_t{b} << 9 | c;
}

// The lowest placement reachable by ordering rows, for masks already in column order.
Placement LowestPlacement(const RowMasks& masks) {
    Placement bands{BandKey(masks[0], masks[1], masks[2]), BandKey(masks[3], masks[4], masks[5]),
                    BandKey(masks[6], masks[7], masks[8])};
    std::sort(bands.begin(), bands.end());
    return bands;
}

RowMasks ShuffleColumns(const RowMasks& masks, std::size_t order) {
    RowMasks shuffled;
    for (int row = 0; row < 9; ++row) {
        shuffled[row] = GetColumnShuffler().Apply(order, masks[row]);
    }
    return shuffled;
}

struct ColumnChoice {
    const Grid* grid;
    std::size_t order;
};

// Row orders whose placement equals the lowest one, for one column choice: only rows (and bands)
// with equal masks can trade places.
std::vector<LineOrder> LowestRowOrders(const RowMasks& masks, const Placement& lowest) {
    std::vector<LineOrder> result;
    for (const LineOrder& rows : BandPreservingOrders()) {
        bool matches = true;
        for (int band = 0; band < 3 && matches; ++band) {
            const std::uint32_t key = std::uint32_t{masks[rows[3 * band]]} << 18 |
                                      std::uint32_t{masks[rows[3 * band + 1]]} << 9 |
                                      masks[rows[3 * band + 2]];
            matches = key == lowest[band];
        }
        if (matches) {
            result.push_back(rows);
        }
    }
    return result;
}

// Relabels the image's digits in order of appearance and keeps it when it is below best,
// giving up at the first cell that shows it is not.
void KeepIfLower(const Grid& grid, const LineOrder& rows, const LineOrder& columns, Grid& best) {
    std::array<std::uint8_t, 10> labels{};
    std::uint8_t nextLabel = 0;
    Grid image;
    bool lower = false;
    for (int cell = 0; cell < kCells; ++cell) {
        const std::uint8_t digit = grid[9 * rows[cell / 9] + columns[cell % 9]];
        if (digit != 0 && labels[digit] == 0) {
            labels[digit] = ++nextLabel;
        }
        image[cell] = labels[digit];
        if (!lower && image[cell] != best[cell]) {
            if (image[cell] > best[cell]) {
                return;
            }
            lower = true;
        }
    }
    if (lower) {
        best = image;
    }
}

} // namespace

Grid CanonicalForm(const Grid& puzzle) {
    const std::array<Grid, 2> orientations{puzzle, Transpose(puzzle)};
    const std::size_t orderCount = BandPreservingOrders().size();
    Placement lowest;
    lowest.fill(~0u);
    std::vector<ColumnChoice> choices;
    for (const Grid& grid : orientations) {
        const RowMasks masks = MasksOf(grid);
        for (std::size_t order = 0; order < orderCount; ++order) {
            const Placement placement = LowestPlacement(ShuffleColumns(masks, order));
            if (placement < lowest) {
                lowest = placement;
                choices.clear();
            }
            if (placement == lowest) {
                choices.push_back({&grid, order});
            }
        }
    }

    Grid best;
    best.fill(0xFF);
    for (const ColumnChoice& choice : choices) {
        const LineOrder& columns = BandPreservingOrders()[choice.order];
        const RowMasks masks = ShuffleColumns(MasksOf(*choice.grid), choice.order);
        for (const LineOrder& rows : LowestRowOrders(masks, lowest)) {
            KeepIfLower(*choice.grid, rows, columns, best);
        }
    }
    return best;
}

} // namespace libgen
