#include "orders/ui/TfManutPed.h"

#include "controls/ui/TBitBtnV.h"
#include "controls/ui/TCheckBoxV.h"
#include "controls/ui/TRadioButtonV.h"
#include "controls/ui/WindowConventions.h"
#include "core/AppContext.h"
#include "core/Clock.h"
#include "core/DbError.h"
#include "core/Funcoes.h"
#include "core/MessageService.h"
#include "orders/OrderListModel.h"

#include <QDateEdit>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QShowEvent>
#include <QTableView>
#include <QVBoxLayout>

#include <exception>

namespace {

QDateEdit *datePicker(QWidget *parent)
{
    auto *d = new QDateEdit(parent);
    d->setCalendarPopup(true);
    d->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    return d;
}

} // namespace

TfManutPed::TfManutPed(AppContext &ctx, OrderWindowHooks hooks, QWidget *parent)
    : QDialog(parent), m_ctx(ctx), m_hooks(std::move(hooks)), m_list(ctx),
      m_status(ctx, m_list, m_hooks.openDelivery), m_model(new OrderListModel(m_list, this))
{
    setWindowTitle(QStringLiteral("Manutenção de Pedidos"));
    WindowConventions::noTitleBarButtons(this);
    auto *layout = new QVBoxLayout(this);

    auto *top = new QHBoxLayout;
    auto *orderBox = new QGroupBox(QStringLiteral("Ordenado por:"), this);
    auto *orderLayout = new QVBoxLayout(orderBox);
    m_byDate = new TRadioButtonV(QStringLiteral("Data/Hora"), orderBox);
    m_byCustomer = new TRadioButtonV(QStringLiteral("Cliente"), orderBox);
    m_byStatus = new TRadioButtonV(QStringLiteral("Situação"), orderBox);
    const std::pair<QRadioButton *, OrderListLogic::Ordering> orderings[] = {
        {m_byDate, OrderListLogic::Ordering::DataHora},
        {m_byCustomer, OrderListLogic::Ordering::Cliente},
        {m_byStatus, OrderListLogic::Ordering::Situacao}};
    for (const auto &[radio, ordering] : orderings) {
        orderLayout->addWidget(radio);
        connect(radio, &QRadioButton::clicked, this, [this, o = ordering] {
            runGuarded([&] { m_list.chooseOrdering(o); });
        });
    }
    top->addWidget(orderBox);

    auto *dateBox = new QGroupBox(QStringLiteral("Filtro por Datas:"), this);
    auto *dateLayout = new QGridLayout(dateBox);
    m_inicial = datePicker(dateBox);
    m_final = datePicker(dateBox);
    dateLayout->addWidget(new QLabel(QStringLiteral("Data Inicial:"), dateBox), 0, 0);
    dateLayout->addWidget(m_inicial, 0, 1);
    dateLayout->addWidget(new QLabel(QStringLiteral("Data Final:"), dateBox), 1, 0);
    dateLayout->addWidget(m_final, 1, 1);
    auto *filtrarDatas = new TBitBtnV(QStringLiteral("Filtrar"), dateBox);
    dateLayout->addWidget(filtrarDatas, 0, 2, 2, 1);
    connect(filtrarDatas, &QPushButton::clicked, this, [this] {
        runGuarded([&] { m_list.setPeriod(m_inicial->date(), m_final->date()); });
    });
    top->addWidget(dateBox);

    auto *searchBox = new QGroupBox(QStringLiteral("Busca:"), this);
    auto *searchLayout = new QGridLayout(searchBox);
    m_searchName = new TRadioButtonV(QStringLiteral("Nome do Cliente"), searchBox);
    m_searchPhone = new TRadioButtonV(QStringLiteral("Telefone do Cliente"), searchBox);
    m_searchCode = new TRadioButtonV(QStringLiteral("Código do Ped."), searchBox);
    m_searchPhone->setChecked(true);
    searchLayout->addWidget(m_searchName, 0, 0);
    searchLayout->addWidget(m_searchPhone, 0, 1);
    searchLayout->addWidget(m_searchCode, 0, 2);
    searchLayout->addWidget(new QLabel(QStringLiteral("Telefone:"), searchBox), 1, 0);
    m_search = new QLineEdit(searchBox);
    searchLayout->addWidget(m_search, 1, 1);
    auto *busca = new TBitBtnV(QStringLiteral("Busca"), searchBox);
    searchLayout->addWidget(busca, 1, 2);
    connect(busca, &QPushButton::clicked, this, [this] {
        using K = OrderListLogic::SearchKind;
        const K kind = m_searchName->isChecked() ? K::NomeCliente
                       : m_searchCode->isChecked() ? K::CodigoPedido
                                                   : K::TelefoneCliente;
        QString text = m_search->text();
        bool found = false;
        runGuarded([&] { found = m_list.search(kind, text); });
        m_search->setText(text);
        if (found)
            selectCurrent();
    });
    top->addWidget(searchBox);
    layout->addLayout(top);

    auto *statusBox = new QGroupBox(QStringLiteral("Filtrar por Situação:"), this);
    auto *statusLayout = new QHBoxLayout(statusBox);
    const QString captions[] = {QStringLiteral("Abertos"), QStringLiteral("Cancelados"), QStringLiteral("Em Andamento"),
                                QStringLiteral("Saiu para Entrega"), QStringLiteral("Fechados")};
    for (int i = 0; i < 5; ++i) {
        m_statusBoxes[i] = new TCheckBoxV(captions[i], statusBox);
        m_statusBoxes[i]->setChecked(true);
        statusLayout->addWidget(m_statusBoxes[i]);
    }
    auto *filtrarSitu = new TBitBtnV(QStringLiteral("Filtrar"), statusBox);
    statusLayout->addWidget(filtrarSitu);
    statusLayout->addStretch();
    connect(filtrarSitu, &QPushButton::clicked, this, [this] {
        runGuarded([&] { m_list.setStatuses(tickedStatuses()); });
    });
    layout->addWidget(statusBox);

    m_grid = new QTableView(this);
    m_grid->setModel(m_model);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setWordWrap(false);
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 6);
    // Widths from the first rows only: a long period opens as fast as a short one.
    m_grid->horizontalHeader()->setResizeContentsPrecision(OrderListLogic::kPageSize);
    WindowConventions::stripedRows(m_grid);
    layout->addWidget(m_grid, 1);
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &index) { m_list.setCurrent(index.row()); });
    // Whoever re-reads the list (a move, order entry, the delivery window), the grid follows at once.
    m_list.setOnReread([this] { refresh(); });

    auto *bottom = new QHBoxLayout;
    const struct { const char *caption; std::function<void()> action; } entry[] = {
        {"Novo", [this] { openEntry(OrderListLogic::EntryButton::Novo); }},
        {"Altera", [this] { openEntry(OrderListLogic::EntryButton::Altera); }},
        {"Consulta", [this] { openEntry(OrderListLogic::EntryButton::Consulta); }},
        {"Imprimir",
         [this] {
             if (!m_hooks.printTicket || !Funcoes::permissionGate(m_ctx, QStringLiteral("3.1.4")))
                 return;
             const QString code = m_list.currentCode();
             if (!code.isEmpty())
                 m_hooks.printTicket(code);
         }},
    };
    for (const auto &e : entry) {
        auto *b = new TBitBtnV(QString::fromUtf8(e.caption), this);
        connect(b, &QPushButton::clicked, this, e.action);
        bottom->addWidget(b);
        m_buttons << b;
    }
    button(QStringLiteral("Imprimir"))->setEnabled(bool(m_hooks.printTicket));

    auto *moves = new QGroupBox(QStringLiteral("Alterar Situação"), this);
    auto *movesLayout = new QHBoxLayout(moves);
    using M = OrderStatus::Move;
    const std::pair<const char *, M> moveButtons[] = {{"Aberto", M::Aberto},
                                                      {"Cancelar", M::Cancelar},
                                                      {"Em Andamento", M::EmAndamento},
                                                      {"Saiu p/ Entrega", M::SaiuEntrega},
                                                      {"Fechado", M::Fechado}};
    for (const auto &[caption, m] : moveButtons) {
        auto *b = new TBitBtnV(QString::fromUtf8(caption), moves);
        connect(b, &QPushButton::clicked, this, [this, m = m] { move(m); });
        movesLayout->addWidget(b);
        m_buttons << b;
    }
    bottom->addWidget(moves);
    bottom->addStretch();
    auto *fechar = new TBitBtnV(QStringLiteral("Fechar"), this);
    connect(fechar, &QPushButton::clicked, this, &QDialog::accept);
    bottom->addWidget(fechar);
    m_buttons << fechar;
    layout->addLayout(bottom);

    resize(1000, 600);
    WindowConventions::focusHighlight(this);
}

