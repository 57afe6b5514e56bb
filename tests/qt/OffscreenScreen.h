// Runs a desktop test on an offscreen screen of a given size, optionally
// scaled, as the windows would meet a small or a high-density display.
#pragma once

#include <QApplication>
#include <QDir>
#include <QTemporaryFile>
#include <QtTest>

template <class Test>
int RunOnScreen(int argc, char** argv, int width, int height, const char* scale = nullptr) {
    QTemporaryFile screen(QDir::tempPath() + "/orrimar-screen-XXXXXX.json");
    if (!screen.open()) return 1;
    screen.write(QString(R"({"screens": [{"name": "Test", "x": 0, "y": 0, "width": %1,
                     "height": %2, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})")
                     .arg(width)
                     .arg(height)
                     .toUtf8());
    screen.flush();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screen.fileName().toLocal8Bit());
    if (scale) qputenv("QT_SCALE_FACTOR", scale);
    QApplication app(argc, argv);
    Test test;
    return QTest::qExec(&test, argc, argv);
}
