#pragma once

#include "core/MessageService.h"
#include "core/RecordMode.h"

#include <QString>
#include <array>
#include <vector>

// One field of a data window: the column it shows, how it is typed and how
// its value is written.
struct FieldDescription {
    enum class Kind {
        Text,       // free text, at most `width` characters
        Memo,       // multi-line text, at most `width` characters
        Masked,     // text typed into `mask` ("99.999-999"), stored with its fixed characters
        Date,       // date part only; empty stays empty (null)
        Money,      // "R$ 1.234,56"
        Quantity,   // "1.234,500"
        Whole,      // "1.234"
        Percentage, // "12,50 %"
        YesNo,      // "Sim" / "Não", stored as "S" / "N"
    };

    QString column{}; // as the table names it, upper case
    QString label{};
    Kind kind = Kind::Text;
    int width = 0;      // text kinds: the column's width in characters
    int scale = 2;      // number kinds: decimals kept and shown
    QString parameter{};  // its name in the insert and update statements; empty: never written
    QString mask{};       // Masked only
    bool shownOnly = false; // shown, never typed (kept out of the tab order)
    bool insertOnly = false; // written when adding, left alone when changing
    QString emptyText{};       // shown for a null value (an empty date by default)

    // A free-text field written through `parameter` (none: never written).
    static FieldDescription text(const char *column, const char *label, int width, const char *parameter = "")
    {
        return {.column = QString::fromLatin1(column), .label = QString::fromUtf8(label), .width = width,
                .parameter = QString::fromLatin1(parameter)};
    }

    bool isText() const { return kind == Kind::Text || kind == Kind::Memo || kind == Kind::Masked; }
    bool isNumber() const
    {
        return kind == Kind::Money || kind == Kind::Quantity || kind == Kind::Whole || kind == Kind::Percentage;
    }
};

// How a register's codes are made.
struct CodePolicy {
    enum class Form {
        Digits,       // digits only, "0" in front up to the width; highest + 1 proposed
        RightAligned, // typed freely, spaces in front up to the width; never proposed
    };
    Form form = Form::Digits;
    int width = 10;
    QString maxStatement{};    // "Select MAX(...) as Cod From ..." (Digits)
    QString existsStatement{}; // selects the code by :cCodigo
    QString takenMessage{};    // leaving the code field on a code in use
    // Refuses a typed code that is not made of digits (a letter would sort
    // above every number and break every later "next code").
    bool digitsOnly = false;
};

// A register's data side: its fields, codes, statements, mode set-ups and
// audit prefixes. The data logic and the data window are built from it.
struct RecordDescription {
    QString codeColumn{};
    QString codeParameter = QStringLiteral("cCodigo");
    CodePolicy code;
    std::vector<FieldDescription> fields; // tab order, code first

    QString selectStatement{}; // one row by :cCodigo
    QString insertStatement{};
    QString updateStatement{};
    QString deleteStatement{};

    struct Audit {
        QString insert, update, remove; // each followed directly by the code
    } audit;
    struct Failure {
        QString insert = QStringLiteral("Não Consegui Incluir, Tente Novamente !\rErro:  ");
        QString update = QStringLiteral("Não Consegui Alterar, Tente Novamente !\rErro:  ");
        QString remove = QStringLiteral("Não Consegui Excluir, Tente Novamente !\rErro:  ");
        MessageService::Kind kind = MessageService::Kind::Warning;
    } failure;

    // The date field that starts at today, if any.
    QString todayColumn{};
    // The one field that must not be blank, and what is said when it is.
    QString requiredColumn{};
    QString requiredMessage{};

    QString clearCaption = QStringLiteral("Limpar");
    QString deleteCaption = QStringLiteral("Excluir"); // the separate delete button, where there is one
    std::array<ModeSetup, 4> modes; // indexed by Modo
    const ModeSetup &mode(Modo m) const { return modes[size_t(m)]; }

    const FieldDescription *field(const QString &column) const
    {
        for (const FieldDescription &f : fields)
            if (f.column.compare(column, Qt::CaseInsensitive) == 0)
                return &f;
        return nullptr;
    }
};
