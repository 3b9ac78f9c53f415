// The main of every grouped test program (see TestMain.h).

#include "TestMain.h"

#include <QTest>
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

// The full application is the one QTEST_MAIN would start in this program.
#if defined(QT_WIDGETS_LIB)
#include <QApplication>
using FullApplication = QApplication;
#elif defined(QT_GUI_LIB)
#include <QGuiApplication>
using FullApplication = QGuiApplication;
#else
#include <QCoreApplication>
using FullApplication = QCoreApplication;
#endif

namespace {

struct TestClass {
    std::string name;
    TestMain::Application application;
    std::function<std::unique_ptr<QObject>()> make;
};

std::vector<TestClass>& registry() {
    static std::vector<TestClass> classes;
    return classes;
}

std::unique_ptr<QCoreApplication> startApplication(TestMain::Application application, int& argc,
                                                   char** argv) {
    std::unique_ptr<QCoreApplication> app;
    if (application == TestMain::Application::Full)
        app = std::make_unique<FullApplication>(argc, argv);
    else if (application == TestMain::Application::Core)
        app = std::make_unique<QCoreApplication>(argc, argv);
    if (app)
        app->setAttribute(Qt::AA_Use96Dpi, true);
    return app;
}

} // namespace

TestMain::Registration::Registration(const char* file, Application application,
                                     std::function<std::unique_ptr<QObject>()> make) {
    std::string name = file;
    name = name.substr(name.find_last_of("/\\") + 1);
    name = name.substr(0, name.rfind('.'));
    registry().push_back({name, application, std::move(make)});
}

int main(int argc, char** argv) {
    // The class named first, or every class; the other arguments go to
    // QTest as they would to a program of one class.
    std::vector<const TestClass*> chosen;
    int first = 1;
    for (const TestClass& testClass : registry())
        if (argc > 1 && testClass.name == argv[1])
            chosen.push_back(&testClass);
    if (!chosen.empty()) {
        first = 2;
    } else if (argc > 1 && argv[1][0] != '-') {
        std::fprintf(stderr, "%s: no test called %s; tests:\n", argv[0], argv[1]);
        for (const TestClass& testClass : registry())
            std::fprintf(stderr, "  %s\n", testClass.name.c_str());
        return 2;
    } else {
        for (const TestClass& testClass : registry())
            chosen.push_back(&testClass);
    }
    std::vector<char*> args{argv[0]};
    args.insert(args.end(), argv + first, argv + argc);
    args.push_back(nullptr);
    int count = int(args.size()) - 1;

    TestMain::Application needed = TestMain::Application::None;
    for (const TestClass* testClass : chosen)
        needed = std::max(needed, testClass->application);
    const std::unique_ptr<QCoreApplication> app = startApplication(needed, count, args.data());
    int failed = 0;
    for (const TestClass* testClass : chosen) {
        const std::unique_ptr<QObject> object = testClass->make();
        failed += QTest::qExec(object.get(), count, args.data()) != 0;
    }
    return std::min(failed, 127);
}
