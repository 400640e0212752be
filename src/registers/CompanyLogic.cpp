#include "registers/CompanyLogic.h"

#include "core/AppContext.h"
#include "core/MessageService.h"
#include "core/Session.h"

namespace {

const QString kCodigo = QStringLiteral("EMP_CODIGO");

RecordDescription makeDescription()
{
    const auto text = &FieldDescription::text;
    RecordDescription d;
    d.codeColumn = kCodigo;
    d.codeParameter = QStringLiteral("CodigoC");
    d.fields = {
        text("EMP_NOME", "Nome Fantasia/Nome:", 80, "NomeC"),
        text("EMP_INSC", "I.Estadual/R.G.:", 18, "InscC"),
        text("EMP_ENDER", "Endereço:", 50, "EnderC"),
        text("EMP_BAIRRO", "Bairro:", 30, "BairroC"),
        text("EMP_CIDADE", "Cidade:", 29, "CidadeC"),
        text("EMP_UF", "UF:", 4, "UFC"),
        text("EMP_FONE", "Telefone:", 15, "FoneC"),
        text("EMP_FAX", "FAX:", 15, "FAXC"),
        text("EMP_HOMEP", "Home Page:", 80, "HomePC"),
        text("EMP_EMAIL", "Email:", 80, "EmailC"),
        {.column = QStringLiteral("EMP_OBS"), .label = QStringLiteral("Observações:"),
         .kind = FieldDescription::Kind::Memo, .width = 200, .parameter = QStringLiteral("OBSC")},
    };
    d.selectStatement = QStringLiteral("Select * From EMPRESA");
    d.updateStatement = QStringLiteral("Update Empresa SET EMP_Nome=:NomeC, EMP_INSC=:InscC,\n"
                                       "EMP_Ender=:EnderC, EMP_Bairro=:BairroC,EMP_Cidade=:CidadeC,\n"
                                       "EMP_UF=:UFC, EMP_Fone=:FoneC, EMP_Email=:EmailC,EMP_HomeP=:HomePC,\n"
                                       "EMP_FAX=:FAXC, EMP_OBS=:OBSC Where EMP_Codigo=:CodigoC");
    d.failure.update = QStringLiteral("Ocorreu um Erro, tente novamente !\rErro:  ");
    d.failure.kind = MessageService::Kind::Information;
    const ModeSetup only{.title = QStringLiteral("Dados da Empresa"), .saveVisible = true,
                         .saveCaption = QStringLiteral("Gravar"), .focus = ModeSetup::Focus::Name};
    d.modes = {only, only, only, only};
    return d;
}

} // namespace

CompanyLogic::CompanyLogic(AppContext &ctx) : RecordDataLogic(ctx, description())
{
    open(Modo::Altera, QStringLiteral("001"));
    clear();
}

const RecordDescription &CompanyLogic::description()
{
    static const RecordDescription d = makeDescription();
    return d;
}

void CompanyLogic::applyDefaults()
{
    setField(kCodigo, QStringLiteral("001"));
}

CompanyHeader CompanyLogic::header() const
{
    return {field(QStringLiteral("EMP_NOME")), field(QStringLiteral("EMP_ENDER")), field(QStringLiteral("EMP_FONE")),
            field(QStringLiteral("EMP_EMAIL")), field(QStringLiteral("EMP_HOMEP"))};
}

RecordSaveResult CompanyLogic::saved(RecordSave::Write, const RecordSave::Outcome &)
{
    // Tickets and report headers read the session's values.
    m_ctx.session.empNome = field(QStringLiteral("EMP_NOME"));
    m_ctx.session.empFone = field(QStringLiteral("EMP_FONE"));
    m_ctx.messages.information(QStringLiteral("Dados Gravados com Sucesso !"));
    RecordSaveResult result;
    result.saved = true;
    return result;
}
