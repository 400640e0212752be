#pragma once

#include "core/RecordListLogic.h"
#include "core/ResultSet.h"
#include "security/UserRules.h"

#include <QString>
#include <vector>

struct AppContext;

// Granting and revoking one user's module codes. Each row is toggled on its
// own; a user cannot revoke its own access to the user windows ("7.3"), so
// nobody locks themselves out of this window.
class PermissionsLogic {
public:
    static inline const QString kNaoCadastrado = QStringLiteral("Usuário não Cadastrado, tente outro");
    static inline const QString kEscolhaUsuario = QStringLiteral("É preciso Escolher um Usuário");
    static inline const QString kFalha = QStringLiteral("Não Consegui Alterar a Permissão, Tente Novamente !\rErro:  ");
    static inline const QString kPropriaPermissao =
        QStringLiteral("Não é Possível Retirar do Usuário Logado a Permissão de Usuários !");
    static inline const QString kAlteradaEmOutraEstacao =
        QStringLiteral("A permissão foi alterada em outra estação");

    explicit PermissionsLogic(AppContext &ctx) : m_ctx(ctx) {}

    static const std::vector<GridColumn> &columns();
    // Rows drawn in red: the revoked ones.
    static bool revoked(const Row &row);

    // On showing: the grid empty.
    void clear() { m_rows = ResultSet(); }
    // Leaving the code field.
    UserRules::Pick leaveCode(const QString &typed);
    // "Mostrar": false (after the error) when no code was given.
    bool mostrar(const QString &codigo);
    // "Altera" on a row: toggles it and reads the grid again. False when
    // nothing changed (an empty grid, a refusal or a failure, shown here).
    bool altera(int row);

    const ResultSet &rows() const { return m_rows; }

private:
    void read(const QString &codigo);

    AppContext &m_ctx;
    ResultSet m_rows;
    QString m_codigo;
};
