#include "ui/FrmMain.h"

#include "core/Paths.h"
#include "core/ShellOpen.h"
#include "core/StatusText.h"
#include "retrieval/ThreadJobStarter.h"
#include "settings/MakerSite.h"
#include "ui/LinkLabel.h"
#include "ui/MessageBoxes.h"
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

void OpenAddress(const std::string& address) {
    ShellOpen(address);
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
    setWindowTitle(".");
    setFixedSize(402, 301);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(41, 43, 55));
    setPalette(palette);

    BuildSkin(this);

    Notifier = new StatusLine(this);
    Notifier->setObjectName("Notifier");
    Notifier->setGeometry(65, 4, 232, 20);
    Notifier->setAlignment(Qt::AlignCenter);
    Notifier->setStyleSheet(
        "color: rgb(245, 255, 91); background-color: rgb(41, 43, 55); font-weight: bold;");
    MarkDragSurface(Notifier);

    XP_ButtonSmall1 =
        MakeSmallButton(this, "XP_ButtonSmall1", SmallButtonKind::Minimize, "Minimize");
    XP_ButtonSmall1->setGeometry(344, 6, 18, 18);
    XP_ButtonSmall3 = MakeSmallButton(this, "XP_ButtonSmall3", SmallButtonKind::Close, "Close");
    XP_ButtonSmall3->setGeometry(368, 6, 18, 18);

    Panel2 = MakePanel(this, "Panel2", QRect(16, 48, 369, 105));
    Label3 = new QLabel("Knowledge Base", Panel2);
    Label3->setObjectName("Label3");
    Label3->setStyleSheet("font-weight: bold;");
    Label3->move(43, 15);
    Label4 = new LinkLabel("How to Transfer songs and videos from iPod to computer?", Panel2);
    Label4->setObjectName("Label4");
    Label4->move(51, 41);
    Label5 = new LinkLabel("How to Transfer photos from iPod to computer?", Panel2);
    Label5->setObjectName("Label5");
    Label5->move(51, 65);

    XP_ButtonSmall2 = MakeSmallButton(this, "XP_ButtonSmall2", SmallButtonKind::Web,
                                      QString::fromStdString(MakerPageUrl(kHomePage)));
    XP_ButtonSmall2->setGeometry(368, 74, 18, 18);

    Panel3 = MakePanel(this, "Panel3", QRect(16, 160, 369, 73));
    Label1 = new QLabel("iPod", Panel3);
    Label1->setObjectName("Label1");
    Label1->move(43, 15);
    Label2 = new QLabel("Country", Panel3);
    Label2->setObjectName("Label2");
    Label2->move(43, 47);

    iPodSelectorCom = new QComboBox(this);
    iPodSelectorCom->setObjectName("iPodSelectorCom");
    iPodSelectorCom->setGeometry(110, 171, 179, 21);
    SunSimpleComboBox = new QComboBox(this);
    SunSimpleComboBox->setObjectName("SunSimpleComboBox");
    SunSimpleComboBox->setGeometry(110, 204, 179, 21);
    for (const NewsEdition& edition : dependencies_.Editions->Editions()) {
        SunSimpleComboBox->addItem(FromBytes(edition.Entry));
    }
    SunSimpleComboBox->setCurrentIndex(0);

    ButtonCopy = MakePictureButton(this, "ButtonCopy", "Get News");
    ButtonCopy->setGeometry(120, 245, 164, 29);

    Timer = new QTimer(this);
    Timer->setObjectName("Timer");
    Timer->setInterval(kReminderMilliseconds);

    XP_ButtonSmall2->raise();
    connect(XP_ButtonSmall1, &QPushButton::clicked, this, [this] { showMinimized(); });
    connect(XP_ButtonSmall3, &QPushButton::clicked, this,
            [this] { Guarded([this] { RequestClose(); }); });
    connect(XP_ButtonSmall2, &QPushButton::clicked, this, [this] { OpenHomePage(); });
    connect(Label4, &LinkLabel::clicked, this,
            [] { OpenAddress(MakerPageUrl(kSongsAndVideosPage)); });
    connect(Label5, &LinkLabel::clicked, this, [] { OpenAddress(MakerPageUrl(kPhotosPage)); });
    connect(ButtonCopy, &QPushButton::clicked, this,
            [this] { Guarded([this] { ButtonCopyClick(); }); });
    connect(SunSimpleComboBox, &QComboBox::activated, this,
            [this](int index) { Guarded([&] { SunSimpleComboBoxCloseUp(index); }); });
    connect(iPodSelectorCom, &QComboBox::activated, this,
            [this](int index) { Guarded([&] { iPodSelectorComCloseUp(index); }); });
    connect(Timer, &QTimer::timeout, this, [this] { TimerTimer(); });
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

void TFormMain::ButtonCopyClick() {
    core_->ButtonCopyClick();
}

void TFormMain::RequestClose() {
    core_->RequestClose();
}

void TFormMain::TimerTimer() {
    core_->TimerTimer();
}

void TFormMain::SunSimpleComboBoxCloseUp(int index) {
    core_->SunSimpleComboBoxCloseUp(index);
}

void TFormMain::iPodSelectorComCloseUp(int index) {
    core_->iPodSelectorComCloseUp(index);
}

void TFormMain::OpenHomePage() {
    OpenAddress(MakerPageUrl(kHomePage));
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
