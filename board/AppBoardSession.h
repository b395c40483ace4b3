// One client connection: requests read within their limits and times, answers written in turn.
#pragma once

#include "AppBoardService.h"

#include <boost/beast/core/flat_buffer.hpp>
#include <boost/beast/core/tcp_stream.hpp>
#include <boost/beast/http/message.hpp>
#include <boost/beast/http/parser.hpp>
#include <boost/beast/http/span_body.hpp>
#include <boost/beast/http/string_body.hpp>

#include <memory>
#include <optional>
#include <string>

class AppBoardServer;

class AppBoardSession : public std::enable_shared_from_this<AppBoardSession> {
public:
    AppBoardSession(boost::asio::ip::tcp::socket socket, AppBoardServer& server);
    ~AppBoardSession();
    AppBoardSession(const AppBoardSession&) = delete;
    AppBoardSession& operator=(const AppBoardSession&) = delete;

    void Start() { ReadHeader(); }

private:
    void ReadHeader();
    void OnHeader(boost::system::error_code error);
    void OnBody(boost::system::error_code error);
    // The answer to a request that could not be read, or nothing when the connection just ends.
    void Refuse(boost::system::error_code error);
    void Handle();
    // The address uploads are counted against: the peer's, or for a peer on this machine (the
    // reverse proxy in front) the one it forwards.
    std::string Client() const;
    void Send(AppBoardResponse response, bool close);
    // Writes the answer from where it is kept; it is held until written.
    void Send(std::shared_ptr<const AppBoardResponse> response, bool close);
    // After an answer that ends the connection: no more is sent, and what the client still
    // sends is let go for a moment so that the answer reaches it before the connection drops.
    void Linger();

    boost::beast::tcp_stream stream_;
    boost::beast::flat_buffer buffer_;
    std::optional<boost::beast::http::request_parser<boost::beast::http::string_body>> parser_;
    std::shared_ptr<const AppBoardResponse> answer_;
    boost::beast::http::response<boost::beast::http::span_body<const char>> response_;
    AppBoardServer& server_;
    std::string address_;
    bool fromProxy_ = false;
    std::size_t lingered_ = 0;
    char discard_[4096];
};
