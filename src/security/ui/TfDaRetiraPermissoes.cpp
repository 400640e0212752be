#include "security/ui/TfDaRetiraPermissoes.h"

#include "controls/ui/TBitBtnV.h"
#include "controls/ui/TEditV.h"
#include "controls/ui/TLabelV.h"
#include "controls/ui/WindowConventions.h"
#include "core/AppContext.h"
#include "core/DbError.h"
#include "core/MessageService.h"
#include "core/ResultSetModel.h"
#include "core/ui/FocusWatch.h"

#include <QBrush>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QShowEvent>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// Revoked rows in red text; the selected row keeps the selection colours.
class RevokedInRed final : public QIdentityProxyModel {
public:
    explicit RevokedInRed(ResultSetModel *source, QObject *parent) : QIdentityProxyModel(parent), m_source(source)
    {
        setSourceModel(source);
    }
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (role == Qt::ForegroundRole && index.isValid() && index.row() < m_source->rows().size()
            && PermissionsLogic::revoked(m_source->rows().row(index.row())))
            return QBrush(Qt::red);
        return QIdentityProxyModel::data(index, role);
    }

private:
    ResultSetModel *m_source;
};

void focusLater(QWidget *w)
{
    QTimer::singleShot(0, w, [w] { w->setFocus(); });
}

} // namespace

TfDaRetiraPermissoes::TfDaRetiraPermissoes(AppContext &ctx, QWidget *parent)
    : QDialog(parent), m_ctx(ctx), m_logic(ctx), m_model(new ResultSetModel(PermissionsLogic::columns(), this))
{
    setObjectName(QStringLiteral("TfDaRetiraPermissoes"));
    setWindowTitle(QStringLiteral("Dá/Retira Permissão de Usuários"));
    WindowConventions::noTitleBarButtons(this);

    auto *group = new QGroupBox(QStringLiteral("Escolha um Usuário"), this);
    m_codigo = new TEditV(group);
    m_codigo->setObjectName(QStringLiteral("USU_CODIGO"));
    m_login = new TEditV(group);
    m_login->setObjectName(QStringLiteral("USU_LOGIN"));
    m_nome = new TEditV(group);
    m_nome->setObjectName(QStringLiteral("USU_NOME"));
    for (QLineEdit *shown : {m_login, m_nome}) {
        shown->setReadOnly(true);
        shown->setFocusPolicy(Qt::NoFocus);
    }
    m_mostrar = new TBitBtnV(QStringLiteral("Mostrar"), group);
    auto *groupLayout = new QHBoxLayout(group);
    groupLayout->addWidget(new TLabelV(QStringLiteral("Usuário:"), group));
    groupLayout->addWidget(m_codigo);
    groupLayout->addWidget(m_login);
    groupLayout->addWidget(m_nome, 1);
    groupLayout->addWidget(m_mostrar);

    m_grid = new QTableView(this);
    m_grid->setModel(new RevokedInRed(m_model, this));
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->verticalHeader()->hide();
    WindowConventions::stripedRows(m_grid);

    m_altera = new TBitBtnV(QStringLiteral("Altera"), this);
    auto *fechar = new TBitBtnV(QStringLiteral("Fechar"), this);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_altera);
    buttons->addWidget(fechar);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(m_grid, 1);
    layout->addLayout(buttons);

    connect(m_mostrar, &QPushButton::clicked, this, &TfDaRetiraPermissoes::mostrar);
    connect(m_altera, &QPushButton::clicked, this, &TfDaRetiraPermissoes::altera);
    connect(fechar, &QPushButton::clicked, this, &QDialog::reject);
    FocusWatch::onEnter(m_codigo, [this] {
        m_login->clear();
        m_nome->clear();
    });
    FocusWatch::onLeave(m_codigo, [this] { leaveCode(); });
    WindowConventions::focusHighlight(this);
}

void TfDaRetiraPermissoes::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return; // restored from minimised: keeps what it shows
    m_codigo->clear();
    m_login->clear();
    m_nome->clear();
    m_logic.clear();
    refresh(-1);
    m_codigo->setFocus();
}

void TfDaRetiraPermissoes::leaveCode()
{
    UserRules::Pick pick;
    try {
        pick = m_logic.leaveCode(m_codigo->text());
    } catch (const DbError &e) {
        m_ctx.messages.error(e.message());
        return;
    }
    switch (pick.outcome) {
    case UserRules::Pick::Outcome::Blank:
        return;
    case UserRules::Pick::Outcome::NotFound:
        m_codigo->clear();
        m_login->clear();
        m_nome->clear();
        focusLater(m_codigo);
        return;
    case UserRules::Pick::Outcome::Found:
        m_codigo->setText(pick.user.codigo);
        m_login->setText(pick.user.login);
        m_nome->setText(pick.user.nome);
        focusLater(m_mostrar);
        return;
    }
}

void TfDaRetiraPermissoes::mostrar()
{
    try {
        if (!m_logic.mostrar(m_codigo->text())) {
            m_codigo->setFocus();
            return;
        }
    } catch (const DbError &e) {
        m_ctx.messages.error(e.message());
        return;
    }
    refresh(0);
}

void TfDaRetiraPermissoes::altera()
{
    const QModelIndex current = m_grid->currentIndex();
    const int row = current.isValid() ? current.row() : -1;
    m_logic.altera(row);
    refresh(row);
}

void TfDaRetiraPermissoes::refresh(int keepRow)
{
    m_model->setRows(m_logic.rows());
    if (keepRow >= 0 && keepRow < m_logic.rows().size())
        m_grid->selectRow(keepRow);
    m_grid->resizeColumnsToContents();
}
