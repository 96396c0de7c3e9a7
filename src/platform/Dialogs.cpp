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

std::optional<DialogAnswer> Scripted(DialogRequest::Kind kind, const QString& title,
                                     const QString& text)
{
    if (!Script())
        return std::nullopt;
    return Script()(DialogRequest{kind, title, text});
}

} // namespace

void SetDialogScript(DialogScript script)
{
    Script() = std::move(script);
}

void ShowMessage(const QString& text)
{
    if (Scripted(DialogRequest::Kind::Message, {}, text))
        return;
    QMessageBox box(QMessageBox::NoIcon, QString(), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

bool AskYesNo(const QString& text)
{
    if (const auto answer = Scripted(DialogRequest::Kind::Question, {}, text))
        return answer->accepted;
    QMessageBox box(QMessageBox::Warning, QString(), text, QMessageBox::Yes | QMessageBox::No,
                    QApplication::activeWindow());
    return box.exec() == QMessageBox::Yes;
}

QString SelectFolder(const QString& title, const QString& prompt)
{
    if (const auto answer = Scripted(DialogRequest::Kind::SelectFolder, title, prompt))
        return answer->accepted ? answer->path : QString();

    // Qt's own dialog, because the platform ones have no place for a prompt.
    QFileDialog dialog(QApplication::activeWindow(), title);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout())) {
        auto* label = new QLabel(prompt, &dialog);
        label->setWordWrap(true);
        grid->addWidget(label, grid->rowCount(), 0, 1, grid->columnCount());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace platform
