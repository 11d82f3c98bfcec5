#pragma once

#include <cstddef>
#include <cstdint>

// Exact products of digit strings of base-256 digits, most significant digit first. The
// product of an la-digit string and an lb-digit string is written as exactly la + lb digits,
// leading zero digits included, so that its radix point is the sum of the operands' points.
//
// Two kernels compute the same digits: a schoolbook product on 64-bit limbs, fastest for the
// short operands that dominate the network elimination, and a product through a real-input
// fast Fourier transform for long operands. multiply() picks one by operand length.
namespace digitproduct {

// The longest operand the transform product handles exactly (a transform of 4096 points).
inline constexpr std::size_t longestOperand = 2048;

// multiply() uses the transform when aLength * bLength >= transformCrossover^2. Measured on
// this code: the schoolbook product costs about 75 us * aLength * bLength / 2048^2 (on a busy
// two-core machine; about 46 us on a quiet one), the transform about 18 us up to 1024 digits
// and 37 us up to 2048, so the two meet at a geometric-mean length of 1450 to 1800.
inline constexpr std::size_t transformCrossover = 1536;

// Schoolbook product. Any lengths >= 1.
void schoolbook(const std::uint8_t *a, std::size_t aLength, const std::uint8_t *b,
                std::size_t bLength, std::uint8_t *product);

// Transform product. Lengths 1 ... longestOperand.
void transform(const std::uint8_t *a, std::size_t aLength, const std::uint8_t *b,
               std::size_t bLength, std::uint8_t *product);

// The faster of the two for the given lengths. Lengths 1 ... longestOperand.
void multiply(const std::uint8_t *a, std::size_t aLength, const std::uint8_t *b,
              std::size_t bLength, std::uint8_t *product);

// The first `count` digits of the product only, exactly those of multiply(), written to
// product[0 ... count). A product that is rounded to fewer digits than its operands have
// needs only about half of the schoolbook's limb products. Lengths 1 ... longestOperand,
// count 1 ... aLength + bLength.
void leading(const std::uint8_t *a, std::size_t aLength, const std::uint8_t *b, std::size_t bLength,
             std::size_t count, std::uint8_t *product);

} // namespace digitproduct
