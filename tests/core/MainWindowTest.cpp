#include "core/MenuDefinition.h"
#include "core/ui/TfPrincipal.h"
#include "core/ui/TfSobre.h"
#include "support/TestEnvironment.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

namespace {

using Kind = MessageService::Kind;

QStringList P(const char *path)
{
    return QString::fromUtf8(path).split(QStringLiteral(" > "));
}

// "path|code" for every title and item with a module code, in menu order,
// "|hidden" for what the user never sees; plus the item count of each submenu
// that has no codes of its own below it.
void describe(const QList<QAction *> &actions, const QStringList &parent, QStringList &out)
{
    for (QAction *a : actions) {
        if (a->isSeparator())
            continue;
        const QStringList path = parent + QStringList{a->text()};
        const QString code = a->property("moduleCode").toString();
        const bool listed = parent.isEmpty() || !code.isEmpty() || parent.size() == 1;
        if (listed)
            out << path.join(QStringLiteral(" > ")) + u'|' + code + (a->isVisible() ? QString() : QStringLiteral("|hidden"));
        if (QMenu *m = a->menu()) {
            if (parent.size() == 1 && !code.isEmpty())
                out << QStringLiteral("  %1 items").arg(m->actions().size());
            describe(m->actions(), path, out);
        }
    }
}

class MainWindowTest : public DatabaseTest {
protected:
    void grant(const char *module)
    {
        db.execute(QStringLiteral("Insert Into Permissoes (PER_CodUser, PER_CodMod, PER_Ativo) "
                                  "Values ('000001', :cMod, 'S')"),
                   {{QStringLiteral("cMod"), module}});
    }
    // Opening a menu emits aboutToShow like the user's click does.
    void open(const char *path)
    {
        QMenu *m = window.menu(P(path));
        ASSERT_NE(m, nullptr) << path;
        m->popup(QPoint(0, 0));
        m->hide();
    }
    QAction *action(const char *path)
    {
        QAction *a = window.menuAction(P(path));
        EXPECT_NE(a, nullptr) << path;
        return a;
    }
    void loginAsRestrictedUser()
    {
        session.confLogin = session.confPermissao = QStringLiteral("S");
        session.codUsuario = QStringLiteral("000001");
    }

