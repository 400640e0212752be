#include "controls/ui/ControlFonts.h"

#include <QFontDatabase>
#include <QFontInfo>

namespace ControlFonts {

QFont entry()
{
    QFont f(QStringLiteral("Courier New"), 10);
    f.setStyleHint(QFont::TypeWriter);
    if (QFontInfo(f).fixedPitch())
        return f;
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
