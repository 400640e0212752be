#include "controls/ui/TEditV.h"
#include "controls/ui/WindowSwitch.h"

#include "controls/BrFormat.h"
#include "controls/ui/ControlFonts.h"
#include "controls/ui/FocusColours.h"
#include "core/Funcoes.h"

#include <QFocusEvent>
#include <QHideEvent>
#include <QKeyEvent>
#include <QTimer>

namespace {

constexpr int kHeight = 25;

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

TEditV::TEditV(QWidget *parent, Qt::Alignment alignment) : QLineEdit(parent)
{
    setAlignment(alignment);
    setFont(ControlFonts::entry());
    setFixedHeight(kHeight);
    FocusColours::paint(this, false);
    // Pasted or dropped text reaches the field without keystrokes; it is
    // cleaned the way the windows read it, so a pasted "R$ 1.234,56" becomes 1234,56.
    connect(this, &QLineEdit::textEdited, this, &TEditV::cleanEditedText);
}

void TEditV::makeWhole()
{
    m_numero = true;
    m_moeda = m_porcentagem = false;
    m_casaDecimal = 0;
}

void TEditV::makeQuantity()
{
    makeWhole();
    m_casaDecimal = 3;
}

void TEditV::makeMoney()
{
    makeWhole();
    m_moeda = true;
    m_casaDecimal = 2;
}

void TEditV::makePercentage()
{
    makeWhole();
    m_porcentagem = true;
    m_casaDecimal = 2;
}

void TEditV::keyPressEvent(QKeyEvent *event)
{
    const QString typed = event->text();
    const bool shortcut = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (!m_numero || typed.isEmpty() || shortcut || !typed.at(0).isPrint()) {
        // Text fields take everything; number fields still take backspace,
        // Enter, navigation and the editing shortcuts.
        QLineEdit::keyPressEvent(event);
        return;
    }
    QString kept;
    for (const QChar c : typed) {
        if (isDigit(c))
            kept += c;
        else if (m_casaDecimal > 0 && (c == u',' || c == u'.'))
            kept += u',';
    }
    event->accept();
    if (kept == typed)
        QLineEdit::keyPressEvent(event);
    else if (!kept.isEmpty())
        insert(kept);
}

void TEditV::cleanEditedText()
{
    if (!m_numero || m_cleaning)
        return;
    const QString current = text();
    const QString cleaned = Funcoes::soNumeros(current);
    if (cleaned == current)
        return;
    const int cursor = cursorPosition();
    const int keptBeforeCursor = static_cast<int>(Funcoes::soNumeros(current.left(cursor)).size());
    m_cleaning = true;
    setText(cleaned);
    setCursorPosition(keptBeforeCursor);
    m_cleaning = false;
}

void TEditV::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    if (m_entered)
        return; // back from a message box or another window: still in the field
    enter();
    if (event->reason() == Qt::MouseFocusReason) {
        // The click that gave the focus places the cursor after this; select again once it is done.
        QTimer::singleShot(0, this, [this] {
            if (hasFocus() && !hasSelectedText())
                selectAll();
        });
    }
}

void TEditV::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    if (isWindowSwitch(event) || !m_entered)
        return;
    if (!leave()) {
        // Given back after the focus change in progress has finished.
        QTimer::singleShot(0, this, [this] {
            if (isVisible() && isEnabled())
                setFocus(Qt::OtherFocusReason);
        });
    }
}

void TEditV::hideEvent(QHideEvent *event)
{
    // A window closed while the field had the focus still leaves it formatted.
    if (m_entered)
        leave();
    QLineEdit::hideEvent(event);
}

void TEditV::enter()
{
    m_entered = true;
    FocusColours::paint(this, true);
    if (m_numero)
        setText(Funcoes::soNumeros(text()));
    selectAll();
}

bool TEditV::leave()
{
    m_entered = false;
    FocusColours::paint(this, false);
    if (!m_numero)
        return true;
    bool ok = false;
    setText(BrFormat::formatForLeaving(text(), m_moeda, m_porcentagem, m_casaDecimal, &ok));
    return ok;
}
