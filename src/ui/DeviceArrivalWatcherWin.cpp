#include "ui/DeviceArrivalWatcher.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <windows.h>

namespace lumbrant {

namespace {

// The system sends WM_DEVICECHANGE to every top-level window; the program
// has one, so the application's filter sees each change once.
class NativeDeviceChanges : public DeviceArrivalWatcher, public QAbstractNativeEventFilter {
public:
    NativeDeviceChanges() { QCoreApplication::instance()->installNativeEventFilter(this); }
    ~NativeDeviceChanges() override { QCoreApplication::instance()->removeNativeEventFilter(this); }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override {
        if (eventType == "windows_generic_MSG") {
            const MSG* msg = static_cast<const MSG*>(message);
            if (msg->message == WM_DEVICECHANGE) {
                emit deviceChanged(static_cast<unsigned>(msg->wParam));
            }
        }
        return false;
    }
};

} // namespace

std::unique_ptr<DeviceArrivalWatcher> DeviceArrivalWatcher::System() {
    return std::make_unique<NativeDeviceChanges>();
}

} // namespace lumbrant
