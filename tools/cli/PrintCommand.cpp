#include "PrintCommand.h"

#include "model/AtomicWrite.h"
#include "model/Clock.h"
#include "project/ProgramsFile.h"
#include "text/Translation.h"
#include "ui/SchedulePrint.h"

#include <QBuffer>
#include <QPdfWriter>

#include <array>
#include <utility>

namespace {

constexpr std::array<std::pair<const char *, Language>, 5> LanguageCodes = {{{"fr", Language::French},
                                                                             {"en", Language::English},
                                                                             {"es", Language::Spanish},
                                                                             {"de", Language::German},
                                                                             {"it", Language::Italian}}};

} // namespace

int printCommand(const QStringList &args, QTextStream &out, QTextStream &err) {
    QStringList operands;
    int chosen = 1; // en
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] != u"--language") {
            operands << args[i];
            continue;
        }
        const QString code = args.value(++i);
        chosen = -1;
        for (std::size_t k = 0; k < LanguageCodes.size(); ++k)
            if (code == QLatin1String(LanguageCodes[k].first))
                chosen = int(k);
        if (chosen < 0) {
            err << "print: unknown language \"" << printable(code) << "\"; use fr, en, es, de or it.\n";
            return ExitUsageError;
        }
    }
    if (operands.size() != 2) {
        err << "print: expected a project file and a PDF file to write, got " << operands.size() << " argument(s).\n";
        return ExitUsageError;
    }
    ProgramsFile read;
    if (const int status = readProject("print", operands[0], read.project, err); status != ExitSuccess)
        return status;
    Notice error;
    if (!checkCanCreate(operands[1], &error))
        return report(err, "print", error, ExitCannotCreate);
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    int pages = 0;
    {
        QPdfWriter writer(&pdf);
        writer.setResolution(300);
        writer.setTitle(read.project.Properties.ProjectName);
        // The window's dates: the language's locale, or the system's own when it speaks it.
        const Language language = LanguageCodes[std::size_t(chosen)].second;
        pages = printSchedule(writer, read.project, Clock::system().now(), language, LanguageLocale(language));
    }
    if (pages == 0 || !writeFileAtomically(operands[1], pdf.data(), &error))
        return report(err, "print",
                      pages == 0 ? QStringLiteral("the PDF could not be drawn") : noticeText(error, Language::English),
                      ExitIoError);
    out << "Wrote " << printable(operands[1]) << " (" << pages << " page(s)).\n";
    return ExitSuccess;
}

const CliCommand PrintCliCommand = {
    "print",
    "PROJECT.prg OUT.pdf [--language fr|en|es|de|it]",
    "write the printed schedule of a project as a PDF file",
    "Writes OUT.pdf, the schedule as File > Print the Schedule prints it: the project's\n"
    "properties, a table of the programs (code, title, active, the timer and the actions in\n"
    "words, the next run), then the week plan of the seven days from now. A4 pages, in the\n"
    "chosen language (Language::English by default). No display is needed.\n",
    printCommand,
};
