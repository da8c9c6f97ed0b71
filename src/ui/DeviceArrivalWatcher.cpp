#include "ui/DeviceArrivalWatcher.h"

#include "device/MountWatcher.h"

#include <QTimer>

namespace lumbrant {

namespace {
constexpr int kPollMilliseconds = 500;
}

DeviceArrivalWatcher::DeviceArrivalWatcher(const std::string& mountInfoPath, QObject* parent)
    : QObject(parent), watcher_(std::make_unique<MountWatcher>(mountInfoPath)),
      timer_(new QTimer(this)) {
    connect(timer_, &QTimer::timeout, this, &DeviceArrivalWatcher::Poll);
    timer_->start(kPollMilliseconds);
}

DeviceArrivalWatcher::~DeviceArrivalWatcher() = default;

void DeviceArrivalWatcher::Poll() {
    if (watcher_->NewMountAppeared()) {
        emit arrived();
    }
}

} // namespace lumbrant
