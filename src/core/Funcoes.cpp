#include "core/Funcoes.h"

#include "core/AppContext.h"
#include "core/Clock.h"
#include "core/Database.h"
#include "core/MessageService.h"
#include "core/Session.h"

namespace Funcoes {

bool temPermissao(Database &db, const QString &codUsuario, const QString &codModulo)
{
    const QString filled = codModulo.size() < 15 ? codModulo.leftJustified(15, u' ') : codModulo;
    // Asked before every gated item and button: read-only, so that ending the
    // transaction writes nothing.
    Transaction tx(db, Transaction::Access::ReadOnly);
    const ResultSet rows = db.select(
        tx, QStringLiteral("Select PER_Ativo From Permissoes Where PER_CodUser=:CodUserC and PER_CodMod=:CodModC"),
        {{QStringLiteral("CodUserC"), codUsuario}, {QStringLiteral("CodModC"), filled}});
    tx.commit();
    return !rows.isEmpty() && rows.value(0, 0).toString() == QStringLiteral("S");
}

bool permissionGate(AppContext &ctx, const QString &codModulo)
{
    if (ctx.session.confPermissao != QStringLiteral("S") || ctx.session.confLogin != QStringLiteral("S"))
        return true;
    if (temPermissao(ctx.db, ctx.session.codUsuario, codModulo))
        return true;
    ctx.messages.warning(kSemPermissao);
    return false;
}

void gravaLog(AppContext &ctx, Transaction &tx, const QString &codUsuario, const QString &evento)
{
    if (ctx.session.confLog != QStringLiteral("S"))
        return;
    const QDateTime now = ctx.clock.now();
    ctx.db.execute(tx,
                   QStringLiteral("Insert Into LOG (LOG_CodUser,LOG_Descricao, LOG_data, LOG_Hora)\n"
                                  "Values (:CodUserC, :DescricaoC, :DataC, :HoraC)"),
                   {{QStringLiteral("CodUserC"), codUsuario},
                    {QStringLiteral("DescricaoC"), evento},
                    {QStringLiteral("DataC"), now.date()},
                    {QStringLiteral("HoraC"), now.time()}});
}

void gravaLog(AppContext &ctx, Transaction &tx, const QString &evento)
{
    gravaLog(ctx, tx, ctx.session.codUsuario, evento);
}

QString completaEspacos(const QString &text, int width, const QString &side)
{
    const int n = width - int(text.size());
    if (n <= 0)
        return text;
    const QString spaces(n, u' ');
    return side == QStringLiteral("s") ? text + spaces : spaces + text;
}

QString completaZeros(const QString &text, int width)
{
    return text.size() >= width ? text : QString(width - text.size(), u'0') + text;
}

QString soNumeros(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text)
        if ((c >= u'0' && c <= u'9') || c == u',' || c == u'-')
            out += c;
    return out;
}

} // namespace Funcoes
