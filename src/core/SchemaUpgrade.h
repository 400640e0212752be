#pragma once

#include <QString>

struct AppContext;

// Brings a database made by an older version up to this build's version.
// (Being written: see the start-up work.)
class SchemaUpgrade {
public:
    explicit SchemaUpgrade(AppContext &ctx) : m_ctx(ctx) {}
    // Runs when `versaoSistema` differs from this build's version; on success
    // sets it (and the session's versaoSistema) to this build's version.
    void runIfNeeded(QString &versaoSistema);

private:
    AppContext &m_ctx;
};
