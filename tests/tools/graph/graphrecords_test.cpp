#include "../toolstestsupport.h"

#include <tools/graph/graphmarker.h>
#include <tools/graph/tgraphparam.h>
#include <tools/graph/tpelemparam.h>

#include <gtest/gtest.h>

namespace {

GraphMarker sampleMarker()
{
    GraphMarker marker;
    marker.position = textDouble("1.25");
    marker.target = textDouble("-3");
    marker.kind = GraphMarker::MaximumNear;
    marker.visible = false;
    marker.lineToHorizontalAxis = true;
    marker.showValue = false;
    marker.labelRow = GraphMarker::lowerRow;
    marker.labelSide = GraphMarker::leftSide;
    marker.x = 1.5;
    marker.y = -2.5;
    marker.shownValue = 7.0;
    return marker;
}

} // namespace

TEST(GraphRecords, CurrentRecordsRoundTrip)
{
    TPElemParam line(labelUnit("V2"), Color{10, 20, 30});
    line.style = 3;
    line.shown = true;
    line.leftAxis = false;
    line.markers.append(sampleMarker());
    line.markers.append(GraphMarker());
    const auto lineCopy = roundTrip(line);
    ASSERT_NE(nullptr, lineCopy);
    EXPECT_EQ(line, *lineCopy);

    TGraphParam graph(labelUnit("Freq 10^x"), false);
    graph.leftMinimum = textDouble("-1");
    graph.rightMaximum = textDouble("4");
    graph.leftLabel = labelUnit("dB");
    graph.rightLabel = labelUnit("rad");
    graph.rightShowScale = true;
    graph.leftShowLines = false;
    graph.rightAutoRange = false;
    graph.horizontalShowLines = false;
    const auto graphCopy = roundTrip(graph);
    ASSERT_NE(nullptr, graphCopy);
    EXPECT_EQ(graph, *graphCopy);
}

// A first line record has no axis flag: the line stays on the left axis.
TEST(GraphRecords, FirstLineRecordKeepsTheLeftAxis)
{
    const OldRecord old("TPElemParam", 1, [](opstream &os) {
        os.writeObject(labelUnit("I1"));
        os.writeWord32(Color{1, 2, 3}.packed());
        os.writeInt32(1);
        os.writeBool32(true);
        os.writeWord32(1);
        os.writeObject(sampleMarker());
    });
    TPElemParam line;
    line.leftAxis = false;
    ASSERT_TRUE(readOldRecord(old, line));
    EXPECT_EQ(labelUnit("I1"), line.title);
    EXPECT_EQ((Color{1, 2, 3}), line.colour);
    EXPECT_EQ(1, line.style);
    EXPECT_TRUE(line.shown);
    EXPECT_TRUE(line.leftAxis);
    ASSERT_EQ(1, line.markers.count());
    EXPECT_EQ(sampleMarker(), line.markers[0]);
}

TEST(GraphRecords, OlderGraphRecordsKeepDefaultsForAbsentFlags)
{
    const OldRecord first("TGraphParam", 1, [](opstream &os) {
        os.writeObject(labelUnit("volts"));
        os.writeObject(labelUnit("t"));
        os.writeObject(textDouble("-2"));
        os.writeObject(textDouble("2"));
        os.writeBool32(false);
    });
    TGraphParam graph;
    ASSERT_TRUE(readOldRecord(first, graph));
    TGraphParam expected(labelUnit("t"));
    expected.leftLabel = labelUnit("volts");
    expected.leftMinimum = textDouble("-2");
    expected.leftMaximum = textDouble("2");
    expected.leftAutoRange = false;
    EXPECT_EQ(expected, graph);

    const OldRecord second("TGraphParam", 2, [](opstream &os) {
        for (const char *range : {"1", "2", "3", "4"})
            os.writeObject(textDouble(range));
        for (const char *label : {"h", "l", "r"})
            os.writeObject(labelUnit(label));
        for (const bool flag : {false, true, false, false, false})
            os.writeBool32(flag);
    });
    TGraphParam graph2;
    ASSERT_TRUE(readOldRecord(second, graph2));
    EXPECT_EQ(labelUnit("4"), graph2.rightMaximum);
    EXPECT_EQ(labelUnit("r"), graph2.rightLabel);
    EXPECT_FALSE(graph2.leftShowScale);
    EXPECT_TRUE(graph2.rightShowScale);
    EXPECT_FALSE(graph2.leftAutoRange);
    EXPECT_FALSE(graph2.rightAutoRange);
    EXPECT_FALSE(graph2.linearHorizontalAxis);
    EXPECT_TRUE(graph2.leftShowLines);
    EXPECT_FALSE(graph2.rightShowLines);
    EXPECT_TRUE(graph2.horizontalShowScale);
    EXPECT_TRUE(graph2.horizontalShowLines);
}

// A damaged marker count is refused instead of allocating for it.
TEST(GraphRecords, ImpossibleMarkerCountFailsTheStream)
{
    const OldRecord damaged("TPElemParam", 2, [](opstream &os) {
        os.writeObject(labelUnit("x"));
        os.writeWord32(0);
        os.writeInt32(0);
        os.writeBool32(true);
        os.writeBool32(true);
        os.writeWord32(0xFFFFFFFFu);
    });
    TPElemParam line;
    EXPECT_FALSE(readOldRecord(damaged, line));
    EXPECT_EQ(0, line.markers.count());
}
