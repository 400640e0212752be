#include "security/ui/TfManut_Usuarios.h"

#include "controls/ui/TBitBtnV.h"
#include "controls/ui/TRadioButtonV.h"
#include "controls/ui/WindowConventions.h"
#include "core/AppContext.h"
#include "core/DbError.h"
#include "core/MessageService.h"
#include "core/ResultSetModel.h"
#include "security/ui/TfDados_Usuarios.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QShowEvent>
#include <QTableView>
#include <QVBoxLayout>

TfManut_Usuarios::TfManut_Usuarios(AppContext &ctx, TfDados_Usuarios &data, QWidget *parent)
    : QDialog(parent), m_ctx(ctx), m_logic(ctx), m_data(data),
      m_model(new ResultSetModel(UserListLogic::columns(), this))
{
    using O = UserListLogic::Order;
    setObjectName(QStringLiteral("TfManut_Usuarios"));
    setWindowTitle(QStringLiteral("Manutencao de Usuários"));
    WindowConventions::noTitleBarButtons(this);

    auto *orderBox = new QGroupBox(QStringLiteral("Ordenado por:"), this);
    auto *orderLayout = new QHBoxLayout(orderBox);
    const struct { O order; QString caption; } orders[] = {
        {O::Codigo, QStringLiteral("Código")}, {O::Nome, QStringLiteral("Nome")}, {O::Login, QStringLiteral("Login")}};
    for (const auto &o : orders) {
        auto *b = new TRadioButtonV(orderBox);
        b->setText(o.caption);
        m_orders[int(o.order)] = b;
        orderLayout->addWidget(b);
        connect(b, &QRadioButton::clicked, this, [this, order = o.order] {
            try {
                m_logic.chooseOrder(order);
            } catch (const DbError &e) {
                m_ctx.messages.error(e.message());
            }
            refresh();
        });
    }

    auto *searchBox = new QGroupBox(QStringLiteral("Busca Rápida"), this);
    auto *searchLayout = new QHBoxLayout(searchBox);
    m_searchLabel = new QLabel(searchBox);
    m_search = new QLineEdit(searchBox);
    m_busca = new TBitBtnV(QStringLiteral("Busca"), searchBox);
    searchLayout->addWidget(m_searchLabel);
    searchLayout->addWidget(m_search, 1);
    searchLayout->addWidget(m_busca);
    connect(m_busca, &QPushButton::clicked, this, [this] {
        m_search->setText(m_logic.busca(m_search->text()));
        refresh();
    });

    m_grid = new QTableView(this);
    m_grid->setModel(m_model);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->verticalHeader()->hide();
    WindowConventions::stripedRows(m_grid);
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) { m_logic.setCurrent(current.row()); });

    auto *buttons = new QHBoxLayout;
    const struct { Modo modo; QString caption; } actions[] = {
        {Modo::Inclui, QStringLiteral("Incluir")},
        {Modo::Altera, QStringLiteral("Alterar")},
        {Modo::Exclui, QStringLiteral("Excluir")},
        {Modo::Consulta, QStringLiteral("Consulta")},
    };
    for (const auto &a : actions) {
        auto *b = new TBitBtnV(a.caption, this);
        m_buttons[int(a.modo)] = b;
        buttons->addWidget(b);
        connect(b, &QPushButton::clicked, this, [this, modo = a.modo] { open(modo); });
    }
    auto *fechar = new TBitBtnV(QStringLiteral("Fechar"), this);
    buttons->addWidget(fechar);
    connect(fechar, &QPushButton::clicked, this, &QDialog::reject);
    connect(&m_data, &RecordDataWindow::listChanged, this, [this] {
        if (!isVisible())
            return;
        try {
            m_logic.reload();
        } catch (const DbError &e) {
            m_ctx.messages.error(e.message());
        }
        refresh();
    });

    auto *layout = new QVBoxLayout(this);
    auto *top = new QHBoxLayout;
    top->addWidget(orderBox);
    top->addWidget(searchBox, 1);
    layout->addLayout(top);
    layout->addWidget(m_grid, 1);
    layout->addLayout(buttons);
    WindowConventions::focusHighlight(this);
}

void TfManut_Usuarios::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return; // restored from minimised: keeps what it shows
    try {
        m_logic.show();
    } catch (const DbError &e) {
        m_ctx.messages.error(e.message());
    }
    refresh();
}

void TfManut_Usuarios::open(Modo modo)
{
    if (!m_logic.mayOpen(modo))
        return;
    m_data.logic().open(modo, modo == Modo::Inclui ? QString() : m_logic.currentCode());
    m_data.exec();
}

void TfManut_Usuarios::refresh()
{
    m_orders[int(m_logic.order())]->setChecked(true);
    m_searchLabel->setText(m_logic.searchLabel());
    const int keep = m_logic.current(); // the model's reset moves the grid's current row
    m_model->setRows(m_logic.rows());
    m_grid->resizeColumnsToContents();
    if (keep >= 0)
        m_grid->selectRow(keep);
    m_logic.setCurrent(keep);
}
