#pragma once

#include "winui/SkinnedDialogWin.h"

namespace lumbrant {

// The "continue copy" question. Created hidden at start; its answer says
// whether the user chose to go on copying.
class TFormCopyContinueWin : public SkinnedDialogWin {
public:
    TFormCopyContinueWin(HWND mainWindow, AddressOpener opener);

    // True only when "Continue Copy " closed the dialog since it was last shown.
    bool Answer() const { return answer_; }
    // A dialog closed by its title button must not repeat an earlier answer.
    void Show();

protected:
    void OnButton(int id) override;

private:
    bool answer_ = false;
};

} // namespace lumbrant
