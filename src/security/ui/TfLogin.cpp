#include "security/ui/TfLogin.h"
#include "controls/ui/WindowConventions.h"

#include "core/AppContext.h"
#include "core/DbError.h"
#include "core/MessageService.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Enter has no meaning here: neither button reacts to it.
QPushButton *plainButton(const QString &text, const QString &name, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    b->setDefault(false);
    return b;
}

} // namespace

TfLogin::TfLogin(AppContext &ctx, QWidget *parent) : QDialog(parent), m_ctx(ctx), m_logic(ctx)
{
    setObjectName(QStringLiteral("TfLogin"));
    setWindowTitle(QStringLiteral("Login"));
    // No title-bar buttons: only the title stays.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    auto *heading = new QLabel(QStringLiteral("Por Favor, identifique-se"), this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);

    m_login = new QLineEdit(this);
    m_login->setObjectName(QStringLiteral("edLogin"));
    m_senha = new QLineEdit(this);
    m_senha->setObjectName(QStringLiteral("edSenha"));
    m_senha->setEchoMode(QLineEdit::Password);
    // Masked with "*" whatever the style's own mask character.
    m_senha->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Login"), m_login);
    form->addRow(QStringLiteral("Senha"), m_senha);

    auto *entrarButton = plainButton(QStringLiteral("Entrar"), QStringLiteral("btEntrar"), this);
    auto *cancelarButton = plainButton(QStringLiteral("Cancelar"), QStringLiteral("btCancelar"), this);
    connect(entrarButton, &QPushButton::clicked, this, &TfLogin::entrar);
    connect(cancelarButton, &QPushButton::clicked, this, &TfLogin::cancelar);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(entrarButton);
    buttons->addWidget(cancelarButton);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(form);
    layout->addLayout(buttons);
    WindowConventions::focusHighlight(this);
}

void TfLogin::entrar()
{
    try {
        if (m_logic.entrar(m_login->text(), m_senha->text()))
            accept();
    } catch (const DbError &e) {
        m_ctx.messages.error(e.message());
    }
}

void TfLogin::cancelar()
{
    m_logic.cancelar();
    m_cancelling = true;
    QDialog::done(QDialog::Rejected);
}

void TfLogin::done(int result)
{
    if (m_cancelling) {
        QDialog::done(result);
        return;
    }
    try {
        const bool known = m_logic.closingCheck(m_login->text(), m_senha->text());
        QDialog::done(known ? QDialog::Accepted : QDialog::Rejected);
    } catch (const DbError &e) {
        m_ctx.messages.error(e.message());
    }
}
