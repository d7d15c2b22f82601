#include "print/cups_job.h"

#include "print/print_error.h"

#include <cups/cups.h>

#include <memory>

namespace tarvel {
namespace {

constexpr int kConnectMilliseconds = 5000;

bool ServerAnswers()
{
    http_t* http =
        httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, kConnectMilliseconds, nullptr);
    if (!http)
        return false;
    httpClose(http);
    return true;
}

// Why the last request to the print server failed. A server that cannot be
// reached is reported by the client library as an internal error, or as a
// queue that does not exist: the server is asked again to tell them apart.
std::string LastCupsReason()
{
    const ipp_status_t status = cupsLastError();
    const std::string text = cupsLastErrorString() ? cupsLastErrorString() : "";
    if ((status == IPP_STATUS_ERROR_INTERNAL || status == IPP_STATUS_ERROR_NOT_FOUND) && !ServerAnswers())
        return "Il server di stampa non risponde";
    switch (status) {
    case IPP_STATUS_ERROR_NOT_ACCEPTING_JOBS: return "La stampante non accetta lavori";
    case IPP_STATUS_ERROR_NOT_FOUND: return "La stampante non esiste";
    case IPP_STATUS_ERROR_SERVICE_UNAVAILABLE: return "Il server di stampa non risponde";
    case IPP_STATUS_ERROR_FORBIDDEN:
    case IPP_STATUS_ERROR_NOT_AUTHORIZED:
    case IPP_STATUS_ERROR_CUPS_AUTHENTICATION_CANCELED: return "Stampa non autorizzata";
    default: break;
    }
    return text.empty() ? "Errore del server di stampa" : text;
}

[[noreturn]] void Fail() { throw PrintError(kErrPrinter, LastCupsReason()); }

struct Destination {
    std::string name;
    std::string instance;
};

Destination SplitDestination(const std::string& destination)
{
    const auto slash = destination.find('/');
    if (slash == std::string::npos)
        return {destination, {}};
    return {destination.substr(0, slash), destination.substr(slash + 1)};
}

struct OptionsDeleter {
    int count;
    void operator()(cups_option_t* options) const { cupsFreeOptions(count, options); }
};

// The queue, or PrintError saying why there is none.
cups_dest_t* LookUp(const Destination& where)
{
    cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, where.name.c_str(),
                                         where.instance.empty() ? nullptr : where.instance.c_str());
    if (dest)
        return dest;
    if (cupsLastError() <= IPP_STATUS_OK_EVENTS_COMPLETE)
        throw PrintError(kErrNoPrinter, "La stampante non esiste");
    throw PrintError(kErrNoPrinter, LastCupsReason());
}

} // namespace

void CheckDestination(const std::string& destination) { cupsFreeDests(1, LookUp(SplitDestination(destination))); }

JobOptions MakeJobOptions(const JobSettings& settings)
{
    JobOptions options;
    if (!settings.media.empty())
        options.emplace_back("media", settings.media);
    if (settings.portrait)
        options.emplace_back("orientation-requested", "3");
    options.emplace_back("print-color-mode", settings.monochrome ? "monochrome" : "color");
    switch (settings.quality) {
    case -1:
    case -2: options.emplace_back("print-quality", "3"); break;
    case -3: options.emplace_back("print-quality", "4"); break;
    case -4: options.emplace_back("print-quality", "5"); break;
    default: break;
    }
    if (settings.copies > 1)
        options.emplace_back("copies", std::to_string(settings.copies));
    return options;
}

void SubmitPdfJob(const std::string& destination, const std::string& title, std::string_view pdf,
                  const JobOptions& options)
{
    const Destination where = SplitDestination(destination);
    // The queue's own defaults first (those of an instance included), then the
    // document's settings over them.
    cups_dest_t* dest = LookUp(where);
    int count = 0;
    cups_option_t* jobOptions = nullptr;
    for (int i = 0; i < dest->num_options; ++i)
        count = cupsAddOption(dest->options[i].name, dest->options[i].value, count, &jobOptions);
    cupsFreeDests(1, dest);
    for (const auto& [name, value] : options)
        count = cupsAddOption(name.c_str(), value.c_str(), count, &jobOptions);
    const std::unique_ptr<cups_option_t, OptionsDeleter> owned(jobOptions, OptionsDeleter{count});

    const char* name = where.name.c_str();
    const int job = cupsCreateJob(CUPS_HTTP_DEFAULT, name, title.c_str(), count, jobOptions);
    if (job <= 0)
        Fail();
    try {
        if (cupsStartDocument(CUPS_HTTP_DEFAULT, name, job, title.c_str(), CUPS_FORMAT_PDF, 1) != HTTP_STATUS_CONTINUE)
            Fail();
        if (cupsWriteRequestData(CUPS_HTTP_DEFAULT, pdf.data(), pdf.size()) != HTTP_STATUS_CONTINUE) {
            const std::string reason = LastCupsReason();
            cupsFinishDocument(CUPS_HTTP_DEFAULT, name);
            throw PrintError(kErrPrinter, reason);
        }
        if (cupsFinishDocument(CUPS_HTTP_DEFAULT, name) > IPP_STATUS_OK_EVENTS_COMPLETE)
            Fail();
    } catch (...) {
        cupsCancelJob2(CUPS_HTTP_DEFAULT, name, job, 0);
        throw;
    }
}

} // namespace tarvel
