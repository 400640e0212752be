#pragma once

#include "core/CompanyHeader.h"
#include "core/RecordDataLogic.h"

// The company data window's logic: the one Empresa row ("001"), changed in
// place. A save refreshes the company values of the session.
class CompanyLogic final : public RecordDataLogic {
public:
    explicit CompanyLogic(AppContext &ctx);

    static const RecordDescription &description();
    // What the main window's header shows.
    CompanyHeader header() const;

protected:
    void applyDefaults() override;
    RecordSaveResult saved(RecordSave::Write write, const RecordSave::Outcome &outcome) override;
};
