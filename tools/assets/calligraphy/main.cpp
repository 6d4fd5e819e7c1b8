// calligraphy: writes the Arabic words on the alert windows' picture backgrounds.
//   calligraphy --backgrounds DIR --output DIR [--fonts DIR]
// The words are set in Amiri by Khaled Hosny (SIL Open Font License 1.1). Runs without a display:
// the offscreen platform is chosen unless another is set.
#include <QCommandLineParser>
#include <QGuiApplication>
#include <cstdlib>
#include <iostream>

#include "tools/assets/calligraphy/calligraphy.h"

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Writes the words on the alert windows' picture backgrounds."));
    parser.addHelpOption();
    const QCommandLineOption backgrounds(QStringLiteral("backgrounds"),
                                         QStringLiteral("The folder of the backgrounds."),
                                         QStringLiteral("dir"));
    const QCommandLineOption output(QStringLiteral("output"),
                                    QStringLiteral("The folder the pictures are written to."),
                                    QStringLiteral("dir"));
    const QCommandLineOption fonts(QStringLiteral("fonts"),
                                   QStringLiteral("The folder of Amiri-Regular.ttf and "
                                                  "Amiri-Bold.ttf."),
                                   QStringLiteral("dir"),
                                   QString::fromLatin1(salvenor::assets::DefaultAmiriDir));
    parser.addOptions({backgrounds, output, fonts});
    parser.process(app);
    if (!parser.isSet(backgrounds) || !parser.isSet(output)) {
        std::cerr << "calligraphy: --backgrounds and --output are needed\n";
        return 2;
    }
    QString error;
    if (!salvenor::assets::RenderAll(parser.value(fonts), parser.value(backgrounds),
                                     parser.value(output), error)) {
        std::cerr << "calligraphy: " << error.toStdString() << "\n";
        return 1;
    }
    return 0;
}
