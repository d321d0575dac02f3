#include "MainWindowFixture.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <optional>
#include <random>
#include <sys/fsuid.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string bytes(std::initializer_list<int> values)
{
    std::string result;
    for (int v : values)
        result += static_cast<char>(v);
    return result;
}

// What a file is now ("" when there is none): a settings file gone astray
// would create it or write to it.
std::string state_of(std::filesystem::path const& path)
{
    struct stat st { };
    if (::stat(path.c_str(), &st) != 0)
        return {};
    return std::to_string(st.st_ino) + " " + std::to_string(st.st_size) + " " + std::to_string(st.st_mtim.tv_sec) + "."
        + std::to_string(st.st_mtim.tv_nsec);
}

std::vector<std::string> entries(std::filesystem::path const& folder)
{
    std::vector<std::string> names;
    for (auto const& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().native());
    std::sort(names.begin(), names.end());
    return names;
}

// Root passes every permission check; a test of a file or folder that may not
// be written takes an ordinary user's file-system identity for its duration.
class AsOrdinaryUser {
public:
    AsOrdinaryUser()
    {
        if (::geteuid() == 0)
            ::setfsuid(65534);
    }
    ~AsOrdinaryUser()
    {
        if (::geteuid() == 0)
            ::setfsuid(0);
    }
};

}

TEST_F(MainWindowTest, FirstStartCreatesTheFileWithBothDefaults)
{
    start(0);
    EXPECT_EQ(read_settings(), bytes({ 0, 1 }));
    EXPECT_EQ(mdl().ScinIndex, 0);
    EXPECT_EQ(main().Рубашка(0).picture(), main().Picture4(0).picture());

    std::filesystem::remove(settings);
    start(1);
    EXPECT_EQ(read_settings(), bytes({ 0, 1 }));
    EXPECT_EQ(mdl().ScinIndex, 1);
    EXPECT_EQ(main().Image3.picture(), main().Picture4(1).picture());
}

TEST_F(MainWindowTest, EachSexReadsItsOwnRecordOfATwoByteFile)
{
    write_settings(bytes({ 5, 3 }));
    start(0);
    EXPECT_EQ(mdl().ScinIndex, 5);
    start(1);
    EXPECT_EQ(mdl().ScinIndex, 3);
    EXPECT_EQ(read_settings(), bytes({ 5, 3 })) << "loading writes nothing back";
}

TEST_F(MainWindowTest, StoredValueAboveSevenGivesTheDefaultUntilClosed)
{
    write_settings(bytes({ 6, 200 }));
    start(1);
    EXPECT_EQ(mdl().ScinIndex, 1);
    EXPECT_EQ(read_settings(), bytes({ 6, 200 }));
    h->close(main());
    EXPECT_TRUE(h->runtime().ended());
    EXPECT_EQ(read_settings(), bytes({ 6, 1 }));

    start(0);
    EXPECT_EQ(mdl().ScinIndex, 6) << "the man's record was kept";
}

TEST_F(MainWindowTest, OneByteFileGivesDesignZeroAndGrowsOnlyForAWoman)
{
    write_settings(bytes({ 4 }));
    start(0);
    EXPECT_EQ(mdl().ScinIndex, 0);
    h->close(main());
    EXPECT_EQ(read_settings(), bytes({ 0 }));

    write_settings(bytes({ 4 }));
    start(1);
    EXPECT_EQ(mdl().ScinIndex, 0);
    h->press(main(), rt::Key::F8);
    h->close(main());
    EXPECT_EQ(read_settings(), bytes({ 4, 1 }));
}

TEST_F(MainWindowTest, LongerFileGivesDefaultsAndKeepsItsLength)
{
    for (int length : { 3, 100 }) {
        write_settings(std::string(static_cast<std::size_t>(length), '\5'));
        start(1);
        EXPECT_EQ(mdl().ScinIndex, 1) << length;
        h->press(main(), rt::Key::F8);
        h->close(main());
        std::string expected(static_cast<std::size_t>(length), '\5');
        expected[1] = 2;
        EXPECT_EQ(read_settings(), expected) << length;
    }
}

