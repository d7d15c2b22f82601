#include "frm_tarvel.h"
#include "pictures.h"
#include "qt_form_runtime.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tarvel"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tarvel"));
    QApplication::setDesktopFileName(QStringLiteral("tarvel"));
    QApplication::setWindowIcon(tarvel::ProgramIcon());

    tarvel::QtFormRuntime runtime;
    tarvel::SetRuntime(&runtime);

    tarvel::frmTarvel window;
    window.Form_Load();
    window.show();
    const int status = QApplication::exec();
    tarvel::SetRuntime(nullptr);
    return status;
}
