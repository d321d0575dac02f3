#include "MirvaneFRMTestAccess.h"
#include "OnScreen.h"
#include "main_window/DealCaptions.h"
#include "main_window/MirvaneFRM.h"
#include "windows/HelpFRM.h"
#include "windows/SexForm.h"
#include "windows/ViewFRM.h"

#include <QImage>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>

namespace {

// The program from its start dialog on the real Qt front end, in a folder of its own.
struct StartDialogOnScreen : OnScreen<SexForm> {
    SexForm& dialog() { return *front_end.runtime().loaded_form<SexForm>(); }
    QWidget* window() { return front_end.window_of(dialog()); }
    QPushButton* button(rt::Control& control) { return static_cast<QPushButton*>(front_end.widget_of(control)); }
};

// Pixels of the caption's colour inside the button's edge: the caption is drawn
// over the texture, which has none of them.
int caption_pixels(QPushButton* button)
{
    QImage const face = button->grab().toImage();
    QColor const text = button->palette().color(QPalette::ButtonText);
    int count = 0;
    for (int y = 3; y < face.height() - 3; ++y) {
        for (int x = 3; x < face.width() - 3; ++x) {
            QColor const c = face.pixelColor(x, y);
            count += std::abs(c.red() - text.red()) + std::abs(c.green() - text.green())
                    + std::abs(c.blue() - text.blue())
                < 60;
        }
    }
    return count;
}

}

TEST_F(StartDialogOnScreen, BorderlessPanelWithThreeCaptionedButtons)
{
    EXPECT_TRUE(window()->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(window()->frameGeometry().size(), QSize(314, 116));
    QRect const screen = window()->screen()->availableGeometry();
    EXPECT_LE((window()->frameGeometry().center() - screen.center()).manhattanLength(), 2) << "centred on the screen";
    EXPECT_FALSE(front_end.window_of(*front_end.runtime().loaded_form<HelpFRM>())->isVisible());

    struct Expected {
        rt::Control* control;
        char const* caption;
        QRect place;
    };
    Expected const buttons[] = {
        { &dialog().Command1, "&Женщина", QRect(8, 80, 89, 25) },
        { &dialog().Command2, "&Мужчина", QRect(112, 80, 89, 25) },
        { &dialog().Command3, "&Не знаю", QRect(216, 80, 89, 25) },
    };
    for (auto const& b : buttons) {
        SCOPED_TRACE(b.caption);
        QPushButton* widget = button(*b.control);
        EXPECT_TRUE(widget->isVisible());
        EXPECT_EQ(widget->text(), QString::fromUtf8(b.caption));
        EXPECT_EQ(widget->geometry(), b.place);
        EXPECT_FALSE(widget->hasFocus());
        EXPECT_GT(caption_pixels(widget), 20);
    }
}

TEST_F(StartDialogOnScreen, ManOpensTheMainWindowForAMan)
{
    QTest::mouseClick(button(dialog().Command2), Qt::LeftButton);

    EXPECT_FALSE(window()->isVisible());
    auto* main = front_end.runtime().loaded_form<MirvaneFRM>();
    ASSERT_NE(main, nullptr);
    auto* main_window = static_cast<QMainWindow*>(front_end.window_of(*main));
    EXPECT_TRUE(main_window->isVisible());
    EXPECT_EQ(front_end.runtime().module<MirvaneMDL>().UserSex, 0);
    EXPECT_EQ(main_window->menuBar()->actions().at(0)->text(), QString::fromUtf8("&Гадатель"));
    EXPECT_TRUE(std::filesystem::exists(folder / "mirvane.ini"));
}

TEST_F(StartDialogOnScreen, EachButtonShowsItsOwnPointerAndDontKnowTheStandardOne)
{
    QPixmap const window_pointer = window()->cursor().pixmap();
    EXPECT_FALSE(window_pointer.isNull());
    for (rt::Control* control : { &dialog().Command1, &dialog().Command2 }) {
        QPixmap const own = button(*control)->cursor().pixmap();
        EXPECT_FALSE(own.isNull());
        EXPECT_NE(own.toImage(), window_pointer.toImage());
    }
    QPushButton* dont_know = button(dialog().Command3);
    EXPECT_TRUE(dont_know->testAttribute(Qt::WA_SetCursor));
    EXPECT_EQ(dont_know->cursor().shape(), Qt::ArrowCursor);
    EXPECT_TRUE(dont_know->cursor().pixmap().isNull());
}

// When the dialog comes up no button shows a focus frame; the first Tab moves
// the focus to "&Мужчина", which then shows one.
TEST_F(StartDialogOnScreen, TheFirstTabShowsTheFocusFrameOnMan)
{
    QPushButton* man = button(dialog().Command2);
    QImage const before = man->grab().toImage();
    QTest::keyClick(window(), Qt::Key_Tab);
    EXPECT_TRUE(man->hasFocus());
    EXPECT_EQ(dialog().focused(), &dialog().Command2);
    EXPECT_NE(man->grab().toImage(), before) << "the focus frame shows";
    QImage const woman = button(dialog().Command1)->grab().toImage();
    QTest::keyClick(window(), Qt::Key_Tab);
    EXPECT_TRUE(button(dialog().Command1)->hasFocus());
    EXPECT_NE(button(dialog().Command1)->grab().toImage(), woman);
    EXPECT_EQ(man->grab().toImage(), before) << "the frame left with the focus";
}

namespace {

// Keys typed ahead on the real front end: both keys are waiting in the event
// queue, for the widget the display has focused, before the first is handled.
struct TypedAheadOnScreen : OnScreen<MirvaneFRM> {
    MirvaneFRM& main() { return form<MirvaneFRM>(); }
    QWidget* main_window() { return front_end.window_of(main()); }
    void post_keys(std::initializer_list<Qt::Key> keys)
    {
        QWidget* focused = QApplication::focusWidget() ? QApplication::focusWidget() : main_window();
        for (Qt::Key key : keys) {
            QString const text = key == Qt::Key_Space ? QStringLiteral(" ") : QString();
            QCoreApplication::postEvent(focused, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier, text));
            QCoreApplication::postEvent(focused, new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier, text));
        }
        QCoreApplication::processEvents();
    }
    bool active(rt::Form& form) { return front_end.runtime().active_form() == &form; }
};

}

