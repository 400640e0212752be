#pragma once

#include <QDialog>
#include <functional>

class QLabel;
class QGridLayout;
class QWidget;
class TEditV;

// Small pieces the order windows share.
namespace OrderWindowParts {

// How a window opened from an order window is shown: modally (exec) in the
// program; tests give their own runner that drives the dialog and returns.
using ModalRunner = std::function<void(QDialog &)>;
inline ModalRunner execRunner() { return [](QDialog &d) { d.exec(); }; }

// A read-only field without tab stop.
TEditV *readOnlyField(QWidget *parent, Qt::Alignment alignment = Qt::AlignLeft);
// Adds "label field" on `row` of a grid at `column` (label) and column + 1 (field).
void addLabelled(QGridLayout *grid, int row, int column, const QString &label, QWidget *field, int span = 1);

} // namespace OrderWindowParts
