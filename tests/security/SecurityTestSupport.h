#pragma once

#include "core/Database.h"

#include <QDate>
#include <QString>

// Rows the security tests set up directly.
inline void insertUser(Database &db, const QString &code, const QString &login, const QString &ativo = "A",
                       const QString &nome = {})
{
    db.execute(QStringLiteral("Insert Into Usuarios (USU_Codigo, USU_Nome, USU_Login, USU_Senha, USU_Ativo, USU_DCad) "
                              "Values (:cCod, :cNome, :cLogin, :cSenha, :cAtivo, :dCad)"),
               {{"cCod", code}, {"cNome", nome.isEmpty() ? QStringLiteral("Nome ") + login : nome}, {"cLogin", login},
                {"cSenha", QStringLiteral("segredo")}, {"cAtivo", ativo}, {"dCad", QDate(2026, 1, 5)}});
}

inline void setSwitches(Database &db, const char *login, const char *permissao, const char *log)
{
    db.execute(QStringLiteral("Update Configuracoes Set LOGIN = :a, Permissao = :b, Log = :c"),
               {{"a", login}, {"b", permissao}, {"c", log}});
}

inline QString storedSwitches(Database &db)
{
    const auto r = db.select(QStringLiteral("Select LOGIN, Permissao, Log From Configuracoes")).first();
    return r.text("LOGIN") + r.text("Permissao") + r.text("Log");
}
