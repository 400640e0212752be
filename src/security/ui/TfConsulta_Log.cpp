#include "security/ui/TfConsulta_Log.h"

#include "controls/ui/TBitBtnV.h"
#include "controls/ui/TEditV.h"
#include "controls/ui/WindowConventions.h"
#include "core/AppContext.h"
#include "core/Clock.h"
#include "core/DbError.h"
#include "core/MessageService.h"
#include "core/ResultSetModel.h"
#include "core/ui/FocusWatch.h"

#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QShowEvent>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QDateEdit *dateField(const QString &name, QWidget *parent)
{
    auto *d = new QDateEdit(parent);
    d->setObjectName(name);
    d->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    d->setCalendarPopup(true);
    return d;
}

void focusLater(QWidget *w)
{
    QTimer::singleShot(0, w, [w] { w->setFocus(); });
}

} // namespace

TfConsulta_Log::TfConsulta_Log(AppContext &ctx, QWidget *parent)
    : QDialog(parent), m_ctx(ctx), m_logic(ctx), m_model(new ResultSetModel(ConsultaLogLogic::columns(), this))
{
    const QString caption = QStringLiteral("Consulta de Log de Usuários");
    setObjectName(QStringLiteral("TfConsulta_Log"));
    setWindowTitle(caption);
    WindowConventions::noTitleBarButtons(this);

    auto *title = new QLabel(caption, this);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);

    m_codigo = new TEditV(this);
    m_codigo->setObjectName(QStringLiteral("LOG_CODUSER"));
    m_login = new TEditV(this);
    m_login->setObjectName(QStringLiteral("USU_LOGIN"));
    m_nome = new TEditV(this);
    m_nome->setObjectName(QStringLiteral("USU_NOME"));
    m_nome->setReadOnly(true);
    m_nome->setFocusPolicy(Qt::NoFocus);
    m_inicial = dateField(QStringLiteral("DataInicial"), this);
    m_final = dateField(QStringLiteral("DataFinal"), this);

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Cód.Usuário:"), m_codigo);
    form->addRow(QStringLiteral("Login:"), m_login);
    form->addRow(QStringLiteral("Nome:"), m_nome);
    form->addRow(QStringLiteral("Data Inicial:"), m_inicial);
    form->addRow(QStringLiteral("Data Final"), m_final);

    m_filtrar = new TBitBtnV(QStringLiteral("Filtrar"), this);
    auto *fechar = new TBitBtnV(QStringLiteral("Fechar"), this);
    connect(m_filtrar, &QPushButton::clicked, this, &TfConsulta_Log::filtrar);
    connect(fechar, &QPushButton::clicked, this, &QDialog::reject);

    m_grid = new QTableView(this);
    m_grid->setModel(m_model);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->verticalHeader()->hide();
    WindowConventions::stripedRows(m_grid);

    auto *filtrarRow = new QHBoxLayout;
    filtrarRow->addStretch();
    filtrarRow->addWidget(m_filtrar);
    auto *fecharRow = new QHBoxLayout;
    fecharRow->addStretch();
    fecharRow->addWidget(fechar);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addLayout(form);
    layout->addLayout(filtrarRow);
    layout->addWidget(m_grid, 1);
    layout->addLayout(fecharRow);

    FocusWatch::onLeave(m_codigo, [this] {
        try {
            const UserRules::Pick pick = m_logic.leaveCode(m_codigo->text());
            if (pick.outcome == UserRules::Pick::Outcome::Blank) {
                m_login->clear();
                m_nome->clear();
                return;
            }
            showPick(pick, m_codigo);
        } catch (const DbError &e) {
            m_ctx.messages.error(e.message());
        }
    });
    FocusWatch::onLeave(m_login, [this] {
        try {
            const UserRules::Pick pick = m_logic.leaveLogin(m_login->text());
            if (pick.outcome != UserRules::Pick::Outcome::Blank)
                showPick(pick, m_login);
        } catch (const DbError &e) {
            m_ctx.messages.error(e.message());
        }
    });
    WindowConventions::focusHighlight(this);
}

void TfConsulta_Log::showPick(const UserRules::Pick &pick, QLineEdit *stayIn)
{
    if (pick.outcome == UserRules::Pick::Outcome::NotFound) {
        m_codigo->clear();
        m_login->clear();
        m_nome->clear();
        focusLater(stayIn);
        return;
    }
    m_codigo->setText(pick.user.codigo);
    m_login->setText(pick.user.login);
    m_nome->setText(pick.user.nome);
    focusLater(m_inicial);
}

void TfConsulta_Log::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return; // restored from minimised: keeps what it shows
    m_codigo->clear();
    m_login->clear();
    m_nome->clear();
    m_inicial->setDate(m_ctx.clock.today());
    m_final->setDate(m_ctx.clock.today());
    m_codigo->setFocus();
}

void TfConsulta_Log::filtrar()
{
    try {
        m_logic.filtrar(m_codigo->text(), m_inicial->date(), m_final->date());
    } catch (const DbError &e) {
        m_ctx.messages.error(e.message());
        return;
    }
    m_model->setRows(m_logic.rows());
    m_grid->resizeColumnsToContents();
}
