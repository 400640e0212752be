#include "finance/ui/TfManutCaixa.h"

#include "controls/ui/ControlFonts.h"
#include "controls/ui/TEditV.h"
#include "controls/ui/WindowConventions.h"
#include "core/Funcoes.h"
#include "finance/ui/LedgerGrid.h"
#include "finance/ui/PagedRowsModel.h"
#include "finance/ui/TfDados_Caixa.h"
#include "registers/ColumnFormats.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

std::vector<GridColumn> cashColumns()
{
    using namespace ColumnFormats;
    return {date(QStringLiteral("CAI_DATA"), QStringLiteral("Data")),
            text(QStringLiteral("CAI_DC"), QStringLiteral("D/C")),
            money(QStringLiteral("CAI_VALOR"), QStringLiteral("Valor")),
            text(QStringLiteral("CAI_DESC"), QStringLiteral("Descrição")),
            text(QStringLiteral("CAI_DOC"), QStringLiteral("Documento"))};
}

QDateEdit *datePicker(const QString &name, QWidget *parent)
{
    auto *d = new QDateEdit(parent);
    d->setObjectName(name);
    d->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    d->setCalendarPopup(true);
    return d;
}

} // namespace

TfManutCaixa::TfManutCaixa(AppContext &ctx, TfDados_Caixa &entry, QWidget *parent)
    : QDialog(parent), m_ctx(ctx), m_logic(ctx), m_entry(entry)
{
    setWindowTitle(QStringLiteral("Manutenção de Fluxo de Caixa"));
    WindowConventions::noTitleBarButtons(this);
    auto *layout = new QVBoxLayout(this);
    auto *heading = new QLabel(QStringLiteral("Manutenção de Caixa"), this);
    heading->setFont(ControlFonts::bold(12));
    layout->addWidget(heading);

    auto *filtro = new QGroupBox(QStringLiteral("Filtro"), this);
    auto *row = new QHBoxLayout(filtro);
    m_dataInicial = datePicker(QStringLiteral("DataInicial"), filtro);
    m_dataFinal = datePicker(QStringLiteral("DataFinal"), filtro);
    m_filtrar = new QPushButton(QStringLiteral("Filtrar"), filtro);
    m_filtrar->setAutoDefault(false);
    row->addWidget(new QLabel(QStringLiteral("Data Inicial:"), filtro));
    row->addWidget(m_dataInicial);
    row->addWidget(new QLabel(QStringLiteral("Data Final:"), filtro));
    row->addWidget(m_dataFinal);
    row->addWidget(m_filtrar);
    row->addStretch();
    layout->addWidget(filtro);

    m_model = new PagedRowsModel(m_logic.rows(), cashColumns(), this);
    m_grid = new LedgerGrid(m_model, this);
    layout->addWidget(m_grid, 1);

    auto *saldoRow = new QHBoxLayout;
    m_saldo = new TEditV(this, Qt::AlignRight);
    m_saldo->setObjectName(QStringLiteral("Saldo"));
    m_saldo->setReadOnly(true);
    m_saldo->setFocusPolicy(Qt::NoFocus);
    m_saldoAnterior = new QCheckBox(QStringLiteral("Calcular o Saldo com Saldo Anterior"), this);
    saldoRow->addWidget(new QLabel(QStringLiteral("Saldo:"), this));
    saldoRow->addWidget(m_saldo);
    saldoRow->addWidget(m_saldoAnterior);
    saldoRow->addStretch();
    m_novo = new QPushButton(QStringLiteral("Novo"), this);
    m_excluir = new QPushButton(QStringLiteral("Excluir"), this);
    auto *fechar = new QPushButton(QStringLiteral("Fechar"), this);
    for (QPushButton *b : {m_novo, m_excluir, fechar}) {
        b->setAutoDefault(false);
        saldoRow->addWidget(b);
    }
    layout->addLayout(saldoRow);
    resize(800, 500);
    WindowConventions::focusHighlight(this);

    connect(m_filtrar, &QPushButton::clicked, this, [this] {
        pull();
        m_logic.filtrar();
        push();
        m_grid->rowsChanged();
    });
    connect(m_saldoAnterior, &QCheckBox::clicked, this, [this] {
        pull();
        m_logic.computeBalance();
        push();
    });
    connect(m_novo, &QPushButton::clicked, this, [this] {
        if (Funcoes::permissionGate(m_ctx, QStringLiteral("5.1")))
            openEntry(QStringLiteral("Inclui"));
    });
    connect(m_excluir, &QPushButton::clicked, this, [this] {
        const auto code = m_logic.codeAt(m_grid->selectedRow());
        if (!code || !Funcoes::permissionGate(m_ctx, QStringLiteral("5.2")))
            return;
        m_entry.logic().setSelectedCode(*code);
        openEntry(QStringLiteral("Exclui"));
    });
    connect(fechar, &QPushButton::clicked, this, &QDialog::reject);
}

void TfManutCaixa::showEvent(QShowEvent *event)
{
    if (!event->spontaneous()) {
        m_logic.show();
        push();
        m_grid->rowsChanged();
        m_dataInicial->setFocus();
    }
    QDialog::showEvent(event);
}

void TfManutCaixa::openEntry(const QString &modo)
{
    const int keep = m_grid->selectedRow();
    m_entry.logic().setModo(modo);
    m_entry.onSave = [this, keep](bool saved) {
        pull();
        if (saved) {
            m_logic.reload();
            m_grid->rowsChanged(keep);
        }
        m_logic.computeBalance();
        push();
    };
    m_entry.exec();
    m_entry.onSave = nullptr;
}

void TfManutCaixa::pull()
{
    m_logic.dataInicial = m_dataInicial->date();
    m_logic.dataFinal = m_dataFinal->date();
    m_logic.saldoAnterior = m_saldoAnterior->isChecked();
}

void TfManutCaixa::push()
{
    m_dataInicial->setDate(m_logic.dataInicial);
    m_dataFinal->setDate(m_logic.dataFinal);
    m_saldoAnterior->setChecked(m_logic.saldoAnterior);
    m_saldo->setText(m_logic.saldoText());
}
