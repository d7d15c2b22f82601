#include "ui/ledger_files.h"

#include "print/print_error.h"
#include "print/whole_file.h"
#include "runtime/ledger_file.h"
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

} // namespace

LedgerFiles::LedgerFiles(QWidget& window, LedgerEditor& editor, FormRuntime& runtime, QSettings* settings, Window hooks)
    : QObject(&window), window_(window), editor_(editor), runtime_(runtime), settings_(settings),
      hooks_(std::move(hooks))
{
    new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_O), &window, this, &LedgerFiles::Open);
    new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_S), &window, this, &LedgerFiles::Save);
    connect(&editor, &LedgerEditor::OpenAsked, this, &LedgerFiles::Open);
    connect(&editor, &LedgerEditor::SaveAsked, this, &LedgerFiles::Save);
    window.installEventFilter(this);
}

QString LedgerFiles::Folder() const
{
    const QString remembered = settings_ ? settings_->value(kFolderKey).toString() : folder_;
    return !remembered.isEmpty() && QDir(remembered).exists() ? remembered : QDir::homePath();
}

void LedgerFiles::Remember(const std::string& file)
{
    folder_ = QFileInfo(QString::fromStdString(file)).absolutePath();
    if (settings_) {
        settings_->setValue(kFolderKey, folder_);
        settings_->sync();
    }
}

void LedgerFiles::Open()
{
    if (!MayLeave())
        return;
    const auto file = runtime_.AskOpenFileName(kOpenTitle, Folder().toStdString());
    window_.activateWindow();
    if (!file)
        return;
    Remember(*file);
    auto read = ReadLedgerFile(*file);
    if (const auto* fault = std::get_if<LedgerFileFault>(&read))
        return runtime_.MsgBox(fault->message(*file), kTitle, MsgBoxIcon::Warning);
    const auto first = editor_.Form().Load(std::get<std::vector<Movement>>(read));
    if (const auto* fault = std::get_if<std::string>(&first))
        return runtime_.MsgBox(*file + ": " + *fault, kTitle, MsgBoxIcon::Warning);
    editor_.ShowRows();
    hooks_.fill(std::get<FirstCredit>(first));
}

bool LedgerFiles::Save()
{
    const auto file = runtime_.AskSaveFileName(kSaveTitle, QDir(Folder()).filePath(kFileName).toStdString());
    window_.activateWindow();
    if (!file)
        return false;
    Remember(*file);
    try {
        WriteWholeFile(*file, editor_.Form().FileText(hooks_.fields()));
    } catch (const PrintError& error) {
        runtime_.MsgBox("impossibile scrivere " + *file + ": " + error.what(), kTitle, MsgBoxIcon::Critical);
        return false;
    }
    editor_.Form().Saved();
    return true;
}

bool LedgerFiles::MayLeave()
{
    const LedgerForm& form = editor_.Form();
    if (!form.Unsaved() || !form.HasLedger())
        return true;
    switch (runtime_.AskUnsaved("I movimenti non sono stati salvati. Salvarli?", kTitle)) {
    case UnsavedAnswer::Save: return Save();
    case UnsavedAnswer::Discard: return true;
    case UnsavedAnswer::Cancel: return false;
    }
    return false;
}

bool LedgerFiles::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &window_ && event->type() == QEvent::Close && !MayLeave()) {
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tarvel
