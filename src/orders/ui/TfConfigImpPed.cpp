#include "orders/ui/TfConfigImpPed.h"

#include "controls/ui/TBitBtnV.h"
#include "controls/ui/TCheckBoxV.h"
#include "controls/ui/TEditV.h"
#include "controls/ui/TLabelV.h"
#include "controls/ui/TRadioButtonV.h"
#include "controls/ui/WindowConventions.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

const char *const kCaptions[5] = {"Matriciais Ligadas a LPT1", "Matriciais Ligadas a LPT2",
                                  "Impressora Padrão do Windows", "Matriciais 40 colunas Ligadas a LPT1",
                                  "Matriciais 40 colunas Ligadas a LPT2"};

} // namespace

TfConfigImpPed::TfConfigImpPed(AppContext &ctx, QWidget *parent) : QDialog(parent), m_logic(ctx)
{
    setObjectName(QStringLiteral("TfConfigImpPed"));
    setWindowTitle(QStringLiteral("Configuração da Impressão dos Pedidos"));
    setModal(true);

    auto *title = new TLabelV(QStringLiteral("Escolha o Tipo de Impressora para Imprimir os Pedidos"), this);
    auto *types = new QVBoxLayout;
    auto *group = new QButtonGroup(this);
    for (int i = 0; i < 5; ++i) {
        m_tipos[i] = new TRadioButtonV(QString::fromUtf8(kCaptions[i]), this);
        m_tipos[i]->setObjectName(QStringLiteral("rbTipo%1").arg(i + 1));
        group->addButton(m_tipos[i], i + 1);
        types->addWidget(m_tipos[i]);
    }
    m_tipos[2]->setChecked(true);

    m_nroLin = new TEditV(this, Qt::AlignRight);
    m_nroLin->setObjectName(QStringLiteral("edNroLin"));
    m_nroLin->makeWhole();
    m_nroLin->setMaximumWidth(80);
    auto *linesRow = new QHBoxLayout;
    linesRow->addWidget(
        new TLabelV(QStringLiteral("Número de Linhas para pular depois da impressão do Pedido em 40 colunas:"), this));
    linesRow->addWidget(m_nroLin);
    linesRow->addStretch();

    m_obs = new TCheckBoxV(QStringLiteral("Imprimir a Observação do Produto no Pedido"), this);
    m_obs->setObjectName(QStringLiteral("cbOBS"));

    m_lpt1 = new QLineEdit(this);
    m_lpt1->setObjectName(QStringLiteral("edLPT1"));
    m_lpt2 = new QLineEdit(this);
    m_lpt2->setObjectName(QStringLiteral("edLPT2"));
    auto *ports = new QFormLayout;
    ports->addRow(new TLabelV(QStringLiteral("Impressora LPT1:"), this), m_lpt1);
    ports->addRow(new TLabelV(QStringLiteral("Impressora LPT2:"), this), m_lpt2);
    auto *hint = new QLabel(
        QStringLiteral("Arquivo do dispositivo (/dev/usb/lp0, /dev/lp0) ou fila crua do CUPS (cups:NOME_DA_FILA)"),
        this);

    auto *gravarButton = new TBitBtnV(QStringLiteral("Gravar"), this);
    gravarButton->setObjectName(QStringLiteral("btGravar"));
    auto *fecharButton = new TBitBtnV(QStringLiteral("Fechar"), this);
    fecharButton->setObjectName(QStringLiteral("btFechar"));
    connect(gravarButton, &QPushButton::clicked, this, &TfConfigImpPed::gravar);
    connect(fecharButton, &QPushButton::clicked, this, &QDialog::accept);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(gravarButton);
    buttons->addWidget(fecharButton);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addLayout(types);
    layout->addLayout(linesRow);
    layout->addWidget(m_obs);
    layout->addLayout(ports);
    layout->addWidget(hint);
    layout->addLayout(buttons);

    WindowConventions::noTitleBarButtons(this);
    WindowConventions::focusHighlight(this);
}

void TfConfigImpPed::showEvent(QShowEvent *event)
{
    const TicketSettings::Values v = m_logic.showing();
    if (v.tipo >= 1)
        m_tipos[v.tipo - 1]->setChecked(true);
    m_obs->setChecked(v.obs);
    m_nroLin->setText(v.nroLin);
    m_lpt1->setText(v.lpt1);
    m_lpt2->setText(v.lpt2);
    QDialog::showEvent(event);
}

void TfConfigImpPed::gravar()
{
    TicketSettings::Values v;
    for (int i = 0; i < 5; ++i)
        if (m_tipos[i]->isChecked())
            v.tipo = i + 1;
    v.obs = m_obs->isChecked();
    v.nroLin = m_nroLin->text();
    v.lpt1 = m_lpt1->text();
    v.lpt2 = m_lpt2->text();
    m_logic.gravar(v);
}
