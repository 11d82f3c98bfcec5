#include <import/spicevalue.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

struct ValueCase
{
    const char *text;
    std::optional<double> value;
};

class SpiceValue : public ::testing::TestWithParam<ValueCase>
{
};

TEST_P(SpiceValue, ReadsScaleAndIgnoresUnitLetters)
{
    const ValueCase &c = GetParam();
    const std::optional<double> value = parseSpiceValue(c.text);
    ASSERT_EQ(value.has_value(), c.value.has_value()) << c.text;
    if (c.value) {
        EXPECT_DOUBLE_EQ(*value, *c.value) << c.text;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Notation, SpiceValue,
    ::testing::Values(ValueCase{"1k", 1e3}, ValueCase{"4.7K", 4.7e3}, ValueCase{"1MEG", 1e6},
                      ValueCase{"2.2Meg", 2.2e6}, ValueCase{"1M", 1e-3}, ValueCase{"10uF", 1e-5},
                      ValueCase{"1F", 1e-15}, ValueCase{"100nF", 1e-7}, ValueCase{"3p", 3e-12},
                      ValueCase{"2g", 2e9}, ValueCase{"1T", 1e12}, ValueCase{"1mil", 25.4e-6},
                      ValueCase{"2.2e-3", 2.2e-3}, ValueCase{"1e3k", 1e6}, ValueCase{".5", 0.5},
                      ValueCase{"-5m", -5e-3}, ValueCase{"+7", 7.0}, ValueCase{"3ohm", 3.0},
                      ValueCase{"1e", 1.0}, ValueCase{"", std::nullopt},
                      ValueCase{"abc", std::nullopt}, ValueCase{"k1", std::nullopt},
                      ValueCase{"0x10", std::nullopt}, ValueCase{"inf", std::nullopt},
                      ValueCase{"nan", std::nullopt}, ValueCase{"1k5", 1.5e3},
                      ValueCase{"1e999", std::nullopt}, ValueCase{"1.5.2", std::nullopt}));

INSTANTIATE_TEST_SUITE_P(Rkm, SpiceValue,
                         ::testing::Values(ValueCase{"4K7", 4.7e3}, ValueCase{"4n7", 4.7e-9},
                                           ValueCase{"47p3", 47.3e-12}, ValueCase{"4R7", 4.7},
                                           ValueCase{"1meg5", 1.5e6}, ValueCase{"2u25", 2.25e-6},
                                           ValueCase{"4.7k5", std::nullopt},
                                           ValueCase{"4k7x", std::nullopt},
                                           ValueCase{"1e3k5", std::nullopt},
                                           ValueCase{"4x7", std::nullopt}));

} // namespace
