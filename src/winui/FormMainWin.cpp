#include "winui/FormMainWin.h"

#include "core/Paths.h"
#include "core/ShellOpen.h"
#include "core/StatusText.h"
#include "retrieval/ThreadJobStarter.h"
#include "settings/MakerSite.h"
#include "text/WideText.h"
#include "winui/SkinPainterWin.h"

#include <commctrl.h>
#include <exception>
#include <windowsx.h>

namespace lumbrant {

namespace {

constexpr UINT kReminderMilliseconds = 900000;
constexpr UINT_PTR kReminderTimer = 1;

enum ControlId : int {
    kButtonCopyId = 101,
    kMinimizeId,
    kCloseId,
    kWebId,
    kDeviceSelectorId,
    kCountrySelectorId,
};

std::string Text(std::string_view text) {
    return std::string(text);
}

} // namespace

FormDependenciesWin FormDependenciesWin::System() {
    FormDependenciesWin dependencies;
    dependencies.Drives = CreateSystemDriveTable();
    dependencies.Settings = MakeSettingsBackend();
    dependencies.Startup = MakeStartupEntry();
    dependencies.ExecutablePath = lumbrant::ExecutablePath();
    dependencies.Boxes = MessageBoxesWin::System();
    dependencies.OpenAddress = &ShellOpen;
    dependencies.EndsMessageLoop = true;
    return dependencies;
}

FormMainWin::FormMainWin(FormDependenciesWin dependencies)
    : SkinnedWindowWin(skin::kMainWindowSize, skin::kWindowColour),
      dependencies_(std::move(dependencies)) {
    Create(Text(skin::kMainWindowCaption), nullptr);
    BuildControls();
    const HWND window = window_;
    port_ = HandOverPort::Create(
        [window](std::function<void()> task) {
            auto* posted = new std::function<void()>(std::move(task));
            // A window that is gone takes no task: its port is closed already.
            if (PostMessageW(window, kHandOverMessage, 0, reinterpret_cast<LPARAM>(posted)) == 0) {
                delete posted;
            }
        },
        [this](const JobResult& result) { Guarded([&] { core_->Deliver(result); }); });
    jobs_ = std::make_unique<ThreadJobStarter>(state_.WorkDir, port_, dependencies_.Limits);
    core_ = std::make_unique<AppCore>(
        state_,
        AppPorts{*this, *jobs_, *dependencies_.Drives, *dependencies_.Settings,
                 *dependencies_.Startup, dependencies_.ExecutablePath, *dependencies_.Editions});
    core_->Construct();
    FormCreate();
}

FormMainWin::~FormMainWin() {
    // Jobs still waiting in their hand-over are released; their pages are lost.
    port_->Close();
    if (window_ != nullptr) {
        KillTimer(window_, kReminderTimer);
        DropPostedTasks();
    }
}

void FormMainWin::DropPostedTasks() {
    MSG posted;
    while (PeekMessageW(&posted, window_, kHandOverMessage, kHandOverMessage, PM_REMOVE)) {
        delete reinterpret_cast<std::function<void()>*>(posted.lParam);
    }
}

void FormMainWin::BuildControls() {
    ButtonCopy =
        AddButton("ButtonCopy", kButtonCopyId, skin::kGetNewsPlace, Text(skin::kGetNewsCaption))
            .Handle();
    AddHint(AddButton("XP_ButtonSmall1", kMinimizeId, skin::kMinimizePlace, "",
                      skin::SmallButtonKind::Minimize)
                .Handle(),
            Text(skin::kMinimizeHint));
    AddHint(
        AddButton("XP_ButtonSmall3", kCloseId, skin::kClosePlace, "", skin::SmallButtonKind::Close)
            .Handle(),
        Text(skin::kCloseHint));
    AddHint(AddButton("XP_ButtonSmall2", kWebId, skin::kWebPlace, "", skin::SmallButtonKind::Web)
                .Handle(),
            MakerPageUrl(kHomePage));

    iPodSelectorCom =
        MakeSelector("iPodSelectorCom", kDeviceSelectorId, skin::kDeviceSelectorPlace);
    SunSimpleComboBox =
        MakeSelector("SunSimpleComboBox", kCountrySelectorId, skin::kCountrySelectorPlace);
    for (const NewsEdition& edition : dependencies_.Editions->Editions()) {
        SendMessageW(SunSimpleComboBox, CB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(text::ToWide(edition.Entry).c_str()));
    }
    SendMessageW(SunSimpleComboBox, CB_SETCURSEL, 0, 0);

    const auto addLabels = [this](const auto& texts, const skin::Rect& panel) {
        for (const skin::PanelLabel& text : texts) {
            const skin::Size size = font_.Measure(Text(text.Text), text.Bold);
            Label label{
                text,
                {panel.Left + text.Origin.X, panel.Top + text.Origin.Y, size.Width, size.Height},
                {}};
            if (text.Name == "Label4") {
                label.Address = MakerPageUrl(kSongsAndVideosPage);
            } else if (text.Name == "Label5") {
                label.Address = MakerPageUrl(kPhotosPage);
            }
            labels_.push_back(label);
        }
    };
    addLabels(skin::kPanel2Labels, skin::kPanel2Place);
    addLabels(skin::kPanel3Labels, skin::kPanel3Place);
}

HWND FormMainWin::MakeSelector(std::string_view name, int id, const skin::Rect& place) {
    constexpr int kListHeight = 160;
    const HWND selector = CreateWindowExW(
        0, WC_COMBOBOXW, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST,
        place.Left, place.Top, place.Width, kListHeight, window_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    SendMessageW(selector, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Handle()), FALSE);
    // The closed selector is as high as its place: its field grows or
    // shrinks by the difference, once the selector has taken its font. Some
    // systems count the field's padding in what they answer and others do
    // not, so the difference is measured again after each change.
    auto field = static_cast<int>(SendMessageW(selector, CB_GETITEMHEIGHT, WPARAM(-1), 0));
    for (int tries = 0; tries < 3; ++tries) {
        SetWindowPos(selector, nullptr, 0, 0, place.Width, kListHeight,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        RECT closed;
        GetWindowRect(selector, &closed);
        const int excess = closed.bottom - closed.top - place.Height;
        if (excess == 0) {
            break;
        }
        field -= excess;
        SendMessageW(selector, CB_SETITEMHEIGHT, WPARAM(-1), field);
    }
    AddControl(name, selector);
    return selector;
}

void FormMainWin::FormCreate() {
    CutRoundedOutline();
    KillTimer(window_, kReminderTimer);
    reminderRunning_ = core_->FormCreate();
    if (reminderRunning_) {
        SetTimer(window_, kReminderTimer, kReminderMilliseconds, nullptr);
    }
}

void FormMainWin::Show() {
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
    ShowWindow(window_, SW_SHOW);
    UpdateWindow(window_);
}

void FormMainWin::FormShow() {
    const skin::Point centre = skin::CentredOver(
        {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}, size_);
    SetWindowPos(window_, nullptr, centre.X, centre.Y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    core_->FormShow();
}

void FormMainWin::FormClose() {
    if (closed_) {
        return;
    }
    closed_ = true;
    // Once the window goes, nothing a job hands over is handled any more: no
    // note after the transfer, no new download, no box; no reminder either.
    port_->Close();
    KillTimer(window_, kReminderTimer);
    reminderRunning_ = false;
    core_->FormClose();
    // Tasks posted but never run go with the window.
    DropPostedTasks();
    DestroyWindow(window_);
}

void FormMainWin::Guarded(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        dependencies_.Boxes->Error(window_, error.what());
    }
}

void FormMainWin::OnCommand(int id, int code, HWND control) {
    if (code == BN_CLICKED) {
        switch (id) {
        case kButtonCopyId:
            Guarded([this] { core_->ButtonCopyClick(); });
            return;
        case kMinimizeId:
            MinimizeApplication();
            return;
        case kCloseId:
            Guarded([this] { core_->RequestClose(); });
            return;
        case kWebId:
            dependencies_.OpenAddress(MakerPageUrl(kHomePage));
            return;
        default:
            return;
        }
    }
    // A choice made in the drop-down list, or with the arrow keys on the
    // closed selector, as the Linux window's selectors report it.
    const bool chosen =
        code == CBN_SELENDOK ||
        (code == CBN_SELCHANGE && SendMessageW(control, CB_GETDROPPEDSTATE, 0, 0) == FALSE);
    if (!chosen) {
        return;
    }
    const auto index = static_cast<int>(SendMessageW(control, CB_GETCURSEL, 0, 0));
    if (id == kCountrySelectorId) {
        Guarded([&] { core_->SunSimpleComboBoxCloseUp(index); });
    } else if (id == kDeviceSelectorId) {
        Guarded([&] { core_->iPodSelectorComCloseUp(index); });
    }
}

bool FormMainWin::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case kHandOverMessage: {
        const std::unique_ptr<std::function<void()>> task(
            reinterpret_cast<std::function<void()>*>(lParam));
        (*task)();
        return true;
    }
    case WM_TIMER:
        if (wParam == kReminderTimer) {
            core_->TimerTimer();
        }
        return true;
    case WM_DEVICECHANGE:
        Guarded([&] { core_->WMDeviceChange(static_cast<unsigned>(wParam)); });
        result = TRUE;
        return true;
    case WM_CLOSE:
        FormClose();
        return true;
    case WM_DESTROY:
        if (dependencies_.EndsMessageLoop) {
            PostQuitMessage(0);
        }
        return true;
    case WM_SETCURSOR: {
        POINT point;
        GetCursorPos(&point);
        ScreenToClient(window_, &point);
        const Label* label = LabelAt(point);
        if (reinterpret_cast<HWND>(wParam) == window_ && label != nullptr &&
            !label->Address.empty()) {
            SetCursor(LoadCursorW(nullptr, IDC_HAND));
            result = TRUE;
            return true;
        }
        return false;
    }
    case WM_LBUTTONDOWN: {
        const Label* label = LabelAt({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        pressedLink_ = label != nullptr && !label->Address.empty() ? label : nullptr;
        return true;
    }
    case WM_LBUTTONUP: {
        const Label* label = LabelAt({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        if (label != nullptr && label == pressedLink_) {
            dependencies_.OpenAddress(label->Address);
        }
        pressedLink_ = nullptr;
        return true;
    }
    default:
        return false;
    }
}

const FormMainWin::Label* FormMainWin::LabelAt(POINT point) const {
    for (const Label& label : labels_) {
        if (label.Box.Contains(skin::Point{point.x, point.y})) {
            return &label;
        }
    }
    return nullptr;
}

bool FormMainWin::HoldsStill(POINT point) const {
    return LabelAt(point) != nullptr;
}

std::optional<skin::Rect> FormMainWin::LabelBox(std::string_view name) const {
    for (const Label& label : labels_) {
        if (label.Text.Name == name) {
            return label.Box;
        }
    }
    return std::nullopt;
}

void FormMainWin::PaintBackground(Gdiplus::Graphics& graphics) {
    for (const skin::Well& well : skin::kMainWells) {
        PaintWell(graphics, well.Place, well.Inside);
    }
    PaintEmblem(graphics, skin::kEmblemPlace);
    for (const skin::Rect& panel : {skin::kPanel2Place, skin::kPanel3Place}) {
        PaintPanel(graphics, panel, skin::kPanelColour, skin::kWindowColour);
    }
    for (const Label& label : labels_) {
        const bool link = !label.Address.empty();
        font_.DrawAt(graphics, Text(label.Text.Text), {label.Box.Left, label.Box.Top},
                     label.Text.Bold, link ? skin::kLinkColour : skin::kLabelColour, link);
    }
}

void FormMainWin::PaintForeground(Gdiplus::Graphics& graphics) {
    Gdiplus::SolidBrush body(ToGdiplus(skin::kWindowColour));
    graphics.FillRectangle(&body, ToGdiplus(skin::kNotifierPlace));
    font_.DrawCentred(graphics, status_, skin::kNotifierPlace, true, skin::kCaptionColour);
    PaintProgressBar(graphics, skin::kNotifierPlace, handled_, total_);
}

void FormMainWin::ShowStatus(const std::string& text) {
    status_ = FormatStatus(text);
    Repaint(skin::kNotifierPlace);
}

void FormMainWin::SetButtonCaption(const std::string& caption) {
    SetWindowTextW(ButtonCopy, text::ToWide(caption).c_str());
    InvalidateRect(ButtonCopy, nullptr, FALSE);
}

void FormMainWin::ShowRunProgress(int handled, int total) {
    if (handled == handled_ && total == total_) {
        return;
    }
    handled_ = handled;
    total_ = total;
    Repaint(skin::kNotifierPlace);
}

std::string FormMainWin::CountryEntryText() const {
    const auto index = SendMessageW(SunSimpleComboBox, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR) {
        return {};
    }
    const auto length = SendMessageW(SunSimpleComboBox, CB_GETLBTEXTLEN, index, 0);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(SunSimpleComboBox, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return text::FromWide(text);
}

void FormMainWin::ClearDeviceEntries() {
    SendMessageW(iPodSelectorCom, CB_RESETCONTENT, 0, 0);
}

void FormMainWin::AddDeviceEntry(const std::string& text) {
    const auto index = SendMessageW(iPodSelectorCom, CB_ADDSTRING, 0,
                                    reinterpret_cast<LPARAM>(text::ToWide(text).c_str()));
    SendMessageW(iPodSelectorCom, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void FormMainWin::ShowMessage(const std::string& text) {
    dependencies_.Boxes->Information(window_, text);
}

BoxAnswer FormMainWin::AskYesNo(const std::string& text) {
    return dependencies_.Boxes->Question(window_, text);
}

void FormMainWin::CloseWindow() {
    FormClose();
}

} // namespace lumbrant
