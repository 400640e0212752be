#include "core/ui/TfPrincipal.h"

#include "core/AppContext.h"
#include "core/FirstShowing.h"
#include "core/Session.h"
#include "core/ui/TfSobre.h"
#include "security/ui/TfLogin.h"

#include <QAction>
#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const char *const kCodeProperty = "moduleCode";
const char *const kActionIdProperty = "actionId";

QString key(const QStringList &path)
{
    return path.join(u'\x1f');
}

} // namespace

TfPrincipal::TfPrincipal(AppContext &ctx, QWidget *parent)
    : QMainWindow(parent), m_ctx(ctx), m_dispatch(ctx)
{
    setObjectName(QStringLiteral("TfPrincipal"));
    setWindowTitle(kCaption);
    buildHeader();
    buildStatusBar();
    buildMenu();

    m_sobre = new TfSobre(this);
    setAction(MenuAction::Sobre, [this] {
        m_sobre->setVersion(m_ctx.session.versaoSistema);
        m_sobre->open();
    });
    setAction(MenuAction::Saida, [this] { endProgram(); });
}

TfPrincipal::~TfPrincipal() = default;

void TfPrincipal::buildHeader()
{
    auto *central = new QWidget(this);
    auto *outer = new QVBoxLayout(central);
    auto *heading = new QLabel(QStringLiteral("Programa Desenvolvido para:"), central);
    QFont headingFont = heading->font();
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.5);
    headingFont.setBold(true);
    heading->setFont(headingFont);
    outer->addWidget(heading);

    auto *grid = new QGridLayout;
    const QString captions[5] = {QStringLiteral("Empresa:"), QStringLiteral("Endereço:"),
                                 QStringLiteral("Telefone:"), QStringLiteral("Email:"),
                                 QStringLiteral("Home Page:")};
    const char *names[5] = {"lbEmpNome", "lbEmpEnder", "lbEmpFone", "lbEmpEmail", "lbEmpHomeP"};
    for (int i = 0; i < 5; ++i) {
        auto *caption = new QLabel(captions[i], central);
        QFont bold = caption->font();
        bold.setBold(true);
        caption->setFont(bold);
        m_header[i] = new QLabel(central);
        m_header[i]->setObjectName(QString::fromLatin1(names[i]));
        m_header[i]->setTextInteractionFlags(Qt::TextSelectableByMouse);
        grid->addWidget(caption, i, 0, Qt::AlignRight);
        grid->addWidget(m_header[i], i, 1);
    }
    grid->setColumnStretch(1, 1);
    outer->addLayout(grid);
    outer->addStretch();
    setCentralWidget(central);
}

void TfPrincipal::buildStatusBar()
{
    const QString texts[3] = {kPanelEmpresa, QStringLiteral("Usuario:"), QStringLiteral("Versão:")};
    const int stretch[3] = {1, 1, 1};
    for (int i = 0; i < 3; ++i) {
        m_panels[i] = new QLabel(texts[i], this);
        m_panels[i]->setObjectName(QStringLiteral("panel%1").arg(i));
        statusBar()->addWidget(m_panels[i], stretch[i]);
    }
}

