#pragma once

#include <QString>
#include <QStringList>

// Turns SQL written with named parameters (":cCodigo") into the positional
// form Firebird prepares ("?"), remembering the name of each position.
// A colon inside a quoted literal, a quoted identifier or a comment is text.
struct NamedParameters {
    QString sql;          // with every parameter replaced by "?"
    QStringList names;    // one entry per "?", in order; a name may repeat

    static NamedParameters parse(const QString &sql);
};
