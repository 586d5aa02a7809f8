// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A window for the first-paint probe to watch. It says when it and its control are painted,
// which the probe must let happen, and once painted it asks for more work, as a program does
// that loads after its first frame what that frame does not show: the probe must have
// reported and ended the process before that work starts.

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {
void say(const char* what)
{
    std::printf("%s\n", what);
    std::fflush(stdout);
}

class Control : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override { say("control painted"); }
};

class Window : public QWidget
{
protected:
    void paintEvent(QPaintEvent*) override
    {
        say("window painted");
        QTimer::singleShot(0, [] { say("work after the first frame"); });
    }
};
} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    Window window;
    window.resize(200, 100);
    (new Control(&window))->setGeometry(10, 10, 50, 20);
    window.show();
    return QApplication::exec();
}
