#include "core/Funcoes.h"
#include "core/MenuDefinition.h"
#include "core/ui/TfPrincipal.h"
#include "registers/CustomerListDescription.h"
#include "registers/DeliveryPersonRegister.h"
#include "registers/ProductListDescription.h"
#include "registers/RegionRegister.h"
#include "registers/ui/RegisterListWindow.h"
#include "registers/ui/TfDadosReg.h"
#include "security/ModuleCodes.h"
#include "support/TestEnvironment.h"

#include <QAction>
#include <QDirIterator>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <functional>
#include <map>

namespace {

using Kind = MessageService::Kind;

const ScriptedMessages::Shown kDenied{Kind::Warning, QStringLiteral("Usuário Sem Permissão para Entrar nesse Módulo")};

TEST(ModuleCodeTable, FiftyFourCodesInMenuOrderThatFitTheirColumns)
{
    const auto &table = ModuleCodes::table();
    ASSERT_EQ(table.size(), 54u);
    QSet<QString> seen;
    for (const ModuleCode &m : table) {
        SCOPED_TRACE(m.code.toStdString());
        EXPECT_FALSE(seen.contains(m.code));
        seen.insert(m.code);
        EXPECT_LE(ModuleCodes::storedCode(m.code).size(), ModuleCodes::kCodeWidth);
        EXPECT_EQ(ModuleCodes::storedDescription(m.description).size(), ModuleCodes::kDescriptionWidth);
    }
    EXPECT_EQ(table.front().code, QStringLiteral("1"));
    EXPECT_EQ(table[16].description, QStringLiteral("Cadastros->Regiões"));
    EXPECT_EQ(table[14].description, QStringLiteral("Cadastros->Produtos->Excluir"));
    EXPECT_EQ(table.back().description, QStringLiteral("Utilitários->Conf. Tipo da Impressora para o Ped."));
}

// A list window whose buttons record what they would open.
class ProbeList final : public RegisterListWindow {
public:
    ProbeList(AppContext &ctx, ListDescription d, RecordDataWindow &unused)
        : RegisterListWindow(std::make_unique<RecordListLogic>(ctx, std::move(d)), unused)
    {
    }
    QList<Modo> opened;

protected:
    void openData(Modo modo, const QString &) override { opened << modo; }
};

// The register lists whose buttons carry module codes.
const std::vector<std::pair<QString, std::function<ListDescription()>>> &registerLists()
{
    static const std::vector<std::pair<QString, std::function<ListDescription()>>> lists{
        {QStringLiteral("Clientes"), customerListDescription},
        {QStringLiteral("Entregadores"), DeliveryPersonRegister::list},
        {QStringLiteral("Produtos"), productListDescription},
        {QStringLiteral("Regiões"), RegionRegister::list},
    };
    return lists;
}

// With both switches on, every module code is asked by the menu entries and
// list buttons that carry it; a user without the code is refused there and a
// user with only that code goes through. A code no window of this build
// carries yet is asked of the gate itself.
class GateMatrixTest : public DatabaseTest {
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        session.confLogin = session.confPermissao = QStringLiteral("S");
        for (const char *user : {kLacking, kOnly})
            for (const ModuleCode &m : ModuleCodes::table())
                db.execute(QStringLiteral("Insert Into Permissoes (PER_CodMod, PER_Descricao, PER_CodUser, PER_Ativo) "
                                          "Values (:cMod, :cDesc, :cUser, 'S')"),
                           {{"cMod", ModuleCodes::storedCode(m.code)},
                            {"cDesc", ModuleCodes::storedDescription(m.description)},
                            {"cUser", user}});
        window = std::make_unique<TfPrincipal>(ctx);
        for (const MenuEntry &e : MenuDefinition::entries())
            if (!e.actionId.isEmpty())
                window->setAction(e.actionId, [this, id = e.actionId] { ran << id; });
    }
    // kLacking has every code but `code`; kOnly has `code` alone.
    void grantAround(const QString &code)
    {
        db.execute(QStringLiteral("Update Permissoes Set PER_Ativo = Case When PER_CodMod = :cMod Then :cIn Else :cOut End "
                                  "Where PER_CodUser = :cUser"),
                   {{"cMod", code}, {"cIn", "N"}, {"cOut", "S"}, {"cUser", kLacking}});
        db.execute(QStringLiteral("Update Permissoes Set PER_Ativo = Case When PER_CodMod = :cMod Then :cIn Else :cOut End "
                                  "Where PER_CodUser = :cUser"),
                   {{"cMod", code}, {"cIn", "S"}, {"cOut", "N"}, {"cUser", kOnly}});
    }

    struct Probe {
        QString carrier;
        std::function<bool()> passes; // true when the action went through
    };

