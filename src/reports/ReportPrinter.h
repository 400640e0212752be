#pragma once

namespace Report {
class Document;
}

// Where a report goes when it is printed without preview or dialog (the
// default printer, a PDF file). Logic classes hold one of these; the window
// side supplies it.
class ReportPrinter {
public:
    virtual ~ReportPrinter() = default;
    // Prints every page; false after the person has been told why not.
    virtual bool print(const Report::Document &document) = 0;
};
