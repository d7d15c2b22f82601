#pragma once

#include "calc/control_texts.h"
#include "calc/version.h"
#include "forms/main_window_form.h"
#include "print/easy_print.h"
#include "print/printer_selection.h"
#include "print/report.h"
#include "runtime/form_runtime.h"
#include "ui/frm_printer.h"
#include "ui/frm_velmora.h"
#include "ui/rates_in_force_window.h"
#include "ui/window_printing.h"

#include <QPointer>
#include <QWidget>

#include <memory>
#include <variant>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tarvel {

class LinkLabel;
class MaskedEdit;
class RateTablesInUse;
class TextBox;

// The main window: the capital and the two dates, the four commands, the
// results of the last calculation and the link to the maker's site, a view
// over its MainWindowForm. Its controls are its own, each named as in the
// design (objectName); it hands what is typed to the form and shows what the
// form says.
//
// Its table charges its last rate on every day after that rate's year. After
// a calculation that reaches past it a notice under the designed window says
// so and gives the interest at the rates in force; its button, and Ctrl+T at
// any time, open the window of the rates in force with the last calculation.
class frmTarvel : public QWidget {
    Q_OBJECT

public:
    static constexpr char kCaption[] = "Tarvel  - Vers. " TARVEL_VERSION "  -  Calcolo interesse legale";

    // The runtime, the printers and the tables of the rates in force are the
    // program's; all outlive the window.
    frmTarvel(FormRuntime& runtime, PrinterSelection& printers, RateTablesInUse& tables, QWidget* parent = nullptr);
    ~frmTarvel() override;

    // Once the window is shown at start: names every remembered table file
    // that no longer reads and, when asked, opens the window of the rates in
    // force over this one.
    void Started(bool openRatesInForce);

    // The Info window while it is open, else null.
    frmVelmora* InfoWindow() const { return velmora_; }
    // The printer selection window while it is open, else null.
    frmPrinter* PrinterWindow() const { return printing_.PrinterWindow(); }
    // The window of the rates in force once opened, else null.
    RatesInForceWindow* RatesWindow() const { return rates_; }
    // The print engine once the first print has made it, else null.
    const EasyPrint* PrintEngine() const { return printing_.Engine(); }

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private slots:
    // Load, once the window is built: centres it.
    void Form_Load();
    // The handlers of the controls' events.
    void Command1_Click(); // "Calcola", also Enter in an input
    void Pulisci_Click();  // "Cancella"
    void Command2_Click(); // "Info"
    void Command3_Click(); // "Stampa"
    // The notice's button and Ctrl+T: the window of the rates in force, with
    // the last "Calcola" that succeeded, if any.
    void OpenRatesInForce();
    void Label16_Click();
    void Picture1_Click();
    void Label16_MouseMove();
    void Form_MouseMove();
    // May change the character code before importo inserts it.
    void importo_KeyPress(int& keyAscii);
    // The notice the form gives with the table in use; without one, the
    // window of its designed size.
    void ShowNotice();
    // Back from the printer window: the start date takes input.
    void FocusStartDate();
    // Ctrl+C when no field has a selection.
    void CopyCalculation();

private:
    void BuildFrame1();
    void BuildCommands();
    void BuildRateGrid();
    void BuildNotice();
    void SetTabOrder();
    // Accessible names from the captions on the window, and buddies.
    void NameControls();
    void DescribeResultLabels();
    // Writes every text given; the others keep their content. The working
    // texts, which the window never shows, stand in the form alone.
    void WriteTexts(const ControlTexts& texts);
    TypedCalculation Typed() const;

    // The report of the last "Calcola" that succeeded, else of the texts
    // standing in the window.
    void PrintEsempio1(EasyPrint& objPrint);

    MaskedEdit* mdataini = nullptr;
    MaskedEdit* mdatafin = nullptr;
    TextBox* importo = nullptr;
    LinkLabel* Label16 = nullptr;

    // Where each result control's text stands: on a label or in a field;
    // none for the working texts.
    using ResultPlace = std::variant<std::monostate, QLabel*, QLineEdit*>;
    PerControl<ResultPlace> results_;

    MainWindowForm form_;

    QFrame* Avviso = nullptr;
    QLabel* AvvisoTesto = nullptr;
    QLabel* AvvisoImporti = nullptr;

    FormRuntime& runtime_;
    PrinterSelection& printers_;
    RateTablesInUse& tables_;
    QPointer<frmVelmora> velmora_;
    QPointer<RatesInForceWindow> rates_;
    // The one engine of the window's reports, whose page frame is measured on
    // the printer current at the first print, and the printer window.
    WindowPrinting printing_;
};

} // namespace tarvel
