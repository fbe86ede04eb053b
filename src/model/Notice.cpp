#include "Notice.h"

Notice Notice::verbatim(const QString &text) {
    Notice n;
    n.m_text = text.isNull() ? QStringLiteral("") : text;
    return n;
}

Notice Notice::joined(const QList<Notice> &parts, const QString &separator) {
    Notice n;
    n.m_parts = parts;
    n.m_text = separator;
    return n;
}

Notice &Notice::arg(const Value &a) {
    m_groups.append({a});
    return *this;
}
