#pragma once

#include "core/ui/RecordDataWindow.h"
#include "security/UserLogic.h"

// The user data window. The code is never typed: entering its field gives the
// next code in "Inclui" and moves on to the name in every mode. Both password
// fields are typed masked.
class TfDados_Usuarios final : public RecordDataWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfDados_Usuarios)
public:
    explicit TfDados_Usuarios(AppContext &ctx, QWidget *parent = nullptr);
    UserLogic &logic() { return m_logic; }

protected:
    RecordSaveResult saveRecord() override;

private:
    UserLogic m_logic;
};
