#pragma once

#include <QString>

// The order statuses of `PED_SITU` and the five moves between them: which
// statuses each move starts from and the refusal for each status it does not.
namespace OrderStatus {

inline const QString Aberto = QStringLiteral("A");
inline const QString EmAndamento = QStringLiteral("E");
inline const QString SaiuEntrega = QStringLiteral("S");
inline const QString Fechado = QStringLiteral("F");
inline const QString Cancelado = QStringLiteral("C");

// The buttons of "Alterar Situação".
enum class Move { Aberto, Cancelar, EmAndamento, SaiuEntrega, Fechado };

struct MoveRule {
    QString moduleCode;
    QString target;     // the status written
    QString allowedFrom; // one letter per status
    QString successText;
    QString auditPrefix;
    QString failureText;
    QString deliveryMode; // "Saiu" / "Fechado" when the move opens the delivery window
};

const MoveRule &rule(Move move);
inline bool allows(Move move, const QString &status)
{
    return status.size() == 1 && rule(move).allowedFrom.contains(status);
}
// The error shown when `move` is pressed on an order in `status`; empty when
// the move is allowed or stops without a message (an unknown status).
QString refusal(Move move, const QString &status);

} // namespace OrderStatus
