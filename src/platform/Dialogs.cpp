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

DialogRequest Request(DialogRequest::Kind kind, const QString& title, const QString& text)
{
    return {kind, title, text, {}, {}, {}};
}

// Qt's own file dialog for folders, opening and saving: the platform ones
// have no place for a prompt, which goes under the dialog's fields.
QString ChooseInFileDialog(DialogRequest::Kind kind, const FileDialog& request)
{
    if (const auto answer = Scripted({kind, request.title, request.prompt, request.folder,
                                      request.suggestedName, request.filter}))
        return answer->accepted ? answer->path : QString();

    QFileDialog dialog(QApplication::activeWindow(), request.title, request.folder, request.filter);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout())) {
        auto* label = new QLabel(request.prompt, &dialog);
        label->setWordWrap(true);
        grid->addWidget(label, grid->rowCount(), 0, 1, grid->columnCount());
    }
    switch (kind) {
    case DialogRequest::Kind::SelectFolder:
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setOption(QFileDialog::ShowDirsOnly);
        break;
    case DialogRequest::Kind::SaveFile:
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        break;
    default:
        dialog.setFileMode(QFileDialog::ExistingFile);
        break;
    }
    if (!request.suggestedName.isEmpty())
        dialog.selectFile(request.suggestedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

void SetDialogScript(DialogScript script)
{
    Script() = std::move(script);
}

void ShowMessage(const QString& text)
{
    if (Scripted(Request(DialogRequest::Kind::Message, {}, text)))
        return;
    QMessageBox box(QMessageBox::NoIcon, QString(), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

bool AskYesNo(const QString& text)
{
    if (const auto answer = Scripted(Request(DialogRequest::Kind::Question, {}, text)))
        return answer->accepted;
    QMessageBox box(QMessageBox::Warning, QString(), text, QMessageBox::Yes | QMessageBox::No,
                    QApplication::activeWindow());
    return box.exec() == QMessageBox::Yes;
}

QString SelectFolder(const QString& title, const QString& prompt)
{
    return ChooseInFileDialog(DialogRequest::Kind::SelectFolder, {title, prompt, {}, {}, {}});
}

QString ChooseFileToOpen(const FileDialog& dialog)
{
    return ChooseInFileDialog(DialogRequest::Kind::OpenFile, dialog);
}

QString ChooseFileToSave(const FileDialog& dialog)
{
    return ChooseInFileDialog(DialogRequest::Kind::SaveFile, dialog);
}

} // namespace platform
