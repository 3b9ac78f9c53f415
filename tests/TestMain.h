#pragma once

#include <QObject>
#include <functional>
#include <memory>

// One test program holds every test class of a folder under tests/. Each
// class registers itself with one of the macros below where Qt's QTEST_MAIN,
// QTEST_GUILESS_MAIN or QTEST_APPLESS_MAIN would stand, and the program's
// main (TestMain.cpp) runs the test named by its first argument (the name
// of the class's file, tst_Something, as CTest gives it, one test a process),
// or else every test.
namespace TestMain {

// The application a class runs under, as with Qt's three macros.
enum class Application { None, Core, Full };

struct Registration {
    // `file` is the class's source file, whose name names the test.
    Registration(const char* file, Application application,
                 std::function<std::unique_ptr<QObject>()> make);
};

} // namespace TestMain

#define GM_TEST_CLASS(TestClass, application)                                                      \
    namespace {                                                                                    \
    const TestMain::Registration gmTestRegistration##TestClass(__FILE__, application, [] {         \
        return std::unique_ptr<QObject>(new TestClass);                                            \
    });                                                                                            \
    }

// QApplication, QGuiApplication or QCoreApplication, whichever the program links.
#define GM_TEST_MAIN(TestClass) GM_TEST_CLASS(TestClass, TestMain::Application::Full)
#define GM_TEST_GUILESS_MAIN(TestClass) GM_TEST_CLASS(TestClass, TestMain::Application::Core)
#define GM_TEST_APPLESS_MAIN(TestClass) GM_TEST_CLASS(TestClass, TestMain::Application::None)
