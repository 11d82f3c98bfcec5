#include <algebra/transdouble.h>

#include <algebra/oversizedmultiplication.h>
#include <algebra/transdoubleproduct.h>
#include <algebra/transdoublewords.h>

#include <algorithm>
#include <array>
#include <cassert>
#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

namespace {

std::uint16_t g_workPrecision = transDouble::defaultWorkPrecision;
std::uint16_t g_extendedPrecision = 2 * transDouble::defaultWorkPrecision;

constexpr std::uint16_t largestWorkPrecision = 32767;

// Points beyond this magnitude are held there. No value made from doubles or from text can
// come near it; only millions of chained products of extreme values could.
constexpr std::int64_t largestPoint = std::int64_t{1} << 30;

// The exponent of a decimal text is held to this magnitude (far beyond any double), so that
// hostile text cannot overflow the exponent or the point.
constexpr std::int64_t largestTextExponent = 100'000'000;

// Digit strings whose gap below the larger operand of a sum exceeds the digits kept plus this
// margin cannot change the rounded sum; they are replaced by one digit at that distance.
constexpr std::int64_t sumGapMargin = 4;

// Newton's iteration for the reciprocal starts with an error below 1 - 2^-16 and squares it
// every step, so 16 + log2(8 ln 2 * 65535 digits) < 36 steps reach any precision the 16-bit
// settings allow; the bound only matters when rounding noise keeps two iterates from agreeing.
constexpr int largestNewtonSteps = 64;

std::uint16_t clampedPrecision(long digits)
{
    return static_cast<std::uint16_t>(
        std::clamp<long>(digits, 1, std::numeric_limits<std::uint16_t>::max()));
}

// A digit buffer for one exact intermediate result, on the stack when it is short.
class DigitScratch
{
public:
    explicit DigitScratch(std::size_t size)
    {
        if (size > m_local.size()) {
            m_heap.resize(size);
            m_data = m_heap.data();
        } else {
            m_data = m_local.data();
        }
    }
    DigitScratch(const DigitScratch &) = delete;
    DigitScratch &operator=(const DigitScratch &) = delete;

    std::uint8_t *data() { return m_data; }

private:
    std::array<std::uint8_t, 512> m_local;
    std::vector<std::uint8_t> m_heap;
    std::uint8_t *m_data;
};

// Adds the digits into buffer[start ...], or subtracts them, eight at a time from the end, the
// carry or borrow running on towards the front. For a sum the buffer has a spare first digit;
// for a difference it holds the larger magnitude, so nothing leaves its first digit.
template<bool Subtract>
void combineDigits(std::uint8_t *buffer, std::size_t start, const std::uint8_t *digits,
                   std::size_t count)
{
    std::size_t at = start + count;
    std::uint64_t carry = 0;
    for (; count >= 8; count -= 8) {
        at -= 8;
        const std::uint64_t x = digitwords::load(buffer + at);
        const std::uint64_t y = digitwords::load(digits + count - 8);
        std::uint64_t total;
        if constexpr (Subtract) {
            const std::uint64_t difference = x - y;
            total = difference - carry;
            carry = (x < y) | (difference < carry);
        } else {
            const std::uint64_t sum = x + y;
            total = sum + carry;
            carry = (sum < x) | (total < sum);
        }
        digitwords::store(total, buffer + at);
    }
    auto combineDigit = [&](int digit) {
        const int value = Subtract ? buffer[--at] - digit - static_cast<int>(carry)
                                   : buffer[--at] + digit + static_cast<int>(carry);
        buffer[at] = static_cast<std::uint8_t>(value);
        carry = Subtract ? (value < 0 ? 1 : 0) : static_cast<std::uint64_t>(value >> 8);
    };
    for (; count > 0; --count)
        combineDigit(digits[count - 1]);
    while (carry != 0)
        combineDigit(0);
}

} // namespace

std::uint16_t transDouble::workPrecision()
{
    return g_workPrecision;
}

std::uint16_t transDouble::extendedPrecision()
{
    return g_extendedPrecision;
}

void transDouble::setWorkPrecision(std::uint16_t digits)
{
    g_workPrecision = std::clamp<std::uint16_t>(digits, 1, largestWorkPrecision);
    g_extendedPrecision = static_cast<std::uint16_t>(2 * g_workPrecision);
}

transDouble::PrecisionGuard::PrecisionGuard()
    : m_work(g_workPrecision)
    , m_extended(g_extendedPrecision)
{
}

transDouble::PrecisionGuard::~PrecisionGuard()
{
    g_workPrecision = m_work;
    g_extendedPrecision = m_extended;
}

