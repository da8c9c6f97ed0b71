#include "winui/MessageBoxesWin.h"

#include "text/WideText.h"
#include "winui/SkinFont.h"
#include "winui/YesNoBoxWin.h"

namespace lumbrant {

namespace {

class SystemBoxes : public MessageBoxesWin {
public:
    void Information(HWND owner, const std::string& text) override {
        MessageBoxW(owner, text::ToWide(text).c_str(), text::ToWide(kBoxTitle).c_str(),
                    MB_OK | MB_ICONINFORMATION);
    }
    BoxAnswer Question(HWND owner, const std::string& text) override {
        return AskYesNoBox(owner, kBoxTitle, text);
    }
    void Error(HWND owner, const std::string& text) override {
        MessageBoxW(owner, text::ToWide(text).c_str(), text::ToWide(kBoxTitle).c_str(),
                    MB_OK | MB_ICONERROR);
    }
};

} // namespace

std::shared_ptr<MessageBoxesWin> MessageBoxesWin::System() {
    return std::make_shared<SystemBoxes>();
}

} // namespace lumbrant
