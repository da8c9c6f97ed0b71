#pragma once

// The program's modal boxes. Tests answer them in advance (setNextAnswer) and
// read what would have been shown, so that no real modal blocks a test.

#include "core/MainView.h"

#include <QString>
#include <QStringList>

class QWidget;

namespace lumbrant {

class MessageBoxes {
public:
    // A modal box with an OK button.
    static void Information(QWidget* parent, const QString& text);
    // A modal box of the information kind with Yes and No.
    static BoxAnswer Question(QWidget* parent, const QString& text);
    // A modal box with an error's text, the way unhandled errors are shown.
    static void Error(QWidget* parent, const QString& text);

    // Test support: the next boxes are answered without being shown.
    static void setNextAnswer(BoxAnswer answer);
    static void setAnswerEveryBox(bool answer);
    static QStringList shownTexts();
    static void clearShownTexts();
};

} // namespace lumbrant
