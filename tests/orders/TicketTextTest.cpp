#include "TicketFixture.h"

#include "orders/TicketData.h"
#include "orders/TicketText.h"

#include <functional>

namespace {

const QString kLongReference = QStringLiteral(
    "Casa amarela de esquina com portão de ferro, interfone quebrado, bater palmas; cachorro bravo no quintal, "
    "entregar pela janela da cozinha nos fundos; ponto: mercado Dois Irmãos, ao lado da farmác");

struct TextCase {
    const char *name;
    bool wide;
    bool obs;
    QString nroLin;
    std::function<void(TicketFixture &)> setUp;
};

class TicketGolden : public TicketFixture, public ::testing::WithParamInterface<TextCase> {
public:
    using TicketFixture::addItem;
    using TicketFixture::addItems;
    using TicketFixture::set;
    using TicketFixture::setCustomer;
};

void threeItems(TicketFixture &f)
{
    auto &t = static_cast<TicketGolden &>(f);
    t.addItem(QStringLiteral("101"), QStringLiteral("Pizza Calabresa Grande"), "1", "45.90", QStringLiteral("Sem cebola"));
    t.addItem(QStringLiteral("7"), QStringLiteral("Refrigerante 2L"), "2", "12.50");
    t.addItem(QStringLiteral("2001"), QStringLiteral("Esfiha de Carne"), "6", "4.75", QStringLiteral("   "));
}

void plain(TicketFixture &f)
{
    auto &t = static_cast<TicketGolden &>(f);
    threeItems(f);
    t.set(QStringLiteral("PED_CodEnt = Null, PED_DataS = Null, PED_HoraS = Null, PED_Troco = 0"));
}

void withChange(TicketFixture &f)
{
    threeItems(f);
    static_cast<TicketGolden &>(f).set(QStringLiteral("PED_Troco = 10.00"));
}

void manyItems(TicketFixture &f)
{
    auto &t = static_cast<TicketGolden &>(f);
    t.addItems(44);
    t.addItem(QStringLiteral("45"), QStringLiteral("Produto 45"), "1", "10.00", QStringLiteral("Bem passada"));
    t.set(QStringLiteral("PED_DataT = '2026-12-10', PED_HoraT = '20:15:30'"));
}

void longTexts(TicketFixture &f)
{
    auto &t = static_cast<TicketGolden &>(f);
    t.setCustomer(QStringLiteral("CLI_EREFER = :r, CLI_Nome = :n"),
                  {{QStringLiteral("r"), kLongReference},
                   {QStringLiteral("n"), QStringLiteral("Maria da Conceição Aparecida dos Santos Nogueira de Albuquer")}});
    t.addItem(QStringLiteral("ABCDEFGHIJ"), QStringLiteral("Combo Família: 2 pizzas grandes, refrigerante e so"),
              "12345.678", "1234567.89",
              QStringLiteral("Observação bem longa que passa do limite de trinta e seis caracteres e vai até 8"));
    t.addItem(QStringLiteral("8"), QStringLiteral("Água"), "2.75", "1234.56");
}

class TicketTextGolden : public TicketGolden {};

TEST_P(TicketTextGolden, MatchesTheGoldenBytes)
{
    const TextCase &c = GetParam();
    c.setUp(*this);
    std::optional<TicketData> t = TicketLoader::load(db, QStringLiteral("00000042"));
    ASSERT_TRUE(t);
    t->empresa = session.empNome;
    const TicketText::Options options{.obs = c.obs, .nroLin = TicketText::nroLin(c.nroLin)};
    const QStringList lines = c.wide ? TicketText::lines80(*t, options, clock.now())
                                     : TicketText::lines40(*t, options, clock.now());
    const int paper = c.wide ? TicketText::kWide : TicketText::kNarrow;
    for (const QString &line : lines)
        EXPECT_LE(line.size(), paper) << line.toStdString();
    expectGolden(QString::fromLatin1(c.name) + QStringLiteral(".txt"), TicketText::bytes(lines));
}

INSTANTIATE_TEST_SUITE_P(
    Ticket, TicketTextGolden,
    ::testing::Values(TextCase{"ticket80_change_notes", true, true, "4", withChange},
                      TextCase{"ticket80_plain_no_delivery_person", true, false, "4", plain},
                      TextCase{"ticket80_45_items", true, true, "4", manyItems},
                      TextCase{"ticket80_long_texts", true, true, "4", longTexts},
                      TextCase{"ticket40_change_notes", false, true, "4", withChange},
                      TextCase{"ticket40_plain_no_delivery_person_bad_nrolin", false, false, "x", plain},
                      TextCase{"ticket40_long_texts", false, true, "0", longTexts}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(TicketGolden, FortyColumnsPrintTheStoredFigures)
{
    addItem(QStringLiteral("8"), QStringLiteral("Água"), "2.75", "1234.56");
    std::optional<TicketData> t = TicketLoader::load(db, QStringLiteral("00000042"));
    ASSERT_TRUE(t);
    const QStringList narrow = TicketText::lines40(*t, {}, clock.now());
    EXPECT_TRUE(narrow.contains(QStringLiteral("Água              2,75 1234,56  3.395,04"))) << narrow.join(u'|').toStdString();
    const QStringList wide = TicketText::lines80(*t, {}, clock.now());
    EXPECT_TRUE(wide.contains(QStringLiteral("         8/Água                                  2,750     1.234,56     3.395,04")))
        << wide.join(u'|').toStdString();
}

TEST(TicketText, NroLinFallsBackToFourOnlyWhenUnreadable)
{
    EXPECT_EQ(TicketText::nroLin(QStringLiteral("7")), 7);
    EXPECT_EQ(TicketText::nroLin(QStringLiteral("")), 4);
    EXPECT_EQ(TicketText::nroLin(QStringLiteral("1.000")), 4);
    EXPECT_EQ(TicketText::nroLin(QStringLiteral("-2")), -2);
}

TEST(TicketText, BytesAreWindows1252WithCrLf)
{
    EXPECT_EQ(TicketText::bytes({QStringLiteral("D.Emissão:"), QStringLiteral("\f")}), QByteArray("D.Emiss\xe3o:\r\n\f\r\n"));
}

} // namespace
