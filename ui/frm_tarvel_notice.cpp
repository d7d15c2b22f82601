// The main window's side of the rates in force: the notice under the designed
// window and the window of the rates in force that it opens.
#include "ui/frm_tarvel.h"

#include "calc/date_text.h"
#include "ui/colours.h"
#include "ui/desktop_window.h"
#include "ui/rate_tables_in_use.h"
#include "ui/whole_text.h"
#include "ui/window_layouts.h"

#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace tarvel {
namespace {

constexpr char kNoticeFirstLine[] = "Questa finestra calcola l'1% su ogni giorno dopo il 2014.";

// The last day the window's table charges at a rate the law set for it.
Date LastDayOfDesignedTable() { return *Date::fromCivil(2014, 12, 31); }

std::string Uncapitalised(std::string text)
{
    if (!text.empty() && text[0] >= 'A' && text[0] <= 'Z')
        text[0] = static_cast<char>(text[0] - 'A' + 'a');
    return text;
}

// "Ai tassi legali in vigore: interessi 3.319,93, somma 28.319,93.", "Ai
// tassi del file tassi.csv: ..." (its folder is in the other window).
std::string AtRatesInForce(const RateTable& table, const std::optional<Statement>& statement)
{
    const std::string rates =
        "Ai "
        + (table.file().empty()
               ? Uncapitalised(table.name())
               : "tassi del file " + QFileInfo(QString::fromStdString(table.file())).fileName().toStdString());
    if (!statement)
        return rates + " il calcolo non riesce.";
    return rates + ": interessi " + statement->interest + ", somma " + statement->sum + '.';
}

} // namespace

void frmTarvel::BuildNotice()
{
    Avviso = new QFrame(this);
    Avviso->setObjectName(QStringLiteral("Avviso"));
    Avviso->setGeometry(kMainWindowNotice.Pixels());
    Avviso->setFrameStyle(QFrame::Panel | QFrame::Raised);
    // A fixed light background, and the fixed dark text that reads on it.
    SetBackColor(Avviso, kLightInfoBackground);
    SetForeColor(Avviso, kDarkText);

    AvvisoTesto =
        Place(new QLabel(QString::fromUtf8(kNoticeFirstLine), Avviso), kMainWindowNoticeLayout, "AvvisoTesto");
    AvvisoImporti = Place(new QLabel(Avviso), kMainWindowNoticeLayout, "AvvisoImporti");
    auto* AvvisoApri = Place(new QPushButton(QStringLiteral("Calcolo ai tassi in vigore…"), Avviso),
                             kMainWindowNoticeLayout, "AvvisoApri");
    AvvisoApri->setAutoDefault(true); // Enter presses it, as Space does
    AvvisoApri->setToolTip(QStringLiteral("Ctrl+T"));
    connect(AvvisoApri, &QPushButton::clicked, this, &frmTarvel::OpenRatesInForce);
    Avviso->hide();
    // The notice follows the table in use.
    connect(&tables_, &RateTablesInUse::Changed, this, &frmTarvel::ShowNotice);
}

void frmTarvel::ShowNotice()
{
    noticeLine_.reset();
    if (!calculated_ || calculated_->end <= LastDayOfDesignedTable()) {
        Avviso->hide();
        setFixedSize(kMainWindowClient.Pixels().size());
        return;
    }
    const RateTable& table = tables_.Table(RateKind::Legal);
    StatementRequest request;
    request.capital = calculated_->typed.capital;
    request.start = calculated_->typed.start;
    request.end = calculated_->typed.end;
    request.legalRates = &table;
    const std::string amounts = AtRatesInForce(table, MakeStatement(request).statement);
    AvvisoImporti->setText(QString::fromStdString(amounts));
    FitFontToText(AvvisoImporti);
    Avviso->setAccessibleName(AvvisoTesto->text() + ' ' + AvvisoImporti->text());
    noticeLine_ = "Nota: " + Uncapitalised(kNoticeFirstLine) + ' ' + amounts + '\n';
    setFixedSize(kMainWindowClient.Pixels().size().grownBy({0, 0, 0, kMainWindowNotice.Pixels().height()}));
    Avviso->show();
}

void frmTarvel::OpenRatesInForce()
{
    // One window of the rates in force, without an owner, as the Info window;
    // it stays when closed, with what it holds, until the program ends.
    if (!rates_)
        rates_ = new RatesInForceWindow(runtime_, printers_, tables_);
    if (calculated_)
        rates_->Fill(calculated_->typed);
    rates_->setWindowState(rates_->windowState() & ~Qt::WindowMinimized);
    BringToCurrentDesktop(*rates_);
    rates_->show();
    rates_->raise();
    rates_->activateWindow();
}

void frmTarvel::Started(bool openRatesInForce)
{
    for (const std::string& fault : tables_.StartFaults())
        runtime_.MsgBox(fault, RatesInForceWindow::kCaption, MsgBoxIcon::Warning);
    if (openRatesInForce)
        OpenRatesInForce();
}

} // namespace tarvel
