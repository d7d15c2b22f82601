#pragma once

#include "calc/per_rate_kind.h"
#include "calc/price_index.h"
#include "calc/rate_table.h"

#include <QObject>

#include <memory>
#include <optional>
#include <string>
#include <vector>

class QSettings;

namespace tarvel {

// The tables the window of the rates in force charges, and the main window's
// notice with it: the legal rates and the reference rates of late payment,
// each built in or read from a table file in tarvel-calc's format, so that a
// new decree can be added without a new version; and the price index a
// revaluation reads, built in or read from an index file, so that a newer
// index can be added too. A file chosen is remembered in the settings, and
// read again at the next start; a remembered file that no longer reads is
// reported (StartFaults, Fault, IndexFault) and the built-in table is used in
// its place, the file still remembered until another choice.
class RateTablesInUse : public QObject {
    Q_OBJECT

public:
    // The built-in tables; nothing is remembered.
    RateTablesInUse();
    // The tables remembered in `settings`, which outlives this.
    explicit RateTablesInUse(QSettings& settings);
    ~RateTablesInUse() override;

    const RateTable& Table(RateKind kind) const;
    // Whether the table of that kind is the built-in one.
    bool BuiltIn(RateKind kind) const;

    // Reads `file` and uses it, remembered, from now on; on a fault nothing
    // changes and the fault comes back, in tarvel-calc's words
    // ("/home/u/tassi.csv: riga 7: la data 01/01/2019 non viene dopo 01/01/2020").
    std::optional<std::string> LoadFile(RateKind kind, const std::string& file);
    // Back to the built-in table, nothing remembered.
    void UseBuiltIn(RateKind kind);

    // Why the remembered file of that kind is not in use; nothing when it is,
    // or when none is remembered.
    std::optional<std::string> Fault(RateKind kind) const;

    // The same for the index table.
    const PriceIndex& Index() const;
    bool IndexBuiltIn() const { return !index_.file; }
    std::optional<std::string> LoadIndexFile(const std::string& file);
    void UseBuiltInIndex();
    std::optional<std::string> IndexFault() const { return index_.fault; }

    // A sentence for each remembered file that could not be read at start.
    std::vector<std::string> StartFaults() const;
    // Where the choices are remembered; null when nothing is.
    QSettings* Settings() const { return settings_; }

signals:
    // A table of some kind, or the index table, has changed.
    void Changed();

private:
    template <class Table>
    struct InUse {
        std::unique_ptr<Table> file; // null: the built-in table
        std::optional<std::string> fault;
    };
    // The file remembered under `key`, or none.
    void Remember(const QString& key, const std::string& file);

    QSettings* settings_ = nullptr;
    PerRateKind<InUse<RateTable>> inUse_;
    InUse<PriceIndex> index_;
};

} // namespace tarvel
