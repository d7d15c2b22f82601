#include "runtime/qt_form_runtime.h"

#include "runtime/ordinary_folder.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QUrl>

namespace tarvel {
namespace {

// The program's CSV files (tables of rates, ledgers), the same in every dialog.
QStringList CsvFilters() { return {QStringLiteral("File CSV (*.csv)"), QStringLiteral("Tutti i file (*)")}; }

// The type of a file as its name says it. Qt's own reads the first bytes of
// each file listed, in the window's thread, and a file of the kernel's
// (/proc/kmsg) may never answer: the dialog, and the program, froze there.
class TypeByName : public QFileIconProvider {
public:
    QString type(const QFileInfo& info) const override
    {
        if (info.isDir())
            return QStringLiteral("Cartella");
        return QMimeDatabase().mimeTypeForFile(info, QMimeDatabase::MatchExtension).comment();
    }
};

// A file dialog of the program's: application modal, listing files without
// reading them.
void Prepare(QFileDialog& dialog, TypeByName& types)
{
    dialog.setIconProvider(&types);
    dialog.setWindowModality(Qt::ApplicationModal);
}

} // namespace

void QtFormRuntime::MsgBox(const std::string& text, const std::string& title, MsgBoxIcon icon)
{
    QMessageBox box(icon == MsgBoxIcon::Critical ? QMessageBox::Critical : QMessageBox::Warning,
                    QString::fromStdString(title), QString::fromStdString(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

ScreenSize QtFormRuntime::Screen() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    const QSize size = screen->geometry().size();
    return {static_cast<double>(size.width()) * kTwipsPerPixel, static_cast<double>(size.height()) * kTwipsPerPixel};
}

ScreenArea QtFormRuntime::AvailableArea() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    const QRect available = screen->availableGeometry();
    return {available.x(), available.y(), available.width(), available.height()};
}

void QtFormRuntime::ShellOpen(const std::string& target)
{
    // Tolerant parsing: the mail link carries its subject unencoded.
    const QUrl url(QString::fromStdString(target), QUrl::TolerantMode);
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // The desktop's "open" (xdg-open), started on its own and without a word:
    // a link that cannot be opened shows and logs nothing, where Qt's own
    // openUrl would warn on standard error and the opener would complain there.
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty())
        return;
    QProcess open;
    open.setProgram(opener);
    open.setArguments({url.toString(QUrl::FullyEncoded)});
    open.setStandardInputFile(QProcess::nullDevice());
    open.setStandardOutputFile(QProcess::nullDevice());
    open.setStandardErrorFile(QProcess::nullDevice());
    open.startDetached();
#else
    QDesktopServices::openUrl(url);
#endif
}

std::optional<std::string> QtFormRuntime::AskSaveFileName(const std::string& title, const std::string& suggestedPath)
{
    TypeByName types; // outlives the dialog, which asks it
    QFileDialog dialog(QApplication::activeWindow(), QString::fromStdString(title));
    Prepare(dialog, types);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    const QFileInfo suggested(QString::fromStdString(suggestedPath));
    const bool csv = suggested.suffix() == QStringLiteral("csv");
    if (csv)
        dialog.setNameFilters(CsvFilters());
    else
        dialog.setNameFilter(QStringLiteral("Documenti PDF (*.pdf)"));
    dialog.setDefaultSuffix(csv ? QStringLiteral("csv") : QStringLiteral("pdf"));
    // A suggested folder that does not exist yet, or where no file can be
    // written, leaves the dialog where it opens.
    if (IsOrdinaryFolder(suggested.absolutePath().toStdString(), FolderUse::Save))
        dialog.setDirectory(suggested.absolutePath());
    dialog.selectFile(suggested.fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first().toStdString();
}

std::optional<std::string> QtFormRuntime::AskOpenFileName(const std::string& title, const std::string& folder)
{
    TypeByName types; // outlives the dialog, which asks it
    QFileDialog dialog(QApplication::activeWindow(), QString::fromStdString(title));
    Prepare(dialog, types);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(CsvFilters());
    if (IsOrdinaryFolder(folder, FolderUse::Open))
        dialog.setDirectory(QString::fromStdString(folder));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first().toStdString();
}

UnsavedAnswer QtFormRuntime::AskUnsaved(const std::string& text, const std::string& title)
{
    QMessageBox box(QMessageBox::Question, QString::fromStdString(title), QString::fromStdString(text),
                    QMessageBox::NoButton, QApplication::activeWindow());
    QPushButton* save = box.addButton(QStringLiteral("Salva"), QMessageBox::AcceptRole);
    QAbstractButton* discard = box.addButton(QStringLiteral("Non salvare"), QMessageBox::DestructiveRole);
    box.addButton(QStringLiteral("Annulla"), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
    if (box.clickedButton() == static_cast<QAbstractButton*>(save))
        return UnsavedAnswer::Save;
    return box.clickedButton() == discard ? UnsavedAnswer::Discard : UnsavedAnswer::Cancel;
}

} // namespace tarvel