    std::vector<Probe> probesFor(const QString &code)
    {
        std::vector<Probe> probes;
        for (const MenuEntry &e : MenuDefinition::entries()) {
            if (e.code != code || e.hidden)
                continue;
            const QString name = e.path.join(QStringLiteral(" > "));
            if (!MenuDefinition::hasChildren(e)) {
                probes.push_back({name, [this, &e] {
                                      ran.clear();
                                      window->menuAction(e.path)->trigger();
                                      return ran == QStringList{e.actionId};
                                  }});
            } else {
                // A title: the menu bar's only warns; a submenu offers its items or not.
                probes.push_back({name, [this, &e] {
                                      QMenu *m = window->menu(e.path);
                                      m->popup(QPoint(0, 0));
                                      m->hide();
                                      if (e.isTopLevel())
                                          return messages.shown().isEmpty();
                                      return m->actions().first()->isEnabled();
                                  }});
            }
        }
        using B = RecordListLogic::Button;
        for (const auto &[list, describe] : registerLists()) {
            const ListDescription d = describe();
            for (int b = 0; b < d.gateCodes.size(); ++b)
                if (d.gateCodes[b] == code)
                    probes.push_back({list + QStringLiteral(" button %1").arg(b), [this, describe, b] {
                                          TfDadosReg unused(ctx);
                                          ProbeList lista(ctx, describe(), unused);
                                          QTest::mouseClick(lista.button(B(b)), Qt::LeftButton);
                                          return lista.opened.size() == 1;
                                      }});
        }
        if (probes.empty())
            probes.push_back({QStringLiteral("gate"), [this, code] { return Funcoes::permissionGate(ctx, code); }});
        return probes;
    }

    static constexpr const char *kLacking = "000001";
    static constexpr const char *kOnly = "000002";
    std::unique_ptr<TfPrincipal> window;
    QStringList ran;
};

TEST_F(GateMatrixTest, EveryCodeRefusesWithoutItAndLetsThroughWithIt)
{
    int carriedByWindows = 0;
    for (const ModuleCode &m : ModuleCodes::table()) {
        grantAround(m.code);
        for (const Probe &probe : probesFor(m.code)) {
            SCOPED_TRACE((m.code + QStringLiteral(" at ") + probe.carrier).toStdString());
            carriedByWindows += probe.carrier != QStringLiteral("gate");

            session.codUsuario = QString::fromLatin1(kLacking);
            messages.clear();
            EXPECT_FALSE(probe.passes());
            EXPECT_EQ(messages.shown(), QList<ScriptedMessages::Shown>{kDenied});

            session.codUsuario = QString::fromLatin1(kOnly);
            messages.clear();
            EXPECT_TRUE(probe.passes());
            EXPECT_TRUE(messages.shown().isEmpty());
        }
    }
    // The menu's 24 shown codes and the four lists' 16 buttons at least.
    EXPECT_GE(carriedByWindows, 40);
}

// Every code written anywhere in the program where the gate can reach it is
// one of the table: module-code-like literals, literals handed to the gate,
// the lists' button codes and the menu's codes.
QStringList sourceFiles()
{
    QStringList files;
    QDirIterator it(QStringLiteral(VELMORA_SCHEMA_DIR "/../src"), {QStringLiteral("*.cpp"), QStringLiteral("*.h")},
                    QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    return files;
}

TEST(ModuleCodeTable, EveryCodeGivenToTheGateIsInTheTable)
{
    for (const MenuEntry &e : MenuDefinition::entries()) {
        if (!e.code.isEmpty()) {
            EXPECT_TRUE(ModuleCodes::contains(e.code)) << e.path.join(" > ").toStdString() << " " << e.code.toStdString();
        }
    }
    for (const auto &[list, describe] : registerLists()) {
        for (const QString &code : describe().gateCodes)
            EXPECT_TRUE(ModuleCodes::contains(code)) << list.toStdString() << " " << code.toStdString();
    }

    // Module codes have one digit a level ("1.234" is a figure, not a code).
    static const QRegularExpression codeLike(QStringLiteral("\"([1-9](?:\\.[0-9]){1,3})\""));
    static const QRegularExpression gateCall(QStringLiteral("(?:permissionGate|temPermissao)\\s*\\(([^;{}]*?)\\)\\s*[;)]"));
    static const QRegularExpression gateCodes(QStringLiteral("gateCodes\\s*=?\\s*\\{([^}]*)\\}"));
    static const QRegularExpression literal(QStringLiteral("\"([^\"\\\\]*)\""));
    const QStringList files = sourceFiles();
    ASSERT_GT(files.size(), 50);
    int gateSites = 0;
    for (const QString &path : files) {
        if (path.endsWith(QStringLiteral("/ModuleCodes.h")))
            continue;
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
        const QString text = QString::fromUtf8(f.readAll());
        auto it = codeLike.globalMatch(text);
        while (it.hasNext()) {
            const QString code = it.next().captured(1);
            EXPECT_TRUE(ModuleCodes::contains(code)) << path.toStdString() << ": " << code.toStdString();
        }
        for (const QRegularExpression *site : {&gateCall, &gateCodes}) {
            auto calls = site->globalMatch(text);
            while (calls.hasNext()) {
                ++gateSites;
                auto literals = literal.globalMatch(calls.next().captured(1));
                while (literals.hasNext()) {
                    const QString code = literals.next().captured(1);
                    EXPECT_TRUE(ModuleCodes::contains(code)) << path.toStdString() << ": \"" << code.toStdString() << '"';
                }
            }
        }
    }
    EXPECT_GE(gateSites, 3); // the menu, the register lists and the gate itself at least
}

} // namespace
