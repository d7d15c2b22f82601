#pragma once

#include "calc/per_rate_kind.h"
#include "forms/rates_in_force_form.h"
#include "forms/typed_calculation.h"
#include "print/printer_selection.h"
#include "runtime/form_runtime.h"
#include "ui/window_printing.h"

#include <QWidget>

#include <array>

class QButtonGroup;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;
class QVBoxLayout;

namespace tarvel {

class LedgerEditor;
class MaskedEdit;
class RateTablesInUse;
class TextBox;
class frmPrinter;

// The window of the rates in force: a capital and two dates, like the main
// window, charged at the legal rates as the law has set them (or those of a
// table file), at the legal rates with the late-payment rate from a claim
// filed in court, or at the late-payment rate. It shows the statement: a row
// per period the span touches, the interest, the sum, the years and days and
// the notes; copies it as text (Copia, Ctrl+C) and prints it (Stampa, through
// "Seleziona stampante"). The statement follows what is typed, key by key; bad
// data are said beside the field at fault, with nothing typed cleared. Not
// modal; laid out by Qt, in the main window's font, and kept inside the
// screen. What it shows, its form decides.
class RatesInForceWindow : public QWidget {
    Q_OBJECT

public:
    static constexpr char kCaption[] = "Interessi legali ai tassi in vigore";

    // The runtime, the printers and the tables are the program's; all outlive the window.
    RatesInForceWindow(FormRuntime& runtime, PrinterSelection& printers, RateTablesInUse& tables,
                       QWidget* parent = nullptr);
    ~RatesInForceWindow() override;

    // Legal interest on the calculation typed, calculated at once.
    void Fill(const TypedCalculation& typed);
    // Opens the window, or brings it back, ready for a date typed into "Dal":
    // the focus there, the whole date selected.
    void OpenForTyping();

    // The statement shown: none before anything is typed and while a field is at fault.
    const std::optional<Statement>& ShownStatement() const { return form_.Shown(); }
    // The printer selection window while it is open, else null.
    frmPrinter* PrinterWindow() const { return printing_.PrinterWindow(); }

private slots:
    void Calcola_Click();
    void Copia_Click();
    void Stampa_Click();
    // "Carica tabella…": a table file chosen with the open dialog.
    void CaricaTabella_Click(RateKind kind);
    // "Tabella incorporata".
    void TabellaIncorporata_Click(RateKind kind);

private:
    // In rates_in_force_widgets.cpp.
    void BuildInputs(QVBoxLayout& column);
    void BuildFields(QGridLayout& fields);
    QWidget* BuildSubLine(const char* name, InputField which, const QString& caption, QLineEdit* field,
                          const char* faultName);
    // The field on the `at`th line of `into`, its reason on a line under it.
    void AddField(InputField which, const QString& caption, QLineEdit* field, const char* faultName, QGridLayout& into,
                  int at);
    QLayout* BuildChoices();
    void BuildResults(QVBoxLayout& column);
    // The height of the table of periods with that many rows in view.
    int PeriodRowsHeight(int rows) const;
    // The page "Stampa" took: the ledger's or the single statement's.
    void PrintPage(EasyPrint& engine);
    void BuildTotals(QVBoxLayout& column);
    void BuildTables(QVBoxLayout& column);
    void BuildTableLine(QGridLayout& grid, int row, RateKind kind, const QString& caption, const char* const names[4]);
    void BuildCommands(QVBoxLayout& column);
    void SetTabOrder();
    void ChooseRegime(int id);
    // The line of the claim date or of the margin, with its choice.
    void ShowChoice();
    void TablesChanged();
    // A field's text into the form, which calculates anew.
    void Edited(InputField which);
    // The reasons beside the fields and the statement, as the form has them.
    void ShowCalculation();
    // Room for what wraps at the window's width, within the screen.
    void MakeRoom();
    void ShowFaults();
    void ShowStatement();
    void ShowRows(const Statement& statement);
    void ShowTables();

    // In rates_in_force_ledger.cpp: the list of movements and the ledger's statement.
    void BuildLedger(QVBoxLayout& column);
    void LedgerChanged();
    void ShowLedger();
    bool CopyLedger() const;

    // The columns of the period rows.
    enum Column { kFirstDay, kLastDay, kDays, kRate, kInterest, kAct, kColumns };

    struct Input {
        QLineEdit* field = nullptr;
        QLabel* fault = nullptr;
    };
    struct TableLine {
        QLabel* name = nullptr;
        QLabel* fault = nullptr;
        QPushButton* builtIn = nullptr;
    };

    MaskedEdit* dal_ = nullptr;
    MaskedEdit* al_ = nullptr;
    TextBox* capitale_ = nullptr;
    MaskedEdit* domanda_ = nullptr;
    TextBox* maggiorazione_ = nullptr;
    std::array<Input, kInputFieldCount> inputs_; // by InputField
    // The choices, their ids the Regime each stands for.
    QButtonGroup* regimes_ = nullptr;
    // The line of the claim date and that of the margin, each shown with its choice.
    QWidget* rigaDomanda_ = nullptr;
    QWidget* rigaMaggiorazione_ = nullptr;

    QLabel* regime_ = nullptr;
    QTableWidget* periodi_ = nullptr;
    QLabel* didascaliaInteressi_ = nullptr;
    QLabel* interessi_ = nullptr;
    QLabel* somma_ = nullptr;
    QLabel* durata_ = nullptr;
    QLabel* note_ = nullptr;
    PerRateKind<TableLine> tableLines_;
    QPushButton* copia_ = nullptr;
    QPushButton* stampa_ = nullptr;
    // The list of movements, in a group shown by "Movimenti…" (or by a ledger
    // opened): without it the window is the single calculation's.
    QWidget* gruppoMovimenti_ = nullptr;
    LedgerEditor* movimenti_ = nullptr;
    QPlainTextEdit* estratto_ = nullptr; // the ledger's statement, in place of the periods

    FormRuntime& runtime_;
    RateTablesInUse& tables_;
    RatesInForceForm form_;
    // Whether "Stampa" took the ledger's page, else the single statement's.
    bool ledgerPrinted_ = false;
    WindowPrinting printing_;
};

} // namespace tarvel
