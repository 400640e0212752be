#include "finance/ui/TfManutCCE.h"

#include "controls/ui/ControlFonts.h"
#include "controls/ui/TEditV.h"
#include "controls/ui/WindowConventions.h"
#include "core/ui/FocusWatch.h"
#include "finance/ui/LedgerGrid.h"
#include "finance/ui/PagedRowsModel.h"
#include "orders/ui/LookupWindow.h"
#include "registers/ColumnFormats.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

std::vector<GridColumn> commissionColumns()
{
    using namespace ColumnFormats;
    return {text(QStringLiteral("CCE_DOC"), QStringLiteral("Documento")),
            text(QStringLiteral("CCE_SITU"), QStringLiteral("Situação")),
            date(QStringLiteral("CCE_DATA"), QStringLiteral("Data")),
            date(QStringLiteral("CCE_DATAP"), QStringLiteral("Data do Pagamento")),
            money(QStringLiteral("CCE_VALOR"), QStringLiteral("Valor")),
            text(QStringLiteral("CCE_CODENT"), QStringLiteral("Cod.Entregador")),
            text(QStringLiteral("ENT_NOME"), QStringLiteral("Nome do Entregador"))};
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

TfManutCCE::TfManutCCE(AppContext &ctx, LookupWindow &deliveryLookup, QWidget *parent)
    : QDialog(parent), m_logic(ctx), m_lookup(deliveryLookup)
{
    const QString caption = QStringLiteral("Manutenção de Comissão de Entregadores");
    setWindowTitle(caption);
    WindowConventions::noTitleBarButtons(this);
    auto *layout = new QVBoxLayout(this);
    auto *heading = new QLabel(caption, this);
    heading->setFont(ControlFonts::bold(12));
    layout->addWidget(heading);

    auto *top = new QHBoxLayout;
    auto *filtro = new QGroupBox(QStringLiteral("Filtro"), this);
    auto *grid = new QGridLayout(filtro);
    m_dataInicial = datePicker(QStringLiteral("DataInicial"), filtro);
    m_dataFinal = datePicker(QStringLiteral("DataFinal"), filtro);
    m_codEnt = new TEditV(filtro);
    m_codEnt->setObjectName(QStringLiteral("CCE_CODENT"));
    m_codEnt->setMaxLength(6);
    m_nomeEnt = new TEditV(filtro);
    m_nomeEnt->setObjectName(QStringLiteral("ENT_NOME"));
    m_nomeEnt->setReadOnly(true);
    m_nomeEnt->setFocusPolicy(Qt::NoFocus);
    m_busca = new QToolButton(filtro);
    m_busca->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    m_busca->setFocusPolicy(Qt::NoFocus);
    m_filtrar = new QPushButton(QStringLiteral("Filtrar"), filtro);
    m_filtrar->setAutoDefault(false);
    grid->addWidget(new QLabel(QStringLiteral("Data Inicial:"), filtro), 0, 0);
    grid->addWidget(m_dataInicial, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Data Final:"), filtro), 0, 2);
    grid->addWidget(m_dataFinal, 0, 3);
    grid->addWidget(new QLabel(QStringLiteral("Entregador:"), filtro), 1, 0);
    grid->addWidget(m_codEnt, 1, 1);
    grid->addWidget(m_nomeEnt, 1, 2, 1, 2);
    grid->addWidget(m_busca, 1, 4);
    grid->addWidget(m_filtrar, 0, 4);
    top->addWidget(filtro, 1);

    auto *mostrar = new QGroupBox(QStringLiteral("Mostrar"), this);
    auto *boxes = new QVBoxLayout(mostrar);
    const QString labels[3] = {QStringLiteral("A Pagar"), QStringLiteral("Pagas"), QStringLiteral("Canceladas")};
    for (int i = 0; i < 3; ++i) {
        m_status[i] = new QCheckBox(labels[i], mostrar);
        boxes->addWidget(m_status[i]);
        connect(m_status[i], &QCheckBox::clicked, this, [this] {
            pull();
            m_logic.statusChanged();
            push();
            rowsChanged();
        });
    }
    top->addWidget(mostrar);
    layout->addLayout(top);

    m_model = new PagedRowsModel(m_logic.rows(), commissionColumns(), this);
    m_grid = new LedgerGrid(m_model, this);
    layout->addWidget(m_grid, 1);

    auto *bottom = new QHBoxLayout;
    const QString totalLabels[3] = {QStringLiteral("Total a Pagar"), QStringLiteral("Total Pago"),
                                    QStringLiteral("Total Cancelado")};
    for (int i = 0; i < 3; ++i) {
        auto *t = new TEditV(this, Qt::AlignRight);
        t->setReadOnly(true);
        t->setFocusPolicy(Qt::NoFocus);
        m_totals[i] = t;
        bottom->addWidget(new QLabel(totalLabels[i], this));
        bottom->addWidget(t);
    }
    bottom->addStretch();
    m_pagar = new QPushButton(QStringLiteral("Pagar"), this);
    m_cancelar = new QPushButton(QStringLiteral("Cancelar"), this);
    auto *fechar = new QPushButton(QStringLiteral("Fechar"), this);
    for (QPushButton *b : {m_pagar, m_cancelar, fechar}) {
        b->setAutoDefault(false);
        bottom->addWidget(b);
    }
    layout->addLayout(bottom);
    resize(950, 550);
    WindowConventions::enterMovesOn(this);
    WindowConventions::focusHighlight(this);

    m_lookup.registry().add(kOrigem, [this](const QString &code) {
        m_codEnt->setText(code);
        m_codEnt->setFocus();
    });
    WindowConventions::f5OpensLookup(m_codEnt, [this] { openLookup(); });
    connect(m_busca, &QToolButton::clicked, this, [this] { openLookup(); });
    FocusWatch::onLeave(m_codEnt, [this] {
        pull();
        const bool ok = m_logic.leaveCode();
        push();
        if (!ok)
            QTimer::singleShot(0, m_codEnt, [this] { m_codEnt->setFocus(); });
    });
    connect(m_filtrar, &QPushButton::clicked, this, [this] {
        pull();
        m_logic.filtrar();
        push();
        rowsChanged();
    });
    connect(m_pagar, &QPushButton::clicked, this, [this] {
        const int row = m_grid->selectedRow();
        m_logic.pagar(row);
        push();
        rowsChanged(row);
    });
    connect(m_cancelar, &QPushButton::clicked, this, [this] {
        const int row = m_grid->selectedRow();
        m_logic.cancelar(row);
        push();
        rowsChanged(row);
    });
    connect(fechar, &QPushButton::clicked, this, &QDialog::reject);
    push();
}

void TfManutCCE::showEvent(QShowEvent *event)
{
    if (!event->spontaneous()) {
        m_logic.show();
        push();
        rowsChanged();
        m_dataInicial->setFocus();
    }
    QDialog::showEvent(event);
}

void TfManutCCE::openLookup()
{
    m_lookup.setOrigem(kOrigem);
    m_lookup.exec();
}

void TfManutCCE::rowsChanged(int keep)
{
    m_grid->rowsChanged(keep);
}

void TfManutCCE::pull()
{
    m_logic.dataInicial = m_dataInicial->date();
    m_logic.dataFinal = m_dataFinal->date();
    m_logic.codEnt = m_codEnt->text();
    m_logic.aPagar = m_status[0]->isChecked();
    m_logic.pagas = m_status[1]->isChecked();
    m_logic.canceladas = m_status[2]->isChecked();
}

void TfManutCCE::push()
{
    m_dataInicial->setDate(m_logic.dataInicial);
    m_dataFinal->setDate(m_logic.dataFinal);
    m_codEnt->setText(m_logic.codEnt);
    m_nomeEnt->setText(m_logic.nomeEnt);
    m_status[0]->setChecked(m_logic.aPagar);
    m_status[1]->setChecked(m_logic.pagas);
    m_status[2]->setChecked(m_logic.canceladas);
    m_totals[0]->setText(m_logic.totalAPagarText());
    m_totals[1]->setText(m_logic.totalPagoText());
    m_totals[2]->setText(m_logic.totalCanceladoText());
}
