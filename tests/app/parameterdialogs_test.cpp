#include "apptestsupport.h"

#include <circtagdialog.h>
#include <depsrcdialog.h>
#include <indepsrcdialog.h>
#include <passcompdialog.h>
#include <qtparameterdialogs.h>

#include <model/capacitor.h>
#include <model/currenttag.h>
#include <model/currsource.h>
#include <model/depvoltsource.h>
#include <model/resistor.h>
#include <model/tcircuitdocument.h>
#include <model/voltagetag.h>
#include <model/voltsource.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

void retype(QLineEdit &edit, const QString &text)
{
    edit.selectAll();
    QTest::keyClicks(&edit, text);
}

QStringList entriesOf(const QListWidget &list)
{
    QStringList entries;
    for (int row = 0; row < list.count(); ++row) {
        const QListWidgetItem *item = list.item(row);
        entries.append((item->checkState() == Qt::Checked ? "+" : "") + item->text());
    }
    return entries;
}

void clickEntry(QListWidget &list, const QString &text)
{
    const QListWidgetItem *item = list.findItems(text, Qt::MatchExactly).value(0);
    ASSERT_NE(item, nullptr);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(item).center());
}

// The controls that Tab reaches from the first one, in their order.
QList<QWidget *> tabChain(QWidget &first, qsizetype count)
{
    QList<QWidget *> chain{&first};
    for (QWidget *widget = first.nextInFocusChain(); chain.size() < count && widget != &first;
         widget = widget->nextInFocusChain()) {
        if (widget->focusPolicy() & Qt::TabFocus)
            chain.append(widget);
    }
    return chain;
}

std::vector<std::string> dependenciesOf(const DepSource &source)
{
    std::vector<std::string> names;
    for (const TagDepcy &dependency : source.dependencies())
        names.emplace_back(dependency.tagName().view());
    return names;
}

TEST(PassCompDialog, ShowsTheComponentAndReturnsTheTypedValueUnitAndSide)
{
    Capacitor capacitor;
    capacitor.setName(labelUnit("C1"));
    capacitor.setValue(textDouble("4.7"));
    capacitor.setUnitIndex(1);
    PassCompDialogData data = PassCompDialogData::from(capacitor);
    PassCompDialog dialog(data);
    dialog.show();

    EXPECT_EQ(dialog.windowTitle(), "Component Parameters");
    EXPECT_EQ(dialog.nameEdit().text(), "C1");
    EXPECT_EQ(dialog.valueEdit().selectedText(), "4.7");
    EXPECT_EQ(dialog.unitBox().count(), 4);
    EXPECT_EQ(dialog.unitBox().currentText(), QString::fromUtf8("\u00B5F"));
    EXPECT_TRUE(dialog.defaultSideButton().isChecked());
    EXPECT_EQ(dialog.valueHint().text(), "= 4.7e-06 F");
    EXPECT_FALSE(dialog.helpButton().isEnabled());

    // Typing replaces the selected value; the hint follows the text and the unit.
    QTest::keyClicks(&dialog.valueEdit(), QStringLiteral("22n"));
    EXPECT_EQ(dialog.valueHint().text(), "= 2.2e-05 F");
    dialog.unitBox().setCurrentIndex(0);
    EXPECT_EQ(dialog.valueHint().text(), "= 2.2e-11 F");
    retype(dialog.nameEdit(), QStringLiteral("  C 7"));
    QTest::mouseClick(&dialog.otherSideButton(), Qt::LeftButton);
    dialog.accept();

    // The texts as typed: the core cuts and normalizes them when it applies the data.
    EXPECT_EQ(data.label.name, "  C 7");
    EXPECT_EQ(data.value, "22n");
    EXPECT_EQ(data.unitIndex, 0);
    EXPECT_EQ(data.label.labelSide, LabelSide::Other);
}

TEST(PassCompDialog, TabWalksFromTheNameThroughValueAndUnitToTheLabelPosition)
{
    Resistor resistor;
    PassCompDialogData data = PassCompDialogData::from(resistor);
    PassCompDialog dialog(data);
    dialog.show();
    EXPECT_EQ(tabChain(dialog.nameEdit(), 5),
              (QList<QWidget *>{&dialog.nameEdit(), &dialog.valueEdit(), &dialog.unitBox(),
                                &dialog.defaultSideButton(), &dialog.otherSideButton()}));
}

TEST(PassCompDialog, RunsModallyAndCancelStoresNothing)
{
    Resistor resistor;
    resistor.setName(labelUnit("R1"));
    resistor.setValue(textDouble("10"));
    QtParameterDialogs dialogs;
    QStringList topics;
    dialogs.setHelp([&topics](const QString &topic) { topics.append(topic); });
    whenModal<PassCompDialog>([](PassCompDialog &dialog) {
        QTest::keyClicks(&dialog.valueEdit(), QStringLiteral("99"));
        dialog.unitBox().setCurrentIndex(2);
        QTest::mouseClick(&dialog.helpButton(), Qt::LeftButton);
        dialog.reject();
    });
    EXPECT_FALSE(resistor.editParameters(dialogs));
    EXPECT_EQ(topics, QStringList{"Resistor"});
    EXPECT_EQ(resistor.value(), "10");
    EXPECT_EQ(resistor.unitIndex(), 0);
}

