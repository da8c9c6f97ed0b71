#include "ui/DeviceArrivalWatcherLinux.h"

#include "device/DeviceDetection.h"
#include "device/MountWatcher.h"

#include <QFile>
#include <QSocketNotifier>

namespace lumbrant {

namespace {

class MountTableWatcher : public DeviceArrivalWatcher {
public:
    explicit MountTableWatcher(const std::string& mountInfoPath)
        : watcher_(mountInfoPath), kernelTable_(QStringLiteral("/proc/self/mountinfo")) {
        // Without the kernel's table no change is ever heard; the scan at the
        // first showing still finds the players mounted before the start.
        if (!kernelTable_.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
            return;
        }
        changes_ =
            std::make_unique<QSocketNotifier>(kernelTable_.handle(), QSocketNotifier::Exception);
        connect(changes_.get(), &QSocketNotifier::activated, this, [this] {
            if (watcher_.NewMountAppeared()) {
                emit deviceChanged(kDeviceArrival);
            }
        });
    }

private:
    MountWatcher watcher_;
    QFile kernelTable_;
    // Declared after the file it watches, so that it goes before the file closes.
    std::unique_ptr<QSocketNotifier> changes_;
};

} // namespace

std::unique_ptr<DeviceArrivalWatcher> WatchMountTable(const std::string& mountInfoPath) {
    return std::make_unique<MountTableWatcher>(mountInfoPath);
}

std::unique_ptr<DeviceArrivalWatcher> DeviceArrivalWatcher::System() {
    return WatchMountTable("/proc/self/mountinfo");
}

} // namespace lumbrant
