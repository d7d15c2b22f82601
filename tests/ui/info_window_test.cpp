#include "calc/version.h"
#include "tests/support/recording_runtime.h"
#include "tests/ui/window_controls.h"
#include "ui/colours.h"
#include "ui/frm_velmora.h"
#include "ui/window_layouts.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

#include <memory>

using namespace tarvel;
using namespace tarvel::testing;

namespace {

QColor Text(const QLabel* label) { return label->palette().color(QPalette::WindowText); }
QColor Back(const QLabel* label) { return label->palette().color(QPalette::Window); }
// The light info background behind the links' fixed blue, whatever the palette.
QColor Info() { return kLightInfoBackground; }

} // namespace

class InfoWindowTest : public QObject {
    Q_OBJECT

    // Every case starts with a new Info window, not shown yet.
    std::unique_ptr<RecordingRuntime> runtime;
    std::unique_ptr<frmVelmora> w;

    // The links, by their design names.
    QLabel* Label1() const { return Find<QLabel>(*w, "Label1"); }
    QLabel* Label2() const { return Find<QLabel>(*w, "Label2"); }
    QLabel* bntpay() const { return Find<QLabel>(*w, "bntpay"); }

private slots:
    void init()
    {
        runtime = std::make_unique<RecordingRuntime>();
        w = std::make_unique<frmVelmora>(*runtime);
    }

    void cleanup()
    {
        w.reset();
        runtime.reset();
    }

    void designLook()
    {
        QCOMPARE(w->windowTitle(), QString());
        QCOMPARE(w->windowType(), Qt::Tool);
        QVERIFY(!(w->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QCOMPARE(w->size(), QSize(450, 184));
        QCOMPARE(Label1()->text(), QStringLiteral("info@tarvel.example"));
        QVERIFY(Label2()->text().size() > 150 && Label2()->text().size() < 260);
        // The notice wraps within its label; the address fits its box.
        QVERIFY(Label2()->heightForWidth(Label2()->width()) <= Label2()->height());
        QVERIFY(Label1()->fontMetrics().horizontalAdvance(Label1()->text()) < Label1()->width());
        QCOMPARE(bntpay()->size(), QSize(60, 23));
        QCOMPARE(Text(Label1()), kInfoLinkText);
        QCOMPARE(Text(Label2()), kInfoLinkText);
        QCOMPARE(Back(bntpay()), Info());
        QCOMPARE(Back(Label1()), Info());
    }

    // The pointer over the real controls, through the platform's mouse events.
    void hoverColours()
    {
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        const QPoint overLabel1(Label1()->width() / 2, 8);

        QTest::mouseMove(Label2(), Label2()->rect().center());
        QTRY_COMPARE(Text(Label2()), kInfoHoverText);
        QCOMPARE(Text(Label1()), kInfoLinkText);

        QTest::mouseMove(Label1(), overLabel1);
        QTRY_COMPARE(Text(Label1()), kInfoHoverText);
        QCOMPARE(Text(Label2()), kInfoLinkText);

        QTest::mouseMove(Label2(), QPoint(5, 5));
        QTRY_COMPARE(Text(Label2()), kInfoHoverText);
        QCOMPARE(Text(Label1()), kInfoLinkText);

        // bntpay shows blue while hovered and keeps it over Label2...
        QTest::mouseMove(bntpay(), QPoint(30, 11));
        QTRY_COMPARE(Back(bntpay()), kInfoLinkText);
        QCOMPARE(Text(Label2()), kInfoHoverText);
        QTest::mouseMove(Label2(), QPoint(10, 10));
        QTest::qWait(20);
        QCOMPARE(Back(bntpay()), kInfoLinkText);
        // ...until the pointer passes over Label1.
        QTest::mouseMove(Label1(), overLabel1);
        QTRY_COMPARE(Back(bntpay()), Info());
        QCOMPARE(Text(Label1()), kInfoHoverText);

        // Out through the margin: the colours stay as last set.
        QTest::mouseMove(w.get(), QPoint(2, 2));
        QTest::qWait(20);
        QCOMPARE(Text(Label1()), kInfoHoverText);
        QCOMPARE(Text(Label2()), kInfoLinkText);
    }

    void keyboardReachesTheLinks_data()
    {
        QTest::addColumn<int>("tabs");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("opened");
        const QString mail = QString::fromStdString(frmVelmora::MailLink());
        QTest::newRow("e-mail address, first as the window opens, Enter") << 0 << int(Qt::Key_Return) << mail;
        QTest::newRow("notice, Space") << 1 << int(Qt::Key_Space) << "http://www.tarvel.example";
        QTest::newRow("picture, Enter on the keypad") << 2 << int(Qt::Key_Enter) << "http://www.tarvel.example";
        QTest::newRow("round to the e-mail address, Space") << 3 << int(Qt::Key_Space) << mail;
    }

    // Tab walks the three links in their design order, showing the hover
    // colours; Enter or Space opens the one reached.
    void keyboardReachesTheLinks()
    {
        QFETCH(int, tabs);
        QFETCH(int, key);
        QFETCH(QString, opened);
        w->show();
        QApplication::setActiveWindow(w.get());
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        // The window opens with the focus on the first link, in the design colours.
        QCOMPARE(QApplication::focusWidget(), Label1());
        QCOMPARE(Text(Label2()), kInfoLinkText);
        for (int i = 0; i < tabs; ++i)
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : w.get(), Qt::Key_Tab);
        QWidget* reached = QApplication::focusWidget();
        const QWidget* links[] = {Label1(), Label2(), bntpay()};
        QVERIFY(std::find(std::begin(links), std::end(links), reached) != std::end(links));
        if (tabs == 0)
            QCOMPARE(Text(Label1()), kInfoLinkText);
        else if (reached == Label1())
            QCOMPARE(Text(Label1()), kInfoHoverText);
        else if (reached == Label2())
            QCOMPARE(Text(Label2()), kInfoHoverText);
        else
            QCOMPARE(Back(bntpay()), kInfoLinkText);
        QTest::keyClick(reached, Qt::Key(key));
        QCOMPARE(runtime->opened, std::vector<std::string>{opened.toStdString()});
    }

    // Hovered, the e-mail address turns red and its border keeps its colour.
    void onlyTheTextTurnsRed()
    {
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        const QPoint border = Label1()->geometry().topLeft() + QPoint(Label1()->width() / 2, 0);
        const QColor before = w->grab().toImage().pixelColor(border);
        QTest::mouseMove(Label1(), QPoint(Label1()->width() / 2, 8));
        QTRY_COMPARE(Text(Label1()), kInfoHoverText);
        QCOMPARE(w->grab().toImage().pixelColor(border), before);
        QVERIFY(before != kInfoHoverText && before != Info());
    }

    void links()
    {
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        QTest::mouseClick(Label1(), Qt::LeftButton, {}, QPoint(Label1()->width() / 2, 8));
        QTest::mouseClick(Label2(), Qt::LeftButton);
        QTest::mouseClick(bntpay(), Qt::LeftButton);
        QCOMPARE(runtime->opened,
                 (std::vector<std::string>{"mailto:info@tarvel.example?subject=Informazioni su Tarvel " TARVEL_VERSION
                                           " - www.tarvel.example",
                                           "http://www.tarvel.example", "http://www.tarvel.example"}));
        QVERIFY(runtime->messages.empty());
    }
};

QTEST_MAIN(InfoWindowTest)
#include "info_window_test.moc"
