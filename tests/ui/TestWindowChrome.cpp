#include "support/FolderLog.h"
#include "support/FormSandbox.h"
#include "support/TempFolder.h"
#include "ui/DragMover.h"
#include "ui/FrmCopyContinue.h"
#include "ui/FrmReport.h"
#include "ui/PictureButton.h"
#include "ui/WindowChrome.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <gtest/gtest.h>
#include <optional>
#include <stdexcept>

namespace lumbrant {
namespace {

using testing::FormSandbox;
using testing::ReadFile;
using testing::TempFolder;

const QPoint kDragDelta(7, 5);

void SendMouse(QWidget* target, QEvent::Type type, const QPoint& local, const QPoint& global,
               Qt::MouseButton button, Qt::MouseButtons buttons) {
    QMouseEvent event(type, QPointF(local), QPointF(global), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// A point of the widget itself, not of a child.
std::optional<QPoint> FreePoint(QWidget* widget) {
    for (int y = 0; y < widget->height(); ++y) {
        for (int x = 0; x < widget->width(); ++x) {
            if (widget->childAt(QPoint(x, y)) == nullptr) {
                return QPoint(x, y);
            }
        }
    }
    return std::nullopt;
}

QWidget* Named(QWidget* window, const QString& name) {
    return window->objectName() == name ? window : window->findChild<QWidget*>(name);
}

DragMover* MoverOf(QWidget* window) {
    return window->findChild<DragMover*>("DragMover");
}

// Press, move with the left button held, release: a drag surface moves the
// window by the mouse's way (by hand on the offscreen platform). As with a
// real mouse, the moves go to the pressed widget wherever the pointer is.
void ExpectDragFrom(QWidget* window, const QString& name, std::optional<QPoint> press = {},
                    const QPoint& delta = kDragDelta) {
    SCOPED_TRACE(name.toStdString());
    QWidget* surface = Named(window, name);
    ASSERT_NE(surface, nullptr);
    const std::optional<QPoint> local = press ? press : FreePoint(surface);
    ASSERT_TRUE(local.has_value());
    DragMover* mover = MoverOf(window);
    const int before = mover->DragsStarted();
    const QPoint start = window->pos();
    const QPoint global = surface->mapToGlobal(*local);
    SendMouse(surface, QEvent::MouseButtonPress, *local, global, Qt::LeftButton, Qt::LeftButton);
    SendMouse(surface, QEvent::MouseMove, *local + delta, global + delta, Qt::NoButton,
              Qt::LeftButton);
    SendMouse(surface, QEvent::MouseButtonRelease, *local + delta, global + delta, Qt::LeftButton,
              Qt::NoButton);
    EXPECT_EQ(mover->DragsStarted(), before + 1);
    EXPECT_EQ(window->pos(), start + delta);
}

void ExpectNoDrag(QWidget* window, const QString& name, const std::function<void(QWidget*)>& act) {
    SCOPED_TRACE(name.toStdString());
    QWidget* widget = Named(window, name);
    ASSERT_NE(widget, nullptr);
    DragMover* mover = MoverOf(window);
    const int before = mover->DragsStarted();
    const QPoint start = window->pos();
    act(widget);
    EXPECT_EQ(mover->DragsStarted(), before);
    EXPECT_EQ(window->pos(), start);
}

// A move with the left button held straight onto a control (no press, which
// would click or open it): the control must not hand it on to its window.
void ExpectNoDragFromControl(QWidget* window, const QString& name) {
    ExpectNoDrag(window, name, [](QWidget* control) {
        const QPoint centre = control->rect().center();
        SendMouse(control, QEvent::MouseMove, centre, control->mapToGlobal(centre), Qt::NoButton,
                  Qt::LeftButton);
    });
}

// A label is pressed and dragged off itself onto the bare panel beside it
// (the pressed label still gets the moves); the release falls outside it,
// so that a link label does not open its page.
void ExpectNoDragFromLabel(QWidget* window, const QString& name) {
    ExpectNoDrag(window, name, [](QWidget* label) {
        const QPoint centre = label->rect().center();
        const QPoint global = label->mapToGlobal(centre);
        const QPoint besideLabel(-10, -8);
        ASSERT_EQ(label->parentWidget()->childAt(label->mapToParent(besideLabel)), nullptr);
        SendMouse(label, QEvent::MouseButtonPress, centre, global, Qt::LeftButton, Qt::LeftButton);
        SendMouse(label, QEvent::MouseMove, besideLabel, label->mapToGlobal(besideLabel),
                  Qt::NoButton, Qt::LeftButton);
        SendMouse(label, QEvent::MouseButtonRelease, QPoint(-500, -500), QPoint(-500, -500),
                  Qt::LeftButton, Qt::NoButton);
    });
}

// Moves with no button and with only the right button held start nothing.
void ExpectOtherButtonsStillFrom(QWidget* window, const QString& name) {
    ExpectNoDrag(window, name, [](QWidget* surface) {
        const QPoint local = FreePoint(surface).value_or(QPoint());
        const QPoint global = surface->mapToGlobal(local);
        SendMouse(surface, QEvent::MouseMove, local + kDragDelta, global + kDragDelta, Qt::NoButton,
                  Qt::NoButton);
        SendMouse(surface, QEvent::MouseButtonPress, local, global, Qt::RightButton,
                  Qt::RightButton);
        SendMouse(surface, QEvent::MouseMove, local + kDragDelta, global + kDragDelta, Qt::NoButton,
                  Qt::RightButton);
        SendMouse(surface, QEvent::MouseButtonRelease, local, global, Qt::RightButton,
                  Qt::NoButton);
    });
}

QStringList SkinNames(int sunImages) {
    QStringList names = {"ImageB1", "ImageB2", "ImageB3"};
    for (int i = 1; i <= sunImages; ++i) {
        names << QString("SunImage%1").arg(i);
    }
    return names;
}

class ChromeTest : public ::testing::Test {
protected:
    FormSandbox sandbox;
};

TEST_F(ChromeTest, EveryDragSurfaceOfTheMainWindowMovesIt) {
    TFormMain form(sandbox.Dependencies());
    form.show();
    ASSERT_NE(MoverOf(&form), nullptr);
    const QStringList surfaces =
        QStringList{"FormMain", "Notifier", "Panel2", "Panel3"} + SkinNames(10);
    for (const QString& name : surfaces) {
        ExpectDragFrom(&form, name);
        ExpectOtherButtonsStillFrom(&form, name);
    }
    // A quick hand: the first move already lies over Panel2.
    ExpectDragFrom(&form, "FormMain", QPoint(20, 40), QPoint(5, 12));
}

TEST_F(ChromeTest, ButtonsSelectorsAndLabelsOfTheMainWindowDoNotDragIt) {
    TFormMain form(sandbox.Dependencies());
    form.show();
    for (const char* name : {"ButtonCopy", "XP_ButtonSmall1", "XP_ButtonSmall2", "XP_ButtonSmall3",
                             "iPodSelectorCom", "SunSimpleComboBox"}) {
        ExpectNoDragFromControl(&form, name);
    }
    for (const char* name : {"Label1", "Label2", "Label3", "Label4", "Label5"}) {
        ExpectNoDragFromControl(&form, name);
        ExpectNoDragFromLabel(&form, name);
    }
}

TEST_F(ChromeTest, TheSkinLiesUnderTheControlsOfTheTitleStrip) {
    TFormMain form(sandbox.Dependencies());
    for (const char* name : {"Notifier", "XP_ButtonSmall1", "XP_ButtonSmall3"}) {
        QWidget* control = form.findChild<QWidget*>(name);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(form.childAt(control->geometry().center()), control) << name;
    }
}

TEST(PictureButtonFaces, DisabledPressedAndNormalLookDifferent) {
    QWidget window;
    window.resize(200, 60);
    auto* button = qobject_cast<PictureButton*>(MakePictureButton(&window, "Face", "Get News"));
    ASSERT_NE(button, nullptr);
    button->setGeometry(10, 10, 164, 29);
    const QImage normal = button->grab().toImage();
    button->setDown(true);
    EXPECT_EQ(button->State(), ButtonState::Pressed);
    const QImage pressed = button->grab().toImage();
    button->setDown(false);
    button->setEnabled(false);
    EXPECT_EQ(button->State(), ButtonState::Disabled);
    const QImage disabled = button->grab().toImage();
    EXPECT_NE(normal, pressed);
    EXPECT_NE(normal, disabled);
    EXPECT_NE(pressed, disabled);
}

struct DialogRow {
    const char* Name;
    QString Text; // of Label1; empty when the dialog has none
    std::vector<std::pair<QString, QString>> Buttons;
};

class DialogTest : public ::testing::Test {
protected:
    DialogTest() { mainWindow.setWindowFlags(Qt::FramelessWindowHint | Qt::Window); }

    QWidget mainWindow;
    TempFolder folder{"lumbrant-dialog"};
    testing::FolderLog log{folder.Path().string()};
};

TEST_F(DialogTest, BothDialogsAreSkinnedAndCarryTheirButtons) {
    TFormReport report(&mainWindow, log.Log);
    TFormCopyContinue copyContinue(&mainWindow);
    const std::vector<std::pair<QWidget*, DialogRow>> rows = {
        {&report,
         {"FormReport",
          "Copy finished, open directory?",
          {{"OpenDir", "Open Directory"}, {"CloseButton", "Close"}}}},
        {&copyContinue,
         {"FormCopyContinue",
          {},
          {{"ButtonOpen", "Continue Copy "}, {"XP_ButtonSmall1", "Quit Copy"}}}},
    };
    const std::vector<std::pair<QString, QString>> titleButtons = {
        {"TitleMinimize", "Minimize"},
        {"TitleClose", "Close"},
        {"TitleWeb", "http://www.lumbrant.example/"}};
    for (const auto& [dialog, row] : rows) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(dialog->objectName(), row.Name);
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(dialog->size(), QSize(335, 223));
        EXPECT_TRUE(dialog->windowFlags() & Qt::FramelessWindowHint);
        EXPECT_EQ(dialog->palette().color(QPalette::Window), QColor(219, 219, 229));
        if (!row.Text.isEmpty()) {
            auto* label = dialog->findChild<QLabel*>("Label1");
            ASSERT_NE(label, nullptr);
            EXPECT_EQ(label->text(), row.Text);
        }
        for (const auto& [name, caption] : row.Buttons) {
            auto* button = dialog->findChild<QPushButton*>(name);
            ASSERT_NE(button, nullptr) << name.toStdString();
            EXPECT_EQ(button->text(), caption);
        }
        for (const auto& [name, hint] : titleButtons) {
            auto* button = dialog->findChild<QPushButton*>(name);
            ASSERT_NE(button, nullptr) << name.toStdString();
            EXPECT_EQ(button->toolTip(), hint);
            EXPECT_EQ(button->size(), QSize(18, 18));
            EXPECT_LT(button->y() + button->height(), 30) << "sits on the title strip";
        }
    }
}

TEST_F(DialogTest, ShowingCentresTheDialogOverTheMainWindowEvenOffTheScreen) {
    struct Row {
        QRect Main;
        QPoint Expected;
    };
    const std::vector<Row> rows = {
        {{100, 80, 402, 301}, {133, 119}},
        {{700, 520, 402, 301}, {733, 559}}, // near the screen's lower right edge
        {{-200, -150, 402, 301}, {-167, -111}},
        {{10, 10, 300, 200}, {-7, -1}}, // smaller than the dialog: toward zero
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Main.x());
        mainWindow.setGeometry(row.Main);
        mainWindow.show();
        TFormReport report(&mainWindow, log.Log);
        TFormCopyContinue copyContinue(&mainWindow);
        for (QWidget* dialog :
             {static_cast<QWidget*>(&report), static_cast<QWidget*>(&copyContinue)}) {
            dialog->show();
            EXPECT_EQ(dialog->pos(), row.Expected);
            EXPECT_EQ(dialog->mask(), RoundedOutline(QSize(335, 223)));
            dialog->close();
        }
    }
}

TEST_F(DialogTest, TheDialogsDragByTheirBodyAndTitleButNotByTheirButtons) {
    TFormReport report(&mainWindow, log.Log);
    TFormCopyContinue copyContinue(&mainWindow);
    report.show();
    copyContinue.show();
    for (const QString& name : QStringList{"FormReport", "Label1"} + SkinNames(8)) {
        ExpectDragFrom(&report, name);
        ExpectOtherButtonsStillFrom(&report, name);
    }
    for (const QString& name : QStringList{"FormCopyContinue"} + SkinNames(8)) {
        ExpectDragFrom(&copyContinue, name);
    }
    for (const char* name : {"OpenDir", "CloseButton", "TitleMinimize", "TitleClose", "TitleWeb"}) {
        ExpectNoDragFromControl(&report, name);
    }
    for (const char* name : {"ButtonOpen", "XP_ButtonSmall1"}) {
        ExpectNoDragFromControl(&copyContinue, name);
    }
}

TEST_F(DialogTest, CopyContinueAnswersWithTheButtonThatClosedIt) {
    TFormCopyContinue dialog(&mainWindow);
    auto* continueCopy = dialog.findChild<QPushButton*>("ButtonOpen");
    auto* quitCopy = dialog.findChild<QPushButton*>("XP_ButtonSmall1");
    auto* titleClose = dialog.findChild<QPushButton*>("TitleClose");
    EXPECT_FALSE(dialog.Answer());

    dialog.show();
    continueCopy->click();
    EXPECT_TRUE(dialog.Answer());
    EXPECT_FALSE(dialog.isVisible());

    dialog.show();
    quitCopy->click();
    EXPECT_FALSE(dialog.Answer());
    EXPECT_FALSE(dialog.isVisible());

    dialog.show();
    continueCopy->click();
    dialog.show();
    titleClose->click();
    EXPECT_FALSE(dialog.Answer()) << "an earlier answer must not outlive a new showing";
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(DialogTest, OpenDirectoryOpensTheFolderAndLogsWhatFails) {
    TFormReport report(&mainWindow, log.Log);
    const std::string logPath = folder / "Rovad.txt";
    std::vector<QUrl> opened;
    report.SetDirectory("/media/player one/Notes");
    report.SetUrlOpener([&](const QUrl& url) {
        opened.push_back(url);
        return true;
    });
    report.findChild<QPushButton*>("OpenDir")->click();
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], QUrl::fromLocalFile("/media/player one/Notes"));
    EXPECT_EQ(log.Counter, 0);

    report.SetUrlOpener([](const QUrl&) { return false; });
    report.OpenDirClick();
    EXPECT_EQ(log.Counter, 1);
    EXPECT_NE(ReadFile(logPath).find("0=OpenDirClick:"), std::string::npos);

    report.SetUrlOpener([](const QUrl&) -> bool { throw std::runtime_error("no shell"); });
    report.OpenDirClick();
    EXPECT_EQ(log.Counter, 2);
    EXPECT_NE(ReadFile(logPath).find("1=OpenDirClick:no shell\r\n"), std::string::npos);
}

TEST_F(DialogTest, CloseButtonClosesTheReport) {
    TFormReport report(&mainWindow, log.Log);
    report.show();
    report.findChild<QPushButton*>("CloseButton")->click();
    EXPECT_FALSE(report.isVisible());
}

} // namespace
} // namespace lumbrant
