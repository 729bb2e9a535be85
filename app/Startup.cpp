// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT
#include "app/Startup.h"

#include "app/FontSetupInBackground.h"
#include "window/Form1.h"

#include <QApplication>
#include <QSocketNotifier>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <sys/socket.h>
#include <unistd.h>
#include <xcb/xcb.h>

namespace aeris {

QString taskBarTitleFor(const QString& programPath) {
    QString name = programPath.mid(programPath.lastIndexOf(QLatin1Char('/')) + 1);
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    if (dot >= 0)
        name.truncate(dot);
    if (name.size() > 1)
        name = name.left(1) + name.mid(1).toLower();
    return name;
}

namespace {

// Checks that the X display can be reached. On success the probe's connection is handed to
// the caller when it asks for it: closing the only client of an X server makes the server reset
// itself, and a connection opened just after that waits for the reset (tens of milliseconds).
std::optional<std::string> probeDisplay(xcb_connection_t** keepOpen) {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && !platform.startsWith("xcb"))
        return std::nullopt;
    const char* display = std::getenv("DISPLAY");
    if (display == nullptr || *display == '\0')
        return std::string(
            "no X display is set (DISPLAY is unset or empty); start the program inside an X session");
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection) != 0) {
        xcb_disconnect(connection);
        return "cannot open the X display \"" + std::string(display) + "\"";
    }
    if (keepOpen != nullptr)
        *keepOpen = connection;
    else
        xcb_disconnect(connection);
    return std::nullopt;
}

} // namespace

std::optional<std::string> displayProblem() {
    return probeDisplay(nullptr);
}

namespace {

// SIGINT and SIGTERM end the event loop like closing the window does: the handler only writes
// a byte, and the loop reads it and quits.
int g_signalPipe[2] = {-1, -1};

void onTerminationSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_signalPipe[0], &byte, 1);
}

void quitOnTerminationSignals(QApplication& app) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_signalPipe) != 0)
        return;
    auto* notifier = new QSocketNotifier(g_signalPipe[1], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, [&app] {
        char byte = 0;
        [[maybe_unused]] const ssize_t got = ::read(g_signalPipe[1], &byte, 1);
        app.quit();
    });
    struct sigaction action = {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

} // namespace

int runProgram(int argc, char** argv) {
    xcb_connection_t* probe = nullptr;
    if (const auto problem = probeDisplay(&probe)) {
        std::fprintf(stderr, "aeris400: %s.\n", problem->c_str());
        return 1;
    }
    // Only once there is a display to show text on; it runs while the application connects.
    FontSetupInBackground fontSetup;
    QApplication app(argc, argv);
    // The application holds its own connection now, so closing the probe's resets nothing.
    if (probe != nullptr)
        xcb_disconnect(probe);
    QGuiApplication::setDesktopFileName(QStringLiteral(AERIS_DESKTOP_ID));
    quitOnTerminationSignals(app);
    const QString title = taskBarTitleFor(QString::fromLocal8Bit(argc > 0 ? argv[0] : "aeris400"));

    fontSetup.wait();
    TForm1 form(title);
    form.showAtStoredPlace();
    return app.exec();
}

} // namespace aeris
