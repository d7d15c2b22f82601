#pragma once

namespace tarvel {

// What the printer selection window needs of the window that opens it: the
// report, and the window's input given back when the printer window goes.
class PrinterWindowHost {
public:
    virtual ~PrinterWindowHost() = default;
    // The page settings, then the report on the current printer; either may
    // raise an error.
    virtual void Default_Value() = 0;
    virtual void PrintEsempio1() = 0;
    // While the printer window is open the host ignores input.
    virtual void SetWindowEnabled(bool enabled) = 0;
    // Gives the focus back to the host's start date.
    virtual void FocusStartDate() = 0;
};

} // namespace tarvel
