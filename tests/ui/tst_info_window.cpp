#include "frm_velmora.h"
#include "recording_runtime.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

using tarvel::testing::RecordingRuntime;

using tarvel::frmVelmora;

namespace {

const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);

QColor Text(const QLabel* label) { return label->palette().color(QPalette::WindowText); }
QColor Back(const QLabel* label) { return label->palette().color(QPalette::Window); }
QColor Info() { return QApplication::palette().color(QPalette::ToolTipBase); }

} // namespace

class InfoWindowTest : public QObject {
    Q_OBJECT

private slots:
    void designLook()
    {
        RecordingRuntime runtime;
        frmVelmora w;
        QCOMPARE(w.windowTitle(), QString());
        QCOMPARE(w.windowType(), Qt::Tool);
        QVERIFY(!(w.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QCOMPARE(w.size(), QSize(450, 184));
        QCOMPARE(w.Label1->text(), QStringLiteral("info@tarvel.example"));
        QVERIFY(w.Label2->text().size() > 150 && w.Label2->text().size() < 260);
        // The notice wraps within its label; the address fits its box.
        QVERIFY(w.Label2->heightForWidth(w.Label2->width()) <= w.Label2->height());
        QVERIFY(w.Label1->fontMetrics().horizontalAdvance(w.Label1->text()) < w.Label1->width());
        QCOMPARE(w.bntpay->size(), QSize(60, 23));
        QCOMPARE(Text(w.Label1), kBlue);
        QCOMPARE(Text(w.Label2), kBlue);
        QCOMPARE(Back(w.bntpay), Info());
        QCOMPARE(Back(w.Label1), Info());
    }

    // The pointer over the real controls, through the platform's mouse events.
    void hoverColours()
    {
        RecordingRuntime runtime;
        frmVelmora w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QPoint overLabel1(w.Label1->width() / 2, 8);

        QTest::mouseMove(w.Label2, w.Label2->rect().center());
        QTRY_COMPARE(Text(w.Label2), kRed);
        QCOMPARE(Text(w.Label1), kBlue);

        QTest::mouseMove(w.Label1, overLabel1);
        QTRY_COMPARE(Text(w.Label1), kRed);
        QCOMPARE(Text(w.Label2), kBlue);

        QTest::mouseMove(w.Label2, QPoint(5, 5));
        QTRY_COMPARE(Text(w.Label2), kRed);
        QCOMPARE(Text(w.Label1), kBlue);

        // bntpay shows blue while hovered and keeps it over Label2...
        QTest::mouseMove(w.bntpay, QPoint(30, 11));
        QTRY_COMPARE(Back(w.bntpay), kBlue);
        QCOMPARE(Text(w.Label2), kRed);
        QTest::mouseMove(w.Label2, QPoint(10, 10));
        QTest::qWait(20);
        QCOMPARE(Back(w.bntpay), kBlue);
        // ...until the pointer passes over Label1.
        QTest::mouseMove(w.Label1, overLabel1);
        QTRY_COMPARE(Back(w.bntpay), Info());
        QCOMPARE(Text(w.Label1), kRed);

        // Out through the margin: the colours stay as last set.
        QTest::mouseMove(&w, QPoint(2, 2));
        QTest::qWait(20);
        QCOMPARE(Text(w.Label1), kRed);
        QCOMPARE(Text(w.Label2), kBlue);
    }

    void bntpayHandlerEndsBlue()
    {
        RecordingRuntime runtime;
        frmVelmora w;
        w.bntpay_MouseMove();
        QCOMPARE(Back(w.bntpay), kBlue);
        w.Label1_MouseMove();
        QCOMPARE(Back(w.bntpay), Info());
    }

    void links()
    {
        RecordingRuntime runtime;
        frmVelmora w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTest::mouseClick(w.Label1, Qt::LeftButton, {}, QPoint(w.Label1->width() / 2, 8));
        QTest::mouseClick(w.Label2, Qt::LeftButton);
        QTest::mouseClick(w.bntpay, Qt::LeftButton);
        QCOMPARE(runtime.opened,
                 (std::vector<std::string>{
                     "mailto:info@tarvel.example?subject=Informazioni su Tarvel 6.3.0 - www.tarvel.example",
                     "http://www.tarvel.example", "http://www.tarvel.example"}));
        QVERIFY(runtime.messages.empty());
    }
};

QTEST_MAIN(InfoWindowTest)
#include "tst_info_window.moc"
