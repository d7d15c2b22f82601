#include "ui/rate_tables_in_use.h"

#include "calc/rates_in_force.h"
#include "calc/reference_rates.h"
#include "runtime/price_index_file.h"
#include "runtime/rate_table_file.h"

#include <QSettings>

#include <utility>

namespace tarvel {
namespace {

// Where the settings remember each kind's file.
constexpr PerRateKind<const char*> kKeys{"tabelle/tassi-legali", "tabelle/tassi-riferimento"};
QString Key(RateKind kind) { return QString::fromLatin1(kKeys[kind]); }

constexpr PerRateKind<const char*> kTableNames{"dei tassi legali", "dei tassi di riferimento"};

// The built-in table of each kind.
constexpr PerRateKind<const RateTable& (*)()> kBuiltInTables{&RatesInForce, &ReferenceRates};

// Where the settings remember the index file.
QString IndexKey() { return QStringLiteral("tabelle/indici"); }

// The sentence at start of a remembered file that no longer reads.
std::string StartFault(const char* table, const std::string& fault)
{
    return std::string("Il file della tabella ") + table + " scelta l'ultima volta non si può usare: " + fault
           + ". Si usa la tabella incorporata.";
}

// A table read from `file`, or the message of its fault.
template <class Table>
std::variant<Table, std::string> Read(std::variant<Table, CsvFileFault> read, const std::string& file)
{
    if (auto* fault = std::get_if<CsvFileFault>(&read))
        return fault->message(file);
    return std::move(std::get<Table>(read));
}

// The table of the file remembered, or its fault.
template <class Table, class InUse>
void Use(std::variant<Table, std::string> read, InUse& inUse)
{
    if (auto* fault = std::get_if<std::string>(&read))
        inUse.fault = std::move(*fault);
    else
        inUse.file = std::make_unique<Table>(std::move(std::get<Table>(read)));
}

} // namespace

RateTablesInUse::RateTablesInUse() = default;

RateTablesInUse::RateTablesInUse(QSettings& settings) : settings_(&settings)
{
    for (RateKind kind : kRateKinds)
        if (const std::string file = settings_->value(Key(kind)).toString().toStdString(); !file.empty())
            Use(Read(LoadRateTableFile(file, kind), file), inUse_[kind]);
    if (const std::string file = settings_->value(IndexKey()).toString().toStdString(); !file.empty())
        Use(Read(LoadPriceIndexFile(file), file), index_);
}

RateTablesInUse::~RateTablesInUse() = default;

const RateTable& RateTablesInUse::Table(RateKind kind) const
{
    if (const auto& file = inUse_[kind].file)
        return *file;
    return kBuiltInTables[kind]();
}

bool RateTablesInUse::BuiltIn(RateKind kind) const { return !inUse_[kind].file; }

std::optional<std::string> RateTablesInUse::LoadFile(RateKind kind, const std::string& file)
{
    auto table = Read(LoadRateTableFile(file, kind), file);
    if (auto* fault = std::get_if<std::string>(&table))
        return std::move(*fault);
    inUse_[kind] = {};
    Use(std::move(table), inUse_[kind]);
    Remember(Key(kind), file);
    emit Changed();
    return std::nullopt;
}

void RateTablesInUse::UseBuiltIn(RateKind kind)
{
    inUse_[kind] = {};
    Remember(Key(kind), {});
    emit Changed();
}

const PriceIndex& RateTablesInUse::Index() const { return index_.file ? *index_.file : BuiltInPriceIndex(); }

std::optional<std::string> RateTablesInUse::LoadIndexFile(const std::string& file)
{
    auto index = Read(LoadPriceIndexFile(file), file);
    if (auto* fault = std::get_if<std::string>(&index))
        return std::move(*fault);
    index_ = {};
    Use(std::move(index), index_);
    Remember(IndexKey(), file);
    emit Changed();
    return std::nullopt;
}

void RateTablesInUse::UseBuiltInIndex()
{
    index_ = {};
    Remember(IndexKey(), {});
    emit Changed();
}

void RateTablesInUse::Remember(const QString& key, const std::string& file)
{
    if (!settings_)
        return;
    if (file.empty())
        settings_->remove(key);
    else
        settings_->setValue(key, QString::fromStdString(file));
    settings_->sync();
}

std::optional<std::string> RateTablesInUse::Fault(RateKind kind) const { return inUse_[kind].fault; }

std::vector<std::string> RateTablesInUse::StartFaults() const
{
    std::vector<std::string> faults;
    for (RateKind kind : kRateKinds)
        if (const auto& fault = inUse_[kind].fault)
            faults.push_back(StartFault(kTableNames[kind], *fault));
    if (index_.fault)
        faults.push_back(StartFault("degli indici", *index_.fault));
    return faults;
}

} // namespace tarvel
