#include "core/ui/messages.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>

#include <initializer_list>
#include <iterator>
#include <vector>

namespace veldor {

namespace {

constexpr auto kContext = "veldor::Messages";

struct Message {
    const char* text;
    // The arguments that are themselves messages (a reason after a path),
    // translated in turn; the others are names and numbers.
    std::initializer_list<int> reasons = {};
};

// Most specific first: a later, more general form would also match.
const Message kMessages[] = {
    {QT_TRANSLATE_NOOP("veldor::Messages", "File not found")},
    {QT_TRANSLATE_NOOP("veldor::Messages", "File access denied")},
    {QT_TRANSLATE_NOOP("veldor::Messages", "Disk full")},
    {QT_TRANSLATE_NOOP("veldor::Messages", "I/O error %1")},
    {QT_TRANSLATE_NOOP("veldor::Messages", "Bitmap image is not valid")},
    {QT_TRANSLATE_NOOP("veldor::Messages", "Cannot encode PNG")},
    {QT_TRANSLATE_NOOP("veldor::Messages", "There is no default printer currently selected")},
    {QT_TRANSLATE_NOOP("veldor::Messages", "Printer selected is not valid")},
    {QT_TRANSLATE_NOOP("veldor::Messages", "neither XDG_DATA_HOME nor HOME is set")},
    {QT_TRANSLATE_NOOP("veldor::Messages", "Line %1 is longer than 1 MiB")},
    {QT_TRANSLATE_NOOP("veldor::Messages", "'%1' is not a valid integer value")},
    {QT_TRANSLATE_NOOP("veldor::Messages", "Invalid object count %1")},
    {QT_TRANSLATE_NOOP("veldor::Messages", "Not enough memory for %1")},
    {QT_TRANSLATE_NOOP("veldor::Messages", "The picture could not be printed: %1")},
    {QT_TRANSLATE_NOOP("veldor::Messages", "The image pack %1 cannot be installed:\n%2")},
    {QT_TRANSLATE_NOOP("veldor::Messages", "Cannot open file %1: %2"), {2}},
    {QT_TRANSLATE_NOOP("veldor::Messages", "Cannot open file %1")},
    {QT_TRANSLATE_NOOP("veldor::Messages", "Cannot create file %1: %2"), {2}},
};

QRegularExpression patternOf(const char* text)
{
    QString pattern = QRegularExpression::escape(QString::fromUtf8(text));
    // escape() has made "%1" into "\%1".
    pattern.replace(QRegularExpression(QStringLiteral(R"(\\?%\d)")), QStringLiteral("(.*)"));
    return QRegularExpression(QStringLiteral("\\A") + pattern + QStringLiteral("\\z"),
                              QRegularExpression::DotMatchesEverythingOption);
}

QString translated(const QString& text, bool* known)
{
    static const auto patterns = [] {
        std::vector<QRegularExpression> list;
        for (const Message& m : kMessages)
            list.push_back(patternOf(m.text));
        return list;
    }();
    for (std::size_t i = 0; i < std::size(kMessages); ++i) {
        const QRegularExpressionMatch match = patterns[i].match(text);
        if (!match.hasMatch())
            continue;
        const Message& m = kMessages[i];
        QStringList values;
        for (int arg = 1; arg <= match.lastCapturedIndex(); ++arg) {
            QString value = match.captured(arg);
            for (int reason : m.reasons)
                if (reason == arg)
                    value = translatedMessage(value);
            values << value;
        }
        // In one go, so that a "%2" inside a quoted name stays as it is.
        const QString out = QCoreApplication::translate(kContext, m.text);
        *known = true;
        switch (values.size()) {
        case 0:
            return out;
        case 1:
            return out.arg(values[0]);
        default:
            return out.arg(values[0], values[1]);
        }
    }
    *known = false;
    return text;
}

} // namespace

QString translatedMessage(const QString& text)
{
    bool known = false;
    QString out = translated(text, &known);
    if (known)
        return out;
    // "<path>: <reason>", the form a file system error takes.
    const qsizetype colon = text.lastIndexOf(QStringLiteral(": "));
    if (colon > 0) {
        const QString reason = translated(text.mid(colon + 2), &known);
        if (known)
            return text.left(colon + 2) + reason;
    }
    return text;
}

} // namespace veldor