const transDouble &transDouble::zero()
{
    static const transDouble value = fromText("0");
    return value;
}

const transDouble &transDouble::one()
{
    static const transDouble value = fromText("1");
    return value;
}

const transDouble &transDouble::minusOne()
{
    static const transDouble value = fromText("-1");
    return value;
}

const transDouble &transDouble::two()
{
    static const transDouble value(2.0);
    return value;
}

// ---- Construction and storage -----------------------------------------------------------

transDouble::transDouble(double value)
{
    if (std::isnan(value) || value == 0.0)
        return;
    if (std::isinf(value))
        value = std::copysign(DBL_MAX, value);
    int exponent = 0;
    const double fraction = std::frexp(std::fabs(value), &exponent); // in [0.5, 1)
    const auto significand = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
    // point = exponent / 8 rounded up, so that the shift below lies in 0 ... 7.
    const int point = exponent >= 1 ? (exponent + 7) / 8 : exponent / 8;
    const int shift = 8 * point - exponent;
    const std::uint64_t digitWord = significand << (11 - shift);
    std::array<std::uint8_t, 8> digitBytes;
    for (std::size_t i = 0; i < digitBytes.size(); ++i)
        digitBytes[i] = static_cast<std::uint8_t>(digitWord >> (56 - 8 * i));
    assignRounded(value < 0.0, digitBytes.data(), digitBytes.size(), point, g_workPrecision);
}

namespace {

bool isDecimalDigit(char c)
{
    return c >= '0' && c <= '9';
}

transDouble powerOfTen(std::int64_t exponent)
{
    transDouble result(1.0);
    transDouble square(10.0);
    while (exponent > 0) {
        if (exponent & 1)
            result *= square;
        exponent >>= 1;
        if (exponent > 0)
            square *= square;
    }
    return result;
}

} // namespace

transDouble transDouble::fromText(std::string_view text)
{
    std::size_t at = 0;
    auto current = [&]() { return at < text.size() ? text[at] : '\0'; };
    while (current() == ' ' || current() == '\t')
        ++at;
    const bool negative = current() == '-';
    if (current() == '+' || current() == '-')
        ++at;
    const std::size_t integerStart = at;
    while (isDecimalDigit(current()))
        ++at;
    std::string_view digitText = text.substr(integerStart, at - integerStart);
    std::string_view fractionText;
    if (current() == '.') {
        const std::size_t fractionStart = ++at;
        while (isDecimalDigit(current()))
            ++at;
        fractionText = text.substr(fractionStart, at - fractionStart);
    }
    if (digitText.empty() && fractionText.empty())
        return transDouble();

    std::int64_t exponent = 0;
    if ((current() == 'e' || current() == 'E')) {
        std::size_t look = at + 1;
        const bool exponentNegative = look < text.size() && text[look] == '-';
        if (look < text.size() && (text[look] == '+' || text[look] == '-'))
            ++look;
        while (look < text.size() && isDecimalDigit(text[look])) {
            exponent = std::min(exponent * 10 + (text[look] - '0'), largestTextExponent);
            ++look;
        }
        if (exponentNegative)
            exponent = -exponent;
    }

    // The digits as one exact integer, least significant digit first.
    const transDouble ten(10.0);
    transDouble integer;
    // The shared constants are made from text, so this cannot use them.
    transDouble power(1.0);
    auto accumulate = [&](std::string_view run) {
        for (auto it = run.rbegin(); it != run.rend(); ++it) {
            if (*it != '0')
                integer += transDouble(static_cast<double>(*it - '0')) * power;
            power *= ten;
        }
    };
    accumulate(fractionText);
    accumulate(digitText);

    const std::int64_t scale = exponent - static_cast<std::int64_t>(fractionText.size());
    transDouble result = scale >= 0 ? integer * powerOfTen(scale) : integer / powerOfTen(-scale);
    return negative ? -result : result;
}

transDouble transDouble::fromDigits(bool negative, const std::uint8_t *digits, std::size_t count,
                                    std::int32_t point, std::uint16_t digitsKept)
{
    transDouble result;
    if (count > 0)
        result.assignRounded(negative, digits, count, point,
                             digitsKept == 0 ? g_workPrecision : digitsKept);
    return result;
}

transDouble::transDouble(const transDouble &other)
    : m_sign(other.m_sign)
    , m_length(other.m_length)
    , m_point(other.m_point)
{
    reserve(m_length);
    std::memcpy(mutableDigits(), other.digits(), m_length);
}

