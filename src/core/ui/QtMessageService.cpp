#include "core/ui/QtMessageService.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {

void show(QMessageBox::Icon icon, const QString &title, const QString &text)
{
    QMessageBox box(icon, title, MessageService::displayText(text), QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

// File dialogs may change the current directory; the program's files live there.
template <class F> QString keepingWorkingDirectory(F &&dialog)
{
    const QString cwd = QDir::currentPath();
    QString chosen = dialog();
    QDir::setCurrent(cwd);
    return chosen;
}

} // namespace

void QtMessageService::message(const QString &text) { show(QMessageBox::NoIcon, QApplication::applicationDisplayName(), text); }
void QtMessageService::information(const QString &text) { show(QMessageBox::Information, QStringLiteral("Informação"), text); }
void QtMessageService::warning(const QString &text) { show(QMessageBox::Warning, QStringLiteral("Aviso"), text); }
void QtMessageService::error(const QString &text) { show(QMessageBox::Critical, QStringLiteral("Erro"), text); }

bool QtMessageService::confirm(const QString &text)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Confirmação"), displayText(text),
                    QMessageBox::NoButton, QApplication::activeWindow());
    QPushButton *yes = box.addButton(QStringLiteral("Sim"), QMessageBox::YesRole);
    box.addButton(QStringLiteral("Não"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.exec();
    return box.clickedButton() == yes;
}

QString QtMessageService::openFileName(const QString &caption, const QString &dir, const QString &filter)
{
    return keepingWorkingDirectory([&] { return QFileDialog::getOpenFileName(QApplication::activeWindow(), caption, dir, filter); });
}

QString QtMessageService::saveFileName(const QString &caption, const QString &dir, const QString &filter)
{
    return keepingWorkingDirectory([&] { return QFileDialog::getSaveFileName(QApplication::activeWindow(), caption, dir, filter); });
}
