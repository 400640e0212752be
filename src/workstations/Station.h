#pragma once

#include <QMap>
#include <QString>

// One workstation of a run: its own connection, taking whole orders and
// moving orders through their statuses as the windows do; the stock station
// also books stock entries and exits, manual cash entries and pays and
// cancels commissions. Every step is counted by what it came to.
class Station {
public:
    struct Options {
        QString database;
        int number = 1;   // 1..stations
        int stations = 1;
        int orders = 0;
        quint32 seed = 1;
    };

    // Runs the station; the counts, by step and outcome ("pedido feito",
    // "recusa: <text>", "falha: <text>", "falha silenciosa: <step>").
    static QMap<QString, int> run(const Options &options);
};
