#pragma once

#include "core/Database.h"

#include <QString>
#include <functional>

struct AppContext;
struct RecordDescription;

// The one way a register writes a record: the statement and its audit line in
// one transaction, committed together or not at all.
namespace RecordSave {

enum class Write { Insert, Update, Delete };

struct Outcome {
    bool ok = false;
    QString code;          // the code written (an insert may have been given another)
    bool codeChanged = false;
};

// Runs one write. An insert whose code is blank or taken by then gets the
// next code of a Digits policy (and again when another workstation takes it
// between the test and the insert). An update or delete that touches no row
// failed: the record was deleted meanwhile. A failure is shown as the
// description's failure text followed by the database's own text, after the
// rollback; "Novo Código:" is shown after the commit. Nothing is thrown.
// `bind` adds the parameters of the statement but the code. `alongside`, when
// given, runs in the same transaction after the statement and before the audit
// line, with the code written (the rows a record brings with it).
Outcome run(AppContext &ctx, const RecordDescription &description, Write write, const QString &code,
            const std::function<void(Params &)> &bind,
            const std::function<void(Transaction &, const QString &code)> &alongside = {});

// The text a write that touched no row fails with.
QString vanishedText();

} // namespace RecordSave
