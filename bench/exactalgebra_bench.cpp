#include <algebra/transdouble.h>
#include <algebra/transdoubleproduct.h>
#include <algebra/transpolynom.h>

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

namespace {

std::vector<std::uint8_t> randomDigits(std::mt19937_64 &random, std::size_t length)
{
    std::uniform_int_distribution<int> digit(1, 255);
    std::vector<std::uint8_t> digits(length);
    for (auto &d : digits)
        d = static_cast<std::uint8_t>(digit(random));
    return digits;
}

transDouble randomNumber(std::mt19937_64 &random, std::size_t length)
{
    const std::vector<std::uint8_t> digits = randomDigits(random, length);
    std::uniform_int_distribution<int> point(-4, 4);
    return transDouble::fromDigits(random() % 2 == 0, digits.data(), digits.size(), point(random),
                                   static_cast<std::uint16_t>(length));
}

TransPolynom randomPolynomial(std::mt19937_64 &random, int degree, std::size_t digits)
{
    TransPolynom result;
    for (int i = 0; i <= degree; ++i)
        result.coefficientAt(i) = randomNumber(random, digits);
    return result;
}

// Operands of equal length, rounded to that length.
void multiplyNumbers(benchmark::State &state)
{
    const auto length = static_cast<std::size_t>(state.range(0));
    const transDouble::PrecisionGuard guard;
    transDouble::setWorkPrecision(static_cast<std::uint16_t>(length));
    std::mt19937_64 random(1);
    const transDouble a = randomNumber(random, length);
    const transDouble b = randomNumber(random, length);
    for (auto _ : state)
        benchmark::DoNotOptimize(a * b);
}
BENCHMARK(multiplyNumbers)->Arg(8)->Arg(50)->Arg(100)->Arg(200)->Arg(500)->Arg(2000);

template<void (*Kernel)(const std::uint8_t *, std::size_t, const std::uint8_t *, std::size_t,
                        std::uint8_t *)>
void productKernel(benchmark::State &state)
{
    const auto length = static_cast<std::size_t>(state.range(0));
    std::mt19937_64 random(2);
    const std::vector<std::uint8_t> a = randomDigits(random, length);
    const std::vector<std::uint8_t> b = randomDigits(random, length);
    std::vector<std::uint8_t> product(2 * length);
    for (auto _ : state) {
        Kernel(a.data(), length, b.data(), length, product.data());
        benchmark::DoNotOptimize(product.data());
    }
}
// Powers of two and the lengths between 1024 and 2048 where the two kernels cross.
void kernelLengths(benchmark::internal::Benchmark *benchmark)
{
    benchmark->RangeMultiplier(2)->Range(8, 2048)->Arg(1536)->Arg(1664)->Arg(1792)->Arg(1920);
}
BENCHMARK(productKernel<digitproduct::schoolbook>)->Name("schoolbookKernel")->Apply(kernelLengths);
BENCHMARK(productKernel<digitproduct::transform>)->Name("transformKernel")->Apply(kernelLengths);

void reciprocal(benchmark::State &state)
{
    const transDouble::PrecisionGuard guard;
    transDouble::setWorkPrecision(static_cast<std::uint16_t>(state.range(0)));
    std::mt19937_64 random(3);
    const transDouble value = randomNumber(random, static_cast<std::size_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(value.reciprocal());
}
BENCHMARK(reciprocal)->Arg(25)->Arg(50)->Arg(200);

// Polynomials of the given degree with 50-digit coefficients at P = 50.
void polynomialProduct(benchmark::State &state)
{
    const transDouble::PrecisionGuard guard;
    transDouble::setWorkPrecision(50);
    std::mt19937_64 random(4);
    const int degree = static_cast<int>(state.range(0));
    const TransPolynom a = randomPolynomial(random, degree, 50);
    const TransPolynom b = randomPolynomial(random, degree, 50);
    for (auto _ : state)
        benchmark::DoNotOptimize(a * b);
}
BENCHMARK(polynomialProduct)->Arg(10)->Arg(40)->Arg(100)->Unit(benchmark::kMicrosecond);

// A product of degree 2n divided by one of its factors of degree n, at P = 50.
void polynomialDivision(benchmark::State &state)
{
    const transDouble::PrecisionGuard guard;
    transDouble::setWorkPrecision(50);
    std::mt19937_64 random(5);
    const int degree = static_cast<int>(state.range(0));
    const TransPolynom factor = randomPolynomial(random, degree, 50);
    const TransPolynom dividend = factor * randomPolynomial(random, degree, 50);
    for (auto _ : state) {
        TransPolynom quotient;
        TransPolynom remainder;
        dividend.divide(factor, quotient, remainder);
        benchmark::DoNotOptimize(remainder);
    }
}
BENCHMARK(polynomialDivision)->Arg(10)->Arg(40)->Arg(100)->Unit(benchmark::kMicrosecond);

} // namespace
