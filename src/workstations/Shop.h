#pragma once

#include <QString>
#include <QStringList>

struct AppContext;

// The registers a run works with, made through the register windows' logic:
// customers with their telephones, delivery persons with rates, regions with
// fees and products, the stocked ones with an opening stock booked as a stock
// entry so that every unit has its movement.
struct Shop {
    QStringList telephones;
    QStringList deliveryPersons;
    QStringList regions;
    QStringList products; // codes as typed
    QStringList stockedProducts;

    // Fills an empty database; false (with the reason in `failure`) when a register refused.
    static bool fill(AppContext &ctx, Shop &shop, QString &failure);
    // The same shop, as filled (the workers read the codes back).
    static Shop read(AppContext &ctx);
};
