#include "QtTestForms.h"
#include "runtime/qt/PictureCache.h"

#include <QBuffer>
#include <QHelpEvent>
#include <QImage>
#include <QMainWindow>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QToolTip>

using namespace qt_test;

namespace {

struct Windows : FrontEndTest {
    QWidget* client(rt::Form& form) { return static_cast<QMainWindow*>(front_end.window_of(form))->centralWidget(); }
};

struct ToolWindowForm : rt::Form {
    explicit ToolWindowForm(rt::Runtime& rt)
        : Form(rt, "ToolWindowForm",
            rt::form_window().caption("Tool").client_width(3000).client_height(1500).border_style(
                rt::BorderStyle::FixedToolWindow))
    {
    }
};

struct FramelessForm : rt::Form {
    explicit FramelessForm(rt::Runtime& rt)
        : Form(rt, "FramelessForm",
            rt::form_window()
                .client_width(3000)
                .client_height(1500)
                .border_style(rt::BorderStyle::None)
                .start_up_position(rt::StartUpPosition::CenterScreen))
    {
    }
};

// Widgets of the given controls, in the order the container paints them.
std::vector<QWidget*> painted_order(QWidget* container)
{
    std::vector<QWidget*> result;
    for (QObject* child : container->children()) {
        if (child->isWidgetType())
            result.push_back(static_cast<QWidget*>(child));
    }
    return result;
}

}

TEST_F(Windows, ClientAreaHasItsDefinedSizeAndFrameSitsAtLeftTop)
{
    auto& table = start<TableForm>();
    auto* window = static_cast<QMainWindow*>(front_end.window_of(table));
    // Its load set the outer height of 6720 twips: the client area gets what
    // the frame and the menu bar leave of it.
    int const frame = window->frameGeometry().height() - window->geometry().height();
    ASSERT_TRUE(window->menuBar()->isVisible());
    EXPECT_EQ(window->frameGeometry().height(), 448);
    EXPECT_EQ(client(table)->size(), QSize(634, 448 - frame - window->menuBar()->height())) << "9510 twips wide";
    EXPECT_EQ(window->frameGeometry().topLeft(), QPoint(100, 50)) << "Left 1500, Top 750";
    EXPECT_EQ(window->minimumSize(), window->maximumSize()) << "the user cannot resize it";
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_EQ(window->windowTitle(), "Table");

    set([&] { table.self().set_height(6720 + 1500); });
    QTest::qWait(0);
    EXPECT_EQ(window->frameGeometry().height(), 548) << "8220 twips";
    EXPECT_EQ(client(table)->size(), QSize(634, 548 - frame - window->menuBar()->height()));
    EXPECT_EQ(table.client_height(), 15.0f * static_cast<float>(client(table)->height()));
}

TEST_F(Windows, BorderStylesChooseTheFrame)
{
    auto& tool = start<ToolWindowForm>();
    QWidget* tool_window = front_end.window_of(tool);
    EXPECT_EQ(tool_window->windowType(), Qt::Tool);
    EXPECT_FALSE(tool_window->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_EQ(client(tool)->size(), QSize(200, 100));

    set([&] { front_end.runtime().form<FramelessForm>().show(); });
    auto& frameless = *front_end.runtime().loaded_form<FramelessForm>();
    QWidget* frameless_window = front_end.window_of(frameless);
    EXPECT_TRUE(frameless_window->windowFlags().testFlag(Qt::FramelessWindowHint));
    QRect const screen = frameless_window->screen()->availableGeometry();
    EXPECT_EQ(frameless_window->frameGeometry().center(), screen.center()) << "centred on the screen at first show";
}

TEST_F(Windows, WidgetStackingFollowsTheRunTimeAfterZOrder)
{
    auto& table = start<TableForm>();
    auto expect_same_order = [&](rt::Control const* container, QWidget* parent) {
        std::vector<QWidget*> expected;
        for (rt::Control* c : table.stacking(container))
            expected.push_back(front_end.widget_of(*c));
        EXPECT_EQ(painted_order(parent), expected);
    };
    expect_same_order(nullptr, client(table));
    set([&] {
        table.Places(0).z_order(0);
        table.Back.z_order(0);
        table.Places(2).z_order(1);
        table.Draw.z_order(1); // stays above every graphical control
        table.PileFace.z_order(0);
    });
    expect_same_order(nullptr, client(table));
    expect_same_order(&table.Pile, front_end.widget_of(table.PileFace)->parentWidget());
    EXPECT_EQ(painted_order(client(table)).back(), front_end.widget_of(table.Pile));
}

TEST_F(Windows, ToolTipShowsOnTheImageAndAnEmptyOneShowsNone)
{
    auto& table = start<TableForm>();
    QWidget* place = front_end.widget_of(table.Places(1));
    set([&] { table.Places(1).set_tool_tip_text("Дама пик: разлука"); });
    QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), place->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(place, &help);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), QString::fromUtf8("Дама пик: разлука"));
    QToolTip::hideText();

    set([&] { table.Places(1).set_tool_tip_text(""); });
    EXPECT_TRUE(place->toolTip().isEmpty());
}

