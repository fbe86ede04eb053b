#pragma once

#include "Phrase.h"

#include <QList>
#include <QString>

#include <concepts>
#include <memory>
#include <variant>

// A message of the core, kept as a phrase and its arguments until the layer that knows the
// language words it: the same QString::arg calls, made on the phrase in that language. "%1"
// ... in a phrase stand for file names, numbers, system error texts and other notices.
class Notice {
public:
    // One argument: a text shown as it stands (a file name, a system error), a number, or
    // another notice, worded in the same language.
    class Value {
    public:
        Value(const QString &text)
            : m_value(text) {}
        Value(const Notice &notice)
            : m_value(std::make_shared<const Notice>(notice)) {}

        struct Number {
            qint64 value;
            int fieldWidth;
            int base;
            QChar fill;
        };
        static Value number(qint64 value, int fieldWidth = 0, int base = 10, QChar fill = u' ') {
            return Value(Number{value, fieldWidth, base, fill});
        }
        const std::variant<QString, std::shared_ptr<const Notice>, Number> &value() const { return m_value; }

    private:
        explicit Value(Number n)
            : m_value(n) {}
        std::variant<QString, std::shared_ptr<const Notice>, Number> m_value;
    };

    Notice() = default;
    explicit Notice(Phrase phrase)
        : m_phrase(phrase) {}
    // A text that is the whole message as it stands (a system error with nothing around it).
    static Notice verbatim(const QString &text);
    // Notices worded one after the other, `separator` between them.
    static Notice joined(const QList<Notice> &parts, const QString &separator);

    // As QString::arg: one call makes one group, replaced as that call would.
    Notice &arg(const Value &a);
    template <typename... More>
    requires(sizeof...(More) >= 1 && sizeof...(More) <= 8) Notice &arg(const Value &a, const More &...more) {
        m_groups.append(QList<Value>{a, Value(more)...});
        return *this;
    }
    template <std::integral T> Notice &arg(T n, int fieldWidth = 0, int base = 10, QChar fill = u' ') {
        return arg(Value::number(qint64(n), fieldWidth, base, fill));
    }

    // No message: nothing failed.
    bool isNull() const { return m_phrase.isNull() && m_text.isNull() && m_parts.isEmpty(); }
    // The text the notice words; null for a verbatim or joined notice.
    const Phrase &phrase() const { return m_phrase; }
    const QString &verbatimText() const { return m_text; }
    const QList<QList<Value>> &groups() const { return m_groups; }
    const QList<Notice> &parts() const { return m_parts; }
    const QString &separator() const { return m_text; }

private:
    Phrase m_phrase;
    QString m_text;
    QList<QList<Value>> m_groups;
    QList<Notice> m_parts;
};