TEST_F(MainWindowTest, EightDesignsCycleOnEveryBackButNotThePlaces)
{
    write_settings(bytes({ 6, 1 }));
    start(0);
    auto& w = main();
    run([&] { w.Расклад(2).set_picture(w.Рубашка(0).picture()); });
    auto const landed = w.Расклад(2).picture();
    std::vector<int> seen;
    for (int press = 0; press < 8; ++press) {
        h->press(w, rt::Key::F8);
        seen.push_back(mdl().ScinIndex);
        for (int i = 0; i <= 35; ++i)
            EXPECT_EQ(w.Рубашка(i).picture(), w.Picture4(mdl().ScinIndex).picture());
        EXPECT_EQ(w.Image3.picture(), w.Picture4(mdl().ScinIndex).picture());
    }
    EXPECT_EQ(seen, (std::vector<int> { 7, 0, 1, 2, 3, 4, 5, 6 }));
    EXPECT_EQ(w.Расклад(2).picture(), landed) << "a place keeps the back it took";
    EXPECT_EQ(read_settings(), bytes({ 6, 1 })) << "F8 writes nothing";
}

TEST_F(MainWindowTest, ExitEndsAtOnceWithoutWriting)
{
    write_settings(bytes({ 2, 3 }));
    start(0);
    h->press(main(), rt::Key::F8);
    h->choose(main().Exit);
    EXPECT_TRUE(h->runtime().ended());
    EXPECT_FALSE(h->runtime().files().is_open(1));
    EXPECT_EQ(read_settings(), bytes({ 2, 3 }));
}

TEST_F(MainWindowTest, CloseBoxStoresTheDesignForThisSexOnly)
{
    write_settings(bytes({ 2, 3 }));
    start(0);
    h->press(main(), rt::Key::F8);
    run([&] { main().Label1.set_picture(main().Message1(0).picture()); });
    h->close(main());
    EXPECT_TRUE(h->runtime().ended());
    EXPECT_EQ(read_settings(), bytes({ 3, 3 }));
    EXPECT_EQ(main().Label1.picture(), main().Image2.picture()) << "the strip went back to its default banner";
    EXPECT_FALSE(h->runtime().files().is_open(1));
    h->advance(1000);
    EXPECT_TRUE(h->message_boxes().empty());
}

TEST_F(MainWindowTest, SettingsFileThatCannotBeOpenedEndsTheProgramBeforeTheWindowShows)
{
    auto expect_start_up_error = [&](char const* why) {
        ASSERT_EQ(h->message_boxes().size(), 1u) << why;
        EXPECT_EQ(h->message_boxes()[0].text, "Ошибка при запуске программы!");
        EXPECT_EQ(h->message_boxes()[0].flags, 16);
        EXPECT_EQ(h->message_boxes()[0].title, "Зеливорната");
        EXPECT_TRUE(h->runtime().ended()) << why;
        EXPECT_FALSE(main().visible()) << why;
        EXPECT_EQ(main().Command1.caption(), "Тянуть") << "the rest of the load did not run";
    };

    start(0, (folder / "no such folder").string());
    expect_start_up_error("missing folder");

    // A program whose folder could not be found has no file beside it: none
    // is opened at the root of the file system nor in the working folder.
    std::string const at_root = state_of("/mirvane.ini");
    TestFolder working;
    std::filesystem::path const was = std::filesystem::current_path();
    std::filesystem::current_path(working.path());
    start(0, "");
    std::filesystem::current_path(was);
    expect_start_up_error("folder not found");
    EXPECT_EQ(state_of("/mirvane.ini"), at_root);
    EXPECT_TRUE(std::filesystem::is_empty(working.path()));
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));

    std::filesystem::create_directory(settings);
    start(0);
    expect_start_up_error("mirvane.ini is a folder");
    std::filesystem::remove(settings);

    std::filesystem::permissions(folder.path(), std::filesystem::perms(0555));
    {
        AsOrdinaryUser user;
        start(0);
    }
    expect_start_up_error("the folder may not be written");
    EXPECT_FALSE(std::filesystem::exists(settings));
}

