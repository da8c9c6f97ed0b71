#pragma once

// Tells the window when a device arrives. On Linux a new mount in the mount
// table counts as an arrival. The kernel marks its table of this process's
// mounts (/proc/self/mountinfo) exceptional (POLLPRI) on every mount and
// unmount, so the table is read again at once after each change and never in
// between; the table read may be another one (tests use recorded tables and
// still hear the kernel's changes).

#include <QFile>
#include <QObject>
#include <memory>
#include <string>

class QSocketNotifier;

namespace lumbrant {

class MountWatcher;

class DeviceArrivalWatcher : public QObject {
    Q_OBJECT
public:
    DeviceArrivalWatcher(const std::string& mountInfoPath, QObject* parent);
    ~DeviceArrivalWatcher() override;

signals:
    void arrived();

private:
    void TableChanged();

    std::unique_ptr<MountWatcher> watcher_;
    QFile kernelTable_;
    // Declared after the file it watches, so that it goes before the file closes.
    std::unique_ptr<QSocketNotifier> changes_;
};

} // namespace lumbrant
