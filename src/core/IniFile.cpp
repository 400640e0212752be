#include "core/IniFile.h"

#include "core/Win1252.h"

#include <QFile>
#include <QStringDecoder>
#include <stdexcept>

namespace {

std::runtime_error fileError(const QString &path, const QFile &file)
{
    return std::runtime_error((path + QStringLiteral(": ") + file.errorString()).toStdString());
}

QString decodeText(const QByteArray &bytes, bool &win1252)
{
    win1252 = false;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.mid(3));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    win1252 = true;
    return Win1252::decode(bytes);
}

} // namespace

IniFile IniFile::load(const QString &path)
{
    IniFile ini;
    QFile file(path);
    if (!file.exists())
        return ini;
    if (!file.open(QIODevice::ReadOnly))
        throw fileError(path, file);
    QString text = decodeText(file.readAll(), ini.m_win1252);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QStringList lines = text.split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast(); // the final line end
    for (const QString &raw : lines) {
        Line line;
        line.text = raw;
        const QString trimmed = raw.trimmed();
        if (trimmed.startsWith(u'[') && trimmed.contains(u']')) {
            line.kind = Line::Kind::Section;
            line.section = trimmed.mid(1, trimmed.indexOf(u']') - 1).trimmed();
        } else if (!trimmed.startsWith(u';') && trimmed.indexOf(u'=') > 0) {
            const int eq = int(trimmed.indexOf(u'='));
            line.kind = Line::Kind::Key;
            line.key = trimmed.left(eq).trimmed();
            line.value = trimmed.mid(eq + 1).trimmed();
        }
        ini.m_lines.push_back(line);
    }
    return ini;
}

int IniFile::sectionHeader(const QString &section) const
{
    for (int i = 0; i < int(m_lines.size()); ++i) {
        const Line &l = m_lines[size_t(i)];
        if (l.kind == Line::Kind::Section && l.section.compare(section, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

int IniFile::sectionEnd(int header) const
{
    int i = header + 1;
    while (i < int(m_lines.size()) && m_lines[size_t(i)].kind != Line::Kind::Section)
        ++i;
    return i;
}

int IniFile::keyLine(int header, const QString &key) const
{
    const int end = sectionEnd(header);
    for (int i = header + 1; i < end; ++i) {
        const Line &l = m_lines[size_t(i)];
        if (l.kind == Line::Kind::Key && l.key.compare(key, Qt::CaseInsensitive) == 0)
            return i; // the first occurrence wins, as with the Windows reader
    }
    return -1;
}

QString IniFile::value(const QString &section, const QString &key) const
{
    const int header = sectionHeader(section);
    const int line = header < 0 ? -1 : keyLine(header, key);
    return line < 0 ? QString() : m_lines[size_t(line)].value;
}

bool IniFile::contains(const QString &section, const QString &key) const
{
    const int header = sectionHeader(section);
    return header >= 0 && keyLine(header, key) >= 0;
}

void IniFile::setValue(const QString &section, const QString &key, const QString &value)
{
    Line line;
    line.kind = Line::Kind::Key;
    line.key = key;
    line.value = value;
    line.text = key + u'=' + value;

    int header = sectionHeader(section);
    if (header < 0) {
        Line head;
        head.kind = Line::Kind::Section;
        head.section = section;
        head.text = u'[' + section + u']';
        m_lines.push_back(head);
        m_lines.push_back(line);
        return;
    }
    const int existing = keyLine(header, key);
    if (existing >= 0) {
        Line &old = m_lines[size_t(existing)];
        old.value = value;
        old.text = old.key + u'=' + value;
        return;
    }
    // After the section's last key, before any trailing blank lines.
    int at = sectionEnd(header);
    while (at > header + 1 && m_lines[size_t(at - 1)].text.trimmed().isEmpty())
        --at;
    m_lines.insert(m_lines.begin() + at, line);
}

QString IniFile::toText() const
{
    QString text;
    for (const Line &l : m_lines)
        text += l.text + QStringLiteral("\r\n");
    return text;
}

void IniFile::save(const QString &path) const
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw fileError(path, file);
    const QString text = toText();
    const bool asWin1252 = m_win1252 && !Win1252::firstUnencodable(text);
    const QByteArray bytes = asWin1252 ? Win1252::encode(text) : text.toUtf8();
    if (file.write(bytes) != bytes.size() || !file.flush())
        throw fileError(path, file);
}
