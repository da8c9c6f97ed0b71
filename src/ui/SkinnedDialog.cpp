#include "ui/SkinnedDialog.h"

#include "core/ShellOpen.h"
#include "settings/MakerSite.h"
#include "ui/WindowChrome.h"

#include <QPushButton>

namespace lumbrant {

namespace {

constexpr QSize kDialogSize(335, 223);
constexpr QColor kDialogColour(219, 219, 229);

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
    AddSkinImage(this, "SunImage8", PaintWell(QSize(74, 26), QColor(24, 25, 33)),
                 QRect(width() - 87, 2, 74, 26));

    const QString homePage = QString::fromStdString(MakerPageUrl(kHomePage));
    QPushButton* web = MakeSmallButton(this, "TitleWeb", SmallButtonKind::Web, homePage);
    web->move(width() - 83, 6);
    QPushButton* minimize =
        MakeSmallButton(this, "TitleMinimize", SmallButtonKind::Minimize, "Minimize");
    minimize->move(width() - 59, 6);
    QPushButton* close = MakeSmallButton(this, "TitleClose", SmallButtonKind::Close, "Close");
    close->move(width() - 35, 6);
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
