#include "qt_form_runtime.h"

#include "twips.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QScreen>
#include <QUrl>

namespace tarvel {

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
    return {static_cast<double>(size.width()) * kTwipsPerPixel,
            static_cast<double>(size.height()) * kTwipsPerPixel};
}

void QtFormRuntime::ShellOpen(const std::string& target)
{
    // Tolerant parsing: the mail link carries its subject unencoded.
    QDesktopServices::openUrl(QUrl(QString::fromStdString(target), QUrl::TolerantMode));
}

std::optional<std::string> QtFormRuntime::AskSaveFileName(const std::string& title, const std::string& suggestedPath)
{
    QFileDialog dialog(QApplication::activeWindow(), QString::fromStdString(title));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QStringLiteral("Documenti PDF (*.pdf)"));
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.setWindowModality(Qt::ApplicationModal);
    // A suggested folder that does not exist yet leaves the dialog where it opens.
    const QFileInfo suggested(QString::fromStdString(suggestedPath));
    if (suggested.dir().exists())
        dialog.setDirectory(suggested.dir());
    dialog.selectFile(suggested.fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first().toStdString();
}

} // namespace tarvel
