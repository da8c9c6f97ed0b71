#pragma once

// Tells the window when a device arrives. On Linux a new mount point in the
// mount table counts as an arrival; the table is read twice a second.

#include <QObject>
#include <memory>
#include <string>

class QTimer;

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
    void Poll();

    std::unique_ptr<MountWatcher> watcher_;
    QTimer* timer_;
};

} // namespace lumbrant
