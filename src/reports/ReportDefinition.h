#pragma once

#include "core/Decimal.h"

#include <QDateTime>
#include <QHash>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class ReportData;

namespace Report {

class Document;

enum class Align { Left, Right, Center };
enum class Font { Normal, Bold, Title };
// How a field's value is written: as stored, "R$ 1.234,56", "1.234,500"
// ("#,##0.000"), short date, time.
enum class Format { Text, Money, Quantity, Date, Time };

using Totals = QHash<QString, Decimal>;

// What a computed item or a per-row height sees.
struct Context {
    const ReportData *data = nullptr;
    int row = -1;                  // detail rows only
    const Document *document = nullptr;
    int page = 0;                  // 1-based
    QDateTime printedAt;

    // The report's totals (summed on first use).
    const Totals &totals() const;
};

// One thing drawn in a band. Positions and sizes in millimetres, relative to
// the band's top-left corner inside the margins. Text is cut to its width.
struct Item {
    enum class Kind { Text, Field, Computed, Total, Rule };
    Kind kind = Kind::Text;
    double x = 0, y = 0, width = 0, height = 5;
    Align align = Align::Left;
    Font font = Font::Normal;
    QString text;   // the text of a Text item; written in front of a Field or Total
    QString name;   // column of a Field, id of a Total
    Format format = Format::Text;
    std::function<QString(const Context &)> compute;

    static Item label(double x, double y, double width, QString text, Align a = Align::Left, Font f = Font::Normal);
    static Item field(double x, double y, double width, QString column, Format format = Format::Text,
                      Align a = Align::Left, QString prefix = {});
    static Item computed(double x, double y, double width, std::function<QString(const Context &)> compute,
                         Align a = Align::Left, Font f = Font::Normal);
    static Item total(double x, double y, double width, QString id, Format format, Align a = Align::Right,
                      QString prefix = {});
    // A horizontal line across `width` at `y`.
    static Item rule(double x, double y, double width);
};

struct Band {
    double height = 0; // 0: the band is absent
    std::vector<Item> items;
    // Detail band only: the height of one row's band (items lying below it are
    // not drawn); absent: `height` for every row.
    std::function<double(const Context &)> heightFor;

    bool present() const { return height > 0 || heightFor; }
};

// A sum over the rows: the product of the named columns (one column is a
// plain sum), taken only from rows whose `whenColumn` equals (or, with
// `whenNot`, differs from) `whenValue`. Exact; a null factor counts as zero.
struct Sum {
    QString id{};
    QStringList factors{};
    QString whenColumn{};
    QString whenValue{};
    bool whenNot = false;
};

// A total computed from the sums once they are complete (a balance).
struct Derived {
    QString id;
    std::function<Decimal(const Totals &)> compute;
};

struct Definition {
    QSizeF pageSizeMm{210, 297}; // A4 portrait
    double margin = 10;          // every side
    Band pageHeader;             // every page
    Band title;                  // first page only
    Band columnHeader;           // every page, or the first only
    bool columnHeaderEveryPage = true;
    Band detail;                 // once per row
    Band summary;                // after the last row, kept whole
    Band pageFooter;             // every page, at the bottom
    std::vector<Sum> sums;
    std::vector<Derived> derived;

    double bodyHeight() const { return pageSizeMm.height() - 2 * margin; }
    double bodyWidth() const { return pageSizeMm.width() - 2 * margin; }
};

} // namespace Report
