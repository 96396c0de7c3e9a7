#pragma once

#include <QString>

#include <functional>

// The program's modal dialogs. Tests install a script that answers them in
// place of a person and sees what was asked.
namespace platform {

struct DialogRequest
{
    enum class Kind { Message, Question, SelectFolder, OpenFile, SaveFile };
    Kind kind = Kind::Message;
    QString title;
    QString text; // the message, the question or the prompt
    // File dialogs only:
    QString initialFolder;
    QString suggestedName;
    QString filter; // "Duetide Subject Transfer (*.dtxf)"
};

struct DialogAnswer
{
    bool accepted = false; // OK/Yes, or a folder or file was chosen
    QString path;          // the folder or file chosen
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

// Open and save dialogs for one kind of file, starting in `folder`; an empty
// text when the user cancels.
struct FileDialog
{
    QString title;
    QString prompt;
    QString folder;
    QString filter;
    QString suggestedName; // save dialogs only
};
QString ChooseFileToOpen(const FileDialog& dialog);
QString ChooseFileToSave(const FileDialog& dialog);

} // namespace platform
