// Reads arbitrary bytes as the settings file. Reading never fails on content: every value
// falls back as documented, and the settings read are written and read back unchanged.
#include "project/Settings.h"
#include "text/Translation.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

const QStringList PortCaptions = {QStringLiteral("(None)"), QStringLiteral("/dev/ttyS0"),
                                  QStringLiteral("/dev/ttyUSB1")};

[[noreturn]] void fail(const char *what) {
    std::fprintf(stderr, "fuzz_settings: %s\n", what);
    std::abort();
}

const QString &settingsPath() {
    static const QTemporaryDir dir;
    static const QString path = dir.filePath(QStringLiteral("quillon-programmer.CFG"));
    return path;
}

Settings startValues() {
    return Settings::defaults(QStringLiteral("/opt/quillon/quillon-programmer"), {QStringLiteral("/dev/ttyS0")},
                              QLocale(QLocale::German));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QString &path = settingsPath();
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            fail("cannot write the input file");
        file.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    Settings read = startValues();
    Notice error;
    if (!ReadSettings(path, read, PortCaptions, &error))
        fail(qPrintable(QStringLiteral("a readable file was refused: ") + noticeText(error, Language::English)));
    if (!languageFromNumber(int(read.CurrentLanguage)))
        fail("language out of 1..5");
    if (!PortCaptions.contains(read.SelectedPortName))
        fail("a port that is not in the menu was selected");
    for (const QString *text : {&read.ProjectPath, &read.ExportPath})
        if (text->contains(u'\r') || text->contains(u'\n') || text->contains(QChar(0x1A)))
            fail("a value holds a line end");

    if (!WriteSettings(path, read, &error))
        fail(qPrintable(QStringLiteral("settings read could not be written: ") + noticeText(error, Language::English)));
    Settings again = startValues();
    if (!ReadSettings(path, again, PortCaptions, &error))
        fail("settings written could not be read");
    if (!(again == read))
        fail("settings changed on their way through the file");
    return 0;
}
