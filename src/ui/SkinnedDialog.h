#pragma once

#include <QPointer>
#include <QWidget>

class QPushButton;

namespace lumbrant {

// What the program's two secondary dialogs share: a borderless 335 x 223
// window in RGB(219, 219, 229) with the skin's title strip and frame, three
// small title buttons (minimise the program, close the dialog, open the
// maker's home page), and a showing that centres it over the main window
// and cuts its rounded outline.
class SkinnedDialog : public QWidget {
    Q_OBJECT
public:
    SkinnedDialog(QWidget* mainWindow, const QString& name);

protected:
    void showEvent(QShowEvent* event) override;

    // A caption button of the dialog's own.
    QPushButton* AddButton(const QString& name, const QString& caption, const QRect& geometry);
    // Call at the end of the derived constructor, when every drag surface exists.
    void FinishSkin();

private:
    void FormShow();

    QPointer<QWidget> mainWindow_;
};

} // namespace lumbrant
