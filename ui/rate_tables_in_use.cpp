#include "ui/rate_tables_in_use.h"

#include "calc/rates_in_force.h"
#include "calc/reference_rates.h"
#include "runtime/rate_table_file.h"

#include <QSettings>

namespace tarvel {
namespace {

// Where the settings remember each kind's file.
constexpr PerRateKind<const char*> kKeys{"tabelle/tassi-legali", "tabelle/tassi-riferimento"};
QString Key(RateKind kind) { return QString::fromLatin1(kKeys[kind]); }

constexpr PerRateKind<const char*> kTableNames{"dei tassi legali", "dei tassi di riferimento"};

// The built-in table of each kind.
constexpr PerRateKind<const RateTable& (*)()> kBuiltInTables{&RatesInForce, &ReferenceRates};

} // namespace

RateTablesInUse::RateTablesInUse() = default;

RateTablesInUse::RateTablesInUse(QSettings& settings) : settings_(&settings)
{
    for (RateKind kind : kRateKinds) {
        const std::string file = settings_->value(Key(kind)).toString().toStdString();
        if (file.empty())
            continue;
        auto table = LoadRateTableFile(file, kind);
        if (auto* fault = std::get_if<RateTableFileFault>(&table))
            inUse_[kind].fault = fault->message(file);
        else
            inUse_[kind].file = std::make_unique<RateTable>(std::move(std::get<RateTable>(table)));
    }
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
    auto table = LoadRateTableFile(file, kind);
    if (auto* fault = std::get_if<RateTableFileFault>(&table))
        return fault->message(file);
    inUse_[kind] = {std::make_unique<RateTable>(std::move(std::get<RateTable>(table))), std::nullopt};
    Remember(kind, file);
    emit Changed();
    return std::nullopt;
}

void RateTablesInUse::UseBuiltIn(RateKind kind)
{
    inUse_[kind] = {};
    Remember(kind, {});
    emit Changed();
}

void RateTablesInUse::Remember(RateKind kind, const std::string& file)
{
    if (!settings_)
        return;
    if (file.empty())
        settings_->remove(Key(kind));
    else
        settings_->setValue(Key(kind), QString::fromStdString(file));
    settings_->sync();
}

std::optional<std::string> RateTablesInUse::Fault(RateKind kind) const { return inUse_[kind].fault; }

std::vector<std::string> RateTablesInUse::StartFaults() const
{
    std::vector<std::string> faults;
    for (RateKind kind : kRateKinds)
        if (const auto& fault = inUse_[kind].fault)
            faults.push_back(std::string("Il file della tabella ") + kTableNames[kind]
                             + " scelta l'ultima volta non si può usare: " + *fault
                             + ". Si usa la tabella incorporata.");
    return faults;
}

} // namespace tarvel
