#include "CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

void print(std::FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

// The options QGuiApplication and QApplication take themselves and strip before the program
// sees its arguments; accepted here so they keep working.
void acceptQtOptions(QCommandLineParser &parser)
{
    const auto add = [&parser](const QString &name, const QString &valueName) {
        QCommandLineOption option(name, QString(), valueName);
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    };
    for (const auto *name : { "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
             "qwindowicon", "qwindowtitle", "session", "display", "name", "visual", "geometry", "style",
             "stylesheet", "qmljsdebugger" })
        add(QString::fromLatin1(name), u"waarde"_s);
    for (const auto *name : { "reverse", "widgetcount", "nograb", "dograb", "sync" })
        add(QString::fromLatin1(name), QString());
}

int refuse(const QString &reason)
{
    print(stderr, u"wendarix: %1\nGebruik: wendarix [--menu] [--help] [--version]\n"_s.arg(reason));
    return 2;
}

} // namespace

CommandLineVerdict readCommandLine(int argc, char *argv[])
{
    // No option, or the menu's own: nothing to answer, and the start stays as quick as it was.
    if (argc < 2 || (argc == 2 && qstrcmp(argv[1], "--menu") == 0))
        return {};

    // A core application needs no display; it gives the parser the program's name and version
    // and Qt's Dutch texts ("Gebruik:", "Opties:"), and is gone before the real one starts.
    int count = argc;
    QCoreApplication core(count, argv);
    QCoreApplication::setApplicationName(u"WENDARIX"_s);
    QCoreApplication::setApplicationVersion(QStringLiteral(WENDARIX_VERSION));
    QTranslator dutch;
    if (dutch.load(u"qtbase_nl"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&dutch);

    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        u"WENDARIX raadpleegt de I Tjing, het boek der veranderingen. Zonder opties werkt het\n"
        "in de map waarin het gestart is: daar staan het dagboek QuivarLijst.txt en zijn\n"
        "reservekopie QuivarLijst.bak. Meer in de handleiding: man wendarix."_s);
    const QCommandLineOption help({ u"h"_s, u"help"_s }, u"Toont deze hulp bij de opties en stopt."_s);
    const QCommandLineOption version({ u"v"_s, u"version"_s }, u"Toont de versie en stopt."_s);
    const QCommandLineOption menu(u"menu"_s,
        u"Werkt in de gegevensmap van de gebruiker (~/.local/share/WENDARIX) in plaats "
        "van de huidige map; zo start het menu het programma."_s);
    parser.addOptions({ help, version, menu });
    acceptQtOptions(parser);

    if (!parser.parse(QCoreApplication::arguments())) {
        const QStringList unknown = parser.unknownOptionNames();
        return { false,
            refuse(
                unknown.isEmpty() ? parser.errorText() : u"Onbekende optie '%1'."_s.arg(unknown.first())) };
    }
    if (!parser.positionalArguments().isEmpty())
        return { false, refuse(u"Onverwacht argument '%1'."_s.arg(parser.positionalArguments().first())) };
    if (parser.isSet(help)) {
        print(stdout, parser.helpText());
        return { false, 0 };
    }
    if (parser.isSet(version)) {
        print(stdout, u"WENDARIX %1\n"_s.arg(QCoreApplication::applicationVersion()));
        return { false, 0 };
    }
    return {};
}
