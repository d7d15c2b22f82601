// Every text on a fixed colour stays readable whatever the desktop's palette:
// each field is drawn and the contrast of its text against its background
// measured as the usual (WCAG) ratio of relative luminances.
#include "tests/support/recording_runtime.h"
#include "tests/ui/dark_palette.h"
#include "tests/ui/main_window_steps.h"
#include "tests/ui/rates_window_steps.h"
#include "ui/colours.h"
#include "ui/controls.h"
#include "ui/frm_tarvel.h"
#include "ui/frm_velmora.h"

#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QPlainTextEdit>
#include <QStyle>
#include <QTableView>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <map>

using namespace tarvel;
using namespace tarvel::testing;

namespace {

// The control as drawn: its most frequent colour inside its border (or in
// `area`) is the background; the text is the pixel that stands out most from it.
double DrawnContrast(QWidget* control, QRect area = {})
{
    const QImage image = control->grab(area.isNull() ? QRect(QPoint(), control->size()) : area)
                             .toImage()
                             .convertToFormat(QImage::Format_RGB32);
    std::map<QRgb, int> counts;
    const QRect inside = area.isNull() ? image.rect().adjusted(3, 3, -3, -3) : image.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            ++counts[image.pixel(x, y) & 0xffffff];
    QRgb background = 0;
    int most = 0;
    for (auto [colour, count] : counts)
        if (count > most)
            background = colour, most = count;
    double best = 1;
    for (auto [colour, count] : counts)
        best = std::max(best, ContrastRatio(QColor(colour), QColor(background)));
    return best;
}

QPalette Light() { return QApplication::style()->standardPalette(); }

// The least contrast of what `overlay` draws with what lies under it; 21
// when it draws nothing.
double OverlayContrast(QWidget* window, QWidget* overlay)
{
    const QImage drawn = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    overlay->hide();
    const QImage under = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    overlay->show();
    double least = 21;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x)
            if (drawn.pixel(x, y) != under.pixel(x, y))
                least = std::min(least, ContrastRatio(QColor(drawn.pixel(x, y)), QColor(under.pixel(x, y))));
    return least;
}

} // namespace

class ContrastTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QApplication::setPalette(Light()); }

    void everyTextIsReadable_data()
    {
        QTest::addColumn<QPalette>("palette");
        QTest::newRow("light") << Light();
        QTest::newRow("dark") << DarkPalette();
        QTest::newRow("dark with light tooltips") << DarkPalette(true);
    }

    void everyTextIsReadable()
    {
        QFETCH(QPalette, palette);
        // The measure, on the guidelines' own examples.
        QCOMPARE(ContrastRatio(Qt::black, Qt::white), 21.0);
        QVERIFY(std::abs(ContrastRatio(QColor(0x77, 0x77, 0x77), Qt::white) - 4.48) < 0.01);
        QApplication::setPalette(palette);
        Program program;
        auto& w = program.w;
        // A span that touches all twelve periods.
        Calculate(*w, "10000", "01011980", "01012015");
        frmVelmora info(program.runtime);
        info.show();
        QVERIFY(QTest::qWaitForWindowExposed(&info));

        std::vector<std::pair<QString, QWidget*>> texts;
        for (const char* name : {"SeeInteressi", "Label6", "Label8", "Label23", "Label16"})
            texts.emplace_back(name, Find(*w, name));
        for (const char* name : {"Label1", "Label2"})
            texts.emplace_back(QStringLiteral("Info ") + name, Find(info, name));
        for (int i = 0; i < kPeriodCount; ++i)
            texts.emplace_back(PeriodField(*w, i)->objectName(), PeriodField(*w, i));
        std::vector<std::pair<QString, double>> ratios;
        for (const auto& [name, control] : texts)
            ratios.emplace_back(name, DrawnContrast(control));
        // The caption, on the strip of the frame that holds it.
        QWidget* Frame1 = Find(*w, "Frame1");
        ratios.emplace_back("Frame1 caption",
                            DrawnContrast(Frame1, {0, 0, Frame1->width(), Frame1->fontMetrics().height()}));
        for (const auto& [name, ratio] : ratios) {
            qInfo("%s %.2f:1", qPrintable(name), ratio);
            QVERIFY2(ratio >= 4.5, qPrintable(QStringLiteral("%1: %2:1").arg(name).arg(ratio, 0, 'f', 2)));
        }

        // A link with the keyboard focus is framed, not only coloured: the
        // frame stands out from what it is drawn on as controls must (3:1).
        const std::pair<const char*, const char*> links[] = {
            {"e-mail address", "Label1"}, {"notice", "Label2"}, {"picture", "bntpay"}};
        for (auto [name, control] : links) {
            auto* link = Find<LinkLabel>(info, control);
            link->setFocus(Qt::TabFocusReason);
            QVERIFY(link->FocusFrame() && link->FocusFrame()->isVisible());
            QVERIFY(link->FocusFrame()->geometry().intersects(link->geometry()));
            const double ratio = OverlayContrast(&info, link->FocusFrame());
            qInfo("focus frame round the %s %.2f:1", name, ratio);
            QVERIFY2(ratio >= 3, qPrintable(QString::number(ratio)));
        }
    }

    void theRatesInForceAreReadable_data() { everyTextIsReadable_data(); }

    // The notice under the main window and the window of the rates in force,
    // with a statement, with a reason beside a field and revalued.
    void theRatesInForceAreReadable()
    {
        QFETCH(QPalette, palette);
        QApplication::setPalette(palette);
        Program program;
        Calculate(*program.w, "25000", "15062018", "08122026");
        RatesInForceWindow* rates = OpenRatesWindow(*program.w);
        QVERIFY(rates);
        auto* prospetto = Find<QTableView>(*rates, "prospetto");
        std::vector<std::pair<QString, double>> ratios;
        for (const char* name : {"AvvisoTesto", "AvvisoImporti"})
            ratios.emplace_back(name, DrawnContrast(Find(*program.w, name)));
        for (const char* name : {"totale1", "totale2", "durata", "tassiLegali"})
            ratios.emplace_back(name, DrawnContrast(Find(*rates, name)));
        ratios.emplace_back(
            "a period", DrawnContrast(prospetto->viewport(), prospetto->visualRect(prospetto->model()->index(0, 4))));
        CalculateIn(*rates, {"10000", "31/03/2023", "31/12/2025", "regimeDomanda", "10/12/2014"});
        ratios.emplace_back("erroreDomanda", DrawnContrast(Find(*rates, "erroreDomanda")));
        // Revalued: its lines and the percentage's hint.
        Find<QCheckBox>(*rates, "rivalutazione")->setChecked(true);
        ratios.emplace_back("righeRivalutazione",
                            DrawnContrast(Find<QPlainTextEdit>(*rates, "righeRivalutazione")->viewport()));
        ratios.emplace_back("suggerimentoPercentuale", DrawnContrast(Find(*rates, "suggerimentoPercentuale")));
        for (const auto& [name, ratio] : ratios) {
            qInfo("%s %.2f:1", qPrintable(name), ratio);
            QVERIFY2(ratio >= 4.5, qPrintable(QStringLiteral("%1: %2:1").arg(name).arg(ratio, 0, 'f', 2)));
        }
    }
};

QTEST_MAIN(ContrastTest)
#include "contrast_test.moc"
