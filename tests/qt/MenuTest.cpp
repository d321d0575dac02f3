#include "QtTestForms.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

using namespace qt_test;

namespace {

struct Menus : FrontEndTest {
    TableForm& table() { return *front_end.runtime().loaded_form<TableForm>(); }
    QWindow* window() { return front_end.window_of(table())->windowHandle(); }
    QList<QAction*> bar() { return static_cast<QMainWindow*>(front_end.window_of(table()))->menuBar()->actions(); }
    QAction* item(int menu, int index) { return bar().at(menu)->menu()->actions().at(index); }
};

}

TEST_F(Menus, CarryTheirItemsInOrderWithShortcutKeysAndSeparators)
{
    start<TableForm>();
    ASSERT_EQ(bar().size(), 2);
    EXPECT_EQ(bar()[0]->text(), QString::fromUtf8("&Игра"));
    EXPECT_EQ(bar()[1]->text(), QString::fromUtf8("&Справка"));
    QList<QAction*> const game = bar()[0]->menu()->actions();
    ASSERT_EQ(game.size(), 3);
    EXPECT_EQ(game[0]->text(), QString::fromUtf8("&Новый расклад"));
    EXPECT_EQ(game[0]->shortcut(), QKeySequence(Qt::Key_F2));
    EXPECT_TRUE(game[1]->isSeparator());
    EXPECT_EQ(game[2]->shortcut(), QKeySequence(Qt::Key_F8));
    EXPECT_EQ(item(1, 0)->shortcut(), QKeySequence(Qt::Key_F1));

    set([&] {
        table().Backs.set_enabled(false);
        table().Help.set_enabled(false);
        table().NewDeal.set_caption("&Сдать заново");
        table().Contents.set_visible(false);
    });
    EXPECT_FALSE(game[2]->isEnabled());
    EXPECT_FALSE(bar()[1]->isEnabled());
    EXPECT_EQ(game[0]->text(), QString::fromUtf8("&Сдать заново"));
    EXPECT_FALSE(item(1, 0)->isVisible());
    set([&] { table().Backs.set_enabled(true); });
    EXPECT_TRUE(game[2]->isEnabled());
}

TEST_F(Menus, AnFKeyReachesItsProcedureOnlyWhileItsItemIsEnabled)
{
    start<TableForm>();
    QTest::keyClick(window(), Qt::Key_F2);
    EXPECT_EQ(count("NewDeal"), 1);
    item(0, 0)->trigger(); // chosen with the mouse
    EXPECT_EQ(count("NewDeal"), 2);

    set([&] { table().NewDeal.set_enabled(false); });
    QTest::keyClick(window(), Qt::Key_F2);
    item(0, 0)->trigger();
    EXPECT_EQ(count("NewDeal"), 2);

    set([&] { table().Help.set_enabled(false); });
    QTest::keyClick(window(), Qt::Key_F1);
    EXPECT_EQ(count("Contents"), 0) << "an item of a disabled menu is disabled too";
    set([&] { table().Help.set_enabled(true); });
    QTest::keyClick(window(), Qt::Key_F1);
    EXPECT_EQ(count("Contents"), 1);
}
