// The local news service carried by the small Winsock server.
#include "newsdesk/LoopbackServerWin.h"
#include "newsdesk/NewsDesk.h"

namespace newsdesk {
namespace {

// The edition a front-page request asks for: exactly one query value "ned".
std::string RequestedEdition(const std::string& query) {
    constexpr char kName[] = "ned=";
    if (query.rfind(kName, 0) != 0 || query.find('&') != std::string::npos) {
        return {};
    }
    return query.substr(sizeof kName - 1);
}

} // namespace

struct NewsDesk::Server {
    explicit Server(LoopbackServerWin::Handler handler) : Http(std::move(handler)) {}
    LoopbackServerWin Http;
};

void NewsDesk::ServerDeleter::operator()(Server* server) const {
    delete server;
}

int NewsDesk::BindServer() {
    server_.reset(new Server([this](const HttpRequest& request) {
        const Reply reply = Handle(request.Target, request.Path, RequestedEdition(request.Query));
        HttpReply answer{reply.Status, {{"Content-Type", reply.ContentType}}, reply.Body, {}};
        if (!reply.Location.empty()) {
            answer.Headers.emplace_back("Location", reply.Location);
        }
        return answer;
    }));
    return server_->Http.Bind(address_, options_.Port);
}

bool NewsDesk::ServeInBackground() {
    server_->Http.Serve();
    return true;
}

void NewsDesk::StopServer() {
    server_->Http.Stop();
}

} // namespace newsdesk