TEST(NameSideDialogs, SourceAndTagDialogsCutTheNameAndStoreTheSide)
{
    VoltSource source;
    QtParameterDialogs dialogs;
    whenModal<IndepSrcDialog>([](IndepSrcDialog &dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Independent Source Parameters");
        QTest::keyClicks(&dialog.nameEdit(), QString(70, QLatin1Char('V')));
        QTest::mouseClick(&dialog.otherSideButton(), Qt::LeftButton);
        dialog.accept();
    });
    EXPECT_TRUE(source.editParameters(dialogs));
    EXPECT_EQ(source.name(), std::string(63, 'V'));
    EXPECT_EQ(source.labelSide(), LabelSide::Other);

    CurrentTag tag;
    tag.setName(labelUnit("I1"));
    tag.setLabelSide(LabelSide::Other);
    whenModal<CircTagDialog>([](CircTagDialog &dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Label Parameters");
        EXPECT_TRUE(dialog.otherSideButton().isChecked());
        retype(dialog.nameEdit(), QStringLiteral("-Iout"));
        QTest::mouseClick(&dialog.defaultSideButton(), Qt::LeftButton);
        dialog.accept();
    });
    EXPECT_TRUE(tag.editParameters(dialogs));
    // The name is normalized: nothing of it is left before the letters.
    EXPECT_EQ(tag.name(), "");
    EXPECT_EQ(tag.labelSide(), LabelSide::Default);
}

class DepSrcDialogTest : public testing::Test
{
protected:
    DepSrcDialogTest()
    {
        document.openNew();
        const auto add = [this](auto thing, const char *name) {
            thing->setName(labelUnit(name));
            thing->place({0, 0}, {0, 0}, &document);
            return thing;
        };
        document.appendTag(add(std::make_unique<VoltageTag>(), "Va"));
        document.appendTag(add(std::make_unique<CurrentTag>(), "Ia"));
        document.appendTag(add(std::make_unique<VoltageTag>(), "1x"));
        document.appendTag(add(std::make_unique<VoltageTag>(), "Vb"));
        document.appendComponent(add(std::make_unique<CurrSource>(), "Iin"));
        document.appendComponent(add(std::make_unique<VoltSource>(), "Vin"));
        source.setDocument(&document);
        source.setName(labelUnit("E1"));
        source.dependencies().append(TagDepcy(labelUnit("Vb")));
    }

    TCircuitDocument document;
    DepVoltSource source;
};

TEST_F(DepSrcDialogTest, ListsTheQuantitiesOfTheKindAndStoresTheMarksInListOrder)
{
    DepSrcDialogData data = DepSrcDialogData::from(source);
    DepSrcDialog dialog(data);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Dependent Source Parameters");
    EXPECT_TRUE(dialog.voltageDependentButton().isChecked());
    // Tags of the kind, then sources of the kind; a name that is not valid is left out.
    EXPECT_EQ(entriesOf(dialog.tagList()), (QStringList{"Va", "+Vb", "Vin"}));

    clickEntry(dialog.tagList(), "Vin");
    clickEntry(dialog.tagList(), "Vb");
    clickEntry(dialog.tagList(), "Va");
    EXPECT_EQ(entriesOf(dialog.tagList()), (QStringList{"+Va", "Vb", "+Vin"}));
    retype(dialog.gainNumeratorEdit(), QStringLiteral("2k"));
    retype(dialog.gainDenominatorEdit(), QStringLiteral("x"));
    dialog.accept();

    data.applyTo(source);
    EXPECT_EQ(dependenciesOf(source), (std::vector<std::string>{"Va", "Vin"}));
    EXPECT_EQ(source.gainNumerator(), "2");
    EXPECT_EQ(source.gainDenominator(), "0");
}

TEST_F(DepSrcDialogTest, TabWalksTheControlsTopDownAndSpaceTogglesTheCurrentEntry)
{
    DepSrcDialogData data = DepSrcDialogData::from(source);
    DepSrcDialog dialog(data);
    dialog.show();
    EXPECT_EQ(tabChain(dialog.nameEdit(), 8),
              (QList<QWidget *>{&dialog.nameEdit(), &dialog.voltageDependentButton(),
                                &dialog.currentDependentButton(), &dialog.tagList(),
                                &dialog.gainNumeratorEdit(), &dialog.gainDenominatorEdit(),
                                &dialog.defaultSideButton(), &dialog.otherSideButton()}));

    dialog.tagList().setCurrentRow(0);
    QTest::keyClick(&dialog.tagList(), Qt::Key_Space);
    QTest::keyClick(&dialog.tagList(), Qt::Key_Down);
    QTest::keyClick(&dialog.tagList(), Qt::Key_Space);
    EXPECT_EQ(entriesOf(dialog.tagList()), (QStringList{"+Va", "Vb", "Vin"}));
}

TEST_F(DepSrcDialogTest, KindSwitchRebuildsTheListAndCancelKeepsTheSource)
{
    DepSrcDialogData data = DepSrcDialogData::from(source);
    {
        DepSrcDialog dialog(data);
        dialog.show();
        QTest::mouseClick(&dialog.currentDependentButton(), Qt::LeftButton);
        EXPECT_EQ(entriesOf(dialog.tagList()), (QStringList{"Ia", "Iin"}));
        clickEntry(dialog.tagList(), "Iin");
        dialog.reject();
    }
    data.applyTo(source);
    EXPECT_TRUE(source.isVoltageDependent());
    EXPECT_EQ(dependenciesOf(source), std::vector<std::string>{"Vb"});

    DepSrcDialog dialog(data);
    dialog.show();
    QTest::mouseClick(&dialog.currentDependentButton(), Qt::LeftButton);
    clickEntry(dialog.tagList(), "Iin");
    dialog.accept();
    data.applyTo(source);
    EXPECT_FALSE(source.isVoltageDependent());
    EXPECT_EQ(dependenciesOf(source), std::vector<std::string>{"Iin"});
}

} // namespace
