#include "Dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>

#include <optional>

namespace platform {

namespace {

DialogScript& Script()
{
    static DialogScript script;
    return script;
}

std::optional<DialogAnswer> Scripted(const DialogRequest& request)
{
    if (!Script())
        return std::nullopt;
    return Script()(request);
}

// Qt's own file dialog, because the platform ones have no place for a prompt.
void AddPrompt(QFileDialog& dialog, const QString& prompt)
{
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout())) {
        auto* label = new QLabel(prompt, &dialog);
        label->setWordWrap(true);
        grid->addWidget(label, grid->rowCount(), 0, 1, grid->columnCount());
    }
}

QString RunFileDialog(const FileDialog& request, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(QApplication::activeWindow(), request.title, request.folder, request.filter);
    AddPrompt(dialog, request.prompt);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile
                                                       : QFileDialog::ExistingFile);
    if (!request.suggestedName.isEmpty())
        dialog.selectFile(request.suggestedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString ScriptedOrReal(DialogRequest::Kind kind, const FileDialog& request,
                       QFileDialog::AcceptMode mode)
{
    if (const auto answer = Scripted({kind, request.title, request.prompt, request.folder,
                                      request.suggestedName, request.filter}))
        return answer->accepted ? answer->path : QString();
    return RunFileDialog(request, mode);
}

} // namespace

void SetDialogScript(DialogScript script)
{
    Script() = std::move(script);
}

void ShowMessage(const QString& text)
{
    if (Scripted({DialogRequest::Kind::Message, {}, text, {}, {}, {}}))
        return;
    QMessageBox box(QMessageBox::NoIcon, QString(), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

bool AskYesNo(const QString& text)
{
    if (const auto answer = Scripted({DialogRequest::Kind::Question, {}, text, {}, {}, {}}))
        return answer->accepted;
    QMessageBox box(QMessageBox::Warning, QString(), text, QMessageBox::Yes | QMessageBox::No,
                    QApplication::activeWindow());
    return box.exec() == QMessageBox::Yes;
}

QString SelectFolder(const QString& title, const QString& prompt)
{
    if (const auto answer =
            Scripted({DialogRequest::Kind::SelectFolder, title, prompt, {}, {}, {}}))
        return answer->accepted ? answer->path : QString();

    QFileDialog dialog(QApplication::activeWindow(), title);
    AddPrompt(dialog, prompt);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString ChooseFileToOpen(const FileDialog& dialog)
{
    return ScriptedOrReal(DialogRequest::Kind::OpenFile, dialog, QFileDialog::AcceptOpen);
}

QString ChooseFileToSave(const FileDialog& dialog)
{
    return ScriptedOrReal(DialogRequest::Kind::SaveFile, dialog, QFileDialog::AcceptSave);
}

} // namespace platform
