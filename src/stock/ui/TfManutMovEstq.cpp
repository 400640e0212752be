#include "stock/ui/TfManutMovEstq.h"

#include "controls/ui/TEditV.h"
#include "controls/ui/WindowConventions.h"
#include "core/ui/FocusWatch.h"
#include "finance/ui/LedgerGrid.h"
#include "finance/ui/PagedRowsModel.h"
#include "orders/ui/LookupWindow.h"
#include "registers/ColumnFormats.h"

#include <QDateEdit>
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

std::vector<GridColumn> movementColumns()
{
    using namespace ColumnFormats;
    return {text(QStringLiteral("MOV_CODPRO"), QStringLiteral("Cód.Prod.")),
            text(QStringLiteral("PRO_DESCRICAO"), QStringLiteral("Descrição do Produto")),
            text(QStringLiteral("MOV_OPER"), QStringLiteral("Operacão")),
            date(QStringLiteral("MOV_DATA"), QStringLiteral("Data")),
            money(QStringLiteral("MOV_VALOR"), QStringLiteral("Valor")),
            number(QStringLiteral("MOV_QUANT"), QStringLiteral("Quantidade"), 3),
            text(QStringLiteral("MOV_DOC"), QStringLiteral("Documento"))};
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

TfManutMovEstq::TfManutMovEstq(AppContext &ctx, LookupWindow &productLookup, QWidget *parent)
    : QDialog(parent), m_logic(ctx), m_lookup(productLookup)
{
    setWindowTitle(QStringLiteral("Manutenção de Movimentação de Estoque"));
    WindowConventions::noTitleBarButtons(this);
    auto *layout = new QVBoxLayout(this);

    auto *busca = new QGroupBox(QStringLiteral("Busca"), this);
    auto *row = new QHBoxLayout(busca);
    m_dataInicial = datePicker(QStringLiteral("DataInicial"), busca);
    m_dataFinal = datePicker(QStringLiteral("DataFinal"), busca);
    m_code = new TEditV(busca, Qt::AlignRight);
    m_code->setObjectName(QStringLiteral("PRO_CODIGO"));
    m_code->setMaxLength(10);
    m_busca = new QToolButton(busca);
    m_busca->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    m_busca->setFocusPolicy(Qt::NoFocus);
    m_description = new TEditV(busca);
    m_description->setObjectName(QStringLiteral("PRO_DESCRICAO"));
    m_description->setReadOnly(true);
    m_description->setFocusPolicy(Qt::NoFocus);
    m_filtrar = new QPushButton(QStringLiteral("Filtrar"), busca);
    m_filtrar->setAutoDefault(false);
    row->addWidget(new QLabel(QStringLiteral("Data Inicial:"), busca));
    row->addWidget(m_dataInicial);
    row->addWidget(new QLabel(QStringLiteral("Data Final:"), busca));
    row->addWidget(m_dataFinal);
    row->addWidget(new QLabel(QStringLiteral("Código"), busca));
    row->addWidget(m_code);
    row->addWidget(m_busca);
    row->addWidget(new QLabel(QStringLiteral("Descrição"), busca));
    row->addWidget(m_description, 1);
    row->addWidget(m_filtrar);
    layout->addWidget(busca);

    m_model = new PagedRowsModel(m_logic.rows(), movementColumns(), this);
    m_grid = new LedgerGrid(m_model, this);
    layout->addWidget(m_grid, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    m_somenteExcluir = new QPushButton(QStringLiteral("Somente Excluir"), this);
    m_excluirReverter = new QPushButton(QStringLiteral("Excluir e Reverter"), this);
    auto *fechar = new QPushButton(QStringLiteral("Fechar"), this);
    for (QPushButton *b : {m_somenteExcluir, m_excluirReverter, fechar}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    layout->addLayout(buttons);
    resize(900, 500);
    WindowConventions::focusHighlight(this);

    m_lookup.registry().add(kOrigem, [this](const QString &code) {
        m_code->setText(code);
        m_code->setFocus();
    });
    WindowConventions::f5OpensLookup(m_code, [this] { openLookup(); });
    connect(m_busca, &QToolButton::clicked, this, [this] { openLookup(); });
    FocusWatch::onEnter(m_code, [this] {
        m_logic.enterCode();
        m_description->clear();
    });
    FocusWatch::onLeave(m_code, [this] {
        pull();
        const bool ok = m_logic.leaveCode();
        push();
        if (!ok)
            QTimer::singleShot(0, m_code, [this] { m_code->setFocus(); });
        else if (!m_logic.code.trimmed().isEmpty())
            QTimer::singleShot(0, m_filtrar, [this] { m_filtrar->setFocus(); });
    });
    connect(m_filtrar, &QPushButton::clicked, this, [this] {
        pull();
        m_logic.filtrar();
        push();
        rowsChanged();
    });
    connect(m_somenteExcluir, &QPushButton::clicked, this, [this] {
        const int row = m_grid->selectedRow();
        m_logic.somenteExcluir(row);
        m_grid->rowsChanged(row);
    });
    connect(m_excluirReverter, &QPushButton::clicked, this, [this] {
        const int row = m_grid->selectedRow();
        m_logic.excluirEReverter(row);
        m_grid->rowsChanged(row);
    });
    connect(fechar, &QPushButton::clicked, this, &QDialog::reject);
}

void TfManutMovEstq::showEvent(QShowEvent *event)
{
    if (!event->spontaneous()) {
        m_logic.show();
        push();
        rowsChanged();
        m_dataInicial->setFocus();
    }
    QDialog::showEvent(event);
}

void TfManutMovEstq::openLookup()
{
    m_lookup.setOrigem(kOrigem);
    m_lookup.exec();
}

void TfManutMovEstq::rowsChanged()
{
    m_grid->rowsChanged();
}

void TfManutMovEstq::pull()
{
    m_logic.dataInicial = m_dataInicial->date();
    m_logic.dataFinal = m_dataFinal->date();
    m_logic.code = m_code->text();
}

void TfManutMovEstq::push()
{
    m_dataInicial->setDate(m_logic.dataInicial);
    m_dataFinal->setDate(m_logic.dataFinal);
    m_code->setText(m_logic.code);
    m_description->setText(m_logic.description);
}
