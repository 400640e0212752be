#include "controls/ui/FocusColours.h"
#include "controls/ui/TEditV.h"
#include "support/QtPrinters.h"
#include "WidgetTestSupport.h"

#include <QClipboard>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

// A window with a plain line edit holding the focus at first, the field under
// test and a text field after it.
class TEditVTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto *layout = new QVBoxLayout(&window);
        layout->addWidget(start);
        layout->addWidget(field);
        layout->addWidget(next);
        ASSERT_TRUE(showActive(window));
        ASSERT_TRUE(start->hasFocus());
    }

    void typeInto(TEditV *edit, const QString &keys)
    {
        focusBy(*edit);
        edit->clear();
        QTest::keyClicks(edit, keys);
    }

    QColor baseOf(const QWidget *w) const { return w->palette().color(QPalette::Base); }

    QWidget window;
    QLineEdit *start = new QLineEdit;
    TEditV *field = new TEditV(nullptr, Qt::AlignRight);
    TEditV *next = new TEditV;
};

TEST_F(TEditVTest, KeystrokeFilterPerKindOfField)
{
    struct Case { const char *name; void (TEditV::*kind)(); const char *keys; const char *text; };
    const Case cases[] = {
        {"money turns '.' into ','", &TEditV::makeMoney, "12.5", "12,5"},
        {"money keeps ','", &TEditV::makeMoney, "12,5", "12,5"},
        {"letters dropped in a number", &TEditV::makeQuantity, "1a2b", "12"},
        {"no minus in a number", &TEditV::makePercentage, "-5", "5"},
        {"no separator in a whole number", &TEditV::makeWhole, "1,5.0", "150"},
        {"no spaces or symbols", &TEditV::makeMoney, "R$ 1 2", "12"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        (field->*c.kind)();
        typeInto(field, QString::fromUtf8(c.keys));
        EXPECT_EQ(field->text(), QString::fromUtf8(c.text));
    }
    // A text field takes everything; a number field still takes backspace and navigation.
    typeInto(next, QStringLiteral("Rua -5, nº 1.2"));
    EXPECT_EQ(next->text(), QStringLiteral("Rua -5, nº 1.2"));
    field->makeMoney();
    typeInto(field, QStringLiteral("123"));
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClick(field, Qt::Key_Home);
    QTest::keyClicks(field, QStringLiteral("9"));
    EXPECT_EQ(field->text(), QStringLiteral("912"));
}

TEST_F(TEditVTest, PastedTextIsCleanedAsTheWindowsReadIt)
{
    field->makeMoney();
    focusBy(*field);
    field->clear();
    QApplication::clipboard()->setText(QStringLiteral("R$ 1.234,56"));
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(field->text(), QStringLiteral("1234,56"));
    focusBy(*next);
    EXPECT_EQ(field->text(), QStringLiteral("R$ 1.234,56"));
}

TEST_F(TEditVTest, EnteringShowsTheBareFigureAllSelected)
{
    field->makeMoney();
    field->setText(QStringLiteral("R$ 1.234,56"));
    focusBy(*field);
    EXPECT_EQ(field->text(), QStringLiteral("1234,56"));
    EXPECT_EQ(field->selectedText(), QStringLiteral("1234,56"));

    next->makePercentage();
    next->setText(QStringLiteral("30,00%"));
    focusBy(*next, Qt::MouseFocusReason);
    EXPECT_EQ(next->text(), QStringLiteral("30,00"));
    EXPECT_EQ(next->selectedText(), QStringLiteral("30,00"));
}

TEST_F(TEditVTest, LeavingFormatsTheFigure)
{
    struct Case { const char *name; void (TEditV::*kind)(); const char *typed; const char *shown; };
    const Case cases[] = {
        {"quantity", &TEditV::makeQuantity, "1234,5", "1.234,500"},
        {"money", &TEditV::makeMoney, "1234,5", "R$ 1.234,50"},
        {"percentage", &TEditV::makePercentage, "30", "30,00%"},
        {"whole 12", &TEditV::makeWhole, "12", "12"},
        {"whole 1234", &TEditV::makeWhole, "1234", "1.234"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        (field->*c.kind)();
        typeInto(field, QString::fromUtf8(c.typed));
        focusBy(*next);
        EXPECT_EQ(field->text(), QString::fromUtf8(c.shown));
        EXPECT_TRUE(next->hasFocus());
    }
}

TEST_F(TEditVTest, UnreadableFigureGetsZeroTextAndKeepsTheFocus)
{
    struct Case { void (TEditV::*kind)(); const char *typed; const char *zero; };
    const Case cases[] = {
        {&TEditV::makeMoney, "", "0,00"},
        {&TEditV::makePercentage, "", "0,00%"},
        {&TEditV::makeQuantity, ",", "0,000"},
        {&TEditV::makeWhole, "", "0"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.zero);
        (field->*c.kind)();
        typeInto(field, QString::fromUtf8(c.typed));
        next->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(field->text(), QString::fromUtf8(c.zero));
        QApplication::processEvents();
        EXPECT_TRUE(field->hasFocus());
    }
    // The zero text reads back, so the field can be left the next time.
    focusBy(*next);
    EXPECT_TRUE(next->hasFocus());
    EXPECT_EQ(field->text(), QStringLiteral("0"));
}

TEST_F(TEditVTest, TextFieldIsLeftAsTyped)
{
    typeInto(field, QStringLiteral("abc"));
    focusBy(*next);
    EXPECT_EQ(field->text(), QStringLiteral("abc"));
}

TEST_F(TEditVTest, FocusColourOnEnteringAndNormalColourOnLeaving)
{
    EXPECT_EQ(baseOf(field), FocusColours::normalColour());
    focusBy(*field);
    EXPECT_EQ(baseOf(field), FocusColours::focusColour());
    focusBy(*next);
    EXPECT_EQ(baseOf(field), FocusColours::normalColour());
    EXPECT_EQ(baseOf(next), FocusColours::focusColour());
}

TEST_F(TEditVTest, ClosingTheWindowStillFormatsTheFocusedField)
{
    field->makeMoney();
    typeInto(field, QStringLiteral("7,5"));
    window.hide();
    EXPECT_EQ(field->text(), QStringLiteral("R$ 7,50"));
    EXPECT_EQ(baseOf(field), FocusColours::normalColour());
}

TEST(TEditVDefaults, CreatedAsAPlainLeftAlignedTextField)
{
    TEditV edit;
    EXPECT_FALSE(edit.numero());
    EXPECT_EQ(edit.casaDecimal(), 0);
    EXPECT_TRUE(edit.text().isEmpty());
    EXPECT_EQ(edit.height(), 25);
    EXPECT_TRUE(edit.alignment() & Qt::AlignLeft);
    EXPECT_TRUE(QFontInfo(edit.font()).fixedPitch());
    EXPECT_EQ(TEditV(nullptr, Qt::AlignRight).alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
}

} // namespace
