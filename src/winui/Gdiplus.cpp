#include "winui/Gdiplus.h"

#include <stdexcept>

namespace lumbrant {

GdiplusSession::GdiplusSession() {
    const Gdiplus::GdiplusStartupInput input;
    if (Gdiplus::GdiplusStartup(&token_, &input, nullptr) != Gdiplus::Ok) {
        throw std::runtime_error("GDI+ could not be started.");
    }
}

GdiplusSession::~GdiplusSession() {
    Gdiplus::GdiplusShutdown(token_);
}

} // namespace lumbrant
