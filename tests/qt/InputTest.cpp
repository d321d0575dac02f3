#include "QtTestForms.h"

#include <QMainWindow>
#include <QPushButton>

using namespace qt_test;

namespace {

struct Input : FrontEndTest {
    TableForm& table() { return *front_end.runtime().loaded_form<TableForm>(); }
    QPushButton* draw() { return static_cast<QPushButton*>(front_end.widget_of(table().Draw)); }
    QWindow* window() { return front_end.window_of(table())->windowHandle(); }
    void alt_t()
    {
        QTest::sendKeyEvent(QTest::Click, window(), Qt::Key(0x422), QString(QChar(0x422)), Qt::AltModifier);
    }
};

}

TEST_F(Input, ButtonClickSpaceAndAccessKeyReachTheProcedureOnlyWhileEnabled)
{
    start<TableForm>();
    QTest::mouseClick(draw(), Qt::LeftButton);
    EXPECT_EQ(count("Draw"), 1);
    EXPECT_EQ(table().focused(), &table().Draw) << "a click gives the button the focus";
    EXPECT_EQ(QApplication::focusWidget(), draw());

    QTest::keyClick(window(), Qt::Key_Space);
    EXPECT_EQ(count("Draw"), 2);
    alt_t(); // Alt+Т: the button's access key, case folded
    EXPECT_TRUE(QTest::qWaitFor([&] { return count("Draw") == 3; }, 1000));
    QTest::qWait(150);
    EXPECT_EQ(count("Draw"), 3) << "one key, one click";

    set([&] { table().Draw.set_enabled(false); });
    EXPECT_FALSE(draw()->isEnabled());
    QTest::mouseClick(draw(), Qt::LeftButton);
    QTest::keyClick(window(), Qt::Key_Space);
    alt_t();
    QTest::qWait(150);
    EXPECT_EQ(count("Draw"), 3);
}

TEST_F(Input, TabMovesTheFocusInTabOrderAndTheWidgetsFollow)
{
    start<TableForm>();
    EXPECT_EQ(QApplication::focusWidget(), front_end.widget_of(table().Pile)) << "TabIndex 0 has the focus first";
    EXPECT_EQ(table().focused(), &table().Pile);
    QTest::keyClick(window(), Qt::Key_Tab);
    EXPECT_EQ(table().focused(), &table().Draw);
    EXPECT_EQ(QApplication::focusWidget(), draw());
    QTest::keyClick(window(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), front_end.widget_of(table().Pile)) << "round again";
    set([&] { table().Draw.set_focus(); });
    EXPECT_EQ(QApplication::focusWidget(), draw());
}

TEST_F(Input, ClicksReachTheControlOrElseTheWindow)
{
    start<TableForm>();
    QWidget* top = front_end.window_of(table());
    // Through the window, as the desktop delivers them, so that Qt picks the widget.
    auto click = [&](rt::Control& control, QPoint at) {
        QTest::mouseClick(window(), Qt::LeftButton, {}, front_end.widget_of(control)->mapTo(top, at));
    };
    click(table().Places(2), QPoint(30, 30));
    click(table().Marker, QPoint(20, 20)); // a shape is never clicked: the window is
    click(table().PileMark, QPoint(5, 5)); // an image without a procedure
    click(table().Pile, QPoint(75, 68)); // the picture box's own surface
    QWidget* client = static_cast<QMainWindow*>(top)->centralWidget();
    QTest::mouseClick(window(), Qt::LeftButton, {}, client->mapTo(top, QPoint(150, 5))); // nothing there
    std::vector<std::string> const expected { "Place2", "Form_Click", "Pile", "Form_Click" };
    EXPECT_EQ(journal(), expected);
}
