#include "retrieval/HandOverPort.h"

namespace lumbrant {

std::shared_ptr<HandOverPort> HandOverPort::Create(Post post, Deliver deliver) {
    return std::shared_ptr<HandOverPort>(new HandOverPort(std::move(post), std::move(deliver)));
}

HandOverPort::HandOverPort(Post post, Deliver deliver)
    : post_(std::move(post)), deliver_(std::move(deliver)) {}

void HandOverPort::SendBlocking(const JobResult& result) {
    auto pending = std::make_shared<Pending>();
    std::unique_lock lock(mutex_);
    if (closed_) {
        return;
    }
    pending_.insert(pending);
    post_([self = shared_from_this(), pending, result] { self->Handle(pending, result); });
    released_.wait(lock, [&] { return pending->Done; });
}

void HandOverPort::Handle(const std::shared_ptr<Pending>& pending, const JobResult& result) {
    {
        std::lock_guard lock(mutex_);
        if (closed_) {
            return;
        }
    }
    try {
        deliver_(result);
    } catch (...) {
        Release(pending);
        throw;
    }
    Release(pending);
}

void HandOverPort::Release(const std::shared_ptr<Pending>& pending) {
    std::lock_guard lock(mutex_);
    pending->Done = true;
    pending_.erase(pending);
    released_.notify_all();
}

void HandOverPort::Close() {
    std::lock_guard lock(mutex_);
    closed_ = true;
    for (const auto& pending : pending_) {
        pending->Done = true;
    }
    pending_.clear();
    released_.notify_all();
}

} // namespace lumbrant
