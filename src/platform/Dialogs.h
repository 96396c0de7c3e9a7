#pragma once

#include <QString>

#include <functional>

// The program's modal dialogs. Tests install a script that answers them in
// place of a person and sees what was asked.
namespace platform {

struct DialogRequest
{
    enum class Kind { Message, Question, SelectFolder };
    Kind kind = Kind::Message;
    QString title;
    QString text; // the message, the question or the prompt
};

struct DialogAnswer
{
    bool accepted = false; // OK/Yes, or a folder was chosen
    QString path;          // the folder chosen
};

using DialogScript = std::function<DialogAnswer(const DialogRequest&)>;
// An empty script brings the real dialogs back.
void SetDialogScript(DialogScript script);

// A message with an OK button.
void ShowMessage(const QString& text);
// A question with Yes and No and a caution icon; true for Yes.
bool AskYesNo(const QString& text);
// A folder chooser; an empty text when the user cancels.
QString SelectFolder(const QString& title, const QString& prompt);

} // namespace platform
