#include "OnScreen.h"
#include "main_window/MirvaneFRM.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The main window on the real Qt front end, opened directly, for a man.
struct MainWindowOnScreen : OnScreen<MirvaneFRM> {
    MirvaneFRM& main() { return *front_end.runtime().loaded_form<MirvaneFRM>(); }
    QMainWindow* window() { return static_cast<QMainWindow*>(front_end.window_of(main())); }
    QList<QAction*> menu(int index) { return window()->menuBar()->actions().at(index)->menu()->actions(); }
    QRect place_of(rt::Control& control) { return front_end.widget_of(control)->geometry(); }
};

}

TEST_F(MainWindowOnScreen, OpensAtTheTopLeftWithItsClientArea)
{
    EXPECT_EQ(window()->frameGeometry().topLeft(), QPoint(0, 0));
    // 6720 twips high in all, whatever the frame; the client area gets what
    // the frame and the menu bar leave.
    int const frame = window()->frameGeometry().height() - window()->geometry().height();
    EXPECT_EQ(window()->frameGeometry().height(), 448);
    EXPECT_EQ(window()->centralWidget()->size(), QSize(634, 448 - frame - window()->menuBar()->height()));
    EXPECT_EQ(main().client_height(), 15.0f * static_cast<float>(window()->centralWidget()->height()));
    EXPECT_EQ(window()->windowTitle(), QString::fromUtf8("Зеливорната"));
    EXPECT_FALSE(window()->windowFlags() & Qt::WindowMaximizeButtonHint);

    EXPECT_EQ(place_of(main().Command1), QRect(128, 24, 89, 81));
    EXPECT_EQ(place_of(main().Расклад(0)), QRect(40, 136, 71, 96));
    EXPECT_EQ(place_of(main().Расклад(8)), QRect(520, 192, 71, 96));
    EXPECT_EQ(place_of(main().Рубашка(35)).topLeft(), QPoint(270, 24)) << "the bottom step of the pile";
    EXPECT_TRUE(front_end.widget_of(main().ЛевыйЗабой)->isVisible());
    auto* button = static_cast<QPushButton*>(front_end.widget_of(main().Command1));
    EXPECT_TRUE(button->isEnabled());
    EXPECT_EQ(button->text().remove('&'), QString::fromUtf8("Начать\nсдачу"));
}

TEST_F(MainWindowOnScreen, MenusShowTheirItemsAndShortcutKeys)
{
    auto const bar = window()->menuBar()->actions();
    ASSERT_EQ(bar.size(), 2);
    EXPECT_EQ(bar[0]->text(), QString::fromUtf8("&Гадатель"));
    EXPECT_EQ(bar[1]->text(), QString::fromUtf8("&Справка"));

    auto const deal = menu(0);
    ASSERT_EQ(deal.size(), 7);
    EXPECT_EQ(deal[0]->text(), QString::fromUtf8("&Начать сдачу"));
    EXPECT_EQ(deal[0]->shortcut(), QKeySequence(Qt::Key_F3));
    EXPECT_TRUE(deal[0]->isEnabled());
    EXPECT_EQ(deal[1]->shortcut(), QKeySequence(Qt::Key_F2));
    EXPECT_FALSE(deal[1]->isEnabled());
    EXPECT_EQ(deal[2]->shortcut(), QKeySequence(Qt::Key_F7));
    EXPECT_FALSE(deal[2]->isEnabled());
    EXPECT_TRUE(deal[3]->isSeparator());
    EXPECT_EQ(deal[4]->shortcut(), QKeySequence(Qt::Key_F8));
    EXPECT_TRUE(deal[5]->isSeparator());
    EXPECT_EQ(deal[6]->text(), QString::fromUtf8("В&ыход"));

    auto const help = menu(1);
    ASSERT_EQ(help.size(), 3);
    EXPECT_EQ(help[0]->shortcut(), QKeySequence(Qt::Key_F1));
    EXPECT_TRUE(help[1]->isSeparator());
    EXPECT_EQ(help[2]->text(), QString::fromUtf8("&О программе..."));
}

