#include "core/ui/RecordDataWindow.h"

#include "controls/ui/ControlFonts.h"
#include "controls/ui/TEditV.h"
#include "controls/ui/WindowConventions.h"

#include <QAbstractSpinBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

RecordDataWindow::RecordDataWindow(const QString &saveCaption, DeleteButton deleteButton, QWidget *parent)
    : QDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    auto *layout = new QVBoxLayout(this);
    m_title = new QLabel(this);
    m_title->setFont(ControlFonts::bold(12));
    layout->addWidget(m_title);
    m_form = new QFormLayout;
    layout->addLayout(m_form);

    auto *buttons = new QHBoxLayout;
    layout->addLayout(buttons);
    auto button = [&](const QString &caption) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(caption);
        b->setAutoDefault(false);
        buttons->addWidget(b);
        return b;
    };
    m_save = button(saveCaption);
    m_clear = button(QStringLiteral("Limpar"));
    m_close = button(QStringLiteral("Fechar"));
    if (deleteButton == DeleteButton::Separate)
        m_delete = button(QStringLiteral("Excluir"));
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    WindowConventions::enterMovesOn(this);
}

TEditV *RecordDataWindow::addLine(const QString &column, const QString &label, int maxLength)
{
    auto *e = new TEditV(this);
    if (maxLength > 0)
        e->setMaxLength(maxLength);
    e->setObjectName(column);
    addRow(label, e);
    return e;
}

TEditV *RecordDataWindow::addShownLine(const QString &column, const QString &label)
{
    auto *e = new TEditV(this);
    e->setObjectName(column);
    e->setReadOnly(true);
    e->setFocusPolicy(Qt::NoFocus);
    addRow(label, e, false);
    return e;
}

QPlainTextEdit *RecordDataWindow::addMemo(const QString &column, const QString &label, int maxLength)
{
    auto *memo = new QPlainTextEdit(this);
    memo->setObjectName(column);
    memo->setTabChangesFocus(true);
    // A memo has no length limit of its own: cut what goes past the column.
    connect(memo, &QPlainTextEdit::textChanged, memo, [memo, maxLength] {
        const QString t = memo->toPlainText();
        if (t.size() > maxLength) {
            memo->setPlainText(t.left(maxLength));
            memo->moveCursor(QTextCursor::End);
        }
    });
    addRow(label, memo);
    return memo;
}

QDateEdit *RecordDataWindow::addDate(const QString &column, const QString &label)
{
    auto *date = new QDateEdit(this);
    date->setObjectName(column);
    date->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    date->setCalendarPopup(true);
    // A record without a date shows an empty field (the lowest date stands for it).
    date->setMinimumDate(QDate(1900, 1, 1));
    date->setSpecialValueText(QStringLiteral(" "));
    addRow(label, date);
    return date;
}

void RecordDataWindow::showDate(QDateEdit *field, const QDate &date)
{
    field->setDate(date.isValid() ? date : field->minimumDate());
}

QDate RecordDataWindow::dateOf(const QDateEdit *field)
{
    return field->date() == field->minimumDate() ? QDate() : field->date();
}

void RecordDataWindow::addRow(const QString &label, QWidget *field, bool followsMode)
{
    m_form->addRow(label, field);
    if (followsMode)
        m_followsMode.push_back(field);
}

void RecordDataWindow::showEvent(QShowEvent *event)
{
    // Restoring a minimised window is not an opening: what was typed stays.
    if (event->spontaneous()) {
        QDialog::showEvent(event);
        return;
    }
    const ModeSetup s = prepare();
    applyMode(s);
    push();
    QDialog::showEvent(event);
    // Painted once every field exists; later changes follow the focus.
    WindowConventions::focusHighlight(this);
    focusTarget(s.focus)->setFocus();
}

void RecordDataWindow::applyMode(const ModeSetup &s)
{
    setWindowTitle(s.title);
    m_title->setText(s.title);
    m_save->setVisible(s.saveVisible);
    m_save->setText(s.saveCaption);
    m_clear->setVisible(s.clearVisible);
    if (m_delete)
        m_delete->setVisible(s.deleteVisible);
    for (QWidget *w : m_followsMode) {
        if (auto *line = qobject_cast<QLineEdit *>(w))
            line->setReadOnly(s.fieldsReadOnly);
        else if (auto *memo = qobject_cast<QPlainTextEdit *>(w))
            memo->setReadOnly(s.fieldsReadOnly);
        else
            w->setEnabled(!s.fieldsReadOnly);
    }
    if (m_code)
        m_code->setReadOnly(s.codeReadOnly || s.fieldsReadOnly);
}

QWidget *RecordDataWindow::focusTarget(ModeSetup::Focus focus) const
{
    switch (focus) {
    case ModeSetup::Focus::Code: return m_code ? static_cast<QWidget *>(m_code) : m_close;
    case ModeSetup::Focus::Name: return m_name ? m_name : m_close;
    case ModeSetup::Focus::SaveButton: return m_save;
    case ModeSetup::Focus::DeleteButton: return m_delete ? m_delete : m_close;
    case ModeSetup::Focus::CloseButton: break;
    }
    return m_close;
}
