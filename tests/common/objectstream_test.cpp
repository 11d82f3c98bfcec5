#include <common/ipstream.h>
#include <common/opstream.h>
#include <common/tstreamableclass.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// A small class family that exercises base parts, full objects and pointers.
class Shape : public TStreamableBase
{
    ZENODYNE_STREAMABLE(Shape, 2)

public:
    std::int32_t x = 0;
    std::string label;
};

void Shape::write(opstream &os) const
{
    os.writeInt32(x);
    os.writeString(label);
}

void Shape::read(ipstream &is, std::uint32_t version)
{
    x = is.readInt32();
    // Version 1 records had no label.
    label = version >= 2 ? is.readString() : "unnamed";
}

class Box : public Shape
{
    ZENODYNE_STREAMABLE(Box, 1)

public:
    Shape corner;
    std::unique_ptr<Box> inner;
};

void Box::write(opstream &os) const
{
    os.writeBaseOf<Shape>(*this);
    os.writeObject(corner);
    os.writePointer(inner.get());
}

void Box::read(ipstream &is, std::uint32_t)
{
    is.readBaseOf<Shape>(*this);
    is.readObject(corner);
    inner = is.readOwnedPointer<Box>();
}

class StreamTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        TStreamableClass::add<Shape>();
        TStreamableClass::add<Box>();
    }
};

std::vector<std::uint8_t> boxStream(int nesting)
{
    auto outer = std::make_unique<Box>();
    Box *cursor = outer.get();
    for (int i = 0; i < nesting; ++i) {
        cursor->x = i;
        cursor->label = "box" + std::to_string(i);
        cursor->corner.x = 100 + i;
        cursor->inner = std::make_unique<Box>();
        cursor = cursor->inner.get();
    }
    opstream os;
    os.writePointer(outer.get());
    return os.takeBytes();
}

} // namespace

TEST_F(StreamTest, WordsAreLittleEndianAfterTheHeader)
{
    opstream os;
    os.writeWord32(0x01020304);
    os.writeWord16(0x0506);
    os.writeInt32(-2);
    const std::vector<std::uint8_t> expected
        = {'Z', 'N', 'D', 'Y', 1, 0, 0, 0, 4, 3, 2, 1, 6, 5, 0xFE, 0xFF, 0xFF, 0xFF};
    EXPECT_EQ(os.bytes(), expected);

    ipstream is(os.bytes());
    EXPECT_EQ(is.formatVersion(), 1u);
    EXPECT_EQ(is.readWord32(), 0x01020304u);
    EXPECT_EQ(is.readWord16(), 0x0506u);
    EXPECT_EQ(is.readInt32(), -2);
    EXPECT_TRUE(is.atEnd());
    EXPECT_TRUE(is.good());
}

TEST_F(StreamTest, DoublesAndStringsRoundTrip)
{
    opstream os;
    os.writeDouble(-1.0 / 3.0);
    os.writeString("");
    os.writeString(std::string("a\0b", 3));
    ipstream is(os.bytes());
    EXPECT_EQ(is.readDouble(), -1.0 / 3.0);
    EXPECT_EQ(is.readString(), "");
    EXPECT_EQ(is.readString(), std::string("a\0b", 3));
    EXPECT_TRUE(is.good());
}

TEST_F(StreamTest, NestedObjectsAndBasePartsRoundTrip)
{
    ipstream is(boxStream(3));
    std::unique_ptr<Box> box = is.readOwnedPointer<Box>();
    ASSERT_TRUE(is.good()) << is.errorText();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->label, "box0");
    EXPECT_EQ(box->corner.x, 100);
    ASSERT_NE(box->inner, nullptr);
    ASSERT_NE(box->inner->inner, nullptr);
    EXPECT_EQ(box->inner->inner->label, "box2");
    ASSERT_NE(box->inner->inner->inner, nullptr);
    EXPECT_EQ(box->inner->inner->inner->inner, nullptr);
    EXPECT_TRUE(is.atEnd());
}

TEST_F(StreamTest, RepeatedPointerIsWrittenAsAReference)
{
    Shape shape;
    shape.label = "once";
    opstream os;
    os.writePointer(&shape);
    const std::size_t afterFirst = os.bytes().size();
    os.writePointer(&shape);
    os.writePointer(nullptr);
    const std::vector<std::uint8_t> tail(os.bytes().begin() + static_cast<long>(afterFirst),
                                         os.bytes().end());
    EXPECT_EQ(tail, (std::vector<std::uint8_t>{2, 0, 0, 0, 0, 0}));

    // An owned read cannot take a shared object: the stream fails instead of owning it twice.
    ipstream is(os.bytes());
    EXPECT_NE(is.readOwnedPointer<Shape>(), nullptr);
    EXPECT_EQ(is.readOwnedPointer<Shape>(), nullptr);
    EXPECT_TRUE(is.failed());
    EXPECT_EQ(is.errorText(), "shared object reference where an own object is expected");
}

