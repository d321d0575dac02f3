#include "QtTestForms.h"
#include "runtime/qt/ImageWidget.h"
#include "runtime/qt/WidgetPeer.h"

#include <QAction>
#include <QImage>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>

using namespace qt_test;

namespace {

// One control of every kind that shows on screen.
struct PeersForm : rt::Form {
    explicit PeersForm(rt::Runtime& rt)
        : Form(rt, "PeersForm", rt::form_window().caption("Peers").client_width(9000).client_height(6000))
    {
        Mover.on_timer = [this] {
            ticks.push_back(runtime().front_end().now_ms());
            Card.set_left(Card.left() + 15);
        };
    }
    RT_CONTROL(Card, rt::image(600, 600, 1065, 1440).stretch().border_style(rt::BorderStyle::FixedSingle));
    RT_CONTROL(Plain, rt::image(3000, 600, 1065, 1440));
    RT_CONTROL(Caption, rt::label(600, 3000, 3000, 300).caption("Кто Вы?"));
    RT_CONTROL(Draw, rt::button(600, 4500, 1500, 495).caption("&Тянуть"));
    RT_CONTROL(Box, rt::picture_box(6000, 3000, 1215, 1095));
    RT_CONTROL(Ring, rt::shape(7500, 600, 600, 600).shape(rt::ShapeKind::Circle).border_width(2));
    RT_CONTROL(Rule, rt::line(0, 5800, 9000, 5800));
    RT_CONTROL(Game, rt::menu("&Игра"));
    RT_CONTROL(NewDeal, rt::menu_item("&Новый расклад", rt::Key::F2).container(Game));
    RT_CONTROL(Mover, rt::timer(10, false));

    std::vector<std::int64_t> ticks;
};

// Counts the events of one type that reach a widget.
struct EventCounter : QObject {
    EventCounter(QWidget* widget, QEvent::Type type)
        : m_type(type)
    {
        widget->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == m_type)
            ++count;
        return false;
    }
    QEvent::Type m_type;
    int count { 0 };
};

struct Peers : FrontEndTest {
    void SetUp() override { form = &start<PeersForm>(); }
    // Runs f as an event procedure without waiting for the frame.
    template<class F>
    void now(F f)
    {
        front_end.runtime().dispatch(f);
    }
    QWidget* widget(rt::Control& control) { return front_end.widget_of(control); }
    PeersForm* form { nullptr };
};

std::string saved_picture(QTemporaryDir const& dir, char const* name, QImage::Format format)
{
    QImage image(8, 8, format);
    image.fill(format == QImage::Format_ARGB32 ? QColor(255, 0, 0, 128) : QColor(Qt::red));
    QString const file = dir.path() + "/" + name;
    EXPECT_TRUE(image.save(file));
    return file.toStdString();
}

}

