#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

#include "app/main_window.h"
#include "app/translations.h"
#include "state/app_state.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Gyrosolid"));
    gyro::InstallQtTranslations(app);

    // A debugging aid only: --grab FILE saves the window after a second of
    // running and quits.
    QCommandLineParser parser;
    QCommandLineOption grab(QStringLiteral("grab"), QStringLiteral("Save the window to FILE after a second and quit."),
                            QStringLiteral("FILE"));
    parser.addOption(grab);
    parser.process(app);

    gyro::AppState state;
    gyro::InitAppState(state);
    gyro::ShellState shell;
    gyro::MainWindow window(state, shell);
    window.show();
    window.startLoop();

    if (parser.isSet(grab)) {
        const QString file = parser.value(grab);
        QTimer::singleShot(1000, &window, [&window, file] {
            window.grab().save(file);
            window.close();
        });
    }
    return app.exec();
}
