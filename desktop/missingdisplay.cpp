#include "missingdisplay.h"

#include <cerrno>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sstream>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <vector>

namespace sequate::desktop {

namespace {

constexpr int connectTimeoutMs = 3000;
constexpr int firstXPort = 6000;

std::string variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

class Socket {
public:
    explicit Socket(int fd) : mFd(fd) {}
    ~Socket() {
        if (mFd >= 0)
            ::close(mFd);
    }
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;

    // A display server on another host may not answer at all; it should not hold the start.
    bool connectTo(const sockaddr* address, socklen_t length) {
        if (mFd < 0 || ::fcntl(mFd, F_SETFL, O_NONBLOCK) != 0)
            return false;
        if (::connect(mFd, address, length) == 0)
            return true;
        if (errno != EINPROGRESS)
            return false;
        pollfd waiting{mFd, POLLOUT, 0};
        int fault = 0;
        socklen_t faultLength = sizeof fault;
        return ::poll(&waiting, 1, connectTimeoutMs) == 1 &&
               ::getsockopt(mFd, SOL_SOCKET, SO_ERROR, &fault, &faultLength) == 0 && fault == 0;
    }

private:
    int mFd;
};

// abstract: Linux's abstract socket namespace, where the X server also listens.
bool localSocketAnswers(const std::string& path, bool abstract = false) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::size_t offset = abstract ? 1 : 0;
    if (path.size() + offset >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path + offset, path.data(), path.size());
    const auto length =
        socklen_t(offsetof(sockaddr_un, sun_path) + offset + path.size() + (abstract ? 0 : 1));
    return Socket(::socket(AF_UNIX, SOCK_STREAM, 0))
        .connectTo(reinterpret_cast<const sockaddr*>(&address), length);
}

bool tcpAnswers(const std::string& host, int port) {
    addrinfo hints{};
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (::getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found) != 0)
        return false;
    bool answers = false;
    for (const addrinfo* at = found; at && !answers; at = at->ai_next)
        answers = Socket(::socket(at->ai_family, at->ai_socktype, at->ai_protocol))
                      .connectTo(at->ai_addr, at->ai_addrlen);
    ::freeaddrinfo(found);
    return answers;
}

// DISPLAY is [host]:number[.screen]; without a host, or with "unix", the server is local.
bool xDisplayAnswers(const std::string& display) {
    const auto colon = display.rfind(':');
    if (colon == std::string::npos)
        return false;
    std::string host = display.substr(0, colon);
    if (const auto slash = host.find('/'); slash != std::string::npos)
        host = host.substr(slash + 1);
    const std::string rest = display.substr(colon + 1);
    const std::string number = rest.substr(0, rest.find('.'));
    if (number.empty() || number.find_first_not_of("0123456789") != std::string::npos)
        return false;
    if (host.empty() || host == "unix") {
        const std::string path = "/tmp/.X11-unix/X" + number;
        return localSocketAnswers(path, true) || localSocketAnswers(path);
    }
    return tcpAnswers(host, firstXPort + std::stoi(number));
}

std::string xProblem() {
    const std::string display = variable("DISPLAY");
    if (display.empty())
        return "DISPLAY is not set";
    if (!xDisplayAnswers(display))
        return "the X display " + display + " cannot be reached";
    return {};
}

// As libwayland finds its compositor: a name under XDG_RUNTIME_DIR, or a full path.
std::string waylandProblem() {
    std::string name = variable("WAYLAND_DISPLAY");
    if (name.empty())
        name = "wayland-0";
    std::string path = name;
    if (name.front() != '/') {
        const std::string runtimeDir = variable("XDG_RUNTIME_DIR");
        if (runtimeDir.empty())
            return "XDG_RUNTIME_DIR is not set for the Wayland display " + name;
        path = runtimeDir + "/" + name;
    }
    if (!localSocketAnswers(path))
        return "the Wayland display " + name + " cannot be reached";
    return {};
}

// QT_QPA_PLATFORM lists the plugins Qt tries in turn, each with options after a colon.
std::vector<std::string> platforms(const std::string& setting) {
    std::vector<std::string> names;
    std::istringstream entries(setting);
    for (std::string entry; std::getline(entries, entry, ';');) {
        if (!entry.empty())
            names.push_back(entry.substr(0, entry.find(':')));
    }
    return names;
}

} // namespace

std::string missingDisplay() {
    const auto chosen = platforms(variable("QT_QPA_PLATFORM"));
    std::string problem = "neither DISPLAY nor WAYLAND_DISPLAY is set";
    if (chosen.empty()) {
        // Qt takes whichever of the two the session offers.
        if (!variable("DISPLAY").empty() && (problem = xProblem()).empty())
            return {};
        if (!variable("WAYLAND_DISPLAY").empty() && (problem = waylandProblem()).empty())
            return {};
        return problem;
    }
    for (const std::string& platform : chosen) {
        if (platform == "xcb")
            problem = xProblem();
        else if (platform.starts_with("wayland"))
            problem = waylandProblem();
        else
            return {}; // offscreen, minimal, eglfs, vnc and the like need no display server
        if (problem.empty())
            return {};
    }
    return problem;
}

} // namespace sequate::desktop
