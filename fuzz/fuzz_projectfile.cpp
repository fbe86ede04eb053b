// Reads arbitrary bytes as a project file. A read either fails with a located message or gives a
// project that, when it can be saved, reads back from its own bytes to the same project.
#include "project/ProjectFile.h"
#include "text/Translation.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    Project project;
    Notice error;
    if (!ReadProjectData(bytes, QStringLiteral("fuzz.prg"), project, &error)) {
        if (!noticeText(error, Language::English).startsWith(QStringLiteral("\"fuzz.prg\", line ")))
            std::abort();
        return 0;
    }
    const QByteArray again = projectFileBytes(project);
    if (again.isEmpty())
        return 0; // a comment list of more than 255 lines: readable, not savable
    Project back;
    if (!ReadProjectData(again, QStringLiteral("again"), back, &error) || !(back.Properties == project.Properties) ||
        back.Programs.size() != project.Programs.size())
        std::abort();
    for (qsizetype i = 0; i < back.Programs.size(); ++i)
        if (!back.Programs[i].sameContent(project.Programs[i]))
            std::abort();
    if (projectFileBytes(back) != again)
        std::abort();
    return 0;
}
