#include "OnScreen.h"
#include "main_window/MirvaneFRM.h"
#include "main_window/PileLayout.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QToolTip>

#include <gtest/gtest.h>

namespace {

// The main window on the real Qt front end, opened directly, for a man.
struct MainWindowOnScreen : OnScreen<MirvaneFRM> {
    MirvaneFRM& main() { return *front_end.runtime().loaded_form<MirvaneFRM>(); }
    QMainWindow* window() { return static_cast<QMainWindow*>(front_end.window_of(main())); }
    QList<QAction*> menu(int index) { return window()->menuBar()->actions().at(index)->menu()->actions(); }
    QRect place_of(rt::Control& control) { return front_end.widget_of(control)->geometry(); }
};

// What the screen showed at each frame painted while a key's procedure ran,
// and what the widgets held then.
struct ShownFrame {
    QImage image;
    // Backs whose widget is shown or hidden other than the program has them.
    int backs_astray;
    std::string button;
    bool button_enabled;
};

// How many of the frames broke each rule of a reset on screen.
struct ResetFaults {
    int stair_broken { 0 };
    int place_mixed { 0 };
    int backs_astray { 0 };
    int button_not_waiting { 0 };
    // Painted after the procedure, while the program still had the whole stair.
    int stair_broken_after { 0 };
    bool operator==(ResetFaults const&) const = default;
};

void PrintTo(ResetFaults const& f, std::ostream* out)
{
    *out << "{ stair broken in " << f.stair_broken << " frames, place 0 other than emptied in " << f.place_mixed
         << ", backs shown or hidden against the program in " << f.backs_astray << ", button not waiting in "
         << f.button_not_waiting << "; stair broken after the procedure in " << f.stair_broken_after << " }";
}

// The table reset on screen: every frame shown while the reset runs must be
// the window as the program had it at one statement.
struct ResetOnScreen : MainWindowOnScreen {
    void SetUp() override
    {
        MainWindowOnScreen::SetUp();
        shown = window();
        button = static_cast<QPushButton*>(front_end.widget_of(main().Command1));
        for (int i = 0; i <= 35; ++i)
            backs.push_back(front_end.widget_of(main().Рубашка(i)));
        for (QWidget* back : backs)
            pile |= on_window(back);
        place0 = on_window(front_end.widget_of(main().Расклад(0)));
        QTest::qWait(50);
        at_rest = grab();
    }
    QRect on_window(QWidget* widget) const { return QRect(widget->mapTo(shown, QPoint(0, 0)), widget->size()); }
    // The window as painted, not as its widgets would paint now.
    QImage grab() const { return shown->screen()->grabWindow(shown->winId()).toImage(); }
    // Every back visible at its place in the pile, and the resting top card.
    bool program_has_whole_stair()
    {
        for (int i = 0; i <= 35; ++i) {
            rt::Control const& back = main().Рубашка(i);
            auto const place = pile_layout::position_of(i);
            if (!back.visible() || back.left() != place.left || back.top() != place.top)
                return false;
        }
        return main().ЛевыйЗабой.visible();
    }
    // Records the frames of the main window that show while press runs, then
    // what the screen shows after each pass of the event loop that follows,
    // for a few frames: what the toolkit paints of its own accord counts too.
    void record_frames_of(std::function<void()> const& press)
    {
        frames.clear();
        broken_after = 0;
        front_end.set_frame_observer([this](QWidget& window) {
            if (&window != shown)
                return;
            int astray = 0;
            for (int i = 0; i <= 35; ++i)
                astray += backs[static_cast<std::size_t>(i)]->isHidden() == main().Рубашка(i).visible();
            frames.push_back({ grab(), astray, button->text().toStdString(), button->isEnabled() });
        });
        press();
        front_end.set_frame_observer({});
        QElapsedTimer passes;
        passes.start();
        while (passes.elapsed() < 100) {
            QCoreApplication::processEvents();
            if (program_has_whole_stair())
                broken_after += grab().copy(pile) != at_rest.copy(pile);
        }
    }
    // At each back's repaint the screen shows every change made before it,
    // to any control: each back hidden only while the program has it hidden
    // (the one repainted, and a back flown to a place until its turn comes),
    // so the stair stands whole (backs of one step lie on one another);
    // place 0 emptied with its marker in front; the button waiting.
    ResetFaults faults() const
    {
        ResetFaults f;
        for (ShownFrame const& frame : frames) {
            f.stair_broken += frame.image.copy(pile) != at_rest.copy(pile);
            f.place_mixed += frame.image.copy(place0) != at_rest.copy(place0);
            f.backs_astray += frame.backs_astray > 0;
            f.button_not_waiting += frame.button != "Подождите" || frame.button_enabled;
        }
        f.stair_broken_after = broken_after;
        return f;
    }

    QWidget* shown { nullptr };
    QPushButton* button { nullptr };
    std::vector<QWidget*> backs;
    QRect pile, place0;
    QImage at_rest;
    std::vector<ShownFrame> frames;
    int broken_after { 0 };
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

// Each back is hidden, repainted and shown again before the next is touched.
TEST_F(ResetOnScreen, EveryFrameOfAResetShowsTheWholeStairAndTheButtonWaiting)
{
    record_frames_of([&] { QTest::keyClick(shown, Qt::Key_F3); });
    EXPECT_EQ(frames.size(), 36u) << "one frame at each back's repaint";
    EXPECT_EQ(faults(), ResetFaults {});
}

TEST_F(ResetOnScreen, StoppingAfterADrawShowsNoFaceUnderItsMarkerNorABrokenStair)
{
    QTest::keyClick(shown, Qt::Key_F3);
    front_end.runtime().click(main().Command1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !main().Расклад(0).tool_tip_text().empty(); }, 5000));
    QTest::qWait(50);
    ASSERT_NE(grab().copy(place0), at_rest.copy(place0)) << "the card lies face up";

    record_frames_of([&] { QTest::keyClick(shown, Qt::Key_F2); });
    EXPECT_EQ(frames.size(), 36u);
    EXPECT_EQ(faults(), ResetFaults {});
    QTest::qWait(50);
    EXPECT_EQ(button->text().remove('&'), QString::fromUtf8("Начать\nсдачу"));
}

// A place that shows no card has no meaning: a meaning on screen as a tool tip
// goes when the place is emptied, and does not come back while the mouse stays.
TEST_F(ResetOnScreen, AMeaningShownAsAToolTipGoesWithItsCard)
{
    QTest::keyClick(shown, Qt::Key_F3);
    front_end.runtime().click(main().Command1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !main().Расклад(0).tool_tip_text().empty(); }, 5000));
    QWidget* place = front_end.widget_of(main().Расклад(0));
    QTest::mouseMove(place, place->rect().center());
    ASSERT_TRUE(QTest::qWaitFor([] { return QToolTip::isVisible(); }, 5000));
    EXPECT_EQ(QToolTip::text(), QString::fromStdString(main().Расклад(0).tool_tip_text()));

    QTest::keyClick(shown, Qt::Key_F2);
    EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 2000));
    QTest::mouseMove(place, place->rect().center() + QPoint(3, 3));
    QTest::qWait(1500);
    EXPECT_FALSE(QToolTip::isVisible()) << QToolTip::text().toStdString();
}
