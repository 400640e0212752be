#include "reports/ReportDocument.h"

#include "controls/BrFormat.h"

namespace Report {

namespace {

constexpr double kEpsilon = 1e-6;

struct ResolvedSum {
    const Sum *sum;
    std::vector<int> factors;
    int when = -1;
};

} // namespace

QString formatValue(const SqlValue &value, Format format)
{
    if (value.isNull())
        return {};
    switch (format) {
    case Format::Text:
        return value.toString();
    case Format::Money:
        return BrFormat::money(value.toDecimal().withScale(2));
    case Format::Quantity:
        return BrFormat::number(value.toDecimal().withScale(3), 3);
    case Format::Date:
        return BrFormat::date(value.toDate());
    case Format::Time:
        return BrFormat::time(value.toTime());
    }
    return {};
}

Document::Document(std::shared_ptr<const Definition> definition, std::shared_ptr<const ReportData> data,
                   QDateTime printedAt)
    : m_def(std::move(definition)), m_data(std::move(data)), m_printedAt(std::move(printedAt))
{
    layOut();
}

double Document::detailHeight(int row) const
{
    const Band &d = m_def->detail;
    if (!d.heightFor)
        return d.height;
    Context c;
    c.data = m_data.get();
    c.row = row;
    return d.heightFor(c);
}

void Document::layOut()
{
    const Definition &def = *m_def;
    const double room = def.bodyHeight() - def.pageHeader.height - def.pageFooter.height;
    const bool perRowHeight = bool(def.detail.heightFor);
    double used = 0;
    PagePlan current;

    auto startPage = [&](bool first, int firstRow) {
        current = PagePlan{};
        current.firstRow = firstRow;
        used = 0;
        if (first && def.title.present()) {
            current.title = true;
            used += def.title.height;
        }
        if (def.columnHeader.present() && (first || def.columnHeaderEveryPage)) {
            current.columnHeader = true;
            used += def.columnHeader.height;
        }
    };

    startPage(true, 0);
    const int rows = def.detail.present() ? m_data->rowCount() : 0;
    for (int row = 0; row < rows; ++row) {
        const double h = perRowHeight ? detailHeight(row) : def.detail.height;
        // A row taller than an empty page still gets a page of its own.
        if (used + h > room + kEpsilon && (current.rowCount > 0 || current.title)) {
            m_pages.push_back(current);
            startPage(false, row);
        }
        used += h;
        ++current.rowCount;
    }

    if (def.summary.present()) {
        if (used + def.summary.height > room + kEpsilon && (current.rowCount > 0 || current.title)) {
            m_pages.push_back(current);
            startPage(false, rows);
        }
        current.summary = true;
    }
    m_pages.push_back(current);
}

const Totals &Context::totals() const
{
    static const Totals none;
    return document ? document->totals() : none;
}

const Totals &Document::totals() const
{
    if (!m_summed)
        sumUp();
    return m_totals;
}

void Document::sumUp() const
{
    const Definition &def = *m_def;
    std::vector<ResolvedSum> sums;
    for (const Sum &s : def.sums) {
        ResolvedSum r{&s, {}, s.whenColumn.isEmpty() ? -1 : m_data->columnIndex(s.whenColumn)};
        for (const QString &f : s.factors)
            r.factors.push_back(m_data->columnIndex(f));
        sums.push_back(std::move(r));
    }
    std::vector<Decimal> totals(sums.size());
    const int rows = def.detail.present() ? m_data->rowCount() : 0;
    for (int row = 0; row < rows; ++row) {
        for (std::size_t i = 0; i < sums.size(); ++i) {
            const ResolvedSum &s = sums[i];
            if (s.when >= 0 && m_data->textEquals(row, s.when, s.sum->whenValue) == s.sum->whenNot)
                continue;
            if (s.factors.size() == 1) {
                if (s.factors[0] >= 0)
                    totals[i] = totals[i] + m_data->decimal(row, s.factors[0]);
                continue;
            }
            Decimal product = Decimal::fromInt(1);
            for (int f : s.factors)
                product = f < 0 ? Decimal() : product * m_data->decimal(row, f);
            totals[i] = totals[i] + product;
        }
    }
    m_totals.clear();
    for (std::size_t i = 0; i < sums.size(); ++i)
        m_totals.insert(sums[i].sum->id, totals[i]);
    for (const Derived &d : def.derived)
        m_totals.insert(d.id, d.compute(m_totals));
    m_summed = true;
}

std::vector<Placement> Document::placements(int pageIndex) const
{
    const Definition &def = *m_def;
    const PagePlan &p = page(pageIndex);
    std::vector<Placement> out;
    double y = 0;
    auto place = [&](const Band &band, double height, int row = -1) {
        out.push_back({&band, y, height, row});
        y += height;
    };
    if (def.pageHeader.present())
        place(def.pageHeader, def.pageHeader.height);
    if (p.title)
        place(def.title, def.title.height);
    if (p.columnHeader)
        place(def.columnHeader, def.columnHeader.height);
    for (int r = p.firstRow; r < p.firstRow + p.rowCount; ++r)
        place(def.detail, detailHeight(r), r);
    if (p.summary)
        place(def.summary, def.summary.height);
    if (def.pageFooter.present()) {
        y = def.bodyHeight() - def.pageFooter.height;
        place(def.pageFooter, def.pageFooter.height);
    }
    return out;
}

QString Document::itemText(const Item &item, int pageIndex, int row) const
{
    switch (item.kind) {
    case Item::Kind::Rule:
        return {};
    case Item::Kind::Text:
        return item.text;
    case Item::Kind::Field: {
        const int column = m_data->columnIndex(item.name);
        if (column < 0 || row < 0)
            return item.text;
        return item.text + formatValue(m_data->value(row, column), item.format);
    }
    case Item::Kind::Total:
        return item.text + formatValue(SqlValue(totals().value(item.name)), item.format);
    case Item::Kind::Computed: {
        if (!item.compute)
            return {};
        Context c;
        c.data = m_data.get();
        c.row = row;
        c.document = this;
        c.page = pageIndex + 1;
        c.printedAt = m_printedAt;
        return item.compute(c);
    }
    }
    return {};
}

} // namespace Report
