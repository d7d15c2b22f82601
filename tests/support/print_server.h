#pragma once

// A private print server for a test: tests/print/cups-sandbox started in a
// scratch folder of its own, with its own queues, whose jobs come out as PDF
// files there; the machine's own printing is never touched. It needs root.
// It says how things went by what it returns, so that GoogleTest and Qt Test
// alike can check it.

#include "tests/support/scratch_folder.h"

#include <filesystem>
#include <string>
#include <vector>

namespace tarvel::testing {

class PrintServer {
public:
    // Whether this process may start one: the server needs root.
    static bool MayStart();

    // Starts the server with `queues` as cups-sandbox names them ("P1",
    // "P4:wide", "P5:reject"), the first the default, and points CUPS_SERVER
    // in the environment at it. Start it before the first use of the printing
    // system: some clients (Qt's) read CUPS_SERVER once.
    explicit PrintServer(const std::vector<std::string>& queues);
    // Stops the server and takes CUPS_SERVER away, before the folder goes.
    ~PrintServer();
    PrintServer(const PrintServer&) = delete;
    PrintServer& operator=(const PrintServer&) = delete;

    bool Running() const { return running_; }
    // Waits until no job is pending or printing; false when a queue stopped
    // on an error or the jobs do not end within a minute.
    bool WaitForJobs() const;
    bool MakeDefault(const std::string& queue) const;
    bool Remove(const std::string& queue) const;
    // Stops the server now, for a test of a server that has gone.
    bool Stop() const;

    // Where the jobs of `queue` are written, one PDF after the other.
    std::filesystem::path Output(const std::string& queue) const;
    std::filesystem::path ErrorLog() const;

private:
    int Sandbox(const std::string& arguments) const;
    int Admin(const std::string& arguments) const;
    std::string Socket() const;

    ScratchFolder folder_{"tarvel-cups"};
    std::filesystem::path dir_;
    bool running_ = false;
};

} // namespace tarvel::testing
