#include "symmetry.h"

#include <algorithm>

namespace libgen {
namespace {

std::vector<LineOrder> MakeBandPreservingOrders() {
    std::array<std::uint8_t, 3> bands{0, 1, 2};
    std::array<std::array<std::uint8_t, 3>, 6> within;
    std::array<std::uint8_t, 3> lines{0, 1, 2};
    for (auto& order : within) {
        order = lines;
        std::next_permutation(lines.begin(), lines.end());
    }
    std::vector<LineOrder> orders;
    do {
        for (const auto& first : within) {
            for (const auto& second : within) {
                for (const auto& third : within) {
                    const std::array<std::array<std::uint8_t, 3>, 3> inBand{first, second, third};
                    LineOrder order;
                    for (int i = 0; i < 9; ++i) {
                        order[i] =
                            static_cast<std::uint8_t>(3 * bands[i / 3] + inBand[i / 3][i % 3]);
                    }
                    orders.push_back(order);
                }
            }
        }
    } while (std::next_permutation(bands.begin(), bands.end()));
    return orders;
}

} // namespace

const std::vector<LineOrder>& BandPreservingOrders() {
    static const std::vector<LineOrder> orders = MakeBandPreservingOrders();
    return orders;
}

Grid Transpose(const Grid& grid) {
    Grid result;
    for (int row = 0; row < 9; ++row) {
        for (int column = 0; column < 9; ++column) {
            result[9 * column + row] = grid[9 * row + column];
        }
    }
    return result;
}

Grid Apply(const Symmetry& symmetry, const Grid& grid) {
    const Grid source = symmetry.transpose ? Transpose(grid) : grid;
    Grid result;
    for (int row = 0; row < 9; ++row) {
        for (int column = 0; column < 9; ++column) {
            result[9 * row + column] =
                symmetry.digits[source[9 * symmetry.rows[row] + symmetry.columns[column]]];
        }
    }
    return result;
}

Symmetry RandomSymmetry(Random& random, bool allowTranspose) {
    const auto& orders = BandPreservingOrders();
    Symmetry symmetry;
    symmetry.transpose = allowTranspose && random.Below(2) == 1;
    symmetry.rows = orders[random.Below(orders.size())];
    symmetry.columns = orders[random.Below(orders.size())];
    std::vector<std::uint8_t> digits{1, 2, 3, 4, 5, 6, 7, 8, 9};
    random.Shuffle(digits);
    std::copy(digits.begin(), digits.end(), symmetry.digits.begin() + 1);
    return symmetry;
}

} // namespace libgen
