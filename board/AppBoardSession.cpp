// One client connection: requests read within their limits and times, answers written in turn.
#include "AppBoardSession.h"

#include "AppBoardServer.h"

#include <boost/asio/post.hpp>
#include <boost/asio/write.hpp>
#include <boost/beast/core/string.hpp>
#include <boost/beast/http/error.hpp>
#include <boost/beast/http/read.hpp>
#include <boost/beast/http/write.hpp>

namespace net = boost::asio;
namespace beast = boost::beast;
namespace http = beast::http;

namespace {

constexpr std::size_t maxHeader = 8 * 1024;
constexpr std::size_t maxLinger = 1 << 20;
constexpr std::chrono::seconds lingerTime{2};
// An IPv6 address with a zone fits; what is longer is cut, not trusted further.
constexpr std::size_t maxForwardedAddress = 64;
constexpr std::string_view continueLine = "HTTP/1.1 100 Continue\r\n\r\n";

std::string_view View(beast::string_view text) {
    return {text.data(), text.size()};
}

} // namespace

AppBoardSession::AppBoardSession(net::ip::tcp::socket socket, AppBoardServer& server)
    : stream_(std::move(socket)), server_(server) {
    boost::system::error_code error;
    const net::ip::address peer = stream_.socket().remote_endpoint(error).address();
    address_ = peer.to_string();
    fromProxy_ = peer.is_loopback();
    server_.Opened();
}

AppBoardSession::~AppBoardSession() {
    server_.Closed();
}

void AppBoardSession::ReadHeader() {
    // The limits are set before the first byte of each request is read.
    parser_.emplace();
    parser_->header_limit(maxHeader);
    parser_->body_limit(AppBoardService::maxBody);
    stream_.expires_after(server_.Options().headerTimeout);
    http::async_read_header(stream_, buffer_, *parser_,
                            [self = shared_from_this()](beast::error_code error, std::size_t) {
                                self->OnHeader(error);
                            });
}

void AppBoardSession::OnHeader(beast::error_code error) {
    if (error)
        return Refuse(error);
    stream_.expires_after(server_.Options().bodyTimeout);
    const auto readBody = [self = shared_from_this()](beast::error_code error, std::size_t) {
        if (error)
            return self->Refuse(error);
        http::async_read(self->stream_, self->buffer_, *self->parser_,
                         [self](beast::error_code error, std::size_t) { self->OnBody(error); });
    };
    // A client that asks first is told to go on; the body's size was checked with the header.
    if (beast::iequals(parser_->get()[http::field::expect], "100-continue"))
        return net::async_write(stream_, net::buffer(continueLine), readBody);
    readBody({}, 0);
}

void AppBoardSession::OnBody(beast::error_code error) {
    if (error)
        return Refuse(error);
    Handle();
}

void AppBoardSession::Refuse(beast::error_code error) {
    const bool upload = parser_->is_header_done() && parser_->get().target() == "/api/v1/games";

    AppBoardResponse response;
    if (error == http::error::header_limit) {
        response = AppBoardService::Error(431, "header too large",
                                          "the request's header has at most 8192 bytes");
    } else if (error == http::error::body_limit) {
        response = AppBoardService::Error(413, "too large", "a game file has at most 65536 bytes");
    } else if (error.category() == http::make_error_code(http::error::bad_target).category() &&
               error != http::error::end_of_stream) {
        response = AppBoardService::Error(400, "bad request", error.message());
    } else {
        // The client left, went quiet or was cut off: there is nobody to answer.
        stream_.socket().close(error);
        return;
    }
    if (upload)
        server_.Metrics().Answered(response.status);
    Send(response, true);
}

