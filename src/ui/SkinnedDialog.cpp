#include "ui/SkinnedDialog.h"

#include "core/ShellOpen.h"
#include "settings/MakerSite.h"
#include "skin/DialogLayout.h"
#include "skin/MainLayout.h"
#include "ui/SkinQt.h"
#include "ui/WindowChrome.h"

#include <QPushButton>

namespace lumbrant {

namespace {

constexpr QSize kDialogSize = ToQSize(skin::kDialogSize);
constexpr QColor kDialogColour = ToQColor(skin::kDialogColour);

} // namespace

SkinnedDialog::SkinnedDialog(QWidget* mainWindow, const QString& name)
    : QWidget(nullptr, Qt::FramelessWindowHint | Qt::Window), mainWindow_(mainWindow) {
    setObjectName(name);
    setWindowTitle(".");
    setFixedSize(kDialogSize);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kDialogColour);
    setPalette(palette);
    BuildFrame(this);
    AddWell(this, skin::kDialogWell);

    const QString homePage = QString::fromStdString(MakerPageUrl(kHomePage));
    QPushButton* web = MakeSmallButton(this, "TitleWeb", SmallButtonKind::Web, homePage);
    web->move(ToQPoint(skin::kDialogWebOrigin));
    QPushButton* minimize = MakeSmallButton(this, "TitleMinimize", SmallButtonKind::Minimize,
                                            ToQString(skin::kMinimizeHint));
    minimize->move(ToQPoint(skin::kDialogMinimizeOrigin));
    QPushButton* close =
        MakeSmallButton(this, "TitleClose", SmallButtonKind::Close, ToQString(skin::kCloseHint));
    close->move(ToQPoint(skin::kDialogCloseOrigin));
    connect(web, &QPushButton::clicked, this, [] { ShellOpen(MakerPageUrl(kHomePage)); });
    connect(minimize, &QPushButton::clicked, this, [] { MinimizeApplication(); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
}

QPushButton* SkinnedDialog::AddButton(const QString& name, const QString& caption,
                                      const QRect& geometry) {
    QPushButton* button = MakePictureButton(this, name, caption);
    button->setGeometry(geometry);
    return button;
}

void SkinnedDialog::FinishSkin() {
    InstallDragSurfaces(this);
}

void SkinnedDialog::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    FormShow();
}

void SkinnedDialog::FormShow() {
    if (mainWindow_ != nullptr) {
        move(CentredOver(mainWindow_->frameGeometry(), frameGeometry().size()));
    }
    SetRoundedOutline(this);
}

} // namespace lumbrant
