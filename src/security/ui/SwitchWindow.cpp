#include "security/ui/SwitchWindow.h"

#include "controls/ui/TBitBtnV.h"
#include "controls/ui/TComboBoxV.h"
#include "controls/ui/TLabelV.h"
#include "controls/ui/WindowConventions.h"
#include "core/AppContext.h"
#include "core/DbError.h"
#include "core/MessageService.h"

#include <QHBoxLayout>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

const QString kNao = QStringLiteral("Não");
const QString kSim = QStringLiteral("Sim");

} // namespace

SwitchWindow::SwitchWindow(AppContext &ctx, SwitchesLogic::Switch which, const QString &name,
                           const QString &caption, const QString &question, QWidget *parent)
    : QDialog(parent), m_ctx(ctx), m_logic(ctx), m_which(which)
{
    setObjectName(name);
    setWindowTitle(caption);
    WindowConventions::noTitleBarButtons(this);

    m_choice = new TComboBoxV(this);
    m_choice->setObjectName(QStringLiteral("cbEscolha"));
    m_choice->addItems({kNao, kSim});
    m_gravar = new TBitBtnV(QStringLiteral("Gravar"), this);
    m_fechar = new TBitBtnV(QStringLiteral("Fechar"), this);
    connect(m_gravar, &QPushButton::clicked, this, &SwitchWindow::gravar);
    connect(m_fechar, &QPushButton::clicked, this, &QDialog::reject);

    auto *row = new QHBoxLayout;
    row->addWidget(new TLabelV(question, this));
    row->addWidget(m_choice);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_gravar);
    buttons->addWidget(m_fechar);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addLayout(buttons);
    WindowConventions::focusHighlight(this);
}

void SwitchWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return; // restored from minimised: keeps what it shows
    try {
        m_choice->setCurrentText(m_logic.isOn(m_which) ? kSim : kNao);
    } catch (const DbError &e) {
        m_ctx.messages.error(e.message());
    }
}

void SwitchWindow::gravar()
{
    const SwitchesLogic::SaveResult r = m_logic.save(m_which, m_choice->currentText() == kSim);
    if (r.chooseNao)
        m_choice->setCurrentText(kNao);
}

TfConfig_Login::TfConfig_Login(AppContext &ctx, QWidget *parent)
    : SwitchWindow(ctx, SwitchesLogic::Switch::Login, QStringLiteral("TfConfig_Login"),
                   QStringLiteral("Configurações de Login de Usuário"),
                   QStringLiteral("Deseja ter Login de Usuários no Programa ?"), parent)
{
}

TfConfig_Log::TfConfig_Log(AppContext &ctx, QWidget *parent)
    : SwitchWindow(ctx, SwitchesLogic::Switch::Log, QStringLiteral("TfConfig_Log"),
                   QStringLiteral("Deseja Gravar o Log das Operações dos Usuários ?"),
                   QStringLiteral("Deseja Gravar o Log das Operações do Usuários:"), parent)
{
}

TfPermissao_Usuarios::TfPermissao_Usuarios(AppContext &ctx, QWidget *parent)
    : SwitchWindow(ctx, SwitchesLogic::Switch::Permissao, QStringLiteral("TfPermissao_Usuarios"),
                   QStringLiteral("Deseja Ter Permissão de Usuários no Programa ?"),
                   QStringLiteral("Deseja ter Permissão de Usuários ?"), parent)
{
}
