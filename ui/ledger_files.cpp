#include "ui/ledger_files.h"

#include "print/print_error.h"
#include "print/whole_file.h"
#include "runtime/ledger_file.h"
#include "runtime/ordinary_folder.h"
#include "ui/ledger_editor.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QShortcut>
#include <QWidget>

namespace tarvel {
namespace {

// Where the settings remember the folder of the last ledger file.
const QString kFolderKey = QStringLiteral("movimenti/cartella");
constexpr char kFileName[] = "movimenti.csv";
constexpr char kTitle[] = "Movimenti";

// The lines of a file as the list's rows.
std::vector<LedgerRow> ListRows(const std::vector<LedgerFileRow>& lines)
{
    std::vector<LedgerRow> rows;
    rows.reserve(lines.size());
    for (const LedgerFileRow& line : lines)
        rows.push_back({{line.date, line.kind, line.amount, line.description}, line.fault});
    return rows;
}

} // namespace

LedgerFiles::LedgerFiles(QWidget& window, LedgerEditor& editor, FormRuntime& runtime, QSettings* settings, Window hooks)
    : QObject(&window), window_(window), editor_(editor), runtime_(runtime), settings_(settings),
      hooks_(std::move(hooks))
{
    new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_O), &window, this, &LedgerFiles::Open);
    new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_S), &window, this, &LedgerFiles::Save);
    connect(&editor, &LedgerEditor::OpenAsked, this, &LedgerFiles::Open);
    connect(&editor, &LedgerEditor::SaveAsked, this, &LedgerFiles::Save);
}

QString LedgerFiles::Folder(bool save) const
{
    const QString remembered = settings_ ? settings_->value(kFolderKey).toString() : folder_;
    const FolderUse use = save ? FolderUse::Save : FolderUse::Open;
    return IsOrdinaryFolder(remembered.toStdString(), use) ? remembered : QDir::homePath();
}

QString LedgerFiles::Proposed() const
{
    const QFileInfo last(file_);
    if (!file_.isEmpty() && IsOrdinaryFolder(last.absolutePath().toStdString(), FolderUse::Save))
        return last.absoluteFilePath();
    return QDir(Folder(true)).filePath(QString::fromLatin1(kFileName));
}

void LedgerFiles::Remember(const std::string& file)
{
    file_ = QFileInfo(QString::fromStdString(file)).absoluteFilePath();
    folder_ = QFileInfo(file_).absolutePath();
    if (settings_) {
        settings_->setValue(kFolderKey, folder_);
        settings_->sync();
    }
}

void LedgerFiles::Open()
{
    if ((hooks_.offered && !hooks_.offered()) || !MayLeave())
        return;
    const auto file = runtime_.AskOpenFileName(kOpenTitle, Folder(false).toStdString());
    window_.activateWindow();
    if (!file)
        return;
    const auto read = ReadLedgerRows(*file);
    if (const auto* fault = std::get_if<LedgerFileFault>(&read))
        return runtime_.MsgBox(fault->message(*file), kTitle, MsgBoxIcon::Warning);
    LedgerForm& form = editor_.Form();
    const auto first = form.Load(ListRows(std::get<std::vector<LedgerFileRow>>(read)));
    if (const auto* fault = std::get_if<std::string>(&first))
        return runtime_.MsgBox(*file + ": " + *fault, kTitle, MsgBoxIcon::Warning);
    editor_.ShowRows();
    hooks_.fill(std::get<FirstCredit>(first));
    form.Saved(hooks_.fields());
    Remember(*file);
    emit Opened();
    // A line at fault is where the mending starts.
    for (std::size_t row = 0; row < form.RowCount(); ++row)
        if (!form.ReasonOf(row).empty())
            return editor_.SelectRow(row);
}

bool LedgerFiles::Save()
{
    const CalculationFields fields = hooks_.fields();
    const auto text = editor_.Form().FileText(fields);
    if (const auto* refusal = std::get_if<SaveRefusal>(&text)) {
        runtime_.MsgBox("I movimenti non possono essere salvati: " + refusal->reason, kTitle, MsgBoxIcon::Warning);
        if (refusal->where == SaveRefusal::Where::Row)
            editor_.SelectRow(refusal->row);
        else if (hooks_.focus)
            hooks_.focus(refusal->where);
        return false;
    }
    const auto file = runtime_.AskSaveFileName(kSaveTitle, Proposed().toStdString());
    window_.activateWindow();
    if (!file)
        return false;
    try {
        WriteWholeFile(*file, std::get<std::string>(text));
    } catch (const PrintError& error) {
        runtime_.MsgBox("impossibile scrivere " + *file + ": " + error.what(), kTitle, MsgBoxIcon::Critical);
        return false;
    }
    Remember(*file);
    editor_.Form().Saved(fields);
    return true;
}

bool LedgerFiles::MayLeave()
{
    if (!editor_.Form().Unsaved(hooks_.fields()))
        return true;
    switch (runtime_.AskUnsaved("I movimenti non sono stati salvati. Salvarli?", kTitle)) {
    case UnsavedAnswer::Save: return Save();
    case UnsavedAnswer::Discard: return true;
    case UnsavedAnswer::Cancel: return false;
    }
    return false;
}

} // namespace tarvel
