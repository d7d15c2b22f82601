#pragma once

#include "forms/calculation_fields.h"
#include "forms/ledger_form.h"
#include "runtime/form_runtime.h"

#include <QObject>
#include <QString>

#include <functional>

class QSettings;
class QWidget;

namespace tarvel {

class LedgerEditor;

// The ledger file of a window's list of movements: "Apri…" (Ctrl+O) reads
// one, its lines at fault shown in the list to be mended; "Salva…" (Ctrl+S)
// writes one safely (a new file renamed into place), or says why it cannot
// and takes the focus to the field or row at fault. Each goes through the
// runtime's dialogs, proposing the file last opened or saved, else
// movimenti.csv in the folder last used (remembered in the settings when
// there are any) after a success alone. The window asks MayLeave before it
// closes with work not saved. Made by the window, which it outlives not.
class LedgerFiles : public QObject {
    Q_OBJECT

public:
    struct Window {
        // The window's fields as its form reads them: the first credit.
        std::function<CalculationFields()> fields;
        // Puts a file's first credit into the fields and calculates.
        std::function<void(const FirstCredit&)> fill;
        // Takes the focus to the capital or Dal, refused by Salva….
        std::function<void(SaveRefusal::Where)> focus = nullptr;
        // Whether the window offers the list now: Ctrl+O opens nothing while it does not.
        std::function<bool()> offered = nullptr;
    };

    static constexpr char kOpenTitle[] = "Apri un file di movimenti";
    static constexpr char kSaveTitle[] = "Salva i movimenti";

    // `settings` may be null: the folder is then remembered while the window lives.
    LedgerFiles(QWidget& window, LedgerEditor& editor, FormRuntime& runtime, QSettings* settings, Window hooks);

    void Open();
    // Whether the file was written.
    bool Save();
    // Whether the work shown may be left: nothing unsaved, saved now, or the
    // user says so (Salva / Non salvare / Annulla).
    bool MayLeave();

signals:
    // A file was read into the list and the fields.
    void Opened();

private:
    QString Folder(bool save) const;
    QString Proposed() const;
    void Remember(const std::string& file);

    QWidget& window_;
    LedgerEditor& editor_;
    FormRuntime& runtime_;
    QSettings* settings_;
    Window hooks_;
    QString folder_;
    QString file_; // opened or saved last
};

} // namespace tarvel
