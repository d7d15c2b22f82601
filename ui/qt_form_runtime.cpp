#include "qt_form_runtime.h"

#include "twips.h"

#include <QApplication>
#include <QDesktopServices>
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

} // namespace tarvel
