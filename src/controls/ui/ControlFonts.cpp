#include "controls/ui/ControlFonts.h"

#include <QFontDatabase>
#include <QFontInfo>

namespace ControlFonts {

QFont entry()
{
    // "Courier New" may resolve to a substitute that is not fixed-width (or not
    // reported as such); the usual Linux fixed-width faces come next.
    for (const char *family : {"Courier New", "Liberation Mono", "DejaVu Sans Mono", "Noto Sans Mono"}) {
        QFont f(QString::fromLatin1(family), 10);
        f.setStyleHint(QFont::TypeWriter);
        if (QFontInfo(f).fixedPitch())
            return f;
    }
    QFont fallback = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fallback.setPointSize(10);
    return fallback;
}

QFont bold(int pointSize)
{
    QFont f(QStringLiteral("Arial"), pointSize, QFont::Bold);
    f.setStyleHint(QFont::SansSerif);
    return f;
}

} // namespace ControlFonts
