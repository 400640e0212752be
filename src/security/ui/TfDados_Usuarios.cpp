#include "security/ui/TfDados_Usuarios.h"

#include "core/ui/FocusWatch.h"
#include "security/UserRegister.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTimer>

namespace {

// Typed masked with "*", whatever the style's own mask character.
void masked(QLineEdit *field)
{
    field->setEchoMode(QLineEdit::Password);
    field->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));
}

void focusLater(QWidget *w)
{
    QTimer::singleShot(0, w, [w] { w->setFocus(); });
}

} // namespace

TfDados_Usuarios::TfDados_Usuarios(AppContext &ctx, QWidget *parent)
    : RecordDataWindow(m_logic, UserRegister::data(), DeleteButton::Separate, parent), m_logic(ctx)
{
    setObjectName(QStringLiteral("TfDados_Usuarios"));
    masked(edit(QStringLiteral("USU_SENHA")));
    masked(edit(UserRegister::kSenha2));
    if (auto *choice = qobject_cast<QComboBox *>(fieldWidget(QStringLiteral("USU_ATIVO")))) {
        choice->setItemText(0, QStringLiteral("Ativo"));
        choice->setItemText(1, QStringLiteral("Inativo"));
    }
    QLineEdit *code = codeField();
    FocusWatch::onEnter(code, [this, code] {
        if (const auto next = m_logic.proposeCode())
            code->setText(*next);
        focusLater(fieldWidget(QStringLiteral("USU_NOME")));
    });
}

RecordSaveResult TfDados_Usuarios::saveRecord()
{
    const RecordSaveResult result = m_logic.save();
    if (!result.saved) {
        const UserLogic::Field at = m_logic.refusedAt();
        const char *column = at == UserLogic::Field::Nome    ? "USU_NOME"
                             : at == UserLogic::Field::Login ? "USU_LOGIN"
                             : at == UserLogic::Field::Senha ? "USU_SENHA"
                                                             : nullptr;
        if (column)
            focusLater(fieldWidget(QString::fromLatin1(column)));
    }
    return result;
}
