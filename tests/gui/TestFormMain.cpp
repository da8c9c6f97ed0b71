#include "e2e/PrivateMounts.h"
#include "retrieval/Messages.h"
#include "support/FormSandbox.h"
#include "ui/MessageBoxes.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <chrono>
#include <gtest/gtest.h>
#include <thread>

namespace lumbrant {
namespace {

using testing::FormSandbox;

struct ControlRow {
    const char* Name;
    QRect Geometry; // a zero size means only the position is fixed
    const char* Text;
    const char* Hint;
};

QString TextOf(QWidget* widget) {
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        return label->text();
    }
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
        return button->text();
    }
    return {};
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

TEST_F(FormMainTest, EveryControlStandsAtItsPlaceWithItsText) {
    TFormMain form(sandbox.Dependencies());
    EXPECT_EQ(form.size(), QSize(402, 301));
    EXPECT_TRUE(form.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(form.palette().color(QPalette::Window), QColor(41, 43, 55));
    const std::vector<ControlRow> rows = {
        {"Notifier", {65, 4, 232, 20}, "", ""},
        {"XP_ButtonSmall1", {344, 6, 18, 18}, nullptr, "Minimize"},
        {"XP_ButtonSmall3", {368, 6, 18, 18}, nullptr, "Close"},
        {"XP_ButtonSmall2", {368, 74, 18, 18}, nullptr, "http://www.lumbrant.example/"},
        {"Panel2", {16, 48, 369, 105}, nullptr, nullptr},
        {"Label3", {}, "Knowledge Base", nullptr},
        {"Label4",
         {51, 41, 0, 0},
         "How to Transfer songs and videos from iPod to computer?",
         nullptr},
        {"Label5", {51, 65, 0, 0}, "How to Transfer photos from iPod to computer?", nullptr},
        {"Panel3", {16, 160, 369, 73}, nullptr, nullptr},
        {"Label1", {43, 15, 0, 0}, "iPod", nullptr},
        {"Label2", {43, 47, 0, 0}, "Country", nullptr},
        {"iPodSelectorCom", {110, 171, 179, 21}, nullptr, nullptr},
        {"SunSimpleComboBox", {110, 204, 179, 21}, nullptr, nullptr},
        {"ButtonCopy", {120, 245, 164, 29}, "Get News", nullptr},
    };
    for (const auto& row : rows) {
        auto* widget = form.findChild<QWidget*>(row.Name);
        ASSERT_NE(widget, nullptr) << row.Name;
        if (!row.Geometry.isNull() || row.Geometry.topLeft() != QPoint()) {
            EXPECT_EQ(widget->pos(), row.Geometry.topLeft()) << row.Name;
            if (row.Geometry.width() > 0) {
                EXPECT_EQ(widget->size(), row.Geometry.size()) << row.Name;
            }
        }
        if (row.Text != nullptr) {
            EXPECT_EQ(TextOf(widget), QString(row.Text)) << row.Name;
        }
        if (row.Hint != nullptr) {
            EXPECT_EQ(widget->toolTip(), QString(row.Hint)) << row.Name;
        }
    }
    EXPECT_EQ(form.findChild<QWidget*>("Label4")->parentWidget()->objectName(), "Panel2");
    EXPECT_EQ(form.findChild<QWidget*>("Label1")->parentWidget()->objectName(), "Panel3");
    auto* country = form.findChild<QComboBox*>("SunSimpleComboBox");
    ASSERT_EQ(country->count(), 2);
    EXPECT_EQ(country->itemText(0), "United States");
    EXPECT_EQ(country->itemText(1), "United Kingdom");
    EXPECT_EQ(country->currentIndex(), 0);
    EXPECT_EQ(form.ReminderTimer()->interval(), 900000);
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

TEST(FormMainCentring, QuotientsAreRoundedTowardZero) {
    EXPECT_EQ(TFormMain::CentredPosition(QRect(0, 0, 1024, 768), QSize(402, 301)),
              QPoint(311, 233));
    EXPECT_EQ(TFormMain::CentredPosition(QRect(0, 0, 300, 200), QSize(402, 301)), QPoint(-51, -50));
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
    form.TimerTimer();
    EXPECT_EQ(MessageBoxes::shownTexts(), QStringList{"Get Now!"});
    EXPECT_FALSE(form.State().Running);
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
        form.SunSimpleComboBoxCloseUp(1);
        form.close();
    }
    auto settings = sandbox.Settings();
    ASSERT_TRUE(settings.OpenKey());
    EXPECT_EQ(settings.ReadInteger("CI").Value, 1);
    EXPECT_EQ(settings.ReadInteger("HS").Status, ValueRead::Ok);
}

TEST_F(FormMainTest, AFailedDownloadLeavesTheSlotsFieldsAsTheyWere) {
    TFormMain form(sandbox.Dependencies());
    MainState& state = form.State();
    state.SlotPageText[2] = "<body>previous page";
    state.SlotCategoryCode[2] = "WO";
    state.SlotStoryId[2] = "13";
    form.Core().Deliver({WM_ARTICLE_DONE_3, FETCH_FAILED, "", "", ""});
    EXPECT_EQ(state.SlotPageText[2], "<body>previous page");
    EXPECT_EQ(state.SlotCategoryCode[2], "WO");
    EXPECT_EQ(state.SlotStoryId[2], "13");
    const std::string log = testing::ReadFile(sandbox.WorkDir() + "/Rovad.txt");
    EXPECT_NE(log.find("=Not Get Html!\r\n"), std::string::npos);

    form.Core().Deliver({WM_ARTICLE_DONE_3, 0, "<body>new page", "HE", "5"});
    EXPECT_EQ(state.SlotPageText[2], "<body>new page");
    EXPECT_EQ(state.SlotCategoryCode[2], "HE");
    EXPECT_EQ(state.SlotStoryId[2], "5");
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
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (devices->currentText().toStdString() != " []  " + player &&
           std::chrono::steady_clock::now() < deadline) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_EQ(devices->currentText().toStdString(), " []  " + player);
    EXPECT_EQ(form.findChild<QLabel*>("Notifier")->text(), "1 iPod detected.");
}

} // namespace
} // namespace lumbrant