TEST_F(TypedAheadOnScreen, SpaceRightAfterF1GoesToTheHelpWindowAndDrawsNoCard)
{
    QTest::keyClick(main_window(), Qt::Key_F3);
    ASSERT_EQ(QApplication::focusWidget(), front_end.widget_of(main().Command1)) << "Space would draw";
    post_keys({ Qt::Key_F1, Qt::Key_Space });
    EXPECT_TRUE(active(form<HelpFRM>()));
    QTest::qWait(1500);
    EXPECT_EQ(MirvaneFRMTestAccess(main()).DrawnCount, 0);
    EXPECT_EQ(main().Расклад(0).tool_tip_text(), "");
    EXPECT_EQ(main().Command1.caption(), deal_captions::draw);
}

TEST_F(TypedAheadOnScreen, F3RightAfterF7GoesToTheInterpretationAndStartsNoDeal)
{
    // The last draw of a deal, and the interpretation it opens closed again.
    QTest::keyClick(main_window(), Qt::Key_F3);
    MirvaneFRMTestAccess(main()).DrawnCount = 8;
    front_end.runtime().click(main().Command1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return main().Command1.caption() == deal_captions::interpret; }, 10000));
    QTest::keyClick(front_end.window_of(form<ViewFRM>()), Qt::Key_Return);
    ASSERT_TRUE(active(main()));
    ASSERT_TRUE(QTest::qWaitForWindowActive(main_window()));

    post_keys({ Qt::Key_F7, Qt::Key_F3 });
    EXPECT_TRUE(active(form<ViewFRM>()));
    QTest::qWait(100);
    EXPECT_EQ(main().Command1.caption(), deal_captions::interpret) << "no deal started";
    EXPECT_EQ(MirvaneFRMTestAccess(main()).DrawnCount, 9);
}
