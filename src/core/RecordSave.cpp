#include "core/RecordSave.h"

#include "core/AppContext.h"
#include "core/DbError.h"
#include "core/Funcoes.h"
#include "core/KeyAllocator.h"
#include "core/MessageService.h"
#include "core/RecordDescription.h"

#include <stdexcept>

namespace RecordSave {

namespace {

constexpr int kInsertTries = 3;

const QString &statementOf(const RecordDescription &d, Write write)
{
    switch (write) {
    case Write::Insert: return d.insertStatement;
    case Write::Update: return d.updateStatement;
    case Write::Delete: break;
    }
    return d.deleteStatement;
}

const QString &auditOf(const RecordDescription &d, Write write)
{
    switch (write) {
    case Write::Insert: return d.audit.insert;
    case Write::Update: return d.audit.update;
    case Write::Delete: break;
    }
    return d.audit.remove;
}

const QString &failureOf(const RecordDescription &d, Write write)
{
    switch (write) {
    case Write::Insert: return d.failure.insert;
    case Write::Update: return d.failure.update;
    case Write::Delete: break;
    }
    return d.failure.remove;
}

bool allocates(const RecordDescription &d)
{
    return d.code.form == CodePolicy::Form::Digits && !d.code.maxStatement.isEmpty();
}

// One attempt in one transaction; throws DbError.
void attempt(AppContext &ctx, const RecordDescription &d, Write write, Outcome &out, bool forceNewCode,
             const std::function<void(Params &)> &bind,
             const std::function<void(Transaction &, const QString &)> &alongside)
{
    Transaction tx(ctx.db);
    if (write == Write::Insert && allocates(d)
        && (forceNewCode || out.code.trimmed().isEmpty()
            || KeyAllocator::isTaken(tx, d.code.existsStatement, out.code))) {
        out.code = KeyAllocator::nextCode(tx, d.code.maxStatement, d.code.width);
        out.codeChanged = true;
    }
    Params params;
    if (bind)
        bind(params);
    params.set(d.codeParameter, out.code);
    const qint64 rows = ctx.db.execute(tx, statementOf(d, write), params);
    if (write != Write::Insert && rows == 0)
        throw DbError(DbError::Category::General, vanishedText());
    if (alongside)
        alongside(tx, out.code);
    if (!auditOf(d, write).isEmpty())
        Funcoes::gravaLog(ctx, tx, auditOf(d, write) + out.code);
    tx.commit();
}

void report(AppContext &ctx, const RecordDescription &d, Write write, const QString &error)
{
    const QString text = failureOf(d, write) + error;
    if (d.failure.kind == MessageService::Kind::Information)
        ctx.messages.information(text);
    else
        ctx.messages.warning(text);
}

} // namespace

QString vanishedText()
{
    return QStringLiteral("O registro não existe mais (outra estação o excluiu).");
}

Outcome run(AppContext &ctx, const RecordDescription &description, Write write, const QString &code,
            const std::function<void(Params &)> &bind,
            const std::function<void(Transaction &, const QString &)> &alongside)
{
    Outcome out;
    out.code = code;
    for (int tryNo = 1;; ++tryNo) {
        try {
            attempt(ctx, description, write, out, tryNo > 1, bind, alongside);
            break;
        } catch (const DbError &e) {
            // Another workstation inserted the same code between the test and the insert.
            if (write == Write::Insert && allocates(description) && tryNo < kInsertTries
                && e.category() == DbError::Category::ConstraintViolation)
                continue;
            report(ctx, description, write, e.message());
            return out;
        } catch (const std::exception &) {
            // A figure beyond what the column holds.
            report(ctx, description, write, QStringLiteral("Valor fora dos limites do campo."));
            return out;
        }
    }
    out.ok = true;
    if (out.codeChanged)
        ctx.messages.information(QStringLiteral("Novo Código:") + out.code);
    return out;
}

} // namespace RecordSave
