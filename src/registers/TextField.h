#pragma once

#include <QString>
#include <optional>
#include <vector>

// A text column of a register as its data window shows it.
struct TextField {
    QString column;
    QString label;
    int width; // the column's width in characters
};

// The error a data window shows for a character Windows-1252 cannot hold, or
// nullopt when every text can be written.
std::optional<QString> unencodableMessage(const std::vector<QString> &texts);
