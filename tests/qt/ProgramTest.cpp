#include "QtTestForms.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

using namespace qt_test;

namespace {

// What EndingForm does once its window runs.
struct Plan {
    int ticks_before_end { 5 };
    bool ask_first { false }; // show a message box that nobody answers
    bool unload_instead { false }; // unload the window instead of End
};

struct EndingForm : JournalForm {
    explicit EndingForm(rt::Runtime& rt)
        : JournalForm(rt, "EndingForm", rt::form_window().caption("Ending").client_width(3000).client_height(2000))
    {
        Ticker.on_timer = [this] {
            log("tick");
            Plan const& plan = module<Plan>();
            if (++ticks == plan.ticks_before_end)
                plan.unload_instead ? unload() : End();
        };
        // Asks once; the box stays open, and the other timer must go on ticking.
        Asker.on_timer = [this] {
            if (asked)
                return;
            asked = true;
            MsgBox("Сейчас закончим", 64, "Ending");
            log("after the box");
        };
    }
    RT_CONTROL(Ticker, rt::timer(10, true));
    RT_CONTROL(Asker, rt::timer(5, false));

    void Form_Load() override { Asker.set_enabled(module<Plan>().ask_first); }
    void Form_Unload(int&) override { log("Unload"); }
    int ticks { 0 };
    bool asked { false };
};

struct Program : FrontEndTest {
    // A loop that does not end fails the test instead of hanging it.
    void SetUp() override
    {
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(99); });
        watchdog.start(3000);
    }
    TableForm& table() { return *front_end.runtime().loaded_form<TableForm>(); }
    QTimer watchdog;
};

}

TEST_F(Program, TimersOf10And20MsTickInDueOrderInRealTime)
{
    start<TableForm>();
    set([&] {
        table().Timer1.set_enabled(true);
        table().Timer2.set_enabled(true);
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return count("Timer2") >= 6; }, 1000));
    set([&] {
        table().Timer1.set_enabled(false);
        table().Timer2.set_enabled(false);
    });
    ASSERT_GE(journal().size(), 18u);
    // Due together at 20, 40 ...: the timer enabled first ticks first.
    char const* const pattern[] = { "Timer1", "Timer1", "Timer2" };
    for (std::size_t i = 0; i < journal().size(); ++i)
        EXPECT_EQ(journal()[i], pattern[i % 3]) << "tick " << i;
}

TEST_F(Program, AMessageBoxIsShownAndAnsweredWhileTicksGoOn)
{
    start<TableForm>();
    table().Draw.on_click = [&] {
        table().log("asking");
        table().runtime().msg_box("Карта дня:\r\nдама пик", 16, "Расклад");
        table().log("answered");
    };
    set([&] { table().Timer1.set_enabled(true); });
    long ticks_while_open = 0;
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || count("Timer1") - count("asking") < 5)
            return;
        title = box->windowTitle(), text = box->text(), icon = box->icon();
        ticks_while_open = count("Timer1");
        box->buttons().front()->click();
    });
    answer.start(20);
    QTest::mouseClick(front_end.widget_of(table().Draw), Qt::LeftButton);

    EXPECT_EQ(count("answered"), 1);
    EXPECT_GE(ticks_while_open, 5);
    EXPECT_EQ(title, QString::fromUtf8("Расклад"));
    EXPECT_EQ(text, QString::fromUtf8("Карта дня:\nдама пик"));
    EXPECT_EQ(icon, QMessageBox::Critical);
}

TEST_F(Program, EndQuitsTheEventLoop)
{
    EXPECT_EQ(front_end.run<EndingForm>(), 0);
    EXPECT_EQ(count("tick"), 5);
    EXPECT_TRUE(front_end.runtime().ended());
    EXPECT_FALSE(front_end.window_of(*front_end.runtime().loaded_form<EndingForm>())->isVisible());
}

TEST_F(Program, EndFromATickWhileATicksMessageBoxIsOpenEndsBothLoops)
{
    front_end.runtime().module<Plan>().ask_first = true;
    EXPECT_EQ(front_end.run<EndingForm>(), 0);
    EXPECT_EQ(count("tick"), 5);
    EXPECT_EQ(count("after the box"), 0) << "End leaves every procedure at once";
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(Program, UnloadingTheLastWindowEndsTheEventLoop)
{
    front_end.runtime().module<Plan>().unload_instead = true;
    EXPECT_EQ(front_end.run<EndingForm>(), 0);
    EXPECT_EQ(count("Unload"), 1);
    EXPECT_FALSE(front_end.runtime().ended());
}

TEST_F(Program, ClosingAWindowRunsItsUnloadWhichDecides)
{
    start<TableForm>();
    QPointer<QWidget> window = front_end.window_of(table());
    table().refuse_unload = true;
    window->close();
    EXPECT_EQ(count("Unload"), 1);
    EXPECT_TRUE(window->isVisible()) << "the unload was cancelled";

    table().refuse_unload = false;
    window->close();
    EXPECT_EQ(count("Unload"), 2);
    EXPECT_EQ(front_end.runtime().loaded_form<TableForm>(), nullptr);
    EXPECT_FALSE(window->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
}