transDouble::transDouble(transDouble &&other) noexcept
    : m_sign(other.m_sign)
    , m_length(other.m_length)
    , m_capacity(other.m_capacity)
    , m_point(other.m_point)
    , m_heap(std::move(other.m_heap))
{
    if (!m_heap)
        std::memcpy(m_inline, other.m_inline, m_length);
    other.m_capacity = inlineCapacity;
    other.setZero();
}

transDouble &transDouble::operator=(const transDouble &other)
{
    if (this != &other) {
        reserve(other.m_length);
        m_sign = other.m_sign;
        m_length = other.m_length;
        m_point = other.m_point;
        std::memcpy(mutableDigits(), other.digits(), m_length);
    }
    return *this;
}

transDouble &transDouble::operator=(transDouble &&other) noexcept
{
    if (this != &other) {
        transDouble moved(std::move(other));
        swap(moved);
    }
    return *this;
}

void transDouble::swap(transDouble &other) noexcept
{
    std::swap(m_sign, other.m_sign);
    std::swap(m_length, other.m_length);
    std::swap(m_capacity, other.m_capacity);
    std::swap(m_point, other.m_point);
    m_heap.swap(other.m_heap);
    std::swap(m_inline, other.m_inline);
}

// Makes room for digitCount digits; the current digits are not kept when storage grows.
void transDouble::reserve(std::size_t digitCount)
{
    if (digitCount <= m_capacity)
        return;
    m_heap = std::make_unique_for_overwrite<std::uint8_t[]>(digitCount);
    m_capacity = static_cast<std::uint16_t>(digitCount);
}

void transDouble::setZero()
{
    m_sign = 0;
    m_length = 1;
    m_point = 0;
    mutableDigits()[0] = 0;
}

// ---- Rounding ---------------------------------------------------------------------------

// Rounding to L digits: leading zero digits go (the point follows), at most L digits are
// kept, and the first dropped digit rounds the L-th kept digit up when it is 128 or more, the
// carry running towards the front (a carry out of the first digit gives the single digit 1
// with the point one higher). Trailing zero digits, also those the carry made, are dropped.
// Finally a result of exactly L >= 3 digits whose last two digits read xx FF with xx >= 128,
// or xx 00 with xx < 128, is rounded again at L - 1: rounding noise in the last digit of an
// exact 1.000...01 or 1.FFF...F9 snaps to 1 or 2.
void transDouble::assignRounded(bool negative, const std::uint8_t *source, std::size_t count,
                                std::int64_t point, std::size_t digitsKept)
{
    assert(digitsKept >= 1 && count >= 1);
    while (count > 1 && source[0] == 0) {
        ++source;
        --count;
        --point;
    }
    if (source[0] == 0) {
        setZero();
        return;
    }
    const std::size_t kept = std::min(count, digitsKept);
    const bool roundUp = count > kept && source[kept] >= 128;
    reserve(kept);
    std::memmove(mutableDigits(), source, kept);
    m_sign = negative ? 1 : 0;
    m_point = static_cast<std::int32_t>(std::clamp(point, -largestPoint, largestPoint));
    m_length = static_cast<std::uint16_t>(kept);
    std::uint8_t *digit = mutableDigits();
    bool pendingRoundUp = roundUp;
    std::size_t length = digitsKept;
    for (;;) {
        if (pendingRoundUp) {
            std::size_t at = m_length;
            while (at > 0 && digit[at - 1] == 255)
                digit[--at] = 0;
            if (at == 0) {
                digit[0] = 1;
                m_length = 1;
                if (m_point < largestPoint)
                    ++m_point;
            } else {
                ++digit[at - 1];
            }
        }
        while (m_length > 1 && digit[m_length - 1] == 0)
            --m_length;
        if (m_length != length || length < 3)
            break;
        const std::uint8_t last = digit[length - 1];
        const std::uint8_t before = digit[length - 2];
        if (!((last >= 128 && before == 255) || (last < 128 && before == 0)))
            break;
        --length;
        m_length = static_cast<std::uint16_t>(length);
        pendingRoundUp = last >= 128;
    }
}

void transDouble::roundInPlace(std::size_t digitsKept)
{
    assignRounded(isNegative(), digits(), m_length, m_point, digitsKept);
}

void transDouble::normalize(std::uint16_t digitCount)
{
    roundInPlace(digitCount == 0 ? g_workPrecision : digitCount);
}

// ---- Arithmetic -------------------------------------------------------------------------

