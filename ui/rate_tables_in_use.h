#pragma once

#include "calc/per_rate_kind.h"
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
// new decree can be added without a new version. A file chosen is remembered
// in the settings, and read again at the next start; a remembered file that
// no longer reads is reported (StartFaults, Fault) and the built-in table is
// used in its place, the file still remembered until another choice.
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
    // A sentence for each remembered file that could not be read at start.
    std::vector<std::string> StartFaults() const;
    // Where the choices are remembered; null when nothing is.
    QSettings* Settings() const { return settings_; }

signals:
    // The table of some kind has changed.
    void Changed();

private:
    struct InUse {
        std::unique_ptr<RateTable> file; // null: the built-in table
        std::optional<std::string> fault;
    };
    void Remember(RateKind kind, const std::string& file);

    QSettings* settings_ = nullptr;
    PerRateKind<InUse> inUse_;
};

} // namespace tarvel
