#include "controls/ui/FocusHighlighter.h"

#include "controls/ui/FocusColours.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

FocusHighlighter::FocusHighlighter(QWidget *window) : QObject(window), m_window(window)
{
    connect(qApp, &QApplication::focusChanged, this, &FocusHighlighter::focusChanged);
    const auto widgets = window->findChildren<QWidget *>();
    for (QWidget *w : widgets)
        if (highlightTarget(w) == w)
            FocusColours::paint(w, w->hasFocus());
}

QWidget *FocusHighlighter::highlightTarget(QWidget *focused)
{
    for (QWidget *w = focused; w; w = w->parentWidget()) {
        if (qobject_cast<QComboBox *>(w) || qobject_cast<QAbstractSpinBox *>(w))
            return w;
        if (w->isWindow())
            break;
    }
    if (qobject_cast<QLineEdit *>(focused) || qobject_cast<QPlainTextEdit *>(focused)
        || qobject_cast<QTextEdit *>(focused))
        return focused;
    // The text area of a memo.
    QWidget *parent = focused ? focused->parentWidget() : nullptr;
    if (parent && (qobject_cast<QPlainTextEdit *>(parent) || qobject_cast<QTextEdit *>(parent)))
        return parent;
    return nullptr;
}

bool FocusHighlighter::belongs(const QWidget *w) const
{
    return w && m_window && (w == m_window || m_window->isAncestorOf(w));
}

void FocusHighlighter::focusChanged(QWidget *old, QWidget *now)
{
    Q_UNUSED(old);
    // Focus gone to another window (a message box, a popup list) keeps the
    // field marked until the focus comes back to some control of this window.
    if (!belongs(now))
        return;
    QWidget *entered = highlightTarget(now);
    if (m_current && m_current != entered)
        FocusColours::paint(m_current, false);
    m_current = entered;
    if (entered)
        FocusColours::paint(entered, true);
}
