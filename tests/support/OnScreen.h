#pragma once

#include "TestFolder.h"
#include "runtime/qt/QtFrontEnd.h"

#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

// The program on the real Qt front end, started with the window Startup, in a
// folder of its own; the startup window is shown and active when a test begins.
template<class Startup>
struct OnScreen : testing::Test {
    void SetUp() override
    {
        front_end.runtime().set_app_path(folder.string());
        front_end.runtime().template start<Startup>();
        QWidget* window = front_end.window_of(*front_end.runtime().template loaded_form<Startup>());
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    }

    template<class T>
    T& form()
    {
        return *front_end.runtime().template loaded_form<T>();
    }

    static inline int argc = 1;
    static inline char name[] = "zelivornata_test";
    static inline char* argv[] = { name, nullptr };
    TestFolder folder;
    rt::QtFrontEnd front_end { argc, argv };
};
