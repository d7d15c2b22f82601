#include "tests/support/print_server.h"

#include <cstdlib>

#include <unistd.h>

namespace tarvel::testing {
namespace {

namespace fs = std::filesystem;

std::string Quoted(const std::string& text) { return "'" + text + "'"; }

} // namespace

bool PrintServer::MayStart() { return geteuid() == 0; }

PrintServer::PrintServer(const std::vector<std::string>& queues)
{
    if (!MayStart() || folder_.Path().empty())
        return;
    // The server's filters run as lp, which must reach the folder.
    fs::permissions(folder_.Path(), fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);
    dir_ = folder_.Path() / "cups";
    std::string start = "start " + Quoted(dir_.string());
    for (const std::string& queue : queues)
        start += " " + queue;
    running_ = Sandbox(start) == 0;
    if (running_)
        setenv("CUPS_SERVER", Socket().c_str(), 1);
}

PrintServer::~PrintServer()
{
    if (dir_.empty())
        return;
    Stop();
    if (running_)
        unsetenv("CUPS_SERVER");
}

bool PrintServer::WaitForJobs() const { return Sandbox("wait " + Quoted(dir_.string())) == 0; }

bool PrintServer::MakeDefault(const std::string& queue) const { return Admin("-d " + queue) == 0; }

bool PrintServer::Remove(const std::string& queue) const { return Admin("-x " + queue) == 0; }

bool PrintServer::Stop() const { return Sandbox("stop " + Quoted(dir_.string())) == 0; }

fs::path PrintServer::Output(const std::string& queue) const { return dir_ / "out" / (queue + ".pdf"); }

fs::path PrintServer::ErrorLog() const { return dir_ / "log" / "error_log"; }

int PrintServer::Sandbox(const std::string& arguments) const
{
    return std::system((std::string(CUPS_SANDBOX) + " " + arguments).c_str());
}

int PrintServer::Admin(const std::string& arguments) const
{
    return std::system(("CUPS_SERVER=" + Quoted(Socket()) + " lpadmin " + arguments).c_str());
}

std::string PrintServer::Socket() const { return (dir_ / "cups.sock").string(); }

} // namespace tarvel::testing
