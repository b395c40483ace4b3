// The built zingaroo-board run as its own process for a test, and raw HTTP spoken to it.
#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

// What came back over a connection: the status (0 when none came) and the whole answer.
struct BoardAnswer {
    int status = 0;
    std::string text;
    std::string Body() const { return text.substr(text.find("\r\n\r\n") + 4); }
};

class BoardServer {
public:
    // Starts the server on a free loopback port with the database and further arguments, and
    // waits until it listens.
    BoardServer(const std::string& db, const std::vector<std::string>& arguments);
    // Stops it with SIGTERM, unless killed already.
    ~BoardServer();
    BoardServer(const BoardServer&) = delete;
    BoardServer& operator=(const BoardServer&) = delete;

    int Port() const { return port_; }
    void KillHard();

    // A connection to the server, or -1.
    int Connect() const;
    // Sends the bytes on a fresh connection, half-closing it after them when told, and reads
    // one answer: up to its length, or to the connection's end, or for at most 5 seconds.
    BoardAnswer Exchange(const std::string& request, bool halfClose = false) const;
    // An upload with the headers the game sends.
    BoardAnswer Upload(const std::string& player, const std::string& name,
                       const std::string& file) const;

private:
    pid_t pid_ = -1;
    int port_ = 0;
};
