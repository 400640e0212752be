#pragma once

#include <QString>

// The five values of the main window's company header (the Empresa row).
struct CompanyHeader {
    QString nome;
    QString ender;
    QString fone;
    QString email;
    QString homeP;

    bool operator==(const CompanyHeader &) const = default;
};
