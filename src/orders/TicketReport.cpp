#include "orders/TicketReport.h"

#include "controls/BrFormat.h"
#include "orders/TicketData.h"
#include "reports/ReportDocument.h"

namespace TicketReport {

using namespace Report;

namespace {

constexpr double kRow = 5;
constexpr double kWidth = 190;

Item fixed(double x, double y, double width, const QString &text, Align a = Align::Left, Font f = Font::Normal)
{
    return Item::label(x, y, width, text, a, f);
}

} // namespace

QString dateTimeOrPlaceholder(const QDate &date, const QTime &time)
{
    if (date.isNull())
        return QStringLiteral("___/___/_____ - ___:___");
    return BrFormat::date(date) + QStringLiteral(" - ") + BrFormat::time(time);
}

std::shared_ptr<const Definition> definition(const TicketData &t, bool printObs)
{
    auto def = std::make_shared<Definition>();
    def->margin = 10;

    def->pageHeader.height = 8;
    def->pageHeader.items = {fixed(0, 0, 120, t.empresa, Align::Left, Font::Bold),
                             fixed(120, 0, 70, t.empresaFone, Align::Right, Font::Bold)};

    const QString saida = dateTimeOrPlaceholder(t.dataS, t.horaS);
    const QString entrega = dateTimeOrPlaceholder(t.dataT, t.horaT);
    auto &title = def->title.items;
    title = {
        fixed(0, 0, kWidth, QStringLiteral("Pedido"), Align::Center, Font::Title),
        Item::rule(0, 11, kWidth),
        fixed(0, 12, 90, QStringLiteral("Pedido Nro.:") + t.codigo),
        fixed(95, 12, 95,
              QStringLiteral("Data/Hora do Pedido:") + BrFormat::date(t.data) + QStringLiteral(" - ") +
                  BrFormat::time(t.hora)),
        fixed(0, 17, kWidth, QStringLiteral("Entregador:") + t.codEnt + u'/' + t.entNome),
        fixed(0, 22, kWidth, QStringLiteral("Cliente:") + t.codCli + u'/' + t.cliNome),
        fixed(0, 27, 130, QStringLiteral("Endereço:") + t.ender),
        fixed(135, 27, 55, QStringLiteral("Número:") + t.numero),
        fixed(0, 32, 95, QStringLiteral("Bairro:") + t.bairro),
        fixed(95, 32, 95, QStringLiteral("Cidade:") + t.cid),
        fixed(0, 37, kWidth, QStringLiteral("Complemento:") + t.comple),
        fixed(0, 42, kWidth, QStringLiteral("Telefone:") + t.fone),
        fixed(0, 47, kWidth, QStringLiteral("Referências:") + t.erefer.left(69)),
        fixed(0, 52, kWidth, t.erefer.mid(69, 80)),
        Item::rule(0, 58, kWidth),
        fixed(0, 59, 22, QStringLiteral("Código"), Align::Right, Font::Bold),
        fixed(25, 59, 75, QStringLiteral("Descrição"), Align::Left, Font::Bold),
        fixed(100, 59, 26, QStringLiteral("Quantidade"), Align::Right, Font::Bold),
        fixed(128, 59, 30, QStringLiteral("Valor Unit."), Align::Right, Font::Bold),
        fixed(160, 59, 30, QStringLiteral("Valor Total"), Align::Right, Font::Bold),
    };
    def->title.height = 65;

    def->detail.height = kRow;
    def->detail.items = {
        Item::field(0, 0, 22, QStringLiteral("IPD_CODPRO"), Format::Text, Align::Right),
        Item::field(25, 0, 75, QStringLiteral("PRO_DESCRICAO")),
        Item::field(100, 0, 26, QStringLiteral("IPD_QUANT"), Format::Quantity, Align::Right),
        Item::field(128, 0, 30, QStringLiteral("IPD_VALOR"), Format::Money, Align::Right),
        Item::field(160, 0, 30, QStringLiteral("IPD_TOTAL"), Format::Money, Align::Right),
        Item::field(25, kRow, 165, QStringLiteral("IPD_OBS"), Format::Text, Align::Left, QStringLiteral("OBS.:")),
    };
    // The note row only when notes are printed and the item has one.
    def->detail.heightFor = [printObs](const Context &c) {
        if (!printObs)
            return kRow;
        const int column = c.data->columnIndex(QStringLiteral("IPD_OBS"));
        const bool hasNote = column >= 0 && !c.data->value(c.row, column).toString().trimmed().isEmpty();
        return hasNote ? 2 * kRow : kRow;
    };

    auto money = [](const Decimal &v) { return BrFormat::money(v); };
    def->summary.height = 34;
    def->summary.items = {
        Item::rule(0, 1, kWidth),
        fixed(100, 3, 55, QStringLiteral("Valor do Produtos:")),
        fixed(150, 3, 40, money(t.valorProdutos()), Align::Right),
        fixed(100, 8, 55, QStringLiteral("Valor da Entrega")),
        fixed(150, 8, 40, money(t.valorEntrega()), Align::Right),
        fixed(100, 13, 55, QStringLiteral("Desconto:")),
        fixed(150, 13, 40, money(t.desconto), Align::Right),
        fixed(100, 18, 55, QStringLiteral("Valor Total Com Desconto:"), Align::Left, Font::Bold),
        fixed(150, 18, 40, money(t.total), Align::Right, Font::Bold),
        fixed(0, 26, 95, QStringLiteral("Data/Hora da Saída: ") + saida),
        fixed(95, 26, 95, QStringLiteral("Data/Hora da Entrega:") + entrega),
    };

    def->pageFooter.height = 7;
    def->pageFooter.items = {
        Item::rule(0, 1, kWidth),
        Item::computed(0, 2, 60, [](const Context &c) { return QStringLiteral("Página:") + QString::number(c.page); }),
        Item::computed(
            100, 2, 90,
            [](const Context &c) { return QStringLiteral("Data/Hora:") + BrFormat::dateTime(c.printedAt); },
            Align::Right),
    };
    return def;
}

std::shared_ptr<const Document> document(const TicketData &ticket, bool printObs, const QDateTime &now)
{
    return std::make_shared<Document>(definition(ticket, printObs), std::make_shared<ResultSetData>(ticket.itemRows),
                                      now);
}

} // namespace TicketReport
