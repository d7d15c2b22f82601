#pragma once

#include "calc/statement.h"
#include "forms/typed_calculation.h"
#include "print/easy_print.h"
#include "print/printer_selection.h"
#include "print/rates_report.h"
#include "runtime/form_runtime.h"
#include "ui/frm_printer.h"
#include "ui/printer_window_host.h"

#include <QPointer>
#include <QWidget>

#include <memory>
#include <optional>
#include <string>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QVBoxLayout;

namespace tarvel {

class MaskedEdit;
class RateTablesInUse;
class TextBox;

// The window of the rates in force: a capital and two dates, like the main
// window, charged at the legal rates as the law has set them (or those of a
// table file), at the legal rates with the late-payment rate from a claim
// filed in court, or at the late-payment rate. It shows the statement: a row
// per period the span touches, the interest, the sum, the years and days and
// the notes; copies it as text (Copia, Ctrl+C) and prints it (Stampa, through
// "Seleziona stampante"). Bad data are said beside the field at fault, with
// nothing typed cleared. Not modal; laid out by Qt, in the main window's font.
class RatesInForceWindow : public QWidget, public PrinterWindowHost {
    Q_OBJECT

public:
    static constexpr char kCaption[] = "Interessi legali ai tassi in vigore";
    static constexpr char kLoadTableTitle[] = "Carica una tabella dei tassi";

    // The runtime, the printers and the tables are the program's; all outlive the window.
    RatesInForceWindow(FormRuntime& runtime, PrinterSelection& printers, RateTablesInUse& tables,
                       QWidget* parent = nullptr);
    ~RatesInForceWindow() override;

    // Legal interest on the calculation typed, calculated at once.
    void Fill(const TypedCalculation& typed);

    void Calcola_Click();
    void Copia_Click();
    void Stampa_Click();
    // "Carica tabella…": a table file chosen with the open dialog.
    void CaricaTabella_Click(RateKind kind);
    // "Tabella incorporata".
    void TabellaIncorporata_Click(RateKind kind);

    // The statement shown: none before the first calculation and after a failed one.
    const std::optional<Statement>& ShownStatement() const { return statement_; }
    // The printer selection window while it is open, else null.
    frmPrinter* PrinterWindow() const;

    void Default_Value() override;
    void PrintEsempio1() override;

private:
    void BuildInputs(QVBoxLayout& column);
    void BuildResults(QVBoxLayout& column);
    void BuildTables(QVBoxLayout& column);
    void BuildCommands(QVBoxLayout& column);
    void SetTabOrder();
    // The regime of the choice checked.
    Regime ChosenRegime() const;
    void ChooseRegime();
    // The reasons beside their fields; every field without one is clear.
    void ShowFaults(const std::vector<FieldFault>& faults);
    void ShowStatement();
    void ShowTables();
    EasyPrint& Engine();

    struct Input {
        QLineEdit* field = nullptr;
        QLabel* fault = nullptr;
    };
    Input& InputOf(InputField field);

    MaskedEdit* dal = nullptr;
    MaskedEdit* al = nullptr;
    TextBox* capitale = nullptr;
    MaskedEdit* domanda = nullptr;
    TextBox* maggiorazione = nullptr;
    Input inputs_[5]; // by InputField
    // The choices, their ids the Regime each stands for.
    QButtonGroup* regimes_ = nullptr;
    // The line of the claim date and that of the margin, each shown with its choice.
    QWidget* rigaDomanda = nullptr;
    QWidget* rigaMaggiorazione = nullptr;

    QLabel* regime = nullptr;
    QTableWidget* periodi = nullptr;
    QLabel* didascaliaInteressi = nullptr;
    QLabel* interessi = nullptr;
    QLabel* somma = nullptr;
    QLabel* durata = nullptr;
    QLabel* note = nullptr;

    struct TableLine {
        QLabel* name = nullptr;
        QLabel* fault = nullptr;
        QPushButton* builtIn = nullptr;
    };
    TableLine tassiLegali_;
    TableLine tassiRiferimento_;

    QPushButton* copia = nullptr;
    QPushButton* stampa = nullptr;

    FormRuntime& runtime_;
    PrinterSelection& printers_;
    RateTablesInUse& tables_;
    std::optional<Statement> statement_;
    RatesReportTexts page_; // what "Stampa" prints, taken when it was pressed
    QPointer<frmPrinter> printer_;
    std::unique_ptr<EasyPrint> engine_;
};

} // namespace tarvel