void AppBoardSession::Handle() {
    const auto& request = parser_->get();
    const std::string_view target = View(request.target());
    if (request.method() == http::verb::post && target == "/api/v1/games") {
        if (!server_.RateLimit().Take(Client(), std::chrono::steady_clock::now())) {
            server_.Metrics().Answered(429);
            return Send(AppBoardService::Error(
                            429, "too many uploads",
                            "at most " + std::to_string(server_.Options().uploadsPerMinute) +
                                " uploads a minute from one address"),
                        false);
        }
        stream_.expires_never();
        const bool posted = server_.Workers().TryPost([self = shared_from_this()] {
            const auto& request = self->parser_->get();
            AppBoardResponse response =
                self->server_.Service().Upload(View(request["X-Zingaroo-Player"]),
                                               View(request["X-Zingaroo-Name"]), request.body());
            net::post(self->stream_.get_executor(),
                      [self, response = std::move(response)] { self->Send(response, false); });
        });
        if (!posted) {
            server_.Metrics().Answered(503);
            Send(AppBoardService::Error(503, "busy", "the replay queue is full; try again later"),
                 false);
        }
        return;
    }
    if (request.method() != http::verb::get && request.method() != http::verb::head)
        return Send(AppBoardService::Error(405, "method not allowed",
                                           "only GET, HEAD, and POST to /api/v1/games"),
                    false);
    if (target == "/metrics")
        return Send({200,
                     "text/plain; version=0.0.4; charset=utf-8",
                     server_.Metrics().Text(server_.Workers().Depth(), server_.Connections()),
                     {}},
                    false);
    Send(server_.Service().Get(target), false);
}

std::string AppBoardSession::Client() const {
    const std::string_view forwarded = View(parser_->get()["X-Forwarded-For"]);
    if (!fromProxy_ || forwarded.empty())
        return address_;
    // The proxy adds the address it was reached from at the end of the list.
    std::string_view last = forwarded.substr(forwarded.rfind(',') + 1);
    while (!last.empty() && last.front() == ' ')
        last.remove_prefix(1);
    return std::string(last.substr(0, maxForwardedAddress));
}

void AppBoardSession::Send(AppBoardResponse response, bool close) {
    Send(std::make_shared<const AppBoardResponse>(std::move(response)), close);
}

void AppBoardSession::Send(std::shared_ptr<const AppBoardResponse> answer, bool close) {
    answer_ = std::move(answer);
    const AppBoardResponse& response = *answer_;
    const auto& request = parser_->get();
    close = close || !request.keep_alive();
    response_ = {};
    response_.version(11);
    response_.result(response.status);
    response_.set(http::field::server, "zingaroo-board");
    response_.set(http::field::content_type, response.contentType);
    response_.set(http::field::cache_control, "no-store");
    response_.set("X-Content-Type-Options", "nosniff");
    if (response.contentType.starts_with("text/html"))
        response_.set("Content-Security-Policy", "default-src 'none'; style-src 'unsafe-inline'");
    if (!response.attachment.empty())
        response_.set(http::field::content_disposition,
                      "attachment; filename=\"" + response.attachment + "\"");
    response_.keep_alive(!close);
    response_.body() = {response.body.data(), response.body.size()};
    response_.prepare_payload();
    // A HEAD is told the length of what a GET would get, and gets none of it.
    if (request.method() == http::verb::head)
        response_.body() = {};
    stream_.expires_after(server_.Options().bodyTimeout);
    http::async_write(stream_, response_,
                      [self = shared_from_this(), close](beast::error_code error, std::size_t) {
                          if (error)
                              self->stream_.socket().close(error);
                          else if (close)
                              self->Linger();
                          else
                              self->ReadHeader();
                      });
}

void AppBoardSession::Linger() {
    beast::error_code error;
    if (lingered_ == 0) {
        stream_.socket().shutdown(net::ip::tcp::socket::shutdown_send, error);
        stream_.expires_after(lingerTime);
    }
    if (error || lingered_ > maxLinger) {
        stream_.socket().close(error);
        return;
    }
    stream_.async_read_some(net::buffer(discard_),
                            [self = shared_from_this()](beast::error_code error, std::size_t got) {
                                self->lingered_ += got + 1;
                                if (error)
                                    self->stream_.socket().close(error);
                                else
                                    self->Linger();
                            });
}
