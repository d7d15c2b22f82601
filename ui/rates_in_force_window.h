#pragma once

#include "calc/per_rate_kind.h"
#include "forms/rates_in_force_form.h"
#include "forms/typed_calculation.h"
#include "print/printer_selection.h"
#include "runtime/form_runtime.h"
#include "ui/window_printing.h"

#include <QWidget>

#include <array>
#include <string>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableView;
class QVBoxLayout;

namespace tarvel {

class LedgerEditor;
class LedgerFiles;
class MaskedEdit;
class RateTablesInUse;
class StatementModel;
class TextBox;
class frmPrinter;

// The window of the rates in force: a capital and two dates, like the main
// window, charged at the legal rates as the law has set them (or those of a
// table file), at the legal rates with the late-payment rate from a claim
// filed in court, at the late-payment rate, or at a rate the parties agreed.
// It shows the statement: a row per period the span touches, the interest,
// the sum, the years and days and the notes; at the user's choice the
// interest capitalised at each end of period, or the sum revalued by the
// price index, alone or with legal interest on it; copies it as text (Copia,
// Ctrl+C) and prints it (Stampa, through "Seleziona stampante"). With movements listed, the statement is the
// ledger's, in the same table. The statement follows what is typed, key by key; bad
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

    // Legal interest on the calculation typed, calculated at once and alone:
    // the list of movements emptied, after asking whether to save work not
    // saved. False, with nothing changed, when the user cancels.
    bool Fill(const TypedCalculation& typed);
    // Opens the window, or brings it back, ready for a date typed into "Dal":
    // the focus there, the whole date selected.
    void OpenForTyping();

    // The single calculation's statement: none before anything is typed and
    // while a field is at fault.
    const std::optional<Statement>& ShownStatement() const { return form_.Shown(); }
    // What the window decides from.
    const RatesInForceForm& Form() const { return form_; }
    // The printer selection window while it is open, else null.
    frmPrinter* PrinterWindow() const { return printing_.PrinterWindow(); }

protected:
    // Closing with work not saved asks first (LedgerFiles::MayLeave): close()
    // then answers false when the user keeps it.
    void closeEvent(QCloseEvent* event) override;

private slots:
    void Calcola_Click();
    void Copia_Click();
    void Stampa_Click();
    // "Carica tabella…": a table file chosen with the open dialog.
    void CaricaTabella_Click(RateKind kind);
    // "Tabella incorporata".
    void TabellaIncorporata_Click(RateKind kind);
    // "Carica indici…": an index file chosen with the open dialog; and its "Tabella incorporata".
    void CaricaIndici_Click();
    void IndiciIncorporati_Click();

private:
    // In rates_in_force_widgets.cpp.
    void BuildInputs(QVBoxLayout& column);
    void BuildFields(QHBoxLayout& fields, QVBoxLayout& reasons);
    QWidget* BuildSubLine(const char* name, InputField which, const QString& caption, QLineEdit* field,
                          const char* faultName, QVBoxLayout& reasons);
    // The field with its caption on the line `into`, its reason among `reasons`,
    // under all the fields: a reason shown moves no field.
    void AddField(InputField which, const QString& caption, QLineEdit* field, const char* faultName, QHBoxLayout& into,
                  QVBoxLayout& reasons);
    // The field's reason among `reasons`, and its text into the form.
    void ConnectField(InputField which, QLineEdit* field, const char* faultName, QVBoxLayout& reasons);
    QHBoxLayout* BuildChoices();
    // The option of the revaluation: its check box on the line of the
    // choices, and the line of its ways with the percentage of an update,
    // shown while it is asked.
    QWidget* BuildRevaluation(QHBoxLayout& options, QVBoxLayout& reasons);
    // The option of the capitalisation: its check box on the line of the
    // options, its periods and its day beside it while it is asked.
    void BuildCompounding(QHBoxLayout& options, QVBoxLayout& reasons);
    void BuildResults(QVBoxLayout& column);
    void BuildTable();
    // The height of the statement's table with that many rows in view.
    int StatementRowsHeight(int rows) const;
    // The page "Stampa" took: the ledger's or the single statement's.
    void PrintPage(EasyPrint& engine);
    void BuildTables(QVBoxLayout& column);
    struct TableLine;
    void BuildTableLine(QGridLayout& grid, int row, TableLine& table, const QString& caption, const QString& load,
                        const char* const names[4]);
    void BuildCommands(QVBoxLayout& column);
    void SetTabOrder();
    void ChooseRegime(int id);
    // The choices as the form has them: the regimes charged and offered, the
    // revaluation and the capitalisation, asked and offered or not, and their
    // ways (not while the list of movements is shown); the line of the claim
    // date, of the margin or of the contract's rate, the percentage of an update.
    void ShowChoices();
    void TablesChanged();
    // A field's text into the form, which calculates anew.
    void Edited(InputField which);
    // The reasons beside the fields and the statement, as the form has them.
    void ShowCalculation();
    // Room for what wraps at the window's width, within the screen.
    void MakeRoom();
    void ShowFaults();
    void ShowStatement();
    // The grid of the totals, rebuilt when their captions change.
    void ShowTotals();
    void ShowRevaluationLines();
    void ShowTables();

