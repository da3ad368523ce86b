#include "ui/common/MessageBoxes.h"

#include <QApplication>
#include <QMessageBox>

namespace varnel {

namespace {

QWidget* DialogParent() {
    return QApplication::activeWindow();
}

void RealMessageBox(TMessageKind kind, const QString& text) {
    const QString title = QApplication::applicationName();
    if (kind == TMessageKind::Error)
        QMessageBox::critical(DialogParent(), title, text);
    else
        QMessageBox::information(DialogParent(), title, text);
}

bool RealQuestion(const QString& text) {
    QMessageBox box(QMessageBox::Question, QApplication::applicationName(), text,
                    QMessageBox::Yes | QMessageBox::No, DialogParent());
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

MessageBoxFunction& CurrentMessageBox() {
    static MessageBoxFunction function;
    return function;
}

QuestionFunction& CurrentQuestion() {
    static QuestionFunction function;
    return function;
}

void Show(TMessageKind kind, const QString& text) {
    if (CurrentMessageBox())
        CurrentMessageBox()(kind, text);
    else
        RealMessageBox(kind, text);
}

} // namespace

void ShowInfoMessage(const QString& text) {
    Show(TMessageKind::Information, text);
}

void ShowErrorMessage(const QString& text) {
    Show(TMessageKind::Error, text);
}

bool AskYesNo(const QString& text) {
    return CurrentQuestion() ? CurrentQuestion()(text) : RealQuestion(text);
}

MessageBoxFunction SetMessageBoxFunction(MessageBoxFunction function) {
    return std::exchange(CurrentMessageBox(), std::move(function));
}

QuestionFunction SetQuestionFunction(QuestionFunction function) {
    return std::exchange(CurrentQuestion(), std::move(function));
}

void ShowCoreMessages(const TMessages& messages) {
    for (const std::string& text : messages)
        ShowInfoMessage(QString::fromStdString(text));
}

} // namespace varnel
