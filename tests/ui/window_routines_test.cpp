#include "runtime/qt_form_runtime.h"
#include "tests/support/recording_runtime.h"
#include "tests/ui/data_rows.h"
#include "ui/modulo1.h"
#include "ui/modulo2.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <fcntl.h>
#include <unistd.h>

using tarvel::testing::AddRows;
using tarvel::testing::RecordingRuntime;

using Modulo1::CentredPlacement;
using Modulo1::WindowState;

class WindowRoutinesTest : public QObject {
    Q_OBJECT

private slots:
    void centredPlacement()
    {
        const auto normal = WindowState::Normal;
        auto placed = CentredPlacement(normal, {15360, 11520}, 10770, 5010);
        QVERIFY(placed);
        QCOMPARE(placed->left, 2295);
        QCOMPARE(placed->top, 3255);

        // Halves truncate toward zero, both ways.
        placed = CentredPlacement(normal, {14000 + 4605, 9000 + 4605}, 14000, 9000);
        QVERIFY(placed);
        QCOMPARE(placed->left, 2302);
        QCOMPARE(placed->top, 2302);
        placed = CentredPlacement(normal, {14000 - 4605, 9000 - 4605}, 14000, 9000);
        QVERIFY(placed);
        QCOMPARE(placed->left, -2302);
        QCOMPARE(placed->top, -2302);

        // The difference is rounded first, halves to even.
        QCOMPARE(CentredPlacement(normal, {1001.5, 1001.5}, 0, 0)->left, 501);
        QCOMPARE(CentredPlacement(normal, {1002.5, 1002.5}, 0, 0)->left, 501);
        QCOMPARE(CentredPlacement(normal, {1003.5, 1003.5}, 0, 0)->top, 502);

        // A zero offset on either side leaves the window where it is.
        QVERIFY(!CentredPlacement(normal, {15360, 11520}, 15360, 5010));
        QVERIFY(!CentredPlacement(normal, {15360, 11520}, 10770, 11520));
        QVERIFY(!CentredPlacement(normal, {15360, 11520}, 15359, 5010)); // 1 / 2 is 0
        QVERIFY(!CentredPlacement(WindowState::Minimised, {15360, 11520}, 10770, 5010));
        QVERIFY(!CentredPlacement(WindowState::Maximised, {15360, 11520}, 10770, 5010));
        QVERIFY(!CentredPlacement(normal, {0, 0}, 10770, 5010)); // screen unknown
    }

    void wideDesktopIsCentred()
    {
        // 7680 pixels across: 115,200 twips, beyond a 16-bit offset.
        const auto placed = CentredPlacement(WindowState::Normal, {115200, 16200}, 10770, 5010);
        QVERIFY(placed);
        QCOMPARE(placed->left, 52215);
        QCOMPARE(placed->top, 5595);
    }

    void centraFormMovesTheWindow()
    {
        RecordingRuntime runtime; // 1024 x 768 pixels
        QWidget window;
        window.setFixedSize(718, 334);
        Modulo1::CentraForm(window, runtime);
        QCOMPARE(window.pos(), QPoint(153, 217));

        runtime.screen = {115200, 16200};
        Modulo1::CentraForm(window, runtime);
        QCOMPARE(window.pos(), QPoint(3481, 373));
    }

    void centraFormLeavesMinimisedAndMaximisedWindows()
    {
        RecordingRuntime runtime;
        for (auto state : {Qt::WindowMinimized, Qt::WindowMaximized}) {
            QWidget window;
            window.resize(300, 200);
            window.move(7, 9);
            window.setWindowState(state);
            Modulo1::CentraForm(window, runtime);
            QCOMPARE(window.pos(), QPoint(7, 9));
        }
    }

    void apriLinkHandsTheTargetOver()
    {
        RecordingRuntime runtime;
        QWidget window;
        Modulo2::ApriLink(window, runtime, "http://www.tarvel.example");
        Modulo2::ApriLink(window, runtime, "mailto:a@b.example?subject=x y");
        QCOMPARE(runtime.opened,
                 (std::vector<std::string>{"http://www.tarvel.example", "mailto:a@b.example?subject=x y"}));
    }

    void aLinkThatCannotBeOpenedSaysNothing_data()
    {
        AddRows<bool>("openerInstalled", {{"no opener on the desktop", false}, {"the opener fails", true}});
    }

    // Nothing on standard error, from the program or from the opener.
    void aLinkThatCannotBeOpenedSaysNothing()
    {
        QFETCH(bool, openerInstalled);
        QTemporaryDir dir;
        const QString handedOver = dir.filePath("handed-over");
        if (openerInstalled) {
            QFile opener(dir.filePath("xdg-open"));
            QVERIFY(opener.open(QIODevice::WriteOnly));
            opener.write("#!/bin/sh\necho \"xdg-open: no method available\" >&2\nprintf '%s' \"$1\" > \""
                         + handedOver.toUtf8() + ".part\"\n/bin/mv \"" + handedOver.toUtf8() + ".part\" \""
                         + handedOver.toUtf8() + "\"\nexit 3\n");
            opener.close();
            opener.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        const QString errors = dir.filePath("stderr");
        {
            // The desktop as this row has it, and standard error into a file.
            struct Desktop {
                QByteArray path = qgetenv("PATH");
                int savedStderr = dup(STDERR_FILENO);
                tarvel::QtFormRuntime runtime;
                Desktop(const QString& bin, const QString& errors)
                {
                    qputenv("PATH", bin.toUtf8());
                    const int file = open(errors.toLocal8Bit().constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
                    dup2(file, STDERR_FILENO);
                    close(file);
                }
                ~Desktop()
                {
                    dup2(savedStderr, STDERR_FILENO);
                    close(savedStderr);
                    qputenv("PATH", path);
                }
            } desktop(dir.path(), errors);
            QTest::failOnWarning(QRegularExpression(".*"));
            QWidget window;
            Modulo2::ApriLink(window, desktop.runtime, "http://www.tarvel.example");
            if (openerInstalled)
                QTRY_VERIFY(QFile::exists(handedOver));
        }
        if (openerInstalled) {
            QFile target(handedOver);
            QVERIFY(target.open(QIODevice::ReadOnly));
            QCOMPARE(target.readAll(), QByteArray("http://www.tarvel.example"));
        }
        QFile said(errors);
        QVERIFY(said.open(QIODevice::ReadOnly));
        QCOMPARE(said.readAll(), QByteArray());
    }
};

QTEST_MAIN(WindowRoutinesTest)
#include "window_routines_test.moc"
