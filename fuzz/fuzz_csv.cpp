// Reads arbitrary bytes as a spreadsheet table of programs. A table that reads gives programs
// that write back to the same table and read back to the same programs, and a project file that
// the project file reader opens again; one that does not read names at least one wrong cell.
#include "project/CsvFile.h"
#include "project/ProjectFile.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void fail(const char *what) {
    std::fprintf(stderr, "fuzz_csv: %s\n", what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QList<Program> programs;
    QList<Notice> errors;
    if (!ProgramsFromCsv(bytes, programs, &errors)) {
        if (errors.isEmpty() || !programs.isEmpty())
            fail("a refused table named no cell or changed the programs");
        return 0;
    }
    const QByteArray written = ProgramsToCsv(programs);
    QList<Program> back;
    if (!ProgramsFromCsv(written, back) || ProgramsToCsv(back) != written)
        fail("a table read did not write and read back the same");
    Project project;
    project.Programs = programs;
    Project again = project;
    again.Programs = back;
    const QByteArray file = projectFileBytes(project);
    if (file != projectFileBytes(again))
        fail("the programs read back give another project file");
    Project opened;
    if (file.isEmpty() || !ReadProjectData(file, QStringLiteral("fuzz.prg"), opened) ||
        projectFileBytes(opened) != file)
        fail("a table read gives a project file that does not open again as written");
    return 0;
}
