#include "ui/FrmReport.h"

#include "core/ShellOpen.h"
#include "ui/WindowChrome.h"

#include <QLabel>
#include <QPushButton>
#include <exception>
#include <optional>

namespace lumbrant {

TFormReport::TFormReport(QWidget* mainWindow, const ErrorLog& log)
    : SkinnedDialog(mainWindow, "FormReport"), log_(log),
      opener_([](const QUrl& url) { return ShellOpen(url.toString().toStdString()); }) {
    auto* text = new QLabel("Copy finished, open directory?", this);
    text->setObjectName("Label1");
    text->setGeometry(20, 72, width() - 40, 30);
    text->setAlignment(Qt::AlignCenter);
    text->setStyleSheet("color: rgb(40, 42, 60); font-weight: bold;");
    MarkDragSurface(text);

    QPushButton* openDir = AddButton("OpenDir", "Open Directory", QRect(44, 150, 116, 29));
    QPushButton* closeButton = AddButton("CloseButton", "Close", QRect(175, 150, 116, 29));
    connect(openDir, &QPushButton::clicked, this, [this] { OpenDirClick(); });
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    FinishSkin();
}

void TFormReport::OpenDirClick() {
    std::optional<std::string> failure;
    try {
        const QUrl folder = QUrl::fromLocalFile(QString::fromLocal8Bit(directory_.c_str()));
        if (!opener_(folder)) {
            failure = "the shell could not open \"" + directory_ + "\"";
        }
    } catch (const std::exception& error) {
        failure = error.what();
    }
    if (failure) {
        log_.Write("OpenDirClick:" + *failure);
    }
}

} // namespace lumbrant
