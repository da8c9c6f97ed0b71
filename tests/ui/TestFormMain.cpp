#include "newsdesk/NewsDesk.h"
#include "support/EventPump.h"
#include "support/FormSandbox.h"
#include "support/FrontPageBuilder.h"
#include "support/JobResults.h"
#include "support/Polling.h"
#include "support/PrivateMounts.h"
#include "ui/MessageBoxes.h"
#include "ui/StatusLine.h"
#include "ui/WindowChrome.h"

#include <QApplication>
#include <QComboBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <httplib.h>
#include <map>
#include <thread>

namespace lumbrant {
namespace {

using testing::FormSandbox;
using testing::PumpUntil;

QString TextOf(QWidget* widget) {
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        return label->text();
    }
    if (auto* button = qobject_cast<QPushButton*>(widget); button && !button->text().isEmpty()) {
        return button->text();
    }
    return widget->toolTip();
}

class FormMainTest : public ::testing::Test {
protected:
    void SetUp() override { MessageBoxes::setAnswerEveryBox(true); }
    void TearDown() override {
        MessageBoxes::setAnswerEveryBox(false);
        MessageBoxes::clearShownTexts();
    }
    FormSandbox sandbox;
};

// What a user sees of the window: its size and rounded corners, every
// control shown with its text or hint, inside its panel and clear of the
// others (the panels lie under some), and the editions of the table.
TEST_F(FormMainTest, EveryControlIsShownWithItsTextAndNoneCoversAnother) {
    TFormMain form(sandbox.Dependencies());
    form.show();
    EXPECT_EQ(form.size(), QSize(402, 301));
    EXPECT_TRUE(form.windowFlags() & Qt::FramelessWindowHint);
    for (const QPoint corner : {QPoint(0, 0), QPoint(401, 0), QPoint(0, 300), QPoint(401, 300)}) {
        EXPECT_FALSE(form.mask().contains(corner)) << corner.x() << "," << corner.y();
    }
    EXPECT_TRUE(form.mask().contains(QPoint(201, 150)));
    const std::map<QString, QString> texts = {
        {"Label3", "Knowledge Base"},
        {"Label4", "How to Transfer songs and videos from iPod to computer?"},
        {"Label5", "How to Transfer photos from iPod to computer?"},
        {"Label1", "iPod"},
        {"Label2", "Country"},
        {"ButtonCopy", "Get News"},
        {"XP_ButtonSmall1", "Minimize"},
        {"XP_ButtonSmall3", "Close"},
        {"XP_ButtonSmall2", "http://www.lumbrant.example/"},
        {"Notifier", "No iPod Detected..."},
        {"iPodSelectorCom", ""},
        {"SunSimpleComboBox", ""},
        {"Panel2", ""},
        {"Panel3", ""},
    };
    for (const auto& [name, text] : texts) {
        auto* widget = form.findChild<QWidget*>(name);
        ASSERT_NE(widget, nullptr) << name.toStdString();
        EXPECT_TRUE(widget->isVisible()) << name.toStdString();
        EXPECT_EQ(TextOf(widget), text) << name.toStdString();
        EXPECT_TRUE(widget->parentWidget()->rect().contains(widget->geometry()))
            << name.toStdString() << " runs out of its panel";
        for (const auto& [otherName, otherText] : texts) {
            const auto* other = form.findChild<QWidget*>(otherName);
            const bool panels = name.startsWith("Panel") || otherName.startsWith("Panel");
            if (other != widget && !panels && other->parentWidget() == widget->parentWidget()) {
                EXPECT_FALSE(widget->geometry().intersects(other->geometry()))
                    << name.toStdString() << " covers " << otherName.toStdString();
            }
        }
    }
    auto* country = form.findChild<QComboBox*>("SunSimpleComboBox");
    const auto& editions = EditionTable::BuiltIn().Editions();
    ASSERT_EQ(country->count(), static_cast<int>(editions.size()));
    for (std::size_t i = 0; i < editions.size(); ++i) {
        EXPECT_EQ(country->itemText(static_cast<int>(i)),
                  QString::fromStdString(editions[i].Entry));
    }
    EXPECT_EQ(country->currentIndex(), 0);
    EXPECT_EQ(form.ReminderTimer()->interval(), 900000);
}

// A text's box in window coordinates, as wide as its face draws it.
QRect TextBox(const QWidget* window, const QWidget* control, const QString& text, bool bold) {
    QFont font = control->font();
    font.setBold(bold || font.bold());
    const QFontMetrics metrics(font);
    return QRect(control->mapTo(window, QPoint(0, 0)),
                 QSize(metrics.horizontalAdvance(text), metrics.height()));
}

TEST_F(FormMainTest, EveryTextStaysInsideItsPlaceWithTheWindowsOwnFace) {
    TFormMain form(sandbox.Dependencies());
    EXPECT_EQ(QFontInfo(form.font()).family(), QString(kSkinFontFamily))
        << "the face is missing on this machine, so another one stands in for it";
    const QStringList others = {"XP_ButtonSmall2", "iPodSelectorCom", "SunSimpleComboBox",
                                "ButtonCopy"};
    for (const char* name : {"Label1", "Label2", "Label3", "Label4", "Label5"}) {
        auto* label = form.findChild<QLabel*>(name);
        ASSERT_NE(label, nullptr) << name;
        const QRect box = TextBox(&form, label, label->text(), name == std::string("Label3"));
        const QWidget* panel = label->parentWidget();
        EXPECT_TRUE(QRect(panel->mapTo(&form, QPoint(0, 0)), panel->size()).contains(box))
            << name << " runs out of " << panel->objectName().toStdString();
        for (const QString& other : others) {
            const auto* control = form.findChild<QWidget*>(other);
            EXPECT_FALSE(box.intersects(control->geometry()))
                << name << " runs under " << other.toStdString();
        }
    }
    auto* notifier = form.findChild<QLabel*>("Notifier");
    for (const char* status :
         {"Ready to Getting News...", "No iPod Detected...", "Please connect your iPod",
          "Ready to Get News", "Stoping Getting now, Please Wait...", "Get News Stoped"}) {
        EXPECT_LE(TextBox(&form, notifier, status, true).width(), notifier->width()) << status;
    }
    auto* button = form.findChild<QPushButton*>("ButtonCopy");
    for (const char* caption : {"Get News", "Stop"}) {
        EXPECT_LE(TextBox(&form, button, caption, true).width(), button->width()) << caption;
    }
}

TEST_F(FormMainTest, TheStatusLineCutsTextsLongerThan46Characters) {
    TFormMain form(sandbox.Dependencies());
    auto* notifier = form.findChild<QLabel*>("Notifier");
    const std::string exact(46, 'a');
    form.ShowStatus(exact);
    EXPECT_EQ(notifier->text().toStdString(), exact);
    form.ShowStatus(exact + "b");
    EXPECT_EQ(notifier->text().toStdString(), exact + "...");
}

TEST_F(FormMainTest, TheReminderRunsOnlyInAutomaticMode) {
    {
        TFormMain form(sandbox.Dependencies());
        EXPECT_FALSE(form.ReminderTimer()->isActive());
        EXPECT_EQ(form.State().LogCounter, 1) << "the first start logs the missing AG";
    }
    {
        auto settings = sandbox.Settings();
        settings.CreateKey();
        settings.WriteInteger("AG", 1);
        settings.WriteInteger("CI", 1);
        settings.WriteInteger("HS", 0);
        settings.CloseKey();
    }
    TFormMain form(sandbox.Dependencies());
    EXPECT_TRUE(form.ReminderTimer()->isActive());
    EXPECT_EQ(form.State().CountryIndex, 1);
    EXPECT_EQ(form.CountryEntryText(), "United States");
    form.Core().TimerTimer();
    EXPECT_EQ(MessageBoxes::shownTexts(), QStringList{"Get Now!"});
    EXPECT_FALSE(form.State().Running);
    form.show();
    form.close();
    EXPECT_FALSE(form.ReminderTimer()->isActive()) << "no reminder once the close is accepted";
}

TEST_F(FormMainTest, TheFirstShowingScansForDevices) {
    {
        TFormMain form(sandbox.Dependencies());
        form.show();
        EXPECT_EQ(form.findChild<QLabel*>("Notifier")->text(), "No iPod Detected...");
        auto* devices = form.findChild<QComboBox*>("iPodSelectorCom");
        ASSERT_EQ(devices->count(), 1);
        EXPECT_EQ(devices->itemText(0), "Please connect your iPod");
    }
    const std::string player = sandbox.AddPlayer("player");
    TFormMain form(sandbox.Dependencies());
    form.show();
    EXPECT_EQ(form.findChild<QLabel*>("Notifier")->text(), "Ready to Getting News...");
    EXPECT_EQ(form.findChild<QComboBox*>("iPodSelectorCom")->currentText().toStdString(),
              " []  " + player);
    EXPECT_EQ(form.State().iPod.DeviceRoot, player);
}

TEST_F(FormMainTest, ClosingSavesTheCountryChosen) {
    {
        TFormMain form(sandbox.Dependencies());
        form.show();
        form.Core().SunSimpleComboBoxCloseUp(1);
        form.close();
    }
    auto settings = sandbox.Settings();
    ASSERT_TRUE(settings.OpenKey());
    EXPECT_EQ(settings.ReadInteger("CI").Value, 1);
    EXPECT_EQ(settings.ReadInteger("HS").Status, ValueRead::Ok);
}

// The sandbox's table says which players there are; the kernel's own table,
// changed by a real mount, is what wakes the window. No timer looks.
TEST_F(FormMainTest, APlayerMountedWhileTheProgramRunsIsListedOnTheKernelsWord) {
    std::string whyNot;
    if (!e2e::MountsAllowed(whyNot)) {
        GTEST_SKIP() << "no private mount namespace, so no mount can be made: " << whyNot;
    }
    TFormMain form(sandbox.Dependencies(true));
    form.show();
    auto* devices = form.findChild<QComboBox*>("iPodSelectorCom");
    ASSERT_EQ(devices->itemText(0), "Please connect your iPod");
    const std::string player = sandbox.AddPlayer("late-player");
    std::unique_ptr<e2e::TmpfsPlayer> mounted;
    try {
        mounted = std::make_unique<e2e::TmpfsPlayer>(player);
    } catch (const std::runtime_error& refused) {
        GTEST_SKIP() << "the private mount namespace refuses a mount: " << refused.what();
    }
    PumpUntil([&] { return devices->currentText().toStdString() == " []  " + player; });
    EXPECT_EQ(devices->currentText().toStdString(), " []  " + player);
    EXPECT_EQ(form.findChild<QLabel*>("Notifier")->text(), "1 iPod detected.");
}

// A news service whose front page is only reached through a redirect, so
// that the fallback fetches it; its stories are counted, not served.
class RedirectedNewsService {
public:
    RedirectedNewsService() {
        server_.Get("/news", [](const httplib::Request&, httplib::Response& res) {
            res.set_redirect("/front");
        });
        server_.Get("/front", [this](const httplib::Request&, httplib::Response& res) {
            res.set_content(
                testing::Page({{testing::Item(BaseUrl() + "/story", "Headline", "Snippet")}}),
                "text/html");
        });
        server_.Get("/story", [this](const httplib::Request&, httplib::Response& res) {
            ++storyRequests_;
            res.status = 404;
        });
        port_ = server_.bind_to_any_port("127.0.0.1");
        thread_ = std::thread([this] { server_.listen_after_bind(); });
        while (!server_.is_running()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }
    ~RedirectedNewsService() {
        server_.stop();
        thread_.join();
    }
    std::string BaseUrl() const { return "http://127.0.0.1:" + std::to_string(port_); }
    int StoryRequests() const { return storyRequests_; }

private:
    httplib::Server server_;
    std::thread thread_;
    int port_ = 0;
    std::atomic<int> storyRequests_{0};
};

TEST_F(FormMainTest, NoJobMessageIsHandledOnceTheCloseIsAccepted) {
    RedirectedNewsService service;
    sandbox.UseNewsService(service.BaseUrl());
    TFormMain form(sandbox.Dependencies());
    form.show();
    form.Core().ButtonCopyClick();
    // The fallback's file stays until the job's hand-over is over; no event
    // is handled meanwhile, so the job is held in its hand-over.
    const std::filesystem::path download = sandbox.WorkDir() + "/tempg.ini";
    ASSERT_TRUE(e2e::WaitUntil([&] { return std::filesystem::exists(download); },
                               std::chrono::seconds(60)));
    MessageBoxes::setNextAnswer(BoxAnswer::Yes);
    form.Core().RequestClose();
    ASSERT_FALSE(form.isVisible());
    const QStringList boxes = MessageBoxes::shownTexts();

    ASSERT_TRUE(PumpUntil([&] { return !std::filesystem::exists(download); }));
    EXPECT_FALSE(std::filesystem::exists(sandbox.WorkDir() + "/google.html"));
    EXPECT_EQ(service.StoryRequests(), 0);
    EXPECT_EQ(MessageBoxes::shownTexts(), boxes);
}

TEST_F(FormMainTest, StopRightAfterTheFrontPageArrivedStopsTheRun) {
    sandbox.UseNewsService("http://127.0.0.1:1");
    TFormMain form(sandbox.Dependencies());
    form.Core().ButtonCopyClick();
    // The real job waits in its hand-over, which no event loop serves here.
    const std::string story = testing::Item("http://127.0.0.1:1/story", "Headline", "Snippet");
    form.Core().Deliver(testing::FrontPageArrived(testing::Page({{story}})));
    ASSERT_TRUE(form.State().Running);
    form.Core().ButtonCopyClick();
    EXPECT_TRUE(form.State().StopRequested);
    EXPECT_EQ(form.findChild<QLabel*>("Notifier")->text().toStdString(),
              "Stoping Getting now, Please Wait...");
}

// How many pixels of the status line's bottom row have the bar's fill and
// track colours, and where the fill ends.
struct BarReading {
    int Fill = 0;
    int Track = 0;
};

BarReading ReadBar(QWidget* notifier) {
    const QImage image = notifier->grab().toImage();
    BarReading reading;
    for (int x = 0; x < image.width(); ++x) {
        const QColor colour = image.pixelColor(x, image.height() - 1);
        reading.Fill += colour == StatusLine::kBarFill ? 1 : 0;
        reading.Track += colour == StatusLine::kBarTrack ? 1 : 0;
    }
    return reading;
}

TEST_F(FormMainTest, TheStatusLineDrawsTheRunsProgressAlongItsBottomOnlyWhileARunGoes) {
    newsdesk::Options options;
    options.StoriesPerSection = 1;
    // The slots' first four stories arrive; their next four are held until the service stops.
    options.StallStories = {5, 6, 7, 8};
    newsdesk::NewsDesk desk(options);
    ASSERT_TRUE(desk.Start());
    sandbox.UseNewsService(desk.BaseUrl());
    TFormMain form(sandbox.Dependencies());
    form.show();
    auto* notifier = form.findChild<QLabel*>("Notifier");
    const int width = notifier->width();
    const QString status = notifier->text();
    EXPECT_EQ(ReadBar(notifier).Fill + ReadBar(notifier).Track, 0) << "no run, no bar";

    form.Core().ButtonCopyClick();
    ASSERT_TRUE(PumpUntil([&] { return form.State().StoriesHandled == 4; }));
    const BarReading half = ReadBar(notifier);
    EXPECT_EQ(half.Fill, width / 2) << "four of eight stories handled";
    EXPECT_EQ(half.Track, width - width / 2);
    EXPECT_EQ(notifier->text(), status) << "the bar changes no text";

    desk.Stop();
    ASSERT_TRUE(PumpUntil([&] { return !form.State().Running; }));
    EXPECT_EQ(ReadBar(notifier).Fill + ReadBar(notifier).Track, 0) << "the run's end clears it";
}

// Waits in the modal's own event loop until the modal shows, then dismisses it.
void DismissTheNextModal(const std::function<void(QWidget*)>& dismiss) {
    QTimer::singleShot(0, [dismiss] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            dismiss(modal);
        } else {
            DismissTheNextModal(dismiss);
        }
    });
}

