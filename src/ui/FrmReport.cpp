#include "ui/FrmReport.h"

#include "core/ShellOpen.h"
#include "skin/DialogLayout.h"
#include "ui/SkinQt.h"
#include "ui/WindowChrome.h"

#include <QLabel>
#include <QPushButton>

namespace lumbrant {

TFormReport::TFormReport(QWidget* mainWindow, const ErrorLog& log)
    : SkinnedDialog(mainWindow, "FormReport"), log_(log),
      opener_([](const QUrl& url) { return ShellOpen(url.toString().toStdString()); }) {
    auto* text = new QLabel(ToQString(skin::kReportText), this);
    text->setObjectName("Label1");
    text->setGeometry(ToQRect(skin::kReportTextPlace));
    text->setAlignment(Qt::AlignCenter);
    text->setStyleSheet("color: " + CssRgb(skin::kDialogTextColour) + "; font-weight: bold;");
    MarkDragSurface(text);

    QPushButton* openDir = AddButton("OpenDir", ToQString(skin::kOpenDirectoryCaption),
                                     ToQRect(skin::kDialogLeftButton));
    QPushButton* closeButton =
        AddButton("CloseButton", ToQString(skin::kCloseCaption), ToQRect(skin::kDialogRightButton));
    connect(openDir, &QPushButton::clicked, this, [this] { OpenDirClick(); });
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    FinishSkin();
}

void TFormReport::OpenDirClick() {
    OpenDirectoryOrLog(
        directory_,
        [this] { return opener_(QUrl::fromLocalFile(QString::fromLocal8Bit(directory_.c_str()))); },
        log_);
}

} // namespace lumbrant
