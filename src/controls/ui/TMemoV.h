#pragma once

#include <QPlainTextEdit>

// The multi-line entry field: fixed-width font, highlighted while focused. Starts 25 high; windows size it.
class TMemoV final : public QPlainTextEdit {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TMemoV)

public:
    explicit TMemoV(QWidget *parent = nullptr);
};
