#pragma once

#include "core/RecordDataLogic.h"

#include <QDate>
#include <QDialog>
#include <QHash>
#include <vector>

class QDateEdit;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class TEditV;

// The window shape of every register's data window: a title line, the form
// its logic's description gives and a row of buttons (a "Gravar"-like save,
// "Limpar", "Fechar", optionally "Excluir"). Each opening prepares the logic,
// applies the mode (title, which buttons show, read-only fields), shows the
// values and moves the focus. The code field proposes and checks codes; the
// buttons save, delete and clear through the logic.
class RecordDataWindow : public QDialog {
    Q_OBJECT
public:
    QPushButton *saveButton() const { return m_save; }
    QPushButton *clearButton() const { return m_clear; }
    QPushButton *closeButton() const { return m_close; }
    QPushButton *deleteButton() const { return m_delete; } // nullptr when the window has none
    // The editor of a column (also found by its object name, the column).
    QWidget *fieldWidget(const QString &column) const { return m_editors.value(column.toUpper()); }
    QLineEdit *edit(const QString &column) const;
    RecordDataLogic &dataLogic() { return m_logic; }

signals:
    // A save changed the rows of the register's list.
    void listChanged();

protected:
    enum class DeleteButton { None, Separate };
    // `description` is the logic's (the logic itself may not be built yet).
    RecordDataWindow(RecordDataLogic &logic, const RecordDescription &description, DeleteButton deleteButton,
                     QWidget *parent);

    // Reads the editors into the logic's values / shows the values.
    void pull();
    virtual void push();
    // The save button; a register with more to hand back overrides it.
    virtual RecordSaveResult saveRecord() { return m_logic.save(); }
    // After a save or delete: the list follows, the window closes or moves the focus.
    void finish(const RecordSaveResult &result);
    // Runs `f` once the focus change in progress has finished (a box opened
    // inside a focus handler would break it).
    void afterFocusChange(std::function<void()> f);

    void showEvent(QShowEvent *event) override;
    QWidget *focusTarget(ModeSetup::Focus focus) const;
    QLineEdit *codeField() const { return m_code; }

    RecordDataLogic &m_logic;

private:
    QWidget *addField(const FieldDescription &field);
    const RecordDescription &m_desc;
    void applyMode(const ModeSetup &s);
    void watchCode();

    QLabel *m_title;
    QFormLayout *m_form;
    QPushButton *m_save;
    QPushButton *m_clear;
    QPushButton *m_close;
    QPushButton *m_delete = nullptr;
    QLineEdit *m_code = nullptr;
    QWidget *m_name = nullptr;
    QHash<QString, QWidget *> m_editors;
};