// The folder's name is bytes, not text: whatever the name, the file is created
// beside the program and read back from there, and nothing is written anywhere
// else.
TEST_F(MainWindowTest, FileStaysBesideTheProgramWhateverItsFolderIsCalled)
{
    // Just short of the longest path the system takes in one piece (4095
    // bytes with the file's name).
    std::filesystem::path deep = folder / "deep";
    while (deep.native().size() + 201 + std::strlen("/mirvane.ini") < 4000)
        deep /= std::string(200, 'd');
    struct Case {
        char const* what;
        std::filesystem::path path;
    };
    std::vector<Case> const cases {
        { "a byte that is no UTF-8",
            folder
                / ("bad\xff"
                   "name") },
        { "a Latin-1 letter",
            folder
                / ("lat\xe9"
                   "in1") },
        { "Cyrillic letters", folder / "Зеливорната" },
        { "spaces", folder / " two  spaces " },
        { "thousands of characters", deep },
    };
    std::string const at_root = state_of("/mirvane.ini");
    for (Case const& c : cases) {
        std::filesystem::create_directories(c.path);
        start(0, c.path.native());
        EXPECT_TRUE(h->message_boxes().empty()) << c.what;
        h->press(main(), rt::Key::F8);
        h->close(main());
        std::ifstream written(c.path / "mirvane.ini", std::ios::binary);
        EXPECT_EQ(std::string((std::istreambuf_iterator<char>(written)), {}), bytes({ 1, 1 })) << c.what;

        start(0, c.path.native());
        EXPECT_EQ(mdl().ScinIndex, 1) << c.what << ": read back from beside the program";
        h.reset();
        EXPECT_EQ(entries(c.path), std::vector<std::string> { "mirvane.ini" }) << c.what;
    }
    EXPECT_EQ(entries(folder.path()),
        (std::vector<std::string> { " two  spaces ",
            "bad\xff"
            "name",
            "deep",
            "lat\xe9"
            "in1",
            "Зеливорната" }))
        << "nothing beside the folders";
    EXPECT_EQ(entries(deep.parent_path()), std::vector<std::string> { deep.filename().native() });
    EXPECT_EQ(state_of("/mirvane.ini"), at_root);
}

// A settings file that is no regular file opens without waiting (a FIFO has no
// writer, a device never ends) and gives the start-up error, for root and for
// an ordinary user alike, with nothing written anywhere.
TEST_F(MainWindowTest, SettingsFileThatIsNoRegularFileGivesTheStartUpErrorWithoutWaiting)
{
    struct Case {
        char const* what;
        std::function<void()> make;
    };
    auto fifo = [&](mode_t mode) {
        return [this, mode] {
            ASSERT_EQ(::mkfifo(settings.c_str(), 0600), 0);
            ::chmod(settings.c_str(), mode);
        };
    };
    std::vector<Case> const cases {
        { "a FIFO that may be read and written", fifo(0666) },
        { "a FIFO that may only be read", fifo(0444) },
        { "a FIFO that may only be written", fifo(0222) },
        { "a link to /dev/null", [this] { std::filesystem::create_symlink("/dev/null", settings); } },
        { "a folder", [this] { std::filesystem::create_directory(settings); } },
    };
    for (bool as_root : { true, false }) {
        for (Case const& c : cases) {
            std::string const why = std::string(c.what) + (as_root ? ", as root" : ", as an ordinary user");
            c.make();
            ::alarm(20); // should opening ever wait again, the test dies instead of hanging
            {
                std::optional<AsOrdinaryUser> user;
                if (!as_root)
                    user.emplace();
                start(0);
            }
            ::alarm(0);
            ASSERT_EQ(h->message_boxes().size(), 1u) << why;
            EXPECT_EQ(h->message_boxes()[0].text, "Ошибка при запуске программы!") << why;
            EXPECT_EQ(h->message_boxes()[0].title, "Зеливорната") << why;
            EXPECT_TRUE(h->runtime().ended()) << why;
            EXPECT_FALSE(main().visible()) << why;
            h.reset();
            EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1)
                << why << ": nothing else written";
            std::filesystem::remove(settings);
        }
    }
}

