#pragma once

#include <QDateTime>
#include <memory>

struct TicketData;
namespace Report {
class Document;
struct Definition;
} // namespace Report

// The page form of the order ticket (TfRel_Ped): A4, 10 mm margins; the
// company header and the page footer on every page, the order and customer
// once, one band per item (two rows when its note is printed), the totals at
// the end.
namespace TicketReport {

std::shared_ptr<const Report::Definition> definition(const TicketData &ticket, bool printObs);
std::shared_ptr<const Report::Document> document(const TicketData &ticket, bool printObs, const QDateTime &now);

// "___/___/_____ - ___:___" when the date is missing.
QString dateTimeOrPlaceholder(const QDate &date, const QTime &time);

} // namespace TicketReport
