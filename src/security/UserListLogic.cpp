#include "security/UserListLogic.h"

#include "core/AppContext.h"
#include "core/Database.h"
#include "core/MessageService.h"
#include "registers/ColumnFormats.h"
#include "security/UserRules.h"

const std::vector<GridColumn> &UserListLogic::columns()
{
    static const std::vector<GridColumn> list{
        ColumnFormats::text(QStringLiteral("USU_CODIGO"), QStringLiteral("Código")),
        ColumnFormats::text(QStringLiteral("USU_NOME"), QStringLiteral("Nome")),
        ColumnFormats::text(QStringLiteral("USU_LOGIN"), QStringLiteral("Login")),
        ColumnFormats::text(QStringLiteral("USU_ATIVO"), QStringLiteral("Ativo")),
        ColumnFormats::date(QStringLiteral("USU_DCAD"), QStringLiteral("D.Cadastramento")),
    };
    return list;
}

QString UserListLogic::column() const
{
    switch (m_order) {
    case Order::Codigo: return QStringLiteral("USU_CODIGO");
    case Order::Login: return QStringLiteral("USU_LOGIN");
    case Order::Nome: break;
    }
    return QStringLiteral("USU_NOME");
}

QString UserListLogic::searchLabel() const
{
    switch (m_order) {
    case Order::Codigo: return QStringLiteral("Código:");
    case Order::Login: return QStringLiteral("Login:");
    case Order::Nome: break;
    }
    return QStringLiteral("Nome:");
}

void UserListLogic::read()
{
    // Explicit columns: no password in a list.
    m_rows = m_ctx.db.select(QStringLiteral("Select USU_Codigo, USU_Nome, USU_Login, USU_Ativo, USU_DCad "
                                            "From Usuarios order By ")
                             + column());
}

void UserListLogic::show()
{
    m_order = Order::Nome;
    read();
    setCurrent(0);
}

void UserListLogic::chooseOrder(Order order)
{
    m_order = order;
    reload();
}

void UserListLogic::reload()
{
    const QString code = currentCode();
    read();
    setCurrent(0);
    for (int i = 0; i < m_rows.size(); ++i)
        if (m_rows.row(i).text(QStringLiteral("USU_CODIGO")) == code)
            setCurrent(i);
}

QString UserListLogic::currentCode() const
{
    return m_current < 0 ? QString() : m_rows.row(m_current).text(QStringLiteral("USU_CODIGO"));
}

QString UserListLogic::busca(const QString &text)
{
    const QString shown = m_order == Order::Codigo ? UserRules::normaliseCode(text) : text;
    const int found = findPrefix(m_rows, column(), shown);
    if (found >= 0)
        m_current = found;
    return shown;
}

bool UserListLogic::mayOpen(Modo modo)
{
    if (modo == Modo::Inclui || !m_rows.isEmpty())
        return true;
    switch (modo) {
    case Modo::Altera: m_ctx.messages.information(QStringLiteral("Nenhum Usuário para Alterar !")); break;
    case Modo::Exclui: m_ctx.messages.information(QStringLiteral("Nenhum Usuário para Excluir !")); break;
    default: m_ctx.messages.information(QStringLiteral("Nenhum Usuário para Consulta !")); break;
    }
    return false;
}
