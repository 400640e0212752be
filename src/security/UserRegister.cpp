#include "security/UserRegister.h"

#include "core/Funcoes.h"
#include "security/UserRules.h"

namespace UserRegister {

namespace {

RecordDescription makeData()
{
    using K = FieldDescription::Kind;
    using F = ModeSetup::Focus;
    RecordDescription d;
    d.codeColumn = QStringLiteral("USU_CODIGO");
    d.codeParameter = QStringLiteral("CodigoC");
    d.code = {.form = CodePolicy::Form::Digits,
              .width = UserRules::kCodeWidth,
              .maxStatement = QStringLiteral("Select MAX(USU_Codigo) as Cod From Usuarios"),
              .existsStatement = QStringLiteral("Select USU_Codigo From Usuarios Where USU_Codigo=:cCodigo"),
              .takenMessage = QString(),
              .digitsOnly = true};
    d.fields = {
        {.column = QStringLiteral("USU_CODIGO"), .label = QStringLiteral("Código:"), .width = UserRules::kCodeWidth},
        {.column = QStringLiteral("USU_NOME"), .label = QStringLiteral("Nome Completo do Usuário:"), .width = 50,
         .parameter = QStringLiteral("NomeC")},
        {.column = QStringLiteral("USU_LOGIN"), .label = QStringLiteral("Login:"), .width = 10,
         .parameter = QStringLiteral("LoginC")},
        {.column = QStringLiteral("USU_SENHA"), .label = QStringLiteral("Senha:"), .width = 10,
         .parameter = QStringLiteral("SenhaC")},
        {.column = kSenha2, .label = QStringLiteral("Redigite a Senha:"), .width = 10},
        // "Ativo" / "Inativo", stored "A" / "I" (bound by the logic).
        {.column = QStringLiteral("USU_ATIVO"), .label = QStringLiteral("Ativo:"), .kind = K::YesNo},
        {.column = QStringLiteral("USU_DCAD"), .label = QStringLiteral("D.Cadastramento"), .kind = K::Date,
         .parameter = QStringLiteral("DCadC")},
    };
    // Explicit columns: the password is read for the window only, never for a list.
    d.selectStatement = QStringLiteral("Select USU_Codigo, USU_Nome, USU_Login, USU_Senha, USU_Senha as USU_SENHA2, "
                                       "USU_Ativo, USU_DCad From Usuarios Where USU_Codigo=:CodigoC");
    d.insertStatement = QStringLiteral("Insert into Usuarios (USU_Codigo,USU_Nome, USU_Login, USU_Senha, USU_Ativo, "
                                       "USU_DCad)\nValues (:CodigoC,:NomeC,:LoginC, :SenhaC,:AtivoC,:DCadC)");
    d.updateStatement = QStringLiteral("Update USUARIOS SET USU_Nome=:NomeC,USU_Login=:LoginC, USU_Senha=:SenhaC, "
                                       "USU_Ativo=:AtivoC, USU_DCad=:DCadC\nWhere USU_Codigo=:CodigoC");
    d.deleteStatement = QStringLiteral("Delete From USUARIOS\nWhere USU_Codigo=:CodigoC");
    d.audit = {AuditEvent::InclusaoUsuario, AuditEvent::AlteracaoUsuario, AuditEvent::ExclusaoUsuario};
    d.todayColumn = QStringLiteral("USU_DCAD");
    // The code is never typed: entering its field proposes it and moves on.
    d.modes = {{
        {.title = QStringLiteral("Inclusão de Usuários"), .saveVisible = true, .saveCaption = QStringLiteral("Grava"),
         .clearVisible = true, .codeReadOnly = true, .focus = F::Code},
        {.title = QStringLiteral("Alteração de Usuários"), .saveVisible = true,
         .saveCaption = QStringLiteral("Alterar"), .codeReadOnly = true, .focus = F::Code},
        {.title = QStringLiteral("Exclusão de Usuários"), .saveCaption = QStringLiteral("Grava"),
         .deleteVisible = true, .codeReadOnly = true, .fieldsReadOnly = true, .focus = F::Code},
        {.title = QStringLiteral("Consulta de Usuários"), .saveCaption = QStringLiteral("Grava"),
         .codeReadOnly = true, .fieldsReadOnly = true, .focus = F::Code},
    }};
    return d;
}

} // namespace

const RecordDescription &data()
{
    static const RecordDescription d = makeData();
    return d;
}

} // namespace UserRegister
