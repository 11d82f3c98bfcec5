#include <algebra/algebrastreamables.h>
#include <algebra/factpolynom.h>
#include <algebra/partfracfunc.h>
#include <algebra/polynom.h>
#include <algebra/ratiofunc.h>

#include <common/ipstream.h>
#include <common/opstream.h>

#include <gtest/gtest.h>

#include <memory>
#include <numbers>

using Complex = std::complex<double>;

namespace {

class AlgebraStreams : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { registerAlgebraStreamables(); }
};

// The record of an object alone: the framed bytes minus the header and the frame of the
// stream layer.
std::vector<std::uint8_t> recordOf(const TStreamableBase &object)
{
    opstream framed;
    framed.writeObject(object);
    opstream empty;
    const std::size_t frameStart
        = empty.bytes().size() + 1 + 4 + std::string(object.streamableName()).size() + 4;
    const auto &bytes = framed.bytes();
    return {bytes.begin() + static_cast<std::ptrdiff_t>(frameStart), bytes.end() - 1};
}

std::vector<std::uint8_t> recordBytes(const opstream &os)
{
    const std::size_t header = opstream().bytes().size();
    return {os.bytes().begin() + static_cast<std::ptrdiff_t>(header), os.bytes().end()};
}

template<typename T>
std::vector<std::uint8_t> savedAsPointer(const T &object)
{
    opstream os;
    os.writePointer(&object);
    return os.takeBytes();
}

PartFracFunc sampleExpansion()
{
    FactPolynom poles;
    poles.append(Root(Complex(-1.0, 2.0), 2));
    poles.append(Root(-3.0, 1));
    PartFracFunc expansion;
    expansion.expand(Polynom{1.0, 2.0}, poles);
    return expansion;
}

} // namespace

TEST_F(AlgebraStreams, RecordsHoldTheFieldsInOrder)
{
    opstream polynom;
    polynom.writeWord32(2);
    for (const double d : {1.5, -2.0, 0.0, 4.0})
        polynom.writeDouble(d);
    EXPECT_EQ(recordOf(Polynom{Complex(1.5, -2.0), Complex(0.0, 4.0)}), recordBytes(polynom));

    opstream root;
    root.writeDouble(-1.0);
    root.writeDouble(0.5);
    root.writeInt32(3);
    EXPECT_EQ(recordOf(Root(Complex(-1.0, 0.5), 3)), recordBytes(root));

    const PartFrac term(Complex(-1.0, 0.5), 3, Complex(0.0, -2.0));
    opstream frac;
    frac.writeBool32(false);
    frac.writeDouble(0.0);
    frac.writeDouble(-2.0);
    frac.writeObject(Root(Complex(-1.0, 0.5), 3));
    frac.writeDouble(2.0);
    frac.writeDouble(2.0);
    frac.writeDouble(-std::numbers::pi / 2);
    EXPECT_EQ(recordOf(term), recordBytes(frac));

    FactPolynom roots;
    roots.append(Root(2.0, 1));
    opstream list;
    list.writeWord32(1);
    list.writeObject(Root(2.0, 1));
    EXPECT_EQ(recordOf(roots), recordBytes(list));

    const RatioFunc ratio;
    opstream pair;
    pair.writeObject(Polynom(0.0));
    pair.writeObject(Polynom(1.0));
    EXPECT_EQ(recordOf(ratio), recordBytes(pair));
}

TEST_F(AlgebraStreams, SaveLoadSaveGivesIdenticalBytes)
{
    const PartFracFunc expansion = sampleExpansion();
    FactPolynom roots;
    double accuracy = 0.0;
    roots.factor(Polynom{6.0, 11.0, 6.0, 1.0}, accuracy);
    const RatioFunc ratio(Polynom{1.0, Complex(0.0, 2.0)}, Polynom{2.0, 3.0, 1.0});

    const std::vector<std::vector<std::uint8_t>> saved
        = {savedAsPointer(expansion), savedAsPointer(roots), savedAsPointer(ratio)};
    for (const auto &bytes : saved) {
        ipstream is(bytes);
        const std::unique_ptr<TStreamableBase> loaded = is.readOwnedPointer<TStreamableBase>();
        ASSERT_TRUE(is.good()) << is.errorText();
        ASSERT_TRUE(loaded);
        opstream again;
        again.writePointer(loaded.get());
        EXPECT_EQ(again.bytes(), bytes);
    }

    ipstream is(saved[0]);
    const auto loaded = is.readOwnedPointer<PartFracFunc>();
    ASSERT_TRUE(loaded);
    ASSERT_EQ(loaded->terms().count(), expansion.terms().count());
    EXPECT_DOUBLE_EQ(loaded->response(0.7), expansion.response(0.7));
}

TEST_F(AlgebraStreams, DamagedRecordsFailTheStreamWithoutAllocating)
{
    // A coefficient count far beyond the bytes that follow.
    opstream count;
    count.writeByte(1); // a new object
    count.writeByte(0x5B);
    count.writeString("Polynom");
    count.writeWord32(1);
    count.writeWord32(0x7fffffff);
    count.writeDouble(1.0);
    ipstream countStream(count.bytes());
    EXPECT_EQ(countStream.readOwnedPointer<Polynom>(), nullptr);
    EXPECT_TRUE(countStream.failed());

    // A multiplicity that no root can have.
    opstream multiplicity;
    multiplicity.writeObject(Root(1.0, 1));
    std::vector<std::uint8_t> bytes = multiplicity.takeBytes();
    bytes[bytes.size() - 2] = 0x7f;
    ipstream multiplicityStream(bytes);
    Root root;
    EXPECT_FALSE(multiplicityStream.readObject(root));
    EXPECT_EQ(root, Root());

    // Every truncation of a saved expansion fails cleanly.
    const std::vector<std::uint8_t> whole = savedAsPointer(sampleExpansion());
    for (std::size_t size = 8; size < whole.size(); ++size) {
        ipstream truncated(std::vector<std::uint8_t>(whole.begin(), whole.begin() + size));
        EXPECT_EQ(truncated.readOwnedPointer<PartFracFunc>(), nullptr);
        EXPECT_TRUE(truncated.failed());
    }
}
