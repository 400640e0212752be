#pragma once

#include "reports/ReportData.h"
#include "reports/ReportDefinition.h"

#include <QDateTime>
#include <cstdint>
#include <memory>
#include <vector>

namespace Report {

// What one page holds, without any picture of it: the rows it carries and
// which of the once-only bands fall on it. 12 bytes a page, so a report of
// 60,000 pages keeps well under a megabyte of layout.
struct PagePlan {
    std::int32_t firstRow = 0;
    std::int32_t rowCount = 0;
    bool title = false;
    bool columnHeader = false;
    bool summary = false;
};

// A band placed on a page, in millimetres from the top margin.
struct Placement {
    const Band *band = nullptr;
    double y = 0;
    double height = 0;
    int row = -1; // detail bands
};

// A report ready to be shown or printed: its definition, its rows, its totals
// and its pages, laid out once when the document is made (the sums start from
// zero for every document). Any page is placed on request, so showing page
// 40,000 costs what showing page 1 does.
class Document {
public:
    Document(std::shared_ptr<const Definition> definition, std::shared_ptr<const ReportData> data,
             QDateTime printedAt);

    const Definition &definition() const { return *m_def; }
    const ReportData &data() const { return *m_data; }
    // Summed over every row the first time they are asked for (by the
    // summary, normally on the last page), so the first page never waits.
    const Totals &totals() const;
    const QDateTime &printedAt() const { return m_printedAt; }

    int pageCount() const { return int(m_pages.size()); }
    const PagePlan &page(int index) const { return m_pages.at(std::size_t(index)); }

    // Every band of the page (0-based index) with its position, top to bottom;
    // the page footer last, at the bottom of the body.
    std::vector<Placement> placements(int pageIndex) const;

    // The text an item shows on a page (empty for a rule).
    QString itemText(const Item &item, int pageIndex, int row) const;

private:
    void layOut();
    void sumUp() const;
    double detailHeight(int row) const;

    std::shared_ptr<const Definition> m_def;
    std::shared_ptr<const ReportData> m_data;
    QDateTime m_printedAt;
    mutable Totals m_totals;
    mutable bool m_summed = false;
    std::vector<PagePlan> m_pages;
};

// The value as the report writes it; a null value is written as nothing.
QString formatValue(const SqlValue &value, Format format);

} // namespace Report