TEST_F(StreamTest, OlderRecordVersionIsReadWithItsDefaults)
{
    opstream os;
    os.writeByte(1); // a new object
    os.writeByte(0x5B);
    os.writeString("Shape");
    os.writeWord32(1);
    os.writeInt32(42);
    os.writeByte(0x5D);
    ipstream is(os.bytes());
    auto shape = is.readOwnedPointer<Shape>();
    ASSERT_NE(shape, nullptr) << is.errorText();
    EXPECT_EQ(shape->x, 42);
    EXPECT_EQ(shape->label, "unnamed");
}

TEST_F(StreamTest, FailuresNameTheReasonAndTheOffset)
{
    struct Case
    {
        const char *name;
        std::vector<std::uint8_t> payload;
        std::string error;
    };
    const std::vector<Case> cases = {
        {"unknown class",
         {1, 0x5B, 3, 0, 0, 0, 'F', 'o', 'o', 1, 0, 0, 0, 0x5D},
         "unknown class name \"Foo\""},
        {"bad pointer kind", {7}, "bad object pointer"},
        {"dangling reference", {2, 5, 0, 0, 0}, "bad object reference"},
        {"missing frame", {1, 0x00}, "object frame expected"},
        {"huge string", {1, 0x5B, 0xFF, 0xFF, 0xFF, 0x7F}, "unexpected end of data"},
        {"newer version",
         {1, 0x5B, 5, 0, 0, 0, 'S', 'h', 'a', 'p', 'e', 9, 0, 0, 0},
         "record version 9 of class \"Shape\" is newer than this program reads"},
    };
    for (const Case &c : cases) {
        opstream os;
        os.writeBytes(c.payload.data(), c.payload.size());
        ipstream is(os.bytes());
        EXPECT_EQ(is.readOwnedPointer<Shape>(), nullptr) << c.name;
        EXPECT_TRUE(is.failed()) << c.name;
        EXPECT_EQ(is.errorText(), c.error) << c.name;
        EXPECT_TRUE(is.atEnd()) << c.name;
    }
}

TEST_F(StreamTest, ObjectOfAnotherClassIsRejected)
{
    Box box;
    opstream os;
    os.writePointer(&box);
    os.writeObject(box);
    ipstream is(os.bytes());
    // A Box is a Shape, so an owned Shape pointer may hold it.
    EXPECT_NE(is.readOwnedPointer<Shape>(), nullptr);
    Shape shape;
    EXPECT_FALSE(is.readObject(shape));
    EXPECT_EQ(is.errorText(), "object of class \"Shape\" expected, found \"Box\"");
}

TEST_F(StreamTest, TruncationAtEveryByteFailsCleanly)
{
    const std::vector<std::uint8_t> whole = boxStream(2);
    for (std::size_t size = 0; size < whole.size(); ++size) {
        ipstream is(
            std::vector<std::uint8_t>(whole.begin(), whole.begin() + static_cast<long>(size)));
        is.readOwnedPointer<Box>();
        EXPECT_TRUE(is.failed()) << "size " << size;
    }
}

TEST_F(StreamTest, DeepNestingIsRefusedInsteadOfExhaustingTheStack)
{
    ipstream is(boxStream(200));
    EXPECT_EQ(is.readOwnedPointer<Box>(), nullptr);
    EXPECT_EQ(is.errorText(), "objects nested too deeply");
}

TEST_F(StreamTest, CountsLargerThanTheRestOfTheStreamFail)
{
    opstream os;
    os.writeWord32(3);
    os.writeWord32(1);
    os.writeWord32(2);
    os.writeWord32(3);
    {
        ipstream is(os.bytes());
        EXPECT_EQ(is.readCount(4), 3u);
        EXPECT_TRUE(is.good());
    }
    {
        ipstream is(os.bytes());
        EXPECT_EQ(is.readCount(5), 0u);
        EXPECT_EQ(is.errorText(), "count of 3 items exceeds the data that follows");
    }
}

TEST_F(StreamTest, ForeignBytesAreNotAStream)
{
    ipstream is(std::vector<std::uint8_t>{'P', 'K', 3, 4, 0, 0, 0, 0});
    EXPECT_TRUE(is.failed());
    EXPECT_EQ(is.errorText(), "not an object stream of this program");
    ipstream newer(std::vector<std::uint8_t>{'Z', 'N', 'D', 'Y', 2, 0, 0, 0});
    EXPECT_EQ(newer.errorText(), "stream format version 2 is newer than this program reads");
}