TEST_F(MainWindowTest, ReadOnlyFileIsReadAndAFailedWriteAtCloseIsReported)
{
    write_settings(bytes({ 4, 6 }));
    std::filesystem::permissions(settings, std::filesystem::perms(0444));
    AsOrdinaryUser user;
    start(1);
    EXPECT_TRUE(h->message_boxes().empty()) << "reading it is no error";
    EXPECT_EQ(mdl().ScinIndex, 6);
    h->press(main(), rt::Key::F8);
    h->close(main());
    EXPECT_TRUE(h->runtime().ended());
    ASSERT_EQ(h->message_boxes().size(), 1u) << "the lost choice is not passed over in silence";
    EXPECT_EQ(h->message_boxes()[0].text.rfind("Run-time error '75'", 0), 0u) << h->message_boxes()[0].text;
    EXPECT_EQ(h->message_boxes()[0].flags, 16);
    EXPECT_EQ(h->message_boxes()[0].title, "Зеливорната");
    EXPECT_FALSE(h->runtime().files().is_open(1));
    EXPECT_EQ(read_settings(), bytes({ 4, 6 }));
}

TEST_F(MainWindowTest, FileRemovedWhileRunningDoesNotHurt)
{
    start(0);
    std::filesystem::remove(settings);
    h->press(main(), rt::Key::F8);
    h->close(main());
    EXPECT_TRUE(h->runtime().ended());
    EXPECT_TRUE(h->message_boxes().empty());
}

TEST_F(MainWindowTest, EveryByteValueOfEitherRecordGivesAValidDesign)
{
    for (int value = 0; value <= 255; ++value) {
        for (int sex : { 0, 1 }) {
            std::string contents = bytes({ 7, 7 });
            contents[static_cast<std::size_t>(sex)] = static_cast<char>(value);
            write_settings(contents);
            start(sex);
            EXPECT_EQ(mdl().ScinIndex, value <= 7 ? value : sex) << value << " " << sex;
        }
    }
}

TEST_F(MainWindowTest, ArbitraryFilesNeverShowABadDesignNorTouchTheOtherRecord)
{
    std::mt19937 random(20261209);
    for (int round = 0; round < 300; ++round) {
        std::size_t const length = std::uniform_int_distribution<std::size_t>(0, 5)(random);
        std::string contents;
        for (std::size_t i = 0; i < length; ++i)
            contents += static_cast<char>(std::uniform_int_distribution<int>(0, 255)(random));
        write_settings(contents);
        int const sex = std::uniform_int_distribution<int>(0, 1)(random);
        start(sex);
        int const presses = std::uniform_int_distribution<int>(0, 20)(random);
        for (int i = 0; i < presses; ++i)
            h->press(main(), rt::Key::F8);
        ASSERT_LE(mdl().ScinIndex, 7);
        EXPECT_EQ(main().Рубашка(17).picture(), main().Picture4(mdl().ScinIndex).picture());
        bool const close_box = std::uniform_int_distribution<int>(0, 1)(random) == 1;
        if (close_box)
            h->close(main());
        else
            h->choose(main().Exit);
        ASSERT_TRUE(h->runtime().ended());

        std::string const after = read_settings();
        std::string expected = length == 0 ? bytes({ 0, 1 }) : contents;
        if (close_box) {
            if (expected.size() < static_cast<std::size_t>(sex) + 1)
                expected.resize(static_cast<std::size_t>(sex) + 1, '\0');
            expected[static_cast<std::size_t>(sex)] = static_cast<char>(mdl().ScinIndex);
        }
        ASSERT_EQ(after, expected) << "round " << round << ", length " << length << ", sex " << sex;
    }
}
