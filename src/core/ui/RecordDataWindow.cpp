#include "core/ui/RecordDataWindow.h"

#include "controls/ui/ControlFonts.h"
#include "controls/ui/TEditV.h"
#include "controls/ui/WindowConventions.h"
#include "core/ui/FocusWatch.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// A record without a date shows an empty field (the lowest date stands for it).
QDate lowestDate()
{
    return QDate(1900, 1, 1);
}

} // namespace

RecordDataWindow::RecordDataWindow(RecordDataLogic &logic, const RecordDescription &description,
                                   DeleteButton deleteButton, QWidget *parent)
    : QDialog(parent), m_logic(logic), m_desc(description)
{
    WindowConventions::noTitleBarButtons(this);
    auto *layout = new QVBoxLayout(this);
    m_title = new QLabel(this);
    m_title->setFont(ControlFonts::bold(12));
    layout->addWidget(m_title);
    m_form = new QFormLayout;
    layout->addLayout(m_form);
    for (const FieldDescription &f : m_desc.fields)
        m_editors.insert(f.column.toUpper(), addField(f));
    m_code = qobject_cast<QLineEdit *>(fieldWidget(m_desc.codeColumn));
    // The name (or description) is the first field after the code.
    for (const FieldDescription &f : m_desc.fields)
        if (f.column.compare(m_desc.codeColumn, Qt::CaseInsensitive) != 0) {
            m_name = fieldWidget(f.column);
            break;
        }

    auto *buttons = new QHBoxLayout;
    layout->addLayout(buttons);
    auto button = [&](const QString &caption) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(caption);
        b->setAutoDefault(false);
        buttons->addWidget(b);
        return b;
    };
    m_save = button(m_desc.mode(Modo::Inclui).saveCaption);
    m_clear = button(m_desc.clearCaption);
    m_close = button(QStringLiteral("Fechar"));
    if (deleteButton == DeleteButton::Separate)
        m_delete = button(m_desc.deleteCaption);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_save, &QPushButton::clicked, this, [this] {
        pull();
        finish(saveRecord());
    });
    if (m_delete)
        connect(m_delete, &QPushButton::clicked, this, [this] { finish(m_logic.remove()); });
    connect(m_clear, &QPushButton::clicked, this, [this] {
        m_logic.clear();
        push();
        focusTarget(ModeSetup::Focus::Code)->setFocus();
    });
    if (m_code)
        watchCode();
    WindowConventions::enterMovesOn(this);
}

QLineEdit *RecordDataWindow::edit(const QString &column) const
{
    return qobject_cast<QLineEdit *>(fieldWidget(column));
}

QWidget *RecordDataWindow::addField(const FieldDescription &f)
{
    using K = FieldDescription::Kind;
    QWidget *editor = nullptr;
    switch (f.kind) {
    case K::Memo: {
        auto *memo = new QPlainTextEdit(this);
        memo->setTabChangesFocus(true);
        // A memo has no length limit of its own: cut what goes past the column.
        connect(memo, &QPlainTextEdit::textChanged, memo, [memo, width = f.width] {
            const QString t = memo->toPlainText();
            if (width > 0 && t.size() > width) {
                memo->setPlainText(t.left(width));
                memo->moveCursor(QTextCursor::End);
            }
        });
        editor = memo;
        break;
    }
    case K::Date:
        if (f.shownOnly)
            break;
        {
            auto *date = new QDateEdit(this);
            date->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
            date->setCalendarPopup(true);
            date->setMinimumDate(lowestDate());
            date->setSpecialValueText(QStringLiteral(" "));
            editor = date;
        }
        break;
    case K::YesNo: {
        auto *choice = new QComboBox(this);
        choice->addItems({QStringLiteral("Sim"), QStringLiteral("Não")});
        editor = choice;
        break;
    }
    default: break;
    }
    if (!editor) {
        auto *line = new TEditV(this);
        if (f.kind == K::Money)
            line->makeMoney();
        else if (f.kind == K::Percentage)
            line->makePercentage();
        else if (f.kind == K::Quantity)
            line->makeQuantity();
        else if (f.kind == K::Whole)
            line->makeWhole();
        if (f.isNumber()) {
            line->setCasaDecimal(f.scale);
            line->setAlignment(Qt::AlignRight);
        }
        if (f.kind == K::Masked)
            line->setInputMask(f.mask + QStringLiteral("; "));
        else if (f.isText() && f.width > 0)
            line->setMaxLength(f.width);
        if (f.shownOnly) {
            line->setReadOnly(true);
            line->setFocusPolicy(Qt::NoFocus);
        }
        editor = line;
    }
    editor->setObjectName(f.column.toUpper());
    m_form->addRow(f.label, editor);
    return editor;
}

