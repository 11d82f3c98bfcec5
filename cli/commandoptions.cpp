#include "commandoptions.h"

#include "commanderror.h"

#include <tools/bodeplot.h>
#include <tools/bodeplotexportdata.h>
#include <tools/exportnumberformat.h>
#include <tools/graph/dialogtext.h>
#include <tools/timeplotexportdata.h>

#include <common/numbertext.h>

#include <cmath>

namespace CommandOptions {

void addFile(CLI::App &command, std::string &file)
{
    command.add_option("FILE", file, "The circuit file (.crc)")->required();
}

void addSourceAndOutput(CLI::App &command, std::string &source, std::string &output)
{
    command.add_option("--source", source, "The independent source that drives the circuit")
        ->required();
    command
        .add_option("--output", output,
                    "The output equation: a tag name or an expression over tag names; on an "
                    "imported sheet also SPICE's V(node), V(a,b), I(R1)")
        ->required();
}

CLI::Option *addDigits(CLI::App &command, int &digits)
{
    return command
        .add_option("--digits", digits,
                    "Significant digits of the numbers written (17 read back exactly)")
        ->check(CLI::Range(1, ExportNumberFormat::maxDigits))
        ->default_val(ExportNumberFormat::defaultDigits);
}

CLI::Validator finiteNumber()
{
    return CLI::Validator(
        [](std::string &text) {
            std::size_t consumed = 0;
            const double value = parseLeadingDouble(text.c_str(), &consumed);
            if (text.empty() || consumed != text.size() || !std::isfinite(value))
                return "not a finite number: " + text;
            return std::string();
        },
        "NUMBER");
}

CLI::Validator nonEmptyFileName()
{
    return CLI::Validator(
        [](std::string &text) { return text.empty() ? "an empty file name" : std::string(); },
        "FILE");
}

} // namespace CommandOptions

void ExportFieldOptions::remember(CLI::Option *option, int fields)
{
    m_added.push_back({option, fields});
}

void ExportFieldOptions::addTo(CLI::App &command, int fields, bool required)
{
    const bool bode = (fields & bodeFields) != 0;
    const bool window = (fields & windowFields) != 0;
    const char *startText = !window ? "The first decade: frequencies from 10^start"
                            : !bode ? "The first time, in seconds"
                                    : "The first decade (Bode plot) or time in seconds";
    m_startOption = command.add_option("--start", m_start, startText)
                        ->check(CommandOptions::finiteNumber())
                        ->required(required);
    remember(m_startOption, bodeFields | windowFields);
    m_pointsOption = command.add_option("--points", m_points, "The number of rows")
                         ->check(CLI::Range(0, TimePlotExportData::maxDataPoints))
                         ->required(required);
    remember(m_pointsOption, bodeFields | windowFields);
    if (window) {
        m_endOption = command.add_option("--end", m_end, "The last time, in seconds")
                          ->check(CommandOptions::finiteNumber())
                          ->required(required);
        remember(m_endOption, windowFields);
    }
    if (!bode)
        return;
    m_decadesOption = command.add_option("--decades", m_decades, "The number of decades")
                          ->check(CLI::Range(0, BodePlot::maxDecades))
                          ->required(required);
    m_hzOption = command.add_flag("--hz", m_hz, "Frequencies in Hz");
    m_radOption = command.add_flag("--rad", m_rad, "Frequencies in rad/s")->excludes(m_hzOption);
    m_freqOption
        = command.add_flag("--freq", m_freq, "The frequency column plain, not its logarithm");
    m_logOption = command.add_flag("--log", m_log, "The frequency column as its logarithm")
                      ->excludes(m_freqOption);
    for (CLI::Option *option :
         {m_decadesOption, m_hzOption, m_radOption, m_freqOption, m_logOption})
        remember(option, bodeFields);
}

std::string ExportFieldOptions::optionOutside(int fields) const
{
    for (const Field &field : m_added) {
        if ((field.fields & fields) == 0 && isGiven(field.option))
            return field.option->get_name();
    }
    return {};
}

void ExportFieldOptions::applyTo(BodePlotExportData &data) const
{
    if (isGiven(m_startOption)) {
        if (m_start != std::trunc(m_start) || std::abs(m_start) > BodePlot::maxDecades)
            throw CommandError("--start of a Bode plot is a whole decade within "
                               + std::to_string(-BodePlot::maxDecades) + " ... "
                               + std::to_string(BodePlot::maxDecades));
        data.startDecade = std::to_string(static_cast<int>(m_start));
    }
    if (isGiven(m_decadesOption))
        data.decades = std::to_string(m_decades);
    if (isGiven(m_pointsOption))
        data.dataPoints = std::to_string(m_points);
    if (m_hz || m_rad)
        data.radiansPerSecond = m_rad;
    if (m_freq || m_log)
        data.logFrequency = m_log;
}

void ExportFieldOptions::applyWindowTo(std::string &start, std::string &end,
                                       std::string &points) const
{
    if (isGiven(m_startOption))
        start = DialogText::number(m_start);
    if (isGiven(m_endOption))
        end = DialogText::number(m_end);
    if (isGiven(m_pointsOption))
        points = std::to_string(m_points);
}
