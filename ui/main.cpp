// SPDX-License-Identifier: MIT
// Hexbrawl: the window. `--record FILE` writes the session as a runner script,
// `--replay FILE` plays one in the window.
#include <QApplication>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tools/script/scriptline.h"
#include "ui/display.h"
#include "ui/fonts.h"
#include "ui/mainwindow.h"
#include "ui/recorder.h"
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

struct Options {
    std::optional<std::string> record, replay;
    std::string wrong;  // what is wrong with the command line, if anything
};

// Takes --record FILE and --replay FILE out of the arguments; the rest are Qt's.
Options takeoptions(int& argc, char** argv)
{
    Options options;
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg != "--record" && arg != "--replay") {
            argv[kept++] = argv[i];
            continue;
        }
        std::optional<std::string>& file = arg == "--record" ? options.record : options.replay;
        if (i + 1 == argc)
            options.wrong = arg + " needs a FILE";
        else if (file)
            options.wrong = arg + " may be given once";
        else
            file = argv[++i];
    }
    argc = kept;
    argv[argc] = nullptr;
    if (options.record && options.replay)
        options.wrong = "--record and --replay do not go together";
    return options;
}

}  // namespace

int main(int argc, char** argv)
{
    std::string program = argc > 0 ? argv[0] : "hexbrawl";
    const Options options = takeoptions(argc, argv);
    if (!options.wrong.empty()) {
        std::fprintf(stderr, "%s: %s\nusage: %s [--record FILE | --replay FILE]\n", program.c_str(),
                     options.wrong.c_str(), program.c_str());
        return 2;
    }
    // A file that cannot serve is refused before any window opens.
    std::unique_ptr<hexbrawl::ui::Replay> replay;
    if (options.replay) {
        try {
            replay = std::make_unique<hexbrawl::ui::Replay>(*options.replay);
        } catch (const hexbrawl::BadScript& bad) {
            std::fprintf(stderr, "%s\n", bad.what());
            return 2;
        } catch (const std::exception& error) {
            std::fprintf(stderr, "%s: %s\n", program.c_str(), error.what());
            return 2;
        }
    }
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
    std::unique_ptr<hexbrawl::ui::Recorder> recorder;
    if (options.record) {
        try {
            recorder = std::make_unique<hexbrawl::ui::Recorder>(*options.record);
        } catch (const std::exception& error) {
            std::fprintf(stderr, "%s: %s\n", program.c_str(), error.what());
            return 2;
        }
    }
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
        hexbrawl::ui::MainWindow::Setup setup = replay ? replay->setup() : hexbrawl::ui::MainWindow::Setup{};
        setup.recorder = recorder.get();
        hexbrawl::ui::MainWindow window(std::move(setup));
        if (replay)
            replay->attach(window);
        window.show();
        window.activateWindow();
        if (replay)
            replay->play();
        const int status = QApplication::exec();
        replay.reset();  // its timer and filter go before the application does
        return status;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s: %s\n", program.c_str(), error.what());
        return 1;
    }
}
