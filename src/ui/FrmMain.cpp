#include "ui/FrmMain.h"

#include "core/Paths.h"
#include "core/ShellOpen.h"
#include "core/StatusText.h"
#include "retrieval/ThreadJobStarter.h"
#include "settings/MakerSite.h"
#include "skin/MainLayout.h"
#include "ui/LinkLabel.h"
#include "ui/MessageBoxes.h"
#include "ui/SkinQt.h"
#include "ui/StatusLine.h"
#include "ui/WindowChrome.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <exception>

namespace lumbrant {

namespace {

constexpr int kReminderMilliseconds = 900000;

QString FromBytes(const std::string& text) {
    return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

std::string ToBytes(const QString& text) {
    return text.toLocal8Bit().toStdString();
}

QLabel* MakePanelLabel(QFrame* panel, const skin::PanelLabel& label) {
    QLabel* made = label.Link ? new LinkLabel(ToQString(label.Text), panel)
                              : new QLabel(ToQString(label.Text), panel);
    made->setObjectName(ToQString(label.Name));
    if (label.Bold) {
        made->setStyleSheet("font-weight: bold;");
    }
    made->move(ToQPoint(label.Origin));
    return made;
}

} // namespace

FormDependencies FormDependencies::System() {
    FormDependencies dependencies;
    dependencies.Drives = CreateSystemDriveTable();
    dependencies.Settings = MakeSettingsBackend();
    dependencies.Startup = MakeStartupEntry();
    dependencies.ExecutablePath = lumbrant::ExecutablePath();
    dependencies.Arrivals = DeviceArrivalWatcher::System();
    return dependencies;
}

TFormMain::TFormMain(FormDependencies dependencies, QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::Window),
      dependencies_(std::move(dependencies)) {
    BuildControls();
    port_ = HandOverPort::Create(
        [this](std::function<void()> task) {
            QMetaObject::invokeMethod(this, std::move(task), Qt::QueuedConnection);
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

TFormMain::~TFormMain() {
    // Jobs still waiting in their hand-over are released; their pages are lost.
    port_->Close();
}

void TFormMain::BuildControls() {
    setObjectName("FormMain");
    setWindowTitle(ToQString(skin::kMainWindowCaption));
    setFixedSize(ToQSize(skin::kMainWindowSize));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, ToQColor(skin::kWindowColour));
    setPalette(palette);

    BuildSkin(this);

    Notifier = new StatusLine(this);
    Notifier->setObjectName("Notifier");
    Notifier->setGeometry(ToQRect(skin::kNotifierPlace));
    Notifier->setAlignment(Qt::AlignCenter);
    Notifier->setStyleSheet("color: " + CssRgb(skin::kCaptionColour) + "; background-color: " +
                            CssRgb(skin::kWindowColour) + "; font-weight: bold;");
    MarkDragSurface(Notifier);

    XP_ButtonSmall1 = MakeSmallButton(this, "XP_ButtonSmall1", SmallButtonKind::Minimize,
                                      ToQString(skin::kMinimizeHint));
    XP_ButtonSmall1->setGeometry(ToQRect(skin::kMinimizePlace));
    XP_ButtonSmall3 = MakeSmallButton(this, "XP_ButtonSmall3", SmallButtonKind::Close,
                                      ToQString(skin::kCloseHint));
    XP_ButtonSmall3->setGeometry(ToQRect(skin::kClosePlace));

    Panel2 = MakePanel(this, "Panel2", ToQRect(skin::kPanel2Place));
    Label3 = MakePanelLabel(Panel2, skin::kPanel2Labels[0]);
    Label4 = static_cast<LinkLabel*>(MakePanelLabel(Panel2, skin::kPanel2Labels[1]));
    Label5 = static_cast<LinkLabel*>(MakePanelLabel(Panel2, skin::kPanel2Labels[2]));

    XP_ButtonSmall2 = MakeSmallButton(this, "XP_ButtonSmall2", SmallButtonKind::Web,
                                      QString::fromStdString(MakerPageUrl(kHomePage)));
    XP_ButtonSmall2->setGeometry(ToQRect(skin::kWebPlace));

    Panel3 = MakePanel(this, "Panel3", ToQRect(skin::kPanel3Place));
    Label1 = MakePanelLabel(Panel3, skin::kPanel3Labels[0]);
    Label2 = MakePanelLabel(Panel3, skin::kPanel3Labels[1]);

    iPodSelectorCom = new QComboBox(this);
    iPodSelectorCom->setObjectName("iPodSelectorCom");
    iPodSelectorCom->setGeometry(ToQRect(skin::kDeviceSelectorPlace));
    SunSimpleComboBox = new QComboBox(this);
    SunSimpleComboBox->setObjectName("SunSimpleComboBox");
    SunSimpleComboBox->setGeometry(ToQRect(skin::kCountrySelectorPlace));
    for (const NewsEdition& edition : dependencies_.Editions->Editions()) {
        SunSimpleComboBox->addItem(FromBytes(edition.Entry));
    }
    SunSimpleComboBox->setCurrentIndex(0);

    ButtonCopy = MakePictureButton(this, "ButtonCopy", ToQString(skin::kGetNewsCaption));
    ButtonCopy->setGeometry(ToQRect(skin::kGetNewsPlace));

    Timer = new QTimer(this);
    Timer->setObjectName("Timer");
    Timer->setInterval(kReminderMilliseconds);

    XP_ButtonSmall2->raise();
    connect(XP_ButtonSmall1, &QPushButton::clicked, this, [this] { showMinimized(); });
    connect(XP_ButtonSmall3, &QPushButton::clicked, this,
            [this] { Guarded([this] { core_->RequestClose(); }); });
    connect(XP_ButtonSmall2, &QPushButton::clicked, this,
            [] { ShellOpen(MakerPageUrl(kHomePage)); });
    connect(Label4, &LinkLabel::clicked, this,
            [] { ShellOpen(MakerPageUrl(kSongsAndVideosPage)); });
    connect(Label5, &LinkLabel::clicked, this, [] { ShellOpen(MakerPageUrl(kPhotosPage)); });
    connect(ButtonCopy, &QPushButton::clicked, this,
            [this] { Guarded([this] { core_->ButtonCopyClick(); }); });
    connect(SunSimpleComboBox, &QComboBox::activated, this,
            [this](int index) { Guarded([&] { core_->SunSimpleComboBoxCloseUp(index); }); });
    connect(iPodSelectorCom, &QComboBox::activated, this,
            [this](int index) { Guarded([&] { core_->iPodSelectorComCloseUp(index); }); });
    connect(Timer, &QTimer::timeout, this, [this] { core_->TimerTimer(); });
    InstallDragSurfaces(this);
}

void TFormMain::FormCreate() {
    SetRoundedOutline(this);
    Timer->stop();
    if (core_->FormCreate()) {
        Timer->start();
    }
    if (dependencies_.Arrivals) {
        connect(dependencies_.Arrivals.get(), &DeviceArrivalWatcher::deviceChanged, this,
                [this](unsigned wParam) { Guarded([&] { core_->WMDeviceChange(wParam); }); });
    }
}

void TFormMain::FormShow() {
    if (const QScreen* display = screen()) {
        move(CentredOver(display->geometry(), frameGeometry().size()));
    }
    core_->FormShow();
}

void TFormMain::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
}

void TFormMain::closeEvent(QCloseEvent* event) {
    // Once the window goes, nothing a job hands over is handled any more: no
    // note after the transfer, no new download, no box; no reminder either.
    port_->Close();
    Timer->stop();
    core_->FormClose();
    event->accept();
}

void TFormMain::Guarded(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        MessageBoxes::Error(this, FromBytes(error.what()));
    }
}

void TFormMain::ShowStatus(const std::string& text) {
    Notifier->setText(FromBytes(FormatStatus(text)));
}

void TFormMain::SetButtonCaption(const std::string& caption) {
    ButtonCopy->setText(FromBytes(caption));
}

void TFormMain::ShowRunProgress(int handled, int total) {
    Notifier->SetProgress(handled, total);
}

std::string TFormMain::CountryEntryText() const {
    return ToBytes(SunSimpleComboBox->currentText());
}

void TFormMain::ClearDeviceEntries() {
    iPodSelectorCom->clear();
}

void TFormMain::AddDeviceEntry(const std::string& text) {
    iPodSelectorCom->addItem(FromBytes(text));
    iPodSelectorCom->setCurrentIndex(iPodSelectorCom->count() - 1);
}

void TFormMain::ShowMessage(const std::string& text) {
    MessageBoxes::Information(this, FromBytes(text));
}

BoxAnswer TFormMain::AskYesNo(const std::string& text) {
    return MessageBoxes::Question(this, FromBytes(text));
}

void TFormMain::CloseWindow() {
    close();
}

} // namespace lumbrant
