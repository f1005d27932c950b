#include "app/desktopentry.h"

#include <QFile>
#include <QTextStream>

namespace tavola {

namespace {

// The general escapes of a desktop entry's string values.
QString unescapeValue(const QString &value)
{
    QString text;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] != QLatin1Char('\\') || i + 1 == value.size()) {
            text += value[i];
            continue;
        }
        switch (value[++i].unicode()) {
        case 's':
            text += QLatin1Char(' ');
            break;
        case 'n':
            text += QLatin1Char('\n');
            break;
        case 't':
            text += QLatin1Char('\t');
            break;
        case 'r':
            text += QLatin1Char('\r');
            break;
        default:
            text += QLatin1Char('\\');
            text += value[i];
            break;
        }
    }
    return text;
}

void takeKey(DesktopEntry &entry, const QString &key, const QString &value)
{
    if (key == QLatin1String("Type"))
        entry.type = value;
    else if (key == QLatin1String("Exec"))
        entry.exec = unescapeValue(value);
    else if (key == QLatin1String("TryExec"))
        entry.tryExec = unescapeValue(value);
    else if (key == QLatin1String("Categories"))
        entry.categories = value.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    else if (key == QLatin1String("Hidden"))
        entry.hidden = value == QLatin1String("true");
}

// Splits an Exec line into arguments: blanks separate, double quotes group, and inside
// quotes a backslash takes the next character literally.
std::optional<QStringList> splitExec(const QString &exec)
{
    QStringList arguments;
    QString current;
    bool quoted = false;
    bool started = false;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec[i];
        if (quoted && c == QLatin1Char('\\') && i + 1 < exec.size()) {
            current += exec[++i];
        } else if (c == QLatin1Char('"')) {
            quoted = !quoted;
            started = true;
        } else if (!quoted && c.isSpace()) {
            if (started)
                arguments << current;
            current.clear();
            started = false;
        } else {
            current += c;
            started = true;
        }
    }
    if (quoted)
        return std::nullopt;
    if (started)
        arguments << current;
    return arguments;
}

// "%%" is a percent sign; every other field code stands for files, URLs or the entry's own
// names, none of which the game passes.
QString withoutFieldCodes(const QString &argument)
{
    QString text;
    for (qsizetype i = 0; i < argument.size(); ++i) {
        if (argument[i] != QLatin1Char('%')) {
            text += argument[i];
        } else if (i + 1 < argument.size() && argument[++i] == QLatin1Char('%')) {
            text += QLatin1Char('%');
        }
    }
    return text;
}

} // namespace

std::optional<DesktopEntry> readDesktopEntry(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return std::nullopt;
    QTextStream in(&file);
    DesktopEntry entry;
    bool inMainGroup = false;
    bool sawMainGroup = false;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inMainGroup = line == QLatin1String("[Desktop Entry]");
            sawMainGroup = sawMainGroup || inMainGroup;
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (!inMainGroup || line.startsWith(QLatin1Char('#')) || equals < 0)
            continue;
        takeKey(entry, line.left(equals).trimmed(), line.mid(equals + 1).trimmed());
    }
    if (!sawMainGroup)
        return std::nullopt;
    return entry;
}

std::optional<LaunchCommand> commandOfExec(const QString &exec)
{
    const std::optional<QStringList> split = splitExec(exec);
    if (!split)
        return std::nullopt;
    QStringList arguments;
    for (const QString &argument : *split) {
        const bool wholeFieldCode = argument.size() == 2 && argument[0] == QLatin1Char('%')
            && argument[1] != QLatin1Char('%');
        if (!wholeFieldCode)
            arguments << withoutFieldCodes(argument);
    }
    if (arguments.isEmpty() || arguments.first().isEmpty())
        return std::nullopt;
    const QString program = arguments.takeFirst();
    return LaunchCommand{program, arguments};
}

} // namespace tavola