TEST_F(Peers, EveryKindShowsItsChangesByTheNextFrame)
{
    auto* caption = static_cast<QLabel*>(widget(form->Caption));
    auto* draw = static_cast<QPushButton*>(widget(form->Draw));
    QWidget* card = widget(form->Card);
    QWidget* box = widget(form->Box);
    QWidget* ring = widget(form->Ring);
    QWidget* rule = widget(form->Rule);
    set([&] {
        form->Caption.set_caption("Гадалка");
        form->Caption.set_fore_color(rt::rgb(255, 0, 0));
        form->Draw.set_caption("Ждите");
        form->Draw.set_font_size(14);
        form->Card.set_tool_tip_text("Дама пик");
        form->Box.set_visible(false);
        form->Ring.set_visible(false);
        form->Rule.set_visible(false);
    });
    EXPECT_EQ(caption->text(), QString::fromUtf8("Гадалка"));
    EXPECT_EQ(caption->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(draw->text(), QString::fromUtf8("Ждите"));
    EXPECT_EQ(draw->font().pointSize(), 14);
    EXPECT_EQ(card->toolTip(), QString::fromUtf8("Дама пик"));
    EXPECT_FALSE(box->isVisible());
    EXPECT_FALSE(ring->isVisible());
    EXPECT_FALSE(rule->isVisible());
}

TEST_F(Peers, WindowAndMenuChangesShowAtOnce)
{
    auto* window = static_cast<QMainWindow*>(front_end.window_of(*form));
    QAction* entry = window->menuBar()->actions().at(0)->menu()->actions().at(0);
    auto* caption = static_cast<QLabel*>(widget(form->Caption));
    now([&] {
        form->Caption.set_caption("Гадалка");
        form->NewDeal.set_enabled(false);
        form->NewDeal.set_caption("&Сдать");
        form->self().set_caption("Расклад");
        EXPECT_EQ(caption->text(), QString::fromUtf8("Гадалка")) << "with every change made before them";
        // Read back inside the procedure: a shortcut key pressed next must find
        // the entry disabled already.
        EXPECT_FALSE(entry->isEnabled());
        EXPECT_EQ(entry->text(), QString::fromUtf8("&Сдать"));
        EXPECT_EQ(window->windowTitle(), QString::fromUtf8("Расклад"));
    });
}

TEST_F(Peers, ChangesWaitForTheFrameAndMoveTheWidgetOnce)
{
    QWidget* card = widget(form->Card);
    QRect const before = card->geometry();
    EventCounter moves(card, QEvent::Move);
    EventCounter resizes(card, QEvent::Resize);
    now([&] {
        form->Card.set_left(1500);
        form->Card.set_top(1500);
        form->Card.set_width(1200);
        form->Card.set_left(1800);
    });
    EXPECT_EQ(card->geometry(), before) << "nothing shows before the frame";
    FrontEndTest::let_frame_show();
    EXPECT_EQ(card->geometry(), QRect(120, 100, 80, 96));
    EXPECT_EQ(moves.count, 1);
    EXPECT_EQ(resizes.count, 1);
}

// A change made after the frame has shown waits for the next tick's wake-up;
// when that tick is called off, the change still shows by the next frame.
TEST_F(Peers, AChangeLeftToACancelledTickStillShows)
{
    QWidget* card = widget(form->Card); // shows this frame
    now([&] {
        form->Mover.set_enabled(true);
        form->Card.set_left(2100);
    });
    now([&] { form->Mover.set_enabled(false); });
    FrontEndTest::let_frame_show();
    EXPECT_TRUE(form->ticks.empty());
    EXPECT_EQ(card->x(), 140);
}

// A Refresh shows the window as the program has it at that statement: every
// change so far, of any control, and none made after it.
TEST_F(Peers, RefreshShowsEveryChangeSoFarAndPaintsAtOnce)
{
    QWidget* card = widget(form->Card);
    QWidget* plain = widget(form->Plain);
    auto* caption = static_cast<QLabel*>(widget(form->Caption));
    auto card_in_front = [&] {
        QObjectList const& order = card->parentWidget()->children();
        return order.indexOf(card) > order.indexOf(plain);
    };
    ASSERT_FALSE(card_in_front()) << "defined before Plain";
    EventCounter paints(card, QEvent::Paint);
    now([&] {
        form->Caption.set_caption("Гадалка");
        form->Card.z_order(0);
        form->Card.set_left(3000);
        form->Plain.refresh();
        EXPECT_EQ(card->x(), 200);
        EXPECT_EQ(caption->text(), QString::fromUtf8("Гадалка"));
        EXPECT_TRUE(card_in_front());
        EXPECT_GE(paints.count, 1);

        form->Caption.set_caption("Кто Вы?");
        form->Plain.z_order(0);
        EXPECT_EQ(caption->text(), QString::fromUtf8("Гадалка")) << "later changes wait for the frame";
        EXPECT_TRUE(card_in_front());
    });
    FrontEndTest::let_frame_show();
    EXPECT_EQ(caption->text(), QString::fromUtf8("Кто Вы?"));
    EXPECT_FALSE(card_in_front());
}

TEST_F(Peers, TicksOfOneFrameMoveTheControlOnceAtTheirOwnTimes)
{
    QWidget* card = widget(form->Card);
    EventCounter moves(card, QEvent::Move);
    set([&] { form->Mover.set_enabled(true); });
    QTest::qWait(300);
    set([&] { form->Mover.set_enabled(false); });
    auto const& ticks = form->ticks;
    ASSERT_GE(ticks.size(), 2u);
    EXPECT_LT(moves.count, static_cast<int>(ticks.size())) << "several ticks share a frame";
    EXPECT_EQ(card->x(), 40 + static_cast<int>(ticks.size())) << "every tick moved it";
    if (front_end.runtime().timers().shifts() == 0) {
        for (std::size_t i = 1; i < ticks.size(); ++i)
            EXPECT_EQ(ticks[i] - ticks[i - 1], 10) << "tick " << i << " ran at its own due time";
    }
}

TEST_F(Peers, OnlyAPictureWithoutAlphaThatCoversTheImageHidesWhatLiesBeneath)
{
    QTemporaryDir dir;
    std::string const solid = saved_picture(dir, "solid.bmp", QImage::Format_RGB32);
    std::string const see_through = saved_picture(dir, "see_through.png", QImage::Format_ARGB32);
    auto* card = static_cast<rt::qt::ImageWidget*>(widget(form->Card));
    auto* plain = static_cast<rt::qt::ImageWidget*>(widget(form->Plain));
    EXPECT_FALSE(card->opaque()) << "no picture yet";

    set([&] {
        form->Card.set_picture(rt::load_picture(solid));
        form->Plain.set_picture(rt::load_picture(solid));
    });
    EXPECT_TRUE(card->opaque()) << "stretched over the whole image, border and all";
    EXPECT_TRUE(card->testAttribute(Qt::WA_NoSystemBackground));
    EXPECT_FALSE(plain->opaque()) << "unstretched, 8 pixels do not cover it";

    set([&] { form->Card.set_picture(rt::load_picture(see_through)); });
    EXPECT_FALSE(card->opaque());
}

namespace {

// Three cards of one size, from the back to the front: Under lies exactly
// beneath Top, Aside half beside it.
struct StackForm : rt::Form {
    explicit StackForm(rt::Runtime& rt)
        : Form(rt, "StackForm", rt::form_window().caption("Stack").client_width(9000).client_height(6000))
    {
    }
    static rt::ControlDefinition card(float left) { return rt::image(left, 600, 1065, 1440).stretch(); }
    RT_CONTROL(Under, card(600));
    RT_CONTROL(Aside, card(1200));
    RT_CONTROL(Top, card(600));
};

struct Covering : FrontEndTest {
    void SetUp() override
    {
        form = &start<StackForm>();
        solid = saved_picture(dir, "solid.bmp", QImage::Format_RGB32);
        set([&] {
            for (rt::Control* card : { &form->Under, &form->Aside, &form->Top })
                card->set_picture(rt::load_picture(solid));
        });
    }
    rt::qt::WidgetPeer* peer(rt::Control& control)
    {
        return dynamic_cast<rt::qt::WidgetPeer*>(front_end.widget_of(control));
    }
    StackForm* form { nullptr };
    QTemporaryDir dir;
    std::string solid;
};

}

TEST_F(Covering, OnlyACardWhollyUnderASolidOneInFrontIsLeftOutOfTheOpaqueOnes)
{
    EXPECT_FALSE(peer(form->Under)->opaque()) << "Top lies exactly over it";
    EXPECT_TRUE(peer(form->Aside)->opaque()) << "half of it shows";
    EXPECT_TRUE(peer(form->Top)->opaque());

    set([&] { form->Top.set_left(4000); });
    EXPECT_TRUE(peer(form->Under)->opaque()) << "uncovered by a move";
    set([&] { form->Top.set_left(600); });
    EXPECT_FALSE(peer(form->Under)->opaque());

    set([&] { form->Under.z_order(0); });
    EXPECT_TRUE(peer(form->Under)->opaque()) << "brought to the front";
    EXPECT_FALSE(peer(form->Top)->opaque()) << "now under it";

    set([&] { form->Under.set_visible(false); });
    EXPECT_TRUE(peer(form->Top)->opaque()) << "what covered it is hidden";

    QTemporaryDir other;
    std::string const see_through = saved_picture(other, "see_through.png", QImage::Format_ARGB32);
    set([&] {
        form->Under.set_visible(true);
        form->Under.set_picture(rt::load_picture(see_through));
    });
    EXPECT_TRUE(peer(form->Top)->opaque()) << "a card with alpha in front covers nothing";
    EXPECT_FALSE(peer(form->Under)->opaque());
}
