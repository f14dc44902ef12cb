#pragma once
// main() for a test executable: a throw-away home and XDG folders, the
// offscreen platform unless another is asked for, then Qt Test.
#include <QApplication>
#include <QTest>
#include "app/Dansk.h"

namespace kvtest {
void prepareEnvironment();
}

#define KV_TEST_MAIN(TestClass)                      \
    int main(int argc, char** argv)                  \
    {                                                \
        kvtest::prepareEnvironment();                \
        QApplication app(argc, argv);                \
        kv::brugDansk();                             \
        TestClass test;                              \
        return QTest::qExec(&test, argc, argv);      \
    }