    // In rates_in_force_ledger.cpp: the list of movements and the ledger's statement.
    void BuildLedger(QVBoxLayout& column);
    void LedgerChanged();
    void LedgerOpened();
    // The capital or Dal that Salva… refused, with the focus.
    void FocusRefused(SaveRefusal::Where where);

    struct Input {
        QLineEdit* field = nullptr;
        QLabel* fault = nullptr;
    };
    struct TableLine {
        QLabel* name = nullptr;
        QLabel* fault = nullptr;
        QPushButton* load = nullptr;
        QPushButton* builtIn = nullptr;
    };

    MaskedEdit* dal_ = nullptr;
    MaskedEdit* al_ = nullptr;
    TextBox* capitale_ = nullptr;
    MaskedEdit* domanda_ = nullptr;
    TextBox* maggiorazione_ = nullptr;
    TextBox* tasso_ = nullptr;
    std::array<Input, kInputFieldCount> inputs_; // by InputField
    // The choices, their ids the Regime each stands for.
    QButtonGroup* regimes_ = nullptr;
    // The line of the claim date, that of the margin and that of the
    // contract's rate, each shown with its choice.
    QWidget* rigaDomanda_ = nullptr;
    QWidget* rigaMaggiorazione_ = nullptr;
    QWidget* rigaTasso_ = nullptr;
    // The line of the options, the revaluation's and the capitalisation's,
    // hidden while the list of movements is shown.
    QWidget* rigaOpzioni_ = nullptr;
    // The revaluation: asked or not, and its ways, their ids the
    // RevaluationWay each stands for, shown while it is asked.
    QCheckBox* rivalutazione_ = nullptr;
    QButtonGroup* modiRivalutazione_ = nullptr;
    QWidget* rigaModi_ = nullptr;
    TextBox* percentuale_ = nullptr;
    // The capitalisation: asked or not, and its periods, their ids the
    // CompoundingPeriod each stands for, and its day, shown while it is asked.
    QCheckBox* capitalizzazione_ = nullptr;
    QButtonGroup* periodi_ = nullptr;
    QWidget* rigaCapitalizzazione_ = nullptr;
    MaskedEdit* capitalizzazioneDal_ = nullptr;

    QPushButton* calcola_ = nullptr;
    QPushButton* mostraMovimenti_ = nullptr;
    QGridLayout* calcolo_ = nullptr; // the grid of the group "Calcolo"

    QLabel* regime_ = nullptr;
    // The lines of a revaluation, before the table: a few in view, the
    // others (a year each, for the sum revalued year by year) scrolled to.
    QPlainTextEdit* righeRivalutazione_ = nullptr;
    // The statement shown, the single calculation's or the ledger's.
    QTableView* prospetto_ = nullptr;
    StatementModel* model_ = nullptr;
    QLabel* arrotondamento_ = nullptr; // the rounding note, under the table
    // The totals, a caption and a value each, as the form names them, then "Durata".
    QGridLayout* totali_ = nullptr;
    std::vector<QLabel*> totalValues_;
    std::vector<std::string> totalCaptions_;
    QLabel* durata_ = nullptr;
    QLabel* durataCaption_ = nullptr;
    QLabel* note_ = nullptr;
    PerRateKind<TableLine> tableLines_;
    TableLine indici_;
    QPushButton* copia_ = nullptr;
    QPushButton* stampa_ = nullptr;
    QPushButton* chiudi_ = nullptr;
    // The list of movements, in a group shown by "Movimenti…" (or by a ledger
    // opened): without it the window is the single calculation's.
    QWidget* gruppoMovimenti_ = nullptr;
    LedgerEditor* movimenti_ = nullptr;
    LedgerFiles* files_ = nullptr;

    FormRuntime& runtime_;
    RateTablesInUse& tables_;
    RatesInForceForm form_;
    WindowPrinting printing_;
};

} // namespace tarvel
