#include <QApplication>
#include <QIcon>
#include <QSettings>
#include <QTimer>

#include <cstdio>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/main_window.h"
#include "io/atomic_write.h"
#include "state/app_state.h"

namespace {

// The icon drawn at build time, at every size it was drawn.
QIcon ViewerIcon() {
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/icons/%1x%1/gyrosolid.png").arg(size), QSize(size, size));
    }
    return icon;
}

}  // namespace

int main(int argc, char* argv[]) {
    // Before QApplication: --help and --version need no display.
    const gyro::ViewerCommandLine line = gyro::ParseViewerCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    switch (line.action) {
        case gyro::ViewerCommandLine::Action::Help:
            std::fputs(gyro::ViewerUsage().c_str(), stdout);
            return 0;
        case gyro::ViewerCommandLine::Action::Version:
            std::fputs(gyro::ViewerVersion().c_str(), stdout);
            return 0;
        case gyro::ViewerCommandLine::Action::Error:
            std::fprintf(stderr, "gyrosolid: %s\n%s", line.error.c_str(), gyro::ViewerUsage().c_str());
            return 2;
        case gyro::ViewerCommandLine::Action::Run:
            break;
    }
    // A save beyond the file-size limit then fails and cleans up instead of
    // ending the viewer.
    gyro::IgnoreFileSizeLimitSignal();

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Gyrosolid"));
    QApplication::setApplicationVersion(QStringLiteral(GYRO_VERSION));
    // The desktop entry's name, so that a Wayland compositor finds its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("gyrosolid"));
    QApplication::setWindowIcon(ViewerIcon());

    // The language: --lang for this run, else the one chosen in the menu last
    // time (a Qt preference of its own; settings files do not hold it).
    QSettings preferences(QStringLiteral("Gyrosolid"), QStringLiteral("gyrosolid"));
    const std::string remembered = preferences.value(QStringLiteral("language")).toString().toStdString();

    gyro::AppState state;
    gyro::InitAppState(state);
    gyro::ShellState shell;
    shell.language = gyro::StartLanguage(line.language, remembered);
    gyro::MainWindow window(state, shell);
    window.setLanguageSaver([&preferences](gyro::UiLanguage language) {
        preferences.setValue(QStringLiteral("language"), QString::fromLatin1(gyro::LanguageCode(language)));
    });
    window.show();
    window.startLoop();

    if (!line.grabFile.empty()) {
        // A debugging aid: save the window after a second of running and quit.
        const QString file = QString::fromStdString(line.grabFile);
        QTimer::singleShot(1000, &window, [&window, file] {
            window.grab().save(file);
            window.close();
        });
    }
    return app.exec();
}
