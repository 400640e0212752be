#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// A Windows-style INI file (Config.INI, vd.ini): "[Section]" lines and
// "Key=Value" lines. Section and key names are matched ignoring case; values
// are kept exactly as written after the "=" (surrounding blanks trimmed, as
// the Windows reader does). Lines the format does not know (comments, blank
// lines, text before the first section) are kept when the file is saved.
class IniFile {
public:
    // Reads `path`; a missing file gives an empty document. Accepts CRLF or LF
    // line ends and a UTF-8 byte-order mark; text that is not valid UTF-8 is
    // read as Windows-1252, the code page Windows tools write these files in.
    // Throws std::runtime_error when the file exists but cannot be read.
    static IniFile load(const QString &path);

    // Empty text when the section or key is missing.
    QString value(const QString &section, const QString &key) const;
    bool contains(const QString &section, const QString &key) const;
    // Replaces the key's value in place, or appends the key to its section
    // (creating the section at the end when needed).
    void setValue(const QString &section, const QString &key, const QString &value);

    // Writes the whole document with CRLF line ends, in the encoding it was
    // read in (Windows-1252 when it was read so and every character fits),
    // otherwise UTF-8 without a byte-order mark. Throws std::runtime_error
    // when it cannot be written.
    void save(const QString &path) const;

    QString toText() const;

private:
    struct Line {
        QString text;    // the line as read (kept for unknown lines)
        QString section; // for a section header: its name
        QString key;     // for a key line: its name
        QString value;   // for a key line: its value
        enum class Kind { Other, Section, Key } kind = Kind::Other;
    };

    // Index of the header line of `section`, or -1.
    int sectionHeader(const QString &section) const;
    // Index of the key line inside the section starting at `header`, or -1.
    int keyLine(int header, const QString &key) const;
    // One past the last line belonging to the section starting at `header`.
    int sectionEnd(int header) const;

    std::vector<Line> m_lines;
    bool m_win1252 = false;
};
