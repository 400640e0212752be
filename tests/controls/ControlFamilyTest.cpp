#include "controls/ui/FocusColours.h"
#include "controls/ui/TBitBtnV.h"
#include "controls/ui/TComboBoxV.h"
#include "controls/ui/TMemoV.h"
#include "WidgetTestSupport.h"

#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

QColor backgroundOf(const QWidget *w)
{
    return w->palette().color(QPalette::Base);
}

// The combo box, memo and button paint their own focus colour, with no help
// from the window: in the focus colour while focused, back to normal when the
// focus moves on inside the window, unchanged while another window has it.
TEST(ControlFamily, EachControlFollowsItsOwnFocus)
{
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *combo = new TComboBoxV;
    auto *memo = new TMemoV;
    auto *button = new TBitBtnV(QStringLiteral("Gravar"));
    auto *other = new QLineEdit;
    for (QWidget *w : std::initializer_list<QWidget *>{combo, memo, button, other})
        layout->addWidget(w);
    ASSERT_TRUE(showActive(window));
    focusBy(*other);

    for (QWidget *w : std::initializer_list<QWidget *>{combo, memo, button}) {
        SCOPED_TRACE(w->metaObject()->className());
        EXPECT_EQ(backgroundOf(w), FocusColours::normalColour());
        focusBy(*w);
        EXPECT_EQ(backgroundOf(w), FocusColours::focusColour());

        QWidget box;
        auto *ok = new QPushButton(QStringLiteral("OK"), &box);
        ASSERT_TRUE(showActive(box));
        focusBy(*ok);
        EXPECT_EQ(backgroundOf(w), FocusColours::focusColour());
        box.hide();
        ASSERT_TRUE(showActive(window));

        focusBy(*other);
        EXPECT_EQ(backgroundOf(w), FocusColours::normalColour());
    }
}

} // namespace
