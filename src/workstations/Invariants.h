#pragma once

#include <QString>
#include <vector>

class Database;

// What must hold in the database after any number of workstations worked on
// it at once: nothing lost, nothing booked twice.
namespace Invariants {

struct Result {
    QString name;
    bool passed = false;
    QString detail; // the first offending rows when it failed
};

std::vector<Result> check(Database &db);

} // namespace Invariants
