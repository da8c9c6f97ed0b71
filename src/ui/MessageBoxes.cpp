#include "ui/MessageBoxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <deque>

namespace lumbrant {

namespace {

std::deque<BoxAnswer> nextAnswers;
bool answerEveryBox = false;
QStringList shown;

// True when a test has answered this box already.
bool Preanswered(const QString& text, BoxAnswer& answer) {
    if (nextAnswers.empty() && !answerEveryBox) {
        return false;
    }
    shown << text;
    if (!nextAnswers.empty()) {
        answer = nextAnswers.front();
        nextAnswers.pop_front();
    } else {
        answer = BoxAnswer::None;
    }
    return true;
}

QString Title() {
    return QApplication::applicationDisplayName();
}

} // namespace

void MessageBoxes::Information(QWidget* parent, const QString& text) {
    BoxAnswer ignored;
    if (Preanswered(text, ignored)) {
        return;
    }
    QMessageBox::information(parent, Title(), text, QMessageBox::Ok);
}

BoxAnswer MessageBoxes::Question(QWidget* parent, const QString& text) {
    BoxAnswer answer = BoxAnswer::None;
    if (Preanswered(text, answer)) {
        return answer;
    }
    QMessageBox box(QMessageBox::Information, Title(), text, QMessageBox::Yes | QMessageBox::No,
                    parent);
    // Esc and the box's own close button answer neither Yes nor No: both
    // press this button, which never shows.
    QPushButton* neither = box.addButton(QMessageBox::Cancel);
    neither->hide();
    box.setEscapeButton(neither);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return BoxAnswer::Yes;
    case QMessageBox::No:
        return BoxAnswer::No;
    default:
        return BoxAnswer::None;
    }
}

void MessageBoxes::Error(QWidget* parent, const QString& text) {
    BoxAnswer ignored;
    if (Preanswered(text, ignored)) {
        return;
    }
    QMessageBox::critical(parent, Title(), text, QMessageBox::Ok);
}

void MessageBoxes::setNextAnswer(BoxAnswer answer) {
    nextAnswers.push_back(answer);
}

void MessageBoxes::setAnswerEveryBox(bool answer) {
    answerEveryBox = answer;
}

QStringList MessageBoxes::shownTexts() {
    return shown;
}

void MessageBoxes::clearShownTexts() {
    shown.clear();
}

} // namespace lumbrant
