#include "security/ui/TfDados_Usuarios.h"

#include "controls/ui/TComboBoxV.h"
#include "controls/ui/TEditV.h"
#include "core/ui/FocusWatch.h"

#include <QDateEdit>
#include <QPushButton>
#include <QTimer>

namespace {

const QString kAtivo = QStringLiteral("Ativo");
const QString kInativo = QStringLiteral("Inativo");

// Typed masked with "*", whatever the style's own mask character.
void masked(QLineEdit *field)
{
    field->setEchoMode(QLineEdit::Password);
    field->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));
}

} // namespace

TfDados_Usuarios::TfDados_Usuarios(AppContext &ctx, QWidget *parent)
    : RecordDataWindow(QStringLiteral("Gravar"), DeleteButton::Separate, parent), m_logic(ctx)
{
    setObjectName(QStringLiteral("TfDados_Usuarios"));
    m_codigo = addLine(QStringLiteral("USU_CODIGO"), QStringLiteral("Código:"), 6);
    m_nome = addLine(QStringLiteral("USU_NOME"), QStringLiteral("Nome Completo do Usuário:"), UserLogic::kNomeWidth);
    m_login = addLine(QStringLiteral("USU_LOGIN"), QStringLiteral("Login:"), UserLogic::kLoginWidth);
    m_senha = addLine(QStringLiteral("USU_SENHA"), QStringLiteral("Senha:"), UserLogic::kSenhaWidth);
    m_senha2 = addLine(QStringLiteral("USU_SENHA2"), QStringLiteral("Redigite a Senha:"), UserLogic::kSenhaWidth);
    masked(m_senha);
    masked(m_senha2);
    m_ativo = new TComboBoxV(this);
    m_ativo->setObjectName(QStringLiteral("USU_ATIVO"));
    m_ativo->addItems({kAtivo, kInativo});
    addRow(QStringLiteral("Ativo:"), m_ativo);
    m_dcad = addDate(QStringLiteral("USU_DCAD"), QStringLiteral("D.Cadastramento"));
    setCodeField(m_codigo);
    setNameField(m_nome);
    deleteButton()->setText(QStringLiteral("Excluir"));

    FocusWatch::onEnter(m_codigo, [this] {
        if (const auto next = m_logic.enterCode())
            m_codigo->setText(*next);
        QTimer::singleShot(0, m_nome, [this] { m_nome->setFocus(); });
    });
    connect(saveButton(), &QPushButton::clicked, this, &TfDados_Usuarios::gravar);
    connect(deleteButton(), &QPushButton::clicked, this, &TfDados_Usuarios::gravar);
    connect(clearButton(), &QPushButton::clicked, this, [this] {
        m_logic.clear();
        push();
    });
}

ModeSetup TfDados_Usuarios::prepare()
{
    m_logic.prepare();
    return m_logic.modeSetup();
}

void TfDados_Usuarios::push()
{
    const UserLogic::Values &v = m_logic.values();
    m_codigo->setText(v.codigo);
    m_nome->setText(v.nome);
    m_login->setText(v.login);
    m_senha->setText(v.senha);
    m_senha2->setText(v.senha2);
    m_ativo->setCurrentText(v.ativo ? kAtivo : kInativo);
    showDate(m_dcad, v.dcad);
}

void TfDados_Usuarios::pull()
{
    UserLogic::Values &v = m_logic.values();
    v.codigo = m_codigo->text();
    v.nome = m_nome->text();
    v.login = m_login->text();
    v.senha = m_senha->text();
    v.senha2 = m_senha2->text();
    v.ativo = m_ativo->currentText() == kAtivo;
    v.dcad = dateOf(m_dcad);
}

void TfDados_Usuarios::gravar()
{
    pull();
    const UserLogic::SaveResult result = m_logic.save();
    if (!result.saved) {
        // The code the save allocated is shown; everything else stays as typed.
        m_codigo->setText(m_logic.values().codigo);
        QLineEdit *focus = result.focus == UserLogic::Field::Nome    ? m_nome
                           : result.focus == UserLogic::Field::Login ? m_login
                           : result.focus == UserLogic::Field::Senha ? m_senha
                                                                     : nullptr;
        if (focus)
            focus->setFocus();
        return;
    }
    if (onListChanged)
        onListChanged();
    if (result.closeWindow) {
        accept();
        return;
    }
    push();
    m_codigo->setFocus(); // the next code, then on to the name
}