void RecordDataWindow::watchCode()
{
    if (m_desc.code.form == CodePolicy::Form::RightAligned)
        m_code->setAlignment(Qt::AlignRight);
    if (m_desc.code.digitsOnly)
        m_code->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), m_code));
    FocusWatch::onEnter(m_code, [this] {
        if (m_code->isReadOnly())
            return;
        pull();
        if (const auto text = m_logic.enterCode())
            m_code->setText(*text);
    });
    FocusWatch::onLeave(m_code, [this] {
        if (m_code->isReadOnly())
            return;
        pull();
        // The check may show a box: it waits until the focus has moved.
        afterFocusChange([this] {
            const bool ok = m_logic.leaveCode();
            m_code->setText(m_logic.code());
            if (!ok)
                m_code->setFocus();
        });
    });
}

void RecordDataWindow::afterFocusChange(std::function<void()> f)
{
    QTimer::singleShot(0, this, std::move(f));
}

void RecordDataWindow::pull()
{
    RecordValues &values = m_logic.values();
    for (const FieldDescription &f : m_desc.fields) {
        QWidget *w = fieldWidget(f.column);
        if (!w || f.shownOnly)
            continue;
        if (auto *memo = qobject_cast<QPlainTextEdit *>(w)) {
            values.set(f.column, memo->toPlainText());
        } else if (auto *date = qobject_cast<QDateEdit *>(w)) {
            values.set(f.column, date->date() == date->minimumDate() ? SqlValue::null() : SqlValue(date->date()));
        } else if (auto *choice = qobject_cast<QComboBox *>(w)) {
            values.setYes(f.column, choice->currentIndex() == 0);
        } else if (auto *line = qobject_cast<QLineEdit *>(w)) {
            values.setTyped(f, f.kind == FieldDescription::Kind::Masked ? line->displayText() : line->text());
        }
    }
}

void RecordDataWindow::push()
{
    const RecordValues &values = m_logic.values();
    for (const FieldDescription &f : m_desc.fields) {
        QWidget *w = fieldWidget(f.column);
        if (auto *memo = qobject_cast<QPlainTextEdit *>(w)) {
            memo->setPlainText(values.text(f.column));
        } else if (auto *date = qobject_cast<QDateEdit *>(w)) {
            const QDate d = values.date(f.column);
            date->setDate(d.isValid() ? d : date->minimumDate());
        } else if (auto *choice = qobject_cast<QComboBox *>(w)) {
            choice->setCurrentIndex(values.yes(f.column) ? 0 : 1);
        } else if (auto *line = qobject_cast<QLineEdit *>(w)) {
            line->setText(values.shown(f));
        }
    }
}

void RecordDataWindow::finish(const RecordSaveResult &result)
{
    push();
    if (!result.saved) {
        if (result.focus)
            focusTarget(*result.focus)->setFocus();
        return;
    }
    if (result.reloadList)
        emit listChanged();
    if (result.closeWindow) {
        accept();
        return;
    }
    if (result.focus)
        focusTarget(*result.focus)->setFocus();
}

void RecordDataWindow::showEvent(QShowEvent *event)
{
    // Restoring a minimised window is not an opening: what was typed stays.
    if (event->spontaneous()) {
        QDialog::showEvent(event);
        return;
    }
    m_logic.prepare();
    const ModeSetup s = m_logic.modeSetup();
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
    for (const FieldDescription &f : m_desc.fields) {
        QWidget *w = fieldWidget(f.column);
        if (!w || f.shownOnly)
            continue;
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
