// SPDX-License-Identifier: MIT
// The random source is pinned against values worked out by hand: any other faithful
// implementation must draw the same numbers, or every catalogue and match differs.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "game/random.h"

namespace hexbrawl {
namespace {

TEST(Random, IntegersRealsAndTheEmptyRange)
{
    Random r{5};
    EXPECT_EQ(r.randomint(100), 15);  // 5 * 134775813 + 1 = 673879066; upper half of x 100
    EXPECT_EQ(r.seed, 673879066u);
    EXPECT_EQ(r.randomint(7), 1);
    EXPECT_EQ(r.seed, 771902595u);
    // Empty and negative ranges still advance the seed and give 0.
    EXPECT_EQ(r.randomint(-3), 0);
    EXPECT_EQ(r.seed, 2442594960u);
    EXPECT_EQ(r.randomint(0), 0);
    EXPECT_EQ(r.seed, 2380625105u);
    EXPECT_DOUBLE_EQ(r.randomreal(), 1144982550.0 / 4294967296.0);

    // The seed wraps modulo 2^32.
    Random top{0xFFFFFFFFu};
    top.randomint(1);
    EXPECT_EQ(top.seed, static_cast<std::uint32_t>(0xFFFFFFFFull * 134775813ull + 1ull));
    // The result never reaches n, even for the largest seeds.
    Random high{0};
    for (int i = 0; i < 10000; ++i) {
        const int v = high.randomint(3);
        ASSERT_GE(v, 0);
        ASSERT_LT(v, 3);
    }
}

TEST(Random, GaussDrawsUThenVAndRejectsOutsideTheCircle)
{
    Random r{5};
    // Worked by hand: u and v come from the next two reals; the pair is kept when
    // u^2 + v^2 < 1.
    const double expected = 301.46506157323086;
    EXPECT_DOUBLE_EQ(r.randomgauss(375, 200), expected);
    EXPECT_EQ(r.seed, 771902595u);  // exactly two draws: the first pair was inside

    // Over many draws the mean and spread come out as asked.
    Random many{1234};
    double sum = 0;
    double squares = 0;
    const int n = 20000;
    for (int i = 0; i < n; ++i) {
        const double g = many.randomgauss(10, 3);
        sum += g;
        squares += g * g;
    }
    const double mean = sum / n;
    EXPECT_NEAR(mean, 10, 0.1);
    EXPECT_NEAR(std::sqrt(squares / n - mean * mean), 3, 0.1);
}

TEST(Random, TruncateGoesTowardZeroAndNeverOverflows)
{
    EXPECT_EQ(truncate(2.9), 2);
    EXPECT_EQ(truncate(-2.9), -2);
    EXPECT_EQ(truncate(-0.5), 0);
    EXPECT_EQ(truncate(1e300), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(truncate(-1e300), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(truncate(std::nan("")), 0);
}

}  // namespace
}  // namespace hexbrawl
