#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

// Paints every entry field, memo, combo box and date or number picker of one
// window in the focus colour while it has the focus and in the normal colour
// otherwise, including controls added to the window later. Owned by the window.
class FocusHighlighter final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FocusHighlighter)

public:
    explicit FocusHighlighter(QWidget *window);

    // The control painted for a widget that takes the focus: the widget itself,
    // or the combo box or picker it is part of; nullptr for other widgets.
    static QWidget *highlightTarget(QWidget *focused);

private:
    void focusChanged(QWidget *old, QWidget *now);
    bool belongs(const QWidget *w) const;

    QPointer<QWidget> m_window;
    QPointer<QWidget> m_current;
};
