#include "circuitinfo.h"
#include "terminaltext.h"

#include <model/depvoltsource.h>
#include <model/tcircuitdocument.h>
#include <model/textblock.h>

#include <gtest/gtest.h>

#include <memory>

TEST(TerminalText, PassesPrintableUtf8AndEscapesEverythingElse)
{
    EXPECT_EQ(terminalText("R1 0.1 \xC2\xB5"
                           "F"),
              "R1 0.1 \xC2\xB5"
              "F");
    EXPECT_EQ(terminalText("\x1B[2J"), "\\x1B[2J");
    EXPECT_EQ(terminalText("a\nb\x7F"), "a\\x0Ab\\x7F");
    // A C1 control (U+009B), a lone continuation byte, a truncated sequence, an overlong
    // encoding and a surrogate.
    EXPECT_EQ(terminalText("\xC2\x9B"), "\\xC2\\x9B");
    EXPECT_EQ(terminalText("\x80x"), "\\x80x");
    EXPECT_EQ(terminalText("\xE2\x82"), "\\xE2\\x82");
    EXPECT_EQ(terminalText("\xC0\xAF"), "\\xC0\\xAF");
    EXPECT_EQ(terminalText("\xED\xA0\x80"), "\\xED\\xA0\\x80");
    EXPECT_EQ(terminalText("\xF0\x9F\x98\x80"), "\xF0\x9F\x98\x80");
}

TEST(CircuitInfo, ListsDependentSourcesAndTextBlocksWithTheirDetails)
{
    TCircuitDocument document;
    document.setPageCount({2, 3});
    document.setNumbersLeftToRight(false);
    document.setShowsComponentValues(false);
    auto source = std::make_unique<DepVoltSource>();
    source->place({0, 0}, {0, 40}, nullptr);
    source->setName(labelUnit("E\x1B"
                              "1"));
    source->dependencies().append(TagDepcy(labelUnit("Vx")));
    source->dependencies().append(TagDepcy(labelUnit("V1")));
    source->setGainNumerator(textDouble("3"));
    source->setGainDenominator(textDouble("2"));
    document.addComponent(std::move(source));
    auto block = std::make_unique<TextBlock>();
    block->place({10, 10}, {50, 50}, nullptr);
    block->setText("{\\rtf1 first\\par " + std::string(70, 'x') + "}");
    document.addLoadedTool(std::move(block));
    EXPECT_EQ(circuitInfo(document),
              "Pages: 2 x 3 from page 1, numbered top to bottom\n"
              "Component names shown, component values hidden\n"
              "Significand bytes: 50, solver parameter: 100\n"
              "Components: 1\n"
              "  Dependent Voltage Source E\\x1B1, gain 3 / 2, voltage dependent on Vx V1, "
              "from (0,0) to (0,40)\n"
              "Tags: 0\n"
              "Tools: 1\n"
              "  Text Block, \"first "
                  + std::string(54, 'x') + "...\", from (10,10) to (50,50)\n");
}
