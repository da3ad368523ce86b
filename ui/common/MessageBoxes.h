#pragma once

#include "common/Messages.h"

#include <QString>

#include <functional>

namespace varnel {

enum class TMessageKind { Information, Error };

// Every message box and Yes/No question of the windows goes through these
// functions, so that tests can record the texts and script the answers.
using MessageBoxFunction = std::function<void(TMessageKind kind, const QString& text)>;
using QuestionFunction = std::function<bool(const QString& text)>;

void ShowInfoMessage(const QString& text);
void ShowErrorMessage(const QString& text);
// A question with a confirmation icon and the buttons Yes and No; true on Yes.
bool AskYesNo(const QString& text);

// Each returns the function it replaces; an empty function restores the
// real message box.
MessageBoxFunction SetMessageBoxFunction(MessageBoxFunction function);
QuestionFunction SetQuestionFunction(QuestionFunction function);

// What the core had to say, one information box per text.
void ShowCoreMessages(const TMessages& messages);

} // namespace varnel
