#pragma once

#include <CLI/CLI.hpp>

#include "command.h"

#include <tools/exportnumberformat.h>

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

struct BodePlotExportData;

// Options that several commands share.
namespace CommandOptions {

// The circuit file, the first positional argument of every analysis command.
void addFile(CLI::App &command, std::string &file);
// --source and --output: the independent source and the output equation, both required.
void addSourceAndOutput(CLI::App &command, std::string &source, std::string &output);
// --digits: the significant digits of the numbers written, 1 ... 17 (17 read back as the same
// double).
CLI::Option *addDigits(CLI::App &command, int &digits);
// A check that passes a finite decimal number, whole.
CLI::Validator finiteNumber();
// A check that refuses an empty file name, which would otherwise mean "not given".
CLI::Validator nonEmptyFileName();

// Once the subcommand has been parsed, command runs run with its options.
template<typename Options>
void runOnParse(CLI::App &subcommand, Command &command, std::shared_ptr<Options> options,
                int (*run)(const Options &, std::ostream &, std::ostream &))
{
    subcommand.callback([&command, options, run] {
        command = [options, run](std::ostream &out, std::ostream &err) {
            return run(*options, out, err);
        };
    });
}

} // namespace CommandOptions

// The fields of the tools' data export dialogs that a command line sets: those of "Export
// Data from Bode Plot" (--start and --decades in decades, --points, --hz or --rad, --freq or
// --log) and those of the time-domain exports of signals and time plots (--start and --end in
// seconds, --points). A field whose option is not given keeps what its dialog fills in.
class ExportFieldOptions
{
public:
    enum Fields { bodeFields = 1, windowFields = 2 };

    // Adds the options of the fields (an or of Fields); with required set, every one that
    // takes a value must be given.
    void addTo(CLI::App &command, int fields, bool required = false);
    // The first given option that the fields lack, or empty.
    std::string optionOutside(int fields) const;

    // A CommandError when --start is not a whole decade.
    void applyTo(BodePlotExportData &data) const;
    // SignalExportData or TimePlotExportData.
    template<typename Data>
    void applyTo(Data &data) const
    {
        applyWindowTo(data.start, data.end, data.dataPoints);
    }
    // The text of an export dialog's data with the given options applied, numbers with the
    // digits.
    template<typename Data>
    std::string exportText(Data data, int digits) const
    {
        applyTo(data);
        data.number = ExportNumberFormat(digits);
        return data.text();
    }

    double start() const { return m_start; }
    double end() const { return m_end; }

private:
    struct Field
    {
        CLI::Option *option = nullptr;
        int fields = 0;
    };

    void applyWindowTo(std::string &start, std::string &end, std::string &points) const;
    bool isGiven(const CLI::Option *option) const { return option && option->count() > 0; }
    void remember(CLI::Option *option, int fields);

    double m_start = 0.0;
    double m_end = 0.0;
    int m_decades = 0;
    int m_points = 0;
    bool m_hz = false;
    bool m_rad = false;
    bool m_freq = false;
    bool m_log = false;
    CLI::Option *m_startOption = nullptr;
    CLI::Option *m_endOption = nullptr;
    CLI::Option *m_decadesOption = nullptr;
    CLI::Option *m_pointsOption = nullptr;
    CLI::Option *m_hzOption = nullptr;
    CLI::Option *m_radOption = nullptr;
    CLI::Option *m_freqOption = nullptr;
    CLI::Option *m_logOption = nullptr;
    std::vector<Field> m_added;
};
