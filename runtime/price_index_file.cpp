#include "runtime/price_index_file.h"

#include "calc/csv_row.h"

#include <string>

namespace tarvel {

std::variant<PriceIndex, PriceIndexFileFault> LoadPriceIndexFile(const std::string& file)
{
    PriceIndexReader reader;
    const CsvFileRules rules{kPriceIndexHeader,
                             [](const CsvRow& row) {
                                 return IsHeader(row, {"mese", "indice", "base", "raccordo"});
                             },
                             [&reader](const CsvRow& row, std::uint64_t) { return reader.take(row); },
                             kMaxPriceIndexFileBytes, true};
    std::uint64_t lines = 0;
    if (auto fault = ReadCsvFile(file, rules, false, lines))
        return std::move(*fault);
    auto index = reader.finish("Indici dal file " + file, file);
    if (!index)
        return PriceIndexFileFault{PriceIndexFileFault::Kind::Line, lines + 1, PriceIndexReader::NoRowsReason(), true};
    return std::move(*index);
}

std::optional<PriceIndex> ReadPriceIndexFile(const std::string& file, std::ostream& errors)
{
    auto loaded = LoadPriceIndexFile(file);
    if (auto* fault = std::get_if<PriceIndexFileFault>(&loaded)) {
        errors << "tarvel-calc: " << fault->message(file) << '\n';
        return std::nullopt;
    }
    return std::move(std::get<PriceIndex>(loaded));
}

} // namespace tarvel
