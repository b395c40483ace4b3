// The built zingaroo-board run as its own process for a test, and raw HTTP spoken to it.
#include "BoardServer.h"

#include <arpa/inet.h>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <netinet/in.h>
#include <stdexcept>
#include <sys/socket.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

BoardServer::BoardServer(const std::string& db, const std::vector<std::string>& arguments) {
    int out[2];
    if (::pipe(out) != 0)
        throw std::runtime_error("no pipe");
    pid_ = ::fork();
    if (pid_ == 0) {
        ::dup2(out[1], STDOUT_FILENO);
        ::close(out[0]);
        std::vector<std::string> all = {ZINGAROO_BOARD, "--listen", "127.0.0.1:0", "--db", db};
        all.insert(all.end(), arguments.begin(), arguments.end());
        std::vector<char*> argv;
        for (std::string& argument : all)
            argv.push_back(argument.data());
        argv.push_back(nullptr);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    ::close(out[1]);
    // "zingaroo-board: listening on 127.0.0.1:PORT"
    std::string line;
    char c;
    while (::read(out[0], &c, 1) == 1 && c != '\n')
        line += c;
    ::close(out[0]);
    const std::size_t colon = line.rfind(':');
    port_ = colon == std::string::npos ? 0 : std::atoi(line.c_str() + colon + 1);
    if (port_ == 0)
        throw std::runtime_error("the server did not start: " + line);
}

BoardServer::~BoardServer() {
    if (pid_ > 0) {
        ::kill(pid_, SIGTERM);
        ::waitpid(pid_, nullptr, 0);
    }
}

void BoardServer::KillHard() {
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, nullptr, 0);
    pid_ = -1;
}

int BoardServer::Connect() const {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port_));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const timeval wait{5, 0};
    ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);
    ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &wait, sizeof wait);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

BoardAnswer BoardServer::Exchange(const std::string& request, bool halfClose) const {
    BoardAnswer answer;
    const int fd = Connect();
    if (fd < 0)
        return answer;
    for (std::size_t sent = 0; sent < request.size();) {
        const ssize_t put = ::send(fd, request.data() + sent, request.size() - sent, MSG_NOSIGNAL);
        if (put <= 0)
            break;
        sent += static_cast<std::size_t>(put);
    }
    if (halfClose)
        ::shutdown(fd, SHUT_WR);
    char buffer[4096];
    for (;;) {
        const std::size_t headEnd = answer.text.find("\r\n\r\n");
        const std::size_t lengthAt = answer.text.find("Content-Length: ");
        if (headEnd != std::string::npos && lengthAt < headEnd &&
            answer.text.size() >= headEnd + 4 + std::stoul(answer.text.substr(lengthAt + 16)))
            break;
        const ssize_t got = ::recv(fd, buffer, sizeof buffer, 0);
        if (got <= 0)
            break;
        answer.text.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(fd);
    if (answer.text.starts_with("HTTP/1.1 "))
        answer.status = std::atoi(answer.text.c_str() + 9);
    return answer;
}

BoardAnswer BoardServer::Upload(const std::string& player, const std::string& name,
                                const std::string& file) const {
    return Exchange("POST /api/v1/games HTTP/1.1\r\nHost: board\r\nX-Zingaroo-Player: " + player +
                    "\r\nX-Zingaroo-Name: " + name +
                    "\r\nContent-Length: " + std::to_string(file.size()) + "\r\n\r\n" + file);
}
