#include "dialogs/ui_text.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>

namespace gyro {

namespace {

constexpr const char* kContext = "Messages";

// The translation of `source`, or a null string when there is none.
QString Lookup(const QString& source) {
    const QByteArray utf8 = source.toUtf8();
    const QString translated = QCoreApplication::translate(kContext, utf8.constData());
    return translated == source ? QString() : translated;
}

QString TranslatedLine(const QString& line) {
    if (QString whole = Lookup(line); !whole.isNull()) return whole;
    static const QRegularExpression kNumber(QStringLiteral("\\d+"));
    const QRegularExpressionMatch number = kNumber.match(line);
    if (number.hasMatch()) {
        QString pattern = line;
        pattern.replace(number.capturedStart(), number.capturedLength(), QStringLiteral("%1"));
        if (QString translated = Lookup(pattern); !translated.isNull()) return translated.arg(number.captured());
    }
    return line;
}

}  // namespace

QString TranslatedMessage(std::string_view text) {
    const QString message = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    if (QString whole = Lookup(message); !whole.isNull()) return whole;
    QStringList lines = message.split(QLatin1Char('\n'));
    for (QString& line : lines) line = TranslatedLine(line);
    return lines.join(QLatin1Char('\n'));
}

}  // namespace gyro
