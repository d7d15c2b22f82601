#pragma once

#include "print/printer_selection.h"
#include "runtime/form_runtime.h"
#include "ui/printer_window_host.h"

#include <QDialog>

#include <string>

class QComboBox;

namespace tarvel {

class CommandButton;

// The printer selection window: lists the installed printers, makes the one
// picked current and, on "Stampa", has its host print the report there. A
// dialog, window-modal over the window that opens it, which takes no input
// while it is open; Escape and the close box reject it and print nothing. It
// deletes itself when it closes, so every opening lists the printers afresh
// and makes the first one current.
//
// The list ends with "File PDF…": "Stampa" on it saves the report as a PDF
// file chosen with the form runtime's save dialog. With no printer installed
// the window says so above "File PDF…", and "Stampa" does the same.
//
// A printer's name typed into the edit field chooses that printer; "Stampa"
// on any other text warns that no such printer is installed.
//
// A print that fails shows one warning naming the printer (or the file) and
// the reason, and leaves the window open with that printer chosen; one that
// succeeds accepts the dialog.
class frmPrinter : public QDialog {
    Q_OBJECT

public:
    static constexpr char kCaption[] = "Seleziona stampante";
    static constexpr char kSavePdfTitle[] = "Salva il prospetto come PDF";

    // Creates the window over `owner`, centred on the screen, and runs its
    // Form_Load; the caller opens it (open()).
    static frmPrinter* Load(PrinterWindowHost& host, FormRuntime& runtime, PrinterSelection& printers, QWidget& owner);

    // Where the save dialog proposes to put the report: in the folder last
    // used (`lastFolder`), else in the home folder.
    static std::string SuggestedPdfPath(const std::string& lastFolder);

private slots:
    void Form_Load();
    void Combo1_Click();
    void Command1_Click(); // "Stampa"

private:
    frmPrinter(PrinterWindowHost& host, FormRuntime& runtime, PrinterSelection& printers, QWidget& owner);
    void FillPrinterList();
    // Selects an entry as the runtime does: the edit field takes its text and
    // Combo1_Click runs.
    void SetListIndex(int index);
    // Makes the printer of that name current, or chooses the PDF file for
    // "File PDF…"; false, with nothing changed, for any other name.
    bool ChooseNamed(const std::string& name);
    // Makes a PDF file chosen by the user the current printer; false when the
    // user cancels.
    bool ChoosePdfFile();
    // Default_Value and PrintEsempio1; false, after a warning, when they fail.
    bool PrintReport();

    PrinterWindowHost& host_;
    FormRuntime& runtime_;
    PrinterSelection& printers_;
    CommandButton* Command1 = nullptr;
    QComboBox* Combo1 = nullptr;
    bool noPrinter_ = false;
    bool pdfChosen_ = false;
};

} // namespace tarvel
