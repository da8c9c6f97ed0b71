#pragma once

#include <chrono>
#include <httplib.h>
#include <string>

namespace newsdesk_test {

struct Reply {
    bool Arrived = false; // false when the connection failed or broke
    int Status = 0;
    std::string Body;
    std::string Location;
};

// One GET with a fresh connection; redirects are not followed.
inline Reply HttpGet(const std::string& baseUrl, const std::string& target) {
    httplib::Client client(baseUrl);
    client.set_read_timeout(std::chrono::seconds(300));
    client.set_follow_location(false);
    Reply reply;
    if (auto result = client.Get(target.c_str())) {
        reply.Arrived = true;
        reply.Status = result->status;
        reply.Body = result->body;
        reply.Location = result->get_header_value("Location");
    }
    return reply;
}

} // namespace newsdesk_test