    TfPrincipal window{ctx};
    QStringList ran;
};

TEST_F(MainWindowTest, MenuTreeInOrderWithItsModuleCodes)
{
    QStringList tree;
    describe(window.menuBar()->actions(), {}, tree);
    const QStringList expected = {
        QStringLiteral("Cadastros|1"),
        QStringLiteral("Cadastros > Clientes|1.1"),
        QStringLiteral("Cadastros > Entregadores|1.2"),
        QStringLiteral("Cadastros > Produtos|1.3"),
        QStringLiteral("Cadastros > Regiões de Entrega|1.4"),
        QStringLiteral("Movimentação de Estoque|2"),
        QStringLiteral("Movimentação de Estoque > Entrada|2.1"),
        QStringLiteral("Movimentação de Estoque > Saída|2.2"),
        QStringLiteral("Delivery|3"),
        QStringLiteral("Delivery > Pedidos|3.1"),
        QStringLiteral("Comissão Entregadores|4"),
        QStringLiteral("Fluxo de Caixa|5"),
        QStringLiteral("Relatórios|6"),
        QStringLiteral("Relatórios > Listas de Preços|6.1"),
        QStringLiteral("  2 items"),
        QStringLiteral("Relatórios > Itens no Estoque|6.2"),
        QStringLiteral("  3 items"),
        QStringLiteral("Relatórios > Movimentação de Estoque|6.3"),
        QStringLiteral("  6 items"),
        QStringLiteral("Relatórios > Pedidos|6.4"),
        QStringLiteral("  5 items"),
        QStringLiteral("Relatórios > Fluxo de Caixa|6.5|hidden"),
        QStringLiteral("  4 items"),
        QStringLiteral("Relatórios > Comissões de Entregadores|6.6"),
        QStringLiteral("  6 items"),
        QStringLiteral("Utilitários|7"),
        QStringLiteral("Utilitários > Backup|7.1"),
        QStringLiteral("Utilitários > Restaura Backup|7.2"),
        QStringLiteral("Utilitários > Usuários|7.3"),
        QStringLiteral("  6 items"),
        QStringLiteral("Utilitários > Manutenção de Movimentação de Estoque|"),
        QStringLiteral("Utilitários > Dados da Empresa|7.4"),
        QStringLiteral("Utilitários > Configuração do Tipo de Impressora para a Impressão dos Pedidos|7.5"),
        QStringLiteral("Ajuda|"),
        QStringLiteral("Ajuda > Sobre|"),
        QStringLiteral("Saída|"),
    };
    EXPECT_EQ(tree, expected);
}

TEST_F(MainWindowTest, ItemsWaitDisabledUntilTheirActionIsRegistered)
{
    // Only the window's own items work from the start.
    QStringList enabled;
    for (const MenuEntry &e : MenuDefinition::entries())
        if (!MenuDefinition::hasChildren(e) && window.menuAction(e.path)->isEnabled())
            enabled << e.path.join(QStringLiteral(" > "));
    EXPECT_EQ(enabled, QStringList({QStringLiteral("Ajuda > Sobre"), QStringLiteral("Saída")}));

    window.setAction(MenuAction::ManutCli, [this] { ran << QStringLiteral("clientes"); });
    window.setAction(QStringLiteral("Lista Preco Codigo"), [this] { ran << QStringLiteral("lista"); });
    QAction *clientes = action("Cadastros > Clientes");
    QAction *lista = action("Relatórios > Listas de Preços > Lista de Preço (Ordenada por Código)");
    ASSERT_TRUE(clientes && lista);
    EXPECT_TRUE(clientes->isEnabled());
    clientes->trigger();
    lista->trigger();
    EXPECT_EQ(ran, QStringList({QStringLiteral("clientes"), QStringLiteral("lista")}));
    EXPECT_TRUE(messages.shown().isEmpty());
}

TEST_F(MainWindowTest, TopLevelTitleOnlyWarnsItemsKeepTheirGates)
{
    loginAsRestrictedUser();
    grant("1");
    grant("1.1");
    window.setAction(MenuAction::ManutCli, [this] { ran << QStringLiteral("clientes"); });
    window.setAction(MenuAction::ManutPro, [this] { ran << QStringLiteral("produtos"); });
    window.setAction(MenuAction::ManutCCE, [this] { ran << QStringLiteral("comissao"); });
    const ScriptedMessages::Shown denied{Kind::Warning, QStringLiteral("Usuário Sem Permissão para Entrar nesse Módulo")};

    open("Relatórios");
    EXPECT_TRUE(messages.showedOnly(denied.kind, denied.text));
    EXPECT_TRUE(action("Relatórios > Pedidos")->isEnabled()); // its submenus still have their own gates

    messages.clear();
    open("Cadastros");
    action("Cadastros > Clientes")->trigger();
    EXPECT_TRUE(messages.shown().isEmpty());
    action("Cadastros > Produtos")->trigger(); // "1.3" not granted: abandoned after the warning
    action("Comissão Entregadores")->trigger(); // "4" not granted
    EXPECT_EQ(messages.shown(), QList<ScriptedMessages::Shown>({denied, denied}));
    EXPECT_EQ(ran, QStringList({QStringLiteral("clientes")}));
}

TEST_F(MainWindowTest, DeniedSubmenuOffersNoItems)
{
    loginAsRestrictedUser();
    grant("7");
    const char *usuarios[] = {"Manutenção de Usuários", "Configuração de Login", "Configuração de Log",
                              "Consulta de Log", "Configuração de Permissão", "Dá/Retira Permissões"};
    for (const QString &id : {MenuAction::ManutUsuarios, MenuAction::ConfigLogin, MenuAction::ConfigLog,
                              MenuAction::ConsultaLog, MenuAction::PermissaoUsuarios,
                              MenuAction::DaRetiraPermissoes})
        window.setAction(id, [this, id] { ran << id; });

    open("Utilitários");
    EXPECT_TRUE(messages.shown().isEmpty());
    open("Utilitários > Usuários");
    EXPECT_TRUE(messages.showedOnly(Kind::Warning, QStringLiteral("Usuário Sem Permissão para Entrar nesse Módulo")));
    for (const char *caption : usuarios) {
        QAction *a = window.menuAction(P("Utilitários > Usuários") << QString::fromUtf8(caption));
        ASSERT_NE(a, nullptr) << caption;
        EXPECT_FALSE(a->isEnabled()) << caption;
        a->trigger();
    }
    EXPECT_TRUE(ran.isEmpty());

    // Granted later (permissions are read at every opening): offered again.
    grant("7.3");
    messages.clear();
    open("Utilitários > Usuários");
    EXPECT_TRUE(messages.shown().isEmpty());
    QAction *consulta = action("Utilitários > Usuários > Consulta de Log");
    ASSERT_TRUE(consulta);
    EXPECT_TRUE(consulta->isEnabled());
    consulta->trigger();
    EXPECT_EQ(ran, QStringList({MenuAction::ConsultaLog}));
}

TEST_F(MainWindowTest, FirstShowingFillsHeaderAndPanelsOnce)
{
    db.execute(QStringLiteral("Update Empresa Set EMP_Nome='Pizzaria Aurora', EMP_Ender='Rua Um, 10', "
                              "EMP_Fone='3232-0000', EMP_Email='a@aurora.test', EMP_HomeP='aurora.test'"));
    db.execute(QStringLiteral("Update Configuracoes Set LOGIN='S'"));
    int logins = 0;
    window.setLoginHandler([&] {
        ++logins;
        session.codUsuario = QStringLiteral("000001");
        session.loginUsuario = QStringLiteral("maria");
        return true;
    });
    bool ended = false;
    window.setEndProgramHandler([&] { ended = true; });

    window.show();
    EXPECT_EQ(logins, 0); // queued: the window shows first
    QCoreApplication::processEvents();
    window.hide();
    window.show();
    QCoreApplication::processEvents();

    EXPECT_EQ(logins, 1);
    EXPECT_FALSE(ended);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Velmora Delivery"));
    EXPECT_EQ(window.companyHeader(),
              (CompanyHeader{QStringLiteral("Pizzaria Aurora"), QStringLiteral("Rua Um, 10"),
                             QStringLiteral("3232-0000"), QStringLiteral("a@aurora.test"),
                             QStringLiteral("aurora.test")}));
    EXPECT_EQ(window.statusPanel(0), QStringLiteral("Velmora Informática"));
    EXPECT_EQ(window.statusPanel(1), QStringLiteral("Usuario:maria"));
    EXPECT_EQ(window.statusPanel(2), QStringLiteral("Versão:1.1.4-06022012"));
    EXPECT_TRUE(messages.shown().isEmpty());
}

TEST_F(MainWindowTest, LoginEndingTheProgramEndsIt)
{
    db.execute(QStringLiteral("Update Empresa Set EMP_Nome='Pizzaria Aurora'"));
    db.execute(QStringLiteral("Update Configuracoes Set LOGIN='S'"));
    window.setLoginHandler([] { return false; });
    int ended = 0;
    window.setEndProgramHandler([&] { ++ended; });
    window.runFirstShowing();
    EXPECT_EQ(ended, 1);
    EXPECT_TRUE(window.companyHeader().nome.isEmpty());
    EXPECT_EQ(window.statusPanel(2), QStringLiteral("Versão:"));
}

TEST_F(MainWindowTest, AboutWindowAndExit)
{
    session.versaoSistema = QStringLiteral("1.1.4-06022012");
    int ended = 0;
    window.setEndProgramHandler([&] { ++ended; });
    window.show();

    action("Ajuda > Sobre")->trigger();
    auto *sobre = window.findChild<TfSobre *>();
    ASSERT_NE(sobre, nullptr);
    EXPECT_TRUE(sobre->isVisible());
    EXPECT_EQ(sobre->windowTitle(), QStringLiteral("Sobre"));
    EXPECT_EQ(sobre->findChild<QLabel *>(QStringLiteral("lbProduto"))->text(), QStringLiteral("Velmora Delivery"));
    EXPECT_EQ(sobre->findChild<QLabel *>(QStringLiteral("lbVersao"))->text(), QStringLiteral("Versão:1.1.4-06022012"));
    auto *fechar = sobre->findChild<QPushButton *>(QStringLiteral("btFechar"));
    ASSERT_NE(fechar, nullptr);
    EXPECT_EQ(fechar->text(), QStringLiteral("Fechar"));
    QTest::mouseClick(fechar, Qt::LeftButton);
    EXPECT_FALSE(sobre->isVisible());

    EXPECT_EQ(ended, 0);
    action("Saída")->trigger();
    EXPECT_EQ(ended, 1);
}

} // namespace
