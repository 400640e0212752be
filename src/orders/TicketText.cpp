#include "orders/TicketText.h"

#include "controls/BrFormat.h"
#include "core/Funcoes.h"
#include "core/Win1252.h"
#include "orders/TicketData.h"

namespace TicketText {

namespace {

const QString kFormFeed = QStringLiteral("\f");

QString left(const QString &text, int width) { return Funcoes::completaEspacos(text, width, QStringLiteral("s")); }
QString right(const QString &text, int width) { return Funcoes::completaEspacos(text, width, QStringLiteral("d")); }
QString hyphens(int width) { return QString(width, u'-'); }

// The exact figure with `decimals` decimals; without thousands separators
// when they would make it wider than its column.
QString figure(const Decimal &v, int decimals, int width)
{
    const QString grouped = BrFormat::number(v.withScale(decimals), decimals);
    if (grouped.size() <= width)
        return grouped;
    return QString(grouped).remove(u'.');
}

// Money right-aligned in `width`: "R$ 1.234,56"; too wide, without the
// thousands separators, and then without the currency symbol.
QString money(const Decimal &v, int width)
{
    QString text = BrFormat::money(v);
    if (text.size() > width)
        text.remove(u'.');
    if (text.size() > width)
        text.remove(QStringLiteral("R$ "));
    return right(text, width);
}

// A quantity with the decimals it really has: 2,750 -> "2,75", 3,000 -> "3".
QString quantityAsStored(const Decimal &v, int width)
{
    Decimal q = v.withScale(3);
    int decimals = 3;
    while (decimals > 0 && q.units() % 10 == 0) {
        q = Decimal(q.units() / 10, decimals - 1);
        --decimals;
    }
    return figure(q, decimals, width);
}

// `lead` (code and description) followed by the right-aligned figures, each
// after one space; `lead` gives up its end when the figures need the room.
QString itemLine(const QString &lead, const QStringList &figures, const QList<int> &widths, int paper)
{
    QString tail;
    for (int i = 0; i < figures.size(); ++i)
        tail += u' ' + right(figures[i], widths[i]);
    const int leadRoom = qMax(0, paper - int(tail.size()));
    return (lead.left(leadRoom) + tail).left(paper);
}


QString cut(const QString &line, int paper) { return line.left(paper); }

} // namespace

int nroLin(const QString &setting)
{
    bool ok = false;
    const int n = setting.trimmed().toInt(&ok);
    return ok ? n : kDefaultNroLin;
}

QStringList lines80(const TicketData &t, const Options &options, const QDateTime &now)
{
    QStringList header;
    header << t.empresa.left(kWide) << QStringLiteral(" ")
           << QStringLiteral("                           Pedido                ")
           << QStringLiteral("Data da Emissao:") + BrFormat::date(now.date()) +
                  QStringLiteral("                                         Hora:") + BrFormat::time(now.time())
           << hyphens(kWide)
           << QStringLiteral("Pedido Nro.:") + t.codigo + QStringLiteral("  Data/Hora do Pedido:") +
                  BrFormat::date(t.data) + QStringLiteral(" - ") + BrFormat::time(t.hora);
    if (!t.codEnt.isEmpty())
        header << QStringLiteral("Entregador:") + t.codEnt + u'/' + t.entNome;
    header << QStringLiteral("Cliente:") + t.codCli + u'/' + t.cliNome << QStringLiteral("Telefone:") + t.fone
           << QStringLiteral("Endereco:") + t.ender + QStringLiteral(" Numero:") + t.numero
           << QStringLiteral("Bairro:") + left(t.bairro, 30) + QStringLiteral(" Cidade:") + left(t.cid, 30)
           << QStringLiteral("Complemento:") + t.comple << QStringLiteral("Referencia:") + t.erefer.left(69)
           << t.erefer.mid(69, kWide) << hyphens(kWide)
           << QStringLiteral("Cod.Prod.  Descricao Produto                    Quant.      V.Unit.      V.Total")
           << hyphens(kWide);
    for (QString &line : header)
        line = cut(line, kWide);

    QStringList out = header;
    int onPage = 0;
    for (const TicketItem &item : t.items) {
        if (onPage == kItemsPerPage) {
            out << kFormFeed << header;
            onPage = 0;
        }
        out << itemLine(item.codPro + u'/' + left(item.descricao.left(30), 30),
                        {figure(item.quant, 3, 12), figure(item.valor, 2, 12), figure(item.total, 2, 12)},
                        {12, 12, 12}, kWide);
        ++onPage;
        if (options.obs && !item.obs.trimmed().isEmpty())
            out << item.obs.left(kWide);
    }

    if (t.troco > Decimal())
        out << hyphens(kWide) << QStringLiteral("Troco para Levar para o Cliente..:") + money(t.troco, 16);
    out << hyphens(kWide)
        << QStringLiteral("Valor dos Produtos...................:") + money(t.valorProdutos(), 16)
        << QStringLiteral("Valor da Entrega.....................:") + money(t.valorEntrega(), 16)
        << QStringLiteral("Desconto.............................:") + money(t.desconto, 16)
        << QStringLiteral("Valor Total com Desconto.............:") + money(t.total, 16)
        << QStringLiteral("  ");
    const QString saida = t.horaS.isNull() ? QStringLiteral("Data/Hora Saida:__/__/___ - __:__")
                                           : QStringLiteral("Data/Hora Saida:") + BrFormat::date(t.dataS) +
                                                 QStringLiteral(" - ") + BrFormat::time(t.horaS);
    const QString entrega = t.horaT.isNull() ? QStringLiteral(" Data/Hora Entrega:__/__/___ -  __:__")
                                             : QStringLiteral(" Data/Hora Entrega:") + BrFormat::date(t.dataT) +
                                                   QStringLiteral(" - ") + BrFormat::time(t.horaT);
    out << cut(saida + entrega, kWide) << kFormFeed;
    return out;
}

QStringList lines40(const TicketData &t, const Options &options, const QDateTime &now)
{
    QStringList out;
    out << t.empresa.left(kNarrow) << QStringLiteral(" ") << QStringLiteral("                 Pedido                ")
        << QStringLiteral("D.Emissão:") + BrFormat::date(now.date()) + QStringLiteral(" Hora:") +
               BrFormat::time(now.time())
        << hyphens(kNarrow) << QStringLiteral("Ped.Nro.:") + t.codigo
        << QStringLiteral("Data/Hora do Pedido:") + BrFormat::date(t.data) + u'-' + BrFormat::time(t.hora);
    if (!t.codEnt.isEmpty())
        out << QStringLiteral("Entregador:") + t.entNome.left(29);
    out << QStringLiteral("Cliente:") + t.codCli + u'/' + t.cliNome.left(21) << QStringLiteral("Telefone:") + t.fone
        << QStringLiteral("Ender.:") + t.ender.left(33)
        << QStringLiteral("Nro.:") + t.numero + QStringLiteral(" Bairro:") + t.bairro.left(17)
        << QStringLiteral("Cidade:") + left(t.cid, 30) << QStringLiteral("Complemento:") + t.comple.left(40)
        << QStringLiteral("Refer.:") + t.erefer.left(33) << t.erefer.mid(33, 40) << hyphens(kNarrow)
        << QStringLiteral("Descricao Produto Quant. V.Unit. V.Total") << hyphens(kNarrow);
    for (QString &line : out)
        line = cut(line, kNarrow);

    for (const TicketItem &item : t.items) {
        out << itemLine(left(item.descricao.left(15), 15),
                        {quantityAsStored(item.quant, 6), figure(item.valor, 2, 7), figure(item.total, 2, 9)},
                        {6, 7, 9}, kNarrow);
        if (options.obs && !item.obs.trimmed().isEmpty()) {
            out << QStringLiteral("OBS:") + item.obs.left(36);
            const QString rest = item.obs.mid(36, kNarrow);
            if (!rest.trimmed().isEmpty())
                out << rest;
        }
    }

    if (t.troco > Decimal())
        out << hyphens(kNarrow) << QStringLiteral("Troco para Levar p/Cli.:") + money(t.troco, 16);
    out << hyphens(kNarrow)
        << QStringLiteral("Valor dos Produtos.....:") + money(t.valorProdutos(), 16)
        << QStringLiteral("Valor da Entrega.......:") + money(t.valorEntrega(), 16)
        << QStringLiteral("Desconto...............:") + money(t.desconto, 16)
        << QStringLiteral("Valor Total com Desc...:") + money(t.total, 16) << QStringLiteral("  ")
        << (t.dataS.isNull() ? QStringLiteral("Data/Hora Saida..:__/__/___ - __:__")
                             : QStringLiteral("Data/Hora Saida..:") + BrFormat::date(t.dataS) + QStringLiteral(" - ") +
                                   BrFormat::time(t.horaS))
        << (t.dataT.isNull() ? QStringLiteral("Data/Hora Entrega:__/__/___ -  __:__")
                             : QStringLiteral("Data/Hora Entrega:") + BrFormat::date(t.dataT) + QStringLiteral(" - ") +
                                   BrFormat::time(t.horaT));
    for (int i = 0; i < options.nroLin + 1; ++i)
        out << QStringLiteral(" ");
    out << QStringLiteral(".");
    for (QString &line : out)
        line = cut(line, kNarrow);
    return out;
}

QByteArray bytes(const QStringList &lines)
{
    QByteArray out;
    for (const QString &line : lines)
        out += Win1252::encode(line) + "\r\n";
    return out;
}

} // namespace TicketText