void TfPrincipal::buildMenu()
{
    for (const MenuEntry &entry : MenuDefinition::entries()) {
        const QStringList parentPath = entry.path.mid(0, entry.path.size() - 1);
        QMenu *parentMenu = entry.isTopLevel() ? nullptr : m_menus.value(key(parentPath));
        const MenuEntry *e = &entry; // the table lives for the whole run

        QAction *action = nullptr;
        if (MenuDefinition::hasChildren(entry)) {
            QMenu *m = parentMenu ? parentMenu->addMenu(entry.caption()) : menuBar()->addMenu(entry.caption());
            m_menus.insert(key(entry.path), m);
            action = m->menuAction();
            if (entry.isTopLevel()) {
                connect(m, &QMenu::aboutToShow, this, [this, e] { m_dispatch.topLevelOpened(*e); });
            } else {
                connect(m, &QMenu::aboutToShow, this, [this, e, m] {
                    // Nothing is offered while the gate is shut, and the menu goes away.
                    const bool offered = m_dispatch.submenuOpened(*e);
                    offerItems(m, offered);
                    if (!offered)
                        QTimer::singleShot(0, m, &QMenu::close);
                });
            }
        } else {
            action = parentMenu ? parentMenu->addAction(entry.caption()) : menuBar()->addAction(entry.caption());
            action->setEnabled(false);
            connect(action, &QAction::triggered, this, [this, e] { m_dispatch.itemChosen(*e); });
        }
        action->setProperty(kCodeProperty, entry.code);
        action->setProperty(kActionIdProperty, entry.actionId);
        if (entry.hidden)
            action->setVisible(false);
        m_actions.insert(key(entry.path), action);
    }
}

void TfPrincipal::offerItems(QMenu *menu, bool offered)
{
    for (QAction *a : menu->actions()) {
        if (a->menu())
            a->setEnabled(offered);
        else
            a->setEnabled(offered && m_dispatch.hasAction(a->property(kActionIdProperty).toString()));
    }
}

void TfPrincipal::setAction(const QString &actionId, std::function<void()> action)
{
    m_dispatch.setAction(actionId, std::move(action));
    if (const MenuEntry *entry = MenuDefinition::findAction(actionId))
        if (QAction *a = m_actions.value(key(entry->path)))
            a->setEnabled(m_dispatch.hasAction(actionId));
}

void TfPrincipal::setLoginHandler(std::function<bool()> login)
{
    m_loginHandler = std::move(login);
}

void TfPrincipal::setEndProgramHandler(std::function<void()> endProgram)
{
    m_endProgram = std::move(endProgram);
}

void TfPrincipal::setCompanyHeader(const CompanyHeader &header)
{
    const QString values[5] = {header.nome, header.ender, header.fone, header.email, header.homeP};
    for (int i = 0; i < 5; ++i)
        m_header[i]->setText(values[i]);
}

CompanyHeader TfPrincipal::companyHeader() const
{
    return {m_header[0]->text(), m_header[1]->text(), m_header[2]->text(), m_header[3]->text(),
            m_header[4]->text()};
}

QString TfPrincipal::statusPanel(int index) const
{
    return index >= 0 && index < 3 ? m_panels[index]->text() : QString();
}

QAction *TfPrincipal::menuAction(const QStringList &path) const
{
    return m_actions.value(key(path));
}

QMenu *TfPrincipal::menu(const QStringList &path) const
{
    return m_menus.value(key(path));
}

void TfPrincipal::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_firstShowingQueued)
        return;
    m_firstShowingQueued = true;
    QMetaObject::invokeMethod(this, &TfPrincipal::runFirstShowing, Qt::QueuedConnection);
}

void TfPrincipal::runFirstShowing()
{
    FirstShowing work(m_ctx, [this] {
        const bool stays = showLogin();
        m_panels[1]->setText(QStringLiteral("Usuario:") + m_ctx.session.loginUsuario);
        return stays;
    });
    const FirstShowing::Result result = work.run();
    if (result.header)
        setCompanyHeader(*result.header);
    if (!result.versionPanel.isEmpty())
        m_panels[2]->setText(result.versionPanel);
    if (result.outcome == FirstShowing::Outcome::ProgramEnded)
        endProgram();
}

bool TfPrincipal::showLogin()
{
    if (m_loginHandler)
        return m_loginHandler();
    if (!m_login)
        m_login = new TfLogin(m_ctx, this);
    m_login->exec();
    return !m_login->logic().programEndRequested();
}

void TfPrincipal::endProgram()
{
    if (m_endProgram) {
        m_endProgram();
        return;
    }
    close();
    QCoreApplication::quit();
}
