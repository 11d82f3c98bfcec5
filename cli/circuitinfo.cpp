#include "circuitinfo.h"

#include "terminaltext.h"

#include <model/depsource.h>
#include <model/passcomp.h>
#include <model/rtfplaintext.h>
#include <model/tcircuitdocument.h>
#include <model/textblock.h>

#include <sstream>
#include <string>

namespace {

// The longest text of a text block shown.
constexpr std::size_t shownTextLength = 60;

std::string pointText(Point p)
{
    return "(" + std::to_string(p.x) + "," + std::to_string(p.y) + ")";
}

std::string dependentSourceDetails(const DepSource &source)
{
    std::string details = "gain " + terminalText(source.gainNumerator().view()) + " / "
                          + terminalText(source.gainDenominator().view())
                          + (source.isVoltageDependent() ? ", voltage" : ", current")
                          + " dependent";
    if (!source.dependencies().isEmpty()) {
        details += " on";
        for (const TagDepcy &dependency : source.dependencies())
            details += " " + terminalText(dependency.tagName().view());
    }
    return details;
}

std::string textBlockDetails(const TextBlock &block)
{
    std::string plain = rtfPlainText(block.text());
    for (char &c : plain) {
        if (c == '\n' || c == '\t')
            c = ' ';
    }
    if (plain.size() > shownTextLength)
        plain = plain.substr(0, shownTextLength) + "...";
    return "\"" + terminalText(plain) + "\"";
}

// Kind and name, the class's own details, then the two points.
std::string thingLine(const CircThing &thing)
{
    std::string line = "  ";
    line += thing.helpTopicTitle();
    if (!thing.name().isEmpty())
        line += " " + terminalText(thing.name().view());
    if (const auto *passive = dynamic_cast<const PassComp *>(&thing))
        line += ", " + terminalText(passive->valueLabel());
    else if (const auto *dependent = dynamic_cast<const DepSource *>(&thing))
        line += ", " + dependentSourceDetails(*dependent);
    else if (const auto *block = dynamic_cast<const TextBlock *>(&thing))
        line += ", " + textBlockDetails(*block);
    line += ", from " + pointText(thing.firstPoint()) + " to " + pointText(thing.secondPoint());
    return line + "\n";
}

template<typename T>
void listThings(std::ostringstream &out, const char *heading, const MPtrArray<T> &things)
{
    out << heading << ": " << things.count() << "\n";
    for (const T *thing : things)
        out << thingLine(*thing);
}

} // namespace

std::string circuitInfo(const TCircuitDocument &document)
{
    std::ostringstream out;
    const Size pages = document.pageCount();
    out << "Pages: " << pages.width << " x " << pages.height << " from page "
        << document.startPage() << ", numbered "
        << (document.numbersLeftToRight() ? "left to right" : "top to bottom") << "\n";
    out << "Component names " << (document.showsComponentNames() ? "shown" : "hidden")
        << ", component values " << (document.showsComponentValues() ? "shown" : "hidden") << "\n";
    out << "Significand bytes: " << document.significandBytes()
        << ", solver parameter: " << document.solverParameter() << "\n";
    listThings(out, "Components", document.components());
    listThings(out, "Tags", document.tags());
    listThings(out, "Tools", document.tools());
    return out.str();
}
