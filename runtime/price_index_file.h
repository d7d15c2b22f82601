#pragma once

#include "calc/price_index.h"
#include "runtime/csv_file.h"

#include <optional>
#include <ostream>
#include <string>
#include <variant>

namespace tarvel {

// An index file (calc/price_index.h has its format) read as the table files
// are: a line too long, a file too long, a month missing or out of order, an
// index not a positive number, a base without its link are refused as soon
// as they are read, naming the line.
using PriceIndexFileFault = CsvFileFault;

// The table in `file`, named after it ("Indici dal file indici.csv"), or the
// first thing wrong with it.
std::variant<PriceIndex, PriceIndexFileFault> LoadPriceIndexFile(const std::string& file);

// The same for tarvel-calc: on a fault nothing, and its message on `errors`
// after "tarvel-calc: ".
std::optional<PriceIndex> ReadPriceIndexFile(const std::string& file, std::ostream& errors);

} // namespace tarvel
