#include "controls/ui/FocusColours.h"
#include "controls/ui/TEditV.h"
#include "controls/ui/TMemoV.h"
#include "controls/ui/WindowConventions.h"
#include "support/QtPrinters.h"
#include "WidgetTestSupport.h"

#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

// A data window with one control of each kind, in tab order, and a default
// button that counts its clicks.
class WindowConventionsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto *layout = new QVBoxLayout(&window);
        for (QWidget *w : std::initializer_list<QWidget *>{name, memo, combo, date, plain, save, last})
            layout->addWidget(w);
        combo->setEditable(true);
        combo->addItems({QStringLiteral("Sim"), QStringLiteral("Não")});
        save->setDefault(true);
        QObject::connect(save, &QPushButton::clicked, [this] { ++clicks; });
        name->setText(QStringLiteral("Maria"));
        memo->setPlainText(QStringLiteral("Portão azul"));
    }

    QColor baseOf(const QWidget *w) const { return w->palette().color(QPalette::Base); }

    QDialog window;
    TEditV *name = new TEditV;
    TMemoV *memo = new TMemoV;
    QComboBox *combo = new QComboBox;
    QDateEdit *date = new QDateEdit(QDate(2024, 5, 10));
    QLineEdit *plain = new QLineEdit;
    QPushButton *save = new QPushButton(QStringLiteral("Gravar"));
    QLineEdit *last = new QLineEdit;
    int clicks = 0;
};

TEST_F(WindowConventionsTest, EnterMovesToTheNextControlAndIsSwallowed)
{
    WindowConventions::enterMovesOn(&window);
    WindowConventions::enterMovesOn(&window); // a second call adds nothing
    ASSERT_TRUE(showActive(window));
    focusBy(*name);
    const std::vector<QWidget *> order{name, memo, combo, date, plain, save, last};
    for (std::size_t i = 0; i + 1 < order.size(); ++i) {
        SCOPED_TRACE(i);
        QWidget *now = QApplication::focusWidget();
        ASSERT_TRUE(now == order[i] || order[i]->isAncestorOf(now));
        QTest::keyClick(now, i % 2 ? Qt::Key_Enter : Qt::Key_Return);
        QApplication::processEvents();
        QWidget *after = QApplication::focusWidget();
        EXPECT_TRUE(after == order[i + 1] || order[i + 1]->isAncestorOf(after));
    }
    EXPECT_EQ(name->text(), QStringLiteral("Maria"));
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("Portão azul"));
    EXPECT_EQ(combo->count(), 2);
    EXPECT_EQ(date->date(), QDate(2024, 5, 10));
    EXPECT_EQ(clicks, 0);
    EXPECT_TRUE(window.isVisible());
}

TEST_F(WindowConventionsTest, EnterStaysOrdinaryInOtherWindows)
{
    WindowConventions::enterMovesOn(&window);
    ASSERT_TRUE(showActive(window));
    QWidget other;
    auto *edit = new QLineEdit(&other);
    int returns = 0;
    QObject::connect(edit, &QLineEdit::returnPressed, [&] { ++returns; });
    ASSERT_TRUE(showActive(other));
    focusBy(*edit);
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(returns, 1);
    EXPECT_TRUE(edit->hasFocus());
}

TEST_F(WindowConventionsTest, FocusedControlOfAnyKindIsHighlighted)
{
    WindowConventions::focusHighlight(&window);
    ASSERT_TRUE(showActive(window));
    QLineEdit *later = new QLineEdit;
    window.layout()->addWidget(later);
    later->show();
    const std::vector<QWidget *> fields{plain, combo, date, memo, later};
    for (QWidget *w : fields) {
        SCOPED_TRACE(w->metaObject()->className());
        focusBy(*w);
        EXPECT_EQ(baseOf(w), FocusColours::focusColour());
        focusBy(*last);
        EXPECT_EQ(baseOf(w), FocusColours::normalColour());
        EXPECT_EQ(baseOf(last), FocusColours::focusColour());
    }
}

TEST_F(WindowConventionsTest, HighlightStaysWhileAnotherWindowHasTheFocus)
{
    WindowConventions::focusHighlight(&window);
    ASSERT_TRUE(showActive(window));
    focusBy(*plain);
    QWidget box;
    auto *ok = new QPushButton(QStringLiteral("OK"), &box);
    ASSERT_TRUE(showActive(box));
    focusBy(*ok);
    EXPECT_EQ(baseOf(plain), FocusColours::focusColour());
    box.hide();
    ASSERT_TRUE(showActive(window));
    focusBy(*last);
    EXPECT_EQ(baseOf(plain), FocusColours::normalColour());
}

TEST_F(WindowConventionsTest, F5InACodeFieldOpensItsLookup)
{
    int opened = 0;
    WindowConventions::f5OpensLookup(plain, [&] { ++opened; });
    // A window shortcut on F5 does not take the key away from the field.
    int refreshed = 0;
    auto *refresh = new QAction(&window);
    refresh->setShortcut(Qt::Key_F5);
    window.addAction(refresh);
    QObject::connect(refresh, &QAction::triggered, [&] { ++refreshed; });
    ASSERT_TRUE(showActive(window));
    focusBy(*plain);
    QTest::keyClick(plain, Qt::Key_F5);
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(refreshed, 0);
    focusBy(*last);
    QTest::keyClick(last, Qt::Key_F5);
    EXPECT_EQ(opened, 1);
}

TEST_F(WindowConventionsTest, DialogWithoutTitleBarButtonsClosesOnlyThroughItsButton)
{
    WindowConventions::noTitleBarButtons(&window);
    const Qt::WindowFlags flags = window.windowFlags();
    EXPECT_FALSE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowTitleHint);
    ASSERT_TRUE(showActive(window));
    focusBy(*plain);
    QTest::keyClick(plain, Qt::Key_Escape);
    EXPECT_TRUE(window.isVisible());
    QObject::connect(save, &QPushButton::clicked, &window, &QDialog::accept);
    QTest::mouseClick(save, Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
}

TEST(StripedRows, OddRowsInFocusColourEvenRowsInWindowColour)
{
    QTableView view;
    QStandardItemModel model(4, 2);
    view.setModel(&model);
    WindowConventions::stripedRows(&view);
    EXPECT_TRUE(view.alternatingRowColors());
    // The first row is painted with Base, the second with AlternateBase.
    EXPECT_EQ(view.palette().color(QPalette::Base), FocusColours::focusColour());
    EXPECT_EQ(view.palette().color(QPalette::AlternateBase), FocusColours::normalColour());
    EXPECT_EQ(view.palette().color(QPalette::Inactive, QPalette::Base), FocusColours::focusColour());
    EXPECT_NE(FocusColours::focusColour(), FocusColours::normalColour());
}

} // namespace