// The exact sum or difference of the magnitudes, aligned on the radix point in one buffer,
// then rounded to P. Subtraction takes the smaller magnitude from the larger and gives the
// result the sign of the larger, which is what a subtraction with a complemented borrow gives.
void transDouble::addOrSubtract(const transDouble &a, const transDouble &b, bool subtract,
                                transDouble &result)
{
    const std::size_t digitsKept = g_workPrecision;
    const bool bNegative = b.isNegative() != subtract;
    if (b.isZero()) {
        result.assignRounded(a.isNegative(), a.digits(), a.m_length, a.m_point, digitsKept);
        return;
    }
    if (a.isZero()) {
        result.assignRounded(bNegative, b.digits(), b.m_length, b.m_point, digitsKept);
        return;
    }
    const bool sameSign = a.isNegative() == bNegative;
    const transDouble *upper = &a;
    const transDouble *lower = &b;
    bool negative = a.isNegative();
    if (sameSign) {
        if (b.m_point > a.m_point)
            std::swap(upper, lower);
    } else {
        const int order = compareMagnitude(a, b);
        if (order == 0) {
            result.setZero();
            return;
        }
        if (order < 0) {
            std::swap(upper, lower);
            negative = bNegative;
        }
    }

    const std::int64_t upperPoint = upper->m_point;
    const std::int64_t upperEnd = upperPoint - upper->m_length;
    std::int64_t lowerPoint = lower->m_point;
    std::int64_t lowerLength = lower->m_length;
    const std::uint8_t *lowerDigits = lower->digits();
    static constexpr std::uint8_t farDigit = 1;
    const std::int64_t farthestGap = static_cast<std::int64_t>(digitsKept) + sumGapMargin;
    if (upperEnd - lowerPoint > farthestGap) {
        lowerPoint = upperEnd - farthestGap;
        lowerLength = 1;
        lowerDigits = &farDigit;
    }

    const std::int64_t bottom = std::min(upperEnd, lowerPoint - lowerLength);
    const std::int64_t resultPoint = sameSign ? upperPoint + 1 : upperPoint;
    const auto size = static_cast<std::size_t>(resultPoint - bottom);
    DigitScratch scratch(size);
    std::uint8_t *buffer = scratch.data();
    std::memset(buffer, 0, size);
    std::memcpy(buffer + (resultPoint - upperPoint), upper->digits(), upper->m_length);
    const auto lowerStart = static_cast<std::size_t>(resultPoint - lowerPoint);
    if (sameSign)
        combineDigits<false>(buffer, lowerStart, lowerDigits,
                             static_cast<std::size_t>(lowerLength));
    else
        combineDigits<true>(buffer, lowerStart, lowerDigits, static_cast<std::size_t>(lowerLength));
    result.assignRounded(negative, buffer, size, resultPoint, digitsKept);
}

void transDouble::multiplyInto(const transDouble &a, const transDouble &b, std::size_t digitsKept,
                               transDouble &result)
{
    if (a.m_length > longestFactor || b.m_length > longestFactor)
        throw OversizedMultiplication();
    if (a.isZero() || b.isZero()) {
        result.setZero();
        return;
    }
    // Rounding reads the kept digits and the one after them, behind at most one leading zero
    // digit (both operands start with a non-zero digit); the digits after those are not formed.
    const std::size_t size = std::size_t{a.m_length} + b.m_length;
    const std::size_t digitsRead = std::min(size, digitsKept + 2);
    DigitScratch scratch(digitsRead);
    if (digitsRead < size)
        digitproduct::leading(a.digits(), a.m_length, b.digits(), b.m_length, digitsRead,
                              scratch.data());
    else
        digitproduct::multiply(a.digits(), a.m_length, b.digits(), b.m_length, scratch.data());
    result.assignRounded(a.isNegative() != b.isNegative(), scratch.data(), digitsRead,
                         std::int64_t{a.m_point} + b.m_point, digitsKept);
}

transDouble operator+(const transDouble &a, const transDouble &b)
{
    transDouble result;
    transDouble::addOrSubtract(a, b, false, result);
    return result;
}

transDouble operator-(const transDouble &a, const transDouble &b)
{
    transDouble result;
    transDouble::addOrSubtract(a, b, true, result);
    return result;
}

transDouble operator*(const transDouble &a, const transDouble &b)
{
    transDouble result;
    transDouble::multiplyInto(a, b, g_workPrecision, result);
    return result;
}

transDouble operator/(const transDouble &a, const transDouble &b)
{
    return a * b.reciprocal();
}

transDouble &transDouble::operator+=(const transDouble &other)
{
    addOrSubtract(*this, other, false, *this);
    return *this;
}

