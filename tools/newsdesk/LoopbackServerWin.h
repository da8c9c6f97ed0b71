#pragma once

// A small HTTP/1.1 server on a loopback address for the Windows build,
// where no cpp-httplib is at hand: one thread per connection, one request
// per connection, every answer closes it. It carries the local news service
// there and serves the pages of the Windows tests.

#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

namespace newsdesk {

struct HttpRequest {
    std::string Target; // the path with its query, as sent
    std::string Path;
    std::string Query; // without the "?"
    std::vector<std::pair<std::string, std::string>> Headers;

    // The value of the header name (letter case ignored); empty when absent.
    std::string Header(const std::string& name) const;
};

// The open connection of a request, for a reply that its handler writes
// itself (a test's server that misbehaves on purpose).
class HttpConnection {
public:
    virtual ~HttpConnection() = default;
    // Sends bytes as they are; false once the client has gone.
    virtual bool Send(std::string_view bytes) = 0;
    // True once the client has closed or dropped the connection.
    virtual bool Gone() = 0;
};

struct HttpReply {
    int Status = 200;
    std::vector<std::pair<std::string, std::string>> Headers;
    std::string Body;
    // When set, the fields above are not sent: this writes whatever it
    // likes, the head included, or nothing at all. The connection closes
    // when it returns.
    std::function<void(HttpConnection&)> Written;
};

class LoopbackServerWin {
public:
    using Handler = std::function<HttpReply(const HttpRequest&)>;

    explicit LoopbackServerWin(Handler handler);
    ~LoopbackServerWin();
    LoopbackServerWin(const LoopbackServerWin&) = delete;
    LoopbackServerWin& operator=(const LoopbackServerWin&) = delete;

    // Binds address (a dotted IPv4 address) and port, 0 for any free port.
    // Answers the port, or 0 when it cannot be bound.
    int Bind(const std::string& address, int port);
    // Answers every request through the handler on threads of its own.
    void Serve();
    // Stops accepting and waits for the answers under way. Safe to call twice.
    void Stop();

private:
    void Accept(std::uintptr_t listener);
    void Answer(std::uintptr_t connection);

    Handler handler_;
    std::uintptr_t listener_;
    bool winsockStarted_ = false;
    std::thread acceptor_;
    std::mutex mutex_;
    std::vector<std::thread> connections_;
    bool stopping_ = false;
};

} // namespace newsdesk
