#include "cli/print_program.h"

#include "runtime/system_error_text.h"

#include <cerrno>
#include <filesystem>
#include <iostream>
#include <system_error>

#include <unistd.h>

namespace tarvel {

int ExecPrintProgram(char** argv)
{
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    const std::filesystem::path places[] = {
        self.parent_path() / "tarvel-calc-print",
        self.parent_path() / TARVEL_PRINT_PROGRAM_FROM_BINDIR,
    };
    int failure = ENOENT;
    if (!error) {
        for (const auto& place : places) {
            execv(place.c_str(), argv);
            // A program that is there but cannot run says more than one that is not.
            if (errno != ENOENT)
                failure = errno;
        }
    }
    std::cerr << "tarvel-calc: impossibile stampare: il programma di stampa tarvel-calc-print "
              << (failure == ENOENT ? "non è installato" : "non si avvia: " + SystemErrorText(failure)) << '\n';
    return 3;
}

} // namespace tarvel
