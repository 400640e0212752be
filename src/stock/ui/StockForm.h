#pragma once

#include "stock/StockFocus.h"

#include <QDialog>
#include <vector>

class LookupWindow;
class QDateEdit;
class QFormLayout;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QToolButton;
class TEditV;

// The shape of the stock entry and exit windows: a bold title line, a form of
// labelled fields, the product code with its lookup button, and the buttons
// "Gravar", "Limpa", "Fechar". Enter moves to the next field, the focused
// field is highlighted, and the window has no title-bar buttons.
class StockForm : public QDialog {
    Q_OBJECT
public:
    TEditV *codeField() const { return m_code; }
    QToolButton *lookupButton() const { return m_lookup; }
    QPushButton *gravarButton() const { return m_gravar; }
    QPushButton *limpaButton() const { return m_limpa; }
    QPushButton *fecharButton() const { return m_fechar; }

protected:
    StockForm(const QString &caption, const QString &title, QWidget *parent);

    // Field builders; each field is named after its column.
    TEditV *addLine(const QString &name, const QString &label);
    // Shown only: read-only and skipped by Tab.
    TEditV *addShown(const QString &name, const QString &label);
    QDateEdit *addDate(const QString &name, const QString &label);
    void addRow(const QString &label, QWidget *field);
    // Called once every field exists.
    void finishForm();
    // The steps both windows take alike, over the window's own logic: the
    // product lookup (F5 or its button) handing its code back under `origem`,
    // leaving the code, "Gravar", "Limpa", and a fresh start at each showing.
    void connectProductSteps(LookupWindow &lookup, const QString &origem, QWidget *quantity);
    void showEvent(QShowEvent *event) override;

    // Fields to the logic and back.
    virtual void pull() = 0;
    virtual void push() = 0;
    // The logic's steps: false when the code was refused or nothing saved.
    virtual bool leaveCode() = 0;
    virtual bool save() = 0;
    virtual StockFocus focusAfterFailedSave() const = 0;
    virtual void clearLogic() = 0;

private:
    void focusOn(StockFocus focus);
    void openLookup();

    QFormLayout *m_form;
    TEditV *m_code;
    QToolButton *m_lookup;
    QPushButton *m_gravar;
    QPushButton *m_limpa;
    QPushButton *m_fechar;
    std::vector<QWidget *> m_fields; // in tab order
    LookupWindow *m_productLookup = nullptr;
    QString m_origem;
    QWidget *m_quantity = nullptr;
};
