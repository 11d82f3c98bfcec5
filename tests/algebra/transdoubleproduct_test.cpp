#include "exactvalues.h"

#include <algebra/transdoubleproduct.h>

#include <gtest/gtest.h>

#include <tuple>

using namespace exactvalues;

namespace {

// The product digit by digit, as on paper.
Digits referenceProduct(const Digits &a, const Digits &b)
{
    std::vector<std::uint32_t> columns(a.size() + b.size(), 0);
    for (std::size_t i = 0; i < a.size(); ++i) {
        for (std::size_t j = 0; j < b.size(); ++j)
            columns[i + j + 1] += std::uint32_t{a[i]} * b[j];
    }
    Digits product(columns.size());
    std::uint64_t carry = 0;
    for (std::size_t k = columns.size(); k-- > 0;) {
        carry += columns[k];
        product[k] = static_cast<std::uint8_t>(carry & 0xFF);
        carry >>= 8;
    }
    return product;
}

Digits schoolbookProduct(const Digits &a, const Digits &b)
{
    Digits product(a.size() + b.size());
    digitproduct::schoolbook(a.data(), a.size(), b.data(), b.size(), product.data());
    return product;
}

Digits transformProduct(const Digits &a, const Digits &b)
{
    Digits product(a.size() + b.size());
    digitproduct::transform(a.data(), a.size(), b.data(), b.size(), product.data());
    return product;
}

Digits leadingDigits(const Digits &a, const Digits &b, std::size_t count)
{
    Digits product(count);
    digitproduct::leading(a.data(), a.size(), b.data(), b.size(), count, product.data());
    return product;
}

Digits dispatchedProduct(const Digits &a, const Digits &b)
{
    Digits product(a.size() + b.size());
    digitproduct::multiply(a.data(), a.size(), b.data(), b.size(), product.data());
    return product;
}

// Lengths around limb and transform-size boundaries, short and long.
const std::size_t lengthClasses[]
    = {1,   2,   7,   8,   9,   16,   17,   50,   63,   64,   65,   100,  200, 255,
       256, 257, 500, 511, 513, 1000, 1023, 1024, 1025, 1500, 2000, 2047, 2048};

class DigitProduct : public ::testing::TestWithParam<std::tuple<std::size_t, std::size_t>>
{
};

} // namespace

TEST_P(DigitProduct, BothKernelsGiveTheExactProductOfRandomDigits)
{
    const auto [aLength, bLength] = GetParam();
    std::mt19937_64 random(aLength * 4099 + bLength);
    for (int trial = 0; trial < 2; ++trial) {
        Digits a = randomDigits(random, aLength);
        Digits b = randomDigits(random, bLength);
        a.front() = static_cast<std::uint8_t>(trial == 0 ? a.front() : 0);
        const Digits expected = referenceProduct(a, b);
        ASSERT_EQ(schoolbookProduct(a, b), expected);
        ASSERT_EQ(transformProduct(a, b), expected);
        ASSERT_EQ(dispatchedProduct(a, b), expected);
        const std::size_t length = expected.size();
        for (std::size_t count :
             {std::size_t{1}, std::size_t{9}, length / 2, length - 17, length}) {
            if (count < 1 || count > length)
                continue;
            ASSERT_EQ(leadingDigits(a, b, count),
                      Digits(expected.begin(), expected.begin() + count))
                << count;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(LengthClasses, DigitProduct,
                         ::testing::Combine(::testing::ValuesIn(lengthClasses),
                                            ::testing::Values(1, 8, 57, 1024, 2048)));

// (256^n - 1)(256^n + 1) = 256^2n - 1 has FF in every digit: the limb products left out below
// the wanted digits carry into them, and only the full product settles them.
TEST(DigitProductWorstCase, LeadingDigitsOfAProductOfFFDigitsTakeTheCarryOfTheRest)
{
    for (std::size_t n : {40, 100, 107, 300}) {
        const Digits ones(n, 0xFF);
        Digits onePlus(n + 1, 0);
        onePlus.front() = 1;
        onePlus.back() = 1;
        Digits expected(2 * n + 1, 0xFF);
        expected.front() = 0;
        for (std::size_t count : {n / 2, n + 2, 2 * n - 20})
            ASSERT_EQ(leadingDigits(ones, onePlus, count),
                      Digits(expected.begin(), expected.begin() + count))
                << n << " " << count;
    }
}

TEST(DigitProductWorstCase, AllDigitsFFAtTheLongestLengthAreExact)
{
    for (std::size_t length : {1024, 1500, 2048}) {
        const Digits ones(length, 0xFF);
        const Digits expected = referenceProduct(ones, ones);
        ASSERT_EQ(transformProduct(ones, ones), expected) << length;
        ASSERT_EQ(schoolbookProduct(ones, ones), expected) << length;
    }
    // (256^n - 1)^2 = 256^2n - 2 * 256^n + 1: FF...FE 00...01
    Digits expected(2 * 2048, 0);
    std::fill(expected.begin(), expected.begin() + 2047, 0xFF);
    expected[2047] = 0xFE;
    expected.back() = 1;
    EXPECT_EQ(transformProduct(Digits(2048, 0xFF), Digits(2048, 0xFF)), expected);
}
