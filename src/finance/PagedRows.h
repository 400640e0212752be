#pragma once

#include "core/Database.h"
#include "core/ResultSet.h"

#include <QString>

// The rows of a list read a page at a time, as the grid scrolls, so a period
// of a ledger with years of rows opens at once. The statement must give a
// complete ordering (ending in the key) for the pages to follow each other.
class PagedRows {
public:
    static constexpr int kDefaultPageSize = 200;

    explicit PagedRows(Database &db, int pageSize = kDefaultPageSize) : m_db(db), m_pageSize(pageSize) {}

    // Forgets the rows and reads the first page of the statement.
    void reset(const QString &statement, const Params &params);
    // Reads the first page again with the last statement.
    void reload() { reset(m_statement, m_params); }
    // Forgets the statement and the rows.
    void clear();

    bool canFetchMore() const { return m_more; }
    // Reads the next page; gives the number of rows added.
    int fetchMore();
    // Reads every remaining page.
    void fetchAll();

    const ResultSet &rows() const { return m_rows; }
    int size() const { return m_rows.size(); }
    bool isEmpty() const { return m_rows.isEmpty(); }

private:
    Database &m_db;
    int m_pageSize;
    QString m_statement;
    Params m_params;
    ResultSet m_rows;
    bool m_more = false;
};
