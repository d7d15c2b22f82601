// Saves pictures of the windows: the main window at start and after a
// calculation, the Info window and the warning of a failed calculation. Usage: tarvel-screenshots <directory>
#include "frm_tarvel.h"
#include "frm_velmora.h"
#include "qt_form_runtime.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
    tarvel::QtFormRuntime runtime;
    tarvel::SetRuntime(&runtime);

    tarvel::frmTarvel window;
    window.Form_Load();
    window.show();
    QApplication::setActiveWindow(&window);
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    QTest::qWait(200);
    bool saved = window.grab().save(out.filePath(QStringLiteral("main-window-start.png")));

    QTest::keyClicks(window.importo, QStringLiteral("10000"));
    window.mdataini->setCursorPosition(0);
    QTest::keyClicks(window.mdataini, QStringLiteral("01012000"));
    window.mdatafin->setCursorPosition(0);
    QTest::keyClicks(window.mdatafin, QStringLiteral("01012015"));
    window.Command1_Click();
    QTest::qWait(100);
    saved = window.grab().save(out.filePath(QStringLiteral("main-window.png"))) && saved;

    window.Command2_Click();
    tarvel::frmVelmora* info = window.InfoWindow();
    if (!QTest::qWaitForWindowExposed(info))
        return 1;
    QTest::qWait(200);
    saved = info->grab().save(out.filePath(QStringLiteral("info-window.png"))) && saved;
    info->close();

    // The warning of a failed calculation, closed as soon as it is pictured.
    window.importo->clear();
    QTimer::singleShot(300, [&] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            saved = box->grab().save(out.filePath(QStringLiteral("calculation-warning.png"))) && saved;
            box->close();
        }
    });
    window.Command1_Click();
    tarvel::SetRuntime(nullptr);
    return saved ? 0 : 1;
}
