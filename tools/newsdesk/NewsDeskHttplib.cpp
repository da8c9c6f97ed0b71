// The local news service carried by cpp-httplib.
#include "newsdesk/NewsDesk.h"

#include <atomic>
#include <chrono>
#include <httplib.h>
#include <sys/socket.h>
#include <thread>

namespace newsdesk {
namespace {

constexpr auto kStartWait = std::chrono::seconds(10);

// The edition a front-page request asks for: exactly one query value "ned".
std::string RequestedEdition(const httplib::Request& request) {
    if (request.params.size() != 1 || !request.has_param("ned")) {
        return {};
    }
    return request.get_param_value("ned");
}

void Send(const Reply& reply, httplib::Response& response) {
    if (reply.Close) {
        response.set_header("Connection", "close");
    }
    if (!reply.Location.empty()) {
        response.set_header("Location", reply.Location);
    }
    response.status = reply.Status;
    response.set_content(reply.Body, reply.ContentType);
}

} // namespace

struct NewsDesk::Server {
    httplib::Server Http;
    std::thread Listener;
    std::atomic<bool> ListenerEnded{false};
    int ListenSocket = -1;
};

void NewsDesk::ServerDeleter::operator()(Server* server) const {
    delete server;
}

int NewsDesk::BindServer() {
    server_.reset(new Server);
    httplib::Server& http = server_->Http;
    const auto threads = static_cast<std::size_t>(std::max(1, options_.Threads));
    http.new_task_queue = [threads] { return new httplib::ThreadPool(threads); };
    // Plain address reuse only: the library's default also shares the port
    // with any other listener, which would hide a port that is taken.
    http.set_socket_options([this](socket_t socket) {
        const int yes = 1;
        setsockopt(socket, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof(yes));
        server_->ListenSocket = socket;
    });
    // Clients keep their connection between articles; a short idle time lets
    // Stop finish soon even while a client holds one open.
    http.set_keep_alive_max_count(100);
    // Headers and body leave in separate writes; without this a reused
    // connection waits for the client's delayed acknowledgement every time.
    http.set_tcp_nodelay(true);
    http.set_keep_alive_timeout(1);
    http.Get(".*", [this](const httplib::Request& request, httplib::Response& response) {
        Send(Handle(request.target, request.path, RequestedEdition(request)), response);
    });

    if (options_.Port == 0) {
        return http.bind_to_any_port(address_);
    }
    return http.bind_to_port(address_, options_.Port) ? options_.Port : -1;
}

bool NewsDesk::ServeInBackground() {
    Server& server = *server_;
    // The library listens with a backlog of 5; a burst of parallel clients
    // would see dropped connection attempts retried a second later.
    ::listen(server.ListenSocket, SOMAXCONN);
    server.Listener = std::thread([&server] {
        server.Http.listen_after_bind();
        server.ListenerEnded = true;
    });
    // Stop only reaches a server that is already running, so wait for it.
    const auto deadline = std::chrono::steady_clock::now() + kStartWait;
    while (!server.Http.is_running() && !server.ListenerEnded &&
           std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return server.Http.is_running();
}

void NewsDesk::StopServer() {
    Server& server = *server_;
    if (server.Listener.joinable()) {
        // The server ignores a stop before its loop runs, and must be asked
        // only once while it does.
        while (!server.Http.is_running() && !server.ListenerEnded) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        server.Http.stop();
        server.Listener.join();
    }
}

} // namespace newsdesk
