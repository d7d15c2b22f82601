#pragma once

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
// one, "Salva…" (Ctrl+S) writes one safely (a new file renamed into place),
// each through the runtime's dialogs, in the folder last used (remembered in
// the settings when there are any); closing the window with movements not
// saved asks first. Made by the window, which it outlives not.
class LedgerFiles : public QObject {
    Q_OBJECT

public:
    struct Window {
        // The window's fields as the form reads them: the first credit.
        std::function<StatementRequest()> fields;
        // Puts a file's first credit into the fields and calculates.
        std::function<void(const FirstCredit&)> fill;
    };

    static constexpr char kOpenTitle[] = "Apri un file di movimenti";
    static constexpr char kSaveTitle[] = "Salva i movimenti";

    // `settings` may be null: the folder is then remembered while the window lives.
    LedgerFiles(QWidget& window, LedgerEditor& editor, FormRuntime& runtime, QSettings* settings, Window hooks);

    void Open();
    // Whether the file was written.
    bool Save();

protected:
    // The window's close, asked first while there are movements not saved.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Whether the movements shown may be left: saved, or the user says so.
    bool MayLeave();
    QString Folder() const;
    void Remember(const std::string& file);

    QWidget& window_;
    LedgerEditor& editor_;
    FormRuntime& runtime_;
    QSettings* settings_;
    Window hooks_;
    QString folder_;
};

} // namespace tarvel