// A tip on screen shows its control's text as it is now: another text at
// once, none at once when the text is "", and another control's change leaves
// it alone.
TEST_F(Windows, AToolTipOnScreenFollowsItsText)
{
    auto& table = start<TableForm>();
    QWidget* place = front_end.widget_of(table.Places(1));
    set([&] {
        table.Places(0).set_tool_tip_text("Валет треф");
        table.Places(1).set_tool_tip_text("Дама пик");
    });
    QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), place->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(place, &help);
    ASSERT_TRUE(QToolTip::isVisible());

    set([&] { table.Places(0).set_tool_tip_text("Туз бубен"); });
    EXPECT_EQ(QToolTip::text(), QString::fromUtf8("Дама пик"));
    set([&] { table.Places(1).set_tool_tip_text("Король червей"); });
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), QString::fromUtf8("Король червей"));
    set([&] { table.Places(1).set_tool_tip_text(""); });
    EXPECT_FALSE(QToolTip::isVisible());

    set([&] { table.Places(1).set_tool_tip_text("Дама пик"); });
    EXPECT_FALSE(QToolTip::isVisible()) << "a hidden tip does not come back by itself";
}

TEST_F(Windows, PicturesShowUnscaledOrStretchedAndAMissingOneShowsNothing)
{
    QTemporaryDir dir;
    QImage red(2, 2, QImage::Format_RGB32);
    red.fill(Qt::red);
    std::string const file = (dir.path() + "/red.bmp").toStdString();
    ASSERT_TRUE(red.save(QString::fromStdString(file)));

    auto& table = start<TableForm>();
    set([&] {
        table.Back.set_picture(rt::load_picture(file));
        table.Places(0).set_picture(table.Back.picture());
        table.Places(1).set_picture(rt::load_picture(":/missing/picture.jpg"));
    });
    QImage const shot = client(table)->grab().toImage();
    QColor const surface = shot.pixelColor(150, 5);
    EXPECT_EQ(shot.pixelColor(1, 1), QColor(Qt::red));
    EXPECT_EQ(shot.pixelColor(10, 10), surface) << "unscaled, and transparent beyond the picture";
    QPoint const stretched = front_end.widget_of(table.Places(0))->pos();
    EXPECT_EQ(shot.pixelColor(stretched), QColor(Qt::black)) << "a single-line frame";
    EXPECT_EQ(shot.pixelColor(stretched + QPoint(60, 80)), QColor(Qt::red)) << "stretched over the whole place";
    QPoint const missing = front_end.widget_of(table.Places(1))->pos();
    EXPECT_EQ(shot.pixelColor(missing + QPoint(30, 30)), surface) << "a missing picture shows nothing";
}

TEST(PictureCache, PicksThe32PixelImageOfAnIconFile)
{
    // An icon file with a 16, a 32 and a 48 pixel image, each a PNG.
    QByteArray images[3];
    int const sizes[3] = { 16, 32, 48 };
    for (int i = 0; i < 3; ++i) {
        QImage image(sizes[i], sizes[i], QImage::Format_ARGB32);
        image.fill(i == 1 ? Qt::green : Qt::blue);
        QBuffer buffer(&images[i]);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
    }
    QByteArray ico;
    auto put16 = [&](int v) { ico.append(char(v & 0xff)).append(char((v >> 8) & 0xff)); };
    auto put32 = [&](int v) { put16(v & 0xffff), put16((v >> 16) & 0xffff); };
    put16(0), put16(1), put16(3);
    int offset = 6 + 3 * 16;
    for (int i = 0; i < 3; ++i) {
        ico.append(char(sizes[i])).append(char(sizes[i])).append(char(0)).append(char(0));
        put16(1), put16(32), put32(int(images[i].size())), put32(offset);
        offset += int(images[i].size());
    }
    for (auto const& image : images)
        ico.append(image);
    QTemporaryDir dir;
    QFile file(dir.path() + "/app.ico");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(ico);
    file.close();

    rt::qt::PictureCache cache;
    QPixmap const& icon = cache.get(file.fileName().toStdString());
    EXPECT_EQ(icon.size(), QSize(32, 32));
    EXPECT_EQ(icon.toImage().pixelColor(5, 5), QColor(Qt::green));
    EXPECT_EQ(icon.cacheKey(), cache.get(file.fileName().toStdString()).cacheKey()) << "loaded once";
}
