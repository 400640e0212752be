#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QStringList>

struct TicketData;

// The two text layouts of the order ticket for dot-matrix printers, as lines
// (a line holding only "\f" is the form feed). No line is wider than its
// paper: figures always show the stored value, losing only their thousands
// separators, and a figure that still does not fit narrows the description.
namespace TicketText {

inline constexpr int kWide = 80;
inline constexpr int kNarrow = 40;
// The 80-column ticket starts a new page, header repeated, after this many items.
inline constexpr int kItemsPerPage = 40;
// Blank lines after a 40-column ticket when the setting cannot be read.
inline constexpr int kDefaultNroLin = 4;

struct Options {
    bool obs = false;  // print the items' notes
    int nroLin = kDefaultNroLin;
};

QStringList lines80(const TicketData &t, const Options &options, const QDateTime &now);
QStringList lines40(const TicketData &t, const Options &options, const QDateTime &now);

// Each line in Windows-1252 followed by CR LF. Raises DbError for a character
// the code page cannot hold.
QByteArray bytes(const QStringList &lines);

// The NroLin setting as a whole number; unreadable or empty text gives the default.
int nroLin(const QString &setting);

} // namespace TicketText
