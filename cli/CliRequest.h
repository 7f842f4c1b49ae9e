#pragma once

#include <string>

#include "cli/OptionalOutputs.h"
#include "engine/Formatting.h"
#include "schedule/Design.h"
#include "schedule/ScheduleBooks.h"

namespace rokal {

// What the command line asks for, read and checked. Texts are UTF-8.
struct CliRequest {
    enum class Command { Pile, Check, Design };
    Command command = Command::Pile;

    PrecisionMode mode = PrecisionMode::Units;
    char16_t decimalSeparator = u'.';

    // One pile: the cells of a schedule row.
    std::string d;
    std::string hr;
    std::string frk;
    std::string grade = "C30";
    std::string process = "泥浆护壁";
    std::string nk;
    std::string n;
    bool json = false;

    // A schedule and the files to write; "-" writes the results CSV or JSON to
    // standard output.
    std::string file;
    std::string sheet;  // a workbook's sheet to read; empty: the first with a header row
    std::string resultsCsv;
    std::string resultsJson;
    std::string resultsXlsx;
    std::string textBook;
    std::string tableBook;
    BookEncoding bookEncoding = BookEncoding::Gbk;
    std::string timeText;  // empty: the current local time
    DepthStep step = kDefaultDepthStep;
    MinSocket minSocket = kDefaultMinSocket;
    OptionalOutputs optionalOutputs;

    bool WritesFiles() const {
        bool optional = false;
        for (const auto& output : optionalOutputs) {
            optional = optional || output->Requested();
        }
        return optional || !resultsCsv.empty() || !resultsJson.empty() || !resultsXlsx.empty() ||
               !textBook.empty() || !tableBook.empty();
    }
};

}  // namespace rokal
