#include "ui/FrmCopyContinue.h"

#include "skin/DialogLayout.h"
#include "ui/SkinQt.h"

#include <QPushButton>

namespace lumbrant {

TFormCopyContinue::TFormCopyContinue(QWidget* mainWindow)
    : SkinnedDialog(mainWindow, "FormCopyContinue") {
    QPushButton* continueCopy = AddButton("ButtonOpen", ToQString(skin::kContinueCopyCaption),
                                          ToQRect(skin::kDialogLeftButton));
    QPushButton* quitCopy = AddButton("XP_ButtonSmall1", ToQString(skin::kQuitCopyCaption),
                                      ToQRect(skin::kDialogRightButton));
    connect(continueCopy, &QPushButton::clicked, this, [this] { ButtonOpenClick(); });
    connect(quitCopy, &QPushButton::clicked, this, [this] { XP_ButtonSmall1Click(); });
    FinishSkin();
}

void TFormCopyContinue::ButtonOpenClick() {
    answer_ = true;
    close();
}

void TFormCopyContinue::XP_ButtonSmall1Click() {
    answer_ = false;
    close();
}

void TFormCopyContinue::showEvent(QShowEvent* event) {
    // A dialog closed by its title button must not repeat an earlier answer.
    answer_ = false;
    SkinnedDialog::showEvent(event);
}

} // namespace lumbrant
