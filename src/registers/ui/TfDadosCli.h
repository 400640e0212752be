#pragma once

#include "core/ui/RecordDataWindow.h"
#include "registers/CustomerLogic.h"

// The customer data window. Openers set the request on logic() before each
// opening (RegisterWindows does it for order entry).
class TfDadosCli final : public RecordDataWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfDadosCli)
public:
    explicit TfDadosCli(AppContext &ctx, QWidget *parent = nullptr);

    CustomerLogic &logic() { return m_logic; }

signals:
    // A customer added from order entry hands its telephone or code back.
    void handedBack(const CustomerHandBack &handBack);

protected:
    RecordSaveResult saveRecord() override;

private:
    CustomerLogic m_logic;
};
