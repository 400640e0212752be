#pragma once

#include "core/RecordListLogic.h"
#include "core/ResultSet.h"
#include "security/UserRules.h"

#include <QDate>
#include <QString>
#include <optional>
#include <vector>

struct AppContext;

// The audit-log query: picking a user by code or login, and the lines of a
// period (both dates inclusive) for that user or for all, in date and time
// order. Lines of users no longer in Usuarios are not shown.
class ConsultaLogLogic {
public:
    static inline const QString kCodigoNaoCadastrado = QStringLiteral("Usuário não Cadastrado, tente outro código");
    static inline const QString kLoginNaoCadastrado = QStringLiteral("Usuário não Cadastrado, tente outro Login");

    explicit ConsultaLogLogic(AppContext &ctx) : m_ctx(ctx) {}

    static const std::vector<GridColumn> &columns();

    // Leaving the code or the login field.
    UserRules::Pick leaveCode(const QString &typed);
    UserRules::Pick leaveLogin(const QString &typed);
    // "Filtrar": a blank code reads every user's lines. Throws DbError.
    void filtrar(const QString &codigo, const QDate &inicial, const QDate &final);
    // The last result; empty until the first "Filtrar".
    const ResultSet &rows() const { return m_rows; }

private:
    AppContext &m_ctx;
    ResultSet m_rows;
};
