#include "ui/DeviceArrivalWatcher.h"

#include "device/MountWatcher.h"

#include <QSocketNotifier>

namespace lumbrant {

DeviceArrivalWatcher::DeviceArrivalWatcher(const std::string& mountInfoPath, QObject* parent)
    : QObject(parent), watcher_(std::make_unique<MountWatcher>(mountInfoPath)),
      kernelTable_(QStringLiteral("/proc/self/mountinfo")) {
    // Without the kernel's table no change is ever heard; the scan at the
    // first showing still finds the players mounted before the start.
    if (!kernelTable_.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        return;
    }
    changes_ = std::make_unique<QSocketNotifier>(kernelTable_.handle(), QSocketNotifier::Exception);
    connect(changes_.get(), &QSocketNotifier::activated, this, &DeviceArrivalWatcher::TableChanged);
}

DeviceArrivalWatcher::~DeviceArrivalWatcher() = default;

void DeviceArrivalWatcher::TableChanged() {
    if (watcher_->NewMountAppeared()) {
        emit arrived();
    }
}

} // namespace lumbrant
