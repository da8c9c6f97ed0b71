#pragma once

// Tells the window that the system reports a device change, with the
// event's code, for WMDeviceChange. On Windows that is the system's own
// WM_DEVICECHANGE; on Linux a new mount in the mount table, reported as a
// device arrival (DeviceArrivalWatcherLinux.cpp, DeviceArrivalWatcherWin.cpp).

#include <QObject>
#include <memory>

namespace lumbrant {

class DeviceArrivalWatcher : public QObject {
    Q_OBJECT
public:
    // The watcher of this system's device changes.
    static std::unique_ptr<DeviceArrivalWatcher> System();

signals:
    void deviceChanged(unsigned wParam);
};

} // namespace lumbrant