TfManutPed::~TfManutPed() = default;

QPushButton *TfManutPed::button(const QString &caption) const
{
    for (QPushButton *b : m_buttons)
        if (b->text() == caption)
            return b;
    return nullptr;
}

QStringList TfManutPed::tickedStatuses() const
{
    // In the order of the boxes: "Abertos", "Cancelados", "Em Andamento", "Saiu para Entrega", "Fechados".
    QStringList codes;
    for (int i = 0; i < 5; ++i)
        if (m_statusBoxes[i]->isChecked())
            codes << OrderListLogic::allStatuses().at(i);
    return codes;
}

void TfManutPed::runGuarded(const std::function<void()> &action)
{
    try {
        action();
    } catch (const DbError &e) {
        m_ctx.messages.error(e.message());
    } catch (const std::exception &e) {
        m_ctx.messages.error(QString::fromLocal8Bit(e.what()));
    }
}

void TfManutPed::showEvent(QShowEvent *event)
{
    // Restoring a minimised window keeps what it shows.
    if (!event->spontaneous()) {
        m_search->clear();
        m_byDate->setChecked(true);
        m_inicial->setDate(m_ctx.clock.today());
        m_final->setDate(m_ctx.clock.today());
        runGuarded([&] { m_list.show(tickedStatuses()); });
        m_grid->resizeColumnsToContents();
    }
    QDialog::showEvent(event);
}

void TfManutPed::refresh()
{
    const int keep = m_list.current();
    m_model->reset();
    m_list.setCurrent(keep);
    selectCurrent();
}

void TfManutPed::selectCurrent()
{
    if (m_list.current() < 0)
        return;
    const QModelIndex index = m_model->index(m_list.current(), 0);
    m_grid->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_grid->scrollTo(index);
}

void TfManutPed::openEntry(OrderListLogic::EntryButton button)
{
    bool may = false;
    runGuarded([&] { may = m_list.mayOpenEntry(button); });
    if (!may || !m_hooks.openOrderEntry)
        return;
    const QString code = button == OrderListLogic::EntryButton::Novo ? QString() : m_list.currentCode();
    m_hooks.openOrderEntry(OrderListLogic::entryMode(button), code);
}

void TfManutPed::move(OrderStatus::Move move)
{
    runGuarded([&] { m_status.run(move); });
}
