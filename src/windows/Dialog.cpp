#include "Dialog.h"

#include "Controls.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

Dialog::Dialog(const QString& title, QSize size, CloseBox closeBox)
    : QDialog(nullptr, closeBox == CloseBox::Shown
                           ? Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                           : Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setWindowTitle(title);
    setFixedSize(size);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);
}

void Dialog::CentreOnScreen()
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    move((screen.width() - width()) / 2, (screen.height() - height()) / 2);
}

void Dialog::done(int result)
{
    if (!m_closed) {
        m_closed = true;
        Closing();
    }
    QDialog::done(result);
}

QLabel* Dialog::AddLabel(const QString& name, const QString& text, const QRect& geometry)
{
    return Placed(new QLabel(text, this), name, geometry);
}
