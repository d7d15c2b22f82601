#include "ui/rate_tables_in_use.h"

#include "calc/rates_in_force.h"
#include "calc/reference_rates.h"
#include "runtime/rate_table_file.h"

#include <QSettings>

namespace tarvel {
namespace {

QString Key(RateKind kind)
{
    return kind == RateKind::Legal ? QStringLiteral("tabelle/tassi-legali")
                                   : QStringLiteral("tabelle/tassi-riferimento");
}

const char* TableName(RateKind kind)
{
    return kind == RateKind::Legal ? "dei tassi legali" : "dei tassi di riferimento";
}

} // namespace

RateTablesInUse::RateTablesInUse() = default;

RateTablesInUse::RateTablesInUse(QSettings& settings) : settings_(&settings)
{
    for (RateKind kind : {RateKind::Legal, RateKind::Reference}) {
        const std::string file = settings_->value(Key(kind)).toString().toStdString();
        if (file.empty())
            continue;
        auto table = LoadRateTableFile(file, kind);
        if (auto* fault = std::get_if<RateTableFileFault>(&table))
            Of(kind).fault = fault->message(file);
        else
            Of(kind).file = std::make_unique<RateTable>(std::move(std::get<RateTable>(table)));
    }
}

RateTablesInUse::~RateTablesInUse() = default;

RateTablesInUse::InUse& RateTablesInUse::Of(RateKind kind) { return kind == RateKind::Legal ? legal_ : reference_; }

const RateTablesInUse::InUse& RateTablesInUse::Of(RateKind kind) const
{
    return kind == RateKind::Legal ? legal_ : reference_;
}

const RateTable& RateTablesInUse::Table(RateKind kind) const
{
    if (const auto& file = Of(kind).file)
        return *file;
    return kind == RateKind::Legal ? RatesInForce() : ReferenceRates();
}

bool RateTablesInUse::BuiltIn(RateKind kind) const { return !Of(kind).file; }

std::optional<std::string> RateTablesInUse::LoadFile(RateKind kind, const std::string& file)
{
    auto table = LoadRateTableFile(file, kind);
    if (auto* fault = std::get_if<RateTableFileFault>(&table))
        return fault->message(file);
    Of(kind) = {std::make_unique<RateTable>(std::move(std::get<RateTable>(table))), std::nullopt};
    Remember(kind, file);
    emit Changed();
    return std::nullopt;
}

void RateTablesInUse::UseBuiltIn(RateKind kind)
{
    Of(kind) = {};
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

std::optional<std::string> RateTablesInUse::Fault(RateKind kind) const { return Of(kind).fault; }

std::vector<std::string> RateTablesInUse::StartFaults() const
{
    std::vector<std::string> faults;
    for (RateKind kind : {RateKind::Legal, RateKind::Reference})
        if (const auto& fault = Of(kind).fault)
            faults.push_back(std::string("Il file della tabella ") + TableName(kind)
                             + " scelta l'ultima volta non si può usare: " + *fault
                             + ". Si usa la tabella incorporata.");
    return faults;
}

} // namespace tarvel
