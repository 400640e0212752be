#pragma once

#include "core/RecordListLogic.h"
#include "orders/LookupRegistry.h"

// A lookup dialog's logic: the list with its order and search, and
// "Seleciona", which hands the selected code to the opener named by Origem.
class LookupLogic final : public RecordListLogic {
public:
    LookupLogic(AppContext &ctx, ListDescription description)
        : RecordListLogic(ctx, std::move(description)) {}

    LookupRegistry &registry() { return m_registry; }
    void setOrigem(const QString &origem) { m_origem = origem; }
    QString origem() const { return m_origem; }

    // The selected row's code (empty on an empty list) goes to the opener
    // registered under Origem; false when Origem names no opener.
    bool seleciona() { return m_registry.deliver(m_origem, currentCode()); }

private:
    LookupRegistry m_registry;
    QString m_origem;
};
