#pragma once

#include "ui/SkinnedDialog.h"

namespace lumbrant {

// The "continue copy" question. Created hidden at start; its answer says
// whether the user chose to go on copying.
class TFormCopyContinue : public SkinnedDialog {
    Q_OBJECT
public:
    explicit TFormCopyContinue(QWidget* mainWindow);

    // True only when "Continue Copy " closed the dialog since it was last shown.
    bool Answer() const { return answer_; }

    void ButtonOpenClick();
    void XP_ButtonSmall1Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool answer_ = false;
};

} // namespace lumbrant
