#pragma once

#include "core/RecordMode.h"

#include <QDate>
#include <QDialog>
#include <vector>

class QDateEdit;
class QFormLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class TEditV;

// The window shape of every register's data window: a title line, a form of
// labelled fields and a row of buttons ("Gravar"-like save, "Limpar",
// "Fechar", optionally "Excluir"). It opens in the mode its logic reports:
// each showing asks the subclass to prepare its logic, applies the mode
// (title, which buttons show, read-only fields) and moves the focus.
class RecordDataWindow : public QDialog {
    Q_OBJECT
public:
    QPushButton *saveButton() const { return m_save; }
    QPushButton *clearButton() const { return m_clear; }
    QPushButton *closeButton() const { return m_close; }
    QPushButton *deleteButton() const { return m_delete; } // nullptr when the window has none

protected:
    enum class DeleteButton { None, Separate };
    RecordDataWindow(const QString &saveCaption, DeleteButton deleteButton, QWidget *parent);

    // Reads the record for the mode the logic is in and says how the window looks.
    virtual ModeSetup prepare() = 0;
    // Shows the logic's values in the fields.
    virtual void push() = 0;

    // Field builders. Each field is named after its column (scripts and tests
    // find it by that name); entry fields, memos, choices and dates added here
    // follow the mode: read-only text, disabled choices.
    TEditV *addLine(const QString &column, const QString &label, int maxLength = 0);
    // A value shown but never typed into, skipped by the tab order.
    TEditV *addShownLine(const QString &column, const QString &label);
    QPlainTextEdit *addMemo(const QString &column, const QString &label, int maxLength);
    QDateEdit *addDate(const QString &column, const QString &label);
    void addRow(const QString &label, QWidget *field, bool followsMode = true);
    // A date field of addDate: an invalid date shows (and reads back) as empty.
    static void showDate(QDateEdit *field, const QDate &date);
    static QDate dateOf(const QDateEdit *field);
    // The code field is also read-only when the mode says the code is fixed.
    void setCodeField(QLineEdit *code) { m_code = code; }
    void setNameField(QWidget *name) { m_name = name; }

    void showEvent(QShowEvent *event) override;
    QWidget *focusTarget(ModeSetup::Focus focus) const;

private:
    void applyMode(const ModeSetup &s);

    QLabel *m_title;
    QFormLayout *m_form;
    QPushButton *m_save;
    QPushButton *m_clear;
    QPushButton *m_close;
    QPushButton *m_delete = nullptr;
    QLineEdit *m_code = nullptr;
    QWidget *m_name = nullptr;
    std::vector<QWidget *> m_followsMode;
};