TEST_F(FormMainTest, TheCloseQuestionClosedWithoutAnAnswerLeavesTheRunAlone) {
    MessageBoxes::setAnswerEveryBox(false);
    TFormMain form(sandbox.Dependencies());
    form.show();
    form.State().Running = true;
    const QString status = form.findChild<QLabel*>("Notifier")->text();
    const std::vector<std::pair<const char*, std::function<void(QWidget*)>>> dismissals = {
        {"Esc",
         [](QWidget* box) {
             QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
             QApplication::sendEvent(box, &escape);
         }},
        {"its own close button", [](QWidget* box) { box->close(); }},
    };
    for (const auto& [name, dismiss] : dismissals) {
        QStringList buttons;
        DismissTheNextModal([&buttons, &dismiss](QWidget* box) {
            for (const auto* button : box->findChildren<QPushButton*>()) {
                if (button->isVisible()) {
                    buttons << button->text();
                }
            }
            dismiss(box);
        });
        form.Core().RequestClose();
        buttons.sort();
        EXPECT_EQ(buttons.join(' ').toStdString(), "&No &Yes") << name;
        EXPECT_TRUE(form.State().Running) << name;
        EXPECT_FALSE(form.State().StopRequested) << name;
        EXPECT_EQ(form.findChild<QLabel*>("Notifier")->text().toStdString(), status.toStdString())
            << name;
        EXPECT_TRUE(form.isVisible()) << name;
    }
    form.State().Running = false;
}

} // namespace
} // namespace lumbrant
