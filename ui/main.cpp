// SPDX-License-Identifier: MIT
// Hexbrawl: the window.
#include <QApplication>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

#include "ui/display.h"
#include "ui/fonts.h"
#include "ui/mainwindow.h"
#include "ui/widgets/factory.h"

namespace {

QtMessageHandler qtmessages = nullptr;

// Without a sound server the audio back end says so on stderr; the game plays
// nothing then, and says nothing about it either.
void quietaudio(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(QLatin1String("PulseAudioService:")))
        return;
    qtmessages(type, context, message);
}

}  // namespace

int main(int argc, char** argv)
{
    std::string program = argc > 0 ? argv[0] : "hexbrawl";
    if (auto missing =
            hexbrawl::ui::missingdisplay([](const char* name) -> const char* { return std::getenv(name); }, program)) {
        std::fprintf(stderr, "%s\n", missing->c_str());
        return 1;
    }
    const char* temporary = std::getenv("TMPDIR");
    hexbrawl::ui::provideruntimedir(std::string(temporary && *temporary ? temporary : "/tmp") + "/hexbrawl-runtime-" +
                                    std::to_string(::geteuid()));
    // Whole device pixels per arena pixel, so that the pixel art stays crisp.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::RoundPreferFloor);
    qtmessages = qInstallMessageHandler(quietaudio);
    QApplication app(argc, argv);
    QApplication::setApplicationName("Hexbrawl");
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName("org.hexbrawl.Hexbrawl");
    // The same look on every desktop: the game draws its own colours on Qt's plain
    // style rather than on whatever theme the session has.
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setPalette(hexbrawl::ui::stonepalette());
    QApplication::setFont(hexbrawl::ui::gamefont(hexbrawl::ui::Face::arial, 12));
    try {
        hexbrawl::ui::MainWindow window;
        window.show();
        window.activateWindow();
        return QApplication::exec();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s: %s\n", program.c_str(), error.what());
        return 1;
    }
}
