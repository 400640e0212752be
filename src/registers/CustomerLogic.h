#pragma once

#include "core/RecordDataLogic.h"
#include "registers/CustomerRequest.h"

// The customer data window's logic: the register's description plus its own
// rules (the contact from the name, telephone 1 from order entry and the
// hand-back to order entry).
class CustomerLogic final : public RecordDataLogic {
public:
    static constexpr int kCodeWidth = 10;

    using HandBack = CustomerHandBack;
    struct SaveResult : RecordSaveResult {
        std::optional<HandBack> handBack;
    };

    explicit CustomerLogic(AppContext &ctx);

    static const RecordDescription &description();

    // Set by the opener before every showing.
    void setRequest(const CustomerRequest &request)
    {
        m_request = request;
        open(request.modo, request.code);
    }
    const CustomerRequest &request() const { return m_request; }

    // Leaving the name in add or change mode fills the contact from the name.
    void leaveName();
    // "Gravar" (or "Excluir" in delete mode).
    SaveResult save();

protected:
    void prepared() override;
    RecordSaveResult saved(RecordSave::Write write, const RecordSave::Outcome &outcome) override;

private:
    CustomerRequest m_request;
    std::optional<HandBack> m_handBack;
};
