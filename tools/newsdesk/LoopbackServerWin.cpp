#include "newsdesk/LoopbackServerWin.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <winsock2.h>
#include <ws2tcpip.h>

namespace newsdesk {
namespace {

// A request head larger than this is no request of a test or of the program.
constexpr std::size_t kLargestHead = 64 * 1024;
// A client that connects and says nothing, or that stops taking what is
// sent, is let go after this long.
constexpr DWORD kWaitMs = 10000;

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

const char* ReasonOf(int status) {
    switch (status) {
    case 200:
        return "OK";
    case 301:
        return "Moved Permanently";
    case 302:
        return "Found";
    case 404:
        return "Not Found";
    case 503:
        return "Service Unavailable";
    default:
        return "Status";
    }
}

// The head up to its blank line, or nothing when the client gives none.
std::string ReadHead(SOCKET connection) {
    std::string head;
    char buffer[4096];
    while (head.find("\r\n\r\n") == std::string::npos && head.size() < kLargestHead) {
        const int got = ::recv(connection, buffer, sizeof buffer, 0);
        if (got <= 0) {
            return {};
        }
        head.append(buffer, static_cast<std::size_t>(got));
    }
    return head;
}

bool ParseHead(const std::string& head, HttpRequest& request) {
    const std::size_t lineEnd = head.find("\r\n");
    const std::string line = head.substr(0, lineEnd);
    const std::size_t first = line.find(' ');
    const std::size_t second = line.find(' ', first + 1);
    if (first == std::string::npos || second == std::string::npos ||
        line.substr(0, first) != "GET") {
        return false;
    }
    request.Target = line.substr(first + 1, second - first - 1);
    const std::size_t question = request.Target.find('?');
    request.Path = request.Target.substr(0, question);
    request.Query =
        question == std::string::npos ? std::string() : request.Target.substr(question + 1);
    for (std::size_t at = lineEnd + 2; at < head.size();) {
        const std::size_t end = head.find("\r\n", at);
        if (end == std::string::npos || end == at) {
            break;
        }
        const std::string field = head.substr(at, end - at);
        const std::size_t colon = field.find(':');
        if (colon != std::string::npos) {
            const std::size_t value = field.find_first_not_of(' ', colon + 1);
            request.Headers.emplace_back(field.substr(0, colon), value == std::string::npos
                                                                     ? std::string()
                                                                     : field.substr(value));
        }
        at = end + 2;
    }
    return true;
}

class SocketConnection : public HttpConnection {
public:
    explicit SocketConnection(SOCKET connection) : connection_(connection) {}

    bool Send(std::string_view bytes) override {
        for (std::size_t sent = 0; sent < bytes.size();) {
            const int chunk = static_cast<int>(std::min<std::size_t>(bytes.size() - sent, 1 << 20));
            const int put = ::send(connection_, bytes.data() + sent, chunk, 0);
            if (put <= 0) {
                return false;
            }
            sent += static_cast<std::size_t>(put);
        }
        return true;
    }

    // A closed connection reads as readable with nothing (or an error) to read.
    bool Gone() override {
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(connection_, &readable);
        timeval now{};
        if (::select(0, &readable, nullptr, nullptr, &now) != 1) {
            return false;
        }
        char next = 0;
        return ::recv(connection_, &next, 1, MSG_PEEK) <= 0;
    }

private:
    SOCKET connection_;
};

std::string Serialize(const HttpReply& reply) {
    std::string bytes = "HTTP/1.1 " + std::to_string(reply.Status) + " " + ReasonOf(reply.Status) +
                        "\r\nContent-Length: " + std::to_string(reply.Body.size()) +
                        "\r\nConnection: close\r\n";
    for (const auto& [name, value] : reply.Headers) {
        bytes += name + ": " + value + "\r\n";
    }
    return bytes + "\r\n" + reply.Body;
}

} // namespace

std::string HttpRequest::Header(const std::string& name) const {
    const std::string wanted = Lower(name);
    for (const auto& [field, value] : Headers) {
        if (Lower(field) == wanted) {
            return value;
        }
    }
    return {};
}

LoopbackServerWin::LoopbackServerWin(Handler handler)
    : handler_(std::move(handler)), listener_(INVALID_SOCKET) {}

LoopbackServerWin::~LoopbackServerWin() {
    Stop();
    if (listener_ != INVALID_SOCKET) {
        ::closesocket(listener_);
    }
    if (winsockStarted_) {
        ::WSACleanup();
    }
}

int LoopbackServerWin::Bind(const std::string& address, int port) {
    WSADATA data{};
    winsockStarted_ = ::WSAStartup(MAKEWORD(2, 2), &data) == 0;
    if (!winsockStarted_) {
        return 0;
    }
    listener_ = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (listener_ == INVALID_SOCKET) {
        return 0;
    }
    // A port that another program holds must not be shared.
    const BOOL exclusive = TRUE;
    ::setsockopt(listener_, SOL_SOCKET, SO_EXCLUSIVEADDRUSE,
                 reinterpret_cast<const char*>(&exclusive), sizeof exclusive);
    sockaddr_in where{};
    where.sin_family = AF_INET;
    where.sin_port = ::htons(static_cast<u_short>(port));
    int length = sizeof where;
    if (::inet_pton(AF_INET, address.c_str(), &where.sin_addr) != 1 ||
        ::bind(listener_, reinterpret_cast<const sockaddr*>(&where), sizeof where) != 0 ||
        ::listen(listener_, SOMAXCONN) != 0 ||
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&where), &length) != 0) {
        return 0;
    }
    return ::ntohs(where.sin_port);
}

void LoopbackServerWin::Serve() {
    acceptor_ = std::thread([this, listener = listener_] { Accept(listener); });
}

void LoopbackServerWin::Accept(std::uintptr_t listener) {
    for (;;) {
        const SOCKET connection = ::accept(listener, nullptr, nullptr);
        const std::lock_guard lock(mutex_);
        if (connection == INVALID_SOCKET || stopping_) {
            if (connection != INVALID_SOCKET) {
                ::closesocket(connection);
            }
            return;
        }
        connections_.emplace_back([this, connection] { Answer(connection); });
    }
}

void LoopbackServerWin::Answer(std::uintptr_t connection) {
    const DWORD wait = kWaitMs;
    ::setsockopt(connection, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&wait),
                 sizeof wait);
    ::setsockopt(connection, SOL_SOCKET, SO_SNDTIMEO, reinterpret_cast<const char*>(&wait),
                 sizeof wait);
    HttpRequest request;
    const std::string head = ReadHead(connection);
    if (!head.empty()) {
        const HttpReply reply =
            ParseHead(head, request) ? handler_(request) : HttpReply{400, {}, {}, {}};
        SocketConnection open(connection);
        if (reply.Written) {
            reply.Written(open);
        } else {
            open.Send(Serialize(reply));
        }
    }
    ::shutdown(connection, SD_SEND);
    ::closesocket(connection);
}

void LoopbackServerWin::Stop() {
    {
        const std::lock_guard lock(mutex_);
        if (stopping_) {
            return;
        }
        stopping_ = true;
    }
    // Closing the listening socket ends the accept under way.
    if (listener_ != INVALID_SOCKET) {
        ::closesocket(listener_);
        listener_ = INVALID_SOCKET;
    }
    if (acceptor_.joinable()) {
        acceptor_.join();
    }
    for (std::thread& connection : connections_) {
        connection.join();
    }
}

} // namespace newsdesk
