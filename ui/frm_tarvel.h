#pragma once

#include "calc/control_texts.h"
#include "calc/version.h"
#include "print/easy_print.h"
#include "print/printer_selection.h"
#include "print/report.h"
#include "runtime/form_runtime.h"
#include "ui/frm_printer.h"
#include "ui/frm_velmora.h"
#include "ui/masked_edit.h"
#include "ui/printer_window_host.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <memory>
#include <optional>

class QGroupBox;
class QLabel;
class QLineEdit;
class QToolButton;

namespace tarvel {

// The main window: the capital and the two dates, the four commands, the
// results of the last calculation and the link to the maker's site. Its
// controls keep their design names; the calculation writes its texts into
// them and the report reads them back from there.
class frmTarvel : public QWidget, public PrinterWindowHost {
    Q_OBJECT

public:
    static constexpr char kCaption[] = "Tarvel  - Vers. " TARVEL_VERSION "  -  Calcolo interesse legale";
    static constexpr char kDateMask[] = "## / ## / ####";

    // The runtime and the printers are the program's; both outlive the window.
    frmTarvel(FormRuntime& runtime, PrinterSelection& printers, QWidget* parent = nullptr);
    ~frmTarvel() override;

    // Load: centres the window; the program calls it before the first show.
    void Form_Load();

    void Command1_Click(); // "Calcola"
    void Pulisci_Click();  // "Cancella"
    void Command2_Click(); // "Info"
    void Command3_Click(); // "Stampa"
    void Label16_Click();
    void Picture1_Click();
    void Label16_MouseMove();
    void Form_MouseMove();
    // May change the character code before importo inserts it.
    void importo_KeyPress(int& keyAscii);

    // The report's page settings, and the report of the texts standing in the
    // window as one document on the current printer. The printer selection
    // window calls them; the print engine is made at the first of them.
    void Default_Value() override;
    void PrintEsempio1() override;
    void SetWindowEnabled(bool enabled) override;
    void FocusStartDate() override;

    // The texts standing in the result controls.
    ControlTexts TextsInWindow() const;
    // The report's texts as they stand in the window.
    ReportTexts ReportTextsInWindow() const;
    // The report's texts: after a "Calcola" that succeeded, its capital, dates
    // and results, whatever has been typed since; else, as before any
    // calculation, after "Cancella" or a failed one, the texts standing in
    // the window.
    ReportTexts ReportTextsToPrint() const;
    // Puts the text of the last "Calcola" that succeeded on the clipboard
    // (Ctrl+C when no field has a selection); without one, nothing.
    void CopyCalculation();

    // The Info window while it is open, else null.
    frmVelmora* InfoWindow() const { return velmora_; }
    // The printer selection window while it is open, else null.
    frmPrinter* PrinterWindow() const;
    // The print engine once the first print has made it, else null.
    const EasyPrint* PrintEngine() const { return objPrint.get(); }

    QGroupBox* Frame1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    MaskedEdit* mdataini = nullptr;
    MaskedEdit* mdatafin = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label16 = nullptr;
    QLabel* Label23 = nullptr;
    QLineEdit* importo = nullptr;
    QLineEdit* SeeInteressi = nullptr;
    QLineEdit* Text1 = nullptr;
    QLineEdit* importobis = nullptr;
    QLabel* Picture1 = nullptr;
    QToolButton* Command1 = nullptr;
    QToolButton* Command2 = nullptr;
    QToolButton* Command3 = nullptr;
    QToolButton* Pulisci = nullptr;
    std::array<QLabel*, 12> lblData{};
    std::array<QLineEdit*, 12> txtAnno{};

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildFrame1();
    void BuildCommands();
    void BuildRateGrid();
    void SetTabOrder();
    // Accessible names from the captions on the window, and buddies.
    void NameControls();
    void DescribeResultLabels();
    // Writes every text the calculation set; the others keep their content.
    void WriteTexts(const ControlTexts& texts);
    bool FilterImportoKey(QKeyEvent* key);
    QLabel* ResultLabel(ResultControl control) const;
    QLineEdit* ResultBox(ResultControl control) const;

    // objPrint, made on first use.
    EasyPrint& Engine();

    // A "Calcola" that succeeded, as it stood when it ended; none before the
    // first, after "Cancella" and after a failed one.
    struct ShownCalculation {
        ReportTexts report;
        int years = 0;
        int days = 0;
    };
    std::optional<ShownCalculation> calculated_;

    FormRuntime& runtime_;
    PrinterSelection& printers_;
    QPointer<frmVelmora> velmora_;
    QPointer<frmPrinter> printer_;
    // The one engine of the window's reports: its page frame is measured on
    // the printer current at the first print.
    std::unique_ptr<EasyPrint> objPrint;
};

} // namespace tarvel
