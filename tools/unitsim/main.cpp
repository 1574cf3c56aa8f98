// unitsim: a simulated KY unit on a pseudo-terminal, for the demo and for
// trying Capturo with no unit attached. Prints the terminal's path first,
// then serves the PC until a signal, "quit" or the end of stdin.
#include <poll.h>
#include <signal.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

#include "CommandLine.h"
#include "UnitSim.h"

namespace {

namespace fs = std::filesystem;
using unitsim::CommandLine;
using unitsim::UnitSim;

// The rate of "start-stream" when the command line names none.
constexpr int kDefaultStreamUnitsPerSecond = 200;

// An old link of ours may be left from an earlier run; anything that is not
// a link is the user's and stays.
bool MakeLink(const std::string& linkPath, const std::string& target) {
    std::error_code ec;
    if (fs::is_symlink(fs::symlink_status(linkPath, ec))) fs::remove(linkPath, ec);
    fs::create_symlink(target, linkPath, ec);
    if (!ec) return true;
    std::cerr << "unitsim: cannot link " << linkPath << ": " << ec.message() << '\n';
    return false;
}

void RemoveLink(const std::string& linkPath, const std::string& target) {
    std::error_code ec;
    if (fs::is_symlink(fs::symlink_status(linkPath, ec)) && fs::read_symlink(linkPath, ec) == target) {
        fs::remove(linkPath, ec);
    }
}

// The stream takes over a run in progress, for instance one whose scenario
// ran out; otherwise the unit starts monitoring as if the PC had asked.
void StartStream(UnitSim& sim, const CommandLine& line) {
    const int perSecond =
        line.streamUnitsPerSecond > 0 ? line.streamUnitsPerSecond : kDefaultStreamUnitsPerSecond;
    sim.SetStream(perSecond, line.streamUnitsPerRecord);
    if (!sim.IsMonitoring()) sim.StartMonitoring();
}

// False when the command ends the program.
bool RunCommand(UnitSim& sim, const CommandLine& line, const std::string& command) {
    const std::string sendPrefix = "send ";
    const std::string statusPrefix = "line-status ";
    if (command == "quit") return false;
    if (command == "power-failure") {
        sim.SendPowerFailure();
    } else if (command == "remote-stop") {
        sim.SendRemoteStop();
    } else if (command == "start-stream") {
        StartStream(sim, line);
    } else if (command == "end") {
        if (!sim.EndMonitoring()) std::cerr << "unitsim: not monitoring\n";
    } else if (command == "hang-up") {
        sim.HangUp();
    } else if (command.rfind(statusPrefix, 0) == 0) {
        const auto status = unitsim::ParseLineStatus(command.substr(statusPrefix.size()));
        if (!status || !sim.SendLineStatus(*status)) std::cerr << "unitsim: no line status sent\n";
    } else if (command.rfind(sendPrefix, 0) == 0) {
        sim.SendLine(command.substr(sendPrefix.size()));
    } else if (!command.empty()) {
        std::cerr << "unitsim: unknown command: " << command << '\n';
    }
    return true;
}

// False at the end of stdin or on "quit".
bool TakeStdin(UnitSim& sim, const CommandLine& line, std::string& pending) {
    char buffer[1024];
    const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
    if (n <= 0) return false;
    pending.append(buffer, static_cast<std::size_t>(n));
    for (std::size_t end = pending.find('\n'); end != std::string::npos; end = pending.find('\n')) {
        std::string command = pending.substr(0, end);
        pending.erase(0, end + 1);
        if (!command.empty() && command.back() == '\r') command.pop_back();
        if (!RunCommand(sim, line, command)) return false;
    }
    return true;
}

int BlockStopSignals() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
    return ::signalfd(-1, &set, SFD_CLOEXEC);
}

void Serve(UnitSim& sim, const CommandLine& line, int signalFd) {
    const bool watchStdin = !line.ignoreStdin;
    std::string pending;
    for (;;) {
        pollfd fds[2] = {{signalFd, POLLIN, 0}, {watchStdin ? STDIN_FILENO : -1, POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0) {
            if (errno == EINTR) continue;
            return;
        }
        if (fds[0].revents != 0) return;
        if (fds[1].revents != 0 && !TakeStdin(sim, line, pending)) return;
    }
}

int Run(const CommandLine& line) {
    // Blocked before the reader thread starts, so that it inherits the mask
    // and the signals reach only the signalfd.
    const int signalFd = BlockStopSignals();
    if (signalFd < 0) {
        std::perror("unitsim: signalfd");
        return 1;
    }
    UnitSim sim(line.options);
    if (line.streamUnitsPerSecond > 0) sim.SetStream(line.streamUnitsPerSecond, line.streamUnitsPerRecord);
    if (!line.linkPath.empty() && !MakeLink(line.linkPath, sim.SlavePath())) return 1;
    if (sim.LanPort() > 0) {
        std::cout << "127.0.0.1:" << sim.LanPort() << std::endl;
    } else {
        std::cout << sim.SlavePath() << std::endl;
    }
    Serve(sim, line, signalFd);
    if (!line.linkPath.empty()) RemoveLink(line.linkPath, sim.SlavePath());
    ::close(signalFd);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::string error;
    const auto line = unitsim::ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc), &error);
    if (!line) {
        std::cerr << "unitsim: " << error << '\n' << unitsim::UsageText();
        return 2;
    }
    if (line->help) {
        std::cout << unitsim::UsageText();
        return 0;
    }
    std::signal(SIGPIPE, SIG_IGN);
    try {
        return Run(*line);
    } catch (const std::exception& e) {
        std::cerr << "unitsim: " << e.what() << '\n';
        return 1;
    }
}