TEST_F(MainWindowOnScreen, F8ChangesTheBacksAndTheCloseBoxStoresIt)
{
    QTest::keyClick(window(), Qt::Key_F2); // disabled: nothing
    QTest::keyClick(window(), Qt::Key_F7);
    QTest::keyClick(window(), Qt::Key_F8);
    QTest::keyClick(window(), Qt::Key_F8);
    auto const& module = front_end.runtime().module<MirvaneMDL>();
    EXPECT_EQ(module.ScinIndex, 2);
    EXPECT_EQ(main().Рубашка(0).picture(), main().Picture4(2).picture());

    window()->close();
    EXPECT_TRUE(front_end.runtime().ended());
    EXPECT_EQ(folder.read("mirvane.ini"), std::string("\2\1", 2));
}

// The run time alone decides what a function key does: with Shift, Control or
// Alt it is another key, which no menu item has, though the menu shows "F3".
TEST_F(MainWindowOnScreen, AFunctionKeyWithAModifierReachesNoProcedure)
{
    QWidget* focus = QApplication::focusWidget() ? QApplication::focusWidget() : window();
    auto const& module = front_end.runtime().module<MirvaneMDL>();
    for (Qt::KeyboardModifier modifier : { Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier }) {
        for (Qt::Key key : { Qt::Key_F3, Qt::Key_F8, Qt::Key_F1 })
            QTest::keyClick(focus, key, modifier);
    }
    EXPECT_EQ(main().Command1.caption(), "Начать\rсдачу");
    EXPECT_EQ(module.ScinIndex, 0);
    EXPECT_EQ(front_end.runtime().find_form("HelpFRM"), nullptr);

    QTest::keyClick(focus, Qt::Key_F3);
    EXPECT_EQ(main().Command1.caption(), "Тянуть\rкарту") << "the plain key starts the deal";
}

// A windowed control whose pointer is the default shows the desktop's standard
// arrow, not the window's own blue one.
TEST_F(MainWindowOnScreen, TheDealButtonShowsTheStandardPointer)
{
    QWidget* button = front_end.widget_of(main().Command1);
    EXPECT_FALSE(window()->cursor().pixmap().isNull()) << "the window has its own pointer";
    EXPECT_TRUE(button->testAttribute(Qt::WA_SetCursor));
    EXPECT_EQ(button->cursor().shape(), Qt::ArrowCursor);
    EXPECT_TRUE(button->cursor().pixmap().isNull());
}

// Under a window manager, which draws a title bar and borders of its own: the
// outer frame is 6720 twips high whatever the decoration, at the top-left
// corner, and the client area keeps its width and gets the rest of the height.
// Run by under_window_manager.sh, which starts a virtual display and openbox.
TEST_F(MainWindowOnScreen, UnderAWindowManagerTheOuterFrameIs6720TwipsHigh)
{
    if (qEnvironmentVariableIsEmpty("ZELIVORNATA_WINDOW_MANAGER"))
        GTEST_SKIP() << "needs a window manager: run through under_window_manager.sh";
    // A loaded machine may take its time to frame the window.
    int const patience_ms = 15000;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return window()->frameGeometry().height() > window()->geometry().height(); }, patience_ms))
        << "the window manager never framed the window";
    ASSERT_TRUE(QTest::qWaitFor([&] { return window()->frameGeometry().height() == 448; }, patience_ms))
        << window()->frameGeometry().height();
    EXPECT_EQ(window()->frameGeometry().topLeft(), QPoint(0, 0));
    QWidget const* client = window()->centralWidget();
    EXPECT_EQ(client->width(), 634);
    int const frame = window()->frameGeometry().height() - window()->geometry().height();
    EXPECT_EQ(client->height(), 448 - frame - window()->menuBar()->height());
    EXPECT_EQ(main().client_height(), 15.0f * static_cast<float>(client->height()));
}