transDouble &transDouble::operator-=(const transDouble &other)
{
    addOrSubtract(*this, other, true, *this);
    return *this;
}

transDouble &transDouble::operator*=(const transDouble &other)
{
    multiplyInto(*this, other, g_workPrecision, *this);
    return *this;
}

transDouble &transDouble::operator/=(const transDouble &other)
{
    const transDouble inverse = other.reciprocal();
    multiplyInto(*this, inverse, g_workPrecision, *this);
    return *this;
}

transDouble transDouble::operator-() const
{
    transDouble result(*this);
    if (!result.isZero())
        result.m_sign ^= 1;
    return result;
}

transDouble transDouble::product(const transDouble &a, const transDouble &b, std::uint16_t digits)
{
    transDouble result;
    multiplyInto(a, b, digits == 0 ? g_workPrecision : digits, result);
    return result;
}

namespace {

// Sign, point and the first `count` digits agree, digits beyond a length counting as 0.
bool leadingDigitsAgree(const transDouble &a, const transDouble &b, std::size_t count)
{
    if (a.sign() != b.sign() || a.point() != b.point())
        return false;
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t da = i < a.length() ? a.digit(i) : 0;
        const std::uint8_t db = i < b.length() ? b.digit(i) : 0;
        if (da != db)
            return false;
    }
    return true;
}

} // namespace

// Newton's iteration x <- x (2 - v x) at P = Q + 10, from x0 = the digits of v with the point
// negated, so that v x0 = (0.d)^2 lies in [2^-16, 1) and the iterates rise towards 1/v.
transDouble transDouble::reciprocal() const
{
    if (isZero())
        return transDouble();
    const std::uint16_t resultDigits = g_extendedPrecision;
    const PrecisionGuard guard;
    setWorkPrecision(clampedPrecision(long{g_extendedPrecision} + 10));

    transDouble x(*this);
    x.m_point = -m_point;
    transDouble t;
    for (int step = 0; step < largestNewtonSteps; ++step) {
        multiplyInto(*this, x, g_workPrecision, t);
        t.m_sign ^= t.isZero() ? 0 : 1;
        t += two();
        t *= x;
        x.swap(t);
        if (leadingDigitsAgree(x, t, std::size_t{resultDigits} + 1))
            break;
    }
    x.roundInPlace(resultDigits);
    return x;
}

// ---- Comparison and conversion ----------------------------------------------------------

bool operator==(const transDouble &a, const transDouble &b)
{
    return a.m_sign == b.m_sign && a.m_point == b.m_point && a.m_length == b.m_length
           && std::memcmp(a.digits(), b.digits(), a.m_length) == 0;
}

int transDouble::signedEquality(const transDouble &a, const transDouble &b)
{
    if (a.m_point != b.m_point || a.m_length != b.m_length
        || std::memcmp(a.digits(), b.digits(), a.m_length) != 0)
        return 0;
    return a.m_sign == b.m_sign ? 1 : -1;
}

int transDouble::compareMagnitude(const transDouble &a, const transDouble &b)
{
    if (a.isZero() || b.isZero())
        return int{!a.isZero()} - int{!b.isZero()};
    if (a.m_point != b.m_point)
        return a.m_point < b.m_point ? -1 : 1;
    const std::size_t common = std::min(a.m_length, b.m_length);
    const int order = std::memcmp(a.digits(), b.digits(), common);
    if (order != 0)
        return order < 0 ? -1 : 1;
    if (a.m_length == b.m_length)
        return 0;
    return a.m_length < b.m_length ? -1 : 1;
}

bool transDouble::isZero() const
{
    return m_length == 1 && digits()[0] == 0;
}

double transDouble::toDouble() const
{
    if (isZero())
        return 0.0;
    // The smallest digit weight summed is 256^-127.
    static constexpr int lowestWeight = -127;
    double magnitude = DBL_MIN;
    if (m_point > -lowestWeight) {
        magnitude = DBL_MAX;
    } else if (m_point >= lowestWeight) {
        double sum = 0.0;
        const int count = std::min<int>(m_length, 8);
        for (int i = count - 1; i >= 0; --i) {
            const int weight = m_point - 1 - i;
            if (weight >= lowestWeight)
                sum += std::ldexp(digits()[i], 8 * weight);
        }
        // At point -127 every digit weighs less than 256^-127; such a value saturates like
        // the smaller ones instead of becoming 0.
        if (sum != 0.0)
            magnitude = sum;
    }
    return isNegative() ? -magnitude : magnitude;
}
