#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tarvel {

// The page set-up of a document, as the printing system is told it.
struct JobSettings {
    std::string media; // a paper name the printing system knows ("A4")
    bool portrait = true;
    bool monochrome = false;
    std::int16_t quality = 0; // the engine's PrintQuality code
    int copies = 1;
};

using JobOptions = std::vector<std::pair<std::string, std::string>>;

// The standard job attributes for the settings: media, portrait orientation,
// print-color-mode, print-quality (3 draft, 4 normal, 5 high for the codes
// -1/-2, -3 and -4) and copies. A landscape document is laid out on a turned
// page already, so no orientation is asked for then; nor a quality for a
// resolution given in dots per inch.
JobOptions MakeJobOptions(const JobSettings& settings);

// Raises PrintError when the queue `destination` cannot be reached: it does
// not exist (kErrNoPrinter) or the print server does not answer.
void CheckDestination(const std::string& destination);

// Hands a finished PDF document to the queue `destination` ("name" or
// "name/instance") of the printing system as one job, and checks every answer.
// A refused or failed submission raises PrintError with the reason, in Italian
// for the usual cases, else the printing system's text; a job created but not
// completed is cancelled.
void SubmitPdfJob(const std::string& destination, const std::string& title, std::string_view pdf,
                  const JobOptions& options);

} // namespace tarvel
